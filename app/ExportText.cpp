#include "ExportText.h"

#include "platform/Numbers.h"

void ExportText::reset(const QString& title, const QStringList& headings)
{
    body = title + QStringLiteral("\n\nNo.\t");
    for (const QString& h : headings)
        body += h + u'\t';
    count = 0;
}

void ExportText::addPoint(const std::vector<float>& values)
{
    ++count;
    body += u'\n' + QString::number(count) + u'\t';
    for (float v : values)
        body += lx::SingleText(v) + u'\t';
}
