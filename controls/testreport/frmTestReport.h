#pragma once
// The window a test report stands in: a plain white child window holding one test report
// control, which owns the report's content, data access and drawing.
#include "lab/ReportWindow.h"

#include <QString>

#include <span>

namespace lx {

class LXTestReport;

class frmTestReport : public ReportWindow {
    Q_OBJECT
public:
    explicit frmTestReport(QWidget* parent = nullptr);

    LXTestReport* ctlLXTestReport;
};

// What a Create Report button does: a new report window with the caption, its control given
// the connection string and CreateReport(strTestName, strResultFile, strTitle, nInit), then
// shown as a child window of the main window and returned. Any failure shows a message
// ("Test Report"), discards the half-made window and returns null; the program goes on.
frmTestReport* ShowTestReport(const QString& caption, const QString& strTestName, const QString& strResultFile,
                              const QString& strTitle, std::span<const double> nInit,
                              const QString& connectionString);

} // namespace lx
