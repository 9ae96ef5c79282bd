#include "Numbers.h"

#include <charconv>
#include <cfenv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace lx {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Formats with printf's %G at the given precision, drops trailing zeros of the fraction
// and writes the exponent as the classic runtime does ("E+15", "E-05").
QString general(double value, int precision)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN") : (value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf"));
    // to_chars, unlike printf, never writes the locale's decimal comma.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    QString s = QString::fromLatin1(buf, res.ptr - buf).toUpper();
    qsizetype e = s.indexOf(u'E');
    QString mantissa = e < 0 ? s : s.left(e);
    QString exponent = e < 0 ? QString() : s.mid(e);
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
    }
    return mantissa + exponent;
}

QString classic(double value, int precision)
{
    QString s = general(value, precision);
    if (s.startsWith(u"0."))
        s.remove(0, 1);
    else if (s.startsWith(u"-0."))
        s.remove(1, 1);
    if (!s.startsWith(u'-'))
        s.prepend(u' ');
    return s;
}

} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    if (i + 1 < n && text[i] == u'&') {
        const QChar kind = text[i + 1].toUpper();
        int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (base) {
            i += 2;
            double v = 0;
            while (i < n) {
                const char c = char(text[i].toLower().unicode());
                int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
                if (d >= base)
                    break;
                v = v * base + d;
                ++i;
            }
            return v;
        }
    }
    // Collect the characters of a number (blanks inside a number are skipped, as of old).
    std::string digits;
    bool seenDigit = false, seenPoint = false, seenExp = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        digits += char(text[i].unicode());
        ++i;
    }
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == u' ' || c == u'\t')
            continue;
        if (isDigit(c)) {
            digits += char(c.unicode());
            seenDigit = true;
        } else if (c == u'.' && !seenPoint && !seenExp) {
            digits += '.';
            seenPoint = true;
        } else if ((c == u'E' || c == u'e' || c == u'D' || c == u'd') && seenDigit && !seenExp) {
            // Only an exponent when digits follow (an optional sign first).
            qsizetype j = i + 1;
            if (j < n && (text[j] == u'+' || text[j] == u'-'))
                ++j;
            if (j < n && isDigit(text[j])) {
                digits += 'E';
                if (text[i + 1] == u'+' || text[i + 1] == u'-') {
                    digits += char(text[i + 1].unicode());
                    ++i;
                }
                seenExp = true;
            } else {
                break;
            }
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    double v = 0.0;
    const char* begin = digits.c_str();
    if (*begin == '+')
        ++begin;
    const auto res = std::from_chars(begin, digits.c_str() + digits.size(), v);
    if (res.ec == std::errc::result_out_of_range)
        return 0.0;
    return std::isfinite(v) ? v : 0.0;
}

QString Str(double value) { return classic(value, 15); }
QString StrSingle(float value) { return classic(double(value), 7); }
QString SingleText(float value) { return general(double(value), 7); }
QString DoubleText(double value) { return general(value, 15); }

double Round(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e15)
        return value;
    // The scaled value is rounded from its own decimal text, so that 2.675 rounds as
    // written and not as its binary neighbour.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, scaled, std::chars_format::general, 15);
    double decimalScaled = scaled;
    std::from_chars(buf, res.ptr, decimalScaled);
    std::fesetround(FE_TONEAREST);
    return std::nearbyint(decimalScaled) / scale;
}

int16_t CInt(double value)
{
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        throw std::overflow_error("Overflow");
    return int16_t(r);
}

int32_t CLng(double value)
{
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (!(r >= double(std::numeric_limits<int32_t>::min()) && r <= double(std::numeric_limits<int32_t>::max())))
        throw std::overflow_error("Overflow");
    return int32_t(r);
}

} // namespace lx
