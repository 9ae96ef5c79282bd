#pragma once
// The mark of a window that takes the main window's Specimen pop-up menu (the triaxial cell
// picture): the menu's items call SelectSpecimen of the active child window only when it
// carries this mark.
#include <QString>
#include <QWidget>

class SpecimenTarget {
public:
    virtual ~SpecimenTarget() = default;
    // strSpec is "Clay", "Gravel" or "Sand".
    virtual void SelectSpecimen(const QString& strSpec) = 0;
};

inline SpecimenTarget* AsSpecimenTarget(QWidget* child) { return dynamic_cast<SpecimenTarget*>(child); }
