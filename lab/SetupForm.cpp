#include "lab/SetupForm.h"

#include "lab/AssemblyView.h"
#include "lab/ClickMask.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Database.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace lx {

QString ReferenceNumberText(float referenceNumber) { return SingleText(referenceNumber); }

QString TestInfoQuery(const SoilParameterTable& table, float referenceNumber)
{
    return table.testInfoSql + ReferenceNumberText(referenceNumber);
}

QString ReferenceQuery(const SoilParameterTable& table, float referenceNumber)
{
    return table.referenceSql + ReferenceNumberText(referenceNumber);
}

SoilParameters LoadSoilParameters(Connection& connection, const SoilParameterTable& table, float referenceNumber)
{
    SoilParameters p;
    for (int i = 0; i < table.boxCount; ++i)
        p.texts << table.format.missing;
    const QString number = ReferenceNumberText(referenceNumber);
    // Copies the texts a row fills over the missing ones.
    const auto fill = [&](Recordset& rs, const std::vector<ParamSlot>& boxes) {
        const QStringList read = ParamTexts(rs, boxes, table.boxCount, table.format);
        for (const ParamSlot& s : boxes)
            if (s.box >= 0 && s.box < table.boxCount)
                p.texts[s.box] = read[s.box];
    };
    try {
        Recordset rs;
        rs.Open(TestInfoQuery(table, referenceNumber), connection, adOpenDynamic, adLockUnspecified);
        p.testInfoFound = !rs.eof();
        if (p.testInfoFound) {
            fill(rs, table.testInfoSlots);
            if (table.testIdPosition < rs.fieldCount() && !rs.Fields(table.testIdPosition).isMissing())
                p.testId = rs.Fields(table.testIdPosition).toText().trimmed();
        }
        rs.Close();
        rs.Open(ReferenceQuery(table, referenceNumber), connection, adOpenDynamic, adLockUnspecified);
        p.referenceFound = !rs.eof();
        if (p.referenceFound)
            fill(rs, table.referenceSlots);
        rs.Close();
    } catch (const DatabaseError& e) {
        p.testId.clear();
        p.problem = QStringLiteral("The database could not be read: ") + e.message();
        return p;
    }
    if (!p.testInfoFound)
        p.problem = QStringLiteral("The database holds no test for reference number ") + number + u'.';
    else if (p.testId.isEmpty())
        p.problem = QStringLiteral("The stored test of reference number ") + number + QStringLiteral(" has no test identifier.");
    else if (table.referenceRequired && !p.referenceFound)
        p.problem = QStringLiteral("The database holds no reference for reference number ") + number + u'.';
    if (!p.usable())
        p.testId.clear();
    return p;
}

void SetupRules::assemblyClicked()
{
    running = true;
    listOpen = true;
}

void SetupRules::assemblyFinished()
{
    running = false;
    if (chosen && usableSoil)
        start = true;
}

void SetupRules::soilChosen(bool usable)
{
    chosen = true;
    usableSoil = usable;
    if (!usable)
        start = false;
    else if (!running)
        start = true;
}

void makePromptList(QComboBox* list, const QString& prompt, const QString& lists)
{
    if (!lists.isEmpty())
        list->setAccessibleName(lists);
    list->setEditable(false);
    list->setPlaceholderText(prompt);
    list->setCurrentIndex(-1);
}

SetupForm::SetupForm(SetupFormDesign design) : design_(std::move(design))
{
    setWindowTitle(design_.caption);
    setFont(formFont(QStringLiteral("MS Sans Serif"), 8.25));

    Picture1 = new AssemblyView(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twRect(120, 120, 5900, 5350));
    Picture1->setBackColor(BgrColor(0x00C0FFFF));
    lblAssembly = twControl<QLabel>(Picture1, "lblAssembly", 0, design_.assemblyLabelTop, design_.assemblyLabelWidth, 375,
                                    QStringLiteral("Click anywhere to start assembly"));
    lblAssembly->setAlignment(Qt::AlignCenter);
    lblAssembly->setFont(formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lblAssembly->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(BgrColor(0x00C00000).name()));
    lblMask = new ClickMask(Picture1, lblAssembly->text(), [this] { lblMask_Click(); });
    lblMask->setObjectName(QStringLiteral("lblMask"));
    lblMask->setGeometry(twRect(0, 0, 5895, 5235));

    fraSoilInfo = twControl<QGroupBox>(this, "fraSoilInfo", 6150, 120, design_.frameWidth, 4695,
                                       QStringLiteral(" Soil Parameters "));
    lblTest = twControl<QLabel>(fraSoilInfo, "lblTest", 120, 360, 3375, 255, design_.testCaption);
    cboParamOptions = twControl<QComboBox>(fraSoilInfo, "cboParamOptions", 120, 720, design_.listWidth, 315);
    makePromptList(cboParamOptions);
    lblTest->setBuddy(cboParamOptions);
    cboParamOptions->setEnabled(false);
    const int boxes = design_.parameters.boxCount;
    for (int i = 0; i < boxes; ++i) {
        const double top = size_t(i) < design_.boxTops.size() ? design_.boxTops[size_t(i)] : 1280 + 460 * i;
        const QString caption = size_t(i) < design_.captions.size() ? design_.captions[size_t(i)] : QString();
        auto* label = twControl<QLabel>(fraSoilInfo, nullptr, 120, top + 45, design_.captionWidth, 255, caption);
        label->setObjectName(QStringLiteral("lblParameter(%1)").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = twControl<QLineEdit>(fraSoilInfo, nullptr, design_.boxLeft, top, 975, 360, NotAvailable);
        box->setObjectName(QStringLiteral("txtParameter(%1)").arg(i));
        box->setReadOnly(true);
        label->setBuddy(box);
        const bool shown = size_t(i) >= design_.boxShown.size() || design_.boxShown[size_t(i)];
        label->setVisible(shown);
        box->setVisible(shown);
        lblParameter.push_back(label);
        txtParameter.push_back(box);
        ParamTexts << NotAvailable;
    }

    cmdStart = twButton(this, QStringLiteral("Start"), QStringLiteral("Do Simulation"), design_.buttonLefts[0],
                        design_.buttonTop, 1150, 450);
    cmdCancel = twButton(this, QStringLiteral("Cancel"), QStringLiteral("Go Back"), design_.buttonLefts[1],
                         design_.buttonTop, 1150, 450);
    cmdHelp = twButton(this, QStringLiteral("Help"), QString(), design_.buttonLefts[2], design_.buttonTop, 1150, 450);
    cmdStart->setEnabled(false);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &SetupForm::Timer1_Timer);
    connect(cboParamOptions, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cboParamOptions_Click();
    });
    connect(cmdStart, &QPushButton::clicked, this, &SetupForm::cmdStart_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SetupForm::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &SetupForm::cmdHelp_Click);

    MakeChild(this, design_.widthTw, design_.heightTw, false);
    Form_Load();
}

SetupForm::~SetupForm() { Form_Unload(); }

void SetupForm::Form_Load()
{
    setLoamixIcon(this);
    Picture1->setAnimation(design_.assembly);
    Timer1->setInterval(design_.assembly.interval() > 0 ? design_.assembly.interval() : 600);
    for (const SoilEntry& soil : design_.soils)
        cboParamOptions->addItem(soil.name);
    cboParamOptions->setCurrentIndex(-1);
    MoveChild(this, 0, 0);
    // A database that cannot be opened now is tried again, and reported, at the first choice.
    connection_ = std::make_unique<Connection>();
    try {
        connection_->Open(design_.connection);
    } catch (const DatabaseError&) {
        connection_->Close();
    }
}

void SetupForm::Form_Unload()
{
    Timer1->stop();
    if (connection_)
        connection_->Close();
}

int SetupForm::soilIndex() const
{
    const int i = cboParamOptions->currentIndex();
    return i >= 0 && size_t(i) < design_.soils.size() ? i : -1;
}

void SetupForm::cboParamOptions_Click()
{
    const int i = soilIndex();
    if (i < 0)
        return;
    RefNumber = design_.soils[size_t(i)].referenceNumber;
    LoadSoilParameters();
}

void SetupForm::LoadSoilParameters()
{
    SoilParameters p;
    if (connection_->State() != adStateOpen) {
        try {
            connection_->Open(design_.connection);
        } catch (const DatabaseError& e) {
            p.problem = QStringLiteral("The database could not be opened: ") + e.message();
        }
    }
    if (p.problem.isEmpty()) {
        p = lx::LoadSoilParameters(*connection_, design_.parameters, RefNumber);
    } else {
        for (int i = 0; i < design_.parameters.boxCount; ++i)
            p.texts << design_.parameters.format.missing;
    }
    TestID = p.testId;
    ParamTexts = p.texts;
    for (size_t i = 0; i < txtParameter.size(); ++i) {
        // A long text (a specimen type) shows its beginning, and the whole in its tip.
        setBoxText(txtParameter[i], ParamTexts.value(int(i)));
    }
    rules_.soilChosen(p.usable());
    applyRules();
    if (!p.usable())
        messages().msgBox(cboParamOptions->currentText() + QStringLiteral(" cannot be simulated.\r") + p.problem +
                              QStringLiteral("\rPlease choose another soil."),
                          vbOKOnly | vbExclamation, basGlobal::AppTitle);
}

void SetupForm::lblMask_Click()
{
    lblAssembly->hide();
    rules_.assemblyClicked();
    applyRules();
}

void SetupForm::Timer1_Timer()
{
    if (Picture1->tick() < 0)
        rules_.assemblyFinished();
    else if (Picture1->animation().interval() > 0)
        Timer1->setInterval(Picture1->animation().interval());
    applyRules();
}

void SetupForm::applyRules()
{
    if (rules_.timerRunning() && !Timer1->isActive())
        Timer1->start();
    else if (!rules_.timerRunning())
        Timer1->stop();
    cboParamOptions->setEnabled(rules_.listEnabled());
    cmdStart->setEnabled(rules_.startEnabled());
}

void SetupForm::cmdStart_Click()
{
    // Only a listed soil whose test can run is started, whatever enabled the button.
    if (!rules_.startEnabled() || soilIndex() < 0 || TestID.isEmpty())
        return;
    StartRun(cboParamOptions->currentText());
}

void SetupForm::cmdCancel_Click() { UnloadLater(this); }

void SetupForm::cmdHelp_Click() { ShowHelpTopic(1, design_.helpTopic); }

} // namespace lx
