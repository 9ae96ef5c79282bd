// libFuzzer target for the RTF reader; not part of the build. From the repository root:
//
//   clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I. \
//     $(pkg-config --cflags Qt6Widgets) tests/rtf/fuzz/RtfReaderFuzz.cpp \
//     platform/rtf/RtfReader.cpp platform/rtf/RtfWriter.cpp platform/rtf/RtfCodepages.cpp \
//     platform/rtf/RichText.cpp platform/SafeFile.cpp $(pkg-config --libs Qt6Widgets) -o /tmp/rtf_fuzz
//   mkdir -p /tmp/rtf_corpus && QT_QPA_PLATFORM=offscreen /tmp/rtf_fuzz -max_total_time=600 \
//     -max_len=4096 -timeout=5 /tmp/rtf_corpus
//
// Each input is read as a file (bytes) and as clipboard text (UTF-16), inserted into a host
// document, and cut out and pasted again as the quiz does with its question boxes; the
// writer's RTF of what was read must read back to the same text.
#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString raw(const QTextDocument& doc) { return doc.toRawText(); }

// A selection may end inside a surrogate pair; the half that was cut off is no character.
QString withoutLoneSurrogates(QString s)
{
    for (qsizetype k = 0; k < s.size(); ++k) {
        if (s[k].isHighSurrogate() && k + 1 < s.size() && s[k + 1].isLowSurrogate())
            ++k;
        else if (s[k].isSurrogate())
            s[k] = QChar(0xFFFD);
    }
    return s;
}

void check(bool ok, const char* what, const QString& expected = {}, const QString& actual = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "%s\nexpected: %s\nactual:   %s\n", what, expected.toUtf8().toHex(' ').constData(),
                 actual.toUtf8().toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QTextDocument doc;
    lx::readRtf(doc, bytes);
    QTextDocument again;
    lx::readRtf(again, lx::writeRtf(doc));
    check(raw(again) == raw(doc), "file read back", raw(doc), raw(again));

    QTextDocument host;
    host.setPlainText(QStringLiteral("one\ntwo"));
    QTextCursor at(&host);
    at.setPosition(2);
    at.setPosition(5, QTextCursor::KeepAnchor);
    lx::insertRtf(at, bytes);
    check(raw(host).startsWith(QStringLiteral("on")) && raw(host).endsWith(QStringLiteral("wo")), "host kept");

    // A stretch cut out by position and pasted elsewhere keeps its text.
    lx::RichText buffer(&doc);
    const int n = buffer.length();
    if (n > 0) {
        const int from = int(size % unsigned(n));
        const int length = int((size / 7) % unsigned(n - from + 1));
        buffer.select(from, length);
        QTextDocument box;
        lx::RichText target(&box);
        target.setTextRTF(buffer.selRTF());
        QString cut = withoutLoneSurrogates(buffer.selText());
        // A whole document's last paragraph end is no character (a line break is).
        if (length > 0 && doc.characterAt(from + length - 1) == QChar::ParagraphSeparator)
            cut.chop(1);
        check(target.text() == cut, "stretch pasted", cut, target.text());
        buffer.find(QStringLiteral("A:"), from, -1, lx::rtfWholeWord | lx::rtfNoHighlight);
    }

    if (size >= 2) {
        QString text(qsizetype(size / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data, size_t(text.size()) * 2);
        QTextDocument fromText;
        lx::readRtf(fromText, text);
        QTextDocument back;
        lx::readRtf(back, lx::writeRtf(fromText));
        check(raw(back) == raw(fromText), "text read back", raw(fromText), raw(back));
    }
    return 0;
}
