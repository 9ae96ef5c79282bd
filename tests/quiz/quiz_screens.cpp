// Shows one quiz window on the small test files, for looking at it in a real window:
//   quiz_screens dialog|take|review|score
#include "QuizFixture.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/dlgAddQuizInfo.h"
#include "quiz/frmQuiz.h"
#include "quiz/frmQuizGoThrough.h"
#include "quiz/frmQuizScoreSummary.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    basGlobal::InstallFontSubstitutions();
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("take");
    lx::testing::ScriptedServices scripted;
    quizfixture::QuizWorld world;
    world.openStudentFile();
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
        browser.press(301);
        frmQuiz* w = frmQuizGoThrough::window(301);
        w->OptAns[2][0]->setChecked(true);
        if (what == QLatin1String("review")) {
            scripted.messages->msgsAnswers = {1};
            w->lblDone_Click();
        }
    }
    return app.exec();
}
