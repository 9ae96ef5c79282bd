// The quiz's entries in the frame's hooks.
#include "QuizOption.h"
#include "frmQuizGoThrough.h"
#include "frmQuizScoreSummary.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"

namespace basGlobal {

void InstallQuizHooks()
{
    SubsystemHooks& hooks = Hooks();
    hooks.quizOption = [] { return quiz::QuizOption(); };
    // A press loads the browser without showing it.
    hooks.pressQuizButton = [](int n) { lx::SingleInstance<frmQuizGoThrough>::get().press(n); };
    hooks.showQuizBrowser = [] { lx::SingleInstance<frmQuizGoThrough>::get().showModeless(); };
    hooks.showScoreSummary = [] {
        // Each open reads the file afresh.
        lx::SingleInstance<frmQuizScoreSummary>::unload();
        frmQuizScoreSummary& sheet = lx::SingleInstance<frmQuizScoreSummary>::get();
        if (sheet.Form_Load())
            sheet.showModeless();
        else
            lx::SingleInstance<frmQuizScoreSummary>::unload();
    };
}

} // namespace basGlobal
