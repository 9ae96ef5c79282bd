#include "directshear/dlgDSParamStudy.h"

#include "lab/StoredTest.h"
#include "directshear/frmDirectShearReport.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ActivityCredit.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {


} // namespace

dlgDSParamStudy::dlgDSParamStudy()
    : ending(lx::activities::DirectShearStudy, [this] { lx::SingleInstance<dlgDSParamStudy>::forget(this); })
{
    setWindowTitle(QStringLiteral("Parametric Study - Direct Shear Test"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    CboParOption = lx::twControl<QComboBox>(this, "CboParOption", 120, 150, 3720, 315);
    fraParameters = lx::twControl<QGroupBox>(this, "fraParameters", 120, 600, 5520, 1380, QString());
    Label1 = lx::twControl<QLabel>(fraParameters, "Label1", 120, 345, 1800, 255, QStringLiteral("Normal Stress (kPa):"));
    Label2 = lx::twControl<QLabel>(fraParameters, "Label2", 120, 855, 1800, 255, QStringLiteral("Void Ratio (e):"));
    for (size_t k = 0; k < 3; ++k) {
        txtNormalStressValues[k] = lx::twControl<QLineEdit>(fraParameters, "txtNormalStressValues", 2040 + double(k) * 1140, 300, 1035, 315);
        txt_e_Values[k] = lx::twControl<QLineEdit>(fraParameters, "txt_e_Values", 2040 + double(k) * 1140, 810, 1035, 315);
        txtNormalStressValues[k]->setReadOnly(true);
        txt_e_Values[k]->setReadOnly(true);
    }
    lx::nameRow(Label1->text(), txtNormalStressValues);
    lx::nameRow(Label2->text(), txt_e_Values);
    cmdCreate = lx::twButton(this, QStringLiteral("Create Report"), QStringLiteral("Create Report"), 120, 2220, 1695, 375);
    cmdCancel = lx::twButton(this, QStringLiteral("Close"), QStringLiteral("Go Back"), 3060, 2220, 1215, 375);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QStringLiteral("Go Back"), 4425, 2220, 1215, 375);
    cmdCreate->setEnabled(false);

    connect(CboParOption, &QComboBox::activated, this, &dlgDSParamStudy::CboParOption_Click);
    connect(cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &dlgDSParamStudy::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgDSParamStudy::cmdHelp_Click);

    lx::MakeChild(this, 5900, 3200, true);
    Form_Load();
}

dlgDSParamStudy::~dlgDSParamStudy() { Form_Unload(); }

void dlgDSParamStudy::Form_Load()
{
    lx::setLoamixIcon(this);
    for (const lx::SoilEntry& s : directshear::StudySands())
        CboParOption->addItem(s.name);
    lx::makePromptList(CboParOption);
    ending.reset();
    lx::openOrTell(connection, basGlobal::DirectShearConnection, QStringLiteral("The direct shear database could not be opened:\r"));
}

void dlgDSParamStudy::CboParOption_Click()
{
    study_.clear();
    showStudy();
    const auto sand = directshear::FindSand(directshear::StudySands(), CboParOption->currentText());
    if (!sand)
        return;
    lx::queryOrTell(QStringLiteral("The tests of this sand could not be read:\r"), [&] {
        if (connection.State() != lx::adStateOpen)
            connection.Open(basGlobal::DirectShearConnection);
        study_.chooseSand(connection, *sand);
    });
    showStudy();
    if (!study_.message().isEmpty())
        lx::tellStudent(study_.message());
}

void dlgDSParamStudy::showStudy()
{
    for (int k = 0; k < 3; ++k) {
        txtNormalStressValues[size_t(k)]->setText(study_.normalStressText(k));
        txt_e_Values[size_t(k)]->setText(study_.voidRatioText(k));
    }
    cmdCreate->setEnabled(study_.canReport());
}

frmDirectShearReport* dlgDSParamStudy::cmdCreate_Click()
{
    if (!study_.canReport())
        return nullptr;
    frmDirectShearReport* report =
        frmDirectShearReport::Open(CboParOption->currentText(), study_.texts(), study_.points(), study_.curveCounts());
    if (report)
        ending.reportMade();
    return report;
}

void dlgDSParamStudy::cmdCancel_Click() { lx::UnloadLater(this); }

void dlgDSParamStudy::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimDirectShear.htm")); }

void dlgDSParamStudy::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void dlgDSParamStudy::Form_Unload()
{
    ending.close(connection);
}
