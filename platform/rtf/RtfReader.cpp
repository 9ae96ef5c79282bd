// One-pass RTF reader: a tokenizer over the input, a stack of group states and a cursor
// that receives text runs and paragraphs.
#include "platform/Geometry.h"
#include "platform/rtf/Rtf.h"
#include "platform/rtf/RtfCodepages.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lx {

namespace {

enum class Kw : uint8_t {
    None,
    // destinations
    Skip, FontTable, ColorTable, Upr, Ud,
    // document
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Uc, U, Bin,
    // font table
    F, FCharset, Cpg, Red, Green, Blue,
    // characters
    Par, Line, Tab, Cell, Emdash, Endash, Emspace, Enspace, Qmspace, Bullet, Lquote, Rquote,
    Ldblquote, Rdblquote, Zwj, Zwnj, Ltrmark, Rtlmark,
    // character formats
    Plain, B, I, Ul, UlNone, Strike, Super, Sub, NoSuperSub, Fs, Cf, Highlight, Caps, Scaps, V,
    // paragraph formats
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa,
};

const std::unordered_map<std::string_view, Kw>& keywords()
{
    static const std::unordered_map<std::string_view, Kw> table = [] {
        std::unordered_map<std::string_view, Kw> t = {
            {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColorTable}, {"upr", Kw::Upr}, {"ud", Kw::Ud},
            {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca}, {"ansicpg", Kw::AnsiCpg},
            {"deff", Kw::Deff}, {"uc", Kw::Uc}, {"u", Kw::U}, {"bin", Kw::Bin},
            {"f", Kw::F}, {"fcharset", Kw::FCharset}, {"cpg", Kw::Cpg},
            {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
            {"par", Kw::Par}, {"sect", Kw::Par}, {"page", Kw::Par}, {"column", Kw::Par}, {"row", Kw::Par},
            {"nestrow", Kw::Par}, {"line", Kw::Line}, {"tab", Kw::Tab}, {"cell", Kw::Cell}, {"nestcell", Kw::Cell},
            {"emdash", Kw::Emdash}, {"endash", Kw::Endash}, {"emspace", Kw::Emspace}, {"enspace", Kw::Enspace},
            {"qmspace", Kw::Qmspace}, {"bullet", Kw::Bullet}, {"lquote", Kw::Lquote}, {"rquote", Kw::Rquote},
            {"ldblquote", Kw::Ldblquote}, {"rdblquote", Kw::Rdblquote}, {"zwj", Kw::Zwj}, {"zwnj", Kw::Zwnj},
            {"ltrmark", Kw::Ltrmark}, {"rtlmark", Kw::Rtlmark},
            {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul}, {"ulnone", Kw::UlNone},
            {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"super", Kw::Super}, {"sub", Kw::Sub},
            {"nosupersub", Kw::NoSuperSub}, {"fs", Kw::Fs}, {"cf", Kw::Cf}, {"highlight", Kw::Highlight},
            {"cb", Kw::Highlight}, {"chcbpat", Kw::Highlight}, {"caps", Kw::Caps}, {"scaps", Kw::Scaps},
            {"v", Kw::V},
            {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr}, {"qj", Kw::Qj},
            {"li", Kw::Li}, {"ri", Kw::Ri}, {"fi", Kw::Fi}, {"sb", Kw::Sb}, {"sa", Kw::Sa},
        };
        // Underline styles are all shown as a plain underline.
        for (std::string_view w : {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
                                   "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
                                   "ulwave"})
            t.emplace(w, Kw::Ul);
        // Destinations whose content is not text of the document.
        for (std::string_view w :
             {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer", "footerl",
              "footerr", "footerf", "footnote", "annotation", "fldinst", "private", "pn", "pgdsctbl", "listtable",
              "listoverridetable", "revtbl", "rsidtbl", "filetbl", "xmlnstbl", "mmathPr", "themedata",
              "colorschememapping", "latentstyles", "datastore", "generator", "nonshppict", "shpinst", "objdata",
              "txe", "xe", "tc", "rxe", "bkmkstart", "bkmkend", "atnid", "atnauthor", "atnref", "atntime", "atndate",
              "atnicn", "atrfstart", "atrfend", "template", "userprops", "docvar", "ftnsep", "ftnsepc", "ftncn",
              "aftnsep", "aftnsepc", "aftncn", "fchars", "lchars", "pnseclvl", "pntxta", "pntxtb", "picprop",
              "blipuid", "sp", "sn", "sv", "title", "subject", "author", "operator", "keywords", "comment",
              "doccomm", "hlinkbase", "password", "passwordhash", "protusertbl", "wgrffmtfilter", "fontemb",
              "fontfile", "falt", "panose", "leveltext", "levelnumbers", "listname", "liststylename",
              "formfield", "datafield", "mhtmltag", "htmltag", "factoidname", "pxe", "ebcstart", "ebcend",
              "bkmkcolf", "bkmkcoll", "oleclsid", "result", "macpict", "pmmetafile", "wmetafile", "dibitmap",
              "wbitmap", "shppict", "do", "background", "gridtbl", "oldcprops", "oldpprops", "oldsprops",
              "oldtprops", "tblstylesheet", "defchp", "defpap", "xform", "ipgp", "category", "company", "manager",
              "nextfile", "printim", "revtim", "creatim", "buptim"})
            t.emplace(w, Kw::Skip);
        return t;
    }();
    return table;
}

enum class Dest : uint8_t { Text, Skip, FontTable, ColorTable, Upr };

struct CharState {
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    bool caps = false, smallCaps = false;
    uint8_t script = 0;  // 0 normal, 1 superscript, 2 subscript
    int font = -1;       // -1: the default font (\deff)
    int halfPoints = 0;  // 0: the document's default size
    int fg = 0, bg = 0;  // colour table indexes, 0 automatic
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    uint8_t align = 0;  // 0 not stated, 1 left, 2 centre, 3 right, 4 justified
    int left = 0, right = 0, first = 0, before = 0, after = 0;  // twips
};

struct Group {
    CharState chr;
    ParaState para;
    Dest dest = Dest::Text;
    Dest outer = Dest::Text;  // the destination outside an \upr group
    int uc = 1;
};

struct Font {
    QString name;
    int codepage = 0;  // 0: the document's code page
};

constexpr int MaxTableEntries = 32767;  // RTF indexes are 16-bit
constexpr int MaxTwips = 31680;         // 22 inches

template <typename Unit>
class Reader {
public:
    Reader(const Unit* data, qsizetype size, QTextCursor& cursor, bool wholeDocument)
        : data_(data), size_(size), cursor_(cursor), wholeDocument_(wholeDocument)
    {
        stack_.reserve(64);
        stack_.emplace_back();
    }

    void run()
    {
        while (pos_ < size_ && !finished_) {
            const char32_t c = at(pos_++);
            switch (c) {
            case '{': openGroup(); break;
            case '}': closeGroup(); break;
            case '\\': control(); break;
            case '\r': case '\n': case 0: break;
            default: character(c); break;
            }
        }
        finish();
    }

private:
    Group& top() { return stack_.back(); }
    char32_t at(qsizetype i) const
    {
        if constexpr (sizeof(Unit) == 1)
            return static_cast<unsigned char>(data_[i]);
        else
            return static_cast<char32_t>(data_[i]);
    }
    Dest dest() const { return overflow_ > 0 ? Dest::Skip : stack_.back().dest; }

    static bool isLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
    static int hexValue(char32_t c)
    {
        if (c >= '0' && c <= '9') return int(c - '0');
        if (c >= 'a' && c <= 'f') return int(c - 'a' + 10);
        if (c >= 'A' && c <= 'F') return int(c - 'A' + 10);
        return -1;
    }

    // ---- groups

    void openGroup()
    {
        skip_ = 0;
        if (overflow_ > 0 || int(stack_.size()) > MaxRtfDepth) {
            ++overflow_;
            return;
        }
        Group child = top();
        if (child.dest == Dest::Upr)
            child.dest = Dest::Skip;  // the ANSI version; {\*\ud ...} brings back the outer one
        stack_.push_back(child);
    }

    void closeGroup()
    {
        skip_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (top().dest == Dest::FontTable)
            commitFont();
        if (stack_.size() <= 2) {  // the document group ends the document
            finalPara_ = top().para;
            rootClosed_ = true;
            finished_ = true;
            return;
        }
        stack_.pop_back();
    }

    // ---- control words and symbols

    void control()
    {
        if (pos_ >= size_)
            return;
        const char32_t c = at(pos_);
        if (!isLetter(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < size_ && isLetter(at(pos_)))
            ++pos_;
        const qsizetype len = pos_ - start;
        char name[33];
        if (len <= 32)
            for (qsizetype k = 0; k < len; ++k)
                name[k] = char(at(start + k));
        bool negative = false;
        if (pos_ + 1 < size_ && at(pos_) == '-' && isDigit(at(pos_ + 1))) {
            negative = true;
            ++pos_;
        }
        bool hasParam = false;
        long long value = 0;
        while (pos_ < size_ && isDigit(at(pos_))) {
            hasParam = true;
            if (value < INT_MAX)  // saturates: "\fs99999999999" is as large as a number gets
                value = std::min<long long>(value * 10 + int(at(pos_) - '0'), INT_MAX);
            ++pos_;
        }
        if (pos_ < size_ && at(pos_) == ' ')
            ++pos_;
        const int param = int(negative ? -value : value);
        if (len > 32)
            return;  // longer than any control word: ignored
        const auto& table = keywords();
        const auto it = table.find(std::string_view(name, size_t(len)));
        word(it == table.end() ? Kw::None : it->second, hasParam, param);
    }

    void symbol(char32_t c)
    {
        if (c == '\'') {
            int byte = -1;
            if (pos_ < size_) {
                const int hi = hexValue(at(pos_));
                if (hi >= 0) {
                    ++pos_;
                    byte = hi;
                    if (pos_ < size_) {
                        const int lo = hexValue(at(pos_));
                        if (lo >= 0) {
                            ++pos_;
                            byte = hi * 16 + lo;
                        }
                    }
                }
            }
            if (skip_ > 0) {
                --skip_;
                return;
            }
            if (byte >= 0)
                textByte(char(byte));
            return;
        }
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (c) {
        case '\\': case '{': case '}': textChar(char16_t(c)); break;
        case '~': textChar(0x00A0); break;
        case '-': textChar(0x00AD); break;
        case '_': textChar(0x2011); break;
        case '\r': case '\n': paragraph(); break;
        case '\t': textChar(u'\t'); break;
        case '*':
            if (overflow_ == 0)
                top().dest = Dest::Skip;
            break;
        default: break;  // \: \| and unknown symbols
        }
    }

    void word(Kw kw, bool hasParam, int param)
    {
        if (kw == Kw::Bin) {
            // The binary data follows at once; it is skipped in every destination.
            const qsizetype n = hasParam && param > 0 ? std::min<qsizetype>(param, size_ - pos_) : 0;
            pos_ += n;
            if (skip_ > 0)
                --skip_;
            return;
        }
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (overflow_ > 0)
            return;
        Group& g = top();
        const bool on = !hasParam || param != 0;
        switch (kw) {
        case Kw::None: return;
        // destinations
        case Kw::Skip: g.dest = Dest::Skip; return;
        case Kw::FontTable:
            if (g.dest != Dest::Skip) {
                g.dest = Dest::FontTable;
                fonts_.clear();
                resetFontEntry();
            }
            return;
        case Kw::ColorTable:
            if (g.dest != Dest::Skip) {
                g.dest = Dest::ColorTable;
                colors_.clear();
                resetColorEntry();
            }
            return;
        case Kw::Upr:
            if (g.dest != Dest::Skip && g.dest != Dest::Upr) {
                g.outer = g.dest;
                g.dest = Dest::Upr;
            }
            return;
        case Kw::Ud:
            if (stack_.size() >= 2 && stack_[stack_.size() - 2].dest == Dest::Upr)
                g.dest = stack_[stack_.size() - 2].outer;
            return;
        case Kw::U: {
            // Negative values are the upper half of 16 bits; anything else is no character.
            const int code = param < 0 ? param + 65536 : param;
            if (!hasParam || code < 0 || code > 0xFFFF)
                textChar(0xFFFD);
            else
                textChar(char16_t(code));
            skip_ = g.uc;  // the fallback for readers without Unicode follows
            return;
        }
        case Kw::Uc: g.uc = std::clamp(hasParam ? param : 1, 0, 16); return;
        default: break;
        }

        if (g.dest == Dest::FontTable) {
            switch (kw) {
            case Kw::F:
                commitFont();
                fontNumber_ = param;
                return;
            case Kw::FCharset: fontCodepage_ = rtfdetail::codepageOfCharset(param); return;
            case Kw::Cpg: fontCodepage_ = std::clamp(param, 0, 65535); return;
            default: return;
            }
        }
        if (g.dest == Dest::ColorTable) {
            switch (kw) {
            case Kw::Red: red_ = std::clamp(param, 0, 255); colorStated_ = true; return;
            case Kw::Green: green_ = std::clamp(param, 0, 255); colorStated_ = true; return;
            case Kw::Blue: blue_ = std::clamp(param, 0, 255); colorStated_ = true; return;
            default: return;
            }
        }
        if (g.dest != Dest::Text)
            return;

        CharState& ch = g.chr;
        ParaState& pa = g.para;
        switch (kw) {
        case Kw::Ansi: docCodepage_ = 1252; return;
        case Kw::Mac: docCodepage_ = 10000; return;
        case Kw::Pc: docCodepage_ = 437; return;
        case Kw::Pca: docCodepage_ = 850; return;
        case Kw::AnsiCpg: {
            const int cp = std::clamp(param, 0, 65535);
            docCodepage_ = codepages_.supports(cp) ? cp : 1252;
            return;
        }
        case Kw::Deff: defaultFont_ = param; return;
        case Kw::Par: paragraph(); return;
        case Kw::Line: textChar(QChar::LineSeparator); return;
        case Kw::Tab: case Kw::Cell: textChar(u'\t'); return;
        case Kw::Emdash: textChar(0x2014); return;
        case Kw::Endash: textChar(0x2013); return;
        case Kw::Emspace: textChar(0x2003); return;
        case Kw::Enspace: textChar(0x2002); return;
        case Kw::Qmspace: textChar(0x2005); return;
        case Kw::Bullet: textChar(0x2022); return;
        case Kw::Lquote: textChar(0x2018); return;
        case Kw::Rquote: textChar(0x2019); return;
        case Kw::Ldblquote: textChar(0x201C); return;
        case Kw::Rdblquote: textChar(0x201D); return;
        case Kw::Zwj: textChar(0x200D); return;
        case Kw::Zwnj: textChar(0x200C); return;
        case Kw::Ltrmark: textChar(0x200E); return;
        case Kw::Rtlmark: textChar(0x200F); return;
        case Kw::Plain: ch = CharState(); return;
        case Kw::B: ch.bold = on; return;
        case Kw::I: ch.italic = on; return;
        case Kw::Ul: ch.underline = on; return;
        case Kw::UlNone: ch.underline = false; return;
        case Kw::Strike: ch.strike = on; return;
        case Kw::Caps: ch.caps = on; return;
        case Kw::Scaps: ch.smallCaps = on; return;
        case Kw::V: ch.hidden = on; return;
        case Kw::Super: ch.script = 1; return;
        case Kw::Sub: ch.script = 2; return;
        case Kw::NoSuperSub: ch.script = 0; return;
        case Kw::F: ch.font = hasParam ? param : -1; return;
        case Kw::Fs: ch.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 0; return;
        case Kw::Cf: ch.fg = std::clamp(param, 0, MaxTableEntries); return;
        case Kw::Highlight: ch.bg = std::clamp(param, 0, MaxTableEntries); return;
        case Kw::Pard: pa = ParaState(); return;
        case Kw::Ql: pa.align = 1; return;
        case Kw::Qc: pa.align = 2; return;
        case Kw::Qr: pa.align = 3; return;
        case Kw::Qj: pa.align = 4; return;
        case Kw::Li: pa.left = std::clamp(param, 0, MaxTwips); return;
        case Kw::Ri: pa.right = std::clamp(param, 0, MaxTwips); return;
        case Kw::Fi: pa.first = std::clamp(param, -MaxTwips, MaxTwips); return;
        case Kw::Sb: pa.before = std::clamp(param, 0, MaxTwips); return;
        case Kw::Sa: pa.after = std::clamp(param, 0, MaxTwips); return;
        default: return;
        }
    }

    // ---- text

    void character(char32_t c)
    {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (c == '\t') {
            textChar(u'\t');
            return;
        }
        if (c < 0x20)
            return;
        if (sizeof(Unit) == 1 && c >= 0x80)
            textByte(char(c));
        else
            textChar(char16_t(c));
    }

    // Starts a new run when the format changed since the pending text began.
    bool prepareRun()
    {
        if (overflow_ > 0)
            return false;
        const Group& g = top();
        if (g.dest != Dest::Text || g.chr.hidden)
            return false;
        commitParagraph();
        // Past the limit a paragraph keeps its last format: Qt lays out a paragraph in time
        // that grows with the square of its format changes.
        if (!(g.chr == run_) && runsInParagraph_ < MaxRtfRunsPerParagraph) {
            flushRun();
            run_ = g.chr;
            ++runsInParagraph_;
        }
        return true;
    }

    void textByte(char b)
    {
        const Dest d = dest();
        if (d == Dest::FontTable) {
            if (b == ';')
                commitFont();
            else
                fontBytes_.append(b);
            return;
        }
        if (d == Dest::ColorTable) {
            if (b == ';')
                commitColor();
            return;
        }
        if (!prepareRun())
            return;
        // ASCII is itself in every code page, except as the second byte of a double-byte one.
        if (static_cast<unsigned char>(b) < 0x80 && (pendingBytes_.isEmpty() || !doubleByte(codepageOf(run_.font)))) {
            flushBytes();
            pendingText_.append(QChar(char16_t(b)));
        } else {
            pendingBytes_.append(b);
        }
    }

    static bool doubleByte(int codepage)
    {
        return codepage == 932 || codepage == 936 || codepage == 949 || codepage == 950;
    }

    void textChar(char16_t c)
    {
        if (c < 0x80) {
            textByte(char(c));
            return;
        }
        const Dest d = dest();
        if (d == Dest::FontTable) {
            flushFontBytes();
            fontName_.append(QChar(c));
            return;
        }
        if (prepareRun()) {
            flushBytes();
            pendingText_.append(QChar(c));
        }
    }

    int codepageOf(int fontNumber) const
    {
        const auto it = fonts_.find(fontNumber < 0 ? defaultFont_ : fontNumber);
        return it != fonts_.end() && it->second.codepage != 0 ? it->second.codepage : docCodepage_;
    }

    void flushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        pendingText_ += codepages_.decode(pendingBytes_, codepageOf(run_.font));
        pendingBytes_.clear();
    }

    // Characters a QTextDocument would take for structure, and controls, never reach it.
    static void sanitize(QString& s)
    {
        const qsizetype n = s.size();
        QChar* p = s.data();
        qsizetype out = 0;
        for (qsizetype k = 0; k < n; ++k) {
            char16_t c = p[k].unicode();
            if (c < 0x20 && c != u'\t')
                continue;
            if (QChar::isHighSurrogate(c)) {
                if (k + 1 < n && QChar::isLowSurrogate(p[k + 1].unicode())) {
                    p[out++] = p[k];
                    p[out++] = p[k + 1];
                    ++k;
                    continue;
                }
                c = 0xFFFD;
            } else if (QChar::isLowSurrogate(c) || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1
                       || c == QChar::ObjectReplacementCharacter || c == 0x7F) {
                c = 0xFFFD;
            }
            p[out++] = QChar(c);
        }
        s.truncate(out);
    }

    void flushRun()
    {
        flushBytes();
        if (pendingText_.isEmpty())
            return;
        sanitize(pendingText_);
        cursor_.insertText(pendingText_, charFormat(run_));
        pendingText_.clear();
    }

    // A paragraph end takes effect when something follows it: a document's last \par ends
    // its last paragraph, as word processors write it, and opens no empty one.
    void paragraph()
    {
        if (dest() != Dest::Text)
            return;
        flushRun();
        commitParagraph();
        parPending_ = true;
        pendingBlock_ = blockFormat(top().para);
        pendingBlockChar_ = charFormat(top().chr);
    }

    void commitParagraph()
    {
        if (!parPending_)
            return;
        parPending_ = false;
        const QTextBlockFormat host = cursor_.blockFormat();
        if (pendingBlock_ != host)
            cursor_.setBlockFormat(pendingBlock_);
        cursor_.insertBlock(host, pendingBlockChar_);
        runsInParagraph_ = 0;
    }

    void finish()
    {
        flushRun();
        if (!wholeDocument_) {
            commitParagraph();  // pasted text that ends with \par ends with a paragraph break
        } else if (parPending_) {
            cursor_.setBlockFormat(pendingBlock_);
        } else {
            cursor_.setBlockFormat(blockFormat(rootClosed_ ? finalPara_ : top().para));
        }
    }

    // ---- tables

    void resetFontEntry()
    {
        fontNumber_ = INT_MIN;
        fontCodepage_ = 0;
        fontBytes_.clear();
        fontName_.clear();
    }

    void flushFontBytes()
    {
        if (fontBytes_.isEmpty())
            return;
        fontName_ += codepages_.decode(fontBytes_, fontCodepage_ ? fontCodepage_ : docCodepage_);
        fontBytes_.clear();
    }

    void commitFont()
    {
        flushFontBytes();
        if (fontNumber_ != INT_MIN && (fonts_.size() < size_t(MaxTableEntries) || fonts_.count(fontNumber_))) {
            QString name = fontName_.trimmed();
            sanitize(name);
            fonts_[fontNumber_] = Font{name, fontCodepage_};
        }
        resetFontEntry();
    }

    void resetColorEntry()
    {
        red_ = green_ = blue_ = 0;
        colorStated_ = false;
    }

    void commitColor()
    {
        if (colors_.size() < size_t(MaxTableEntries))
            colors_.push_back(colorStated_ ? QColor(red_, green_, blue_) : QColor());
        resetColorEntry();
    }

    // ---- formats

    QTextCharFormat charFormat(const CharState& s)
    {
        QTextCharFormat f;
        if (s.bold)
            f.setFontWeight(QFont::Bold);
        if (s.italic)
            f.setFontItalic(true);
        if (s.underline)
            f.setFontUnderline(true);
        if (s.strike)
            f.setFontStrikeOut(true);
        if (s.caps)
            f.setFontCapitalization(QFont::AllUppercase);
        else if (s.smallCaps)
            f.setFontCapitalization(QFont::SmallCaps);
        if (s.script == 1)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (s.script == 2)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        const auto font = fonts_.find(s.font < 0 ? defaultFont_ : s.font);
        if (font != fonts_.end() && !font->second.name.isEmpty() && useFamily(font->second.name))
            f.setFontFamilies(QStringList{font->second.name});
        if (s.halfPoints > 0)
            f.setFontPointSize(s.halfPoints / 2.0);
        if (s.fg > 0 && size_t(s.fg) < colors_.size() && colors_[size_t(s.fg)].isValid())
            f.setForeground(colors_[size_t(s.fg)]);
        if (s.bg > 0 && size_t(s.bg) < colors_.size() && colors_[size_t(s.bg)].isValid())
            f.setBackground(colors_[size_t(s.bg)]);
        return f;
    }

    // Qt finds a character format among those that differ only in their font family one
    // by one, so a document takes at most MaxRtfFonts families; text in any further font
    // shows in the default one.
    bool useFamily(const QString& family)
    {
        if (families_.contains(family))
            return true;
        if (families_.size() >= MaxRtfFonts)
            return false;
        families_.insert(family);
        return true;
    }

    static QTextBlockFormat blockFormat(const ParaState& p)
    {
        QTextBlockFormat f;
        switch (p.align) {
        case 1: f.setAlignment(Qt::AlignLeft); break;
        case 2: f.setAlignment(Qt::AlignHCenter); break;
        case 3: f.setAlignment(Qt::AlignRight); break;
        case 4: f.setAlignment(Qt::AlignJustify); break;
        default: break;
        }
        if (p.left) f.setLeftMargin(p.left / TwipsPerPixel);
        if (p.right) f.setRightMargin(p.right / TwipsPerPixel);
        if (p.first) f.setTextIndent(p.first / TwipsPerPixel);
        if (p.before) f.setTopMargin(p.before / TwipsPerPixel);
        if (p.after) f.setBottomMargin(p.after / TwipsPerPixel);
        return f;
    }

    const Unit* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    QTextCursor& cursor_;
    bool wholeDocument_;
    bool finished_ = false;
    bool rootClosed_ = false;
    ParaState finalPara_;

    std::vector<Group> stack_;
    qsizetype overflow_ = 0;  // groups opened beyond MaxRtfDepth
    int skip_ = 0;      // fallback characters still to skip after \uN

    int docCodepage_ = 1252;
    int defaultFont_ = INT_MIN;
    rtfdetail::CodepageDecoder codepages_;

    std::unordered_map<int, Font> fonts_;
    int fontNumber_ = INT_MIN;
    int fontCodepage_ = 0;
    QByteArray fontBytes_;
    QString fontName_;

    QSet<QString> families_;  // the font families given to text so far

    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorStated_ = false;

    bool parPending_ = false;
    QTextBlockFormat pendingBlock_;
    QTextCharFormat pendingBlockChar_;

    CharState run_;
    int runsInParagraph_ = 0;  // format changes in the paragraph being read
    QByteArray pendingBytes_;
    QString pendingText_;
};

template <typename Unit>
void read(QTextCursor& cursor, const Unit* data, qsizetype size, bool wholeDocument)
{
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    Reader<Unit>(data, size, cursor, wholeDocument).run();
    cursor.endEditBlock();
}

template <typename Unit>
void readDocument(QTextDocument& document, const Unit* data, qsizetype size)
{
    // A loaded document starts a new history; recording the load would only cost memory.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    read(cursor, data, size, true);
    document.setUndoRedoEnabled(undo);
}

} // namespace

bool isRtf(const QByteArray& data) { return data.startsWith("{\\rtf"); }
bool isRtf(QStringView text) { return text.startsWith(u"{\\rtf"); }

void readRtf(QTextDocument& document, const QByteArray& rtf) { readDocument(document, rtf.constData(), rtf.size()); }
void readRtf(QTextDocument& document, QStringView rtf) { readDocument(document, rtf.utf16(), rtf.size()); }

void insertRtf(QTextCursor& cursor, const QByteArray& rtf)
{
    if (!cursor.isNull())
        read(cursor, rtf.constData(), rtf.size(), false);
}

void insertRtf(QTextCursor& cursor, QStringView rtf)
{
    if (!cursor.isNull())
        read(cursor, rtf.utf16(), rtf.size(), false);
}

} // namespace lx
