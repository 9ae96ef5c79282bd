#pragma once
// The window of one parametric-study report: a white child window that holds the report
// control and nothing else. Every report gets a new one.
#include <QWidget>

namespace lx {

class LXParamReport;

class frmStudyReport : public QWidget {
    Q_OBJECT
public:
    explicit frmStudyReport(QWidget* parent = nullptr);

    void Form_Load();

    LXParamReport* ctlLXParamReport;
};

} // namespace lx
