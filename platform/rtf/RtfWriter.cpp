// RTF writer: walks the blocks and fragments of a range of a document and states every change
// of character format against what it wrote last.
#include "platform/Geometry.h"
#include "platform/rtf/Rtf.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

struct Run {
    bool bold = false, italic = false, underline = false, strike = false, caps = false, smallCaps = false;
    int script = 0;  // 0 normal, 1 superscript, 2 subscript
    int font = -1, halfPoints = -1;  // -1: not yet written, so the first run states them
    int fg = 0, bg = 0;
};

class Writer {
public:
    explicit Writer(const QTextDocument& document) : default_(document.defaultFont())
    {
        fontIndex(familyOf(default_));
    }

    // With finalPar the last paragraph ends with \par too, as word processors write a
    // whole document (and read its last \par as the end of the last paragraph).
    void write(const QTextDocument& document, int from, int to, bool finalPar)
    {
        const int last = document.characterCount() - 1;  // the final paragraph end is never text
        from = std::clamp(from, 0, last);
        to = std::clamp(to, from, last);
        QTextBlock block = document.findBlock(from);
        // The paragraph at `to` is written only when it is the empty last one of the document,
        // whose format a whole document keeps.
        for (bool first = true; block.isValid() && (first || block.position() < to || to == last);
             block = block.next(), first = false) {
            paragraphFormat(block.blockFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                const int start = std::max(from, frag.position());
                const int end = std::min(to, frag.position() + frag.length());
                if (start >= end)
                    continue;
                charFormat(frag.charFormat());
                text(QStringView(frag.text()).mid(start - frag.position(), end - start));
            }
            // LibreOffice moves a paragraph end (or the document end) that is still raised or
            // lowered onto a line of its own.
            if (run_.script != 0) {
                word("nosupersub");
                run_.script = 0;
            }
            const int separator = block.position() + block.length() - 1;
            if ((separator >= from && separator < to) || (finalPar && !block.next().isValid())) {
                body_ += "\\par\r\n";
                space_ = false;
            }
        }
    }

    QByteArray result() const
    {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (int k = 0; k < fonts_.size(); ++k) {
            const QString& name = fonts_[k];
            const bool symbol = name.compare(u"Symbol", Qt::CaseInsensitive) == 0;
            out += "{\\f" + QByteArray::number(k) + "\\fnil\\fcharset" + (symbol ? "2" : "0") + ' ';
            for (QChar c : name)
                if (c != u';')
                    escape(out, c.unicode());
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (const QColor& c : colors_)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
                   + QByteArray::number(c.blue()) + ';';
        out += "}\r\n{\\*\\generator Loamix;}\\viewkind4\r\n";
        out += body_;
        out += "}\r\n";
        return out;
    }

private:
    static QString familyOf(const QFont& f)
    {
        const QStringList families = f.families();
        return families.isEmpty() ? f.family() : families.first();
    }

    int fontIndex(const QString& family)
    {
        const auto it = fontIndexes_.constFind(family);
        if (it != fontIndexes_.cend())
            return *it;
        fonts_.append(family);
        fontIndexes_.insert(family, int(fonts_.size() - 1));
        return int(fonts_.size() - 1);
    }

    int colorIndex(const QColor& c)
    {
        const QRgb rgb = c.rgb() & 0xFFFFFF;
        const auto it = colorIndexes_.constFind(rgb);
        if (it != colorIndexes_.cend())
            return *it;
        colors_.append(QColor::fromRgb(rgb));
        colorIndexes_.insert(rgb, int(colors_.size()));
        return int(colors_.size());
    }

    void word(const char* w)
    {
        body_ += '\\';
        body_ += w;
        space_ = true;
    }

    void word(const char* w, int n)
    {
        word(w);
        body_ += QByteArray::number(n);
    }

    // A control symbol needs no blank after it, and a blank after it would be text.
    void symbol(char c)
    {
        body_ += '\\';
        body_ += c;
        space_ = false;
    }

    void toggle(bool& current, bool wanted, const char* on, const char* off)
    {
        if (current != wanted) {
            word(wanted ? on : off);
            current = wanted;
        }
    }

    static int twips(qreal px) { return int(std::lround(px * TwipsPerPixel)); }

    void paragraphFormat(const QTextBlockFormat& f)
    {
        word("pard");
        switch (f.alignment() & Qt::AlignHorizontal_Mask) {
        case Qt::AlignHCenter: word("qc"); break;
        case Qt::AlignRight: word("qr"); break;
        case Qt::AlignJustify: word("qj"); break;
        default: word("ql"); break;
        }
        if (const int v = twips(f.leftMargin()); v > 0) word("li", v);
        if (const int v = twips(f.rightMargin()); v > 0) word("ri", v);
        if (const int v = twips(f.textIndent()); v != 0) word("fi", v);
        if (const int v = twips(f.topMargin()); v > 0) word("sb", v);
        if (const int v = twips(f.bottomMargin()); v > 0) word("sa", v);
    }

    void charFormat(const QTextCharFormat& f)
    {
        const QFont font = f.font().resolve(default_);
        toggle(run_.bold, font.bold(), "b", "b0");
        toggle(run_.italic, font.italic(), "i", "i0");
        toggle(run_.underline, font.underline() || f.underlineStyle() != QTextCharFormat::NoUnderline, "ul", "ulnone");
        toggle(run_.strike, font.strikeOut(), "strike", "strike0");
        toggle(run_.caps, font.capitalization() == QFont::AllUppercase, "caps", "caps0");
        toggle(run_.smallCaps, font.capitalization() == QFont::SmallCaps, "scaps", "scaps0");
        const int script = f.verticalAlignment() == QTextCharFormat::AlignSuperScript ? 1
                           : f.verticalAlignment() == QTextCharFormat::AlignSubScript ? 2 : 0;
        if (script != run_.script) {
            word(script == 1 ? "super" : script == 2 ? "sub" : "nosupersub");
            run_.script = script;
        }
        const int index = fontIndex(familyOf(font));
        if (index != run_.font) {
            word("f", index);
            run_.font = index;
        }
        qreal points = font.pointSizeF();
        if (points <= 0 && font.pixelSize() > 0)
            points = font.pixelSize() * 0.75;  // 96 pixels to the inch
        const int halfPoints = points > 0 ? std::clamp(int(std::lround(points * 2)), 1, 3276) : 24;
        if (halfPoints != run_.halfPoints) {
            word("fs", halfPoints);
            run_.halfPoints = halfPoints;
        }
        const QBrush fg = f.foreground();
        const int fgIndex = f.hasProperty(QTextFormat::ForegroundBrush) && fg.style() != Qt::NoBrush
                                ? colorIndex(fg.color()) : 0;
        if (fgIndex != run_.fg) {
            word("cf", fgIndex);
            run_.fg = fgIndex;
        }
        const QBrush bg = f.background();
        const int bgIndex = f.hasProperty(QTextFormat::BackgroundBrush) && bg.style() != Qt::NoBrush
                                ? colorIndex(bg.color()) : 0;
        if (bgIndex != run_.bg) {
            word("highlight", bgIndex);
            run_.bg = bgIndex;
        }
    }

    // Writes one character as RTF text: ASCII as itself, code page 1252 as \'hh, the rest as \uN?.
    static void escape(QByteArray& out, char16_t c)
    {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else if (const int b = toCp1252(c); b >= 0x80) {
            static const char hex[] = "0123456789abcdef";
            out += "\\'";
            out += hex[b >> 4];
            out += hex[b & 15];
        } else if (c >= 0x80) {
            out += "\\u" + QByteArray::number(int(int16_t(c))) + '?';
        }
    }

    void text(QStringView s)
    {
        for (QChar qc : s) {
            const char16_t c = qc.unicode();
            switch (c) {
            case u'\t': word("tab"); continue;
            case QChar::LineSeparator: word("line"); continue;
            case QChar::Nbsp: symbol('~'); continue;
            case 0x00AD: symbol('-'); continue;
            case 0x2011: symbol('_'); continue;
            case QChar::ObjectReplacementCharacter: case QChar::ParagraphSeparator: case 0xFDD0: case 0xFDD1:
                continue;  // pictures and structure are not written
            default: break;
            }
            if (c < 0x20 || c == 0x7F)
                continue;
            if (space_) {
                body_ += ' ';
                space_ = false;
            }
            escape(body_, c);
        }
    }

    QFont default_;
    QStringList fonts_;
    QHash<QString, int> fontIndexes_;
    QList<QColor> colors_;
    QHash<QRgb, int> colorIndexes_;
    Run run_;
    QByteArray body_;
    bool space_ = false;  // a control word was written last: text must be set off by a blank
};

} // namespace

QByteArray writeRtf(const QTextDocument& document, int from, int to)
{
    Writer w(document);
    w.write(document, from, to, false);
    return w.result();
}

QByteArray writeRtf(const QTextDocument& document)
{
    Writer w(document);
    w.write(document, 0, document.characterCount() - 1, true);
    return w.result();
}

QByteArray writeRtf(const QTextCursor& selection)
{
    if (selection.isNull()) {
        QTextDocument empty;
        return writeRtf(empty);
    }
    return writeRtf(*selection.document(), selection.selectionStart(), selection.selectionEnd());
}

QByteArray writeRtf(const QTextDocumentFragment& fragment)
{
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    return writeRtf(document, 0, document.characterCount() - 1);  // a piece, not a whole document
}

} // namespace lx
