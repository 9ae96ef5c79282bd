// Opening a quiz window on a bank of 60 questions (bank read, question order, first question
// shown) and saving an attempt of ten, on the small test quiz file grown to that bank.
#include "../tests/quiz/QuizFixture.h"
#include "BenchmarkSupport.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/frmQuiz.h"
#include "quiz/frmQuizGoThrough.h"

#include <QApplication>
#include <QRadioButton>

namespace {

constexpr int Bank = 60;
constexpr int Asked = 10;

QByteArray bankRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n\\pard\\f0\\fs20 ";
    for (int q = 1; q <= Bank; ++q) {
        const QByteArray n = QByteArray::number(q);
        rtf += "{\\b " + n + ".} Which statement about soil " + n + " holds for {\\i drained} loading?\\par\n";
        for (const char* m : {"A", "B", "C", "D"})
            rtf += QByteArray(m) + ": option " + m + " of question " + n + ", a plausible answer\\par\n";
        rtf += "Help File:Topic" + n + ".htm\\par\n\\par\n\\par\n";
    }
    return rtf + "}\n";
}

struct BigQuiz {
    lx::testing::ScriptedServices scripted;
    quizfixture::QuizWorld world;
    frmQuizGoThrough browser;

    BigQuiz()
    {
        world.openStudentFile();
        QFile f(world.install.filePath(QStringLiteral("Resources/Quiz301.rtf")));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bankRtf());
        f.close();
        lx::Connection score;
        score.Open(basGlobal::QuizFileConnection);
        score.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET BankSize = ?, QuestionsAsked = ?, MaxAttempts = 1000000000 WHERE QuizID = 301"),
                              {Bank, Asked});
        for (int s = 3; s < Asked; ++s)
            score.ExecuteNonQuery(QStringLiteral("INSERT INTO QuestionSeq VALUES (301, ?, ?, 0, 0)"), {s, s});
        lx::Connection resource;
        resource.Open(basGlobal::QuizResourceConnection);
        for (int q = 5; q <= Bank; ++q)
            resource.ExecuteNonQuery(QStringLiteral("INSERT INTO AnswerKey VALUES (301, ?, ?)"), {q, (q % 4) + 1});
    }
};

void BM_OpenQuizAndSaveAttempt(benchmark::State& state)
{
    BigQuiz quiz;
    for (auto _ : state) {
        // A retake after the first save: "Retake" at the prompt.
        quiz.scripted.messages->msgsAnswers = {1, 2};
        quiz.browser.press(301);
        frmQuiz* w = frmQuizGoThrough::window(301);
        if (!w) {
            state.SkipWithError("the quiz did not open");
            return;
        }
        w->OptAns[0][0]->setChecked(true);
        w->lblDone_Click();   // saved, then "Close"
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        quiz.scripted.messages->msgsCalls.clear();
    }
}
BENCHMARK(BM_OpenQuizAndSaveAttempt)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
