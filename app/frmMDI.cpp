#include "frmMDI.h"

#include "ChildWindows.h"
#include "DocumentChild.h"
#include "FrameAssets.h"
#include "SpecimenTarget.h"
#include "basGlobal.h"
#include "basHTMLHelp.h"
#include "frmAbout.h"
#include "frmDocument.h"
#include "frmMessege.h"
#include "frmOptions.h"
#include "frmSplashMessege.h"

#include "controls/printform/LXPrintForm.h"
#include "platform/Geometry.h"
#include "platform/Keyboard.h"
#include "platform/Numbers.h"
#include "platform/Printing.h"
#include "platform/Services.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QLayout>
#include <QPainter>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>

#include <memory>

using lx::tw;

namespace {

// One command of the main window: an entry of the menu bar (a menu, an item or a bar),
// with the handler or the reference topic behind it and the toolbar button that runs it.
struct Command {
    enum Kind { Menu, Item, Separator };
    int depth;                    // 0: on the menu bar; n: in the last menu of depth n - 1
    Kind kind;
    const char* name;             // object name, as other windows reach it through MainForm
    const char* caption;
    int shortcut;                 // a key combination, or 0
    bool enabled;
    bool visible;
    QMenu* frmMDI::*menu;         // the member a menu is kept in
    QAction* frmMDI::*action;     // the member an item or a bar is kept in
    void (frmMDI::*handler)();    // what the item does, or
    const char* topic;            // the reference topic it shows (Resource menu)
    const char* button;           // the key of the toolbar button that runs the same command
};

// The main window's toolbar draws its own panel: the window colour between a light line
// above and a dark line below. The style draws the same with gradient-stroked lines, whose
// first painting cost the start as much as the rest of the main window.
class FrameToolBar final : public QToolBar {
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QColor window = palette().window().color();
        p.fillRect(rect(), window);
        p.setPen(window.lighter(110));
        p.drawLine(0, 0, width() - 1, 0);
        p.setPen(window.darker(110));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

constexpr int Ctrl(Qt::Key key) { return (Qt::CTRL | key).toCombined(); }

using M = frmMDI;
constexpr auto Menu = Command::Menu;
constexpr auto Item = Command::Item;
constexpr auto Bar = Command::Separator;

// The menu bar in display order. Items without a handler or topic do nothing.
const Command Commands[] = {
    {0, Menu, "mnuFile", "&File", 0, true, true, &M::mnuFile, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuFileNew", "&New", Ctrl(Qt::Key_N), true, true, nullptr, &M::mnuFileNew, &M::mnuFileNew_Click, nullptr, "New"},
    {1, Item, "mnuFileOpen", "&Open...", Ctrl(Qt::Key_O), true, true, nullptr, &M::mnuFileOpen, &M::mnuFileOpen_Click, nullptr, "Open"},
    {1, Bar, "mnuFileBar0", "", 0, true, true, nullptr, &M::mnuFileBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuFileSave", "&Save", 0, true, true, nullptr, &M::mnuFileSave, &M::mnuFileSave_Click, nullptr, "Save"},
    {1, Item, "mnuFileSaveAs", "Save &As...", 0, true, true, nullptr, &M::mnuFileSaveAs, &M::mnuFileSaveAs_Click, nullptr, nullptr},
    {1, Bar, "mnuFileBar1", "", 0, true, true, nullptr, &M::mnuFileBar1, nullptr, nullptr, nullptr},
    {1, Item, "mnuFileExport", "Export to Excel", 0, true, true, nullptr, &M::mnuFileExport, nullptr, nullptr, nullptr},
    {1, Bar, "mnuFileBar2", "", 0, true, true, nullptr, &M::mnuFileBar2, nullptr, nullptr, nullptr},
    {1, Item, "mnuFilePrintWin", "Print &Window", 0, true, true, nullptr, &M::mnuFilePrintWin, &M::mnuFilePrintWin_Click, nullptr, "PrintWin"},
    {1, Item, "mnuFilePrintDoc", "Print &Document", 0, true, true, nullptr, &M::mnuFilePrintDoc, &M::mnuFilePrintDoc_Click, nullptr, "PrintDoc"},
    {1, Bar, "mnuFileBar4", "", 0, true, true, nullptr, &M::mnuFileBar4, nullptr, nullptr, nullptr},
    {1, Item, "mnuFileExit", "E&xit", 0, true, true, nullptr, &M::mnuFileExit, &M::mnuFileExit_Click, nullptr, nullptr},

    {0, Menu, "mnuEdit", "&Edit", 0, true, true, &M::mnuEdit, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuEditUndo", "&Undo", 0, true, true, nullptr, &M::mnuEditUndo, nullptr, nullptr, nullptr},
    {1, Bar, "mnuEditBar0", "", 0, true, true, nullptr, &M::mnuEditBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuEditCut", "Cu&t", Ctrl(Qt::Key_X), true, true, nullptr, &M::mnuEditCut, &M::mnuEditCut_Click, nullptr, "Cut"},
    {1, Item, "mnuEditCopy", "&Copy", Ctrl(Qt::Key_C), true, true, nullptr, &M::mnuEditCopy, &M::mnuEditCopy_Click, nullptr, "Copy"},
    {1, Item, "mnuEditPaste", "&Paste", Ctrl(Qt::Key_V), true, true, nullptr, &M::mnuEditPaste, &M::mnuEditPaste_Click, nullptr, "Paste"},
    {1, Item, "mnuEditPasteSpecial", "Paste &Special...", 0, true, true, nullptr, &M::mnuEditPasteSpecial, nullptr, nullptr, nullptr},

    {0, Menu, "mnuView", "&View", 0, true, true, &M::mnuView, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuViewToolbar", "&Toolbar", 0, true, true, nullptr, &M::mnuViewToolbar, &M::mnuViewToolbar_Click, nullptr, nullptr},
    {1, Item, "mnuViewStatusBar", "Status &Bar", 0, true, true, nullptr, &M::mnuViewStatusBar, &M::mnuViewStatusBar_Click, nullptr, nullptr},
    {1, Bar, "mnuViewBar0", "", 0, true, true, nullptr, &M::mnuViewBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuViewRefresh", "&Refresh", 0, true, true, nullptr, &M::mnuViewRefresh, nullptr, nullptr, nullptr},
    {1, Item, "mnuViewOptions", "&Options...", 0, true, true, nullptr, &M::mnuViewOptions, &M::mnuViewOptions_Click, nullptr, nullptr},
    {1, Item, "mnuViewWebBrowser", "&Web Browser", 0, true, true, nullptr, &M::mnuViewWebBrowser, &M::mnuViewWebBrowser_Click, nullptr, nullptr},

    // The reference library: each enabled leaf shows its topic.
    {0, Menu, "mnuResource", "&Resource", 0, true, true, &M::mnuResource, nullptr, nullptr, nullptr, nullptr},
    {1, Menu, "mnuTestType", "&TestType", 0, true, true, &M::mnuTestType, nullptr, nullptr, nullptr, nullptr},
    {2, Menu, "mnuHydraulicConductivity", "&Hydraulic Conductivity", 0, false, true, &M::mnuHydraulicConductivity, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuConstantHead", "&Constant Head", 0, false, true, nullptr, &M::mnuConstantHead, nullptr, nullptr, nullptr},
    {3, Item, "mnuFallingHead", "&Falling Head", 0, false, true, nullptr, &M::mnuFallingHead, nullptr, nullptr, nullptr},
    {3, Item, "mnuFlowPump", "&Flow Pump", 0, false, true, nullptr, &M::mnuFlowPump, nullptr, nullptr, nullptr},
    {2, Menu, "mnuTriaxialShear", "&Triaxial Shear", 0, true, true, &M::mnuTriaxialShear, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuUnconfined", "&Uncofined", 0, true, true, nullptr, &M::mnuUnconfined, nullptr, "html\\LabTests_TestTypeTriaxial_UC.htm", nullptr},
    {3, Item, "mnuDrained", "&Drained", 0, true, true, nullptr, &M::mnuDrained, nullptr, "html\\LabTests_TestTypeTriaxial_CD.htm", nullptr},
    {3, Item, "mnuUndrained", "&Undrained", 0, true, true, nullptr, &M::mnuUndrained, nullptr, "html\\LabTests_TestTypeTriaxial_CUnUU.htm", nullptr},
    {2, Menu, "manuSoilShear", "&SoilShear", 0, true, true, &M::manuSoilShear, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuSoilDirectShear", "&Direct Shear", 0, true, true, nullptr, &M::mnuSoilDirectShear, nullptr, "html\\LabTests_TestTypeDS.htm", nullptr},
    {3, Item, "mnuSoilRingShear", "&Ring Shear", 0, false, true, nullptr, &M::mnuSoilRingShear, nullptr, nullptr, nullptr},
    {3, Item, "mnuSimpleShear", "&Simple Shear", 0, false, true, nullptr, &M::mnuSimpleShear, nullptr, nullptr, nullptr},
    {2, Item, "mnuBiaxialShear", "&Biaxial Shear", 0, false, true, nullptr, &M::mnuBiaxialShear, nullptr, nullptr, nullptr},
    {2, Menu, "mnuConsolidation", "&Consolidation", 0, true, true, &M::mnuConsolidation, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuIncremental", "&Incremental", 0, true, true, nullptr, &M::mnuIncremental, nullptr, "html\\LabTests_TestTypeConsol_IL.htm", nullptr},
    {3, Item, "mnuConstantRate", "&Constant Rate", 0, true, true, nullptr, &M::mnuConstantRate, nullptr, "html\\LabTests_TestTypeConsol_CRS.htm", nullptr},
    {2, Menu, "mnuInterferenceShear", "&Interference Shear", 0, false, true, &M::mnuInterferenceShear, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuDirectShear", "&Direct Shear", 0, false, true, nullptr, &M::mnuDirectShear, nullptr, nullptr, nullptr},
    {3, Item, "mnuRingShear", "&Ring Shear", 0, false, true, nullptr, &M::mnuRingShear, nullptr, nullptr, nullptr},
    {2, Item, "mnuCBR", "CB&R", 0, false, true, nullptr, &M::mnuCBR, nullptr, nullptr, nullptr},
    {1, Menu, "mnuApparatus", "&Apparatus", 0, true, true, &M::mnuApparatus, nullptr, nullptr, nullptr, nullptr},
    {2, Item, "mnuFlexWallPermeameter", "&Flex Wall Permeameter", 0, false, true, nullptr, &M::mnuFlexWallPermeameter, nullptr, nullptr, nullptr},
    {2, Item, "mnuTriaxialCell", "&Triaxial Cell", 0, true, true, nullptr, &M::mnuTriaxialCell, nullptr, "html\\LabTests_Triaxial.htm", nullptr},
    {2, Item, "mnuAppDirectShear", "&DirectShear", 0, true, true, nullptr, &M::mnuAppDirectShear, nullptr, "html\\DirectShearTest.htm", nullptr},
    {2, Item, "mnuAppInterferenceShear", "&Interference Shear", 0, false, true, nullptr, &M::mnuAppInterferenceShear, nullptr, nullptr, nullptr},
    {2, Item, "mnuAppConsolidation", "&Consolidation", 0, true, true, nullptr, &M::mnuAppConsolidation, nullptr, "html\\1DConsolidationTest.htm", nullptr},
    {1, Menu, "mnuSamples", "&Samples", 0, true, true, &M::mnuSamples, nullptr, nullptr, nullptr, nullptr},
    {2, Menu, "mnuSamplesUndisturbed", "&Undisturbed", 0, true, true, &M::mnuSamplesUndisturbed, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuBlock", "&Block", 0, true, true, nullptr, &M::mnuBlock, nullptr, "html\\SamplesUndisturbedBlock.htm", nullptr},
    {3, Item, "mnuShelbyTube", "&Shelby Tube", 0, true, true, nullptr, &M::mnuShelbyTube, nullptr, "html\\SamplesUndisturbedShelby.htm", nullptr},
    {2, Menu, "mnuSamplesDisturbed", "&Disturbed", 0, true, true, &M::mnuSamplesDisturbed, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuSPT", "&SPT", 0, false, true, nullptr, &M::mnuSPT, nullptr, nullptr, nullptr},
    {3, Item, "mnuWashings", "&Washings", 0, false, true, nullptr, &M::mnuWashings, nullptr, nullptr, nullptr},
    {3, Item, "mnuBagBucket", "&Bag/Bucket", 0, false, true, nullptr, &M::mnuBagBucket, nullptr, nullptr, nullptr},
    {1, Menu, "mnuSamplePreparation", "&Sample Preparation", 0, true, true, &M::mnuSamplePreparation, nullptr, nullptr, nullptr, nullptr},
    {2, Item, "mnuAirPluviation", "&Air Pluviation", 0, true, true, nullptr, &M::mnuAirPluviation, nullptr, "html\\SpecimenPreparationAir.htm", nullptr},
    {2, Item, "mnuMoistTamped", "&Moist Tamped", 0, true, true, nullptr, &M::mnuMoistTamped, nullptr, "html\\SpecimenPreparationMoist.htm", nullptr},
    {2, Item, "mnuWetPluviation", "&Wet Pluviation", 0, true, true, nullptr, &M::mnuWetPluviation, nullptr, "html\\SpecimenPreparationWet.htm", nullptr},
    {1, Menu, "mnuSensors", "&Sensors", 0, true, true, &M::mnuSensors, nullptr, nullptr, nullptr, nullptr},
    {2, Item, "mnuLoadStress", "&Load/Stress Sensor", 0, true, true, nullptr, &M::mnuLoadStress, nullptr, "html\\SensorsLoadStress.htm", nullptr},
    {2, Item, "mnuPorePressure", "&Pressure Sensor", 0, true, true, nullptr, &M::mnuPorePressure, nullptr, "html\\SensorsPressure.htm", nullptr},
    {2, Item, "mnuDisplacement", "&Displacement Sensor (LVDT)", 0, true, true, nullptr, &M::mnuDisplacement, nullptr, "html\\SensorsDisplacement.htm", nullptr},
    {2, Item, "mnuDynamic", "&Dynamic Sensor", 0, true, true, nullptr, &M::mnuDynamic, nullptr, "html\\SensorsDynamic.htm", nullptr},
    {1, Menu, "mnuErrorSources", "&Error Sources", 0, true, true, &M::mnuErrorSources, nullptr, nullptr, nullptr, nullptr},
    {2, Item, "mnuSeating", "&Seating", 0, true, true, nullptr, &M::mnuSeating, nullptr, "html\\ErrorsSeating.htm", nullptr},
    {2, Item, "mnuCalibration", "&Calibration", 0, true, true, nullptr, &M::mnuCalibration, nullptr, "html\\ErrorsCalibration.htm", nullptr},
    {2, Menu, "mnuMembraneEffects", "&Membrane Effects", 0, true, true, &M::mnuMembraneEffects, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuConfinement", "&Confinement", 0, true, true, nullptr, &M::mnuConfinement, nullptr, "html\\ErrorsMembraneConf.htm", nullptr},
    {3, Item, "mnuPenetration", "&Penetration", 0, true, true, nullptr, &M::mnuPenetration, nullptr, "html\\ErrorsMembranePenetration.htm", nullptr},
    {3, Item, "mnuCompliance", "&Compliance", 0, true, true, nullptr, &M::mnuCompliance, nullptr, "html\\ErrorsMembraneCompliance.htm", nullptr},
    {2, Menu, "mnuEndPlatens", "&End Platens", 0, true, true, &M::mnuEndPlatens, nullptr, nullptr, nullptr, nullptr},
    {3, Item, "mnuLubricated", "&Lubricated", 0, true, true, nullptr, &M::mnuLubricated, nullptr, "html\\ErrorsPlattensLubrication.htm", nullptr},
    {3, Item, "mnuNonlubricated", "&Non-lubricated", 0, true, true, nullptr, &M::mnuNonlubricated, nullptr, "html\\ErrorsPlattensNonLubrication.htm", nullptr},

    {0, Menu, "mnuSimulation", "&Simulation", 0, true, true, &M::mnuSimulation, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuSimTri", "&1 Triaxial Test", 0, true, true, nullptr, &M::mnuSimTri, &M::mnuSimTri_Click, nullptr, "Triaxial"},
    {1, Item, "mnuSimConsol", "&2 Consolidation", 0, true, true, nullptr, &M::mnuSimConsol, &M::mnuSimConsol_Click, nullptr, "1DConsol"},
    {1, Item, "mnuSimDS", "&3 Direct Shear", 0, true, true, nullptr, &M::mnuSimDS, &M::mnuSimDS_Click, nullptr, "DS"},
    {1, Item, "mnuSimTTT", "&4 True Triaxial", 0, true, true, nullptr, &M::mnuSimTTT, &M::mnuSimTTT_Click, nullptr, "TTT"},

    // Hidden and greyed in the menu bar only: the cell window pops it up, its items usable.
    {0, Menu, "mnuSpecimen", "S&pecimen", 0, false, false, &M::mnuSpecimen, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuSpecimenClay", "&Clay", 0, true, true, nullptr, &M::mnuSpecimenClay, &M::mnuSpecimenClay_Click, nullptr, nullptr},
    {1, Item, "mnuSpecimenGravel", "&Gravel", 0, true, true, nullptr, &M::mnuSpecimenGravel, &M::mnuSpecimenGravel_Click, nullptr, nullptr},
    {1, Item, "mnuSpecimenSand", "&Sand", 0, true, true, nullptr, &M::mnuSpecimenSand, &M::mnuSpecimenSand_Click, nullptr, nullptr},

    {0, Menu, "mnuDatabase", "&Database", 0, true, false, &M::mnuDatabase, nullptr, nullptr, nullptr, nullptr},
    {1, Menu, "mnuDBCIDC", "&CIDC", 0, true, true, &M::mnuDBCIDC, nullptr, nullptr, nullptr, nullptr},
    {2, Item, "mnuDBCIDCSand", "&Sand", 0, true, true, nullptr, &M::mnuDBCIDCSand, nullptr, nullptr, nullptr},
    {2, Item, "mnuDBCIDCGravel", "&Gravel", 0, true, true, nullptr, &M::mnuDBCIDCGravel, &M::mnuDBCIDCGravel_Click, nullptr, "DBGravel"},
    {2, Bar, "mnuDatabaseBar0", "", 0, true, true, nullptr, &M::mnuDatabaseBar0, nullptr, nullptr, nullptr},
    {2, Item, "mnuDBCIDCQuery", "&Query", 0, true, true, nullptr, &M::mnuDBCIDCQuery, &M::mnuDBCIDCQuery_Click, nullptr, "DBQuery"},
    {1, Item, "mnuDBCIUC", "C&IUC", 0, false, true, nullptr, &M::mnuDBCIUC, nullptr, nullptr, nullptr},

    {0, Item, "mnuChart", "&Chart", 0, true, false, nullptr, &M::mnuChart, &M::mnuChart_Click, nullptr, nullptr},

    {0, Menu, "mnuQuiz", "&Quiz", 0, true, true, &M::mnuQuiz, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuQuizOpen", "&Open Quiz", 0, true, true, nullptr, &M::mnuQuizOpen, &M::mnuQuizOpen_Click, nullptr, nullptr},
    {1, Bar, "mnuQuizBar0", "", 0, true, true, nullptr, &M::mnuQuizBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuQuizBrowser", "&Browse", 0, true, true, nullptr, &M::mnuQuizBrowser, &M::mnuQuizBrowser_Click, nullptr, nullptr},
    {1, Item, "mnuScore", "&Score", 0, true, true, nullptr, &M::mnuScore, &M::mnuScore_Click, nullptr, nullptr},
    {1, Item, "mnuQuizManager", "&Manage Quiz", 0, true, false, nullptr, &M::mnuQuizManager, &M::mnuQuizManager_Click, nullptr, nullptr},

    {0, Menu, "mnuWindow", "&Window", 0, true, true, &M::mnuWindow, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuWindowNewWindow", "&New Window", 0, true, true, nullptr, &M::mnuWindowNewWindow, &M::mnuWindowNewWindow_Click, nullptr, nullptr},
    {1, Bar, "mnuWindowBar0", "", 0, true, true, nullptr, &M::mnuWindowBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuWindowCascade", "&Cascade", 0, true, true, nullptr, &M::mnuWindowCascade, &M::mnuWindowCascade_Click, nullptr, nullptr},
    {1, Item, "mnuWindowTileHorizontal", "Tile &Horizontal", 0, true, true, nullptr, &M::mnuWindowTileHorizontal, &M::mnuWindowTileHorizontal_Click, nullptr, nullptr},
    {1, Item, "mnuWindowTileVertical", "Tile &Vertical", 0, true, true, nullptr, &M::mnuWindowTileVertical, &M::mnuWindowTileVertical_Click, nullptr, nullptr},
    {1, Item, "mnuWindowArrangeIcons", "&Arrange Icons", 0, true, true, nullptr, &M::mnuWindowArrangeIcons, &M::mnuWindowArrangeIcons_Click, nullptr, nullptr},

    {0, Menu, "mnuHelp", "&Help", 0, true, true, &M::mnuHelp, nullptr, nullptr, nullptr, nullptr},
    {1, Item, "mnuHelpTopics", "&Help Topics", Qt::Key_F1, true, true, nullptr, &M::mnuHelpTopics, &M::mnuHelpTopics_Click, nullptr, nullptr},
    {1, Bar, "mnuHelpBar0", "", 0, true, true, nullptr, &M::mnuHelpBar0, nullptr, nullptr, nullptr},
    {1, Item, "mnuHelpAbout", "&About ", 0, true, true, nullptr, &M::mnuHelpAbout, &M::mnuHelpAbout_Click, nullptr, nullptr},
};

// The toolbar from left to right: a button's key and tip, or a separator (no key). Its
// command is the one whose entry names the key ("CIDC", "AT", "CIUC" and "DBSand" have none).
// Buttons of hidden menus stay hidden like them.
struct Button {
    const char* key;
    const char* tip;
    bool shown;
};
const Button Buttons[] = {
    {"New", "New", true}, {"Open", "Open", true}, {"Save", "Save", true}, {nullptr, nullptr, true},
    {"Cut", "Cut", true}, {"Copy", "Copy", true}, {"Paste", "Paste", true}, {nullptr, nullptr, true},
    {"PrintWin", "Print Window", true}, {"PrintDoc", "Print Document", true}, {nullptr, nullptr, true},
    {"Triaxial", "Triaxial Testing", true}, {nullptr, nullptr, true},
    {"1DConsol", "1-D Consolidation", true}, {nullptr, nullptr, true},
    {"CIDC", "Drained Triaxial test", false}, {"DS", "Direct Shear", true}, {nullptr, nullptr, true},
    {"TTT", "True Triaxial Test", true}, {nullptr, nullptr, true},
    {"AT", "", false}, {"CIUC", "Undrained Triaxial Test", false}, {nullptr, nullptr, true},
    {"DBSand", "Search Tests for Sand", false}, {"DBGravel", "Search Tests for Gravel", false},
    {"DBQuery", "Search Tests by Query", false},
};

// The command a toolbar key runs (exact and case-sensitive), or null.
const Command* commandOfButton(const QString& key)
{
    for (const Command& c : Commands)
        if (c.button && key == QLatin1String(c.button))
            return &c;
    return nullptr;
}

} // namespace

frmMDI::frmMDI()
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Loamix"));
    // The View menu owns the toolbar's visibility; no context menu may change it behind its back.
    setContextMenuPolicy(Qt::PreventContextMenu);

    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    mdiArea = new QMdiArea(clientArea);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // A child window larger than the area is reached by scrolling.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(clientArea);
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    clientArea->installEventFilter(this);

    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    // The window-print control, never seen, behind Print Window.
    ctlLXPrintForm = new LXPrintForm(this);
    ctlLXPrintForm->setObjectName(QStringLiteral("ctlLXPrintForm"));

    // Enter on a button, Tab in screen order and long boxes shown from their beginning, in
    // every window from now on.
    lx::installKeyboardRules();
    // Ctrl+F4 closes the active child window through its close box's path (a changed
    // document asks, a screen credits its activity), wherever the focus is in this window,
    // also on none; a child window's menu keeps Ctrl+W (addChildWindow).
    auto* closeChild = new QShortcut(lx::CloseChildKey, this);
    closeChild->setObjectName(QStringLiteral("closeChildShortcut"));
    connect(closeChild, &QShortcut::activated, mdiArea, &QMdiArea::closeActiveSubWindow);

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        class Request final : public LogoutRequest {
        public:
            explicit Request(QSessionManager& m) : m(m) {}
            bool allowsInteraction() override { return m.allowsInteraction(); }
            void release() override { m.release(); }
            void cancel() override { m.cancel(); }

        private:
            QSessionManager& m;
        } request(manager);
        CommitData(request);
    });

    connect(mnuFile, &QMenu::aboutToShow, this, &frmMDI::mnuFile_Click);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::mnuFile_Click);
    mnuFile_Click();

    // Room for the largest child window and the logo strip on the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        FitToScreen(screen->availableGeometry());
    else
        resize(ClientSizeNeeded());

    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    // Qt hides the child windows after this destructor has run; their activation signals
    // must not reach a main window that is half gone.
    mdiArea->disconnect(this);
    mnuFile->disconnect(this);
    tbToolBar->disconnect(this);
}

void frmMDI::MDIForm_Load() { lx::setLoamixIcon(this); }

QSize frmMDI::ClientSizeNeeded() const
{
    // The largest child window inside the frame QMdiSubWindow draws around it: the style's
    // caption above and its border on the other three sides.
    const QStyle* s = mdiArea->style();
    const int border = s->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int caption = s->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize child = lx::clientSizeForOuter(lx::LargestChildWidthTw, lx::LargestChildHeightTw);
    const int frame = 2 * mdiArea->frameWidth();
    return {child.width() + 2 * border + frame, child.height() + caption + border + frame + tw(frmMessege::HeightTw)};
}

void frmMDI::FitToScreen(const QRect& available)
{
    // The bars around the client area, as the layout sets them (it runs on a hidden window).
    const QSize client = ClientSizeNeeded();
    resize(client);
    layout()->activate();
    const QSize needed = client + (size() - clientArea->size());
    // The desktop's caption and border come on top once the window is shown.
    const int captionAllowance = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const QSize withFrame(needed.width() + 8, needed.height() + captionAllowance);
    resize(needed);
    if (withFrame.width() > available.width() || withFrame.height() > available.height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMaximized);
    // At the area's top-left corner, where the window has always opened.
    move(available.topLeft());
}

void frmMDI::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* parents[4] = {};
    for (const Command& c : Commands) {
        QMenu* parent = c.depth > 0 ? parents[c.depth - 1] : nullptr;
        const QString name = QString::fromLatin1(c.name);
        const QString caption = QString::fromLatin1(c.caption);
        if (c.kind == Command::Menu) {
            QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            m->setObjectName(name);
            // The menu's entry in its parent carries the state; the menu itself stays usable.
            m->menuAction()->setObjectName(name);
            m->menuAction()->setEnabled(c.enabled);
            m->menuAction()->setVisible(c.visible);
            this->*c.menu = m;
            parents[c.depth] = m;
            continue;
        }
        QAction* a = c.kind == Command::Separator ? parent->addSeparator()
                     : parent                      ? parent->addAction(caption)
                                                   : bar->addAction(caption);
        a->setObjectName(name);
        if (c.shortcut)
            a->setShortcut(QKeySequence(c.shortcut));
        a->setEnabled(c.enabled);
        a->setVisible(c.visible);
        this->*c.action = a;
        if (c.handler) {
            connect(a, &QAction::triggered, this, c.handler);
        } else if (c.topic) {
            const QString topic = QString::fromLatin1(c.topic);
            connect(a, &QAction::triggered, this, [topic] { ShowHelpTopic(1, topic); });
        }
    }
    for (QAction* toggle : {mnuViewToolbar, mnuViewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
}

void frmMDI::CreateToolbar()
{
    tbToolBar = new FrameToolBar(QStringLiteral("Toolbar"), this);
    addToolBar(tbToolBar);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    for (const Button& b : Buttons) {
        if (!b.key) {
            tbButtons.push_back(tbToolBar->addSeparator());
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        const QString tip = QString::fromLatin1(b.tip);
        // A button without a tip gets no text either: Qt would show the text as its tip.
        QAction* a = tbToolBar->addAction(lx::MaskedResourcePicture(QStringLiteral(":/forms/toolbar/%1.png").arg(key)), tip);
        a->setObjectName(QStringLiteral("tbToolBar_") + key);
        a->setData(key);
        a->setToolTip(tip);
        a->setVisible(b.shown);
        tbButtons.push_back(a);
    }
    // A separator shows only before a group that has a button shown.
    for (size_t i = 0; i < tbButtons.size(); ++i) {
        if (!tbButtons[i]->isSeparator())
            continue;
        bool groupShown = false;
        for (size_t j = i + 1; j < tbButtons.size() && !tbButtons[j]->isSeparator(); ++j)
            groupShown = groupShown || tbButtons[j]->isVisible();
        tbButtons[i]->setVisible(groupShown);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* a) { tbToolBar_ButtonClick(a->data().toString()); });
}

void frmMDI::CreateStatusBar()
{
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(sbStatusBar);
    auto panel = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, sbStatusBar);
        l->setObjectName(QString::fromLatin1(name));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(4, 0, 4, 0);
        return l;
    };
    sbStatusPanel = panel("sbStatusPanel", QStringLiteral("Status"));
    sbDatePanel = panel("sbDatePanel", QString());
    sbTimePanel = panel("sbTimePanel", QString());
    sbStatusBar->addWidget(sbStatusPanel, 1);
    sbStatusBar->addPermanentWidget(sbDatePanel);
    sbStatusBar->addPermanentWidget(sbTimePanel);
    // The date and time panels keep themselves current.
    sbClock = new QTimer(this);
    sbClock->setInterval(1000);
    connect(sbClock, &QTimer::timeout, this, &frmMDI::UpdateClockPanels);
    sbClock->start();
    UpdateClockPanels();
}

void frmMDI::UpdateClockPanels()
{
    const QDateTime now = lx::clock().now();
    const QLocale locale = QLocale::system();
    sbDatePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    sbTimePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

QAction* frmMDI::ToolbarButton(const QString& key) const
{
    for (QAction* a : tbButtons)
        if (!a->isSeparator() && a->data().toString() == key)
            return a;
    return nullptr;
}

QMdiSubWindow* frmMDI::AddChild(QWidget* child) { return lx::addChildWindow(mdiArea, child); }

QWidget* frmMDI::ActiveChild() const
{
    const QMdiSubWindow* active = mdiArea->currentSubWindow();
    return active ? active->widget() : nullptr;
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == clientArea && event->type() == QEvent::Resize)
        MDIForm_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::MDIForm_Resize()
{
    if (!logoStrip) {
        logoStrip = new frmMessege(clientArea);
        logoStrip->show();
    }
    logoStrip->Form_Resize();
    mdiArea->setGeometry(0, 0, clientArea->width(), qMax(0, clientArea->height() - logoStrip->height()));
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    // A changed document asks first (frmDocument::closeEvent); its Cancel keeps the program.
    for (QMdiSubWindow* sub : mdiArea->subWindowList())
        if (IsDocumentWindow(sub->widget()) && !sub->close()) {
            event->ignore();
            return;
        }
    basGlobal::ShuttingDown = true;
    // The wait runs the event loop, which may delete this window.
    const QPointer<frmMDI> self(this);
    MDIForm_QueryUnload();
    if (!self)
        return;
    sbClock->stop();
    mdiArea->closeAllSubWindows();
    // Closing the main window is never cancelled: a child that refused goes all the same.
    for (QMdiSubWindow* sub : mdiArea->subWindowList())
        if (sub->isVisible())
            delete sub;
    frmSplashMessege::unloadBox();
    event->accept();
    // The program ends with its main window, whatever other windows are still up.
    QCoreApplication::quit();
}

void frmMDI::CommitData(LogoutRequest& request)
{
    if (!request.allowsInteraction())
        return;
    bool cancelled = false;
    const QList<QMdiSubWindow*> subs = mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (const QPointer<QMdiSubWindow>& sub : QList<QPointer<QMdiSubWindow>>(subs.begin(), subs.end())) {
        auto* document = sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
        if (!document || !document->Changed())
            continue;
        // The student sees which document is asked about.
        mdiArea->setActiveSubWindow(sub);
        const QPointer<frmDocument> asked(document);
        const bool mayGo = document->MayDiscard();
        if (!asked)
            continue;
        if (!mayGo) {
            cancelled = true;
            break;
        }
        document->rtfText->document()->setModified(false);
    }
    request.release();
    if (cancelled)
        request.cancel();
}

void frmMDI::MDIForm_QueryUnload()
{
    CloseHelp();
    // Half a second as whole seconds: 0, which still lets pending events run once.
    basGlobal::Pause(lx::CInt(0.5));
}

// ---- File menu

void frmMDI::mnuFile_Click()
{
    const QWidget* active = ActiveChild();
    const bool document = active && IsDocumentWindow(active);
    mnuFileSave->setEnabled(document);
    mnuFileSaveAs->setEnabled(document);
    mnuFileExport->setEnabled(false);
    mnuFilePrintDoc->setEnabled(document);
    mnuFilePrintWin->setEnabled(active != nullptr);
}

// ---- Document commands

frmDocument* frmMDI::ActiveDocument() const { return qobject_cast<frmDocument*>(ActiveChild()); }

void frmMDI::LoadNewDoc()
{
    ++lDocumentCount;
    auto* document = new frmDocument;
    document->setWindowTitle(QStringLiteral("Document ") + QString::number(lDocumentCount));
    lx::showChildWindow(mdiArea, document);
}

void frmMDI::mnuFileNew_Click() { LoadNewDoc(); }

void frmMDI::mnuFileOpen_Click()
{
    const QString title = QStringLiteral("Open");
    const QString path = lx::fileDialogs().openFile(frmDocument::FileDialog(title));
    if (path.isEmpty())
        return;
    // Read before the window joins the frame: a file that cannot be read leaves no window.
    auto document = std::make_unique<frmDocument>();
    QString why;
    if (!document->LoadFile(path, &why)) {
        lx::messages().msgBox(QStringLiteral("The file %1 could not be opened.\r%2").arg(path, why),
                              lx::vbOKOnly | lx::vbExclamation, title);
        return;
    }
    document->setWindowTitle(path);
    lx::showChildWindow(mdiArea, document.release());
}

void frmMDI::mnuFileSave_Click()
{
    if (frmDocument* document = ActiveDocument())
        document->Save();
}

void frmMDI::mnuFileSaveAs_Click()
{
    if (frmDocument* document = ActiveDocument())
        document->SaveAs();
}

void frmMDI::mnuFilePrintDoc_Click()
{
    QWidget* active = ActiveChild();
    if (!active)
        return;
    auto* document = qobject_cast<frmDocument*>(active);
    if (!document) {
        lx::messages().msgBox(QStringLiteral("No document can be printed in this window."), lx::vbOKOnly,
                              basGlobal::AppTitle);
        return;
    }
    QTextEdit* box = document->rtfText;
    const bool hasSelection = box->textCursor().hasSelection();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document->windowTitle());
    // With a selection the dialog offers it, chosen already; the student may still pick all.
    // Without one it opens on the range of pages, every page of the text proposed.
    const int pages = hasSelection ? 0 : PrintedPages(*box->document(), printer);
    if (hasSelection) {
        printer.setPrintRange(QPrinter::Selection);
    } else {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, pages);
    }
    lx::PrintDialogRequest request;
    request.title = QStringLiteral("Print Document");
    request.allowSelection = hasSelection;
    request.outputFile = lx::printFileProposal(document->windowTitle());
    if (!lx::printers().choosePrinter(printer, request))
        return;
    if (printer.printRange() == QPrinter::Selection && !hasSelection)
        printer.setPrintRange(QPrinter::AllPages);
    // The proposed range left as it was: every page, however the chosen printer lays them out.
    if (printer.printRange() == QPrinter::PageRange && !hasSelection && printer.fromPage() <= 1
        && printer.toPage() >= pages)
        printer.setPrintRange(QPrinter::AllPages);
    // The selection when the printer asks for one, else the whole text.
    const bool selectionOnly = printer.printRange() == QPrinter::Selection;
    QString why;
    const bool printed = lx::printPages(printer, [&](QPagedPaintDevice& device) {
        if (&device == &printer || !selectionOnly) {
            box->print(&device);
            return true;
        }
        // A PDF writer knows no selection: the selection is printed as a text of its own.
        QTextDocument selection;
        selection.setDefaultFont(box->document()->defaultFont());
        QTextCursor(&selection).insertFragment(box->textCursor().selection());
        selection.print(&device);
        return true;
    }, &why);
    if (!printed)
        lx::messages().msgBox(lx::printFailureMessage(QStringLiteral("The document"), printer, why),
                              lx::vbOKOnly | lx::vbExclamation, QStringLiteral("Print Document"));
}

int frmMDI::PrintedPages(const QTextDocument& text, QPrinter& printer)
{
    // Laid out as QTextDocument::print lays out a text without pages of its own: the
    // printer's page with margins of 2 cm.
    const std::unique_ptr<QTextDocument> copy(text.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const qreal dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setLeftMargin(int(2 / 2.54 * dpiX));
    frame.setRightMargin(int(2 / 2.54 * dpiX));
    frame.setTopMargin(int(2 / 2.54 * dpiY));
    frame.setBottomMargin(int(2 / 2.54 * dpiY));
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(QSizeF(printer.width(), printer.height()));
    return qMax(1, copy->pageCount());
}

void frmMDI::mnuEditCut_Click()
{
    if (frmDocument* document = ActiveDocument())
        document->rtfText->cut();
}

void frmMDI::mnuEditCopy_Click()
{
    if (frmDocument* document = ActiveDocument())
        document->rtfText->copy();
}

void frmMDI::mnuEditPaste_Click()
{
    if (frmDocument* document = ActiveDocument())
        document->rtfText->paste();
}

void frmMDI::mnuWindowNewWindow_Click() { LoadNewDoc(); }

void frmMDI::mnuFilePrintWin_Click()
{
    QMdiSubWindow* active = mdiArea->currentSubWindow();
    // While a window waits to be printed, a second press does nothing.
    if (!active || ctlLXPrintForm->Waiting())
        return;
    QPrinter& printer = ctlLXPrintForm->Printer();
    printer.setDocName(active->windowTitle());
    // The whole window goes on one page: there are no page numbers to choose.
    lx::PrintDialogRequest request;
    request.title = QStringLiteral("Print Window");
    request.allowPageRange = false;
    request.outputFile = lx::printFileProposal(active->windowTitle());
    if (!lx::printers().choosePrinter(printer, request))
        return;
    ctlLXPrintForm->frmSrc = active->widget();
    ctlLXPrintForm->PrintForm();
}

void frmMDI::mnuFileExit_Click() { close(); }

// ---- View menu

// Qt has already inverted the check mark; the bar follows it.
void frmMDI::mnuViewToolbar_Click() { tbToolBar->setVisible(mnuViewToolbar->isChecked()); }
void frmMDI::mnuViewStatusBar_Click() { sbStatusBar->setVisible(mnuViewStatusBar->isChecked()); }

void frmMDI::mnuViewOptions_Click()
{
    frmOptions dlg(this);
    dlg.exec();
}

void frmMDI::mnuViewWebBrowser_Click()
{
    lx::messages().msgBox(QStringLiteral("Add 'mnuViewWebBrowser_Click' code."), lx::vbOKOnly, basGlobal::AppTitle);
}

// ---- Simulation menu

void frmMDI::RunSimulation(const std::function<void()>& showEntryDialog, int quizButton)
{
    if (basGlobal::ShuttingDown || !showEntryDialog)
        return;
    showEntryDialog();
    if (!basGlobal::QuizFileConnection.isEmpty())
        basGlobal::PressQuizButton(quizButton);
}

void frmMDI::mnuSimTri_Click() { RunSimulation(basGlobal::Hooks().showTriaxialSel, 200); }
void frmMDI::mnuSimConsol_Click() { RunSimulation(basGlobal::Hooks().show1DConsolidation, 300); }
void frmMDI::mnuSimDS_Click() { RunSimulation(basGlobal::Hooks().showDirectShear, 400); }
void frmMDI::mnuSimTTT_Click() { RunSimulation(basGlobal::Hooks().showTTT_HCT, 500); }

// ---- Specimen pop-up

void frmMDI::SelectSpecimen(const QString& strSpec)
{
    if (SpecimenTarget* target = AsSpecimenTarget(ActiveChild()))
        target->SelectSpecimen(strSpec);
}

void frmMDI::mnuSpecimenClay_Click() { SelectSpecimen(QStringLiteral("Clay")); }
void frmMDI::mnuSpecimenGravel_Click() { SelectSpecimen(QStringLiteral("Gravel")); }
void frmMDI::mnuSpecimenSand_Click() { SelectSpecimen(QStringLiteral("Sand")); }

// ---- Hidden Database and Chart menus

void frmMDI::FlashWaitBox()
{
    frmSplashMessege::showAndPaint();
    frmSplashMessege::unloadBox();
}

void frmMDI::mnuDBCIDCGravel_Click() { FlashWaitBox(); }
void frmMDI::mnuDBCIDCQuery_Click() { frmSplashMessege::unloadBox(); }
void frmMDI::mnuChart_Click() { FlashWaitBox(); }

// ---- Quiz menu

void frmMDI::mnuQuizOpen_Click()
{
    const bool open = basGlobal::QuizOption();
    mnuQuizBrowser->setEnabled(open);
    mnuScore->setEnabled(open);
    mnuQuizManager->setEnabled(open);
    if (open) {
        mnuQuizOpen->setEnabled(false);
        mnuQuizBrowser_Click();
    }
}

void frmMDI::mnuQuizBrowser_Click()
{
    if (!basGlobal::QuizFileConnection.isEmpty() && basGlobal::Hooks().showQuizBrowser)
        basGlobal::Hooks().showQuizBrowser();
}

void frmMDI::mnuScore_Click()
{
    frmSplashMessege::showAndPaint();
    if (basGlobal::Hooks().showScoreSummary)
        basGlobal::Hooks().showScoreSummary();
    frmSplashMessege::unloadBox();
}

void frmMDI::mnuQuizManager_Click()
{
    if (basGlobal::Hooks().showQuizManager)
        basGlobal::Hooks().showQuizManager();
}

// ---- Window menu

void frmMDI::mnuWindowCascade_Click() { Arrange(0); }
void frmMDI::mnuWindowTileHorizontal_Click() { Arrange(1); }
void frmMDI::mnuWindowTileVertical_Click() { Arrange(2); }
void frmMDI::mnuWindowArrangeIcons_Click() { Arrange(3); }

void frmMDI::Arrange(int arrangement)
{
    const QRect area = mdiArea->viewport()->rect();
    std::vector<QMdiSubWindow*> normal, minimised;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isHidden())
            continue;
        (sub->isMinimized() ? minimised : normal).push_back(sub);
    }
    if (arrangement == 0) {
        // Each window one caption lower and further right than the one before, at its own
        // size where the area has room for it; the row starts again at the top-left corner
        // when a window would no longer show half of itself.
        int step = 0;
        int at = 0;
        for (QMdiSubWindow* sub : normal) {
            if (sub->isMaximized())
                sub->showNormal();
            step = qMax(step, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub));
            const QSize own = sub->size();
            if (at > 0 && (at + own.width() / 2 > area.width() || at + own.height() / 2 > area.height()))
                at = 0;
            const QSize room(area.width() - at, area.height() - at);
            sub->setGeometry(QRect(QPoint(at, at), own.boundedTo(room).expandedTo(sub->minimumSizeHint())));
            at += step;
        }
    } else if (arrangement == 1 || arrangement == 2) {
        const int n = int(normal.size());
        for (int i = 0; i < n; ++i) {
            QMdiSubWindow* sub = normal[size_t(i)];
            if (sub->isMaximized())
                sub->showNormal();
            if (arrangement == 1) {
                const int top = area.height() * i / n;
                sub->setGeometry(0, top, area.width(), area.height() * (i + 1) / n - top);
            } else {
                const int left = area.width() * i / n;
                sub->setGeometry(left, 0, area.width() * (i + 1) / n - left, area.height());
            }
        }
    } else if (arrangement == 3) {
        // Minimised windows in rows along the bottom edge, from the left.
        int x = 0;
        int bottom = area.height();
        int rowHeight = 0;
        for (QMdiSubWindow* sub : minimised) {
            const QSize s = sub->size();
            if (x > 0 && x + s.width() > area.width()) {
                x = 0;
                bottom -= rowHeight;
                rowHeight = 0;
            }
            sub->move(x, bottom - s.height());
            x += s.width();
            rowHeight = qMax(rowHeight, s.height());
        }
    }
}

// ---- Help menu

void frmMDI::mnuHelpTopics_Click() { ShowHelpTopic(1, QStringLiteral("html\\LoamixOverview.htm")); }

void frmMDI::mnuHelpAbout_Click()
{
    frmAbout dlg(this);
    dlg.exec();
}

// ---- Toolbar

void frmMDI::tbToolBar_ButtonClick(const QString& key)
{
    if (const Command* c = commandOfButton(key); c && c->handler)
        (this->*c->handler)();
}
