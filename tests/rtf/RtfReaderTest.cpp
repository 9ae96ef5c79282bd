#include "RtfSamples.h"
#include "RtfTestSupport.h"
#include "platform/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <QTextDocument>

using namespace lx;
using namespace rtftest;

TEST(RtfReader, ReadsWhatARichTextControlWrites)
{
    QTextDocument doc;
    readRtf(doc, QByteArray(WordPadSample));
    ASSERT_EQ(text(doc), QStringLiteral("Title\nNormal italic under gone red Times x2 H2O mark"));
    ASSERT_EQ(doc.blockCount(), 2);  // the last \\par ends the last paragraph

    const QTextBlockFormat title = doc.begin().blockFormat();
    EXPECT_EQ(title.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(title.bottomMargin(), 200 / 15.0);
    CharLook t = lookAt(doc, 0);
    EXPECT_TRUE(t.bold);
    EXPECT_EQ(t.family, QStringLiteral("Calibri"));
    EXPECT_DOUBLE_EQ(t.points, 14.0);

    EXPECT_EQ(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const auto at = [&](const char* word) { return lookAt(doc, posOf(doc, QString::fromLatin1(word))); };
    EXPECT_FALSE(at("Normal").bold);
    EXPECT_DOUBLE_EQ(at("Normal").points, 11.0);
    EXPECT_TRUE(at("italic").italic);
    EXPECT_FALSE(at("italic").underline);
    EXPECT_TRUE(at("under").underline);
    EXPECT_TRUE(at("gone").strike);
    EXPECT_EQ(at("red").fg, QColor(255, 0, 0));
    EXPECT_FALSE(at("Times").fg.isValid());
    EXPECT_EQ(at("Times").family, QStringLiteral("Times New Roman"));
    EXPECT_EQ(lookAt(doc, posOf(doc, QStringLiteral("x2")) + 1).script, 1);
    EXPECT_EQ(lookAt(doc, posOf(doc, QStringLiteral("H2")) + 1).script, 2);
    EXPECT_EQ(at("O").script, 0);
    EXPECT_EQ(at("mark").bg, QColor(0, 77, 187));
}

TEST(RtfReader, SkipsEverythingOfAWordProcessorThatIsNotText)
{
    QTextDocument doc;
    readRtf(doc, QByteArray(WordSample));
    ASSERT_EQ(text(doc), QString::fromUtf8("\u2022\tBullet item\nSee the site now.\nPicture:  after.\nunicode end "
                                           "\U0001F600"));
    const QTextBlockFormat bullet = doc.begin().blockFormat();
    EXPECT_DOUBLE_EQ(bullet.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(bullet.textIndent(), -24.0);
    const CharLook item = lookAt(doc, posOf(doc, QStringLiteral("Bullet")));
    EXPECT_EQ(item.family, QStringLiteral("Arial"));  // the alternative name is no part of it
    EXPECT_DOUBLE_EQ(item.points, 12.0);
    const CharLook link = lookAt(doc, posOf(doc, QStringLiteral("the site")));
    EXPECT_TRUE(link.underline);
    EXPECT_EQ(link.fg, QColor(0, 0, 255));
    EXPECT_EQ(link.family, QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(link.points, 10.0);
    EXPECT_FALSE(lookAt(doc, posOf(doc, QStringLiteral("now"))).underline);
}

TEST(RtfReader, ReadsWhatAnOfficeSuiteWrites)
{
    QTextDocument doc;
    readRtf(doc, QByteArray(LibreOfficeSample));
    ASSERT_EQ(text(doc), QString::fromUtf8("Consolidation notes\n"
                                           "Effective stress \u03C3\u2032 = \u03C3 \u2212 u \u2264 100 kPa \u20AC "
                                           "\u201Cquoted\u201D caf\u00E9 \u00BDm3\n"
                                           "Tabs:\ta\tb\u2028second line {braces} back\\slash \U0001F600 \u4E2D\u6587 italic\n"
                                           "\nafter empty"));
    const CharLook title = lookAt(doc, 0);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.fg, QColor(200, 0, 0));
    EXPECT_DOUBLE_EQ(title.points, 16.0);
    EXPECT_EQ(title.family, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextBlockFormat body = doc.begin().next().blockFormat();
    EXPECT_DOUBLE_EQ(body.leftMargin(), 30.0);
    EXPECT_DOUBLE_EQ(body.textIndent(), -15.0);
    const CharLook effective = lookAt(doc, posOf(doc, QStringLiteral("Effective")));
    EXPECT_FALSE(effective.bold);
    EXPECT_FALSE(effective.fg.isValid());
    EXPECT_EQ(effective.family, QStringLiteral("Sans Serif"));
    EXPECT_DOUBLE_EQ(effective.points, 9.0);
    EXPECT_EQ(lookAt(doc, posOf(doc, QStringLiteral("m3")) + 1).script, 1);
    const CharLook italic = lookAt(doc, posOf(doc, QStringLiteral("italic")));
    EXPECT_TRUE(italic.italic && italic.underline);
}

struct TextCase {
    const char* body;      // inside {\rtf1\ansi ...}
    const char* expected;  // UTF-8, paragraph ends as \n
};

TEST(RtfReader, CharactersAndControlSymbols)
{
    const TextCase cases[] = {
        {"\\'80 \\'93q\\'94 \\'e9\\'9f\\'a0|", "\u20AC \u201Cq\u201D \u00E9\u0178\u00A0|"},
        {"\\'85\\'96\\'97\\'99\\'8c", "\u2026\u2013\u2014\u2122\u0152"},
        {"caf\xe9 \x80", "caf\u00E9 \u20AC"},                   // raw bytes are code page 1252 too
        {"\\u8364?x", "\u20ACx"},                               // the fallback is skipped
        {"\\u8364 ?x", "\u20ACx"},                              // the blank only ends the word
        {"\\uc2\\u8364\\'80\\'80x", "\u20ACx"},                 // \uc2: two fallback characters
        {"\\uc0\\u8364 x", "\u20ACx"},
        {"{\\uc3 a}\\u945?b", "a\u03B1b"},                       // \uc ends with its group
        {"\\u945\\'3f\\u946?", "\u03B1\u03B2"},                  // a \'hh counts as one character
        {"\\u-3?", "\uFFFD"},                                   // negative is the upper half of 16 bits
        {"\\u-10179?\\u-8704?", "\U0001F600"},                  // a surrogate pair
        {"\\u-10179?x", "\uFFFDx"},                             // a lone surrogate is no character
        {"\\u8364{}?", "\u20AC?"},                              // a group ends the fallback
        {"a\\~b\\-c\\_d", "a\u00A0b\u00ADc\u2011d"},
        {"\\{\\}\\\\", "{}\\"},
        {"a\\tab b\\line c\tf", "a\tb\u2028c\tf"},
        {"a\\par b\\\nc\\\rd", "a\nb\nc\nd"},                   // \ followed by a line end is \par
        {"one\r\ntwo\nthree", "onetwothree"},                   // line ends in the file are not text
        {"\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote", "\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
        {"a\\cell b\\row c", "a\tb\nc"},
        {"a\\unknownword b\\zz12 c", "abc"},                    // unknown control words are ignored
        {"a{\\*\\unknowndest b{\\c}}c", "ac"},                  // unknown ignorable destinations are skipped
        {"a{\\*\\bkmkstart x}b{\\v hidden}c", "abc"},
        {"a\\'zz\\'4", "azz"},                              // bad hex; a control byte is dropped
        {"a}b", "a"},                                           // the document ends with its group
    };
    for (const TextCase& c : cases) {
        const QByteArray rtf = QByteArray("{\\rtf1\\ansi ") + c.body + "}";
        EXPECT_EQ(readText(rtf), QString::fromUtf8(c.expected)) << c.body;
    }
}

TEST(RtfReader, GroupsPlainAndPardScopeFormats)
{
    QTextDocument doc;
    readRtf(doc, QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\deff0 "
                            "\\qc\\fs30 a{\\b\\i\\f1 b{\\plain c}d}e\\pard\\par f}"));
    ASSERT_EQ(text(doc), QStringLiteral("abcde\nf"));
    const CharLook a = lookAt(doc, 0), b = lookAt(doc, 1), c = lookAt(doc, 2), d = lookAt(doc, 3), e = lookAt(doc, 4);
    EXPECT_EQ(a.family, QStringLiteral("Arial"));  // \deff names the font of text without \f
    EXPECT_DOUBLE_EQ(a.points, 15.0);
    EXPECT_TRUE(b.bold && b.italic);
    EXPECT_EQ(b.family, QStringLiteral("Courier New"));
    EXPECT_FALSE(c.bold || c.italic);
    EXPECT_EQ(c.family, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(c.points, doc.defaultFont().pointSizeF());  // \plain: no size stated
    EXPECT_EQ(d, b);
    EXPECT_EQ(e, a);
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);  // \pard before \par
}

TEST(RtfReader, FontCharacterSetsChooseTheCodePage)
{
    const TextCase cases[] = {
        {"{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset204 Arial Cyr;}{\\f2\\fnil\\fcharset161 Gr;}}"
         "\\f1 \\'cf\\'f0\\'e8\\f0  \\'cf \\f2\\'f3",
         "\u041F\u0440\u0438 \u00CF \u03C3"},
        {"{\\fonttbl{\\f0\\fnil\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'95\\'5c", "\u3042\u8868"},
        {"{\\fonttbl{\\f0\\fnil\\fcharset238 EE;}}\\f0 \\'8a\\'9e", "\u0160\u017E"},
        {"{\\fonttbl{\\f0\\fnil\\fcharset2 Symbol;}}\\f0 \\'b0", "\u00B0"},  // symbol fonts keep the bytes
        {"{\\fonttbl{\\f0\\fnil\\cpg1251 X;}}\\f0 \\'cf", "\u041F"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(readText(QByteArray("{\\rtf1\\ansi ") + c.body + "}"), QString::fromUtf8(c.expected)) << c.body;
    EXPECT_EQ(readText("{\\rtf1\\ansi\\ansicpg1251 \\'cf}"), QString::fromUtf8("\u041F"));
    EXPECT_EQ(readText("{\\rtf1\\ansi\\ansicpg4242 \\'80}"), QString::fromUtf8("\u20AC"));  // unknown: 1252
}

TEST(RtfReader, FontNamesAreDecodedAndTrimmed)
{
    QTextDocument doc;
    readRtf(doc, QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss  Helvetica ;\\f1\\fcharset204 \\'cf\\'f0;"
                            "{\\f2 \\u945?lpha}}\\f0 a\\f1 b\\f2 c\\f9 d}"));
    EXPECT_EQ(lookAt(doc, 0).family, QStringLiteral("Helvetica"));
    EXPECT_EQ(lookAt(doc, 1).family, QString::fromUtf8("\u041F\u0440"));
    EXPECT_EQ(lookAt(doc, 2).family, QString::fromUtf8("\u03B1lpha"));  // an entry without ';'
    EXPECT_EQ(lookAt(doc, 3).family, doc.defaultFont().family());       // no such font
}

TEST(RtfReader, ClipboardTextIsAlreadyUnicode)
{
    QTextDocument doc;
    readRtf(doc, QStringView(u"{\\rtf1\\ansi \u03C3\u2032 = \\'80 {\\b \u20AC}}"));
    EXPECT_EQ(text(doc), QString::fromUtf8("\u03C3\u2032 = \u20AC \u20AC"));
    EXPECT_FALSE(lookAt(doc, 5).bold);
    EXPECT_TRUE(lookAt(doc, 7).bold);
}

TEST(RtfReader, InsertingKeepsTheHostParagraphAfterTheLastBreak)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("left right"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor(&doc).setBlockFormat(centred);
    QTextCursor c(&doc);
    c.setPosition(4);
    c.setPosition(5, QTextCursor::KeepAnchor);  // the blank is replaced
    insertRtf(c, QByteArray("{\\rtf1\\ansi\\pard\\qr{\\b one}\\par two}"));
    ASSERT_EQ(text(doc), QStringLiteral("leftone\ntworight"));
    EXPECT_EQ(c.position(), 11);
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(lookAt(doc, 4).bold);
    EXPECT_FALSE(lookAt(doc, 8).bold);
    doc.undo();  // one step
    EXPECT_EQ(text(doc), QStringLiteral("left right"));
}

TEST(RtfReader, TheLastParEndsTheLastParagraphOfADocument)
{
    QTextDocument doc;
    readRtf(doc, QByteArray("{\\rtf1 \\qc a\\par\r\n}"));
    EXPECT_EQ(text(doc), QStringLiteral("a"));
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    readRtf(doc, QByteArray("{\\rtf1 a\\par\\par}"));
    EXPECT_EQ(text(doc), QStringLiteral("a\n"));
    readRtf(doc, QByteArray("{\\rtf1 a\\par \\b}"));  // no text after it
    EXPECT_EQ(text(doc), QStringLiteral("a"));

    // Pasted, it is a paragraph break.
    doc.setPlainText(QStringLiteral("xy"));
    QTextCursor c(&doc);
    c.setPosition(1);
    insertRtf(c, QByteArray("{\\rtf1 a\\par}"));
    EXPECT_EQ(text(doc), QStringLiteral("xa\ny"));
}

TEST(RtfReader, TellsRtfFromPlainText)
{
    EXPECT_TRUE(isRtf(QByteArray("{\\rtf1\\ansi x}")));
    EXPECT_TRUE(isRtf(QStringView(u"{\\rtf")));
    EXPECT_FALSE(isRtf(QByteArray(" {\\rtf1}")));
    EXPECT_FALSE(isRtf(QByteArray("{\\RTF1}")));
    EXPECT_FALSE(isRtf(QStringView(u"Plain {\\rtf1} text")));
    EXPECT_FALSE(isRtf(QByteArray()));
}
