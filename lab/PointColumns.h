#pragma once
// The columns a data-acquisition screen shows and exports, in one table: each column's list
// header, width in twips, alignment, and the header the export text gives it. One call
// sets the list's columns and starts the export text with its title and header line:
//
//   const lx::PointColumn columns[] = {{"No.", 600, lx::ListView::lvwColumnLeft, "No."},
//                                      {"Eps(a) %", 1200, lx::ListView::lvwColumnCenter, "Axial Strain (%)"}};
//   lx::setPointColumns(*lvwData, exportText, lblTitle->text(), columns);
#include "platform/ListView.h"

#include <QString>
#include <span>

class ExportText;

namespace lx {

struct PointColumn {
    QString listHeader;
    double width;              // twips
    int alignment;             // ListView::lvwColumnLeft, lvwColumnRight or lvwColumnCenter
    QString exportHeader;
};

// Replaces the list's columns (its lines stay) and starts the export text over with the
// title and every column's export header, each followed by a TAB.
void setPointColumns(ListView& list, ExportText& exportText, const QString& title, std::span<const PointColumn> columns);

} // namespace lx
