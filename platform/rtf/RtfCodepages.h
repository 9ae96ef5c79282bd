#pragma once
// Code pages of RTF text, shared by the reader and the writer.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <algorithm>

#include <memory>
#include <unordered_map>

namespace lx::rtfdetail {

// The code page of an RTF font character set (\fcharsetN); 0 for the document's own.
int codepageOfCharset(int charset);

// Decodes bytes of one code page. 1252 (and anything unknown or unavailable) is decoded
// by the built-in table; the other Windows code pages through Qt when it has them.
class CodepageDecoder {
public:
    QString decode(const QByteArray& bytes, int codepage);
    // True when the code page is decoded as itself (not replaced by 1252).
    bool supports(int codepage);

private:
    QStringDecoder* decoderFor(int codepage);
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace lx::rtfdetail
