#pragma once
// What a test compares of a document: its text and the effective format of each character.
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <ostream>

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

inline QTextCharFormat formatAt(const QTextDocument& doc, int pos)
{
    const QTextBlock block = doc.findBlock(pos);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (pos >= f.position() && pos < f.position() + f.length())
            return f.charFormat();
    }
    return block.charFormat();
}

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

} // namespace rtftest
