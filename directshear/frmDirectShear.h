#pragma once
// The direct shear set-up form: the shear box assembles when the student clicks into its
// picture, the ten sands are listed, the chosen sand's boxes show its first stored test,
// and Start opens a new replay screen of that test.
#include "lab/SetupForm.h"

#include <QPointer>

#include "directshear/frmScreenDAS_DS.h"

class frmDirectShear : public lx::SetupForm {
    Q_OBJECT
public:
    frmDirectShear();

    // The screen the last Start opened (null when none, or when its test could not start).
    frmScreenDAS_DS* lastScreen() const { return lastScreen_.data(); }

protected:
    void StartRun(const QString& soilType) override;

private:
    QPointer<frmScreenDAS_DS> lastScreen_;
};
