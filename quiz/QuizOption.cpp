#include "QuizOption.h"

#include "QuizFile.h"
#include "dlgAddQuizInfo.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/Database.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "platform/TerminationSignals.h"

#include <QDir>

namespace quiz {

bool QuizOption()
{
    bool result = false;
    int choice = 1;
    // A termination request ends the question: nothing more is asked or opened.
    while (!result && choice != 3 && !lx::terminationRequested()) {
        choice = lx::messages().msgs(
            3, QStringLiteral("Quiz Option"),
            QStringLiteral("Open your Quiz Score file to enable the Quiz\r\r"
                           "-'Open' the [ *.lxq ] file previously saved by you\r"
                           "-'Create' new file and save it for future use\r"
                           "-'Disable' the quiz to remove quiz option."),
            {QStringLiteral("Open"), QStringLiteral("Create"), QStringLiteral("Disable"), QString()});
        if (choice == 3 || lx::terminationRequested())
            break;
        QString file;
        if (choice == 2) {
            file = basGlobal::TempPath + QStringLiteral("QuizTemplate.lxq");
        } else {
            lx::FileDialogRequest request;
            request.title = QStringLiteral("Open Quiz");
            request.filter = QStringLiteral("Database files (*.lxq)|*.lxq");
            file = lx::fileDialogs().openFile(request);
        }
        if (file.isEmpty())
            continue;
        // A save of this file that was killed may have left a copy of it (name and password
        // included) beside it.
        lx::removeLeftoverCopies(file);
        basGlobal::QuizFileConnection = QuizConnectionString(file);
        // The right password on a file without the quiz tables is no quiz file either.
        if (IsQuizFile(basGlobal::QuizFileConnection)) {
            try {
                dlgAddQuizInfo dialog(basGlobal::MainForm.data());
                result = dialog.QuizUser();
            } catch (...) {
                result = false;
            }
        } else {
            lx::messages().msgBox(QStringLiteral("The selected File is not a Quiz File.\rPlease select another file."),
                                  lx::vbOKOnly | lx::vbCritical, basGlobal::AppTitle);
        }
    }
    if (!result) {
        basGlobal::QuizFileConnection.clear();
        return false;
    }
    // Said now, before a quiz is taken, not when its attempt is refused.
    if (QString why; !CanSaveToQuizFile(basGlobal::QuizFileConnection, &why))
        lx::messages().msgBox(QStringLiteral("Your quiz file cannot be written:\r")
                                  + QDir::toNativeSeparators(lx::ConnectionString::parse(basGlobal::QuizFileConnection).path)
                                  + QStringLiteral("\r\r(") + why
                                  + QStringLiteral(")\r\rYou can take the quizzes, but your attempts will not be saved. To keep them, "
                                                   "copy the file to a folder you can write to and open it from there."),
                              lx::vbOKOnly | lx::vbExclamation, basGlobal::AppTitle);
    return true;
}

} // namespace quiz
