// The study dialog clicked offscreen: its soils and boxes, Create Report opening a study
// report, the refusal of an empty study, and the credit on closing after a report.
#include "triaxial/dlgCIDCParamStudy.h"

#include "LXParamReport.h"
#include "StudyFixture.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"
#include "tests/common/FrameTest.h"
#include "tests/common/OptionButtons.h"
#include "tests/common/QuizFiles.h"
#include "triaxial/StudyDialog.h"
#include "frmStudyReport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class StudyDialogTest : public lx::testing::FrameTest {
public:
    static inline std::unique_ptr<studyfixture::Packed> db;
    static void SetUpTestSuite()
    {
        db = std::make_unique<studyfixture::Packed>("sand.lxr", studyfixture::sandTests());
        quizzes = std::make_unique<lx::testing::QuizFiles>();
    }
    static inline std::unique_ptr<lx::testing::QuizFiles> quizzes;
    static void TearDownTestSuite()
    {
        db.reset();
        quizzes.reset();
    }

    std::vector<QPointer<lx::frmStudyReport>> reports;

    void SetUp() override
    {
        FrameTest::SetUp();
        basGlobal::SandCIDCConnection = db->connection;
        basGlobal::SandCIUCConnection = db->connection;
        basGlobal::ClayTriaxialConnection = db->connection;
    }
    void TearDown() override
    {
        lx::SingleInstance<dlgCIDCParamStudy>::unload();
        for (const auto& r : reports)
            delete r.data();
        FrameTest::TearDown();
    }

    dlgCIDCParamStudy& open(const QString& specimen, const QString& type)
    {
        triaxial::ShowParamStudy(specimen, type);
        return lx::SingleInstance<dlgCIDCParamStudy>::get();
    }
    static void choose(dlgCIDCParamStudy& d, const QString& soil)
    {
        ASSERT_TRUE(lx::testing::choose(d.CboParOption, soil)) << soil.toStdString();
    }
    static QStringList boxes(const dlgCIDCParamStudy& d)
    {
        QStringList t;
        for (QLineEdit* b : d.txtValues)
            t << b->text();
        return t;
    }
    static QStringList items(const QComboBox* c)
    {
        QStringList t;
        for (int i = 0; i < c->count(); ++i)
            t << c->itemText(i);
        return t;
    }
    static QString quizFile() { return quizzes->fresh(); }
    static long long attempts(const QString& connection) { return lx::testing::QuizFiles::attempts(connection, 213); }
    static void closeDialog(dlgCIDCParamStudy& d)
    {
        d.cmdCancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// However a parameter is selected (a screen reader's toggle among the ways), the dialog lists
// that parameter's soils and labels; the values come once a soil is chosen again.
TEST_F(StudyDialogTest, EveryWayOfSelectingAParameterRunsItsClick)
{
    for (lx::testing::SelectBy way : lx::testing::everyWayToSelect) {
        SCOPED_TRACE(lx::testing::nameOf(way));
        dlgCIDCParamStudy& sand = open("Sand", "CIDC Parametric Study");
        choose(sand, "Ottawa sand");
        ASSERT_TRUE(lx::testing::selectOption(sand.optVoidRatio, way));
        EXPECT_TRUE(sand.optVoidRatio->isChecked());
        EXPECT_EQ(sand.lblParameterVal->text(), "Constant Confining Pressure (kPa):");
        EXPECT_EQ(sand.lblParameterVar->text(), "Void Ratio Variation:");
        EXPECT_EQ(boxes(sand), QStringList(5));
        ASSERT_TRUE(lx::testing::selectOption(sand.optPressure, way));
        EXPECT_TRUE(sand.optPressure->isChecked());
        EXPECT_EQ(sand.lblParameterVal->text(), "Constant Void Ratio:");
        EXPECT_EQ(sand.lblParameterVar->text(), "Confining Pressure Variation (kPa):");
        EXPECT_EQ(sand.CboParOption->currentIndex(), -1);
        choose(sand, "Ottawa sand");
        EXPECT_EQ(boxes(sand), (QStringList{"100", "200", "300", "400", ""}));
        closeDialog(sand);
    }
}

TEST_F(StudyDialogTest, TypeAndKindChooseCaptionSoilsAndParameters)
{
    dlgCIDCParamStudy& clay = open("Clay", "UUC  Parametric Study");
    EXPECT_EQ(clay.windowTitle(), "Parametric Study - UUC Test");
    EXPECT_TRUE(clay.optVoidRatio->isHidden());
    EXPECT_EQ(items(clay.CboParOption), (QStringList{"Soft Bothkennar Clay", "Lagunillas Clay"}));
    EXPECT_EQ(clay.lblParameterVal->text(), "Constant Water Content (%):");
    choose(clay, "Soft Bothkennar Clay");
    EXPECT_EQ(clay.txtParameterVal->text(), "N/A");
    closeDialog(clay);

    dlgCIDCParamStudy& sand = open("Sand", "CIDC Parametric Study");
    EXPECT_EQ(sand.windowTitle(), "Parametric Study - CIDC Test");
    EXPECT_TRUE(sand.optPressure->isChecked());
    EXPECT_FALSE(sand.optVoidRatio->isHidden());
    EXPECT_EQ(sand.CboParOption->currentIndex(), -1);
    EXPECT_EQ(sand.CboParOption->placeholderText(), "Select Soil Type!");
    choose(sand, "Ottawa sand");
    EXPECT_EQ(sand.txtParameterVal->text(), "0.85");
    EXPECT_EQ(boxes(sand), (QStringList{"100", "200", "300", "400", ""}));
    // Another parameter empties the list's choice, the boxes and the fixed value.
    sand.optVoidRatio->click();
    EXPECT_EQ(sand.lblParameterVal->text(), "Constant Confining Pressure (kPa):");
    EXPECT_EQ(sand.lblParameterVar->text(), "Void Ratio Variation:");
    EXPECT_EQ(boxes(sand), QStringList(5));
    EXPECT_EQ(sand.txtParameterVal->text(), "");
    choose(sand, "Ottawa sand");
    EXPECT_EQ(boxes(sand), (QStringList{"0.65", "0.7", "", "", ""}));
}

TEST_F(StudyDialogTest, CreateReportOpensAStudyReportOfTheListedTests)
{
    dlgCIDCParamStudy& d = open("Sand", "CIDC Parametric Study");
    choose(d, "Ottawa sand");
    lx::frmStudyReport* r = d.cmdCreate_Click();
    ASSERT_TRUE(r);
    reports.push_back(r);
    EXPECT_EQ(r->windowTitle(), "Parametric Study Report");
    EXPECT_EQ(QString::fromLatin1(lx::kLXParamReportClassName), "LoamixParamReport.LXParamReport");
    EXPECT_EQ(r->ctlLXParamReport->testCount(), 4);
    EXPECT_EQ(r->ctlLXParamReport->lblLegend[0], " 100");
    EXPECT_EQ(r->ctlLXParamReport->txtTitle->text(), "Effect of Confining Pressure on Shear Behavior of Ottawa sand");
    EXPECT_TRUE(d.reportCreated());
    EXPECT_TRUE(scripted.messages->msgBoxCalls.empty());
}

TEST_F(StudyDialogTest, AStudyWithoutTestsRefusesToReport)
{
    dlgCIDCParamStudy& d = open("Sand", "CIDC Parametric Study");
    EXPECT_FALSE(d.cmdCreate_Click());   // no soil chosen yet
    choose(d, "Ottawa sand");
    choose(d, "Toyoura sand");           // nothing stored in its window
    EXPECT_EQ(boxes(d), QStringList(5));
    EXPECT_EQ(d.txtParameterVal->text(), "0.61");
    EXPECT_FALSE(d.cmdCreate_Click());
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 2u);
    EXPECT_TRUE(scripted.messages->msgBoxCalls[1].text.contains("No stored test of Toyoura sand"));
    EXPECT_FALSE(d.reportCreated());
}

TEST_F(StudyDialogTest, ClosingCreditsTheStudyOnlyAfterAReportWithAQuizFileOpen)
{
    struct Case {
        const char* what;
        bool quiz, report;
        long long attempts;
        std::vector<int> pressed;
    } const cases[] = {
        {"report and quiz file", true, true, 1, {203}},
        {"quiz file, no report", true, false, 0, {}},
        {"report, no quiz file", false, true, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pressed.clear();
        const QString quiz = quizFile();
        basGlobal::QuizFileConnection = c.quiz ? quiz : QString();
        dlgCIDCParamStudy& d = open("Sand", "CIDC Parametric Study");
        choose(d, "Ottawa sand");
        if (c.report)
            reports.push_back(d.cmdCreate_Click());
        closeDialog(d);
        EXPECT_FALSE(lx::SingleInstance<dlgCIDCParamStudy>::exists());
        EXPECT_EQ(attempts(quiz), c.attempts);
        EXPECT_EQ(pressed, c.pressed);
    }
}

} // namespace
