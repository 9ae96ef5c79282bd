#include "RtfTestSupport.h"
#include "platform/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <QTextDocument>
#include <QTextDocumentFragment>

#include <functional>

using namespace lx;
using namespace rtftest;

namespace {

QTextCharFormat bold()
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    return f;
}

QTextCharFormat with(const std::function<void(QTextCharFormat&)>& set)
{
    QTextCharFormat f;
    set(f);
    return f;
}

QTextBlockFormat paragraph(Qt::Alignment align, qreal left = 0, qreal right = 0, qreal indent = 0, qreal top = 0,
                           qreal bottom = 0)
{
    QTextBlockFormat f;
    f.setAlignment(align);
    f.setLeftMargin(left);
    f.setRightMargin(right);
    f.setTextIndent(indent);
    f.setTopMargin(top);
    f.setBottomMargin(bottom);
    return f;
}

struct Snippet {
    const char* name;
    std::function<void(QTextCursor&)> build;
};

} // namespace

TEST(RtfRoundTrip, SnippetsReadBackAsWritten)
{
    const Snippet snippets[] = {
        {"bold", [](QTextCursor& c) { c.insertText("plain "); c.insertText("bold", bold()); c.insertText(" after"); }},
        {"italic, underline, strike", [](QTextCursor& c) {
             c.insertText("i", with([](auto& f) { f.setFontItalic(true); }));
             c.insertText("u", with([](auto& f) { f.setFontUnderline(true); }));
             c.insertText("s", with([](auto& f) { f.setFontStrikeOut(true); }));
             c.insertText("all", with([](auto& f) {
                 f.setFontItalic(true); f.setFontUnderline(true); f.setFontStrikeOut(true); f.setFontWeight(QFont::Bold);
             }));
             c.insertText("none");
         }},
        {"super and sub", [](QTextCursor& c) {
             c.insertText("x");
             c.insertText("2", with([](auto& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }));
             c.insertText(" H");
             c.insertText("2", with([](auto& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }));
             c.insertText("O");
         }},
        {"sizes", [](QTextCursor& c) {
             for (qreal pt : {8.0, 10.5, 12.0, 36.0, 72.0})
                 c.insertText("Aa", with([pt](auto& f) { f.setFontPointSize(pt); }));
         }},
        {"colours", [](QTextCursor& c) {
             c.insertText("red", with([](auto& f) { f.setForeground(QColor(255, 0, 0)); }));
             c.insertText("marked", with([](auto& f) { f.setBackground(QColor(255, 255, 0)); }));
             c.insertText("auto");
             c.insertText("red again", with([](auto& f) { f.setForeground(QColor(255, 0, 0)); }));
             c.insertText("navy on grey", with([](auto& f) {
                 f.setForeground(QColor(0, 0, 128)); f.setBackground(QColor(192, 192, 192));
             }));
         }},
        {"fonts", [](QTextCursor& c) {
             for (const char* family : {"Liberation Serif", "DejaVu Sans Mono", "F\xc3\xb6nt \xce\xa9{x}"})
                 c.insertText("text ", with([family](auto& f) { f.setFontFamilies({QString::fromUtf8(family)}); }));
         }},
        {"alignment and indents", [](QTextCursor& c) {
             c.setBlockFormat(paragraph(Qt::AlignLeft));
             c.insertText("left");
             c.insertBlock(paragraph(Qt::AlignHCenter, 0, 0, 0, 10, 20));
             c.insertText("centre");
             c.insertBlock(paragraph(Qt::AlignRight, 0, 48));
             c.insertText("right");
             c.insertBlock(paragraph(Qt::AlignJustify, 48, 0, -24));
             c.insertText("justified hanging");
         }},
        {"tabs and line breaks", [](QTextCursor& c) {
             c.insertText(QString::fromUtf8("a\tb\u2028c\t\td"));
         }},
        {"code page 1252", [](QTextCursor& c) {
             c.insertText(QString::fromUtf8("\u20AC \u201Cq\u201D \u2018s\u2019 \u2013 \u2014 \u00E9\u00DF\u00FF\u0178 "
                                            "\u2030\u2122\u2026\u00A9\u00BD"));
         }},
        {"unicode", [](QTextCursor& c) {
             c.insertText(QString::fromUtf8("\u03B1\u03B2 \u03C3\u2032 \u03C4 \u2264 \u0160 \U0001F600 \u4E2D\u6587"),
                          bold());
         }},
        {"RTF syntax in text", [](QTextCursor& c) { c.insertText("{braces} \\back\\slash \\par ;"); }},
        {"text after control words", [](QTextCursor& c) {
             c.insertText("x");
             c.insertText("123", bold());
             c.insertText(QString::fromUtf8("-5 \u00A0a\u00ADb\u2011c "));
             c.insertText(" 7", with([](auto& f) { f.setFontPointSize(20); }));
         }},
        {"empty paragraphs", [](QTextCursor& c) {
             c.insertText("a");
             c.insertBlock();
             c.insertBlock();
             c.insertText("b");
             c.insertBlock();
         }},
        {"everything at once", [](QTextCursor& c) {
             c.setBlockFormat(paragraph(Qt::AlignHCenter, 15));
             c.insertText("Title", with([](auto& f) {
                 f.setFontWeight(QFont::Bold); f.setFontItalic(true); f.setFontUnderline(true);
                 f.setForeground(QColor(0, 128, 0)); f.setFontPointSize(18); f.setFontFamilies({"Liberation Sans"});
             }));
             c.insertBlock(paragraph(Qt::AlignLeft));
             c.insertText(QString::fromUtf8("\u03C3\u2032 = 100 kPa\t"));
             c.insertText("(note)", with([](auto& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }));
         }},
    };
    for (const Snippet& s : snippets) {
        QTextDocument original;
        QTextCursor cursor(&original);
        s.build(cursor);
        const QByteArray rtf = writeRtf(original);
        QTextDocument copy;
        readRtf(copy, rtf);
        expectSameDocument(original, copy, s.name);
        EXPECT_EQ(writeRtf(copy), rtf) << s.name;  // and it stays the same when written again
    }
}

TEST(RtfRoundTrip, WriterOutputIsStandardAsciiRtf)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QString::fromUtf8("\u20AC \u03B1 \U0001F600 {x}"), with([](auto& f) { f.setForeground(Qt::red); }));
    c.insertBlock();
    c.insertText("end");
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 " + doc.defaultFont().family().toLatin1() + ";}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    EXPECT_TRUE(rtf.contains("\\'80 \\u945? \\u-10179?\\u-8704? \\{x\\}\\par"));
    EXPECT_TRUE(rtf.endsWith("end\\par\r\n}\r\n"));  // as word processors end a document
    EXPECT_EQ(rtf.count("\\par\r\n"), 2);
    for (char ch : rtf)
        ASSERT_TRUE(static_cast<unsigned char>(ch) < 0x80);
}

TEST(RtfRoundTrip, RangesSelectionsAndFragments)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText("one ");
    c.insertText("two", bold());
    c.insertBlock(paragraph(Qt::AlignRight));
    c.insertText("three");

    const auto readBack = [](const QByteArray& rtf) {
        auto d = std::make_unique<QTextDocument>();
        readRtf(*d, rtf);
        return d;
    };
    auto part = readBack(writeRtf(doc, 5, 7));  // "wo"
    EXPECT_EQ(text(*part), QStringLiteral("wo"));
    EXPECT_TRUE(lookAt(*part, 0).bold);

    QTextCursor sel(&doc);
    sel.setPosition(4);
    sel.setPosition(10, QTextCursor::KeepAnchor);  // "two", the paragraph end, "th"
    auto across = readBack(writeRtf(sel));
    EXPECT_EQ(text(*across), QStringLiteral("two\nth"));
    EXPECT_EQ(across->begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    auto fragment = readBack(writeRtf(QTextDocumentFragment(sel)));
    expectSameDocument(*across, *fragment, "fragment");

    auto whole = readBack(writeRtf(doc, -5, 1000));  // clamped to the text
    EXPECT_EQ(text(*whole), QStringLiteral("one two\nthree"));
    auto none = readBack(writeRtf(doc, 3, 3));
    EXPECT_EQ(text(*none), QString());
}
