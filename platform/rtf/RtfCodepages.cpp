#include "platform/rtf/RtfCodepages.h"
#include "platform/rtf/Rtf.h"

namespace lx {

namespace {

// Code page 1252 from 0x80 to 0x9F; the five unassigned bytes keep their own value as
// Windows does. The rest of the code page is Latin-1.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool unassigned(int byte) { return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D; }

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *p++ = QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

int toCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[i] == c && !unassigned(0x80 + i))
            return 0x80 + i;
    return -1;
}

namespace rtfdetail {

int codepageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;  // Mac Roman
    case 128: return 932;   // Shift JIS
    case 129: return 949;   // Hangul
    case 134: return 936;   // GB2312
    case 136: return 950;   // Big5
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 163: return 1258;  // Vietnamese
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 222: return 874;   // Thai
    case 238: return 1250;  // Eastern European
    case 254: return 437;   // PC 437
    case 255: return 850;   // OEM
    default: return 0;      // ANSI, default and symbol fonts: the document's code page
    }
}

QStringDecoder* CodepageDecoder::decoderFor(int codepage)
{
    if (codepage == 0 || codepage == 1252)
        return nullptr;
    // Only the code pages RTF writers use, so hostile numbers cannot make us try many.
    static constexpr int Known[] = {437, 850, 874, 932, 936, 949, 950, 1250, 1251, 1253, 1254,
                                    1255, 1256, 1257, 1258, 10000};
    if (std::find(std::begin(Known), std::end(Known), codepage) == std::end(Known))
        return nullptr;
    auto it = decoders_.find(codepage);
    if (it == decoders_.end()) {
        const QByteArray name = codepage == 10000 ? QByteArray("macintosh") : "cp" + QByteArray::number(codepage);
        auto dec = std::make_unique<QStringDecoder>(name.constData(), QStringConverter::Flag::Stateless);
        if (!dec->isValid())
            dec.reset();
        it = decoders_.emplace(codepage, std::move(dec)).first;
    }
    return it->second.get();
}

bool CodepageDecoder::supports(int codepage)
{
    return codepage == 1252 || decoderFor(codepage) != nullptr;
}

QString CodepageDecoder::decode(const QByteArray& bytes, int codepage)
{
    if (QStringDecoder* dec = decoderFor(codepage))
        return dec->decode(bytes);
    return fromCp1252(bytes);
}

} // namespace rtfdetail
} // namespace lx
