#include "triaxial/dlgAnnCIDCInit.h"

#include "triaxial/TriaxialRun.h"
#include "triaxial/TriaxialSoils.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/frmScreenDASTriaxial.h"

#include "controls/testreport/frmTestReport.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace triaxial;

namespace {

constexpr double WidthTw = 5760;

// Box index -> frame, box top and the label beside it.
struct Row { int box; int label; bool advanced; double top; };
constexpr Row Rows[] = {{0, 0, false, 300}, {1, 1, false, 780}, {5, 5, false, 1260}, {6, 6, false, 1740},
                        {7, 2, false, 2230}, {2, 8, true, 300},  {3, 3, true, 780},  {4, 4, true, 1260}};

} // namespace

dlgAnnCIDCInit::dlgAnnCIDCInit()
{
    setWindowTitle(QStringLiteral("Initialization Summary (Drained)"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    const QFont bold = lx::formFont(QStringLiteral("MS Sans Serif"), 8.25, true);

    lblTestID = new QLabel(QStringLiteral("Test Name:"), this);
    lblTestID->setGeometry(lx::twRect(180, 225, 900, 255));
    lblTestID->setToolTip(QStringLiteral("Enter Test ID"));
    txtTestID = new QLineEdit(this);
    txtTestID->setGeometry(lx::twRect(1140, 180, 4215, 315));
    txtTestID->setToolTip(QStringLiteral("Enter Test ID"));
    lblTestID->setBuddy(txtTestID);
    lblSoil = new QLabel(this);
    lblSoil->setGeometry(lx::twRect(240, 720, 5055, 285));
    lblSoil->setFont(bold);
    lblSoil->setForegroundRole(QPalette::Highlight);

    fraBasicInit = new QGroupBox(QStringLiteral("Basic Parameters"), this);
    fraBasicInit->setGeometry(lx::twRect(180, 1140, 3645, 2235));
    fraBasicInit->setFont(bold);
    fraAdvancedInit = new QGroupBox(QStringLiteral("Advanced Parameters"), this);
    fraAdvancedInit->setGeometry(lx::twRect(180, 3510, 3645, 1815));
    fraAdvancedInit->setFont(bold);
    fraAdvancedInit->setVisible(false);

    const QFont plain = font();
    const QStringList labels = SummaryLabels(u"Sand");
    for (size_t i = 0; i < lblInit.size(); ++i)
        lblInit[i] = nullptr;
    for (const Row& r : Rows) {
        QGroupBox* frame = r.advanced ? fraAdvancedInit : fraBasicInit;
        auto* label = new QLabel(labels[r.label], frame);
        label->setGeometry(lx::twRect(120, r.top + 30, 1880, 255));
        label->setFont(plain);
        auto* box = new QLineEdit(frame);
        box->setGeometry(lx::twRect(2040, r.top, 1335, 315));
        box->setFont(plain);
        box->installEventFilter(this);
        label->setBuddy(box);
        lblInit[size_t(r.label)] = label;
        txtInit[size_t(r.box)] = box;
    }
    // lblInit(7) has no row of its own.
    lblInit[7] = new QLabel(this);
    lblInit[7]->setVisible(false);

    cmdStartTest = lx::twButton(this, QStringLiteral("Start Test"), QString(), 3960, 1200, 1400, 500);
    cmdStartTest->setFont(bold);
    cmdReport = lx::twButton(this, QStringLiteral("Create Report"), QStringLiteral("All the information at one place"), 3960, 1750, 1395, 500);
    cmdCancel = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Exit and Go Back, Press F1 for Help"), 3960, 2300, 1395, 500);
    cmdAdvanced = lx::twButton(this, QStringLiteral("Advanced"), QStringLiteral("Advanced parameters for particles"), 3960, 2850, 1395, 500);
    connect(cmdStartTest, &QPushButton::clicked, this, &dlgAnnCIDCInit::cmdStartTest_Click);
    connect(cmdReport, &QPushButton::clicked, this, &dlgAnnCIDCInit::cmdReport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgAnnCIDCInit::cmdCancel_Click);
    connect(cmdAdvanced, &QPushButton::clicked, this, &dlgAnnCIDCInit::cmdAdvanced_Click);

    lx::MakeChild(this, WidthTw, 4000, true);
    Form_Load();
}

void dlgAnnCIDCInit::Form_Load()
{
    lx::setLoamixIcon(this);
    const RunState& run = State();
    mSimType = run.cell.strSimType;
    mSoilType = run.specimen.strSoilType;
    mTestID = run.specimen.SimTestID;
    setWindowTitle(SummaryCaption(mSimType));
    lblSoil->setText(QStringLiteral("Parameters for ") + mSoilType);
    run.cell.GetInitialData(mSpecimen, InitData);

    const bool clay = mSpecimen == u"Clay";
    if (clay) {
        lx::SetOuterSize(this, WidthTw, 4500);
        cmdAdvanced->setVisible(false);
        fraBasicInit->resize(fraBasicInit->width(), lx::tw(2765));
        fraAdvancedInit->move(fraAdvancedInit->x(), lx::tw(4200));
        const QStringList labels = SummaryLabels(mSpecimen);
        for (int i : {0, 1, 5, 6})
            lblInit[size_t(i)]->setText(labels[i]);
    } else {
        lx::SetOuterSize(this, WidthTw, 4000);
        fraAdvancedInit->setVisible(false);
        cmdAdvanced->setText(QStringLiteral("Advanced"));
    }
    mConnectionString = TestsConnection(mSpecimen, mSimType);
    const QStringList texts = SummaryBoxTexts(mSpecimen, InitData);
    for (size_t i = 0; i < txtInit.size(); ++i)
        txtInit[i]->setText(texts[int(i)]);   // setText leaves a box unchanged by the student
}

void dlgAnnCIDCInit::txtInit_Validate(int Index, bool& Cancel)
{
    if (Index < 0 || Index >= int(txtInit.size()))
        return;
    const auto message = RangeMessage(mSpecimen, Index, lx::Val(txtInit[size_t(Index)]->text()));
    if (!message)
        return;
    lx::messages().msgBox(*message, lx::vbOKOnly, QStringLiteral("Warning"));
    Cancel = true;
}

bool dlgAnnCIDCInit::ValidateChanged()
{
    for (size_t i = 0; i < txtInit.size(); ++i) {
        if (!txtInit[i]->isModified())
            continue;
        bool cancel = false;
        txtInit_Validate(int(i), cancel);
        if (cancel) {
            txtInit[i]->setFocus();
            return false;
        }
    }
    return true;
}

bool dlgAnnCIDCInit::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving a changed box checks it, unless the focus goes to Cancel (which must always
    // work) or to another window.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        for (size_t i = 0; i < txtInit.size(); ++i) {
            if (watched != txtInit[i] || !txtInit[i]->isModified())
                continue;
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
                QApplication::focusWidget() == cmdCancel)
                break;
            bool cancel = false;
            txtInit_Validate(int(i), cancel);
            if (cancel) {
                QLineEdit* box = txtInit[i];
                QTimer::singleShot(0, box, [box] { box->setFocus(); });
            }
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void dlgAnnCIDCInit::cmdAdvanced_Click()
{
    if (!ValidateChanged())
        return;
    const bool show = cmdAdvanced->text() == u"Advanced";
    lx::SetOuterSize(this, WidthTw, show ? 6000 : 4000);
    fraAdvancedInit->setVisible(show);
    cmdAdvanced->setText(show ? QStringLiteral("Basic") : QStringLiteral("Advanced"));
}

bool dlgAnnCIDCInit::HasDatabase()
{
    if (!mConnectionString.isEmpty())
        return true;
    lx::messages().msgBox(QStringLiteral("No reference database holds ") + mSpecimen + QStringLiteral(" tests of the ") +
                              CodeOf(mSimType).trimmed() + QStringLiteral(" kind.\rPlease choose the test again."),
                          lx::vbOKOnly | lx::vbExclamation, basGlobal::AppTitle);
    return false;
}

void dlgAnnCIDCInit::cmdStartTest_Click()
{
    if (!ValidateChanged() || !HasDatabase())
        return;
    mRunTitle = RunTitle(mSimType, mSpecimen);
    auto* screen = new frmScreenDASTriaxial();
    if (!screen->StartTest(mRunTitle, mSoilType, mConnectionString, mTestID, InitData)) {
        lx::UnloadNow(screen);
        return;
    }
    lx::ShowInFront(screen);
    lx::UnloadLater(this);
}

void dlgAnnCIDCInit::cmdReport_Click()
{
    if (!ValidateChanged() || !HasDatabase())
        return;
    mRunTitle = ReportRunTitle(mSimType, mSpecimen, txtTestID->text());
    lx::ShowTestReport(QStringLiteral("Simulation : ") + mSoilType + QStringLiteral(" - ") + mRunTitle,
                       QStringLiteral("Get ") + mRunTitle, mSoilType, mTestID, InitData, mConnectionString);
}

void dlgAnnCIDCInit::cmdCancel_Click() { lx::UnloadLater(this); }
