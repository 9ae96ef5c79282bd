#pragma once
// The set-up form of a test family: a drawing area whose assembly animation plays once the
// student clicks into it, the list of stored soils with its prompt, the chosen soil's
// parameter boxes, and Start, Cancel and Help. A family describes its form in a
// SetupFormDesign (captions, places, soils, queries, animation) and says in StartRun what
// Start opens; the rules of when Start may be pressed and the reading of the boxes are
// here once, without widgets, so that tests reach them directly.
#include "lab/AssemblyAnimation.h"
#include "lab/ClickMask.h"
#include "lab/ParamBoxes.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace lx {

class AssemblyView;
class Connection;

// One entry of a soil list: what the student reads and the soil's reference number.
struct SoilEntry {
    QString name;
    float referenceNumber;
};

// The reference number as a query writes it: the shortest text of the single-precision
// number ("1001", "1002.2", "103.51"). The double text of the same single
// ("1002.20001220703") would find no row.
QString ReferenceNumberText(float referenceNumber);

// Where a soil's boxes come from: the first row of each query, the number's text appended
// directly to the query text.
struct SoilParameterTable {
    QString testInfoSql;                  // "SELECT * FROM TestInfo WHERE ReferenceNumber ="
    std::vector<ParamSlot> testInfoSlots;
    QString referenceSql;                 // "SELECT * FROM Reference WHERE ReferenceNumber ="
    std::vector<ParamSlot> referenceSlots;
    int boxCount = 7;
    int testIdPosition = 1;               // the TestInfo field that names the test's points
    bool referenceRequired = false;       // without a Reference row the soil cannot run either
    ParamFormat format = {};
};

// What was read for one soil.
struct SoilParameters {
    QStringList texts;                    // boxCount texts, "N/A" where nothing was read
    QString testId;                       // empty when there is no usable test
    bool testInfoFound = false;
    bool referenceFound = false;
    QString problem;                      // why the soil cannot be run; empty when it can
    bool usable() const { return problem.isEmpty(); }
};

// The query texts for a reference number.
QString TestInfoQuery(const SoilParameterTable& table, float referenceNumber);
QString ReferenceQuery(const SoilParameterTable& table, float referenceNumber);

// Reads both queries on an open connection. Never throws: a database error, a missing
// TestInfo row or a missing (or null) test identifier leave the boxes they would have
// filled "N/A" and say why in problem. A missing Reference row leaves its boxes "N/A"
// and is a problem only when the table requires it.
SoilParameters LoadSoilParameters(Connection& connection, const SoilParameterTable& table, float referenceNumber);

// When a set-up form's list and Start may be used. Start needs a soil of the list whose
// test can run, and the assembly over: the tick that finds no step left stops the timer
// and enables Start when such a soil is chosen; a choice after that enables it at once.
// A soil that cannot run disables it until a soil that can is chosen. Nothing else
// disables it again.
class SetupRules {
public:
    // A click into the drawing area: the timer starts (again) and the list opens.
    void assemblyClicked();
    // A timer tick that performed no step.
    void assemblyFinished();
    // A soil of the list was chosen (usable: its test can run).
    void soilChosen(bool usable);

    bool timerRunning() const { return running; }
    bool listEnabled() const { return listOpen; }
    bool startEnabled() const { return start; }

private:
    bool running = false;
    bool listOpen = false;
    bool start = false;
    bool chosen = false;
    bool usableSoil = false;
};

// What a family's set-up form shows, in twips.
struct SetupFormDesign {
    QString caption;                      // "One-Dimensional Consolidation: Assembly"
    double widthTw = 10000, heightTw = 6000;
    QString testCaption;                  // lblTest, above the list
    QString helpTopic;                    // both Help buttons of the family
    QString connection;                   // the reference database's connection string
    std::vector<SoilEntry> soils;         // the list, in order
    SoilParameterTable parameters;
    AssemblyAnimation assembly;
    // Places that differ between families.
    double assemblyLabelTop = 120, assemblyLabelWidth = 5800;
    double frameWidth = 3645, listWidth = 3375;
    double captionWidth = 2295, boxLeft = 2520;
    // Per box index: caption, top and whether it is shown.
    std::vector<QString> captions;
    std::vector<double> boxTops;
    std::vector<bool> boxShown;           // empty or short: shown
    double buttonTop = 5020;
    std::array<double, 3> buttonLefts{6150, 7390, 8640};   // Start, Cancel, Help
};

// The prompt of every soil list, and what a screen reader calls it.
inline const QString SoilListPrompt = QStringLiteral("Select Soil Type");
inline const QString SoilListName = QStringLiteral("Soil");

// A list with a prompt that cannot be typed into: the prompt shows until an entry is
// chosen. (A set-up form's soil list; a study's list is the same kind.) A screen reader
// calls it by what it lists (none given: by the caption that is its label's buddy).
void makePromptList(QComboBox* list, const QString& prompt = SoilListPrompt, const QString& lists = SoilListName);

class SetupForm : public QWidget {
    Q_OBJECT
public:
    explicit SetupForm(SetupFormDesign design);
    ~SetupForm() override;

    void Form_Load();
    void Form_Unload();
    // The student chose a soil (by mouse, keyboard or code).
    void cboParamOptions_Click();
    void lblMask_Click();
    void Timer1_Timer();
    void cmdStart_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    const SetupFormDesign& design() const { return design_; }
    const SetupRules& rules() const { return rules_; }

    // The soil chosen last and what was read for it: its reference number (0 before the
    // first choice), test identifier and box texts.
    float RefNumber = 0;
    QString TestID;
    QStringList ParamTexts;
    // The soil list's entry chosen last, or -1.
    int soilIndex() const;

    AssemblyView* Picture1;
    QLabel* lblAssembly;
    ClickMask* lblMask;
    QGroupBox* fraSoilInfo;
    QLabel* lblTest;
    QComboBox* cboParamOptions;
    std::vector<QLabel*> lblParameter;
    std::vector<QLineEdit*> txtParameter;
    QPushButton* cmdStart;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;
    QTimer* Timer1;

protected:
    // Start was pressed with a listed soil whose test can run: open the family's replay
    // screen for RefNumber, TestID, the soil's name and ParamTexts.
    virtual void StartRun(const QString& soilType) = 0;

private:
    void LoadSoilParameters();
    void applyRules();

    SetupFormDesign design_;
    SetupRules rules_;
    std::unique_ptr<Connection> connection_;
};

} // namespace lx
