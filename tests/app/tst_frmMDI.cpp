// The main window: its menus, toolbar, status bar, logo strip, child-window commands and closing.
#include "DocumentChild.h"
#include "FrameFixture.h"
#include "basGlobal.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "SpecimenTarget.h"
#include "ChildWindows.h"
#include "frmDocument.h"
#include "frmMessege.h"
#include "frmOptions.h"
#include "frmSplashMessege.h"

#include "controls/printform/LXPrintForm.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/testing/ScriptedServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWindow>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace basGlobal;

// Stands in for the triaxial-cell window, the one window the Specimen pop-up reaches.
class frmTriaxialCell : public QWidget, public SpecimenTarget {
public:
    void SelectSpecimen(const QString& strSpec) override { chosen << strSpec; }
    QStringList chosen;
};

namespace {

class FakeDocument : public QWidget, public DocumentChild {};

// A child window that, like a test screen, credits its activity when it closes.
class CreditingChild : public QWidget {
protected:
    void closeEvent(QCloseEvent* e) override
    {
        PressQuizButton(202);
        e->accept();
    }
};

QMdiSubWindow* addChild(frmMDI& main, QWidget* w, const QString& title = QStringLiteral("Child"))
{
    w->setWindowTitle(title);
    w->resize(200, 150);
    return lx::showChildWindow(main.mdiArea, w);
}

// Closes the modal dialog the next command opens and tells what it was.
struct ModalCloser {
    QString className;
    QWidget* parent = nullptr;
    bool modal = false;
    ModalCloser()
    {
        QTimer::singleShot(0, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                className = QString::fromLatin1(w->metaObject()->className());
                parent = w->parentWidget();
                modal = w->isModal();
                w->close();
            }
        });
    }
};

struct MenuItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool enabled;
    bool visible;
};

} // namespace

class tst_frmMDI : public QObject {
    Q_OBJECT

    std::unique_ptr<lx::testing::ScriptedServices> s;
    std::unique_ptr<frmMDI> main;
    QStringList log;

    void installRecordingHooks()
    {
        Hooks().showTriaxialSel = [this] { log << "tri"; };
        Hooks().show1DConsolidation = [this] { log << "consol"; };
        Hooks().showDirectShear = [this] { log << "ds"; };
        Hooks().showTTT_HCT = [this] { log << "ttt"; };
        Hooks().pressQuizButton = [this](int n) { log << QStringLiteral("press%1").arg(n); };
        Hooks().showQuizBrowser = [this] { log << "browser"; };
        Hooks().showScoreSummary = [this] {
            log << ((frmSplashMessege::instance() != nullptr) ? "score with wait box" : "score");
        };
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init()
    {
        s = std::make_unique<lx::testing::ScriptedServices>();
        // Past a whole second's half: the closing pause ends after one pass.
        s->clock->ms = 400;
        ResetFrameState();
        log.clear();
        main = std::make_unique<frmMDI>();
    }
    void cleanup()
    {
        main.reset();
        ResetFrameState();
        s.reset();
    }

    void menuBarHoldsEveryMenuInOrder()
    {
        QStringList top;
        for (QAction* a : main->menuBar()->actions())
            top << a->objectName();
        QCOMPARE(top, (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuResource", "mnuSimulation", "mnuSpecimen",
                                   "mnuDatabase", "mnuChart", "mnuQuiz", "mnuWindow", "mnuHelp"}));
        const std::vector<std::pair<QMenu*, QStringList>> menus{
            {main->mnuFile, {"mnuFileNew", "mnuFileOpen", "mnuFileBar0", "mnuFileSave", "mnuFileSaveAs", "mnuFileBar1",
                             "mnuFileExport", "mnuFileBar2", "mnuFilePrintWin", "mnuFilePrintDoc", "mnuFileBar4", "mnuFileExit"}},
            {main->mnuEdit, {"mnuEditUndo", "mnuEditBar0", "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuEditPasteSpecial"}},
            {main->mnuView, {"mnuViewToolbar", "mnuViewStatusBar", "mnuViewBar0", "mnuViewRefresh", "mnuViewOptions",
                             "mnuViewWebBrowser"}},
            {main->mnuSimulation, {"mnuSimTri", "mnuSimConsol", "mnuSimDS", "mnuSimTTT"}},
            {main->mnuSpecimen, {"mnuSpecimenClay", "mnuSpecimenGravel", "mnuSpecimenSand"}},
            {main->mnuDatabase, {"mnuDBCIDC", "mnuDBCIUC"}},
            {main->mnuDBCIDC, {"mnuDBCIDCSand", "mnuDBCIDCGravel", "mnuDatabaseBar0", "mnuDBCIDCQuery"}},
            {main->mnuQuiz, {"mnuQuizOpen", "mnuQuizBar0", "mnuQuizBrowser", "mnuScore", "mnuQuizManager"}},
            {main->mnuWindow, {"mnuWindowNewWindow", "mnuWindowBar0", "mnuWindowCascade", "mnuWindowTileHorizontal",
                               "mnuWindowTileVertical", "mnuWindowArrangeIcons"}},
            {main->mnuHelp, {"mnuHelpTopics", "mnuHelpBar0", "mnuHelpAbout"}},
        };
        for (const auto& [menu, expected] : menus) {
            QStringList items;
            for (QAction* a : menu->actions())
                items << a->objectName();
            QCOMPARE(items, expected);
        }
        for (QAction* bar : {main->mnuFileBar0, main->mnuFileBar1, main->mnuFileBar2, main->mnuFileBar4, main->mnuEditBar0,
                             main->mnuViewBar0, main->mnuDatabaseBar0, main->mnuQuizBar0, main->mnuWindowBar0, main->mnuHelpBar0})
            QVERIFY(bar->isSeparator());
    }

    void everyItemHasItsCaptionShortcutAndState()
    {
        emit main->mnuFile->aboutToShow();
        const QKeySequence none;
        const MenuItem items[] = {
            {"mnuFile", "&File", none, true, true},
            {"mnuFileNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), true, true},
            {"mnuFileOpen", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), true, true},
            {"mnuFileSave", "&Save", none, false, true},
            {"mnuFileSaveAs", "Save &As...", none, false, true},
            {"mnuFileExport", "Export to Excel", none, false, true},
            {"mnuFilePrintWin", "Print &Window", none, false, true},
            {"mnuFilePrintDoc", "Print &Document", none, false, true},
            {"mnuFileExit", "E&xit", none, true, true},
            {"mnuEdit", "&Edit", none, true, true},
            {"mnuEditUndo", "&Undo", none, true, true},
            {"mnuEditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), true, true},
            {"mnuEditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), true, true},
            {"mnuEditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), true, true},
            {"mnuEditPasteSpecial", "Paste &Special...", none, true, true},
            {"mnuView", "&View", none, true, true},
            {"mnuViewToolbar", "&Toolbar", none, true, true},
            {"mnuViewStatusBar", "Status &Bar", none, true, true},
            {"mnuViewRefresh", "&Refresh", none, true, true},
            {"mnuViewOptions", "&Options...", none, true, true},
            {"mnuViewWebBrowser", "&Web Browser", none, true, true},
            {"mnuResource", "&Resource", none, true, true},
            {"mnuSimulation", "&Simulation", none, true, true},
            {"mnuSimTri", "&1 Triaxial Test", none, true, true},
            {"mnuSimConsol", "&2 Consolidation", none, true, true},
            {"mnuSimDS", "&3 Direct Shear", none, true, true},
            {"mnuSimTTT", "&4 True Triaxial", none, true, true},
            {"mnuSpecimen", "S&pecimen", none, false, false},
            {"mnuSpecimenClay", "&Clay", none, true, true},
            {"mnuSpecimenGravel", "&Gravel", none, true, true},
            {"mnuSpecimenSand", "&Sand", none, true, true},
            {"mnuDatabase", "&Database", none, true, false},
            {"mnuDBCIDC", "&CIDC", none, true, true},
            {"mnuDBCIDCSand", "&Sand", none, true, true},
            {"mnuDBCIDCGravel", "&Gravel", none, true, true},
            {"mnuDBCIDCQuery", "&Query", none, true, true},
            {"mnuDBCIUC", "C&IUC", none, false, true},
            {"mnuChart", "&Chart", none, true, false},
            {"mnuQuiz", "&Quiz", none, true, true},
            {"mnuQuizOpen", "&Open Quiz", none, true, true},
            {"mnuQuizBrowser", "&Browse", none, true, true},
            {"mnuScore", "&Score", none, true, true},
            {"mnuQuizManager", "&Manage Quiz", none, true, false},
            {"mnuWindow", "&Window", none, true, true},
            {"mnuWindowNewWindow", "&New Window", none, true, true},
            {"mnuWindowCascade", "&Cascade", none, true, true},
            {"mnuWindowTileHorizontal", "Tile &Horizontal", none, true, true},
            {"mnuWindowTileVertical", "Tile &Vertical", none, true, true},
            {"mnuWindowArrangeIcons", "&Arrange Icons", none, true, true},
            {"mnuHelp", "&Help", none, true, true},
            {"mnuHelpTopics", "&Help Topics", QKeySequence(Qt::Key_F1), true, true},
            {"mnuHelpAbout", "&About ", none, true, true},
        };
        for (const MenuItem& item : items) {
            const QAction* a = main->findChild<QAction*>(QString::fromLatin1(item.name));
            QVERIFY2(a, item.name);
            QCOMPARE(a->text(), QString::fromLatin1(item.caption));
            QCOMPARE(a->shortcut(), item.shortcut);
            QVERIFY2(fixture::enabledFlag(const_cast<QAction*>(a)) == item.enabled, item.name);
            QVERIFY2(a->isVisible() == item.visible, item.name);
        }
        QVERIFY(main->mnuViewToolbar->isChecked());
        QVERIFY(main->mnuViewStatusBar->isChecked());
        // The hidden Specimen entry stays usable as the cell window's pop-up.
        QVERIFY(main->mnuSpecimen->isEnabled());
    }

    void fileItemsFollowTheActiveChild()
    {
        QVERIFY(!main->ActiveChild());
        main->mnuFileExport->setEnabled(true);
        emit main->mnuFile->aboutToShow();
        for (QAction* a : {main->mnuFileSave, main->mnuFileSaveAs, main->mnuFileExport, main->mnuFilePrintDoc, main->mnuFilePrintWin})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));

        addChild(*main, new QWidget);
        emit main->mnuFile->aboutToShow();
        QVERIFY(main->mnuFilePrintWin->isEnabled());
        for (QAction* a : {main->mnuFileSave, main->mnuFileSaveAs, main->mnuFileExport, main->mnuFilePrintDoc})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));

        // Activating a document window updates the items without the menu being opened.
        addChild(*main, new FakeDocument, QStringLiteral("Document 1"));
        for (QAction* a : {main->mnuFileSave, main->mnuFileSaveAs, main->mnuFilePrintDoc, main->mnuFilePrintWin})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(!main->mnuFileExport->isEnabled());
    }

    void toolbarButtonsAreTheirOwnActions()
    {
        emit main->mnuFile->aboutToShow();
        QVERIFY(!main->mnuFilePrintWin->isEnabled());
        for (const char* key : {"New", "Open", "Save", "PrintWin", "PrintDoc", "Cut", "Copy", "Paste"})
            QVERIFY2(main->ToolbarButton(QString::fromLatin1(key))->isEnabled(), key);
        QCOMPARE(main->tbToolBar->iconSize(), QSize(16, 16));

        // What the student sees, left to right: each button shown as its key and its tip, "|" a
        // separator. A separator before a group of hidden buttons is hidden with them.
        const QStringList seen = {
            "New: New", "Open: Open", "Save: Save", "|", "Cut: Cut", "Copy: Copy", "Paste: Paste", "|",
            "PrintWin: Print Window", "PrintDoc: Print Document", "|", "Triaxial: Triaxial Testing", "|",
            "1DConsol: 1-D Consolidation", "|", "DS: Direct Shear", "|", "TTT: True Triaxial Test"};
        // The hidden buttons keep their own tips (AT has none).
        const QStringList hidden = {"CIDC: Drained Triaxial test", "AT: ", "CIUC: Undrained Triaxial Test",
                                    "DBSand: Search Tests for Sand", "DBGravel: Search Tests for Gravel",
                                    "DBQuery: Search Tests by Query"};
        QStringList shownNow, hiddenNow;
        for (QAction* a : main->tbToolBar->actions()) {
            const QString entry = a->isSeparator() ? QStringLiteral("|") : a->data().toString() + QStringLiteral(": ") + a->toolTip();
            (a->isVisible() ? shownNow : hiddenNow) << entry;
            if (a->isSeparator())
                continue;
            // Exactly its own tip on the button itself; a button without one shows none.
            QCOMPARE(main->tbToolBar->widgetForAction(a)->toolTip(), a->toolTip());
            // Not a menu item's action: disabling the item never touches the button.
            QVERIFY(!main->mnuFile->actions().contains(a));
        }
        QCOMPARE(shownNow, seen);
        hiddenNow.removeAll(QStringLiteral("|"));
        QCOMPARE(hiddenNow, hidden);
    }

    void toolbarDispatchesByKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<bool>("waitBoxLeft");
        QTest::addColumn<int>("printerDialogs");
        QTest::addColumn<int>("fileDialogs");
        QTest::addColumn<QString>("message");
        const QStringList none;
        for (const char* key : {"New", "Save", "Cut", "Copy", "Paste", "CIDC", "CIUC", "DBSand", "AT", "new", "triaxial"})
            QTest::newRow(key) << QString::fromLatin1(key) << none << true << 0 << 0 << QString();
        QTest::newRow("Open") << "Open" << none << true << 0 << 1 << QString();
        // The active child is no document: Print Document says so.
        QTest::newRow("PrintDoc") << "PrintDoc" << none << true << 0 << 0
                                  << QStringLiteral("No document can be printed in this window.");
        QTest::newRow("PrintWin") << "PrintWin" << none << true << 1 << 0 << QString();
        QTest::newRow("Triaxial") << "Triaxial" << QStringList{"tri", "press200"} << true << 0 << 0 << QString();
        QTest::newRow("1DConsol") << "1DConsol" << QStringList{"consol", "press300"} << true << 0 << 0 << QString();
        QTest::newRow("DS") << "DS" << QStringList{"ds", "press400"} << true << 0 << 0 << QString();
        QTest::newRow("TTT") << "TTT" << QStringList{"ttt", "press500"} << true << 0 << 0 << QString();
        QTest::newRow("DBGravel") << "DBGravel" << none << false << 0 << 0 << QString();
        QTest::newRow("DBQuery") << "DBQuery" << none << false << 0 << 0 << QString();
    }
    void toolbarDispatchesByKey()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, commands);
        QFETCH(bool, waitBoxLeft);
        QFETCH(int, printerDialogs);
        QFETCH(int, fileDialogs);
        QFETCH(QString, message);
        installRecordingHooks();
        QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
        addChild(*main, new QWidget);
        s->printers->accept = false;
        s->files->answers = {QString()};   // a file dialog is cancelled
        frmSplashMessege::showAndPaint();
        if (QAction* button = main->ToolbarButton(key))
            button->trigger();
        else
            main->tbToolBar_ButtonClick(key);
        QCOMPARE(log, commands);
        QCOMPARE((frmSplashMessege::instance() != nullptr), waitBoxLeft);
        QCOMPARE(s->printers->calls, printerDialogs);
        QCOMPARE(int(s->files->openCalls.size() + s->files->saveCalls.size()), fileDialogs);
        if (message.isEmpty()) {
            QVERIFY(s->messages->msgBoxCalls.empty());
        } else {
            QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
            QCOMPARE(s->messages->msgBoxCalls[0].text, message);
        }
    }

    void simulationCommandsNeedTheirSubsystemAndPressQuizOnlyWithAQuizFile()
    {
        // No hooks installed: nothing at all, not even the quiz button.
        Hooks().pressQuizButton = [this](int n) { log << QStringLiteral("press%1").arg(n); };
        QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
        main->mnuSimTri->trigger();
        QVERIFY(log.isEmpty());
        // Built, no quiz file: only the dialog.
        installRecordingHooks();
        QuizFileConnection.clear();
        main->mnuSimDS->trigger();
        QCOMPARE(log, QStringList{"ds"});
        log.clear();
        QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
        main->mnuSimConsol->trigger();
        main->mnuSimTTT->trigger();
        QCOMPARE(log, (QStringList{"consol", "press300", "ttt", "press500"}));
    }

    void statusBarShowsStatusDateAndTime()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QCOMPARE(main->sbStatusPanel->text(), QStringLiteral("Status"));
        QVERIFY2(main->sbDatePanel->text().contains(QStringLiteral("14")), qPrintable(main->sbDatePanel->text()));
        QVERIFY2(main->sbTimePanel->text().contains(QStringLiteral("26")), qPrintable(main->sbTimePanel->text()));
        // The status text takes the room; date, then time, sit at the right.
        QVERIFY(main->sbStatusPanel->width() > main->sbDatePanel->width());
        QVERIFY(main->sbStatusPanel->geometry().right() < main->sbDatePanel->geometry().left());
        QVERIFY(main->sbDatePanel->geometry().right() < main->sbTimePanel->geometry().left());
        // The panels keep themselves current.
        s->clock->current = QDateTime(QDate(2027, 11, 29), QTime(17, 48));
        QTRY_VERIFY(main->sbTimePanel->text().contains(QStringLiteral("48")));
    }

    void viewTogglesFlipTheBarsAndBack()
    {
        for (auto [item, bar] : {std::pair<QAction*, QWidget*>{main->mnuViewToolbar, main->tbToolBar},
                                 {main->mnuViewStatusBar, main->sbStatusBar}}) {
            item->trigger();
            QVERIFY(!item->isChecked());
            QVERIFY(bar->isHidden());
            item->trigger();
            QVERIFY(item->isChecked());
            QVERIFY(!bar->isHidden());
        }
    }

    void loadTakesTheInstalledIconAndTheStripItsLogo()
    {
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
        const auto reset = qScopeGuard([] { lx::setInstallDir(QString()); });
        frmMDI installed;
        installed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&installed));
        const QList<QSize> sizes = installed.windowIcon().availableSizes();
        for (int side : {16, 32, 48})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
        auto* strip = installed.findChild<frmMessege*>();
        QVERIFY(strip);
        QVERIFY(!strip->imgLogo->pixmap().isNull());
    }

    void mainWindowHoldsTheLargestChildAndTheStripAt1280x1024()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        const QRect screen(0, 0, 1280, 1024);
        main->FitToScreen(screen);
        QVERIFY(!(main->windowState() & Qt::WindowMaximized));
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QVERIFY(screen.contains(main->frameGeometry()));
        QCOMPARE(main->sbStatusBar->geometry().bottom(), main->height() - 1);
        auto* strip = main->findChild<frmMessege*>();
        QVERIFY(strip && strip->isVisible());
        QCOMPARE(strip->geometry().bottom(), strip->parentWidget()->height() - 1);
        // The largest of every family, the cell picture among them, opens whole: no scrolling.
        const QSizeF sizes[] = {{lx::LargestChildWidthTw, lx::LargestChildHeightTw}, {10500, 8500}, {8500, 9400}, {6500, 8000}};
        for (const QSizeF& outer : sizes) {
            auto* form = new QWidget;
            lx::MakeChild(form, outer.width(), outer.height(), false);
            lx::ShowInFront(form);
            lx::MoveChild(form, 0, 0);
            QApplication::processEvents();
            const QRect room = main->mdiArea->viewport()->rect();
            const QString size = QStringLiteral("%1 x %2").arg(outer.width()).arg(outer.height());
            QVERIFY2(room.contains(lx::ChildFrame(form)->geometry()), qPrintable(size));
            QVERIFY2(main->mdiArea->verticalScrollBar()->maximum() == 0, qPrintable(size));
            QVERIFY2(main->mdiArea->horizontalScrollBar()->maximum() == 0, qPrintable(size));
            lx::UnloadNow(form);
        }

        // A screen smaller than that: the window takes all of it.
        main->FitToScreen(QRect(0, 0, 1024, 700));
        QVERIFY(main->windowState() & Qt::WindowMaximized);
    }

    void aWindowOpenedFromAnotherComesToTheFront()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        // The picture, opened before and minimised by the student.
        auto* picture = new QWidget;
        lx::MakeChild(picture, 6500, 8000, false);
        lx::ShowInFront(picture);
        lx::ChildFrame(picture)->showMinimized();
        // The chooser it is opened from again, with the focus on its button.
        auto* chooser = new QWidget;
        auto* button = new QPushButton(QStringLiteral("Parametric Study"), chooser);
        button->setGeometry(10, 10, 150, 30);
        lx::MakeChild(chooser, 6840, 3660, true);
        lx::ShowInFront(chooser);
        QObject::connect(button, &QPushButton::clicked, picture, [picture] { lx::ShowInFront(picture); });
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();

        QMdiSubWindow* frame = lx::ChildFrame(picture);
        QVERIFY(!frame->isMinimized());
        QCOMPARE(main->mdiArea->activeSubWindow(), frame);
        QCOMPARE(main->mdiArea->subWindowList(QMdiArea::StackingOrder).last(), frame);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus == frame || frame->isAncestorOf(focus));
    }

    void escapeInADialogPressesItsCancel()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        // A chooser: Escape on its option runs Cancel, whatever the other buttons are.
        struct Case {
            QString cancel;
            bool dialog;
            bool pressed;
        };
        const Case cases[] = {
            {QStringLiteral("Cancel"), true, true},
            {QStringLiteral("Close"), true, true},     // the study dialogs' Cancel
            {QStringLiteral("Cancel"), false, false},  // a form that is no dialog keeps Escape
            {QStringLiteral("Help"), true, false},     // nothing to cancel with
        };
        for (const Case& c : cases) {
            auto* form = new QWidget;
            auto* option = new QRadioButton(QStringLiteral("Drained"), form);
            auto* start = new QPushButton(QStringLiteral("Start"), form);
            auto* cancel = new QPushButton(c.cancel, form);
            int presses = 0;
            QObject::connect(start, &QPushButton::clicked, form, [&presses] { presses += 100; });
            QObject::connect(cancel, &QPushButton::clicked, form, [&presses, form] {
                ++presses;
                lx::UnloadLater(form);
            });
            lx::MakeChild(form, 5000, 3000, c.dialog);
            lx::ShowInFront(form);
            option->setFocus();
            QTest::keyClick(option, Qt::Key_Escape);
            QApplication::processEvents();
            QCOMPARE(presses, c.pressed ? 1 : 0);
            QCOMPARE(option->isChecked(), false);
            if (!c.pressed)
                lx::UnloadNow(form);
            QApplication::processEvents();
        }
        // A hidden or disabled Cancel is not pressed.
        auto* form = new QWidget;
        auto* cancel = new QPushButton(QStringLiteral("&Cancel"), form);
        lx::MakeChild(form, 5000, 3000, true);
        QCOMPARE(lx::CancelButton(form), cancel);
        cancel->setEnabled(false);
        QCOMPARE(lx::CancelButton(form), nullptr);
        cancel->setEnabled(true);
        cancel->hide();
        QCOMPARE(lx::CancelButton(form), nullptr);
        lx::UnloadNow(form);
    }

    void aWindowWithoutACaptionIsNamedByItsHeading()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        // Named before its frame is made, and after.
        auto* screen = new QWidget;
        lx::SetHeading(screen, QStringLiteral("CIDC test: Ottawa sand"));
        lx::MakeChild(screen, 11200, 7530, false);
        lx::ShowInFront(screen);
        QCOMPARE(screen->windowTitle(), QString());
        QCOMPARE(lx::ChildFrame(screen)->accessibleName(), QStringLiteral("CIDC test: Ottawa sand"));
        lx::SetHeading(screen, QStringLiteral("CIUC test: Dune Sand"));
        QCOMPARE(screen->accessibleName(), QStringLiteral("CIUC test: Dune Sand"));
        QCOMPARE(lx::ChildFrame(screen)->accessibleName(), QStringLiteral("CIUC test: Dune Sand"));
        QCOMPARE(lx::ChildFrame(screen)->windowTitle(), QString());
    }

    void logoStripDocksBelowTheChildArea()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto* strip = main->findChild<frmMessege*>();
        QVERIFY(strip);
        QVERIFY(!main->mdiArea->subWindowList().contains(strip->parentWidget()));
        auto check = [&] {
            const QWidget* client = strip->parentWidget();
            QCOMPARE(strip->geometry().bottom(), client->height() - 1);
            QCOMPARE(strip->x(), 0);
            QCOMPARE(strip->width(), client->width());
            QCOMPARE(main->mdiArea->geometry().bottom() + 1, strip->y());
        };
        check();
        main->resize(900, 700);
        QTRY_COMPARE(strip->width(), strip->parentWidget()->width());
        check();
        main->mnuViewToolbar->trigger();
        QTRY_COMPARE(strip->geometry().bottom(), strip->parentWidget()->height() - 1);
        check();
        // No child window is open although the strip is up.
        QVERIFY(!main->ActiveChild());
    }

    void windowMenuArrangesTheChildren()
    {
        main->resize(900, 700);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        std::vector<QMdiSubWindow*> subs;
        for (int i = 0; i < 3; ++i)
            subs.push_back(addChild(*main, new QWidget, QStringLiteral("Child %1").arg(i + 1)));
        const QRect area = main->mdiArea->viewport()->rect();

        main->mnuWindowTileHorizontal->trigger();
        int y = 0;
        for (QMdiSubWindow* sub : subs) {
            QCOMPARE(sub->x(), 0);
            QCOMPARE(sub->width(), area.width());
            QCOMPARE(sub->y(), y);
            QVERIFY(std::abs(sub->height() - area.height() / 3) <= 1);
            y += sub->height();
        }
        QCOMPARE(y, area.height());

        main->mnuWindowTileVertical->trigger();
        int x = 0;
        for (QMdiSubWindow* sub : subs) {
            QCOMPARE(sub->y(), 0);
            QCOMPARE(sub->height(), area.height());
            QCOMPARE(sub->x(), x);
            QVERIFY(std::abs(sub->width() - area.width() / 3) <= 1);
            x += sub->width();
        }
        QCOMPARE(x, area.width());

        main->mnuWindowCascade->trigger();
        QVERIFY(subs[0]->pos().x() < subs[1]->pos().x() && subs[1]->pos().x() < subs[2]->pos().x());
        QVERIFY(subs[0]->pos().y() < subs[1]->pos().y() && subs[1]->pos().y() < subs[2]->pos().y());

        // A maximised window is tiled too.
        subs[1]->showMaximized();
        main->mnuWindowTileHorizontal->trigger();
        QVERIFY(!subs[1]->isMaximized());
        QCOMPARE(subs[1]->geometry(), QRect(0, subs[0]->height(), area.width(), subs[1]->height()));

        // Minimised windows go back along the bottom edge; the others stay where they are.
        subs[1]->showMinimized();
        subs[2]->showMinimized();
        QVERIFY(subs[1]->isMinimized() && subs[2]->isMinimized());
        subs[1]->move(300, 100);
        subs[2]->move(50, 50);
        const QRect first = subs[0]->geometry();
        main->mnuWindowArrangeIcons->trigger();
        const int bottom = main->mdiArea->viewport()->height() - 1;
        QCOMPARE(subs[1]->geometry().bottom(), bottom);
        QCOMPARE(subs[2]->geometry().bottom(), bottom);
        QCOMPARE(subs[1]->x(), 0);
        QCOMPARE(subs[2]->x(), subs[1]->width());
        QCOMPARE(subs[0]->geometry(), first);
    }

    void cascadeKeepsUsableSizes()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        // One document alone keeps its size and shows its text box.
        main->mnuFileNew->trigger();
        QMdiSubWindow* first = main->mdiArea->currentSubWindow();
        const QSize own = first->size();
        main->mnuWindowCascade->trigger();
        QCOMPARE(first->geometry(), QRect(QPoint(0, 0), own));
        QVERIFY(qobject_cast<frmDocument*>(first->widget())->rtfText->height() > 100);

        // Several: each one caption further, its own size where there is room, never more
        // than the area and never a bare caption (one too large starts at the corner).
        main->mnuFileNew->trigger();
        main->mnuFileNew->trigger();
        QMdiSubWindow* big = addChild(*main, new QWidget, QStringLiteral("Large"));
        big->resize(main->mdiArea->viewport()->size() * 2);
        main->mnuWindowCascade->trigger();
        const QRect area = main->mdiArea->viewport()->rect();
        const QList<QMdiSubWindow*> subs = main->mdiArea->subWindowList(QMdiArea::CreationOrder);
        for (qsizetype i = 0; i < subs.size(); ++i) {
            QMdiSubWindow* sub = subs[i];
            QVERIFY2(area.contains(sub->geometry()), qPrintable(sub->windowTitle()));
            if (i > 0 && sub != big)
                QVERIFY(sub->pos().x() > subs[i - 1]->pos().x() && sub->pos().y() > subs[i - 1]->pos().y());
            if (sub != big)
                QCOMPARE(sub->size(), own);
        }
        QVERIFY(big->height() > area.height() / 2 && big->width() > area.width() / 2);
    }

    void childWindowsOpenInsideTheAreaAboveTheLogoStrip()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto* strip = main->findChild<frmMessege*>();
        const int stripTop = strip->mapTo(main.get(), QPoint(0, 0)).y();
        for (int i = 0; i < 5; ++i)
            main->mnuFileNew->trigger();
        const QRect room = main->mdiArea->viewport()->rect();
        for (QMdiSubWindow* sub : main->mdiArea->subWindowList()) {
            QVERIFY2(room.contains(sub->geometry()), qPrintable(sub->windowTitle()));
            const int bottom = main->mdiArea->viewport()->mapTo(main.get(), sub->geometry().bottomLeft()).y();
            QVERIFY2(bottom < stripTop, qPrintable(sub->windowTitle()));
        }
        // A window larger than the area is reached by scrolling.
        auto* large = new QWidget;
        large->resize(room.width(), room.height() * 2);
        lx::showChildWindow(main->mdiArea, large);
        QVERIFY(main->mdiArea->verticalScrollBar()->maximum() > 0);
    }

    void subsystemsShowTheirWindowsInTheMainWindow()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        QCOMPARE(lx::mainWindow(), main.get());
        QCOMPARE(lx::childArea(), main->mdiArea);
        auto* w = new QWidget;
        w->resize(200, 150);
        QMdiSubWindow* sub = lx::showChildWindow(w);
        QVERIFY(sub);
        QCOMPARE(main->ActiveChild(), w);
        QVERIFY(w->isVisibleTo(main.get()));
        QCOMPARE(w->size(), QSize(200, 150));

        // A window tried without a main window is a window of its own.
        MainForm = nullptr;
        QWidget alone;
        QVERIFY(!lx::showChildWindow(&alone));
        QVERIFY(alone.isWindow() && alone.isVisible());
    }

    void waitBoxIsCentredOnTheMainWindowAndPaintedBeforeTheWork()
    {
        MainForm = main.get();
        const auto forget = qScopeGuard([] { MainForm = nullptr; });
        main->move(180, 120);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (event->type() == QEvent::Paint && qobject_cast<frmSplashMessege*>(watched))
                    ++paints;
                return false;
            }
        } counter;
        qApp->installEventFilter(&counter);
        frmSplashMessege::showAndPaint();
        qApp->removeEventFilter(&counter);
        frmSplashMessege* box = frmSplashMessege::instance();
        QVERIFY(box);
        QVERIFY(box->windowHandle()->isExposed());
        QVERIFY(counter.paints > 0);
        const QPoint offset = box->frameGeometry().center() - main->frameGeometry().center();
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    void printWindowHandsTheActiveChildToThePrintControl()
    {
        main->show();
        QTemporaryDir dir;
        s->printers->pdfPath = dir.filePath(QStringLiteral("window.pdf"));
        // No child: no dialog, from the menu item or from the button, which stays enabled.
        main->mnuFilePrintWin_Click();
        main->ToolbarButton(QStringLiteral("PrintWin"))->trigger();
        QCOMPARE(s->printers->calls, 0);

        QMdiSubWindow* sub = addChild(*main, new QWidget, QStringLiteral("Triaxial Cell"));
        s->printers->accept = false;
        main->mnuFilePrintWin->trigger();
        QCOMPARE(s->printers->calls, 1);
        // Its own caption; one window on one page, so neither pages nor a selection to choose.
        QCOMPARE(s->printers->lastRequest.title, QStringLiteral("Print Window"));
        QVERIFY(!s->printers->lastRequest.allowPageRange);
        QVERIFY(!s->printers->lastRequest.allowSelection);
        QVERIFY(!main->ctlLXPrintForm->Waiting());
        QVERIFY(s->messages->msgBoxCalls.empty());

        // Confirmed: the control prints the window after its wait (its own tests print it).
        s->printers->accept = true;
        main->mnuFilePrintWin->trigger();
        QCOMPARE(main->ctlLXPrintForm->frmSrc.data(), sub->widget());
        QCOMPARE(main->ctlLXPrintForm->Printer().docName(), QStringLiteral("Triaxial Cell"));
        QVERIFY(main->ctlLXPrintForm->Waiting());
        QVERIFY(!QFileInfo::exists(s->printers->pdfPath));
        main->ctlLXPrintForm->tmrWait_Timer();
        QVERIFY(QFileInfo(s->printers->pdfPath).size() > 1000);
        QVERIFY(s->messages->msgBoxCalls.empty());
    }

    void specimenItemsReachTheCellWindow()
    {
        auto* cell = new frmTriaxialCell;
        addChild(*main, cell, QStringLiteral("Triaxial Cell"));
        main->mnuSpecimenSand->trigger();
        main->mnuSpecimenClay->trigger();
        main->mnuSpecimenGravel->trigger();
        QCOMPARE(cell->chosen, (QStringList{"Sand", "Clay", "Gravel"}));
        addChild(*main, new QWidget);
        main->mnuSpecimenClay->trigger();
        QCOMPARE(cell->chosen.size(), 3);
    }

    void quizMenuFollowsTheQuizOption()
    {
        installRecordingHooks();
        main->mnuQuizOpen->trigger();   // declined
        QVERIFY(!main->mnuQuizBrowser->isEnabled());
        QVERIFY(!main->mnuScore->isEnabled());
        QVERIFY(!fixture::enabledFlag(main->mnuQuizManager));
        QVERIFY(main->mnuQuizOpen->isEnabled());
        QVERIFY(log.isEmpty());

        main->mnuQuizBrowser_Click();   // no quiz file: nothing
        QVERIFY(log.isEmpty());

        Hooks().quizOption = [] {
            QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
            return true;
        };
        main->mnuQuizOpen->trigger();
        QVERIFY(main->mnuQuizBrowser->isEnabled());
        QVERIFY(main->mnuScore->isEnabled());
        QVERIFY(fixture::enabledFlag(main->mnuQuizManager));
        QVERIFY(!main->mnuQuizManager->isVisible());
        QVERIFY(!main->mnuQuizOpen->isEnabled());
        QCOMPARE(log, QStringList{"browser"});

        main->mnuScore->trigger();
        QCOMPARE(log.last(), QStringLiteral("score with wait box"));
        QVERIFY(!(frmSplashMessege::instance() != nullptr));
    }

    void helpAndSmallCommands()
    {
        main->mnuHelpTopics->trigger();
        QCOMPARE(s->help->shown.size(), size_t(1));
        QCOMPARE(s->help->shown[0].topic, QStringLiteral("html\\LoamixOverview.htm"));

        main->mnuViewWebBrowser->trigger();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls[0].text, QStringLiteral("Add 'mnuViewWebBrowser_Click' code."));

        main->show();
        {
            ModalCloser closer;
            main->mnuHelpAbout->trigger();
            QCOMPARE(closer.className, QStringLiteral("frmAbout"));
            QCOMPARE(closer.parent, main.get());
            QVERIFY(closer.modal);
        }
        {
            ModalCloser closer;
            main->mnuViewOptions->trigger();
            QCOMPARE(closer.className, QStringLiteral("frmOptions"));
            QCOMPARE(closer.parent, main.get());
            QVERIFY(closer.modal);
        }
    }

    void closingClosesEveryChildAndPressesNoQuizButton()
    {
        installRecordingHooks();
        QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
        main->show();
        QPointer<QMdiSubWindow> a = addChild(*main, new CreditingChild);
        QPointer<QMdiSubWindow> b = addChild(*main, new QWidget);
        frmSplashMessege::showAndPaint();
        main->mnuFileExit->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!main->isVisible());
        QVERIFY(!a && !b);
        QCOMPARE(s->help->closed, 1);
        QVERIFY(log.isEmpty());
        QVERIFY(ShuttingDown);
        QVERIFY(!(frmSplashMessege::instance() != nullptr));
        // Nothing opens while the program shuts down.
        main->mnuSimTri->trigger();
        QVERIFY(log.isEmpty());
    }

    void offscreenScreenshotIsNotBlank()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QMdiSubWindow* child = addChild(*main, new QWidget, QStringLiteral("A child window"));
        // A child given its size keeps it inside the frame.
        QCOMPARE(child->widget()->size(), QSize(200, 150));
        const QImage shot = main->grab().toImage();
        lx::testing::saveShot(shot, QStringLiteral("frmMDI-offscreen"));
        QSet<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2)
                colours.insert(shot.pixel(x, y));
        QVERIFY2(colours.size() >= 8, qPrintable(QString::number(colours.size())));
        // Menu captions are drawn: the menu bar holds dark text pixels.
        const QRect bar = main->menuBar()->geometry();
        int dark = 0;
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 80;
        QVERIFY(dark > 50);

        // The menus as they drop down (saved beside the test for a look).
        for (QMenu* menu : {main->mnuFile, main->mnuEdit, main->mnuView, main->mnuResource, main->mnuTestType,
                             main->mnuSimulation, main->mnuQuiz, main->mnuWindow, main->mnuHelp}) {
            menu->popup(main->mapToGlobal(QPoint(20, 20)));
            const QImage image = menu->grab().toImage();
            lx::testing::saveShot(image, menu->objectName() + QStringLiteral("-offscreen"));
            QVERIFY(image.width() > 60);
            menu->hide();
        }
    }
};

QTEST_MAIN(tst_frmMDI)
#include "tst_frmMDI.moc"
