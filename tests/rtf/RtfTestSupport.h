#pragma once
// What a test compares of a document: its text and the effective format of each character.
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/rtf/Rtf.h"
#include "tests/common/TestHelpers.h"

#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace rtftest {

struct CharLook {
    bool bold = false, italic = false, underline = false, strike = false;
    int script = 0;  // 0 normal, 1 super, 2 sub
    QString family;
    qreal points = 0;
    QColor fg, bg;  // invalid: automatic
    bool operator==(const CharLook&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CharLook& l)
{
    return os << "{b" << l.bold << " i" << l.italic << " u" << l.underline << " s" << l.strike << " v" << l.script
              << " '" << l.family.toStdString() << "' " << l.points << "pt fg " << l.fg.name().toStdString()
              << (l.fg.isValid() ? "" : "(auto)") << " bg " << l.bg.name().toStdString()
              << (l.bg.isValid() ? "" : "(auto)") << "}";
}

using lx::testing::formatAt;

inline CharLook lookAt(const QTextDocument& doc, int pos)
{
    const QTextCharFormat f = formatAt(doc, pos);
    const QFont font = f.font().resolve(doc.defaultFont());
    CharLook l;
    l.bold = font.bold();
    l.italic = font.italic();
    l.underline = font.underline();
    l.strike = font.strikeOut();
    l.script = f.verticalAlignment() == QTextCharFormat::AlignSuperScript ? 1
               : f.verticalAlignment() == QTextCharFormat::AlignSubScript ? 2 : 0;
    l.family = font.families().value(0, font.family());
    l.points = font.pointSizeF();
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        l.fg = f.foreground().color();
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        l.bg = f.background().color();
    return l;
}

// The position of the first occurrence of needle in the document's text.
inline int posOf(const QTextDocument& doc, const QString& needle)
{
    return int(doc.toRawText().indexOf(needle));
}

inline QString text(const QTextDocument& doc)
{
    QString s = doc.toRawText();
    s.replace(QChar::ParagraphSeparator, u'\n');
    return s;
}

// The text of an RTF input as the reader leaves it.
inline QString readText(const QByteArray& rtf)
{
    QTextDocument doc;
    lx::readRtf(doc, rtf);
    return text(doc);
}

// Same text, same look of every character, same paragraph formats.
inline void expectSameDocument(const QTextDocument& expected, const QTextDocument& actual, const char* name)
{
    ASSERT_EQ(text(actual), text(expected)) << name;
    const QString raw = expected.toRawText();
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] == QChar::ParagraphSeparator)
            continue;
        EXPECT_EQ(lookAt(actual, i), lookAt(expected, i)) << name << " at " << i;
    }
    ASSERT_EQ(actual.blockCount(), expected.blockCount()) << name;
    for (QTextBlock a = actual.begin(), e = expected.begin(); e.isValid(); a = a.next(), e = e.next()) {
        const QTextBlockFormat fa = a.blockFormat(), fe = e.blockFormat();
        EXPECT_EQ(fa.alignment() & Qt::AlignHorizontal_Mask, fe.alignment() & Qt::AlignHorizontal_Mask) << name;
        EXPECT_DOUBLE_EQ(fa.leftMargin(), fe.leftMargin()) << name;
        EXPECT_DOUBLE_EQ(fa.rightMargin(), fe.rightMargin()) << name;
        EXPECT_DOUBLE_EQ(fa.textIndent(), fe.textIndent()) << name;
        EXPECT_DOUBLE_EQ(fa.topMargin(), fe.topMargin()) << name;
        EXPECT_DOUBLE_EQ(fa.bottomMargin(), fe.bottomMargin()) << name;
    }
}

} // namespace rtftest
