#pragma once
// The main window: a multiple-document frame that holds every other window of the program
// as a child, with the menu bar, the toolbar, the status bar and the logo strip.
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <vector>

class LXPrintForm;
class QPrinter;
class QTextDocument;
class frmDocument;
class frmMessege;

// What the desktop's session manager offers when it asks the program before a logout.
class LogoutRequest {
public:
    virtual ~LogoutRequest() = default;
    virtual bool allowsInteraction() = 0;
    // The program is done asking.
    virtual void release() = 0;
    // The desktop does not log out.
    virtual void cancel() = 0;
};

class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    // The area of the child windows; subsystems add their windows with AddChild.
    QMdiArea* mdiArea;
    // lx::addChildWindow in this window's area (ChildWindows.h): a child window with its own
    // title and size; showing the widget shows it.
    QMdiSubWindow* AddChild(QWidget* child);
    // The widget of the active child window (QMdiArea::currentSubWindow), or null.
    QWidget* ActiveChild() const;

    // Arranges the child windows: 0 cascade, 1 tile horizontally (full-width strips),
    // 2 tile vertically (full-height columns), 3 arrange the minimised windows.
    void Arrange(int arrangement);

    // Sizes the window for a screen's available area (in screen pixels): the child windows'
    // area holds the largest child window (lx::LargestChildWidthTw x LargestChildHeightTw)
    // without scrolling, with the logo strip below it, at the area's top-left corner. On a screen
    // smaller than that the window is maximised. The constructor fits it to the primary screen.
    void FitToScreen(const QRect& available);

    // The toolbar's button with this key (each button has its own action, apart from the
    // menu items); null for an unknown key.
    QAction* ToolbarButton(const QString& key) const;

    // Menus and items, named as other windows reach them through MainForm.
    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileBar0;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuFileBar1;
    QAction* mnuFileExport;
    QAction* mnuFileBar2;
    QAction* mnuFilePrintWin;
    QAction* mnuFilePrintDoc;
    QAction* mnuFileBar4;
    QAction* mnuFileExit;

    QMenu* mnuEdit;
    QAction* mnuEditUndo;
    QAction* mnuEditBar0;
    QAction* mnuEditCut;
    QAction* mnuEditCopy;
    QAction* mnuEditPaste;
    QAction* mnuEditPasteSpecial;

    QMenu* mnuView;
    QAction* mnuViewToolbar;
    QAction* mnuViewStatusBar;
    QAction* mnuViewBar0;
    QAction* mnuViewRefresh;
    QAction* mnuViewOptions;
    QAction* mnuViewWebBrowser;

    QMenu* mnuResource;
    QMenu* mnuTestType;
    QMenu* mnuHydraulicConductivity;
    QAction* mnuConstantHead;
    QAction* mnuFallingHead;
    QAction* mnuFlowPump;
    QMenu* mnuTriaxialShear;
    QAction* mnuUnconfined;
    QAction* mnuDrained;
    QAction* mnuUndrained;
    QMenu* manuSoilShear;
    QAction* mnuSoilDirectShear;
    QAction* mnuSoilRingShear;
    QAction* mnuSimpleShear;
    QAction* mnuBiaxialShear;
    QMenu* mnuConsolidation;
    QAction* mnuIncremental;
    QAction* mnuConstantRate;
    QMenu* mnuInterferenceShear;
    QAction* mnuDirectShear;
    QAction* mnuRingShear;
    QAction* mnuCBR;
    QMenu* mnuApparatus;
    QAction* mnuFlexWallPermeameter;
    QAction* mnuTriaxialCell;
    QAction* mnuAppDirectShear;
    QAction* mnuAppInterferenceShear;
    QAction* mnuAppConsolidation;
    QMenu* mnuSamples;
    QMenu* mnuSamplesUndisturbed;
    QAction* mnuBlock;
    QAction* mnuShelbyTube;
    QMenu* mnuSamplesDisturbed;
    QAction* mnuSPT;
    QAction* mnuWashings;
    QAction* mnuBagBucket;
    QMenu* mnuSamplePreparation;
    QAction* mnuAirPluviation;
    QAction* mnuMoistTamped;
    QAction* mnuWetPluviation;
    QMenu* mnuSensors;
    QAction* mnuLoadStress;
    QAction* mnuPorePressure;
    QAction* mnuDisplacement;
    QAction* mnuDynamic;
    QMenu* mnuErrorSources;
    QAction* mnuSeating;
    QAction* mnuCalibration;
    QMenu* mnuMembraneEffects;
    QAction* mnuConfinement;
    QAction* mnuPenetration;
    QAction* mnuCompliance;
    QMenu* mnuEndPlatens;
    QAction* mnuLubricated;
    QAction* mnuNonlubricated;

    QMenu* mnuSimulation;
    QAction* mnuSimTri;
    QAction* mnuSimConsol;
    QAction* mnuSimDS;
    QAction* mnuSimTTT;

    // Hidden in the menu bar; the triaxial-cell window pops it up (its items stay usable).
    QMenu* mnuSpecimen;
    QAction* mnuSpecimenClay;
    QAction* mnuSpecimenGravel;
    QAction* mnuSpecimenSand;

    QMenu* mnuDatabase;
    QMenu* mnuDBCIDC;
    QAction* mnuDBCIDCSand;
    QAction* mnuDBCIDCGravel;
    QAction* mnuDatabaseBar0;
    QAction* mnuDBCIDCQuery;
    QAction* mnuDBCIUC;

    QAction* mnuChart;

    QMenu* mnuQuiz;
    QAction* mnuQuizOpen;
    QAction* mnuQuizBar0;
    QAction* mnuQuizBrowser;
    QAction* mnuScore;
    QAction* mnuQuizManager;

    QMenu* mnuWindow;
    QAction* mnuWindowNewWindow;
    QAction* mnuWindowBar0;
    QAction* mnuWindowCascade;
    QAction* mnuWindowTileHorizontal;
    QAction* mnuWindowTileVertical;
    QAction* mnuWindowArrangeIcons;

    QMenu* mnuHelp;
    QAction* mnuHelpTopics;
    QAction* mnuHelpBar0;
    QAction* mnuHelpAbout;

    QToolBar* tbToolBar;
    QStatusBar* sbStatusBar;
    // The status bar's panels: the wide "Status" text, the date and the time.
    QLabel* sbStatusPanel;
    QLabel* sbDatePanel;
    QLabel* sbTimePanel;

    // The window-print control behind Print Window (hidden).
    LXPrintForm* ctlLXPrintForm;

public slots:
    // Recomputes the File items from the active child window; runs whenever the File menu
    // opens and whenever another child window becomes active.
    void mnuFile_Click();

    // Document commands. Each acts on the active child window when it is a document window
    // (frmDocument) and does nothing otherwise; Print Document says why it does nothing.
    void LoadNewDoc();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrintDoc_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuWindowNewWindow_Click();

    void mnuFilePrintWin_Click();
    void mnuFileExit_Click();

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOptions_Click();
    void mnuViewWebBrowser_Click();

    void mnuSimTri_Click();
    void mnuSimConsol_Click();
    void mnuSimDS_Click();
    void mnuSimTTT_Click();

    void mnuSpecimenClay_Click();
    void mnuSpecimenGravel_Click();
    void mnuSpecimenSand_Click();

    void mnuDBCIDCGravel_Click();
    void mnuDBCIDCQuery_Click();
    void mnuChart_Click();

    void mnuQuizOpen_Click();
    void mnuQuizBrowser_Click();
    void mnuScore_Click();
    void mnuQuizManager_Click();

    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();

    void mnuHelpTopics_Click();
    void mnuHelpAbout_Click();

    // Runs the command of the toolbar button with this key (exact, case-sensitive).
    void tbToolBar_ButtonClick(const QString& key);

    // Before a logout, where the desktop lets the program ask: each changed document is
    // asked about as closing it does, and its Cancel cancels the logout. The document that
    // was answered for asks nothing again as the logout closes it. A bare termination signal
    // asks nothing (frmDocument::closeEvent).
    void CommitData(LogoutRequest& request);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu bar, from the one table of commands (frmMDI.cpp).
    void CreateMenus();
    void CreateToolbar();
    void CreateStatusBar();
    void MDIForm_Load();
    void MDIForm_Resize();
    // The client area's size (child windows' area and logo strip) for the largest child window.
    QSize ClientSizeNeeded() const;
    void MDIForm_QueryUnload();
    void UpdateClockPanels();
    void RunSimulation(const std::function<void()>& showEntryDialog, int quizButton);
    void SelectSpecimen(const QString& strSpec);
    void FlashWaitBox();
    // The active child window when it is a document window, else null.
    frmDocument* ActiveDocument() const;
    // How many pages the text takes on the printer's pages (at least one).
    static int PrintedPages(const QTextDocument& text, QPrinter& printer);

    QWidget* clientArea;
    frmMessege* logoStrip = nullptr;
    QTimer* sbClock;
    std::vector<QAction*> tbButtons;
    // Numbers "Document N"; only ever counts up, so no number comes twice.
    qint32 lDocumentCount = 0;
};
