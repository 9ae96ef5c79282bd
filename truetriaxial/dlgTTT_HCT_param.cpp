#include "truetriaxial/dlgTTT_HCT_param.h"

#include "lab/StoredTest.h"
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/frmTTTReport.h"
#include "truetriaxial/WorkingCopies.h"

#include "lab/ActivityCredit.h"
#include "lab/SetupForm.h"
#include "lab/StudyWalk.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using truetriaxial::Kind;

dlgTTT_HCT_param::dlgTTT_HCT_param()
    : titles_(MaxTests + 1),
      ending(lx::activities::TrueTriaxialStudy, [this] { lx::SingleInstance<dlgTTT_HCT_param>::forget(this); })
{
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    lblParameters = lx::twControl<QLabel>(this, "lblParameters", 120, 120, 6000, 300,
                                          QStringLiteral("Choose a parameter and Select the parameter sets"));
    lblParameters->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    fraParameters = lx::twControl<QGroupBox>(this, "fraParameters", 120, 480, 2400, 1080, QStringLiteral("Parameters"));
    opt_b_value = lx::twControl<QRadioButton>(fraParameters, "opt_b_value", 240, 300, 2000, 300, QStringLiteral("b-value"));
    optBetaAngle = lx::twControl<QRadioButton>(fraParameters, "optBetaAngle", 240, 660, 2000, 300, QStringLiteral("Beta Angle"));
    CboParOption = lx::twControl<QComboBox>(this, "CboParOption", 2700, 600, 3420, 315);
    lx::makePromptList(CboParOption, QString());
    lblParameterVal = lx::twControl<QLabel>(this, "lblParameterVal", 2700, 1100, 2340, 240, QStringLiteral("Effective Confining Pressure:"));
    txtParameterVal = lx::twControl<QLineEdit>(this, "txtParameterVal", 5100, 1060, 1020, 300);
    txtParameterVal->setReadOnly(true);
    lblParameterVal->setBuddy(txtParameterVal);
    lblParameterVar = lx::twControl<QLabel>(this, "lblParameterVar", 120, 1740, 2400, 240);
    for (int k = 0; k < MaxTests; ++k) {
        QLineEdit* box = lx::twControl<QLineEdit>(this, nullptr, 120 + 860.0 * k, 2040, 800, 300);
        box->setObjectName(QStringLiteral("txtValues%1").arg(k));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        txtValues[size_t(k)] = box;
    }
    cmdCreate = lx::twButton(this, QStringLiteral("Create Report"), QString(), 120, 2640, 1920, 420);
    cmdCancel = lx::twButton(this, QStringLiteral("Close"), QString(), 2160, 2640, 1920, 420);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 4200, 2640, 1920, 420);

    lx::onSelected(opt_b_value, this, &dlgTTT_HCT_param::opt_b_value_Click);
    lx::onSelected(optBetaAngle, this, &dlgTTT_HCT_param::optBetaAngle_Click);
    connect(CboParOption, &QComboBox::activated, this, &dlgTTT_HCT_param::CboParOption_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &dlgTTT_HCT_param::cmdCreate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgTTT_HCT_param::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgTTT_HCT_param::cmdHelp_Click);

    lx::MakeChild(this, 6300, 3750, true);
    Form_Load();
}

dlgTTT_HCT_param::~dlgTTT_HCT_param()
{
    ending.close(connection_);
}

void dlgTTT_HCT_param::Form_Load()
{
    lx::setLoamixIcon(this);
    const dlgTTT_HCT* entry = lx::SingleInstance<dlgTTT_HCT>::peek();
    kind_ = entry && entry->cubeChosen() ? Kind::Cube : Kind::HollowCylinder;
    if (kind_ == Kind::Cube) {
        opt_b_value->setChecked(true);
        setWindowTitle(QStringLiteral("Parametric Study - TTT Test on Cubical Specimen"));
        optBetaAngle->setEnabled(false);
    } else {
        optBetaAngle->setChecked(true);
        setWindowTitle(QStringLiteral("Parametric Study - Axial Torsional Test on Hollow Cylinder"));
        opt_b_value->setEnabled(false);
    }
    lx::openOrTell(connection_, truetriaxial::connectionOf(kind_), QStringLiteral("The stored tests could not be opened.\r"));
    ending.reset();
}

void dlgTTT_HCT_param::clearValues()
{
    for (QLineEdit* box : txtValues)
        box->clear();
    for (int k = 1; k <= MaxTests; ++k)
        titles_[k].clear();
    count_ = 0;
    // Before a soil the report shows the study's title alone.
    titles_[0] = truetriaxial::studySoils(kind_).front().titlePrefix;
}

void dlgTTT_HCT_param::chooseOption(bool bValue)
{
    CboParOption->clear();
    CboParOption->setCurrentIndex(-1);
    clearValues();
    txtParameterVal->clear();
    lblParameterVal->setText(QStringLiteral("Effective Confining Pressure:"));
    lblParameterVar->setText(bValue ? QStringLiteral("b-value:") : QStringLiteral("Beta Angle:"));
    lx::nameRow(lblParameterVar->text(), txtValues);
    for (const truetriaxial::StudySoil& s : truetriaxial::studySoils(bValue ? Kind::Cube : Kind::HollowCylinder))
        CboParOption->addItem(s.name);
    CboParOption->setCurrentIndex(-1);
}

void dlgTTT_HCT_param::opt_b_value_Click() { chooseOption(true); }

void dlgTTT_HCT_param::optBetaAngle_Click() { chooseOption(false); }

void dlgTTT_HCT_param::CboParOption_Click()
{
    clearValues();
    const truetriaxial::StudySoil* soil = truetriaxial::studySoil(kind_, CboParOption->currentText());
    if (!soil)
        return;
    titles_[0] = soil->titlePrefix + soil->name;
    txtParameterVal->setText(lx::SingleText(soil->centre));
    std::vector<lx::StudyValue> values;
    const bool read = lx::queryOrTell(QStringLiteral("The stored tests could not be read.\r"), [&] {
        if (connection_.State() != lx::adStateOpen)
            throw lx::DatabaseError(QStringLiteral("The database is not open."));
        lx::Recordset rs;
        rs.Open(truetriaxial::studySql(*soil), connection_, lx::adOpenDynamic, lx::adLockUnspecified);
        values = lx::studyWalk(rs, MaxTests, soil->column, soil->decimals);
    });
    if (!read)
        return;
    for (size_t i = 0; i < values.size(); ++i) {
        txtValues[i]->setText(values[i].text);
        titles_[int(i) + 1] = values[i].testId;
    }
    count_ = int(values.size());
}

frmTTTReport* dlgTTT_HCT_param::cmdCreate_Click()
{
    frmTTTReport* report = frmTTTReport::Open(count_, titles_);
    if (report)
        ending.reportMade();
    return report;
}

void dlgTTT_HCT_param::cmdCancel_Click() { lx::UnloadLater(this); }

void dlgTTT_HCT_param::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTTT.htm")); }
