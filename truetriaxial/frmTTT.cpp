#include "truetriaxial/frmTTT.h"

#include "lab/StoredTest.h"
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/frmScreenDASTTT.h"
#include "truetriaxial/WorkingCopies.h"

#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"
#include "lab/ParamBoxes.h"
#include "lab/PictureLayout.h"
#include "lab/SetupForm.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/rtf/RichText.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

using truetriaxial::CubeShow;
using truetriaxial::Kind;

namespace {

constexpr double OutOfView = 10000;
constexpr double NoteTop = 45;
const QColor AreaColor(255, 255, 192);   // &H00C0FFFF

QString slidePicture(int step) { return QStringLiteral("\\pictures\\TTT\\TTT_%1.jpg").arg(step); }

void resetList(QComboBox* list) { list->setCurrentIndex(-1); }
bool chosen(const QComboBox* list) { return list->currentIndex() >= 0; }

QComboBox* promptList(QWidget* parent, const char* name, const QString& prompt, double left, double top, double width,
                      const QString& lists = lx::SoilListName)
{
    auto* list = lx::twControl<QComboBox>(parent, name, left, top, width, 315);
    lx::makePromptList(list, prompt, lists);
    return list;
}

} // namespace

frmTTT::frmTTT()
{
    setWindowTitle(QStringLiteral("Cubical True Triaxial Test: Assembly"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    // The assembly, left.
    picAssembly = lx::twControl<lx::PictureBox>(this, "picAssembly", 120, 300, 5800, 5985);
    picAssembly->setBackColor(AreaColor);
    imgTTT = lx::twControl<QLabel>(picAssembly, "imgTTT", lx::pictures::trueTriaxial::imgTTT.left,
                                   lx::pictures::trueTriaxial::imgTTT.top, lx::pictures::trueTriaxial::imgTTT.width,
                                   lx::pictures::trueTriaxial::imgTTT.height);
    imgTTT->setScaledContents(true);
    lx::describePicture(imgTTT, QStringLiteral("True triaxial apparatus"),
                        QStringLiteral("The slides of the apparatus and its assembly around the cubical specimen, loaded by "
                                       "three independent principal stresses."));
    imgHCT = lx::twControl<lx::AssemblyView>(picAssembly, "imgHCT", 0, 0, 5800, 5985);
    imgHCT->setBackColor(AreaColor);
    lx::describePicture(imgHCT, QStringLiteral("Hollow cylinder apparatus"),
                        QStringLiteral("The assembly of the apparatus around the hollow cylindrical specimen, step by step."));
    imgHCT->hide();
    // The transparent mask over the picture area starts the show: made before the notes and
    // buttons so that it is the first stop of Tab (Space or Enter there is the click); raised
    // above them once loaded.
    lblMask = new lx::ClickMask(picAssembly, QStringLiteral("Click here to start assembly"), [this] { lblMask_Click(); });
    lblMask->setObjectName(QStringLiteral("lblMask"));
    lblMask->setGeometry(lx::twRect(0, 0, 5800, 5985));
    Line1 = lx::twControl<QFrame>(picAssembly, "Line1", 0, 1620, 5800, 30);
    Line1->setFrameShape(QFrame::HLine);
    for (int k = 0; k < 10; ++k) {
        QTextEdit* note = lx::twControl<QTextEdit>(picAssembly, nullptr, 45, OutOfView, 5655, 1590);
        note->setObjectName(QStringLiteral("rtfComments%1").arg(k));
        note->setAccessibleName(QStringLiteral("Slide note %1").arg(k + 1));
        note->setReadOnly(true);
        note->setFrameShape(QFrame::NoFrame);
        note->setStyleSheet(QStringLiteral("background: rgb(255, 255, 192);"));
        lx::RichText(note).loadFile(lx::installPath(QStringLiteral("\\Resources\\TTT\\Note%1.rtf").arg(k)));
        rtfComments[size_t(k)] = note;
    }
    lblAssembly = lx::twControl<QLabel>(picAssembly, "lblAssembly", 0, 525, 5800, 330, QStringLiteral("Click here to start assembly"));
    lblAssembly->setAlignment(Qt::AlignCenter);
    lblAssembly->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lblAssembly->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192); background: rgb(255, 255, 192);"));

    cmdPrev = lx::twButton(this, QStringLiteral("Previous"), QString(), 120, 6420, 1800, 420);
    cmdNext = lx::twButton(this, QStringLiteral("Next"), QString(), 2120, 6420, 1800, 420);
    cmdSkip = lx::twButton(this, QStringLiteral("Skip Slides"), QString(), 4120, 6420, 1800, 420);
    cmdPrev->setEnabled(false);
    cmdNext->setEnabled(false);
    cmdStart = lx::twButton(this, QStringLiteral("Start"), QString(), 120, 7200, 1800, 420);
    cmdStart->setEnabled(false);
    cmdCancel = lx::twButton(this, QStringLiteral("Cancel"), QString(), 2120, 7200, 1800, 420);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 4120, 7200, 1800, 420);

    // The soil and its parameters, right.
    fraSoilInfo = lx::twControl<QGroupBox>(this, "fraSoilInfo", 6120, 120, 3960, 6960, QStringLiteral(" Soil Parameters "));
    cboParamOptions = promptList(fraSoilInfo, "cboParamOptions", lx::SoilListPrompt, 120, 360, 3720);
    cboParamOptions->setEnabled(false);
    const auto caption = [this](int i, const QString& text, double left, double top, double width, double height) {
        QLabel* l = lx::twControl<QLabel>(fraSoilInfo, nullptr, left, top, width, height, text);
        l->setObjectName(QStringLiteral("lblParameter%1").arg(i));
        l->setWordWrap(true);
        lblParameter[size_t(i)] = l;
    };
    caption(7, QStringLiteral("Beta angle (deg)"), 120, 840, 1740, 240);
    cboBeta = promptList(fraSoilInfo, "cboBeta", QStringLiteral("Select Beta ..."), 120, 1100, 1740, lblParameter[7]->text());
    lblParameter[7]->setBuddy(cboBeta);
    caption(8, QStringLiteral("b - Value"), 2040, 840, 1800, 240);
    cbo_b_value = promptList(fraSoilInfo, "cbo_b_value", QStringLiteral("Select b-value"), 2040, 1100, 1800, lblParameter[8]->text());
    lblParameter[8]->setBuddy(cbo_b_value);
    cboBeta->setEnabled(false);
    cbo_b_value->setEnabled(false);
    // The separator under the lists shows once a soil is chosen.
    Line2 = lx::twControl<QFrame>(fraSoilInfo, "Line2", 120, 1700, 3720, 30);
    Line2->setFrameShape(QFrame::HLine);
    Line2->hide();

    struct Row {
        int label, box;
        double top;   // of the box
        const char* caption;
    };
    const Row rows[] = {
        {0, 0, 2230, "Liquid Limit (%):"},
        {1, 1, 2700, "Plasticity Index (%):"},
        {11, 9, 3170, "Coef. of curvature Cc:"},
        {2, 2, 3610, "Initial Water Content:"},
        {3, 3, 4080, "Strain Rate (%/min):"},
        {4, 4, 4665, "Specimen Height (mm):"},
        {5, 5, 5115, "Specimen Length (mm):"},
        {6, 6, 5565, "Specimen Width (mm):"},
        {9, 7, 6015, "Specimen Type:"},
        {10, 8, 6465, "Isotropic consolidation Pressure (kPa):"},
    };
    for (const Row& r : rows) {
        caption(r.label, QString::fromLatin1(r.caption), 120, r.top - 60, 2580, 420);
        lblParameter[size_t(r.label)]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QLineEdit* box = lx::twControl<QLineEdit>(fraSoilInfo, nullptr, 2760, r.top, 1080, 300);
        box->setObjectName(QStringLiteral("txtParameter%1").arg(r.box));
        lblParameter[size_t(r.label)]->setBuddy(box);
        txtParameter[size_t(r.box)] = box;
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(CubeShow::Interval);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1500);

    connect(cboParamOptions, &QComboBox::activated, this, &frmTTT::cboParamOptions_Click);
    connect(cboBeta, &QComboBox::activated, this, &frmTTT::cboBeta_Click);
    connect(cbo_b_value, &QComboBox::activated, this, &frmTTT::cbo_b_value_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmTTT::cmdStart_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTTT::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmTTT::cmdHelp_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmTTT::cmdNext_Click);
    connect(cmdPrev, &QPushButton::clicked, this, &frmTTT::cmdPrev_Click);
    connect(cmdSkip, &QPushButton::clicked, this, &frmTTT::cmdSkip_Click);
    connect(Timer1, &QTimer::timeout, this, &frmTTT::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &frmTTT::Timer2_Timer);

    lx::MakeChild(this, 10300, 8300, false);
    Form_Load();
}

frmTTT::~frmTTT()
{
    Timer1->stop();
    Timer2->stop();
    connection_.Close();
}

void frmTTT::Form_Load()
{
    lx::setLoamixIcon(this);
    cboParamOptions->clear();
    resetList(cboParamOptions);
    const dlgTTT_HCT* entry = lx::SingleInstance<dlgTTT_HCT>::peek();
    kind_ = entry && entry->cubeChosen() ? Kind::Cube : Kind::HollowCylinder;
    for (const truetriaxial::Soil& s : truetriaxial::setupSoils(kind_))
        cboParamOptions->addItem(s.name);
    if (kind_ == Kind::Cube) {
        imgTTT->setPixmap(lx::InstallPicture(slidePicture(0)));
    } else {
        setWindowTitle(QStringLiteral("Axial-torional Test on Hollow cylinder: Assembly"));
        picAssembly->move(picAssembly->x(), lx::tw(600));
        imgTTT->hide();
        imgHCT->show();
        imgHCT->setAnimation(lx::assembly::hollowCylinder());
        Timer2->setInterval(imgHCT->animation().interval());
        for (QPushButton* b : {cmdPrev, cmdNext, cmdSkip})
            b->hide();
        lblParameter[5]->setText(QStringLiteral("Outer Diameter (mm)"));
        lblParameter[6]->setText(QStringLiteral("Inner Diameter (mm)"));
    }
    lblMask->raise();
    lx::openOrTell(connection_, truetriaxial::connectionOf(kind_), QStringLiteral("The stored tests could not be opened.\r"));
    lx::MoveChild(this, 0, 0);
}

bool frmTTT::query(lx::Recordset& rs, const QString& sql)
{
    sql_ = sql;
    return lx::queryOrTell(QStringLiteral("The stored tests could not be read.\r"), [&] {
        if (connection_.State() != lx::adStateOpen)
            throw lx::DatabaseError(QStringLiteral("The database is not open."));
        rs.Open(sql, connection_, lx::adOpenDynamic, lx::adLockUnspecified);
    });
}

void frmTTT::setBoxes(const QStringList& texts)
{
    for (int i = 0; i < truetriaxial::BoxCount; ++i) {
        lx::setBoxText(txtParameter[size_t(i)], texts.value(i));   // a long specimen type shows its beginning
    }
}

void frmTTT::cboParamOptions_Click()
{
    const int index = cboParamOptions->currentIndex();
    const std::vector<truetriaxial::Soil>& soils = truetriaxial::setupSoils(kind_);
    if (index < 0 || size_t(index) >= soils.size())
        return;
    referenceNumber_ = soils[size_t(index)].referenceNumber;
    testId_.clear();
    cboBeta->setEnabled(true);
    cboBeta->clear();
    betas_.clear();
    lx::Recordset rs;
    if (query(rs, truetriaxial::betaListSql(referenceNumber_))) {
        betas_ = truetriaxial::listDistinct(truetriaxial::columnValues(rs, 7), 0);
        rs.Close();
        if (betas_.empty())
            lx::tellStudent(QStringLiteral("The database holds no stored tests of %1 (no TestInfo rows for it), so its lists stay empty.")
                                .arg(soils[size_t(index)].name));
    }
    for (const truetriaxial::ListedValue& v : betas_)
        cboBeta->addItem(v.text);
    resetList(cboBeta);
    resetList(cbo_b_value);
    cbo_b_value->setEnabled(false);
    setBoxes(QStringList(truetriaxial::BoxCount, QString()));
    // Every listed soil is a clay: no coefficient of curvature.
    Line2->show();
    lblParameter[11]->hide();
    txtParameter[9]->hide();
    lblParameter[0]->move(lblParameter[0]->x(), lx::tw(2420 - 100));
    lblParameter[1]->move(lblParameter[1]->x(), lx::tw(2880 - 100));
    txtParameter[0]->move(txtParameter[0]->x(), lx::tw(2380));
    txtParameter[1]->move(txtParameter[1]->x(), lx::tw(2850));
}

void frmTTT::cboBeta_Click()
{
    const std::optional<double> beta = truetriaxial::storedValueOf(betas_, cboBeta->currentText());
    if (!beta)
        return;
    testId_.clear();
    cbo_b_value->setEnabled(true);
    cbo_b_value->clear();
    bValues_.clear();
    lx::Recordset rs;
    if (query(rs, truetriaxial::bValueListSql(referenceNumber_, *beta))) {
        bValues_ = truetriaxial::listDistinct(truetriaxial::columnValues(rs, 6), 2);
        rs.Close();
    }
    for (const truetriaxial::ListedValue& v : bValues_)
        cbo_b_value->addItem(v.text);
    resetList(cbo_b_value);
    setBoxes(QStringList(truetriaxial::BoxCount, QString()));
}

void frmTTT::cbo_b_value_Click()
{
    if (!chosen(cbo_b_value))
        return;
    LoadSoilParameters();
    if (kind_ == Kind::HollowCylinder) {
        cmdStart->setEnabled(true);   // no slides to wait for
    } else {
        show_.bValueChosen();
        applyShow();
    }
}

void frmTTT::LoadSoilParameters()
{
    testId_.clear();
    QStringList boxes(truetriaxial::BoxCount, lx::NotAvailable);
    setBoxes(boxes);
    paramTexts_ = QStringList(truetriaxial::BoxCount, lx::NotAvailable);
    const std::optional<double> beta = truetriaxial::storedValueOf(betas_, cboBeta->currentText());
    const std::optional<double> b = truetriaxial::storedValueOf(bValues_, cbo_b_value->currentText());
    if (!beta || !b)
        return;
    lx::Recordset info, reference;
    if (!query(info, truetriaxial::testSql(kind_, referenceNumber_, *beta, *b))
        || !query(reference, truetriaxial::referenceSql(referenceNumber_)))
        return;
    if (info.eof()) {
        lx::messages().msgBox(QStringLiteral("No stored test has this Beta angle and b-value.\rPlease choose another."),
                              lx::vbOKOnly | lx::vbExclamation, basGlobal::AppTitle);
        return;
    }
    boxes = truetriaxial::setupBoxes(info, reference);
    testId_ = info.Fields(1).toText();
    info.Close();
    reference.Close();
    setBoxes(boxes);
    paramTexts_ = truetriaxial::paramTexts(boxes, cboBeta->currentText(), cbo_b_value->currentText());
}

void frmTTT::cmdStart_Click()
{
    if (!chosen(cboBeta) || !chosen(cbo_b_value)) {
        lx::messages().msgBox(QStringLiteral("Please Check the Beta andgle and b-value"), lx::vbOKOnly, basGlobal::AppTitle);
        return;
    }
    if (testId_.isEmpty()) {
        lx::messages().msgBox(QStringLiteral("No stored test has this Beta angle and b-value.\rPlease choose another."),
                              lx::vbOKOnly | lx::vbExclamation, basGlobal::AppTitle);
        return;
    }
    frmScreenDASTTT::Start(truetriaxial::kindText(kind_), cboParamOptions->currentText(), testId_);
}

void frmTTT::cmdCancel_Click() { lx::UnloadLater(this); }

void frmTTT::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTTT.htm")); }

CubeShow::Choices frmTTT::choices() const { return {.soil = chosen(cboParamOptions), .bValue = chosen(cbo_b_value)}; }

void frmTTT::applyShow()
{
    lblAssembly->setVisible(show_.invitationVisible());
    if (show_.step() >= 1)
        imgTTT->setPixmap(lx::InstallPicture(slidePicture(show_.step())));
    for (int k = 0; k < 10; ++k)
        rtfComments[size_t(k)]->move(rtfComments[size_t(k)]->x(), lx::tw(k == show_.note() ? NoteTop : OutOfView));
    cmdPrev->setEnabled(show_.previousEnabled());
    cmdNext->setEnabled(show_.nextEnabled());
    cmdSkip->setVisible(show_.skipVisible());
    cboParamOptions->setEnabled(show_.soilListEnabled());
    if (show_.startEnabled())
        cmdStart->setEnabled(true);
    if (!show_.timerRunning())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void frmTTT::lblMask_Click()
{
    if (kind_ == Kind::HollowCylinder) {
        lblAssembly->hide();
        Line1->hide();
        Timer2->start();
        cboParamOptions->setEnabled(true);
        return;
    }
    show_.start();
    Timer1->stop();   // the wait starts again from the click
    applyShow();
}

void frmTTT::cmdNext_Click()
{
    Timer1->stop();
    show_.next(choices());
    applyShow();
}

void frmTTT::cmdPrev_Click()
{
    Timer1->stop();
    show_.previous();
    applyShow();
}

void frmTTT::cmdSkip_Click()
{
    show_.skip(choices());
    applyShow();
}

void frmTTT::Timer1_Timer()
{
    show_.tick(choices());
    applyShow();
}

void frmTTT::Timer2_Timer()
{
    if (imgHCT->tick() < 0) {
        Timer2->stop();
        return;
    }
    // The sketch sets its own pace: 800 ms for the ninth to the thirteenth change.
    Timer2->setInterval(imgHCT->animation().interval());
}
