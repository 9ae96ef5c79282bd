#include "triaxial/dlgSpecimenCIDC.h"

#include "lab/StoredTest.h"
#include "triaxial/TriaxialRun.h"
#include "triaxial/TriaxialSoils.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/frmTriaxialCell.h"

#include "lab/ParamBoxes.h"
#include "lab/SetupForm.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace triaxial;

namespace {

constexpr double WidthTw = 6000;
constexpr double BasicHeightTw = 3250;
constexpr double ClayHeightTw = 3750;
constexpr double AdvancedHeightTw = 5175;
const QString SoilPrompt = QStringLiteral("Select Soil Type!");
const QString StressPrompt = QStringLiteral("Select conf. press.");

// Box index -> frame and row top.
struct Row { int box; bool advanced; double top; };
constexpr Row Rows[] = {{0, false, 300}, {1, false, 780}, {5, false, 1260}, {6, false, 1785},
                        {2, true, 300},  {3, true, 780},  {4, true, 1260}};

} // namespace

dlgSpecimenCIDC::dlgSpecimenCIDC()
{
    setWindowTitle(QStringLiteral("Specimen Parameters"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    // The lists are not editable: only their own entries can be chosen.
    CboParOption = new QComboBox(this);
    CboParOption->setGeometry(lx::twRect(120, 120, 4320, 315));
    lx::makePromptList(CboParOption, SoilPrompt);
    CboParOption->setToolTip(QStringLiteral("Select Parameter Option"));
    lblConfStress = new QLabel(QStringLiteral("Effective Confining Stress (kPa):"), this);
    lblConfStress->setGeometry(lx::twRect(120, 570, 2430, 255));
    cboConfStress = new QComboBox(this);
    cboConfStress->setGeometry(lx::twRect(2550, 525, 1890, 315));
    cboConfStress->setPlaceholderText(StressPrompt);
    lblConfStress->setBuddy(cboConfStress);

    fraBasic = new QGroupBox(QStringLiteral("Basic"), this);
    fraBasic->setGeometry(lx::twRect(120, 960, 4320, 1780));
    fraAdvanced = new QGroupBox(QStringLiteral("Advanced"), this);
    fraAdvanced->setGeometry(lx::twRect(120, 2900, 4320, 1815));
    fraAdvanced->setVisible(false);
    const QStringList labels = SpecimenLabels(u"Sand");
    for (const Row& r : Rows) {
        QGroupBox* frame = r.advanced ? fraAdvanced : fraBasic;
        auto* label = new QLabel(labels[r.box], frame);
        label->setGeometry(lx::twRect(120, r.top + 30, 2600, 255));
        auto* box = new QLineEdit(frame);
        box->setGeometry(lx::twRect(2760, r.top, 1440, 315));
        label->setBuddy(box);
        lblSpecimen[size_t(r.box)] = label;
        txtSpecimenParameters[size_t(r.box)] = box;
    }

    lblAdvanced2 = new QLabel(QStringLiteral("The default values for advanced parameters"), this);
    lblAdvanced2->setGeometry(lx::twRect(4560, 3000, 1200, 900));
    lblAdvanced2->setWordWrap(true);
    lblAdvanced2->setVisible(false);

    cmdOK = lx::twButton(this, QStringLiteral("OK"), QStringLiteral("Accept the Selected Parameters"), 4560, 1050, 1200, 375);
    cmdCancel = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Exit and Go Back, Press F1 for Help"), 4560, 1500, 1200, 375);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 4560, 1950, 1200, 375);
    cmdAdvanced = lx::twButton(this, QStringLiteral("Advanced"), QStringLiteral("To define advanced parameters for particles"), 4560, 2400, 1200, 375);

    connect(CboParOption, &QComboBox::activated, this, &dlgSpecimenCIDC::CboParOption_Click);
    connect(cboConfStress, &QComboBox::activated, this, &dlgSpecimenCIDC::cboConfStress_Click);
    connect(cmdAdvanced, &QPushButton::clicked, this, &dlgSpecimenCIDC::cmdAdvanced_Click);
    connect(cmdOK, &QPushButton::clicked, this, &dlgSpecimenCIDC::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSpecimenCIDC::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgSpecimenCIDC::cmdHelp_Click);

    lx::MakeChild(this, WidthTw, BasicHeightTw, true);
    Form_Load();
}

dlgSpecimenCIDC::~dlgSpecimenCIDC()
{
    // However the dialog closes, its connection closes with it.
    CloseRecordset();
    connection.Close();
    BackToCellPicture();
}

void dlgSpecimenCIDC::Form_Load()
{
    lx::setLoamixIcon(this);
    const QPointF at = lx::ActiveChildPosTw();
    lx::MoveChild(this, at.x() + 1200, at.y() + 1000);

    const SpecimenState& state = State().specimen;
    CboParOption->addItems(SpecimenSoils(state.strSpecimen, state.strSimType));
    CboParOption->setCurrentIndex(-1);
    stressPosition = StressPosition(state.strSpecimen);

    if (state.strSpecimen == u"Clay") {
        lx::SetOuterSize(this, WidthTw, ClayHeightTw);
        cmdAdvanced->setVisible(false);
        fraAdvanced->move(fraAdvanced->x(), lx::tw(3300));
        fraBasic->resize(fraBasic->width(), lx::tw(2280));
        fraBasic->setTitle(QStringLiteral("Parameters"));
        const QStringList clay = SpecimenLabels(u"Clay");
        for (int i : {0, 1, 5})
            lblSpecimen[size_t(i)]->setText(clay[i]);
    } else {
        lx::SetOuterSize(this, WidthTw, BasicHeightTw);
    }
    cboConfStress->setEnabled(false);

    const QString connectionString = SpecimenConnection(state.strSpecimen, state.strSimType);
    if (connectionString.isEmpty())
        return;
    if (!lx::openOrTell(connection, connectionString, QStringLiteral("The reference database could not be opened.\r")))
        CboParOption->clear();
}

void dlgSpecimenCIDC::CloseRecordset()
{
    if (recordset)
        recordset->Close();
    recordset.reset();
}

std::vector<double> dlgSpecimenCIDC::Stresses()
{
    std::vector<double> stresses;
    if (!recordset)
        return stresses;
    for (recordset->MoveFirst(); !recordset->eof(); recordset->MoveNext())
        stresses.push_back(stressPosition < recordset->fieldCount() ? recordset->Fields(stressPosition).toDouble() : 0.0);
    return stresses;
}

void dlgSpecimenCIDC::CboParOption_Click()
{
    CloseRecordset();
    SpecimenState& state = State().specimen;
    state.strSoilType = CboParOption->currentText();
    if (const auto ref = ReferenceNumber(state.strSoilType, state.strSimType))
        state.RefNumber = *ref;
    cboConfStress->clear();
    stressCount = 0;
    if (connection.State() != lx::adStateOpen)
        return;
    lastSql = TestInfoSql(state.RefNumber);
    const bool read = lx::queryOrTell(QStringLiteral("The stored tests could not be read.\r"), [&] {
        recordset = std::make_unique<lx::Recordset>();
        recordset->Open(lastSql, connection, lx::adOpenDynamic, lx::adLockUnspecified);
    });
    if (!read) {
        recordset.reset();
        return;
    }
    cboConfStress->setEnabled(true);
    const QStringList stresses = StressList(Stresses());
    cboConfStress->addItems(stresses);
    stressCount = int(stresses.size());
    cboConfStress->setCurrentIndex(-1);
}

void dlgSpecimenCIDC::cboConfStress_Click()
{
    if (!recordset || cboConfStress->currentIndex() < 0)
        return;
    const int record = MatchingRecord(Stresses(), cboConfStress->currentText());
    if (record < 0)
        return;
    recordset->MoveFirst();
    for (int i = 0; i < record; ++i)
        recordset->MoveNext();
    SpecimenState& state = State().specimen;
    state.SimTestID = recordset->Fields(1).toText();
    const QStringList texts = lx::ParamTexts(*recordset, SpecimenSlots(state.strSpecimen), 7,
                                             SpecimenFormat(state.strSpecimen));
    for (int i = 0; i < 7; ++i)
        txtSpecimenParameters[size_t(i)]->setText(texts[i]);
}

void dlgSpecimenCIDC::cmdAdvanced_Click()
{
    const bool show = cmdAdvanced->text() == u"Advanced";
    lx::SetOuterSize(this, WidthTw, show ? AdvancedHeightTw : BasicHeightTw);
    fraAdvanced->setVisible(show);
    lblAdvanced2->setVisible(show);
    cmdAdvanced->setText(show ? QStringLiteral("Basic") : QStringLiteral("Advanced"));
}

void dlgSpecimenCIDC::cmdOK_Click()
{
    if (CboParOption->currentIndex() < 0) {
        lx::messages().msgBox(QStringLiteral("Please Select a Soil Option for Parameter Set"), lx::vbOKOnly,
                              QStringLiteral("Warning"));
        return;
    }
    if (cboConfStress->currentIndex() < 0) {
        lx::messages().msgBox(QStringLiteral("Please Select Effective Confining Stress"), lx::vbOKOnly,
                              QStringLiteral("Warning"));
        return;
    }
    const SpecimenState& state = State().specimen;
    CellState& cell = State().cell;
    const double stress = lx::Val(cboConfStress->currentText());
    cell.nSpecimen = stress;
    QStringList boxes;
    for (QLineEdit* box : txtSpecimenParameters)
        boxes << box->text();
    const std::array<double, 7> values = InitFromBoxes(state.strSpecimen, boxes);
    std::copy(values.begin(), values.end(), init.begin());
    cell.LetInitialData(init, 7);
    basGlobal::ConfiningStressKPa = stress;
    basGlobal::BackPressureKPa = StartingBackPressure(state.strSpecimen);
    CboParOption->clear();
    cboConfStress->setEnabled(false);
    CloseRecordset();
    connection.Close();
    if (frmTriaxialCell* picture = lx::SingleInstance<frmTriaxialCell>::peek()) {
        picture->ShapeSpecimen->setVisible(false);
        picture->ShapeCellPressure->setVisible(true);
    }
    lx::UnloadLater(this);
}

void dlgSpecimenCIDC::cmdCancel_Click() { lx::UnloadLater(this); }

void dlgSpecimenCIDC::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTriaxialShear.htm")); }
