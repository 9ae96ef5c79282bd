// The study dialog clicked offscreen: its sands and boxes, the refusal of a sand without
// data, a three-curve report, and the credit on closing after a report.
#include "directshear/dlgDSParamStudy.h"

#include "directshear/frmDirectShearReport.h"

#include "DirectShearFixture.h"
#include "app/basGlobal.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/FormRegistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include "lab/LegendMark.h"
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Registry = lx::SingleInstance<dlgDSParamStudy>;

class DSStudyDialogTest : public dsfixture::WindowTest {
public:
    std::vector<QPointer<frmDirectShearReport>> reports;

    void TearDown() override
    {
        Registry::unload();
        for (const auto& r : reports)
            delete r.data();
        WindowTest::TearDown();
    }
    static void choose(dlgDSParamStudy& d, const QString& sand)
    {
        ASSERT_TRUE(lx::testing::choose(d.CboParOption, sand)) << sand.toStdString();
    }
    static QStringList boxes(const dlgDSParamStudy& d)
    {
        QStringList t;
        for (size_t k = 0; k < 3; ++k)
            t << d.txtNormalStressValues[k]->text() + u'/' + d.txt_e_Values[k]->text();
        return t;
    }
    static long long attempts(const QString& connection) { return lx::testing::QuizFiles::attempts(connection, 412); }
};

TEST_F(DSStudyDialogTest, ListsFourSandsAndFillsTheBoxesOfTheChosenOne)
{
    dlgDSParamStudy& d = Registry::get();
    EXPECT_EQ(d.windowTitle(), "Parametric Study - Direct Shear Test");
    ASSERT_EQ(d.CboParOption->count(), 4);
    EXPECT_EQ(d.CboParOption->itemText(3), "Fine New North Rankin Sand");
    EXPECT_EQ(d.CboParOption->currentIndex(), -1);
    EXPECT_FALSE(d.cmdCreate->isEnabled());
    EXPECT_EQ(d.cmdCreate->toolTip(), "Create Report");
    EXPECT_EQ(d.cmdCancel->toolTip(), "Go Back");
    EXPECT_EQ(d.cmdHelp->toolTip(), "Go Back");

    choose(d, "New North Rankin Dense Sand");
    EXPECT_EQ(boxes(d), (QStringList{"50/0.911", "100/0.909", "200/0.907"}));
    EXPECT_TRUE(d.cmdCreate->isEnabled());
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 1u);   // the 400 kPa test is left out
    EXPECT_TRUE(scripted.messages->msgBoxCalls[0].text.startsWith("Left out of the study of New North Rankin Dense Sand:"));

    // A sand without specimen data: a message, empty boxes, no report.
    choose(d, "Fine New North Rankin Sand");
    EXPECT_EQ(boxes(d), (QStringList{"/", "/", "/"}));
    EXPECT_FALSE(d.cmdCreate->isEnabled());
    EXPECT_EQ(d.cmdCreate_Click(), nullptr);
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 2u);
}

TEST_F(DSStudyDialogTest, AReportDrawsEachTestInItsColourWithItsLegendColumn)
{
    dlgDSParamStudy& d = Registry::get();
    choose(d, "New North Rankin Dense Sand");
    frmDirectShearReport* r = d.cmdCreate_Click();
    ASSERT_TRUE(r);
    reports.push_back(r);
    EXPECT_EQ(r->lblTitle->text(), "Shear Strength Behavior of New North Rankin Dense Sand");
    const int colours[] = {12, 9, 6};
    const char* stresses[] = {"50", "100", "200"};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_FALSE(r->legend.lines[k]->isHidden());
        EXPECT_EQ(r->legend.lines[k]->color(), lx::QBColor(colours[k]));
        EXPECT_EQ(r->legend.values[k][0]->text(), stresses[k]);
        EXPECT_EQ(r->legend.values[k][3]->text(), "100");   // 20 points rising to 10 * 10
        EXPECT_EQ(r->legend.values[k][4]->text(), "1");
    }
    EXPECT_EQ(r->legend.values[2][1]->text(), "0.907");
}

TEST_F(DSStudyDialogTest, ClosingCreditsTheStudyOnceAfterReportsWithAQuizFileOpen)
{
    struct Case {
        const char* what;
        bool quiz;
        int reports;
        long long attempts;
        std::vector<int> pressed;
    } const cases[] = {
        {"two reports and a quiz file", true, 2, 1, {402}},
        {"quiz file, no report", true, 0, 0, {}},
        {"a report, no quiz file", false, 1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pressed.clear();
        const QString quiz = quizFile();
        basGlobal::QuizFileConnection = c.quiz ? quiz : QString();
        dlgDSParamStudy& d = Registry::get();
        choose(d, "Coarse New North Rankin Sand");
        for (int i = 0; i < c.reports; ++i)
            reports.push_back(d.cmdCreate_Click());
        d.cmdCancel->click();
        lx::testing::settle();
        EXPECT_FALSE(Registry::exists());
        EXPECT_EQ(attempts(quiz), c.attempts);
        EXPECT_EQ(pressed, c.pressed);
    }
}

} // namespace
