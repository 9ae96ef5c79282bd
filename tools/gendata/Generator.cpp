#include "Generator.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <stdexcept>

namespace gendata {

std::vector<Family>& families()
{
    static std::vector<Family> f;
    return f;
}

void writeText(const QString& path, const QString& text)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create folder " + folder.toStdString());
    QSaveFile f(path);
    const QByteArray bytes = text.toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + f.errorString().toStdString());
}

CsvWriter::CsvWriter(const QString& p, const QStringList& header) : path(p)
{
    QStringList quoted;
    for (const QString& h : header)
        quoted << text(h);
    body = quoted.join(u',') + u'\n';
}

void CsvWriter::save() const { writeText(path, body); }

void CsvWriter::row(const QStringList& fields) { body += fields.join(u',') + u'\n'; }

QString CsvWriter::num(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString CsvWriter::text(const QString& t)
{
    if (!t.contains(u',') && !t.contains(u'"') && !t.contains(u'\n') && !t.isEmpty())
        return t;
    QString q = t;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace gendata
