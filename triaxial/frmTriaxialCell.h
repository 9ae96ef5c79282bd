#pragma once
// The triaxial cell picture: three hot spots (the specimen, the cell-pressure inlet and the
// back-pressure inlet) with red outlines that lead the student from one setting to the
// next; OK opens the initialization summary. One instance; its run state lives in
// triaxial::State().cell, so later windows read it after the picture has closed.
#include "app/SpecimenTarget.h"
#include "lab/ClickMask.h"

#include <QWidget>

class QPushButton;

namespace lx {
class PictureBox;
}

// A hot spot drawn over a picture: a red outline, no fill, never in the way of the mouse
// (the picture answers it); while shown it is a Tab stop that Enter or Space clicks.
class OutlineShape : public lx::ClickMask {
    Q_OBJECT
public:
    enum Kind { Rectangle, Circle };
    OutlineShape(Kind kind, QWidget* parent, const QString& name, std::function<void()> onClick, const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind;
};

class frmTriaxialCell : public QWidget, public SpecimenTarget {
    Q_OBJECT
public:
    frmTriaxialCell();
    ~frmTriaxialCell() override;

    // The specimen kind chosen last ("Clay", "Gravel" or "Sand").
    QString Specimen() const;
    // Stores the test type and lays the window out for it (a study hides OK); a change of
    // type closes the dialogs opened from the picture and asks for the pressures again.
    void SetSimType(const QString& vNewValue);
    // Stores the specimen kind and opens the specimen dialog afresh for it.
    void SelectSpecimen(const QString& strSpec) override;

    void Form_Load();
    // x and y in twips of the picture; globalPos is where a pop-up menu opens.
    void picTriaxialCell_MouseMove(double x, double y);
    void picTriaxialCell_MouseUp(double x, double y, const QPoint& globalPos);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    lx::PictureBox* picTriaxialCell;
    OutlineShape* ShapeSpecimen;
    OutlineShape* ShapeCellPressure;
    OutlineShape* ShapeBackPressure;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyLayout();
    // A key on a shown spot: a click at its middle.
    void ClickSpot(const OutlineShape* spot);
};

namespace triaxial {
// Closes the pressure and specimen dialogs of the cell picture.
void CloseCellDialogs();
// Makes the cell picture the active window again once a dialog of it has closed (the child
// area would otherwise bring up whichever window lies next).
void BackToCellPicture();
} // namespace triaxial
