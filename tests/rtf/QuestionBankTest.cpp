// A question bank read the way the quiz window reads it: the file loaded whole into a hidden
// box, markers found by position, each stretch taken as RTF into a box of its own, the help
// topic read as plain text after "Help File:" up to ".htm", and three separator characters
// skipped after every question.
#include "RtfTestSupport.h"
#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include <array>
#include <memory>
#include <vector>

using namespace lx;
using namespace rtftest;

namespace {

// Four questions as a word processor saves them: every line a paragraph, the help line
// followed by two empty paragraphs, so ".htm" is followed by exactly three characters
// (its own paragraph end and two more) before the next question.
const char* const QuestionFile =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red192\\green0\\blue0;}\r\n"
    "{\\*\\generator Riched20 5.50.99.2014;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
    // 1
    "{\\b 1.} During drained shearing a {\\i dense} sand\\par\r\n"
    "A: contracts throughout\\par\r\n"
    "B: first contracts, then dilates\\par\r\n"
    "C: keeps its volume\\par\r\n"
    "D: dilates, then contracts\\par\r\n"
    "Help File:LabTests_TestTypeTriaxial_CD.htm\\par\r\n\\par\r\n\\par\r\n"
    // 2: markers inside words ("DATA:", "SPEC:") are no markers
    "{\\b 2.} Which DATA: column holds the SPEC: reading?\\par\r\n"
    "A: the first\\par\r\nB: the second\\par\r\nC: the third\\par\r\nD: none\\par\r\n"
    "help file:Quiz\\\\ColumnData.HTM\\par\r\n\\par\r\n\\par\r\n"
    // 3: Unicode, code page 1252, scripts, colour, a tab, a line break, two paragraphs
    "{\\b 3.} The effective stress \\u963?\\u8242? at 20\\'b0C is\\line (in kPa)\\par\r\n"
    "\\qc Choose one.\\par\\pard\r\n"
    "A:\\tab\\u963? + u\\par\r\n"
    "B:\\tab\\u963? \\u8722? {\\cf2 u}\\par\r\n"
    "C:\\tab c{\\sub v}\\par\r\n"
    "D:\\tab m{\\super 2}/s\\par\r\n"
    "Help File:Consolidation_Effective.htm\\par\r\n\\par\r\n\\par\r\n"
    // 4: the options on one line, another font, caf\'e9 in code page 1252
    "{\\b 4.} {\\f1 Caf\\'e9 sand} is\\par\r\n"
    "A: loose B: dense C: medium D: {\\b\\cf1 unknown}\\par\r\n"
    "Help File:Samples_Cafe.htm\\par\r\n\\par\r\n\\par\r\n"
    "}\r\n";

constexpr int Find = rtfWholeWord | rtfNoHighlight;

// The boxes of one slot, as rich-text boxes of a window.
struct Slot {
    std::unique_ptr<QTextEdit> question = std::make_unique<QTextEdit>();
    std::array<std::unique_ptr<QTextEdit>, 4> options{std::make_unique<QTextEdit>(), std::make_unique<QTextEdit>(),
                                                      std::make_unique<QTextEdit>(), std::make_unique<QTextEdit>()};
    QString topic;
    QString text(int option) const { return RichText(options[size_t(option)].get()).text(); }
};

// Cuts the block [start, last] (1-based, wrapping) of a bank of bankSize questions out of the
// buffer into the slotBoxes, block question i into slot order[i].
void loadQuestions(RichText& buffer, int bankSize, int start, int last, const std::vector<int>& order,
                   std::vector<Slot>& slotBoxes)
{
    static const char* const markers[] = {"A:", "B:", "C:", "D:", "Help File:"};
    int pos = 0;
    int c = 0;
    for (int q = 1; q <= bankSize; ++q) {
        buffer.setSelStart(pos);
        const bool inBlock = last >= start ? (q >= start && q <= last) : (q >= start || q <= last);
        int p = 0;
        if (!inBlock) {
            p = buffer.find(QStringLiteral(".htm"), pos, -1, rtfNoHighlight);
        } else {
            Slot& slot = slotBoxes[size_t(order[size_t(c)])];
            QTextEdit* target = slot.question.get();
            for (int m = 0; m < 5; ++m) {
                p = buffer.find(QString::fromLatin1(markers[m]), pos, -1, Find);
                ASSERT_GE(p, pos) << "question " << q << " marker " << markers[m];
                buffer.setSelStart(pos);
                buffer.setSelLength(p - pos);
                RichText(target).setTextRTF(buffer.selRTF());
                pos = p;
                buffer.setSelStart(pos);
                if (m < 4)
                    target = slot.options[size_t(m)].get();
            }
            pos = p + 10;
            buffer.setSelStart(pos);
            p = buffer.find(QStringLiteral(".htm"), pos, -1, rtfNoHighlight);
            buffer.setSelLength(p - pos);
            slot.topic = buffer.selText() + QStringLiteral(".htm");
            ++c;
        }
        ASSERT_GT(p, 0) << "question " << q;
        pos = p + 4 + 3;
    }
}

QTextDocument& doc(const std::unique_ptr<QTextEdit>& box) { return *box->document(); }

} // namespace

TEST(QuestionBank, AWrappedBlockIsCutOutWithItsFormatsMarkersAndTopics)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quiz301.rtf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QuestionFile);
    }
    QTextEdit hidden;
    RichText buffer(&hidden);
    ASSERT_TRUE(buffer.loadFile(path));

    // Bank 4, three questions from 3: 3, 4 and then 1; block question 0 is bank question 1.
    const int bankSize = 4, start = 3, n = 3;
    const int last = start + n - 1 > bankSize ? start + n - 1 - bankSize : start + n - 1;
    ASSERT_EQ(last, 1);
    const std::vector<int> order = {2, 0, 1};
    std::vector<Slot> slotBoxes(3);
    loadQuestions(buffer, bankSize, start, last, order, slotBoxes);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    struct Expected {
        int slot;
        const char* question;
        const char* options[4];
        const char* topic;
    };
    const Expected expected[] = {
        {2, "1. During drained shearing a dense sand",
         {"A: contracts throughout", "B: first contracts, then dilates", "C: keeps its volume",
          "D: dilates, then contracts"},
         "LabTests_TestTypeTriaxial_CD.htm"},
        {0, "3. The effective stress \u03C3\u2032 at 20\u00B0C is\n(in kPa)\nChoose one.",
         {"A:\t\u03C3 + u", "B:\t\u03C3 \u2212 u", "C:\tcv", "D:\tm2/s"},
         "Consolidation_Effective.htm"},
        {1, "4. Caf\u00E9 sand is", {"A: loose ", "B: dense ", "C: medium ", "D: unknown"}, "Samples_Cafe.htm"},
    };
    for (const Expected& e : expected) {
        const Slot& s = slotBoxes[size_t(e.slot)];
        EXPECT_EQ(RichText(s.question.get()).text(), QString::fromUtf8(e.question)) << e.slot;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s.text(k), QString::fromUtf8(e.options[k])) << e.slot << ' ' << k;
        EXPECT_EQ(s.topic, QString::fromUtf8(e.topic)) << e.slot;
        // Every box keeps the file's font and size.
        for (const QTextEdit* box : {s.question.get(), s.options[0].get(), s.options[3].get()}) {
            EXPECT_EQ(lookAt(*box->document(), 0).family, QStringLiteral("Arial")) << e.slot;
            EXPECT_DOUBLE_EQ(lookAt(*box->document(), 0).points, 10.0) << e.slot;
        }
    }

    // Formats travel with the stretches.
    const Slot& q1 = slotBoxes[2];
    EXPECT_TRUE(lookAt(doc(q1.question), 0).bold);  // "1."
    EXPECT_FALSE(lookAt(doc(q1.question), 3).bold);
    EXPECT_TRUE(lookAt(doc(q1.question), RichText(q1.question.get()).text().indexOf(u"dense")).italic);
    const Slot& q3 = slotBoxes[0];
    EXPECT_EQ(doc(q3.question).blockCount(), 2);
    EXPECT_EQ(doc(q3.question).lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(lookAt(doc(q3.options[1]), 7).fg, QColor(192, 0, 0));  // "u"
    EXPECT_EQ(lookAt(doc(q3.options[2]), 4).script, 2);               // "v"
    EXPECT_EQ(lookAt(doc(q3.options[3]), 4).script, 1);               // "2"
    EXPECT_EQ(lookAt(doc(q3.options[3]), 5).script, 0);
    const Slot& q4 = slotBoxes[1];
    EXPECT_EQ(lookAt(doc(q4.question), 3).family, QStringLiteral("Times New Roman"));
    const CharLook unknown = lookAt(doc(q4.options[3]), 3);
    EXPECT_TRUE(unknown.bold);
    EXPECT_EQ(unknown.fg, QColor(0, 0, 128));
    EXPECT_FALSE(lookAt(doc(q4.options[2]), 0).bold);
}

TEST(QuestionBank, EveryQuestionStartsRightAfterTheSeparatorOfTheOneBefore)
{
    QTextDocument bank;
    RichText buffer(&bank);
    buffer.setTextRTF(QByteArray(QuestionFile));
    const QString all = buffer.text();
    // Skipping ".htm" and three characters lands on the first character of the next question,
    // which is always the bold number, so nothing of it is lost or added.
    int pos = 0;
    for (int q = 1; q <= 4; ++q) {
        EXPECT_EQ(all.mid(pos, 2), QString::number(q) + u'.') << q;
        EXPECT_TRUE(lookAt(bank, pos).bold) << q;
        const int p = buffer.find(QStringLiteral(".htm"), pos, -1, rtfNoHighlight);
        ASSERT_GT(p, pos) << q;
        pos = p + 4 + 3;
    }
    // After the last question the text has ended.
    EXPECT_GE(pos, buffer.length());
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), pos, -1, Find), -1);

    // The same whole-word rule for each marker: not inside "DATA:" or "SPEC:", at the start of a
    // line and in the middle of one.
    const int two = all.indexOf(u"2. Which");
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), two, -1, Find), all.indexOf(u"A: the first"));
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), two, -1, rtfNoHighlight), all.indexOf(u"DATA:") + 3);
    EXPECT_EQ(buffer.find(QStringLiteral("C:"), two, -1, Find), all.indexOf(u"C: the third"));
    EXPECT_EQ(buffer.find(QStringLiteral("Help File:"), two, -1, Find), all.indexOf(u"help file:Quiz"));
    EXPECT_EQ(buffer.find(QStringLiteral(".htm"), two, -1, rtfNoHighlight), all.indexOf(u".HTM"));
    const int four = all.indexOf(u"4. ");
    EXPECT_EQ(buffer.find(QStringLiteral("C:"), four, -1, Find), all.indexOf(u"C: medium"));
}
