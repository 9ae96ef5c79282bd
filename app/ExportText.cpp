#include "ExportText.h"

#include "platform/Numbers.h"

void ExportText::reset(const QString& title, const QStringList& headings)
{
    begin(title, QStringList{QStringLiteral("No.")} + headings);
}

void ExportText::begin(const QString& title, const QStringList& header)
{
    body = title + QStringLiteral("\n\n");
    for (const QString& h : header)
        body += h + u'\t';
    count = 0;
}

void ExportText::addPoint(const std::vector<float>& values, LineEnd end)
{
    ++count;
    body += u'\n' + QString::number(count);
    for (float v : values)
        body += u'\t' + lx::SingleText(v);
    if (end == LineEnd::Tab || values.empty())
        body += u'\t';
}
