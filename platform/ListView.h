#pragma once
// A list view in report mode: keyed column headers sized in twips, and lines made of a
// text and its sub-items, each with an optional tool tip.
#include <QStringList>
#include <QTreeWidget>

namespace lx {

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    enum Alignment { lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2 };

    explicit ListView(QWidget* parent = nullptr);

    // Adds a column header; returns its 0-based index.
    int addColumn(const QString& key, const QString& text, double widthTwips, int alignment = lvwColumnLeft);
    int columnIndex(const QString& key) const { return int(keys.indexOf(key)); }
    void clearColumns();

    // Adds a line: the first column's text, then its sub-items. Returns the line's index.
    int addLine(const QString& text, const QStringList& subItems = {}, const QString& toolTip = {});
    void setSubItem(int line, int subItem, const QString& text, const QString& toolTip = {});
    QString cellText(int line, int column) const;
    // A line's key (a list item's Key): set once the line is added, found back by lineIndex.
    void setLineKey(int line, const QString& key);
    QString lineKey(int line) const;
    int lineIndex(const QString& key) const;   // -1 when no line has the key
    int lineCount() const { return topLevelItemCount(); }
    void clearLines() { clear(); }
    // Scrolls so that the line is visible (as a replay adds points).
    void ensureLineVisible(int line);

private:
    QStringList keys;
    std::vector<Qt::Alignment> alignments;
};

} // namespace lx
