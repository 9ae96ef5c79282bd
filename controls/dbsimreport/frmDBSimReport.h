#pragma once
// The window a database-simulation report stands in: a plain white child window holding one
// database-simulation report control. No command of the program opens it; a caller makes
// one, sets up the control and shows it, or lets ShowDBSimReport do all three.
#include "lab/ReportWindow.h"

#include <QString>

#include <span>

namespace lx {

class LXDBSimReport;

class frmDBSimReport : public ReportWindow {
    Q_OBJECT
public:
    explicit frmDBSimReport(QWidget* parent = nullptr);

    LXDBSimReport* ctlLXDBSimReport;
};

// A new report window whose control is given the connection string and the test type, then
// CreateReport(strTestName, strResults, strReferenceNum, strTitle, nInit), shown as a child
// window of the main window and returned; strResults and nInit(7) come back as the control
// set them. Any failure shows a message ("Simulation Report"), discards the half-made
// window and returns null.
frmDBSimReport* ShowDBSimReport(const QString& strTestName, QString& strResults, const QString& strReferenceNum,
                                const QString& strTitle, std::span<double> nInit, const QString& connectionString,
                                const QString& testType = {});

} // namespace lx
