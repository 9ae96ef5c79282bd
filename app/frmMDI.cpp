#include "frmMDI.h"
#include "SpecimenTarget.h"

#include "DocumentChild.h"
#include "FrameAssets.h"
#include "basGlobal.h"
#include "basHTMLHelp.h"
#include "frmAbout.h"
#include "frmDocument.h"
#include "frmMessege.h"
#include "frmOptions.h"
#include "frmSplashMessege.h"

#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

#include <memory>

using lx::tw;

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

QAction* addBar(QMenu* menu, const char* name)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* addSubmenu(QMenu* parent, const char* name, const QString& caption)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* addTopMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
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
    setCentralWidget(clientArea);
    clientArea->installEventFilter(this);

    CreateMenus();
    CreateToolbar();
    CreateStatusBar();

    connect(mnuFile, &QMenu::aboutToShow, this, &frmMDI::mnuFile_Click);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::mnuFile_Click);
    mnuFile_Click();

    // The client area below the menu bar (toolbar, child windows' area with the logo strip,
    // status bar) at its design size.
    resize(tw(9885), tw(7305) + menuBar()->sizeHint().height());

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

void frmMDI::MDIForm_Load() { setWindowIcon(frame::LoamixIcon()); }

void frmMDI::CreateMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = addTopMenu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFileNew = addItem(mnuFile, "mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = addItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileBar0 = addBar(mnuFile, "mnuFileBar0");
    mnuFileSave = addItem(mnuFile, "mnuFileSave", QStringLiteral("&Save"));
    mnuFileSaveAs = addItem(mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."));
    mnuFileBar1 = addBar(mnuFile, "mnuFileBar1");
    mnuFileExport = addItem(mnuFile, "mnuFileExport", QStringLiteral("Export to Excel"));
    mnuFileBar2 = addBar(mnuFile, "mnuFileBar2");
    mnuFilePrintWin = addItem(mnuFile, "mnuFilePrintWin", QStringLiteral("Print &Window"));
    mnuFilePrintDoc = addItem(mnuFile, "mnuFilePrintDoc", QStringLiteral("Print &Document"));
    mnuFileBar4 = addBar(mnuFile, "mnuFileBar4");
    mnuFileExit = addItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));
    connect(mnuFileNew, &QAction::triggered, this, &frmMDI::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMDI::mnuFileOpen_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMDI::mnuFileSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMDI::mnuFileSaveAs_Click);
    connect(mnuFilePrintWin, &QAction::triggered, this, &frmMDI::mnuFilePrintWin_Click);
    connect(mnuFilePrintDoc, &QAction::triggered, this, &frmMDI::mnuFilePrintDoc_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMDI::mnuFileExit_Click);

    mnuEdit = addTopMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    mnuEditUndo = addItem(mnuEdit, "mnuEditUndo", QStringLiteral("&Undo"));
    mnuEditBar0 = addBar(mnuEdit, "mnuEditBar0");
    mnuEditCut = addItem(mnuEdit, "mnuEditCut", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = addItem(mnuEdit, "mnuEditCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = addItem(mnuEdit, "mnuEditPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditPasteSpecial = addItem(mnuEdit, "mnuEditPasteSpecial", QStringLiteral("Paste &Special..."));
    connect(mnuEditCut, &QAction::triggered, this, &frmMDI::mnuEditCut_Click);
    connect(mnuEditCopy, &QAction::triggered, this, &frmMDI::mnuEditCopy_Click);
    connect(mnuEditPaste, &QAction::triggered, this, &frmMDI::mnuEditPaste_Click);

    mnuView = addTopMenu(bar, "mnuView", QStringLiteral("&View"));
    mnuViewToolbar = addItem(mnuView, "mnuViewToolbar", QStringLiteral("&Toolbar"));
    mnuViewStatusBar = addItem(mnuView, "mnuViewStatusBar", QStringLiteral("Status &Bar"));
    mnuViewBar0 = addBar(mnuView, "mnuViewBar0");
    mnuViewRefresh = addItem(mnuView, "mnuViewRefresh", QStringLiteral("&Refresh"));
    mnuViewOptions = addItem(mnuView, "mnuViewOptions", QStringLiteral("&Options..."));
    mnuViewWebBrowser = addItem(mnuView, "mnuViewWebBrowser", QStringLiteral("&Web Browser"));
    for (QAction* toggle : {mnuViewToolbar, mnuViewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(mnuViewToolbar, &QAction::triggered, this, &frmMDI::mnuViewToolbar_Click);
    connect(mnuViewStatusBar, &QAction::triggered, this, &frmMDI::mnuViewStatusBar_Click);
    connect(mnuViewOptions, &QAction::triggered, this, &frmMDI::mnuViewOptions_Click);
    connect(mnuViewWebBrowser, &QAction::triggered, this, &frmMDI::mnuViewWebBrowser_Click);

    mnuResource = addTopMenu(bar, "mnuResource", QStringLiteral("&Resource"));
    CreateResourceMenu();

    mnuSimulation = addTopMenu(bar, "mnuSimulation", QStringLiteral("&Simulation"));
    mnuSimTri = addItem(mnuSimulation, "mnuSimTri", QStringLiteral("&1 Triaxial Test"));
    mnuSimConsol = addItem(mnuSimulation, "mnuSimConsol", QStringLiteral("&2 Consolidation"));
    mnuSimDS = addItem(mnuSimulation, "mnuSimDS", QStringLiteral("&3 Direct Shear"));
    mnuSimTTT = addItem(mnuSimulation, "mnuSimTTT", QStringLiteral("&4 True Triaxial"));
    connect(mnuSimTri, &QAction::triggered, this, &frmMDI::mnuSimTri_Click);
    connect(mnuSimConsol, &QAction::triggered, this, &frmMDI::mnuSimConsol_Click);
    connect(mnuSimDS, &QAction::triggered, this, &frmMDI::mnuSimDS_Click);
    connect(mnuSimTTT, &QAction::triggered, this, &frmMDI::mnuSimTTT_Click);

    mnuSpecimen = addTopMenu(bar, "mnuSpecimen", QStringLiteral("S&pecimen"));
    mnuSpecimenClay = addItem(mnuSpecimen, "mnuSpecimenClay", QStringLiteral("&Clay"));
    mnuSpecimenGravel = addItem(mnuSpecimen, "mnuSpecimenGravel", QStringLiteral("&Gravel"));
    mnuSpecimenSand = addItem(mnuSpecimen, "mnuSpecimenSand", QStringLiteral("&Sand"));
    // Hidden and greyed in the menu bar only: the pop-up itself stays usable.
    mnuSpecimen->menuAction()->setVisible(false);
    mnuSpecimen->menuAction()->setEnabled(false);
    connect(mnuSpecimenClay, &QAction::triggered, this, &frmMDI::mnuSpecimenClay_Click);
    connect(mnuSpecimenGravel, &QAction::triggered, this, &frmMDI::mnuSpecimenGravel_Click);
    connect(mnuSpecimenSand, &QAction::triggered, this, &frmMDI::mnuSpecimenSand_Click);

    mnuDatabase = addTopMenu(bar, "mnuDatabase", QStringLiteral("&Database"));
    mnuDBCIDC = addSubmenu(mnuDatabase, "mnuDBCIDC", QStringLiteral("&CIDC"));
    mnuDBCIDCSand = addItem(mnuDBCIDC, "mnuDBCIDCSand", QStringLiteral("&Sand"));
    mnuDBCIDCGravel = addItem(mnuDBCIDC, "mnuDBCIDCGravel", QStringLiteral("&Gravel"));
    mnuDatabaseBar0 = addBar(mnuDBCIDC, "mnuDatabaseBar0");
    mnuDBCIDCQuery = addItem(mnuDBCIDC, "mnuDBCIDCQuery", QStringLiteral("&Query"));
    mnuDBCIUC = addItem(mnuDatabase, "mnuDBCIUC", QStringLiteral("C&IUC"));
    mnuDBCIUC->setEnabled(false);
    mnuDatabase->menuAction()->setVisible(false);
    connect(mnuDBCIDCGravel, &QAction::triggered, this, &frmMDI::mnuDBCIDCGravel_Click);
    connect(mnuDBCIDCQuery, &QAction::triggered, this, &frmMDI::mnuDBCIDCQuery_Click);

    mnuChart = bar->addAction(QStringLiteral("&Chart"));
    mnuChart->setObjectName(QStringLiteral("mnuChart"));
    mnuChart->setVisible(false);
    connect(mnuChart, &QAction::triggered, this, &frmMDI::mnuChart_Click);

    mnuQuiz = addTopMenu(bar, "mnuQuiz", QStringLiteral("&Quiz"));
    mnuQuizOpen = addItem(mnuQuiz, "mnuQuizOpen", QStringLiteral("&Open Quiz"));
    mnuQuizBar0 = addBar(mnuQuiz, "mnuQuizBar0");
    mnuQuizBrowser = addItem(mnuQuiz, "mnuQuizBrowser", QStringLiteral("&Browse"));
    mnuScore = addItem(mnuQuiz, "mnuScore", QStringLiteral("&Score"));
    mnuQuizManager = addItem(mnuQuiz, "mnuQuizManager", QStringLiteral("&Manage Quiz"));
    mnuQuizManager->setVisible(false);
    connect(mnuQuizOpen, &QAction::triggered, this, &frmMDI::mnuQuizOpen_Click);
    connect(mnuQuizBrowser, &QAction::triggered, this, &frmMDI::mnuQuizBrowser_Click);
    connect(mnuScore, &QAction::triggered, this, &frmMDI::mnuScore_Click);
    connect(mnuQuizManager, &QAction::triggered, this, &frmMDI::mnuQuizManager_Click);

    mnuWindow = addTopMenu(bar, "mnuWindow", QStringLiteral("&Window"));
    mnuWindowNewWindow = addItem(mnuWindow, "mnuWindowNewWindow", QStringLiteral("&New Window"));
    mnuWindowBar0 = addBar(mnuWindow, "mnuWindowBar0");
    mnuWindowCascade = addItem(mnuWindow, "mnuWindowCascade", QStringLiteral("&Cascade"));
    mnuWindowTileHorizontal = addItem(mnuWindow, "mnuWindowTileHorizontal", QStringLiteral("Tile &Horizontal"));
    mnuWindowTileVertical = addItem(mnuWindow, "mnuWindowTileVertical", QStringLiteral("Tile &Vertical"));
    mnuWindowArrangeIcons = addItem(mnuWindow, "mnuWindowArrangeIcons", QStringLiteral("&Arrange Icons"));
    connect(mnuWindowNewWindow, &QAction::triggered, this, &frmMDI::mnuWindowNewWindow_Click);
    connect(mnuWindowCascade, &QAction::triggered, this, &frmMDI::mnuWindowCascade_Click);
    connect(mnuWindowTileHorizontal, &QAction::triggered, this, &frmMDI::mnuWindowTileHorizontal_Click);
    connect(mnuWindowTileVertical, &QAction::triggered, this, &frmMDI::mnuWindowTileVertical_Click);
    connect(mnuWindowArrangeIcons, &QAction::triggered, this, &frmMDI::mnuWindowArrangeIcons_Click);

    mnuHelp = addTopMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpTopics = addItem(mnuHelp, "mnuHelpTopics", QStringLiteral("&Help Topics"), QKeySequence(Qt::Key_F1));
    mnuHelpBar0 = addBar(mnuHelp, "mnuHelpBar0");
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&About "));
    connect(mnuHelpTopics, &QAction::triggered, this, &frmMDI::mnuHelpTopics_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMDI::mnuHelpAbout_Click);
}

void frmMDI::CreateResourceMenu()
{
    // The reference library in display order; depth 1 hangs directly under Resource.
    struct Entry {
        int depth;
        const char* name;
        const char* caption;
        bool enabled;
        QMenu* frmMDI::*menu;      // a submenu, or
        QAction* frmMDI::*item;    // a leaf
        void (frmMDI::*click)();   // the leaf's topic, or nothing
    };
    static const Entry entries[] = {
        {1, "mnuTestType", "&TestType", true, &frmMDI::mnuTestType, nullptr, nullptr},
        {2, "mnuHydraulicConductivity", "&Hydraulic Conductivity", false, &frmMDI::mnuHydraulicConductivity, nullptr, nullptr},
        {3, "mnuConstantHead", "&Constant Head", false, nullptr, &frmMDI::mnuConstantHead, nullptr},
        {3, "mnuFallingHead", "&Falling Head", false, nullptr, &frmMDI::mnuFallingHead, nullptr},
        {3, "mnuFlowPump", "&Flow Pump", false, nullptr, &frmMDI::mnuFlowPump, nullptr},
        {2, "mnuTriaxialShear", "&Triaxial Shear", true, &frmMDI::mnuTriaxialShear, nullptr, nullptr},
        {3, "mnuUnconfined", "&Uncofined", true, nullptr, &frmMDI::mnuUnconfined, &frmMDI::mnuUnconfined_Click},
        {3, "mnuDrained", "&Drained", true, nullptr, &frmMDI::mnuDrained, &frmMDI::mnuDrained_Click},
        {3, "mnuUndrained", "&Undrained", true, nullptr, &frmMDI::mnuUndrained, &frmMDI::mnuUndrained_Click},
        {2, "manuSoilShear", "&SoilShear", true, &frmMDI::manuSoilShear, nullptr, nullptr},
        {3, "mnuSoilDirectShear", "&Direct Shear", true, nullptr, &frmMDI::mnuSoilDirectShear, &frmMDI::mnuSoilDirectShear_Click},
        {3, "mnuSoilRingShear", "&Ring Shear", false, nullptr, &frmMDI::mnuSoilRingShear, nullptr},
        {3, "mnuSimpleShear", "&Simple Shear", false, nullptr, &frmMDI::mnuSimpleShear, nullptr},
        {2, "mnuBiaxialShear", "&Biaxial Shear", false, nullptr, &frmMDI::mnuBiaxialShear, nullptr},
        {2, "mnuConsolidation", "&Consolidation", true, &frmMDI::mnuConsolidation, nullptr, nullptr},
        {3, "mnuIncremental", "&Incremental", true, nullptr, &frmMDI::mnuIncremental, &frmMDI::mnuIncremental_Click},
        {3, "mnuConstantRate", "&Constant Rate", true, nullptr, &frmMDI::mnuConstantRate, &frmMDI::mnuConstantRate_Click},
        {2, "mnuInterferenceShear", "&Interference Shear", false, &frmMDI::mnuInterferenceShear, nullptr, nullptr},
        {3, "mnuDirectShear", "&Direct Shear", false, nullptr, &frmMDI::mnuDirectShear, nullptr},
        {3, "mnuRingShear", "&Ring Shear", false, nullptr, &frmMDI::mnuRingShear, nullptr},
        {2, "mnuCBR", "CB&R", false, nullptr, &frmMDI::mnuCBR, nullptr},
        {1, "mnuApparatus", "&Apparatus", true, &frmMDI::mnuApparatus, nullptr, nullptr},
        {2, "mnuFlexWallPermeameter", "&Flex Wall Permeameter", false, nullptr, &frmMDI::mnuFlexWallPermeameter, nullptr},
        {2, "mnuTriaxialCell", "&Triaxial Cell", true, nullptr, &frmMDI::mnuTriaxialCell, &frmMDI::mnuTriaxialCell_Click},
        {2, "mnuAppDirectShear", "&DirectShear", true, nullptr, &frmMDI::mnuAppDirectShear, &frmMDI::mnuAppDirectShear_Click},
        {2, "mnuAppInterferenceShear", "&Interference Shear", false, nullptr, &frmMDI::mnuAppInterferenceShear, nullptr},
        {2, "mnuAppConsolidation", "&Consolidation", true, nullptr, &frmMDI::mnuAppConsolidation, &frmMDI::mnuAppConsolidation_Click},
        {1, "mnuSamples", "&Samples", true, &frmMDI::mnuSamples, nullptr, nullptr},
        {2, "mnuSamplesUndisturbed", "&Undisturbed", true, &frmMDI::mnuSamplesUndisturbed, nullptr, nullptr},
        {3, "mnuBlock", "&Block", true, nullptr, &frmMDI::mnuBlock, &frmMDI::mnuBlock_Click},
        {3, "mnuShelbyTube", "&Shelby Tube", true, nullptr, &frmMDI::mnuShelbyTube, &frmMDI::mnuShelbyTube_Click},
        {2, "mnuSamplesDisturbed", "&Disturbed", true, &frmMDI::mnuSamplesDisturbed, nullptr, nullptr},
        {3, "mnuSPT", "&SPT", false, nullptr, &frmMDI::mnuSPT, nullptr},
        {3, "mnuWashings", "&Washings", false, nullptr, &frmMDI::mnuWashings, nullptr},
        {3, "mnuBagBucket", "&Bag/Bucket", false, nullptr, &frmMDI::mnuBagBucket, nullptr},
        {1, "mnuSamplePreparation", "&Sample Preparation", true, &frmMDI::mnuSamplePreparation, nullptr, nullptr},
        {2, "mnuAirPluviation", "&Air Pluviation", true, nullptr, &frmMDI::mnuAirPluviation, &frmMDI::mnuAirPluviation_Click},
        {2, "mnuMoistTamped", "&Moist Tamped", true, nullptr, &frmMDI::mnuMoistTamped, &frmMDI::mnuMoistTamped_Click},
        {2, "mnuWetPluviation", "&Wet Pluviation", true, nullptr, &frmMDI::mnuWetPluviation, &frmMDI::mnuWetPluviation_Click},
        {1, "mnuSensors", "&Sensors", true, &frmMDI::mnuSensors, nullptr, nullptr},
        {2, "mnuLoadStress", "&Load/Stress Sensor", true, nullptr, &frmMDI::mnuLoadStress, &frmMDI::mnuLoadStress_Click},
        {2, "mnuPorePressure", "&Pressure Sensor", true, nullptr, &frmMDI::mnuPorePressure, &frmMDI::mnuPorePressure_Click},
        {2, "mnuDisplacement", "&Displacement Sensor (LVDT)", true, nullptr, &frmMDI::mnuDisplacement, &frmMDI::mnuDisplacement_Click},
        {2, "mnuDynamic", "&Dynamic Sensor", true, nullptr, &frmMDI::mnuDynamic, &frmMDI::mnuDynamic_Click},
        {1, "mnuErrorSources", "&Error Sources", true, &frmMDI::mnuErrorSources, nullptr, nullptr},
        {2, "mnuSeating", "&Seating", true, nullptr, &frmMDI::mnuSeating, &frmMDI::mnuSeating_Click},
        {2, "mnuCalibration", "&Calibration", true, nullptr, &frmMDI::mnuCalibration, &frmMDI::mnuCalibration_Click},
        {2, "mnuMembraneEffects", "&Membrane Effects", true, &frmMDI::mnuMembraneEffects, nullptr, nullptr},
        {3, "mnuConfinement", "&Confinement", true, nullptr, &frmMDI::mnuConfinement, &frmMDI::mnuConfinement_Click},
        {3, "mnuPenetration", "&Penetration", true, nullptr, &frmMDI::mnuPenetration, &frmMDI::mnuPenetration_Click},
        {3, "mnuCompliance", "&Compliance", true, nullptr, &frmMDI::mnuCompliance, &frmMDI::mnuCompliance_Click},
        {2, "mnuEndPlatens", "&End Platens", true, &frmMDI::mnuEndPlatens, nullptr, nullptr},
        {3, "mnuLubricated", "&Lubricated", true, nullptr, &frmMDI::mnuLubricated, &frmMDI::mnuLubricated_Click},
        {3, "mnuNonlubricated", "&Non-lubricated", true, nullptr, &frmMDI::mnuNonlubricated, &frmMDI::mnuNonlubricated_Click},
    };
    QMenu* parents[4] = {mnuResource, nullptr, nullptr, nullptr};
    for (const Entry& e : entries) {
        QMenu* parent = parents[e.depth - 1];
        if (e.menu) {
            QMenu* m = addSubmenu(parent, e.name, QString::fromLatin1(e.caption));
            m->menuAction()->setEnabled(e.enabled);
            this->*e.menu = m;
            parents[e.depth] = m;
        } else {
            QAction* a = addItem(parent, e.name, QString::fromLatin1(e.caption));
            a->setEnabled(e.enabled);
            this->*e.item = a;
            if (e.click)
                connect(a, &QAction::triggered, this, e.click);
        }
    }
}

void frmMDI::CreateToolbar()
{
    struct Button {
        const char* key;   // null: a separator
        const char* tip;
        bool shown;
    };
    // Buttons with no command of their own stay hidden, like the hidden menus they mirror.
    static const Button buttons[] = {
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
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    for (const Button& b : buttons) {
        if (!b.key) {
            tbButtons.push_back(tbToolBar->addSeparator());
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        const QString tip = QString::fromLatin1(b.tip);
        // A button without a tip gets no text either: Qt would show the text as its tip.
        QAction* a = tbToolBar->addAction(frame::MaskedResourcePicture(QStringLiteral(":/forms/toolbar/%1.png").arg(key)), tip);
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

QMdiSubWindow* frmMDI::AddChild(QWidget* child)
{
    // A window that has its size keeps it; the frame and caption go around it.
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QSize size = child->size();
    QMdiSubWindow* sub = mdiArea->addSubWindow(child);
    if (sized)
        sub->resize(size.grownBy(sub->contentsMargins()));
    return sub;
}

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
    basGlobal::ShuttingDown = true;
    MDIForm_QueryUnload();
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

void frmMDI::ShowDocument(frmDocument* document)
{
    QMdiSubWindow* sub = AddChild(document);
    document->show();
    mdiArea->setActiveSubWindow(sub);
}

bool frmMDI::SaveDocument(frmDocument* document, const QString& path, const QString& title)
{
    QString why;
    if (document->SaveFile(path, &why))
        return true;
    lx::messages().msgBox(QStringLiteral("The document could not be saved to %1.\r%2").arg(path, why),
                          lx::vbOKOnly | lx::vbExclamation, title);
    return false;
}

namespace {

// Every option is set for every dialog: nothing is left over from an earlier one.
lx::FileDialogRequest documentDialog(const QString& title)
{
    lx::FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("All Files (*.*)|*.*");
    return request;
}

} // namespace

void frmMDI::LoadNewDoc()
{
    ++lDocumentCount;
    auto* document = new frmDocument;
    document->setWindowTitle(QStringLiteral("Document ") + QString::number(lDocumentCount));
    ShowDocument(document);
}

void frmMDI::mnuFileNew_Click() { LoadNewDoc(); }

void frmMDI::mnuFileOpen_Click()
{
    const QString title = QStringLiteral("Open");
    const QString path = lx::fileDialogs().openFile(documentDialog(title));
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
    ShowDocument(document.release());
}

void frmMDI::mnuFileSave_Click()
{
    frmDocument* document = ActiveDocument();
    if (!document)
        return;
    const QString caption = document->windowTitle();
    if (caption.left(8) != u"Document") {
        SaveDocument(document, caption, QStringLiteral("Save"));
        return;
    }
    // Never saved under a name: ask each time, and keep the caption.
    const QString path = lx::fileDialogs().saveFile(documentDialog(QStringLiteral("Save")));
    if (!path.isEmpty())
        SaveDocument(document, path, QStringLiteral("Save"));
}

void frmMDI::mnuFileSaveAs_Click()
{
    frmDocument* document = ActiveDocument();
    if (!document)
        return;
    const QString title = QStringLiteral("Save As");
    const QString path = lx::fileDialogs().saveFile(documentDialog(title));
    // The caption names the file only once the file holds the text.
    if (!path.isEmpty() && SaveDocument(document, path, title))
        document->setWindowTitle(path);
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
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    lx::PrintDialogRequest request;
    request.title = QStringLiteral("Print Document");
    request.allowSelection = hasSelection;
    if (!lx::printers().choosePrinter(printer, request))
        return;
    if (printer.printRange() == QPrinter::Selection && !hasSelection)
        printer.setPrintRange(QPrinter::AllPages);
    // The box prints its selection when the printer asks for one, else the whole text.
    box->print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        lx::messages().msgBox(QStringLiteral("The document could not be printed."), lx::vbOKOnly | lx::vbExclamation,
                              QStringLiteral("Print Document"));
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
    if (!active)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(active->windowTitle());
    // The whole window goes on one page: there are no page numbers to choose.
    lx::PrintDialogRequest request;
    request.title = QStringLiteral("Print Window");
    request.allowPageRange = false;
    if (!lx::printers().choosePrinter(printer, request))
        return;
    // The whole child window, frame and caption included, scaled to the page.
    const QPixmap image = active->grab();
    QPainter painter;
    bool printed = !image.isNull() && painter.begin(&printer);
    if (printed) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect page = painter.viewport();
        QRect target(QPoint(0, 0), image.size().scaled(page.size(), Qt::KeepAspectRatio));
        target.moveCenter(page.center());
        painter.drawPixmap(target, image);
        printed = painter.end();
    }
    if (!printed || printer.printerState() == QPrinter::Error)
        lx::messages().msgBox(QStringLiteral("The window could not be printed."), lx::vbOKOnly | lx::vbExclamation,
                              QStringLiteral("Print Window"));
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
    if (arrangement == 0) {
        mdiArea->cascadeSubWindows();
        return;
    }
    const QRect area = mdiArea->viewport()->rect();
    std::vector<QMdiSubWindow*> normal, minimised;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isHidden())
            continue;
        (sub->isMinimized() ? minimised : normal).push_back(sub);
    }
    if (arrangement == 1 || arrangement == 2) {
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
    if (key == u"New")
        LoadNewDoc();
    else if (key == u"Open")
        mnuFileOpen_Click();
    else if (key == u"Save")
        mnuFileSave_Click();
    else if (key == u"Cut")
        mnuEditCut_Click();
    else if (key == u"Copy")
        mnuEditCopy_Click();
    else if (key == u"Paste")
        mnuEditPaste_Click();
    else if (key == u"PrintWin")
        mnuFilePrintWin_Click();
    else if (key == u"PrintDoc")
        mnuFilePrintDoc_Click();
    else if (key == u"Triaxial")
        mnuSimTri_Click();
    else if (key == u"1DConsol")
        mnuSimConsol_Click();
    else if (key == u"DS")
        mnuSimDS_Click();
    else if (key == u"TTT")
        mnuSimTTT_Click();
    else if (key == u"DBGravel")
        FlashWaitBox();
    else if (key == u"DBQuery")
        frmSplashMessege::unloadBox();
    // "CIDC", "CIUC", "DBSand", "AT" and any other key: nothing.
}

// ---- Resource menu: one reference topic each

void frmMDI::mnuUnconfined_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeTriaxial_UC.htm")); }
void frmMDI::mnuDrained_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeTriaxial_CD.htm")); }
void frmMDI::mnuUndrained_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeTriaxial_CUnUU.htm")); }
void frmMDI::mnuSoilDirectShear_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeDS.htm")); }
void frmMDI::mnuIncremental_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeConsol_IL.htm")); }
void frmMDI::mnuConstantRate_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_TestTypeConsol_CRS.htm")); }
void frmMDI::mnuTriaxialCell_Click() { ShowHelpTopic(1, QStringLiteral("html\\LabTests_Triaxial.htm")); }
void frmMDI::mnuAppDirectShear_Click() { ShowHelpTopic(1, QStringLiteral("html\\DirectShearTest.htm")); }
void frmMDI::mnuAppConsolidation_Click() { ShowHelpTopic(1, QStringLiteral("html\\1DConsolidationTest.htm")); }
void frmMDI::mnuBlock_Click() { ShowHelpTopic(1, QStringLiteral("html\\SamplesUndisturbedBlock.htm")); }
void frmMDI::mnuShelbyTube_Click() { ShowHelpTopic(1, QStringLiteral("html\\SamplesUndisturbedShelby.htm")); }
void frmMDI::mnuAirPluviation_Click() { ShowHelpTopic(1, QStringLiteral("html\\SpecimenPreparationAir.htm")); }
void frmMDI::mnuMoistTamped_Click() { ShowHelpTopic(1, QStringLiteral("html\\SpecimenPreparationMoist.htm")); }
void frmMDI::mnuWetPluviation_Click() { ShowHelpTopic(1, QStringLiteral("html\\SpecimenPreparationWet.htm")); }
void frmMDI::mnuLoadStress_Click() { ShowHelpTopic(1, QStringLiteral("html\\SensorsLoadStress.htm")); }
void frmMDI::mnuPorePressure_Click() { ShowHelpTopic(1, QStringLiteral("html\\SensorsPressure.htm")); }
void frmMDI::mnuDisplacement_Click() { ShowHelpTopic(1, QStringLiteral("html\\SensorsDisplacement.htm")); }
void frmMDI::mnuDynamic_Click() { ShowHelpTopic(1, QStringLiteral("html\\SensorsDynamic.htm")); }
void frmMDI::mnuSeating_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsSeating.htm")); }
void frmMDI::mnuCalibration_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsCalibration.htm")); }
void frmMDI::mnuConfinement_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsMembraneConf.htm")); }
void frmMDI::mnuPenetration_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsMembranePenetration.htm")); }
void frmMDI::mnuCompliance_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsMembraneCompliance.htm")); }
void frmMDI::mnuLubricated_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsPlattensLubrication.htm")); }
void frmMDI::mnuNonlubricated_Click() { ShowHelpTopic(1, QStringLiteral("html\\ErrorsPlattensNonLubrication.htm")); }
