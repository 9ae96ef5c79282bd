#include "triaxial/PressureDialog.h"

#include "triaxial/TriaxialRun.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/dlgBackPressure.h"
#include "triaxial/dlgCellPressure.h"
#include "triaxial/frmTriaxialCell.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace triaxial;

PressureDialog::PressureDialog(Edits e) : edits(e)
{
    const bool cell = edits == Edits::CellPressure;
    setWindowTitle(cell ? QStringLiteral("Cell Pressure") : QStringLiteral("Back Pressure"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    lblCellPressure = new QLabel(this);
    lblBackPressure = new QLabel(this);
    QLabel* caption = cell ? lblCellPressure : lblBackPressure;
    QLabel* info = cell ? lblBackPressure : lblCellPressure;
    caption->setText(cell ? QStringLiteral("Cell Pressure (kPa):") : QStringLiteral("Back Pressure (kPa):"));
    caption->setGeometry(lx::twRect(240, 210, 1800, 285));
    entry = new QLineEdit(this);
    entry->setGeometry(lx::twRect(2160, 180, 1335, 315));
    caption->setBuddy(entry);
    info->setGeometry(lx::twRect(240, 660, 3375, 285));

    cmdOK = lx::twButton(this, QStringLiteral("OK"), QStringLiteral("Accept"), 840, 1110, 1095, 375);
    cmdCancel = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Go Back"), 2040, 1110, 1095, 375);

    connect(entry, &QLineEdit::textChanged, this, &PressureDialog::entry_Change);
    connect(cmdOK, &QPushButton::clicked, this, &PressureDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &PressureDialog::cmdCancel_Click);
    entry->installEventFilter(this);

    lx::MakeChild(this, 3975, 2070, true);
    Form_Load();
}

PressureDialog::~PressureDialog() { BackToCellPicture(); }

void PressureDialog::Form_Load()
{
    lx::setLoamixIcon(this);
    const QPointF at = lx::ActiveChildPosTw();
    lx::MoveChild(this, at.x() + (edits == Edits::CellPressure ? 500 : 2700), at.y() + 4000);
    const double sigma3 = basGlobal::ConfiningStressKPa;
    const double back = basGlobal::BackPressureKPa;
    // Setting the text counts as a change: the value read back is stored.
    entry->setText(lx::DoubleText(edits == Edits::CellPressure ? CellPressureKPa(sigma3, back) : back));
    ShowOtherPressure();
}

void PressureDialog::ShowOtherPressure()
{
    const double back = basGlobal::BackPressureKPa;
    if (edits == Edits::CellPressure)
        lblBackPressure->setText(BackPressureLine(back));
    else
        lblCellPressure->setText(CellPressureLine(basGlobal::ConfiningStressKPa, back));
}

void PressureDialog::entry_Change()
{
    basGlobal::BackPressureKPa = edits == Edits::CellPressure
                                     ? BackFromCellText(entry->text(), basGlobal::ConfiningStressKPa)
                                     : lx::Val(entry->text());
    ShowOtherPressure();
}

bool PressureDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == entry && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOK_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PressureDialog::cmdOK_Click()
{
    CellState& cell = State().cell;
    frmTriaxialCell* picture = lx::SingleInstance<frmTriaxialCell>::peek();
    if (edits == Edits::CellPressure) {
        cell.dlgCellPStatus = true;
        if (picture) {
            picture->ShapeCellPressure->setVisible(false);
            picture->ShapeBackPressure->setVisible(true);
        }
    } else {
        cell.dlgBackPStatus = true;
        if (picture) {
            picture->ShapeCellPressure->setVisible(true);
            picture->ShapeSpecimen->setVisible(true);
        }
    }
    lx::UnloadLater(this);
}

void PressureDialog::cmdCancel_Click() { lx::UnloadLater(this); }

dlgCellPressure::dlgCellPressure() : PressureDialog(Edits::CellPressure), txtCellPressure(entry) {}

dlgBackPressure::dlgBackPressure() : PressureDialog(Edits::BackPressure), txtBackPressure(entry)
{
    // OK is not the default button here (Enter in the box confirms all the same).
}
