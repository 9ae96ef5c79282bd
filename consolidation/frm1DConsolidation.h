#pragma once
// The set-up form of the consolidation test: the oedometer (or CRS cell) assembles when
// the student clicks into its picture, the soils of the kind chosen in the dialog are
// listed, and Start opens a new replay screen for the chosen soil. One instance; the kind
// is read from the dialog when the form loads.
#include "consolidation/ConsolidationRun.h"
#include "lab/SetupForm.h"

#include <QPointer>

class frm1DConsolidation : public lx::SetupForm {
    Q_OBJECT
public:
    frm1DConsolidation();
    explicit frm1DConsolidation(consolidation::Kind kind);

    consolidation::Kind kind() const { return kind_; }
    // The replay screen the last Start opened (null when none is open).
    QWidget* lastScreen() const { return lastScreen_; }

protected:
    void StartRun(const QString& soilType) override;

private:
    consolidation::Kind kind_;
    QPointer<QWidget> lastScreen_;
};
