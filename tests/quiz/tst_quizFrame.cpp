// The quiz as the frame reaches it: start-up's quiz question with a new file registered,
// quiz 100 opened by the press, the guidance when it closes, and the Quiz menu's score
// sheet and browser.
#include "../app/FrameFixture.h"
#include "DataPacker.h"
#include "DialogDriver.h"
#include "QuizFixture.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/FormRegistry.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/QuizFile.h"
#include "quiz/dlgAddQuizInfo.h"
#include "quiz/frmQuiz.h"
#include "quiz/frmQuizGoThrough.h"
#include "quiz/frmQuizScoreSummary.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace basGlobal;

class tst_quizFrame : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        delete MainForm.data();
        Hooks() = {};
        QuizFileConnection.clear();
        StartupQuizPending = false;
    }

    void startupRegistersOpensQuiz100AndTheMenuReachesTheSheets()
    {
        fixture::InstallTree tree;
        QFile::remove(tree.sourceOf(QStringLiteral("QuizTemplate.lxq")));
        quizfixture::packFixture(QStringLiteral("QuizFile"), QStringLiteral("tarvinduso"), tree.sourceOf(QStringLiteral("QuizTemplate.lxq")));
        QFile::remove(tree.sourceOf(QStringLiteral("QuizResource.lxr")));
        quizfixture::packFixture(QStringLiteral("QuizResource"), QStringLiteral("mobkel"), tree.sourceOf(QStringLiteral("QuizResource.lxr")));
        QVERIFY(QFile::copy(quizfixture::fixtures() + QStringLiteral("/Bank4.rtf"), tree.install.filePath(QStringLiteral("Resources/Quiz100.rtf"))));
        QTemporaryDir student;
        const QString mine = student.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));

        lx::testing::ScriptedServices s;
        s.messages->msgsAnswers = {2, 2};   // Create; Save
        s.files->answers = {mine};
        quizfixture::onDialog([](dlgAddQuizInfo& dialog) {
            dlgAddQuizInfo* d = &dialog;
            d->txtLastName->setText(QStringLiteral("Smith"));
            d->txtFirstName->setText(QStringLiteral("Ann"));
            d->txtPassword->setText(QStringLiteral("pw"));
            d->txtPasswordConfirm->setText(QStringLiteral("pw"));
            QTest::mouseClick(d->OKButton, Qt::LeftButton);
        });
        InstallQuizHooks();
        QCOMPARE(StartUp(), 0);

        QCOMPARE(QuizFileConnection, quiz::QuizConnectionString(mine));
        frmQuiz* quiz100 = frmQuizGoThrough::window(100);
        QVERIFY(quiz100);
        QVERIFY(qobject_cast<QMdiSubWindow*>(quiz100->parentWidget()));
        QVERIFY(quiz100->isVisible());
        QVERIFY(!lx::SingleInstance<frmQuizGoThrough>::get().isVisible());
        QVERIFY(!MainForm->mnuQuizOpen->isEnabled());
        QVERIFY(StartupQuizPending);

        // The first quiz to close gives the guidance once.
        s.messages->msgsAnswers = {1};
        quiz100->Unload();
        QCOMPARE(s.messages->msgsCalls.back().title, QStringLiteral("Loa-mix"));
        QVERIFY(!StartupQuizPending);

        MainForm->mnuScore->trigger();
        QVERIFY(lx::SingleInstance<frmQuizScoreSummary>::exists());
        frmQuizScoreSummary& sheet = lx::SingleInstance<frmQuizScoreSummary>::get();
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.lblHeadingName->text(), QStringLiteral("User's Name: Ann Smith"));

        MainForm->mnuQuizBrowser->trigger();
        frmQuizGoThrough& browser = lx::SingleInstance<frmQuizGoThrough>::get();
        QVERIFY(browser.isVisible());
        QVERIFY(qobject_cast<QMdiSubWindow*>(browser.parentWidget()));
        QCOMPARE(browser.button(502)->text(), QStringLiteral("Quiz 502"));
        QCOMPARE(browser.button(502)->toolTip(), QStringLiteral("Quiz 502"));
    }
};

QTEST_MAIN(tst_quizFrame)
#include "tst_quizFrame.moc"
