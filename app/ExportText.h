#pragma once
// The text a data-acquisition screen exports: its title, an empty line, a header line
// "No.<TAB>heading<TAB>..." and one line per point replayed so far. Lines are separated by
// a line feed alone; the text has no line end of its own (the file receives CR LF).
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class ExportText {
public:
    ExportText() = default;
    ExportText(const QString& title, const QStringList& headings) { reset(title, headings); }

    // Starts over with a new title and columns.
    void reset(const QString& title, const QStringList& headings);
    // Adds the next point (numbered from 1): each value in shortest single text.
    void addPoint(const std::vector<float>& values);
    void addPoint(std::initializer_list<float> values) { addPoint(std::vector<float>(values)); }

    int points() const { return count; }
    const QString& text() const { return body; }

private:
    QString body;
    int count = 0;
};
