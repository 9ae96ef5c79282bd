#include "ListView.h"

#include "Geometry.h"

#include <QHeaderView>

namespace lx {

ListView::ListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

int ListView::addColumn(const QString& key, const QString& text, double widthTwips, int alignment)
{
    const int index = int(keys.size());
    keys << key;
    const Qt::Alignment a = alignment == lvwColumnRight    ? Qt::AlignRight | Qt::AlignVCenter
                            : alignment == lvwColumnCenter ? Qt::AlignHCenter | Qt::AlignVCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter;
    alignments.push_back(a);
    setColumnCount(index + 1);
    QTreeWidgetItem* h = headerItem();
    h->setText(index, text);
    h->setTextAlignment(index, a);
    setColumnWidth(index, tw(widthTwips));
    return index;
}

void ListView::clearColumns()
{
    clear();
    keys.clear();
    alignments.clear();
    setColumnCount(0);
}

int ListView::addLine(const QString& text, const QStringList& subItems, const QString& toolTip)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    if (!toolTip.isEmpty())
        item->setToolTip(0, toolTip);
    for (qsizetype i = 0; i < subItems.size(); ++i)
        item->setText(int(i) + 1, subItems[i]);
    for (int c = 0; c < int(alignments.size()); ++c)
        item->setTextAlignment(c, alignments[size_t(c)]);
    addTopLevelItem(item);
    return topLevelItemCount() - 1;
}

void ListView::setSubItem(int line, int subItem, const QString& text, const QString& toolTip)
{
    if (QTreeWidgetItem* item = topLevelItem(line)) {
        item->setText(subItem, text);
        if (!toolTip.isEmpty())
            item->setToolTip(subItem, toolTip);
    }
}

QString ListView::cellText(int line, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(line);
    return item ? item->text(column) : QString();
}

void ListView::setLineKey(int line, const QString& key)
{
    if (QTreeWidgetItem* item = topLevelItem(line))
        item->setData(0, Qt::UserRole, key);
}

QString ListView::lineKey(int line) const
{
    const QTreeWidgetItem* item = topLevelItem(line);
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

int ListView::lineIndex(const QString& key) const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (lineKey(i) == key)
            return i;
    return -1;
}

void ListView::ensureLineVisible(int line)
{
    if (QTreeWidgetItem* item = topLevelItem(line))
        scrollToItem(item);
}

} // namespace lx
