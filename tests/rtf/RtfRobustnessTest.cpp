// Files and clipboard texts are read as RTF, so any input must end cleanly. These cases also
// run under AddressSanitizer and UndefinedBehaviorSanitizer.
#include "RtfSamples.h"
#include "RtfTestSupport.h"
#include "platform/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <QTextDocument>

#include <random>

using namespace lx;
using namespace rtftest;

namespace {

QByteArray nested(int levels, const QByteArray& inner)
{
    return "{\\rtf1 a" + QByteArray(levels, '{') + inner + QByteArray(levels, '}') + "b}";
}

// Whatever a document holds after reading, the writer's RTF of it reads back the same.
void expectStableThroughWriter(const QTextDocument& doc, const QByteArray& input)
{
    QTextDocument copy;
    readRtf(copy, writeRtf(doc));
    expectSameDocument(doc, copy, input.toHex().constData());
}

QByteArray richDocumentRtf()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setForeground(QColor(10, 20, 30));
    f.setFontFamilies({QStringLiteral("Liberation Serif")});
    c.insertText(QString::fromUtf8("B\u00E9ta \u20AC \u03C3\u2032\t{x}"), f);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText(QString::fromUtf8("\U0001F600 line\u2028two"));
    return writeRtf(doc);
}

} // namespace

TEST(RtfRobustness, TruncatedInputEndsCleanly)
{
    for (const QByteArray& full : {QByteArray(WordSample), QByteArray(WordPadSample), richDocumentRtf()}) {
        for (qsizetype n = 0; n <= full.size(); ++n) {
            const QByteArray part = full.left(n);
            QTextDocument doc;
            readRtf(doc, part);
            EXPECT_FALSE(text(doc).contains(QStringLiteral("Header text"))) << n;
            QTextDocument host;
            host.setPlainText(QStringLiteral("host"));
            QTextCursor c(&host);
            c.setPosition(2);
            insertRtf(c, part);
            EXPECT_TRUE(text(host).startsWith(QStringLiteral("ho")) && text(host).endsWith(QStringLiteral("st"))) << n;
        }
    }
}

TEST(RtfRobustness, DeepNestingIsSkippedBeyondTheLimit)
{
    // The document group is the first level.
    EXPECT_EQ(readText(nested(MaxRtfDepth - 1, "x")), QStringLiteral("axb"));
    EXPECT_EQ(readText(nested(MaxRtfDepth, "x")), QStringLiteral("ab"));
    EXPECT_EQ(readText(nested(100000, "deep\\par\\b x")), QStringLiteral("ab"));
    EXPECT_EQ(readText("{\\rtf1 a" + QByteArray(100000, '{') + "never closed"), QStringLiteral("a"));
    EXPECT_EQ(readText("{\\rtf1 a" + QByteArray(100000, '}') + "b"), QStringLiteral("a"));
    // Formats of the groups at the limit come back when they close.
    EXPECT_EQ(readText("{\\rtf1 " + QByteArray(MaxRtfDepth - 1, '{') + "\\b{{{x}}}y" + QByteArray(MaxRtfDepth - 1, '}')
                       + "z}"),
              QStringLiteral("yz"));
    QTextDocument doc;
    readRtf(doc, QString::fromLatin1(nested(100000, "x")));
    EXPECT_EQ(text(doc), QStringLiteral("ab"));
}

TEST(RtfRobustness, OversizedNumbersAreClamped)
{
    struct Case {
        const char* body;
        const char* expected;
    };
    const Case cases[] = {
        {"\\u-99999999999?y", "\uFFFDy"},
        {"\\u99999999999?y", "\uFFFDy"},
        {"\\u65536?y", "\uFFFDy"},
        {"\\uc99999999999\\u945 abcdefghijklmnopqrstuvwxyz", "\u03B1qrstuvwxyz"},
        {"\\ansicpg99999999999 \\'80", "\u20AC"},
        {"\\b000000000000000000001 x\\b0 y", "xy"},
        {"\\bin99999999999 abc", ""},
        {"\\cf99999999999 \\f-99999999999 \\highlight7 x", "x"},
        {"{\\colortbl;\\red99999999999\\green-5\\blue256;}\\cf1 x", "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readText(QByteArray("{\\rtf1\\ansi ") + c.body + "}"), QString::fromUtf8(c.expected)) << c.body;

    QTextDocument doc;
    readRtf(doc, QByteArray("{\\rtf1{\\colortbl;\\red99999999999\\green-5\\blue256;}\\fs99999999999\\cf1 a"
                            "\\fs-4 b\\li99999999999\\fi-99999999999\\sb99999999999 \\par}"));
    EXPECT_DOUBLE_EQ(lookAt(doc, 0).points, 1638.0);
    EXPECT_EQ(lookAt(doc, 0).fg, QColor(255, 0, 255));
    EXPECT_DOUBLE_EQ(lookAt(doc, 1).points, doc.defaultFont().pointSizeF());
    const QTextBlockFormat p = doc.begin().blockFormat();
    EXPECT_DOUBLE_EQ(p.leftMargin(), 31680 / 15.0);
    EXPECT_DOUBLE_EQ(p.textIndent(), -31680 / 15.0);
    EXPECT_DOUBLE_EQ(p.topMargin(), 31680 / 15.0);
}

TEST(RtfRobustness, BinaryDataIsSkippedAndClampedToTheInput)
{
    EXPECT_EQ(readText("{\\rtf1 a\\bin5 {{{{{b}"), QStringLiteral("ab"));
    EXPECT_EQ(readText("{\\rtf1 a{\\pict\\bin2 }}}b}"), QStringLiteral("ab"));
    EXPECT_EQ(readText("{\\rtf1 a\\bin-5 b}"), QStringLiteral("ab"));
    EXPECT_EQ(readText("{\\rtf1 a\\bin b}"), QStringLiteral("ab"));
    EXPECT_EQ(readText("{\\rtf1 a\\bin3 \\'80}x"), QStringLiteral("a0"));
    const char withNuls[] = "{\\rtf1 a\\bin3 \0\0\0b\0c}";
    EXPECT_EQ(readText(QByteArray(withNuls, sizeof(withNuls) - 1)), QStringLiteral("abc"));
    EXPECT_EQ(readText("{\\rtf1 a\\bin1000"), QStringLiteral("a"));
    EXPECT_EQ(readText("{\\rtf1 a\\u945\\bin2 xyb}"), QString::fromUtf8("a\u03B1b"));  // \bin is one fallback
}

TEST(RtfRobustness, RandomInputNeverBreaksTheReader)
{
    std::mt19937 rng(20240521);
    const auto below = [&](int n) { return int(rng() % unsigned(n)); };
    const char* const tokens[] = {
        "{", "}", "{", "}", "\\b ", "\\b0", "\\i", "\\ul", "\\ulnone", "\\strike", "\\super", "\\sub", "\\nosupersub",
        "\\plain", "\\pard", "\\par", "\\line", "\\tab", "\\qc", "\\qr", "\\qj", "\\li-720", "\\fi360", "\\sa99",
        "\\fs", "\\fs7", "\\fs99999", "\\cf1", "\\cf2", "\\highlight1", "\\f0", "\\f1", "\\f7", "\\u", "\\u-3",
        "\\u945", "\\u-10179", "\\u-8704", "\\u8233", "\\u65532", "\\u64976", "\\uc0", "\\uc2", "\\'", "\\'9", "\\'80",
        "\\'0d", "\\'00", "\\bin", "\\bin3 ", "\\bin-1", "\\*", "{\\*\\x ", "{\\fonttbl", "{\\f1\\fcharset204 Cyr;}",
        "{\\f2\\fcharset128 J;}", "\\f2", "{\\colortbl;\\red255;", "\\green9", ";", "\\upr", "{\\*\\ud", "\\ud",
        "{\\pict ", "{\\field{\\*\\fldinst x}{\\fldrslt ", "\\v", "\\caps", "\\scaps", "\\~", "\\-", "\\_", "\\\\",
        "\\{", "\\}", "\\", "\\\r\n", "text", " ", "\t", "\r\n", "\x80", "\xff", "\xe9", "\x82\xa0", nullptr,  // nullptr: a NUL byte
       
        "12", "-", "\\rtf1", "\\ansicpg1251", "\\deff1", "\\cell", "\\row", "\\emdash",
    };
    const int tokenCount = int(std::size(tokens));
    for (int k = 0; k < 3000 && !::testing::Test::HasFailure(); ++k) {
        QByteArray input = below(10) ? QByteArray("{\\rtf1\\ansi ") : QByteArray();
        const int kind = k % 3;
        const int n = below(kind == 0 ? 400 : 120);
        for (int t = 0; t < n; ++t) {
            if (kind == 0) {
                input.append(char(below(256)));  // plain bytes
            } else {
                const int i = below(tokenCount);
                input.append(tokens[i] ? QByteArray(tokens[i]) : QByteArray(1, '\0'));
                if (kind == 2 && below(4) == 0)
                    input.append(char(below(256)));
            }
        }
        QTextDocument doc;
        readRtf(doc, input);
        expectStableThroughWriter(doc, input);

        QTextDocument host;
        host.setPlainText(QStringLiteral("one\ntwo"));
        QTextCursor c(&host);
        c.setPosition(2);
        c.setPosition(5, QTextCursor::KeepAnchor);
        insertRtf(c, input);
        ASSERT_TRUE(text(host).startsWith(QStringLiteral("on"))) << input.toHex().constData();
        ASSERT_TRUE(text(host).endsWith(QStringLiteral("wo"))) << input.toHex().constData();
    }
    // Clipboard text: any UTF-16, lone surrogates and noncharacters included.
    for (int k = 0; k < 1000 && !::testing::Test::HasFailure(); ++k) {
        QString input = QStringLiteral("{\\rtf1 ");
        const int n = below(200);
        for (int t = 0; t < n; ++t)
            input.append(QChar(char16_t(below(3) ? below(128) : below(65536))));
        QTextDocument doc;
        readRtf(doc, input);
        expectStableThroughWriter(doc, input.toUtf8());
    }
}

TEST(RtfRobustness, FontsBeyondTheLimitTakeTheDefaultFont)
{
    // Qt would look for each new format among all those that differ only in their family.
    const int fonts = MaxRtfFonts + 50;
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    for (int k = 0; k < fonts; ++k)
        rtf += "{\\f" + QByteArray::number(k) + " Face" + QByteArray::number(k) + ";}";
    rtf += "}";
    for (int k = 0; k < fonts; ++k)
        rtf += "\\f" + QByteArray::number(k) + " x";
    rtf += "\\f0 y\\f" + QByteArray::number(MaxRtfFonts - 1) + " z}";
    QTextDocument doc;
    readRtf(doc, rtf);
    ASSERT_EQ(text(doc), QString(fonts, u'x') + QStringLiteral("yz"));
    EXPECT_EQ(lookAt(doc, 0).family, QStringLiteral("Face0"));
    EXPECT_EQ(lookAt(doc, MaxRtfFonts - 1).family, QStringLiteral("Face%1").arg(MaxRtfFonts - 1));
    EXPECT_EQ(lookAt(doc, MaxRtfFonts).family, doc.defaultFont().family());
    EXPECT_EQ(lookAt(doc, fonts - 1).family, doc.defaultFont().family());
    // Fonts already in use keep working.
    EXPECT_EQ(lookAt(doc, fonts).family, QStringLiteral("Face0"));
    EXPECT_EQ(lookAt(doc, fonts + 1).family, QStringLiteral("Face%1").arg(MaxRtfFonts - 1));
}

TEST(RtfRobustness, AParagraphKeepsItsLastFormatPastTheLimitOfFormatChanges)
{
    // Qt's layout of a paragraph grows with the square of its format changes.
    QByteArray rtf = "{\\rtf1 ";
    for (int k = 0; k < 2 * MaxRtfRunsPerParagraph; ++k)
        rtf += k % 2 ? "\\b0 y" : "\\b x";
    rtf += "\\par\\b0 a\\b b\\b0 c}";
    QTextDocument doc;
    readRtf(doc, rtf);
    QString expected;
    for (int k = 0; k < 2 * MaxRtfRunsPerParagraph; ++k)
        expected += k % 2 ? u'y' : u'x';
    ASSERT_EQ(text(doc), expected + QStringLiteral("\nabc"));  // no text is lost
    int fragments = 0;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
        ++fragments;
    EXPECT_LE(fragments, MaxRtfRunsPerParagraph + 1);
    EXPECT_TRUE(lookAt(doc, 0).bold);
    EXPECT_FALSE(lookAt(doc, 1).bold);
    // The next paragraph starts afresh.
    const int next = int(expected.size()) + 1;
    EXPECT_FALSE(lookAt(doc, next).bold);
    EXPECT_TRUE(lookAt(doc, next + 1).bold);
    EXPECT_FALSE(lookAt(doc, next + 2).bold);
}
