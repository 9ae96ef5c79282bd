// The set-up form every family builds on: when Start may be pressed, what a soil's boxes
// show (from a small database under the consolidation schema), and the form itself.
#include "lab/SetupForm.h"

#include "lab/AssemblyView.h"
#include "platform/Database.h"
#include "platform/testing/ScriptedServices.h"

#include "tests/common/FixturePacker.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace lx;

namespace {

// Events of a set-up form, in the order a student makes them.
enum Event { Click, Finish, ChooseGood, ChooseBad };

struct RulesCase {
    const char* name;
    std::vector<Event> events;
    bool start, timer, list;
};

SetupRules run(const std::vector<Event>& events)
{
    SetupRules r;
    for (Event e : events) {
        switch (e) {
        case Click: r.assemblyClicked(); break;
        case Finish: r.assemblyFinished(); break;
        case ChooseGood: r.soilChosen(true); break;
        case ChooseBad: r.soilChosen(false); break;
        }
    }
    return r;
}

} // namespace

TEST(SetupRules, StartNeedsTheAssemblyOverAndASoilThatCanRun)
{
    const RulesCase cases[] = {
        {"loaded", {}, false, false, false},
        {"clicked", {Click}, false, true, true},
        {"assembled without a soil", {Click, Finish}, false, false, true},
        {"chosen during the assembly waits", {Click, ChooseGood}, false, true, true},
        {"chosen during, then assembled", {Click, ChooseGood, Finish}, true, false, true},
        {"chosen after the stop: at once", {Click, Finish, ChooseGood}, true, false, true},
        {"a second click keeps Start", {Click, Finish, ChooseGood, Click}, true, true, true},
        {"second click, the stop again", {Click, Finish, ChooseGood, Click, Finish}, true, false, true},
        {"a soil that cannot run", {Click, Finish, ChooseBad}, false, false, true},
        {"cannot run, then one that can", {Click, Finish, ChooseBad, ChooseGood}, true, false, true},
        {"can, then one that cannot", {Click, Finish, ChooseGood, ChooseBad}, false, false, true},
        {"cannot run during the assembly", {Click, ChooseBad, Finish}, false, false, true},
    };
    for (const RulesCase& c : cases) {
        const SetupRules r = run(c.events);
        EXPECT_EQ(r.startEnabled(), c.start) << c.name;
        EXPECT_EQ(r.timerRunning(), c.timer) << c.name;
        EXPECT_EQ(r.listEnabled(), c.list) << c.name;
    }
}

namespace {

// A small consolidation database: 1001 whole, 1002.2 with the text "Null" and a half to
// round, 1003 without rows, 1006 with a null test identifier, 1007 without a Reference row.
class SoilDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = fixture::packDatabase(dir.path(), QStringLiteral("LX1DConsolidation"),
                                     {{QStringLiteral("TestInfo"),
                                       {"1001,IL-A,82,52,0.875,", "1002.2,IL-B,Null,16,0.125,0", "1006,,31,10,0.84,",
                                        "1007,IL-C,28,9,0.79,"}},
                                      {QStringLiteral("Reference"),
                                       {"1001,r,2026,s,19,63.5,Undisturbed", "1002.2,r,2026,s,20,,Null",
                                        "1006,r,2026,s,19,63.5,Slurry"}}},
                                     QStringLiteral("mobkel"));
        connection.Open(connectionString());
    }
    QString connectionString() const
    {
        return lx::ConnectionString::format(path, QStringLiteral("mobkel"));
    }
    static SoilParameterTable table()
    {
        SoilParameterTable t;
        t.testInfoSql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =");
        t.testInfoSlots = {{0, 2}, {1, 3}, {2, 4, 2}, {3, 5}};
        t.referenceSql = QStringLiteral("SELECT * FROM Reference WHERE ReferenceNumber =");
        t.referenceSlots = {{4, 4}, {5, 5}, {6, 6}};
        return t;
    }
    QTemporaryDir dir;
    QString path;
    Connection connection;
};

} // namespace

TEST(SoilParameters, TheReferenceNumberEntersTheQueryAsTheTextOfASingle)
{
    SoilParameterTable t;
    t.testInfoSql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =");
    t.referenceSql = QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =");
    EXPECT_EQ(TestInfoQuery(t, 1001.0f), u"SELECT * FROM TestInfo WHERE ReferenceNumber =1001");
    EXPECT_EQ(TestInfoQuery(t, 1002.2f), u"SELECT * FROM TestInfo WHERE ReferenceNumber =1002.2");
    EXPECT_EQ(ReferenceQuery(t, 103.51f), u"SELECT * FROM Reference WHERE [Reference Number] =103.51");
    EXPECT_EQ(ReferenceNumberText(103.0f), u"103");
}

TEST_F(SoilDatabase, BoxesTakeTheStoredValuesAndNAWhereNothingIsStored)
{
    struct Case {
        float ref;
        QStringList texts;
        const char* testId;
        bool usable;
    };
    const Case cases[] = {
        // Half to even: 0.875 -> 0.88, 0.125 -> 0.12; a null and the text "Null" are N/A; 0 is a value.
        {1001.0f, {"82", "52", "0.88", "N/A", "19", "63.5", "Undisturbed"}, "IL-A", true},
        {1002.2f, {"N/A", "16", "0.12", "0", "20", "N/A", "N/A"}, "IL-B", true},
        // No TestInfo row: every box N/A, the Reference row still read (none here).
        {1003.0f, {"N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"}, "", false},
        // A null test identifier: the boxes are shown, the soil cannot run.
        {1006.0f, {"31", "10", "0.84", "N/A", "19", "63.5", "Slurry"}, "", false},
        // No Reference row: its boxes N/A, the test can still run.
        {1007.0f, {"28", "9", "0.79", "N/A", "N/A", "N/A", "N/A"}, "IL-C", true},
    };
    for (const Case& c : cases) {
        const SoilParameters p = LoadSoilParameters(connection, table(), c.ref);
        EXPECT_EQ(p.texts, c.texts) << c.ref;
        EXPECT_EQ(p.testId, QString::fromLatin1(c.testId)) << c.ref;
        EXPECT_EQ(p.usable(), c.usable) << c.ref << " " << p.problem.toStdString();
    }
    EXPECT_TRUE(LoadSoilParameters(connection, table(), 1003.0f).problem.contains(u"no test for reference number 1003"));
    EXPECT_TRUE(LoadSoilParameters(connection, table(), 1006.0f).problem.contains(u"no test identifier"));
}

TEST_F(SoilDatabase, AFamilyThatNeedsTheReferenceRowRefusesASoilWithoutOne)
{
    SoilParameterTable t = table();
    t.referenceRequired = true;
    const SoilParameters p = LoadSoilParameters(connection, t, 1007.0f);
    EXPECT_FALSE(p.usable());
    EXPECT_TRUE(p.testId.isEmpty());
    EXPECT_TRUE(p.problem.contains(u"no reference"));
    EXPECT_TRUE(LoadSoilParameters(connection, t, 1001.0f).usable());
}

TEST_F(SoilDatabase, AClosedConnectionIsAProblemNotAThrow)
{
    connection.Close();
    const SoilParameters p = LoadSoilParameters(connection, table(), 1001.0f);
    EXPECT_FALSE(p.usable());
    EXPECT_EQ(p.texts.size(), 7);
    EXPECT_TRUE(p.testId.isEmpty());
}

namespace {

// A family's form of the smallest kind: three soils of the database above and a
// two-step animation.
class TestSetupForm : public SetupForm {
public:
    explicit TestSetupForm(SetupFormDesign d) : SetupForm(std::move(d)) {}
    QStringList started;

protected:
    void StartRun(const QString& soil) override { started << soil + u' ' + TestID; }
};

AssemblyAnimation twoSteps()
{
    std::vector<Sprite> sprites{{QStringLiteral("a"), QString(), 0, 0, 10, 10, false}};
    std::vector<AssemblyStep> steps{{{{0, SpriteTest::Hidden, 0}}, {{0, SpriteChange::Show}}, 0},
                                    {{{0, SpriteTest::TopBelow, 10}}, {{0, SpriteChange::MoveBy, 0, 10}}, 0}};
    return AssemblyAnimation(std::move(sprites), std::move(steps), 600);
}

class SetupFormTest : public SoilDatabase {
protected:
    SetupFormDesign design()
    {
        SetupFormDesign d;
        d.caption = QStringLiteral("Test: Assembly");
        d.testCaption = QStringLiteral("Test on");
        d.connection = connectionString();
        d.soils = {{QStringLiteral("Good"), 1001.0f}, {QStringLiteral("No row"), 1003.0f}, {QStringLiteral("Ooty"), 1002.2f}};
        d.parameters = table();
        d.assembly = twoSteps();
        d.captions = {QStringLiteral("A:"), QStringLiteral("B:"), QStringLiteral("C:"), QStringLiteral("D:"),
                      QStringLiteral("E:"), QStringLiteral("F:"), QStringLiteral("G:")};
        d.boxShown = {true, true, true, false};
        return d;
    }
    // Ticks until the animation has no step left (the timer stops).
    static int assemble(SetupForm& f)
    {
        int ticks = 0;
        while (f.Timer1->isActive() && ticks < 100) {
            f.Timer1_Timer();
            ++ticks;
        }
        return ticks;
    }
    lx::testing::ScriptedServices scripted;
};

} // namespace

TEST_F(SetupFormTest, TheListShowsItsPromptAndCannotBeTypedInto)
{
    TestSetupForm f(design());
    EXPECT_FALSE(f.cboParamOptions->isEditable());
    EXPECT_EQ(f.cboParamOptions->currentIndex(), -1);
    EXPECT_EQ(f.cboParamOptions->placeholderText(), SoilListPrompt);
    EXPECT_EQ(f.cboParamOptions->count(), 3);
    EXPECT_FALSE(f.cboParamOptions->isEnabled());
    EXPECT_FALSE(f.cmdStart->isEnabled());
    EXPECT_FALSE(f.txtParameter[3]->isVisibleTo(&f));
    EXPECT_TRUE(f.txtParameter[2]->isVisibleTo(&f));
    EXPECT_EQ(f.txtParameter[0]->text(), u"N/A");
    // Start without a soil does nothing, whatever enabled it.
    f.cmdStart->setEnabled(true);
    f.cmdStart->click();
    EXPECT_TRUE(f.started.isEmpty());
}

TEST_F(SetupFormTest, AClickIntoThePictureAssemblesAndAChoiceEnablesStartOnceItIsOver)
{
    TestSetupForm f(design());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.lblMask, &press);
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(f.Timer1->interval(), 600);
    EXPECT_TRUE(f.lblAssembly->isHidden());
    EXPECT_TRUE(f.cboParamOptions->isEnabled());

    // A choice during the assembly fills the boxes at once; Start waits for the stop.
    f.cboParamOptions->setCurrentIndex(2);
    EXPECT_EQ(f.txtParameter[2]->text(), u"0.12");
    EXPECT_EQ(f.RefNumber, 1002.2f);
    EXPECT_EQ(f.TestID, u"IL-B");
    EXPECT_FALSE(f.cmdStart->isEnabled());
    EXPECT_EQ(assemble(f), 3);   // two steps, then the tick that finds none
    EXPECT_TRUE(f.cmdStart->isEnabled());

    f.cmdStart->click();
    f.cmdStart->click();
    EXPECT_EQ(f.started, QStringList({"Ooty IL-B", "Ooty IL-B"}));
    EXPECT_TRUE(f.cmdStart->isEnabled());
    EXPECT_TRUE(scripted.messages->msgBoxCalls.empty());
}

// A student without a mouse: Tab reaches the picture first, and Space, Enter or the
// keypad's Enter there starts the assembly as the click does, once per press (a key held
// down repeats nothing); other keys, keys with Ctrl and other buttons do not.
TEST_F(SetupFormTest, TheKeyboardStartsTheAssembly)
{
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        bool starts;
    } const presses[] = {
        {Qt::Key_Space, Qt::NoModifier, false, true},
        {Qt::Key_Return, Qt::NoModifier, false, true},
        {Qt::Key_Enter, Qt::KeypadModifier, false, true},
        {Qt::Key_Enter, Qt::NoModifier, false, true},
        {Qt::Key_Return, Qt::ControlModifier, false, false},
        {Qt::Key_Enter, Qt::KeypadModifier | Qt::AltModifier, false, false},
        {Qt::Key_Space, Qt::NoModifier, true, false},
        {Qt::Key_A, Qt::NoModifier, false, false},
    };
    for (const Press& p : presses) {
        const Qt::Key key = p.key;
        TestSetupForm f(design());
        EXPECT_EQ(f.lblMask->focusPolicy(), Qt::StrongFocus);
        EXPECT_EQ(f.lblMask->accessibleName(), f.lblAssembly->text());
        QWidget* first = &f;
        do
            first = first->nextInFocusChain();
        while (first != &f && !(first->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(first, f.lblMask);
        QKeyEvent press(QEvent::KeyPress, key, p.modifiers, QString(), p.autoRepeat);
        QCoreApplication::sendEvent(f.lblMask, &press);
        const bool starts = p.starts;
        EXPECT_EQ(f.Timer1->isActive(), starts) << key;
        EXPECT_EQ(f.cboParamOptions->isEnabled(), starts) << key;
        EXPECT_EQ(f.lblAssembly->isHidden(), starts) << key;
    }
    TestSetupForm f(design());
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.lblMask, &right);
    EXPECT_FALSE(f.Timer1->isActive());
}

// The picture shows when it has the keyboard's focus: a dotted frame just inside it.
TEST_F(SetupFormTest, ThePictureShowsItHasTheFocus)
{
    TestSetupForm f(design());
    f.show();
    QApplication::setActiveWindow(&f);
    auto framePixels = [&f] {
        const QImage shot = f.lblMask->grab().toImage();
        int blue = 0;
        for (int y = 0; y < shot.height(); ++y)
            blue += shot.pixelColor(2, y) == QColor(0, 0, 0xC0) ? 1 : 0;
        return blue;
    };
    f.cmdHelp->setFocus();
    EXPECT_EQ(framePixels(), 0);
    f.lblMask->setFocus();
    ASSERT_TRUE(f.lblMask->hasFocus());
    EXPECT_GT(framePixels(), f.lblMask->height() / 4);
}

TEST_F(SetupFormTest, ASoilWithoutItsTestIsRefusedWithAMessage)
{
    TestSetupForm f(design());
    f.lblMask_Click();
    assemble(f);
    f.cboParamOptions->setCurrentIndex(0);
    EXPECT_TRUE(f.cmdStart->isEnabled());
    f.cboParamOptions->setCurrentIndex(1);
    EXPECT_FALSE(f.cmdStart->isEnabled());
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 1u);
    EXPECT_TRUE(scripted.messages->msgBoxCalls[0].text.startsWith(u"No row cannot be simulated."));
    for (QLineEdit* box : f.txtParameter)
        EXPECT_EQ(box->text(), u"N/A");
    EXPECT_TRUE(f.TestID.isEmpty());
    f.cmdStart_Click();
    EXPECT_TRUE(f.started.isEmpty());
    // Another soil that can run enables it again at once.
    f.cboParamOptions->setCurrentIndex(0);
    EXPECT_TRUE(f.cmdStart->isEnabled());
    f.cmdStart->click();
    EXPECT_EQ(f.started, QStringList({"Good IL-A"}));
}

TEST_F(SetupFormTest, ADatabaseThatCannotBeOpenedIsReportedAtTheChoice)
{
    SetupFormDesign d = design();
    d.connection = lx::ConnectionString::format(dir.filePath(QStringLiteral("missing.lxr")), QStringLiteral("mobkel"));
    TestSetupForm f(std::move(d));
    f.lblMask_Click();
    assemble(f);
    f.cboParamOptions->setCurrentIndex(0);
    EXPECT_FALSE(f.cmdStart->isEnabled());
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 1u);
    EXPECT_TRUE(scripted.messages->msgBoxCalls[0].text.contains(u"could not be opened"));
}
