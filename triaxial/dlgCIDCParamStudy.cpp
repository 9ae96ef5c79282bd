#include "triaxial/dlgCIDCParamStudy.h"

#include "lab/ReportWindow.h"
#include "lab/StoredTest.h"
#include "LXParamReport.h"
#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ActivityCredit.h"
#include "lab/SetupForm.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "triaxial/StudyDialog.h"
#include "frmStudyReport.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Registry = lx::SingleInstance<dlgCIDCParamStudy>;
using paramstudy::Varies;

} // namespace

dlgCIDCParamStudy::dlgCIDCParamStudy(QWidget* parent)
    : QWidget(parent), ending(lx::activities::TriaxialStudy, [this] { Registry::forget(this); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Parametric Study - CIDC Test"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(lx::tw(6960), lx::tw(3600));

    lblParameters = lx::twControl<QLabel>(this, "lblParameters", 120, 120, 6720, 255,
                                          QStringLiteral("Choose a parameter and Select the parameter sets"));
    fraParameters = lx::twControl<QGroupBox>(this, "fraParameters", 120, 420, 2760, 975, QStringLiteral("Parameters"));
    optPressure = lx::twControl<QRadioButton>(fraParameters, "optPressure", 180, 300, 2460, 255, QStringLiteral("Confining Pressure"));
    optVoidRatio = lx::twControl<QRadioButton>(fraParameters, "optVoidRatio", 180, 600, 2460, 255, QStringLiteral("Void Ratio"));
    optPressure->setChecked(true);
    CboParOption = lx::twControl<QComboBox>(this, "CboParOption", 3120, 660, 3720, 315);
    lx::makePromptList(CboParOption, QStringLiteral("Select Soil Type!"));
    CboParOption->setToolTip(QStringLiteral("Select Parameter Option"));
    lblParameterVal = lx::twControl<QLabel>(this, "lblParameterVal", 120, 1590, 3480, 255);
    txtParameterVal = lx::twControl<QLineEdit>(this, "txtParameterVal", 3720, 1545, 1215, 315);
    lblParameterVar = lx::twControl<QLabel>(this, "lblParameterVar", 120, 2070, 6720, 255);
    const char* tips[] = {"First Value", "Second Value", "Third Value", "Fourth Value", "Fifth Value"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* box = lx::twControl<QLineEdit>(this, "txtValues", 120 + i * 1365, 2400, 1215, 315);
        box->setToolTip(QString::fromLatin1(tips[i]));
        box->setReadOnly(true);
        txtValues[size_t(i)] = box;
    }
    txtParameterVal->setReadOnly(true);
    lblParameterVal->setBuddy(txtParameterVal);
    cmdCreate = lx::twControl<QPushButton>(this, "cmdCreate", 120, 3000, 1695, 375, QStringLiteral("Create Report"));
    cmdCancel = lx::twControl<QPushButton>(this, "cmdCancel", 4260, 3000, 1215, 375, QStringLiteral("Close"));
    cmdCancel->setToolTip(QStringLiteral("Go Back"));
    cmdHelp = lx::twControl<QPushButton>(this, "cmdHelp", 5625, 3000, 1215, 375, QStringLiteral("Help"));

    lx::onSelected(optPressure, this, &dlgCIDCParamStudy::optPressure_Click);
    lx::onSelected(optVoidRatio, this, &dlgCIDCParamStudy::optVoidRatio_Click);
    connect(CboParOption, &QComboBox::activated, this, &dlgCIDCParamStudy::CboParOption_Click);
    connect(cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &dlgCIDCParamStudy::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgCIDCParamStudy::cmdHelp_Click);
}

dlgCIDCParamStudy::~dlgCIDCParamStudy() { Form_Unload(); }

void dlgCIDCParamStudy::Form_Load()
{
    lx::setLoamixIcon(this);
    study_ = std::make_unique<paramstudy::ParamStudy>(strSpecimen, strSimType);
    optPressure->setChecked(true);
    optPressure_Click();
    const QString code = study_->code();
    connectionString_ = study_->connectionString();
    // A clay study always varies the confining pressure.
    optVoidRatio->setVisible(!study_->clay());
    if (code == QLatin1String("CIUC"))
        setWindowTitle(QStringLiteral("Parametric Study - CIUC Test"));
    else if (code == QLatin1String("UUC "))
        setWindowTitle(QStringLiteral("Parametric Study - UUC Test"));
    else
        setWindowTitle(QStringLiteral("Parametric Study - CIDC Test"));
    connection.Close();
    lx::openOrTell(connection, connectionString_, QStringLiteral("The reference database could not be opened:\r"));
}

void dlgCIDCParamStudy::chooseVaries(Varies varies, const QString& fixedLabel, const QString& variedLabel)
{
    const QStringList soils = study_->chooseVaries(varies);
    CboParOption->clear();
    CboParOption->setCurrentIndex(-1);
    showValues();
    if (soils.isEmpty())
        return;
    CboParOption->addItems(soils);
    CboParOption->setCurrentIndex(-1);
    lblParameterVal->setText(fixedLabel);
    lblParameterVar->setText(variedLabel);
    lx::nameRow(variedLabel, txtValues);
}

void dlgCIDCParamStudy::optPressure_Click()
{
    chooseVaries(Varies::ConfiningPressure,
                 study_->clay() ? QStringLiteral("Constant Water Content (%):") : QStringLiteral("Constant Void Ratio:"),
                 QStringLiteral("Confining Pressure Variation (kPa):"));
}

void dlgCIDCParamStudy::optVoidRatio_Click()
{
    chooseVaries(Varies::VoidRatio, QStringLiteral("Constant Confining Pressure (kPa):"), QStringLiteral("Void Ratio Variation:"));
}

void dlgCIDCParamStudy::CboParOption_Click()
{
    const QString soil = CboParOption->currentText();
    lx::queryOrTell(QStringLiteral("The tests of this soil could not be read:\r"), [&] {
        if (connection.State() != lx::adStateOpen)
            connection.Open(connectionString_);
        study_->chooseSoil(soil, connection);
    });
    showValues();
}

void dlgCIDCParamStudy::showValues()
{
    txtParameterVal->setText(study_->fixedText());
    for (int i = 0; i < 5; ++i)
        txtValues[size_t(i)]->setText(study_->values()[size_t(i)]);
}

lx::frmStudyReport* dlgCIDCParamStudy::cmdCreate_Click()
{
    if (!study_->canReport()) {
        lx::tellStudent(study_->soil().isEmpty()
                 ? QStringLiteral("Please select a soil first: its stored tests make the report.")
                 : QStringLiteral("No stored test of ") + study_->soil()
                       + QStringLiteral(" lies in the range of this study, so there is nothing to report.\rPlease select another soil."));
        return nullptr;
    }
    lx::frmStudyReport* shown = lx::showReportWindow<lx::frmStudyReport>(
        std::make_unique<lx::frmStudyReport>(),
        [this](lx::frmStudyReport& r) {
            r.ctlLXParamReport->strConnectionString = connectionString_;
            r.ctlLXParamReport->CreateReport(study_->testName(), study_->text(), study_->reportData());
        },
        basGlobal::AppTitle);
    if (shown)
        ending.reportMade();
    return shown;
}

void dlgCIDCParamStudy::cmdCancel_Click()
{
    if (QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void dlgCIDCParamStudy::cmdHelp_Click()
{
    ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTriaxialParam.htm"));
}

void dlgCIDCParamStudy::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void dlgCIDCParamStudy::Form_Unload()
{
    ending.close(connection);
}

namespace triaxial {

void ShowParamStudy(const QString& strSpecimen, const QString& strSimType)
{
    dlgCIDCParamStudy& dialog = Registry::get();
    dialog.strSpecimen = strSpecimen;
    dialog.strSimType = strSimType;
    dialog.Form_Load();
    // A dialog of the frame's: in front, and Escape closes it as Close does.
    lx::ShowAsChild(&dialog);
}

} // namespace triaxial
