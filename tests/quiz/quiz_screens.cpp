// Shows one quiz window on the small test files, for looking at it in a real window:
//   quiz_screens dialog|take|review|score|browser [QUIZ [INSTALL]]
// With an install folder, its quiz files are used instead (a copy of its master file).
#include "QuizFixture.h"
#include "platform/Keyboard.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/dlgAddQuizInfo.h"
#include "quiz/frmQuiz.h"
#include "quiz/frmQuizGoThrough.h"
#include "quiz/frmQuizScoreSummary.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    basGlobal::InstallFontSubstitutions();
    // The keyboard as in the program.
    lx::installKeyboardRules();
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("take");
    lx::testing::ScriptedServices scripted;
    quizfixture::QuizWorld world;
    const int quizId = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 301;
    if (argc > 3) {
        const QString install = QString::fromLocal8Bit(argv[3]);
        lx::setInstallDir(install);
        QFile::remove(world.temp.filePath(QStringLiteral("QuizResource.lxr")));
        QFile::copy(install + QStringLiteral("/Resources/QuizResource.lxr"), world.temp.filePath(QStringLiteral("QuizResource.lxr")));
        const QString mine = world.student.filePath(QStringLiteral("mine.lxq"));
        QFile::copy(install + QStringLiteral("/QuizTemplate.lxq"), mine);
        QFile::setPermissions(mine, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        basGlobal::QuizFileConnection = quiz::QuizConnectionString(mine);
    } else {
        world.openStudentFile();
    }
    dlgAddQuizInfo dialog;
    frmQuizScoreSummary sheet;
    frmQuizGoThrough browser;
    scripted.random->values = {0.5f, 0.0f, 0.0f, 0.0f};
    if (what == QLatin1String("dialog")) {
        dialog.txtLastName->setText(QStringLiteral("Smith"));
        dialog.txtFirstName->setText(QStringLiteral("Ann"));
        dialog.txtPassword->setText(QStringLiteral("secret"));
        dialog.show();
    } else if (what == QLatin1String("score")) {
        sheet.Form_Load();
        sheet.show();
    } else if (what == QLatin1String("browser")) {
        browser.show();
    } else {
        browser.press(quizId);
        frmQuiz* w = frmQuizGoThrough::window(quizId);
        if (!w) {
            for (const auto& call : scripted.messages->msgBoxCalls)
                qWarning("%s", qPrintable(call.text));
            return 1;
        }
        w->OptAns[2][0]->setChecked(true);
        if (what == QLatin1String("review")) {
            scripted.messages->msgsAnswers = {1};
            w->lblDone_Click();
        }
    }
    return app.exec();
}
