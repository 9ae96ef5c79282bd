#include "lab/PointColumns.h"

#include "app/ExportText.h"

namespace lx {

void setPointColumns(ListView& list, ExportText& exportText, const QString& title, std::span<const PointColumn> columns)
{
    list.clearColumns();
    QStringList header;
    for (const PointColumn& c : columns) {
        list.addColumn(c.listHeader, c.listHeader, c.width, c.alignment);
        header << c.exportHeader;
    }
    exportText.begin(title, header);
}

} // namespace lx
