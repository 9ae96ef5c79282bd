#pragma once
// The question banks of the quizzes: their readable sources (data/quiz/QuizNNN.txt), the
// rules a bank must keep for the quiz window's parser, and the question files written from
// them (Resources/QuizNNN.rtf).
//
// A source holds a few header lines and then one block per question:
//
//     # a comment
//     Asked: 10          questions per attempt (QuizInfo QuestionsAsked)
//     Attempts: 3        attempts allowed (QuizInfo MaxAttempts)
//     Marks: 1           marks per question (QuizInfo MarksPerQuestion)
//
//     Q: The question text.
//     A: option A
//     B: option B
//     C: option C
//     D: option D
//     Key: B
//     Topic: PageName.htm      a help page under Help/html
//
// The parser of a question file finds the options by the markers "A:" to "D:" and the topic
// by "Help File:" (whole words, in any letter case) and the end of the topic by ".htm"
// (anywhere), then skips three characters to the next question. The texts must therefore
// hold none of those, and the file ends each topic line with exactly three characters of the
// rich-text box's own text: the line's paragraph end and two empty paragraphs.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace lx {
class RichText;
}

namespace quizbank {

// The quizzes that have a bank, in QuizID order.
inline constexpr std::array<int, 14> QuizNumbers = {100, 200, 201, 202, 203, 300, 301, 302, 400, 401, 402, 500, 501, 502};
inline constexpr int MaxQuestionsAsked = 10; // the quiz window has ten slots

struct Question {
    QString text;
    std::array<QString, 4> options; // without their markers
    int key = 0;                    // 1 to 4 for A to D
    QString topic;                  // help page name, ending in ".htm"
    int line = 0;                   // line of "Q:" in the source
};

struct Bank {
    int quizId = 0;
    int asked = 0;
    int attempts = 0;
    int marks = 0;
    std::vector<Question> questions;
};

// Reads a source; the quiz number comes from the file name ("Quiz301.txt"). Every problem
// (of the layout or of the rules below) is added to errors as "name:line: what".
Bank readSource(const QString& text, const QString& name, QStringList* errors);
Bank readSourceFile(const QString& path, QStringList* errors);

// The rules of the parser and of QuizInfo: each problem as "name:line: what". Needs a
// QGuiApplication (the texts are searched as the rich-text box searches them).
QStringList checkBank(const Bank& bank, const QString& name);

// The question file of a bank, in the marker layout.
QByteArray bankRtf(const Bank& bank);

// One question as the quiz window cuts it out of the box holding the question file: the
// question text, the four option texts (each beginning with its marker) and the topic.
struct CutQuestion {
    QString text;
    std::array<QString, 4> options;
    QString topic;
};

// Cuts all bankSize questions out of the buffer, each stretch copied as rich text into a box
// of its own and read back as that box's text. Fails (false, the reason in error) when a
// marker is missing or a ".htm" comes before a question's topic. end, when given, receives the
// position after the last question's separator, where the parser would stop.
bool cutBank(lx::RichText& buffer, int bankSize, std::vector<CutQuestion>* questions, QString* error,
             int* end = nullptr);

// Reads the question file back as the quiz window does and compares every question with the
// bank: no character lost or added at a marker or a separator, and nothing after the last.
QStringList checkRtf(const Bank& bank, const QByteArray& rtf, const QString& name);

} // namespace quizbank
