// The quiz windows clicked offscreen: the quiz-file choice and the user dialog, the browser's
// presses, a quiz taken, saved and reviewed, the load prompts, quizzes that cannot be taken,
// and the score sheet.
#include "DialogDriver.h"
#include "QuizFixture.h"
#include "platform/FormRegistry.h"
#include "platform/Keyboard.h"
#include "platform/Geometry.h"
#include "platform/testing/FileLimit.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/QuizOption.h"
#include "quiz/dlgAddQuizInfo.h"
#include "quiz/frmQuiz.h"
#include "quiz/frmQuizGoThrough.h"
#include "quiz/frmQuizScoreSummary.h"
#include "tests/common/AccessibleNames.h"
#include "tests/common/TabWalk.h"
#include "tests/common/TestHelpers.h"

#include <QApplication>
#include <QPointer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QRadioButton>
#include <QTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

using quizfixture::onDialog;
using quizfixture::valueOf;

namespace {

const QString SlotsSql = QStringLiteral("SELECT group_concat(DisplayOrder || CorrectOption || ChosenOption, ' ') FROM "
                                        "(SELECT * FROM QuestionSeq WHERE QuizID = 301 ORDER BY Slot)");

} // namespace

class tst_quizWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<lx::testing::ScriptedServices> scripted;
    std::unique_ptr<quizfixture::QuizWorld> world;
    std::unique_ptr<frmQuizGoThrough> browser;

    // Presses a quiz button and gives its window (null when none opened).
    frmQuiz* press(int n)
    {
        browser->press(n);
        return frmQuizGoThrough::window(n);
    }
    // Quiz 301 taken, shown and active, with the program's keyboard (null when it did not open).
    frmQuiz* shownWithKeyboard()
    {
        lx::installKeyboardRules();
        world->openStudentFile();
        frmQuiz* w = press(301);
        if (w) {
            w->show();
            QApplication::setActiveWindow(w);
        }
        return w;
    }
    void closeQuiz(int n)
    {
        if (frmQuiz* w = frmQuizGoThrough::window(n))
            w->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        scripted = std::make_unique<lx::testing::ScriptedServices>();
        world = std::make_unique<quizfixture::QuizWorld>();
        browser = std::make_unique<frmQuizGoThrough>();
    }
    void cleanup()
    {
        for (int n : frmQuizGoThrough::QuizNumbers)
            if (frmQuiz* w = frmQuizGoThrough::window(n))
                delete w;
        browser.reset();
        world.reset();
        scripted.reset();
    }

    void optionCancelledOpenThenDisable()
    {
        scripted->messages->msgsAnswers = {1, 3};
        scripted->files->answers = {QString()};
        QVERIFY(!quiz::QuizOption());
        QVERIFY(basGlobal::QuizFileConnection.isEmpty());
        QCOMPARE(scripted->files->openCalls.at(0).title, QStringLiteral("Open Quiz"));
        QCOMPARE(scripted->files->openCalls.at(0).filter, QStringLiteral("Database files (*.lxq)|*.lxq"));
        QCOMPARE(scripted->messages->msgsCalls.at(0).captions, (QStringList{"Open", "Create", "Disable", ""}));
    }

    void optionNotAQuizFile()
    {
        // The right password on a file without the quiz tables.
        const QString other = world->student.filePath(QStringLiteral("other.lxq"));
        quizfixture::packFixture(QStringLiteral("QuizResource"), QStringLiteral("tarvinduso"), other);
        scripted->messages->msgsAnswers = {1, 1, 3};
        scripted->files->answers = {other, world->student.filePath(QStringLiteral("missing.lxq"))};
        QVERIFY(!quiz::QuizOption());
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(2));
        QCOMPARE(scripted->messages->msgBoxCalls[0].text, QStringLiteral("The selected File is not a Quiz File.\rPlease select another file."));
        QCOMPARE(scripted->messages->msgBoxCalls[0].style, lx::vbCritical);
        QVERIFY(basGlobal::QuizFileConnection.isEmpty());
    }

    void optionRegistersIntoANewFileAndLogsInLater()
    {
        // Create: the working copy of the master opens in register mode.
        scripted->messages->msgsAnswers = {2, 2};   // Create; Save
        const QString target = world->student.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));
        scripted->files->answers = {target};
        onDialog([](dlgAddQuizInfo& d) {
            QVERIFY(!d.loginMode());
            QVERIFY(d.txtPasswordConfirm->isVisibleTo(&d));
            QTest::keyClick(d.txtLastName, Qt::Key_Return);   // Enter in a name box does nothing
            QVERIFY(d.isVisible());
            d.txtLastName->setText(QStringLiteral("Smith"));
            d.txtFirstName->setText(QStringLiteral("Ann"));
            d.txtPassword->setText(QStringLiteral("pw1"));
            d.txtPasswordConfirm->setText(QStringLiteral("pw2"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            QVERIFY(d.txtPassword->text().isEmpty());
            QVERIFY(d.txtPasswordConfirm->text().isEmpty());
            d.txtPassword->setText(QStringLiteral("pw1"));
            d.txtPasswordConfirm->setText(QStringLiteral("pw1"));
            QTest::keyClick(d.txtPasswordConfirm, Qt::Key_Return);   // Enter is OK
        });
        QVERIFY(quiz::QuizOption());
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(scripted->messages->msgBoxCalls.at(0).text, QStringLiteral("Password is not confirmed. Please re-enter"));
        QCOMPARE(scripted->messages->msgsCalls.at(1).message, QStringLiteral("User Name : Ann Smith\r\rRemember your Password?"));
        QCOMPARE(scripted->files->saveCalls.at(0).fileName, QStringLiteral("Quiz_SmithAnn.lxq"));
        QCOMPARE(scripted->files->saveCalls.at(0).filter, QStringLiteral("All Files (*.lxq)|*.lxq"));
        QCOMPARE(basGlobal::QuizFileConnection, quiz::QuizConnectionString(target));
        QCOMPARE(valueOf(QStringLiteral("SELECT UserFirstName FROM UserInfo")).toString(), QStringLiteral("Ann"));
        // The working copy stays unregistered.
        basGlobal::QuizFileConnection = quiz::QuizConnectionString(basGlobal::TempPath + QStringLiteral("QuizTemplate.lxq"));
        QCOMPARE(valueOf(QStringLiteral("SELECT UserLastName FROM UserInfo")).toString(), QString());

        // Open it again: login mode; a wrong password, then the right one. A copy a killed
        // save of it left goes on the open, another file's stays.
        const QString leftover = world->student.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.loamix-00000000k3j2h.tmp"));
        const QString othersLeftover = world->student.filePath(QStringLiteral(".Quiz_LeeBo.lxq.loamix-00000000k3j2h.tmp"));
        QVERIFY(QFile::copy(target, leftover) && QFile::copy(target, othersLeftover));
        scripted->messages->msgBoxCalls.clear();
        scripted->messages->msgsAnswers = {1, 1};   // Open; the welcome
        scripted->files->answers = {target};
        onDialog([](dlgAddQuizInfo& d) {
            QVERIFY(d.loginMode());
            QVERIFY(!d.txtPasswordConfirm->isVisibleTo(&d));
            QCOMPARE(d.txtLastName->text(), QStringLiteral("Smith"));
            QVERIFY(!d.txtLastName->isEnabled());
            d.txtPassword->setText(QStringLiteral("PW1"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            QVERIFY(d.txtPassword->text().isEmpty());
            QCOMPARE(d.txtFirstName->text(), QStringLiteral("Ann"));
            d.txtPassword->setText(QStringLiteral("pw1"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
        });
        QVERIFY(quiz::QuizOption());
        QCOMPARE(scripted->messages->msgBoxCalls.at(0).text, QStringLiteral("Password is not confirmed. Please re-enter"));
        QCOMPARE(scripted->messages->msgsCalls.back().message, QStringLiteral("Login SuccessFull.\r\rWelcome Ann Smith."));
        QCOMPARE(basGlobal::QuizFileConnection, quiz::QuizConnectionString(target));
        QVERIFY(!QFileInfo::exists(leftover));
        QVERIFY(QFileInfo::exists(othersLeftover));
    }

    void userDialogIsExposedAndPaintedOnEveryRoad()
    {
        // The dialog comes up from a nested loop of start-up; its window must reach the screen
        // and its captions be painted there, whether it registers or logs in.
        struct Road {
            const char* name;
            int choice;
            bool login;
        };
        for (const Road& road : {Road{"create", 2, false}, Road{"open a new copy", 1, false}, Road{"open to log in", 1, true}}) {
            const QString path = world->openStudentFile();
            QString why;
            if (road.login)
                QVERIFY(quiz::CreateQuizFile(path, path, QStringLiteral("Lee"), QStringLiteral("Bo"), QStringLiteral("x"), &why));
            scripted->messages->msgsCalls.clear();
            scripted->messages->msgsAnswers = {road.choice, 3};
            scripted->files->answers = {path};
            struct PaintSeen : QObject {
                QSet<QObject*> painted;
                bool eventFilter(QObject* watched, QEvent* event) override
                {
                    if (event->type() == QEvent::Paint)
                        painted.insert(watched);
                    return false;
                }
            } seen;
            qApp->installEventFilter(&seen);
            bool exposed = false, captionsPainted = false, loginMode = !road.login;
            onDialog([&](dlgAddQuizInfo& d) {
                exposed = QTest::qWaitForWindowExposed(&d);
                QList<QWidget*> captions = {d.Label2, d.Label3, d.lblPassword, d.OKButton, d.CancelButton};
                if (!road.login)
                    captions << d.lblPasswordConfirm;
                captionsPainted = QTest::qWaitFor([&] {
                    return std::all_of(captions.begin(), captions.end(), [&](QWidget* w) { return seen.painted.contains(w); });
                });
                loginMode = d.loginMode();
                QTest::mouseClick(d.CancelButton, Qt::LeftButton);
            });
            QVERIFY(!quiz::QuizOption());
            qApp->removeEventFilter(&seen);
            QVERIFY2(exposed, road.name);
            QVERIFY2(captionsPainted, road.name);
            QCOMPARE(loginMode, road.login);
        }
    }

    void optionLoginCancelledThenDisable()
    {
        const QString path = world->openStudentFile();
        QString why;
        QVERIFY(quiz::CreateQuizFile(path, path, QStringLiteral("Lee"), QStringLiteral("Bo"), QStringLiteral("x"), &why));
        scripted->messages->msgsAnswers = {1, 3};
        scripted->files->answers = {path};
        onDialog([](dlgAddQuizInfo& d) { QTest::mouseClick(d.CancelButton, Qt::LeftButton); });
        QVERIFY(!quiz::QuizOption());
        QVERIFY(basGlobal::QuizFileConnection.isEmpty());
    }

    void saveFailureKeepsTheDialogAndTheConnection()
    {
        // Create from a master that is gone: the message, the dialog stays, nothing changes.
        QFile::remove(world->install.filePath(QStringLiteral("QuizTemplate.lxq")));
        scripted->messages->msgsAnswers = {2, 2, 3};   // Create; Save; then Disable after Cancel
        scripted->files->answers = {world->student.filePath(QStringLiteral("new.lxq"))};
        onDialog([](dlgAddQuizInfo& d) {
            d.txtLastName->setText(QStringLiteral("Smith"));
            d.txtFirstName->setText(QStringLiteral("Ann"));
            d.txtPassword->setText(QStringLiteral("p"));
            d.txtPasswordConfirm->setText(QStringLiteral("p"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(basGlobal::QuizFileConnection,
                     quiz::QuizConnectionString(basGlobal::TempPath + QStringLiteral("QuizTemplate.lxq")));
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(!quiz::QuizOption());
        QVERIFY(scripted->messages->msgBoxCalls.at(0).text.startsWith(QStringLiteral("The quiz file could not be saved")));
        QVERIFY(!QFile::exists(world->student.filePath(QStringLiteral("new.lxq"))));
    }

    // Each quiz window as a screen reader meets it: the window has a name, each control Tab
    // stops at has one, and no two boxes share one.
    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"user information", "login", "take", "review", "browser", "score sheet"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void everyControlHasAName()
    {
        QFETCH(QString, kind);
        const QString path = world->openStudentFile();
        QString faults = QStringLiteral("no window");
        if (kind == u"user information" || kind == u"login") {
            QString why;
            if (kind == u"login")
                QVERIFY(quiz::CreateQuizFile(path, path, QStringLiteral("Lee"), QStringLiteral("Bo"), QStringLiteral("x"), &why));
            scripted->messages->msgsAnswers = {1, 3};
            scripted->files->answers = {path};
            onDialog([&](dlgAddQuizInfo& d) {
                faults = lx::testing::namingFaults(&d);
                QTest::mouseClick(d.CancelButton, Qt::LeftButton);
            });
            quiz::QuizOption();
        } else if (kind == u"browser") {
            browser->show();
            faults = lx::testing::namingFaults(browser.get());
        } else if (kind == u"score sheet") {
            frmQuizScoreSummary sheet;
            sheet.Form_Load();
            sheet.show();
            faults = lx::testing::namingFaults(&sheet);
        } else {
            scripted->random->values = {0.5f, 0.0f, 0.0f, 0.0f};
            frmQuiz* w = press(301);
            QVERIFY(w);
            if (kind == u"review") {
                scripted->messages->msgsAnswers = {1};
                QTest::mouseClick(w->lblDone, Qt::LeftButton);
            }
            faults = lx::testing::namingFaults(w);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    void takeSaveReviewRoundTrip()
    {
        world->openStudentFile();
        // start = Int(3 * .5) + 1 = 2; swaps with 0, 0, 0 give the order 2 0 1.
        scripted->random->values = {0.5f, 0.0f, 0.0f, 0.0f};
        frmQuiz* w = press(301);
        QVERIFY(w);
        QVERIFY(scripted->messages->msgsCalls.empty());   // a first attempt asks nothing
        QVERIFY(!browser->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Quiz - 301"));
        QCOMPARE(w->lblDone->text(), QStringLiteral("Save quiz and exit"));
        QCOMPARE(w->start(), 2);
        QCOMPARE(w->displayOrder(), (std::vector<int>{2, 0, 1}));
        QCOMPARE(w->key(0), 3);   // bank question 3
        QCOMPARE(w->key(1), 4);
        QCOMPARE(w->key(2), 2);
        QCOMPARE(w->topic(0), QStringLiteral("Topic3.htm"));
        QVERIFY(!w->lblPrevious->isEnabled());
        QVERIFY(w->lblNext->isEnabled());
        QVERIFY(!w->lblQuestion[3]->isVisibleTo(w));
        QCOMPARE(w->lblCover->geometry(), lx::twRect(1800, 180, 4320, 330));
        // Numbers outside 1..N are ignored.
        w->ShowQuestion(0);
        w->ShowQuestion(4);
        QCOMPARE(w->current(), 1);

        QTest::mouseClick(w->rtfAnsOption[2][0]->viewport(), Qt::LeftButton);   // C on question 1: right
        QVERIFY(w->OptAns[2][0]->isChecked());
        QTest::mouseClick(w->lblNext, Qt::LeftButton);
        QCOMPARE(w->lblQuestion[0]->palette().color(QPalette::Window), frmQuiz::Colours[1]);
        QTest::mouseClick(w->OptAns[0][1], Qt::LeftButton);                       // A on question 2: wrong
        QTest::mouseClick(w->lblNext, Qt::LeftButton);
        QVERIFY(!w->lblNext->isEnabled());
        QTest::mouseClick(w->OptAns[1][2], Qt::LeftButton);
        QTest::mouseClick(w->lblClearSelection, Qt::LeftButton);                  // question 3 left blank
        QVERIFY(!w->OptAns[1][2]->isChecked());
        QTest::mouseClick(w->lblReadTopic, Qt::LeftButton);
        QCOMPARE(scripted->help->shown.back().topic, QStringLiteral("html\\Topic2.htm"));

        scripted->messages->msgsAnswers = {1};   // Review
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QCOMPARE(scripted->messages->msgsCalls.back().title, QStringLiteral("Quiz - 301: Score"));
        QCOMPARE(scripted->messages->msgsCalls.back().message,
                 QStringLiteral("You have 1 correct answers for the attempted 2 out of 3 questions.\r\rDo you wish to review the Quiz?"));
        QCOMPARE(valueOf(SlotsSql).toString(), QStringLiteral("233 041 120"));
        QCOMPARE(valueOf(QStringLiteral("SELECT AttemptsUsed || ',' || LastStart || ',' || LastAttempted || ',' || CAST(LastCorrect AS INTEGER) "
                                        "FROM QuizInfo WHERE QuizID = 301")).toString(),
                 QStringLiteral("1,2,2,1"));
        // Review: the ticks beside the keys, the saved choices, nothing to change.
        QCOMPARE(w->windowTitle(), QStringLiteral("Quiz - 301: Score").chopped(7) + QStringLiteral(": Review"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->current(), 1);
        QCOMPARE(w->imgCorrectSign[0]->y(), lx::tw(3160 + 640 * 3));
        QVERIFY(w->OptAns[2][0]->isChecked());
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);   // nothing to change
        QVERIFY(w->OptAns[2][0]->isChecked() && !w->OptAns[0][0]->isChecked());
        QVERIFY(!w->lblSkipQuiz->isVisible());
        QVERIFY(w->lblReviewMode->isVisible());
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QCOMPARE(w->QuizID, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmQuizGoThrough::window(301));

        // Opened again: the retake prompt; Review rebuilds the same slots from the file.
        scripted->messages->msgsAnswers = {2};
        w = press(301);
        QVERIFY(w);
        QCOMPARE(scripted->messages->msgsCalls.back().message,
                 QStringLiteral("You have used ' 1 ' attempt out of ' 3 ' for this quiz.\rYour last score on this quiz was ' 2/6 '.\r\r"
                                "If you choose to 'Retake' the quiz, the scores will be updated to the latest but only when you complete it successfully."));
        QCOMPARE(scripted->messages->msgsCalls.back().captions, (QStringList{"Retake", "Review", "Close", ""}));
        QCOMPARE(w->lblDone->text(), QStringLiteral("Close Review"));
        QCOMPARE(w->displayOrder(), (std::vector<int>{2, 0, 1}));
        QCOMPARE(w->key(0), 3);
        QVERIFY(w->OptAns[0][1]->isChecked());
        QVERIFY(!w->OptAns[0][2]->isChecked() && !w->OptAns[1][2]->isChecked());
    }

    void usedUpQuizOffersReviewOrClose()
    {
        world->openStudentFile();
        const QString before = valueOf(SlotsSql).toString();
        scripted->messages->msgsAnswers = {2};   // Close
        QVERIFY(!press(302));
        QCOMPARE(scripted->messages->msgsCalls.back().message,
                 QStringLiteral("You have reached the maximum number of attempts for this quiz.\rYour latest score on this quiz is 2/6."
                                "\r\rDo you wish to review your last attemp of this quiz"));
        QCOMPARE(valueOf(SlotsSql).toString(), before);
        scripted->messages->msgsAnswers = {1};   // Review: stored out of Slot order, read by Slot
        frmQuiz* w = press(302);
        QVERIFY(w);
        QCOMPARE(w->displayOrder(), (std::vector<int>{2, 0, 1}));
        QCOMPARE(w->key(0), 3);
        QCOMPARE(w->key(2), 1);
        QVERIFY(w->OptAns[2][0]->isChecked());
        QVERIFY(w->OptAns[1][1]->isChecked());
        // It opens with the focus on a control of it, not on its frame.
        lx::installKeyboardRules();
        w->show();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            QSKIP("no active window on this platform");
        lx::testing::drain();
        QVERIFY2(lx::testing::reachable(w).contains(QApplication::focusWidget()), qPrintable(lx::testing::nameOf(QApplication::focusWidget())));
    }

    // The user dialog opens on its first box, and Tab goes down the frame's boxes to OK and
    // Cancel beneath it.
    void userDialogOpensOnItsFirstBoxAndTabsDownTheFrame()
    {
        lx::installKeyboardRules();
        dlgAddQuizInfo d;
        d.show();
        QApplication::setActiveWindow(&d);
        if (!QTest::qWaitForWindowActive(&d))
            QSKIP("no active window on this platform");
        lx::testing::drain();
        QCOMPARE(QApplication::focusWidget(), d.txtLastName);
        const QList<QWidget*> walk = lx::testing::tabWalkFrom(d.txtLastName);
        QCOMPARE(walk, (QList<QWidget*>{d.txtLastName, d.txtFirstName, d.txtPassword, d.txtPasswordConfirm, d.OKButton, d.CancelButton}));
    }

    void alreadyOpenAndPressByCode()
    {
        world->openStudentFile();
        QVERIFY(press(301));
        scripted->messages->msgBoxCalls.clear();
        browser->press(301);
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(scripted->messages->msgBoxCalls[0].text, QStringLiteral("Quiz 301 is already open."));
        QCOMPARE(scripted->messages->msgBoxCalls[0].title, QStringLiteral("Quiz 301"));
        // Through the frame's hook: the browser is made, not shown.
        basGlobal::InstallQuizHooks();
        basGlobal::PressQuizButton(100);
        QVERIFY(frmQuizGoThrough::window(100));
        QVERIFY(!lx::SingleInstance<frmQuizGoThrough>::get().isVisible());
        lx::SingleInstance<frmQuizGoThrough>::unload();
        QVERIFY(frmQuizGoThrough::window(100));   // quiz windows outlive the browser
        basGlobal::Hooks() = {};
    }

    // The calculator button, pressed by Enter as the program's keyboard has it, starts one
    // calculator and no second while that one runs; Tab walks the window in screen order.
    void theCalculatorByKeyboardAndTheTabWalk()
    {
        frmQuiz* w = shownWithKeyboard();
        QVERIFY(w);
        const QString walk = lx::testing::checkTabWalk(w);
        QVERIFY2(walk.isEmpty(), qPrintable(walk));
        const auto enterOnCalculator = [w] {
            w->imgCalc->setFocus();
            QTest::keyClick(w->imgCalc, Qt::Key_Return);
            QCoreApplication::processEvents();
        };
        enterOnCalculator();   // none on the path: nothing happens
        QVERIFY(scripted->launcher->started.empty());
        scripted->launcher->onPath = {QStringLiteral("xcalc")};
        enterOnCalculator();
        enterOnCalculator();
        QCOMPARE(scripted->launcher->started.size(), size_t(1));
        QCOMPARE(scripted->launcher->started[0].program, QStringLiteral("/usr/bin/xcalc"));
        scripted->launcher->ended.insert(1);   // the student closed it
        enterOnCalculator();
        QCOMPARE(scripted->launcher->started.size(), size_t(2));
    }

    // The question numbers are Tab stops that Space and Enter press; every button of the
    // window, flat as they are, shows where the focus is.
    void theQuestionNumbersAndAFocusMarkByKeyboard()
    {
        frmQuiz* w = shownWithKeyboard();
        QVERIFY(w);
        const QList<QWidget*> stops = lx::tabStops(w);
        for (int i = 0; i < w->questionsAsked(); ++i)
            QVERIFY2(stops.contains(w->lblQuestion[size_t(i)]), qPrintable(w->lblQuestion[size_t(i)]->toolTip()));
        QVERIFY(!stops.contains(w->lblQuestion[3]));   // beyond the quiz's three
        w->lblQuestion[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->lblQuestion[1], Qt::Key_Space);
        QCOMPARE(w->current(), 2);
        w->lblQuestion[2]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->lblQuestion[2], Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(w->current(), 3);
        QCOMPARE(w->lblQuestion[2]->palette().color(QPalette::Button), frmQuiz::Colours[2]);

        int buttons = 0;
        for (QWidget* stop : lx::tabStops(w)) {
            auto* button = qobject_cast<QPushButton*>(stop);
            if (!button)
                continue;
            ++buttons;
            w->lblQuestion[0]->setFocus(Qt::TabFocusReason);
            if (button == w->lblQuestion[0])
                w->lblQuestion[1]->setFocus(Qt::TabFocusReason);
            const QImage unfocused = button->grab().toImage();
            button->setFocus(Qt::TabFocusReason);
            QVERIFY(button->hasFocus());
            QVERIFY2(button->grab().toImage() != unfocused, qPrintable(button->accessibleName() + button->text()));
        }
        QCOMPARE(buttons, 3 + 6);   // the numbers, Previous, Next, Clear Selection, Read Topic, Skip Quiz and Done, the calculator
    }

    // The review keeps the saved choices but stays in reach: the question, each answer and
    // each option are Tab stops a screen reader reads, and the right answer says so.
    void theReviewIsReadableAndKeepsTheSavedChoices()
    {
        lx::installKeyboardRules();
        world->openStudentFile();
        scripted->random->values = {0.5f, 0.0f, 0.0f, 0.0f};
        frmQuiz* w = press(301);
        QVERIFY(w);
        QTest::mouseClick(w->OptAns[2][0], Qt::LeftButton);
        scripted->messages->msgsAnswers = {1};   // Review
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QApplication::setActiveWindow(w);
        QVERIFY(w->fraQuestion[0]->isEnabled());
        const QList<QWidget*> stops = lx::tabStops(w);
        QVERIFY(stops.contains(w->rtfQuestionBox[0]));
        for (int o = 0; o < 4; ++o) {
            QVERIFY(stops.contains(w->rtfAnsOption[size_t(o)][0]));
            QVERIFY(stops.contains(w->OptAns[size_t(o)][0]));
        }
        QVERIFY(w->rtfQuestionBox[0]->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        // Mouse, keys, an answer's text and an assistive technology's press change nothing.
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);
        QTest::mouseClick(w->OptAns[2][0], Qt::LeftButton);
        w->OptAns[1][0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->OptAns[1][0], Qt::Key_Space);
        QTest::keyClick(w->OptAns[1][0], Qt::Key_Down);
        QTest::mouseClick(w->rtfAnsOption[3][0]->viewport(), Qt::LeftButton);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w->OptAns[0][0]);
        QVERIFY(reader->actionInterface());
        reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (int o = 0; o < 4; ++o)
            QCOMPARE(w->OptAns[size_t(o)][0]->isChecked(), o == 2);
        QCOMPARE(w->key(0), 3);
        QCOMPARE(lx::testing::accessibleText(w->OptAns[2][0], QAccessible::Description), QStringLiteral("Right answer"));
        QVERIFY(lx::testing::accessibleText(w->OptAns[0][0], QAccessible::Description).isEmpty());
        QCOMPARE(lx::testing::accessibleText(w->OptAns[0][0]), QStringLiteral("a: three a"));   // its answer's text
    }

    void skipAndStartupGuidance()
    {
        world->openStudentFile();
        basGlobal::StartupQuizPending = true;
        frmQuiz* w = press(301);
        QVERIFY(w);
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);
        scripted->messages->msgBoxAnswers = {lx::vbYes};
        scripted->messages->msgsAnswers = {1};
        QTest::mouseClick(w->lblSkipQuiz, Qt::LeftButton);
        QCOMPARE(scripted->messages->msgBoxCalls.back().title, QStringLiteral("Skip Quiz - 301"));
        QCOMPARE(scripted->messages->msgsCalls.back().title, QStringLiteral("Loa-mix"));
        QVERIFY(!basGlobal::StartupQuizPending);
        QCOMPARE(valueOf(QStringLiteral("SELECT AttemptsUsed FROM QuizInfo WHERE QuizID = 301")).toInt(), 0);
        // A fresh press starts from the design state.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        scripted->random->values = {0.5f, 0.0f, 0.0f, 0.0f};
        w = press(301);
        QVERIFY(w && !w->OptAns[0][0]->isChecked());
    }

    void failedSaveKeepsTheAnswersAndTheFile()
    {
        world->openStudentFile();
        frmQuiz* w = press(301);
        QVERIFY(w);
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);
        {
            lx::Connection c;
            c.Open(basGlobal::QuizFileConnection);
            c.ExecuteNonQuery(QStringLiteral("CREATE TRIGGER full BEFORE UPDATE ON QuizInfo BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        }
        const QString before = valueOf(SlotsSql).toString();
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QVERIFY(scripted->messages->msgBoxCalls.back().text.startsWith(QStringLiteral("Your attempt could not be saved; your quiz file is unchanged.")));
        QCOMPARE(valueOf(SlotsSql).toString(), before);
        QVERIFY(w->isVisible());
        QCOMPARE(w->mode(), int(frmQuiz::Take));
        QVERIFY(w->OptAns[0][0]->isChecked());
    }

    // The quiz file moved, or its folder deleted, while its quiz is open: the save says so.
    void aQuizFileMovedOrDeletedMidQuizSaysSo_data()
    {
        QTest::addColumn<bool>("folderDeleted");
        QTest::newRow("moved") << false;
        QTest::newRow("folder deleted") << true;
    }
    void aQuizFileMovedOrDeletedMidQuizSaysSo()
    {
        QFETCH(bool, folderDeleted);
        QVERIFY(QDir(world->student.path()).mkpath(QStringLiteral("term")));
        const QString path = world->openStudentFile(QStringLiteral("term/mine.lxq"));
        frmQuiz* w = press(301);
        QVERIFY(w);
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);
        if (folderDeleted)
            QVERIFY(QDir(world->student.filePath(QStringLiteral("term"))).removeRecursively());
        else
            QVERIFY(QFile::rename(path, world->student.filePath(QStringLiteral("moved.lxq"))));
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QCOMPARE(scripted->messages->msgBoxCalls.back().text,
                 QStringLiteral("Your attempt could not be saved; your quiz file is unchanged.\r\r'%1' was moved or deleted, or its folder "
                                "was, while it was open. Open the quiz file again from where it is now.")
                     .arg(path));
        QVERIFY(w->isVisible());
    }

    void untakeableQuizzesSayWhyAndClose_data()
    {
        QTest::addColumn<int>("quiz");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("change");   // made to the quiz file before the quiz is opened
        QTest::newRow("bank smaller") << 201 << QList<int>{} << QStringLiteral("more than the 2 questions in its bank")
                                      << QStringLiteral("UPDATE QuizInfo SET BankSize = 2 WHERE QuizID = 201");
        // Before the box on the attempts used, which 302 would otherwise show.
        QTest::newRow("start beyond the bank") << 302 << QList<int>{}
                                               << QStringLiteral("Your quiz file's row for it is damaged: The first question of the last "
                                                                 "attempt is 7, more than the 4 questions in its bank.")
                                               << QStringLiteral("UPDATE QuizInfo SET LastStart = 7 WHERE QuizID = 302");
        QTest::newRow("emptied") << 301 << QList<int>{} << QStringLiteral("is damaged or is not a quiz file.")
                                 << QStringLiteral("DROP TABLE QuizInfo");
        QTest::newRow("no questions") << 202 << QList<int>{} << QStringLiteral("It asks 0 questions") << QString();
        QTest::newRow("nothing to review") << 203 << QList<int>{1} << QStringLiteral("no saved attempt") << QString();
        QTest::newRow("no row") << 502 << QList<int>{} << QStringLiteral("no row") << QString();
    }
    void untakeableQuizzesSayWhyAndClose()
    {
        QFETCH(int, quiz);
        QFETCH(QList<int>, answers);
        QFETCH(QString, why);
        QFETCH(QString, change);
        world->openStudentFile();
        if (!change.isEmpty()) {
            lx::Connection c;
            c.Open(basGlobal::QuizFileConnection);
            c.ExecuteNonQuery(change);
        }
        for (int a : answers)
            scripted->messages->msgsAnswers.push_back(a);
        QVERIFY(!press(quiz));
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY2(scripted->messages->msgBoxCalls[0].text.contains(why), qPrintable(scripted->messages->msgBoxCalls[0].text));
        QVERIFY(scripted->messages->msgBoxCalls[0].text.startsWith(QStringLiteral("Quiz %1 cannot be opened.").arg(quiz)));
    }

    void scoreSheetShowsTheFile()
    {
        world->openStudentFile();
        frmQuizScoreSummary sheet;
        QVERIFY(sheet.Form_Load());
        QCOMPARE(sheet.lblQuizID[6]->text(), QStringLiteral("211"));
        QCOMPARE(sheet.lblScore[6]->text(), QStringLiteral(" .8 / 1"));
        QCOMPARE(sheet.lblAsked[10]->text(), QStringLiteral("3"));    // 301
        QCOMPARE(sheet.lblScore[10]->text(), QStringLiteral(" 0 / 6"));
        // 300 is not in this file: no design counts stand in for it.
        for (auto* column : {&sheet.lblAsked, &sheet.lblAttempted, &sheet.lblCorrect, &sheet.lblScore})
            QCOMPARE((*column)[9]->text(), QStringLiteral("-"));
        QCOMPARE(sheet.lblFinalScore->text(), QStringLiteral("Final Score =  2.8 / 21"));
        QCOMPARE(sheet.lblHeadingName->text(), QStringLiteral("User's Name"));
        QVERIFY(scripted->messages->msgBoxCalls.empty());
        QCOMPARE(valueOf(QStringLiteral("SELECT TotalMaxScore FROM UserInfo")).toInt(), 21);
    }

    void scoreSheetOfAFileThatCannotBeWritten()
    {
        world->openStudentFile();
        frmQuizScoreSummary sheet;
        bool loaded = false;
        // A full disk (the same for a read-only file or folder): the totals cannot be written.
        lx::testing::withSmallFileLimit([&] { loaded = sheet.Form_Load(); });
        QVERIFY(loaded);
        QVERIFY(scripted->messages->msgBoxCalls.empty());
        QCOMPARE(sheet.lblScore[6]->text(), QStringLiteral(" .8 / 1"));
        QCOMPARE(sheet.lblFinalScore->text(), QStringLiteral("Final Score =  2.8 / 21"));
        QCOMPARE(valueOf(QStringLiteral("SELECT TotalMaxScore FROM UserInfo")).toInt(), 0);
    }

    void aRowWithNumbersNoQuizHoldsIsRefusedWithItsNumber()
    {
        world->openStudentFile();
        {
            lx::Connection c;
            c.Open(basGlobal::QuizFileConnection);
            c.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET QuestionsAsked = 3567587328 WHERE QuizID = 301"));
            c.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET MarksPerQuestion = 200000000 WHERE QuizID = 302"));
        }
        QVERIFY(!press(301));
        QCOMPARE(scripted->messages->msgBoxCalls.at(0).text,
                 QStringLiteral("Quiz 301 cannot be opened.\r\rYour quiz file's row for it is damaged: "
                                "The number of questions asked is 3567587328; a quiz allows whole numbers from 0 to 10."));
        scripted->messages->msgBoxCalls.clear();
        frmQuizScoreSummary sheet;
        QVERIFY(sheet.Form_Load());
        QCOMPARE(sheet.lblScore[10]->text(), QStringLiteral("-"));
        QCOMPARE(sheet.lblScore[11]->text(), QStringLiteral("-"));
        QCOMPARE(sheet.lblFinalScore->text(), QStringLiteral("Final Score =  .8 / 9"));
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        const QString text = scripted->messages->msgBoxCalls[0].text;
        QVERIFY2(text.contains(QStringLiteral("Quiz 301: The number of questions asked is 3567587328;")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Quiz 302: The number of marks per question is 200000000;")), qPrintable(text));
    }

    void aDamagedFileIsNamedAsSuch()
    {
        const QString path = world->openStudentFile();
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(3000, 'x'));
        f.close();
        const QString damaged = QStringLiteral("'%1' is damaged or is not a quiz file.").arg(path);
        QVERIFY(!press(301));
        QCOMPARE(scripted->messages->msgBoxCalls.at(0).text, QStringLiteral("Quiz 301 cannot be opened.\r\r") + damaged);
        frmQuizScoreSummary sheet;
        QVERIFY(!sheet.Form_Load());
        QCOMPARE(scripted->messages->msgBoxCalls.at(1).text, QStringLiteral("The score sheet could not read your quiz file.\r\r") + damaged);
    }

    void aSaveAfterTheLastAttemptWasUsedElsewhereIsRefused()
    {
        world->openStudentFile();
        lx::Connection other;
        other.Open(basGlobal::QuizFileConnection);
        other.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET AttemptsUsed = 2 WHERE QuizID = 301"));
        scripted->messages->msgsAnswers = {1};   // Retake
        QPointer<frmQuiz> w = press(301);
        QVERIFY(w);
        QTest::mouseClick(w->OptAns[0][0], Qt::LeftButton);
        // Meanwhile another instance on the same file saves the last attempt.
        other.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET AttemptsUsed = 3 WHERE QuizID = 301"));
        const QString before = valueOf(SlotsSql).toString();
        QTest::mouseClick(w->lblDone, Qt::LeftButton);
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY2(scripted->messages->msgBoxCalls[0].text.startsWith(
                     QStringLiteral("Your attempt could not be saved: all 3 attempts of this quiz have been used meanwhile")),
                 qPrintable(scripted->messages->msgBoxCalls[0].text));
        QCOMPARE(valueOf(QStringLiteral("SELECT AttemptsUsed FROM QuizInfo WHERE QuizID = 301")).toInt(), 3);
        QCOMPARE(valueOf(SlotsSql).toString(), before);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
    }

    void aFileThatCannotBeSavedIsToldWhenOpened()
    {
        const QString path = world->openStudentFile();
        QString why;
        QVERIFY(quiz::CreateQuizFile(path, path, QStringLiteral("Lee"), QStringLiteral("Bo"), QStringLiteral("x"), &why));
        scripted->messages->msgsAnswers = {1, 1};   // Open; the welcome
        scripted->files->answers = {path};
        onDialog([](dlgAddQuizInfo& d) {
            d.txtPassword->setText(QStringLiteral("x"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
        });
        bool open = false;
        lx::testing::withSmallFileLimit([&] { open = quiz::QuizOption(); });
        QVERIFY(open);
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
        const QString text = scripted->messages->msgBoxCalls[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Your quiz file cannot be written:\r") + path), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("attempts will not be saved")), qPrintable(text));
    }
};

QTEST_MAIN(tst_quizWindows)
#include "tst_quizWindows.moc"
