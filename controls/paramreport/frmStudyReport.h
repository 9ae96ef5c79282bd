#pragma once
// The window of one parametric-study report: a white child window that holds the report
// control and nothing else. Every report gets a new one.
#include "lab/ReportWindow.h"

namespace lx {

class LXParamReport;

class frmStudyReport : public ReportWindow {
    Q_OBJECT
public:
    explicit frmStudyReport(QWidget* parent = nullptr);

    LXParamReport* ctlLXParamReport;
};

} // namespace lx
