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
    // Whether a point's line ends in a TAB after its last value (every whole-test export
    // does; the consolidation increment curve does not).
    enum class LineEnd { Tab, NoTab };

    ExportText() = default;
    ExportText(const QString& title, const QStringList& headings) { reset(title, headings); }

    // Starts over with a new title and columns: "No." and then the headings.
    void reset(const QString& title, const QStringList& headings);
    // Starts over with a new title and the whole header line as given (the number
    // column's heading first), each heading followed by a TAB.
    void begin(const QString& title, const QStringList& header);
    // Adds the next point (numbered from 1): each value in shortest single text.
    void addPoint(const std::vector<float>& values, LineEnd end = LineEnd::Tab);
    void addPoint(std::initializer_list<float> values, LineEnd end = LineEnd::Tab) { addPoint(std::vector<float>(values), end); }

    int points() const { return count; }
    const QString& text() const { return body; }

private:
    QString body;
    int count = 0;
};
