#include "RtfTestSupport.h"
#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using namespace lx;
using namespace rtftest;

namespace {

// A question bank laid out as the quiz reads it: question, options A to D, help topic.
const char* const Bank =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 "
    "What is the {\\b effective} stress?\\par\r\n"
    "A: total minus pore pressure\\par\r\n"
    "B: total {\\i plus} pore pressure\\par\r\n"
    "C: DATA: none\\par\r\n"
    "D: all of these\\par\r\n"
    "Help File:Quiz\\\\Q1.htm\\par\\par\\par\r\n"
    "Second question?\\par\r\n"
    "A: yes\\par B: no\\par C: maybe\\par D: never\\par Help File:Quiz\\\\Q2.HTM\\par\\par\\par}";

class RichTextFixture : public ::testing::Test {
protected:
    void SetUp() override { buffer.setTextRTF(QByteArray(Bank)); }
    QTextDocument bufferDoc;
    RichText buffer{&bufferDoc};
};

} // namespace

TEST_F(RichTextFixture, PositionsCountAParagraphEndAsOneCharacter)
{
    const QString all = buffer.text();
    EXPECT_TRUE(all.startsWith(QStringLiteral("What is the effective stress?\nA: total minus")));
    EXPECT_EQ(buffer.length(), all.size());
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 0, -1, rtfWholeWord | rtfNoHighlight), 30);
    for (const char* word : {"B:", "D:", "Help File:", "Second", "never"})
        EXPECT_EQ(buffer.find(QString::fromLatin1(word), 0, -1, rtfNoHighlight), all.indexOf(QLatin1String(word))) << word;

    QTextDocument doc;
    RichText box(&doc);
    box.setTextRTF(QStringLiteral("{\\rtf1 a\\line b\\tab c\\par d\\u945?e}"));
    EXPECT_EQ(box.text(), QString::fromUtf8("a\nb\tc\nd\u03B1e"));
    EXPECT_EQ(box.find(QStringLiteral("d"), 0, -1, rtfNoHighlight), 6);
    EXPECT_EQ(box.find(QStringLiteral("e"), 0, -1, rtfNoHighlight), 8);
}

TEST_F(RichTextFixture, FindWithWholeWordsCaseAndRange)
{
    const int c = buffer.find(QStringLiteral("C:"), 0, -1, rtfWholeWord | rtfNoHighlight);
    const int data = buffer.text().indexOf(QStringLiteral("DATA:"));
    const int second = buffer.text().indexOf(QStringLiteral("A: yes"));
    ASSERT_GT(c, 0);
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), c, -1, rtfNoHighlight), data + 3);  // inside "DATA:"
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), c, -1, rtfWholeWord | rtfNoHighlight), second);
    EXPECT_EQ(buffer.find(QStringLiteral("a:"), c, -1, rtfWholeWord | rtfNoHighlight), second);
    EXPECT_EQ(buffer.find(QStringLiteral("a:"), c, -1, rtfWholeWord | rtfMatchCase | rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QStringLiteral("help file:"), second, -1, rtfWholeWord | rtfNoHighlight),
              buffer.text().lastIndexOf(QStringLiteral("Help File:")));
    EXPECT_EQ(buffer.find(QStringLiteral(".htm"), second, -1, rtfNoHighlight), buffer.text().indexOf(QStringLiteral(".HTM")));
    EXPECT_EQ(buffer.find(QStringLiteral("tal"), 0, -1, rtfWholeWord | rtfNoHighlight), -1);  // only inside "total"

    // The start itself may match; the match must end by the end of the range.
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 30, -1, rtfNoHighlight), 30);
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 31, 40, rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 0, 32, rtfNoHighlight), 30);
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 0, 31, rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QStringLiteral("A:"), 100000, -1, rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QString(), 0, -1, rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QStringLiteral("stress?\nA:"), 0, -1, rtfNoHighlight), 22);  // across a paragraph end
    EXPECT_EQ(buffer.find(QStringLiteral("What"), 0, -1, rtfWholeWord | rtfNoHighlight), 0);
    EXPECT_EQ(buffer.find(QStringLiteral("Quiz"), 0, -1, rtfWholeWord | rtfNoHighlight),
              buffer.text().indexOf(QStringLiteral("Quiz")));  // "File:Quiz\\Q1"
    EXPECT_EQ(buffer.find(QStringLiteral("Q"), 0, -1, rtfWholeWord | rtfNoHighlight), -1);
    EXPECT_EQ(buffer.find(QStringLiteral(":Quiz\\"), 0, -1, rtfWholeWord | rtfNoHighlight),
              buffer.text().indexOf(QStringLiteral(":Quiz")));

    EXPECT_EQ(buffer.selLength(), 0);  // none of these highlighted
    EXPECT_EQ(buffer.find(QStringLiteral("pore"), 0), buffer.text().indexOf(QStringLiteral("pore")));
    EXPECT_EQ(buffer.selStart(), buffer.text().indexOf(QStringLiteral("pore")));
    EXPECT_EQ(buffer.selText(), QStringLiteral("pore"));
}

TEST_F(RichTextFixture, QuestionsAreCutOutWithTheirFormats)
{
    // What the quiz does for one question: each stretch up to the next marker, as rich text.
    QTextDocument questionDoc, optionDoc;
    RichText question(&questionDoc), optionB(&optionDoc);
    const int a = buffer.find(QStringLiteral("A:"), 0, -1, rtfWholeWord | rtfNoHighlight);
    buffer.select(0, a);
    question.setTextRTF(buffer.selRTF());
    EXPECT_EQ(question.text(), QStringLiteral("What is the effective stress?"));  // its \\par ends it
    EXPECT_TRUE(lookAt(questionDoc, question.text().indexOf(QStringLiteral("effective"))).bold);
    EXPECT_FALSE(lookAt(questionDoc, 0).bold);
    EXPECT_EQ(lookAt(questionDoc, 0).family, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(lookAt(questionDoc, 0).points, 10.0);

    const int b = buffer.find(QStringLiteral("B:"), a, -1, rtfWholeWord | rtfNoHighlight);
    const int c = buffer.find(QStringLiteral("C:"), b, -1, rtfWholeWord | rtfNoHighlight);
    buffer.select(b, c - b);
    optionB.setTextRTF(buffer.selRTF());
    EXPECT_EQ(optionB.text(), QStringLiteral("B: total plus pore pressure"));  // begins with its marker
    EXPECT_TRUE(lookAt(optionDoc, 9).italic);

    const int help = buffer.find(QStringLiteral("Help File:"), c, -1, rtfWholeWord | rtfNoHighlight);
    const int htm = buffer.find(QStringLiteral(".htm"), help + 10, -1, rtfNoHighlight);
    buffer.select(help + 10, htm - help - 10);
    EXPECT_EQ(buffer.selText() + ".htm", QStringLiteral("Quiz\\Q1.htm"));
    // Past ".htm" and the three separator characters the next question begins.
    EXPECT_EQ(buffer.find(QStringLiteral("Second"), htm + 4 + 3, -1, rtfNoHighlight), htm + 4 + 3);
}

TEST(RichText, SelectionClampsAndCollapsesAsTheOriginalBox)
{
    QTextDocument doc;
    RichText box(&doc);
    box.setText(QStringLiteral("one\r\ntwo\rthree\nfour"));
    EXPECT_EQ(box.text(), QStringLiteral("one\ntwo\nthree\nfour"));
    box.select(2, 3);
    EXPECT_EQ(box.selText(), QStringLiteral("e\nt"));
    box.setSelLength(100);
    EXPECT_EQ(box.selLength(), box.length() - 2);
    box.setSelStart(5);
    EXPECT_EQ(box.selStart(), 5);
    EXPECT_EQ(box.selLength(), 0);
    box.select(-4, 2);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selText(), QStringLiteral("on"));
    box.select(1000, 5);
    EXPECT_EQ(box.selStart(), box.length());
    EXPECT_EQ(box.selLength(), 0);
}

TEST(RichText, PastingRtfInsertsFormattedTextAndOtherTextUnchanged)
{
    QTextDocument doc;
    RichText box(&doc);
    box.setText(QStringLiteral("Hello world"));
    box.select(6, 5);
    box.setSelRTF(QStringLiteral("{\\rtf1\\ansi {\\b big} planet}"));
    EXPECT_EQ(box.text(), QStringLiteral("Hello big planet"));
    EXPECT_TRUE(lookAt(doc, 6).bold);
    EXPECT_FALSE(lookAt(doc, 10).bold);
    EXPECT_EQ(box.selStart(), 16);  // after the inserted text

    box.select(0, 5);
    box.setSelRTF(QStringLiteral("plain {\\b not rtf}"));
    EXPECT_EQ(box.text(), QStringLiteral("plain {\\b not rtf} big planet"));

    // Copy, then cut, as the Edit menu does.
    box.select(19, 3);
    const QString copied = box.selRTF();
    EXPECT_TRUE(isRtf(copied));
    box.setSelText(QString());
    EXPECT_EQ(box.text(), QStringLiteral("plain {\\b not rtf}  planet"));
    box.setSelStart(0);
    box.setSelRTF(copied);
    EXPECT_EQ(box.text(), QStringLiteral("bigplain {\\b not rtf}  planet"));
    EXPECT_TRUE(lookAt(doc, 0).bold);

    QTextDocument other;
    RichText copy(&other);
    copy.setTextRTF(box.textRTF());
    expectSameDocument(doc, other, "TextRTF");
    copy.setTextRTF(QStringLiteral("not rtf"));
    EXPECT_EQ(copy.text(), QStringLiteral("not rtf"));
}

TEST(RichText, OnAnEditorItWorksOnTheVisibleSelection)
{
    auto edit = std::make_unique<QTextEdit>();
    RichText box(edit.get());
    box.setTextRTF(QByteArray("{\\rtf1 Soil {\\i mechanics}\\par lab}"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Soil mechanics\nlab"));
    EXPECT_EQ(box.find(QStringLiteral("mechanics"), 0), 5);
    EXPECT_EQ(edit->textCursor().selectedText(), QStringLiteral("mechanics"));
    QTextCursor c = edit->textCursor();
    c.setPosition(15);
    c.setPosition(18, QTextCursor::KeepAnchor);
    edit->setTextCursor(c);
    EXPECT_EQ(box.selText(), QStringLiteral("lab"));

    QTextDocument doc;
    RichText target(&doc);
    box.select(5, 9);
    target.setSelRTF(box.selRTF());
    EXPECT_TRUE(lookAt(doc, 0).italic);
    EXPECT_EQ(target.text(), QStringLiteral("mechanics"));

    edit.reset();  // the box is gone: nothing happens
    EXPECT_EQ(box.length(), 0);
    EXPECT_EQ(box.find(QStringLiteral("x"), 0), -1);
    box.setSelRTF(QStringLiteral("{\\rtf1 x}"));
    EXPECT_EQ(box.text(), QString());
}

TEST(RichText, FilesLoadAsRtfOrPlainTextAndSaveAsRtf)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    QTextDocument doc;
    RichText box(&doc);
    EXPECT_TRUE(box.loadFile(write("note.rtf", "{\\rtf1\\ansi caf\\'e9 {\\b bold}}")));
    EXPECT_EQ(box.text(), QString::fromUtf8("caf\u00E9 bold"));
    EXPECT_TRUE(lookAt(doc, 5).bold);
    EXPECT_TRUE(box.loadFile(write("utf8.txt", "Gr\xc3\xbc\xc3\x9f" "e {\\b x}\n")));
    EXPECT_EQ(box.text(), QString::fromUtf8("Gr\u00FC\u00DFe {\\b x}\n"));
    EXPECT_TRUE(box.loadFile(write("ansi.txt", "caf\xe9 \x80")));
    EXPECT_EQ(box.text(), QString::fromUtf8("caf\u00E9 \u20AC"));

    QString error;
    EXPECT_FALSE(box.loadFile(dir.filePath(QStringLiteral("missing.rtf")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(box.text(), QString::fromUtf8("caf\u00E9 \u20AC"));  // unchanged

    box.setTextRTF(QByteArray("{\\rtf1\\ansi \\qc{\\b\\fs40 Title}\\par \\u963?\\u8242? = 50 kPa}"));
    const QString saved = dir.filePath(QStringLiteral("saved.rtf"));
    ASSERT_TRUE(box.saveFile(saved));
    QTextDocument reloaded;
    RichText again(&reloaded);
    ASSERT_TRUE(again.loadFile(saved));
    expectSameDocument(doc, reloaded, "file");
    EXPECT_FALSE(box.saveFile(dir.filePath(QStringLiteral("no/such/folder/x.rtf")), &error));
    EXPECT_FALSE(error.isEmpty());
}
