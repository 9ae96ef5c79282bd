// Every kind of window, through the real windows offscreen on the installed databases: Enter
// presses the focused button, Ctrl+F4 closes a child window as its close box does, Tab walks
// the controls in view in their order on the screen, a long box shows its beginning once it
// loses the focus, and a closed window hands the front back to the window it was opened
// from; the chart frames of the screens and reports carry their titles whole.
#include "consolidation/dlg1DConsolidation.h"
#include "consolidation/frm1DConsolReport.h"
#include "consolidation/frm1DConsolidation.h"
#include "consolidation/frmScreenDAS1D.h"
#include "directshear/dlgDSParamStudy.h"
#include "directshear/dlgDirectShear.h"
#include "directshear/frmDirectShear.h"
#include "directshear/frmDirectShearReport.h"
#include "directshear/frmScreenDAS_DS.h"
#include "triaxial/PreShear.h"
#include "triaxial/StudyDialog.h"
#include "triaxial/frmTriaxial1stStage.h"
#include "triaxial/frmTriaxialCell.h"
#include "triaxial/dlgAnnCIDCInit.h"
#include "triaxial/dlgBackPressure.h"
#include "triaxial/dlgCIDCParamStudy.h"
#include "triaxial/dlgCellPressure.h"
#include "triaxial/dlgSpecimenCIDC.h"
#include "triaxial/dlgTriaxialSel.h"
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/dlgTTT_HCT_param.h"
#include "truetriaxial/frmTTT.h"
#include "truetriaxial/frmTTTReport.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/dlgMesseges.h"
#include "app/frmAbout.h"
#include "app/frmDocument.h"
#include "app/frmLogin.h"
#include "app/frmOptions.h"
#include "app/frmMDI.h"
#include "app/frmSplashMessege.h"
#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "lab/ClickMask.h"
#include "platform/FormRegistry.h"
#include "platform/Paths.h"
#include "platform/Printing.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/AccessibleNames.h"
#include "tests/common/RoadTest.h"
#include "tests/common/Roads.h"
#include "tests/common/TabWalk.h"
#include "tests/common/TestHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <deque>
#include <memory>
#include <utility>

using namespace basGlobal;
using lx::SingleInstance;
using lx::testing::checkTabWalk;
using lx::testing::inView;
using lx::testing::nameOf;
using lx::testing::reachable;
using lx::testing::settle;

namespace {

using lx::testing::form;

} // namespace

class tst_windows : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_windows() : RoadTest({1280, 1000}) {}

private:
    void installFamily() override
    {
        lx::testing::installDirectShearFamily();
        lx::testing::installConsolidationFamily();
        lx::testing::installTrueTriaxialFamily();
        basGlobal::InstallTriaxialHooks();
        ClayTriaxialConnection = lx::testing::installedConnection(QStringLiteral("LXClayCIUCnCIDCnUUC.lxr"), true);
        SandCIDCConnection = lx::testing::installedConnection(QStringLiteral("LXSandCIDC.lxr"), true);
        SandCIUCConnection = lx::testing::installedConnection(QStringLiteral("LXSandCIUC.lxr"), true);
    }
    // The keyboard goes to the main window, as on a desktop where it is the active one.
    void activate() const { QApplication::setActiveWindow(main.get()); }

    frmDirectShear* directShearSetup()
    {
        activate();
        return lx::testing::roads::directShearSetUp(*main);
    }
    frmScreenDAS_DS* directShearScreen()
    {
        QTest::mouseClick(directShearSetup()->cmdStart, Qt::LeftButton);
        frmScreenDAS_DS* screen = children<frmScreenDAS_DS>().front();
        while (screen->Timer1->isActive())
            screen->Timer1_Timer();
        return screen;
    }
    dlgDSParamStudy* directShearStudy()
    {
        activate();
        return lx::testing::roads::directShearStudy(*main);
    }

    // The consolidation screen of the first soil, from the menu, at the start of its replay.
    frmScreenDAS1D* consolidationScreen(frm1DConsolidation** from = nullptr)
    {
        activate();
        frm1DConsolidation* setup = lx::testing::roads::consolidationSetUp(*main, 0);
        QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
        if (from)
            *from = setup;
        return qobject_cast<frmScreenDAS1D*>(setup->lastScreen());
    }

    // A window of each kind, opened as a student opens it, with a button of it (or null).
    std::pair<QWidget*, QAbstractButton*> open(const QString& kind)
    {
        activate();
        if (kind == u"dialog") {
            main->mnuSimDS->trigger();
            return {form<dlgDirectShear>(), form<dlgDirectShear>()->cmdHelp};
        }
        if (kind == u"set-up form") {
            frmDirectShear* setup = directShearSetup();
            return {setup, setup->cmdHelp};
        }
        if (kind == u"screen") {
            frmScreenDAS_DS* screen = directShearScreen();
            return {screen, screen->cmdHelp};
        }
        if (kind == u"report") {
            frmScreenDAS_DS* screen = directShearScreen();
            QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
            return {children<frmDirectShearReport>().front(), nullptr};
        }
        if (kind == u"study") {
            dlgDSParamStudy* study = directShearStudy();
            return {study, study->cmdHelp};
        }
        if (kind == u"document") {
            main->mnuFileNew->trigger();
            return {main->ActiveChild(), nullptr};
        }
        if (kind == u"true triaxial set-up") {
            frmTTT* setup = lx::testing::roads::trueTriaxialSetUp(*main, 0);
            if (!setup)
                return {};
            QTest::mouseClick(setup->lblMask, Qt::LeftButton);   // the first slide and its note
            return {setup, setup->cmdHelp};
        }
        if (kind == u"hollow-cylinder set-up") {
            frmTTT* setup = lx::testing::roads::trueTriaxialSetUp(*main, 1);
            if (!setup || !lx::testing::choose(setup->cboParamOptions, setup->cboParamOptions->itemText(0)))
                return {};
            return {setup, setup->cmdHelp};
        }
        if (kind == u"consolidation set-up, no soil yet") {
            frm1DConsolidation* setup = lx::testing::roads::consolidationSetUp(*main, 0);
            setup->cboParamOptions->setCurrentIndex(-1);
            return {setup, setup->cmdHelp};
        }
        if (kind == u"consolidation report") {
            frmScreenDAS1D* screen = consolidationScreen();
            while (screen->Timer1->isActive())
                screen->Timer1_Timer();
            QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
            return {children<frm1DConsolReport>().front(), nullptr};
        }
        if (kind == u"true triaxial study" || kind == u"hollow-cylinder study" || kind == u"true triaxial report") {
            main->mnuSimTTT->trigger();
            dlgTTT_HCT* entry = form<dlgTTT_HCT>();
            entry->optTTT[kind.startsWith(u"hollow") ? 1 : 0]->setChecked(true);
            QTest::mouseClick(entry->cmdParamStudy, Qt::LeftButton);
            dlgTTT_HCT_param* study = form<dlgTTT_HCT_param>();
            if (!lx::testing::choose(study->CboParOption, study->CboParOption->itemText(0)))
                return {};
            if (kind != u"true triaxial report")
                return {study, study->cmdHelp};
            return {study->cmdCreate_Click(), nullptr};
        }
        if (kind == u"steps before shearing") {
            preshear::OpenPreShear(QString());
            return {form<frmTriaxial1stStage>(), nullptr};
        }
        if (kind == u"triaxial chooser") {
            main->mnuSimTri->trigger();
            return {form<dlgTriaxialSel>(), form<dlgTriaxialSel>()->cmdHelp};
        }
        if (kind == u"triaxial cell") {
            main->mnuSimTri->trigger();
            dlgTriaxialSel* chooser = form<dlgTriaxialSel>();
            chooser->optDrained->setChecked(true);
            chooser->optIsotropic->setChecked(true);
            QTest::mouseClick(chooser->cmdShearDataAnalysis, Qt::LeftButton);
            return {form<frmTriaxialCell>(), nullptr};
        }
        if (kind == u"cell pressure")
            return {shown(&SingleInstance<dlgCellPressure>::get()), nullptr};
        if (kind == u"back pressure")
            return {shown(&SingleInstance<dlgBackPressure>::get()), nullptr};
        if (kind == u"specimen")
            return {shown(&SingleInstance<dlgSpecimenCIDC>::get()), nullptr};
        if (kind == u"triaxial study") {
            triaxial::ShowParamStudy(QStringLiteral("Sand"), QStringLiteral("CIDC Parametric Study"));
            return {form<dlgCIDCParamStudy>(), form<dlgCIDCParamStudy>()->cmdHelp};
        }
        if (kind == u"triaxial summary")
            return {shown(&SingleInstance<dlgAnnCIDCInit>::get()), nullptr};
        return {};
    }

    // A window opened as its road would open it, in front.
    static QWidget* shown(QWidget* window)
    {
        lx::ShowInFront(window);
        return window;
    }

    static void addKinds(bool withButton)
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"dialog", "set-up form", "screen", "report", "study", "document", "true triaxial set-up"}) {
            if (withButton && (qstrcmp(kind, "report") == 0 || qstrcmp(kind, "document") == 0))
                continue;
            QTest::newRow(kind) << QString::fromLatin1(kind);
        }
    }

private slots:
    void enterPressesTheFocusedButton_data() { addKinds(true); }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, kind);
        const auto [window, button] = open(kind);
        QVERIFY(window && button);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(clicks.size(), 1);
        // Help's box of the moment took the activation with it.
        QApplication::setActiveWindow(main.get());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QCOMPARE(clicks.size(), 2);
        // Enter in a box presses nothing of this window.
        if (auto* box = window->findChild<QLineEdit*>(); box && box->isVisible()) {
            QApplication::setActiveWindow(main.get());
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(clicks.size(), 2);
        }
    }

    // Enter held or pressed fast, the presses and the desktop's repeats all queued before
    // the event loop runs: a button whose handler runs the event loop (the help's wait box, a
    // file dialog) or closes its own window is pressed once, never inside its own handler,
    // and its window is left as one press leaves it.
    void enterPressedFastPressesOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a dialog's Help") << "dialog help";
        QTest::newRow("a screen's Help mid-replay") << "screen help";
        QTest::newRow("a button that opens a modal box") << "export";
        QTest::newRow("a button that closes its own window") << "close";
    }
    void enterPressedFastPressesOnce()
    {
        QFETCH(QString, kind);
        QWidget* window = nullptr;
        QAbstractButton* button = nullptr;
        frmScreenDAS_DS* screen = nullptr;
        if (kind == u"dialog help") {
            activate();
            main->mnuSimDS->trigger();
            window = form<dlgDirectShear>();
            button = form<dlgDirectShear>()->cmdHelp;
        } else {
            QTest::mouseClick(directShearSetup()->cmdStart, Qt::LeftButton);
            window = screen = children<frmScreenDAS_DS>().front();
            if (kind == u"screen help") {
                screen->Timer1_Timer();
                QVERIFY(screen->Timer1->isActive());
                button = screen->cmdHelp;
            } else {
                while (screen->Timer1->isActive())
                    screen->Timer1_Timer();
                button = kind == u"export" ? screen->cmdExportData : screen->cmdClose;
            }
        }
        constexpr int presses = 3;
        s->files->answers = std::deque<QString>(presses, QString());
        s->files->whileOpen = [] { QCoreApplication::processEvents(); };
        const QPointer<QWidget> alive(window);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(window));
        button->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), button);
        for (int k = 0; k < presses; ++k) {
            const bool keypad = k % 2 == 1;
            const Qt::Key key = keypad ? Qt::Key_Enter : Qt::Key_Return;
            const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
            // A press held a moment: the desktop repeats it as a release and a press.
            for (const auto& [type, repeat] : {std::pair{QEvent::KeyPress, false}, std::pair{QEvent::KeyRelease, true},
                                               std::pair{QEvent::KeyPress, true}, std::pair{QEvent::KeyRelease, false}})
                QCoreApplication::postEvent(button, new QKeyEvent(type, key, modifiers, QString(), repeat));
        }
        // A few passes of the loop: each runs what the one before posted.
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::processEvents();
        settle();
        QCOMPARE(clicks.size(), 1);
        if (kind == u"close") {
            QVERIFY(!alive);
            return;
        }
        QVERIFY(alive);
        QVERIFY(!frmSplashMessege::instance());
        if (kind == u"export")
            QCOMPARE(s->files->saveCalls.size(), size_t(1));
        else
            QCOMPARE(s->help->shown.size(), size_t(1));
        if (screen && kind == u"screen help")
            QVERIFY(screen->Timer1->isActive());
        // The next press, once the first is done, presses it again.
        QApplication::setActiveWindow(main.get());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicks.size(), 2);
    }

    // Every kind of window as a screen reader meets it: the window has a name, each control
    // Tab stops at has one, and no two boxes share one.
    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"dialog", "set-up form", "consolidation set-up, no soil yet", "true triaxial set-up",
                                 "hollow-cylinder set-up", "steps before shearing", "triaxial chooser", "triaxial cell",
                                 "cell pressure", "back pressure", "specimen", "triaxial summary", "triaxial study", "screen", "report",
                                 "consolidation report",
                                 "true triaxial report", "study", "true triaxial study", "hollow-cylinder study", "document"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void everyControlHasAName()
    {
        QFETCH(QString, kind);
        const auto [window, button] = open(kind);
        QVERIFY(window);
        const QString faults = lx::testing::namingFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
    // The frame's own dialogs: login, About, Options.
    void theFrameDialogsNameTheirControls()
    {
        frmLogin login;
        frmAbout about;
        frmOptions options;
        for (QWidget* dialog : std::initializer_list<QWidget*>{&login, &about, &options}) {
            dialog->show();
            const QString faults = lx::testing::namingFaults(dialog);
            QVERIFY2(faults.isEmpty(), qPrintable(dialog->windowTitle() + u'\n' + faults));
        }
    }

    // The boxes that wait for an answer: the program's own message box, Print Window's dialog.
    void everyControlOfAModalBoxHasAName()
    {
        QString faults = QStringLiteral("no box"), printFaults = QStringLiteral("no box");
        const auto whenUp = [](QString& out) {
            QTimer::singleShot(0, qApp, [&out] {
                QWidget* box = QApplication::activeModalWidget();
                if (!box)
                    return;
                out = lx::testing::namingFaults(box);
                static_cast<QDialog*>(box)->done(0);
            });
        };
        whenUp(faults);
        dlgMesseges::msgs(3, QStringLiteral("Quiz Option"), QStringLiteral("Open your Quiz Score file to enable the Quiz"),
                          QStringLiteral("Open"), QStringLiteral("Create"), QStringLiteral("Disable"), QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.setWindowTitle(QStringLiteral("Print Window"));
        lx::nameDialogControls(dialog);
        whenUp(printFaults);
        dialog.exec();
        QVERIFY2(printFaults.isEmpty(), qPrintable(printFaults));
    }

    // The pictures that carry the lesson and every chart are there for a screen reader: a
    // picture or a chart with a name and a sentence on what it shows; a chart by its title.
    void thePicturesThatTeachAreDescribed_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"triaxial cell", "steps before shearing", "true triaxial set-up", "hollow-cylinder set-up",
                                 "screen", "report", "consolidation report"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void thePicturesThatTeachAreDescribed()
    {
        QFETCH(QString, kind);
        QList<QWidget*> pictures;
        if (kind == u"triaxial cell") {
            pictures << static_cast<frmTriaxialCell*>(open(kind).first)->picTriaxialCell;
        } else {
            const auto [window, button] = open(kind);
            QVERIFY(window);
            if (auto* steps = qobject_cast<frmTriaxial1stStage*>(window))
                pictures << steps->picAssembly;
            else if (auto* setup = qobject_cast<frmTTT*>(window))
                pictures << (setup->kind() == truetriaxial::Kind::Cube ? static_cast<QWidget*>(setup->imgTTT) : setup->imgHCT);
            for (lx::ChartFrame* chart : window->findChildren<lx::ChartFrame*>())
                pictures << chart;
        }
        QVERIFY(!pictures.isEmpty());
        for (QWidget* picture : pictures) {
            const QString name = lx::testing::accessibleText(picture);
            const QString description = lx::testing::accessibleText(picture, QAccessible::Description);
            const QAccessible::Role role = lx::testing::accessibleRole(picture);
            QVERIFY2(role == QAccessible::Graphic || role == QAccessible::Chart, qPrintable(name));
            QVERIFY2(!name.isEmpty() && !description.isEmpty(), qPrintable(nameOf(picture)));
            if (auto* chart = qobject_cast<lx::ChartFrame*>(picture)) {
                QCOMPARE(role, QAccessible::Chart);
                QCOMPARE(name, chart->lblTitle->text());
                QVERIFY2(description.contains(chart->lblXAxisName->text()), qPrintable(description));
            }
        }
    }

    // A default button of a top-level dialog stays its default: Enter in its box presses it.
    void aDialogsDefaultButtonStaysTheDefault()
    {
        QDialog dialog;
        auto* box = new QLineEdit(&dialog);
        auto* other = new QPushButton(QStringLiteral("Other"), &dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        other->move(0, 30);
        ok->move(0, 60);
        ok->setDefault(true);
        QSignalSpy okClicks(ok, &QAbstractButton::clicked), otherClicks(other, &QAbstractButton::clicked);
        dialog.show();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(okClicks.size(), 1);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(otherClicks.size(), 1);
        QCOMPARE(okClicks.size(), 1);
    }

    void ctrlF4ClosesThroughTheCloseBox_data() { addKinds(false); }
    void ctrlF4ClosesThroughTheCloseBox()
    {
        QFETCH(QString, kind);
        // A quiz file that cannot be opened: a screen's credit on closing says so, once.
        QuizFileConnection = lx::testing::connectionTo(QStringLiteral("/nonexistent/quiz.lxq"), QStringLiteral("tarvinduso"));
        const auto [window, button] = open(kind);
        QVERIFY(window);
        QPointer<QWidget> closing(window);
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(window));
        QWidget* focus = reachable(window).value(0, window);
        focus->setFocus();
        if (kind == u"document") {
            // A changed document asks first; Cancel keeps it.
            QTest::keyClicks(focus, QStringLiteral("notes"));
            s->messages->msgBoxAnswers = {lx::vbCancel, lx::vbNo};
            QTest::keyClick(focus, Qt::Key_F4, Qt::ControlModifier);
            settle();
            QVERIFY(closing);
            QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        }
        s->messages->msgBoxCalls.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
        settle();
        QVERIFY2(!closing, qPrintable(QStringLiteral("%1, focus %2").arg(kind, nameOf(QApplication::focusWidget()))));
        if (kind == u"screen")
            QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));   // the credit was tried
        if (kind == u"document")
            QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));   // asked again, No
        // Ctrl+W keeps closing the next one.
        if (QMdiSubWindow* next = main->mdiArea->activeSubWindow()) {
            QPointer<QMdiSubWindow> other(next);
            s->messages->msgBoxAnswers = {lx::vbNo};
            next->widget()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
            settle();
            QVERIFY(!other);
        }
    }

    void tabFollowsTheScreen_data() { addKinds(false); }
    void tabFollowsTheScreen()
    {
        QFETCH(QString, kind);
        const auto [window, button] = open(kind);
        QVERIFY(window);
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(window));
        const QString fault = checkTabWalk(window);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Tab's order, as a student reads the windows: the direct shear set-up's picture, then
    // its soil list and parameter boxes down their frame, then its buttons; a report's title,
    // then its comments.
    void tabOrderOfTheDirectShearWindows()
    {
        frmScreenDAS_DS* screen = directShearScreen();
        frmDirectShear* setup = form<frmDirectShear>();
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(setup));
        lx::testing::drain();
        const auto& box = setup->txtParameter;
        const QList<QWidget*> setupOrder{setup->lblMask, setup->cboParamOptions, box[5], box[6], box[0], box[1], box[2],
                                         box[3], box[4], setup->cmdStart, setup->cmdCancel, setup->cmdHelp};
        QCOMPARE(lx::testing::tabWalkFrom(setup->lblMask), setupOrder);

        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        lx::testing::drain();
        frmDirectShearReport* report = children<frmDirectShearReport>().front();
        QCOMPARE(QApplication::focusWidget(), report->lblTitle);   // it opens on its title
        QCOMPARE(lx::testing::tabWalkFrom(report->lblTitle), (QList<QWidget*>{report->lblTitle, report->Text1}));
    }

    // The set-up boxes in their order on the screen; the screen's Create Report before its
    // Export Data; the cube's notes out of view take no focus, read-only boxes do.
    void tabStopsOfTheForms()
    {
        frmScreenDAS_DS* screen = directShearScreen();
        frmDirectShear* setup = form<frmDirectShear>();
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(setup));
        setup->txtParameter[5]->setFocus();
        for (int box : {6, 0, 1, 2, 3, 4}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), setup->txtParameter[size_t(box)]);
        }
        main->mdiArea->setActiveSubWindow(lx::ChildFrame(screen));
        screen->cmdReport->setFocus();
        QTest::keyClick(screen->cmdReport, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), screen->cmdExportData);

        const auto [ttt, help] = open(QStringLiteral("true triaxial set-up"));
        auto* cube = static_cast<frmTTT*>(ttt);
        int notesInView = 0;
        for (QTextEdit* note : cube->rtfComments)
            notesInView += inView(note, cube);
        QCOMPARE(notesInView, 1);
        cube->lblMask->setFocus();
        QList<QWidget*> walk;
        for (int k = 0; k < 30; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walk.push_back(QApplication::focusWidget());
        }
        for (QTextEdit* note : cube->rtfComments)
            QCOMPARE(walk.contains(note), inView(note, cube));
        cube->txtParameter[0]->setReadOnly(true);
        cube->txtParameter[0]->setEnabled(true);
        QVERIFY(reachable(cube).contains(cube->txtParameter[0]));
    }

    // A long text shows its beginning again after a Tab; its end while it is being read.
    void aLongBoxShowsItsBeginningAfterTab()
    {
        frmDirectShear* setup = directShearSetup();
        QLineEdit* box = setup->txtParameter[5];
        box->setText(QStringLiteral("Undisturbed sample from a thin-walled Shelby tube (sampled by a fixed-piston tube)"));
        box->setFocus();
        box->end(false);
        QVERIFY(box->cursorPosition() > 0);
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->cursorPosition(), 0);
    }

    // The titles of every chart frame of the direct shear and consolidation screens and
    // reports, each whole in its label and clear of the others.
    void chartTitles_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("xName");
        const QString shear = QStringLiteral("Shear Stress- H Disp."), vertical = QStringLiteral("V Disp. - H Disp.");
        const QString tau = QStringLiteral("τh (kPa)"), vert = QStringLiteral("Vert. Disp. (mm)");
        const QString horiz = QStringLiteral("Horiz Disp. (mm)"), horizDot = QStringLiteral("Horiz. Disp. (mm)");
        const QString e = QStringLiteral("Void Ratio, e"), stress = QStringLiteral("Vertical Stress, σ'v (kPa)");
        QTest::newRow("direct shear screen, shear") << "ds screen" << 1 << shear << tau << horiz;
        QTest::newRow("direct shear screen, vertical") << "ds screen" << 2 << vertical << vert << horizDot;
        QTest::newRow("direct shear report, shear") << "ds report" << 1 << shear << tau << horiz;
        QTest::newRow("direct shear report, vertical") << "ds report" << 2 << vertical << vert << horiz;
        QTest::newRow("consolidation screen, stress") << "1d screen" << 1 << QStringLiteral("e - σ'v") << e << stress;
        QTest::newRow("consolidation screen, log") << "1d screen" << 2 << QStringLiteral("e - log σ'v") << e << stress;
        QTest::newRow("consolidation screen, increment") << "1d screen" << 3 << QStringLiteral("e - Time") << e << QStringLiteral("Time");
        QTest::newRow("consolidation report, stress") << "1d report" << 1 << QStringLiteral("e - σ'v") << e << stress;
        QTest::newRow("consolidation report, log") << "1d report" << 2 << QStringLiteral("e - log σ'v") << e << stress;
    }
    void chartTitles()
    {
        QFETCH(QString, window);
        QFETCH(int, frame);
        QFETCH(QString, title);
        QFETCH(QString, unit);
        QFETCH(QString, xName);
        std::array<lx::ChartFrame*, 3> frames{};
        if (window.startsWith(u"ds")) {
            frmScreenDAS_DS* screen = directShearScreen();
            frames = {screen->picFrame1, screen->picFrame2, nullptr};
            if (window == u"ds report") {
                QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
                frmDirectShearReport* report = children<frmDirectShearReport>().front();
                frames = {report->picFrame1, report->picFrame2, nullptr};
            }
        } else {
            frmScreenDAS1D* screen = consolidationScreen();
            QVERIFY(screen);
            frames = {screen->picFrame1, screen->picFrame2, screen->PicFrame3};
            if (window == u"1d report") {
                while (screen->Timer1->isActive())
                    screen->Timer1_Timer();
                QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
                frm1DConsolReport* report = children<frm1DConsolReport>().front();
                frames = {report->picFrame1, report->picFrame2, nullptr};
            }
        }
        lx::ChartFrame* f = frames[size_t(frame - 1)];
        QVERIFY(f);
        QCOMPARE(f->lblTitle->text(), title);
        QCOMPARE(f->lblUnit->text(), unit);
        QCOMPARE(f->lblXAxisName->text(), xName);
        const QStringList clipped = lx::testing::clippedTexts(f);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        // The titles stand clear of one another, of the tick captions and of the frame's buttons.
        for (QWidget* other : f->findChildren<QWidget*>()) {
            if (other == f->lblUnit || other == static_cast<QWidget*>(f->picDraw) || !other->isVisibleTo(f) || other->parentWidget() != f)
                continue;
            QVERIFY2(!other->geometry().intersects(f->lblUnit->geometry()), qPrintable(nameOf(other)));
        }
        QVERIFY(f->lblUnit->geometry().right() < f->width());
    }

    // Closing a screen or a report gives the front and the focus back to the window it was
    // opened from, not to the dialog opened first.
    void aClosedWindowHandsTheFrontBack()
    {
        frm1DConsolidation* setup = nullptr;
        frmScreenDAS1D* screen = consolidationScreen(&setup);
        QVERIFY(screen);
        QCOMPARE(main->ActiveChild(), screen);
        screen->cmdClose->setFocus();
        QTest::keyClick(screen->cmdClose, Qt::Key_Return);
        QCoreApplication::processEvents();
        settle();
        QCoreApplication::processEvents();
        QVERIFY(!setup->lastScreen());
        QCOMPARE(main->ActiveChild(), setup);
        QVERIFY(setup->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == setup);

        // The same through Ctrl+F4 on the direct shear road: the report hands back to its screen.
        frmScreenDAS_DS* ds = directShearScreen();
        QTest::mouseClick(ds->cmdReport, Qt::LeftButton);
        frmDirectShearReport* report = children<frmDirectShearReport>().front();
        QCOMPARE(main->ActiveChild(), report);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
        settle();
        QCoreApplication::processEvents();
        QCOMPARE(main->ActiveChild(), ds);
    }
};

QTEST_MAIN(tst_windows)
#include "tst_windows.moc"
