#include "triaxial/frmTriaxialCell.h"

#include "triaxial/StudyDialog.h"
#include "triaxial/TriaxialRun.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/dlgAnnCIDCInit.h"
#include "triaxial/dlgBackPressure.h"
#include "triaxial/dlgCellPressure.h"
#include "triaxial/dlgSpecimenCIDC.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "app/frmMDI.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace triaxial;

OutlineShape::OutlineShape(Kind k, QWidget* parent, const QString& name, std::function<void()> onClick, const QString& hint)
    : ClickMask(parent, name, std::move(onClick), hint), kind(k)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    unsetCursor();
    focusMarkInset = 4;
}

void OutlineShape::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind == Circle);
    constexpr int width = 3;
    p.setPen(QPen(Qt::red, width));
    p.setBrush(Qt::NoBrush);
    // The outline lies inside the shape's bounds, as a classic shape's border does.
    const QRectF inner = QRectF(rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    if (kind == Circle)
        p.drawEllipse(inner);
    else
        p.drawRect(inner);
    p.end();
    ClickMask::paintEvent(event);   // the focus frame inside the outline
}

namespace triaxial {

void CloseCellDialogs()
{
    lx::Unload<dlgCellPressure>();
    lx::Unload<dlgBackPressure>();
    lx::Unload<dlgSpecimenCIDC>();
}

void BackToCellPicture()
{
    QTimer::singleShot(0, qApp, [] {
        if (frmTriaxialCell* cell = lx::SingleInstance<frmTriaxialCell>::peek(); cell && cell->isVisible() && !basGlobal::ShuttingDown)
            lx::ShowInFront(cell);
    });
}

} // namespace triaxial

frmTriaxialCell::frmTriaxialCell()
{
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    picTriaxialCell = new lx::PictureBox(this);
    picTriaxialCell->setGeometry(lx::twRect(330, 60, 5685, 6765));
    lx::describePicture(picTriaxialCell, QStringLiteral("Triaxial cell"),
                        QStringLiteral("The specimen in its rubber membrane on the pedestal, under the top cap and the loading ram, "
                                       "in the cell water of the acrylic chamber; the cell-pressure inlet at the lower left, "
                                       "the back-pressure inlet at the lower right."));
    picTriaxialCell->setMouseTracking(true);
    picTriaxialCell->installEventFilter(this);

    // A circle's box is as wide as high (the design's boxes differ by a pixel or two). Each
    // spot's description is the hint the mouse gets over it.
    using Member = OutlineShape* frmTriaxialCell::*;
    const auto spot = [this](Member member, OutlineShape::Kind kind, const char* name, QRect at) {
        const QPoint middle = at.center();
        const QString hint = CellHint(lx::toTwips(middle.x()), lx::toTwips(middle.y()), true, true, true);
        this->*member = new OutlineShape(kind, picTriaxialCell, QString::fromLatin1(name),
                                         [this, member] { ClickSpot(this->*member); }, hint);
        (this->*member)->setGeometry(at);
    };
    spot(&frmTriaxialCell::ShapeSpecimen, OutlineShape::Rectangle, "Specimen", lx::twRect(2120, 3200, 1265, 1970));
    spot(&frmTriaxialCell::ShapeCellPressure, OutlineShape::Circle, "Cell pressure inlet", lx::twRect(450, 5460, 315, 285));
    spot(&frmTriaxialCell::ShapeBackPressure, OutlineShape::Circle, "Back pressure inlet", lx::twRect(4700, 5355, 315, 285));

    cmdOK = lx::twButton(this, QStringLiteral("OK"), QStringLiteral("Do Simulation"), 2760, 6960, 1095, 375);
    cmdCancel = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Go Back"), 3960, 6960, 1095, 375);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 5160, 6960, 1095, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmTriaxialCell::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTriaxialCell::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmTriaxialCell::cmdHelp_Click);

    lx::MakeChild(this, 6500, 8000, false);
    Form_Load();
}

frmTriaxialCell::~frmTriaxialCell()
{
    CellState& cell = State().cell;
    cell.nSpecimen = 0;
    cell.dlgCellPStatus = false;
    cell.dlgBackPStatus = false;
    // Dialogs opened from the picture write into it: they go with it.
    CloseCellDialogs();
}

void frmTriaxialCell::Form_Load()
{
    lx::setLoamixIcon(this);
    const QImage picture(lx::installPath(QStringLiteral("\\Pictures\\Triaxial.gif")));
    if (!picture.isNull())
        picTriaxialCell->PaintPicture(picture, 0, 0, 5640, 6720);
    ShapeSpecimen->setVisible(true);
    ShapeCellPressure->setVisible(false);
    ShapeBackPressure->setVisible(false);
    ApplyLayout();
    lx::MoveChild(this, 0, 0);
}

void frmTriaxialCell::ApplyLayout()
{
    const bool study = IsStudy(State().cell.strSimType);
    cmdOK->setVisible(!study);
    cmdCancel->setText(study ? QStringLiteral("Go Back") : QStringLiteral("Cancel"));
}

QString frmTriaxialCell::Specimen() const { return State().cell.mSpecimen; }

void frmTriaxialCell::SetSimType(const QString& vNewValue)
{
    CellState& cell = State().cell;
    if (cell.strSimType != vNewValue) {
        // Another test: what was set for the old one no longer applies.
        CloseCellDialogs();
        cell.dlgCellPStatus = false;
        cell.dlgBackPStatus = false;
        ShapeSpecimen->setVisible(true);
        ShapeCellPressure->setVisible(false);
        ShapeBackPressure->setVisible(false);
    }
    cell.strSimType = vNewValue;
    ApplyLayout();
}

void frmTriaxialCell::SelectSpecimen(const QString& strSpec)
{
    CellState& cell = State().cell;
    cell.mSpecimen = strSpec;
    if (IsStudy(cell.strSimType)) {
        ShowParamStudy(cell.mSpecimen, cell.strSimType);
        lx::UnloadLater(this);
        return;
    }
    // A dialog still open for another kind or type is opened afresh: its lists, connection
    // and stress position are those of its load.
    lx::Unload<dlgSpecimenCIDC>();
    SpecimenState& specimen = State().specimen;
    specimen.strSpecimen = strSpec;
    specimen.strSimType = cell.strSimType;
    lx::ShowInFront(&lx::SingleInstance<dlgSpecimenCIDC>::get());
}

void frmTriaxialCell::picTriaxialCell_MouseMove(double x, double y)
{
    picTriaxialCell->setToolTip(CellHint(x, y, ShapeSpecimen->isVisible(), ShapeCellPressure->isVisible(),
                                         ShapeBackPressure->isVisible()));
}

void frmTriaxialCell::picTriaxialCell_MouseUp(double x, double y, const QPoint& globalPos)
{
    switch (ClickTarget(x, y, State().cell.nSpecimen)) {
    case CellSpot::CellPressure:
        lx::ShowInFront(&lx::SingleInstance<dlgCellPressure>::get());
        break;
    case CellSpot::BackPressure:
        lx::ShowInFront(&lx::SingleInstance<dlgBackPressure>::get());
        break;
    case CellSpot::Specimen:
        if (basGlobal::MainForm)
            basGlobal::MainForm->mnuSpecimen->popup(globalPos);
        break;
    case CellSpot::None:
        break;
    }
}

void frmTriaxialCell::ClickSpot(const OutlineShape* spot)
{
    const QPoint middle = spot->geometry().center();
    picTriaxialCell_MouseUp(lx::toTwips(middle.x()), lx::toTwips(middle.y()),
                            picTriaxialCell->mapToGlobal(middle));
}

bool frmTriaxialCell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picTriaxialCell) {
        if (event->type() == QEvent::MouseMove) {
            const auto* e = static_cast<QMouseEvent*>(event);
            picTriaxialCell_MouseMove(lx::toTwips(e->position().x()), lx::toTwips(e->position().y()));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* e = static_cast<QMouseEvent*>(event);
            picTriaxialCell_MouseUp(lx::toTwips(e->position().x()), lx::toTwips(e->position().y()),
                                    e->globalPosition().toPoint());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTriaxialCell::cmdOK_Click()
{
    CellState& cell = State().cell;
    auto refuse = [](const char* text) {
        lx::messages().msgBox(QString::fromLatin1(text), lx::vbOKOnly, basGlobal::AppTitle);
    };
    if (cell.nSpecimen == 0)
        return refuse("Please set specimen parameters.");
    if (!cell.dlgCellPStatus)
        return refuse("Please set cell pressure.");
    if (!cell.dlgBackPStatus)
        return refuse("Please set back pressure.");
    cell.InitData[6] = basGlobal::ConfiningStressKPa;
    cell.InitData[7] = 30.0;
    auto* summary = new dlgAnnCIDCInit();
    lx::ShowInFront(summary);
    summary->setFocus();
    lx::UnloadLater(this);
}

void frmTriaxialCell::cmdCancel_Click() { lx::UnloadLater(this); }

void frmTriaxialCell::cmdHelp_Click()
{
    ShowHelpTopic(1, IsStudy(State().cell.strSimType) ? QStringLiteral("html/Simulations/SimTriaxialParam.htm")
                                                      : QStringLiteral("html/Simulations/SimTriaxialShear.htm"));
}
