// The direct shear set-up form offscreen: the sands, their boxes in the form's order from
// the first stored row of each (rounding, null and the text Null, the query texts), sands
// that cannot run, the assembly's 25 ticks and Start opening one new screen per press.
#include "directshear/frmDirectShear.h"

#include "directshear/DirectShearSoils.h"
#include "directshear/frmScreenDAS_DS.h"

#include "DirectShearFixture.h"
#include "app/basGlobal.h"
#include "lab/AssemblyView.h"
#include "platform/FormRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Registry = lx::SingleInstance<frmDirectShear>;

class DSSetupTest : public dsfixture::WindowTest {
public:
    std::vector<QPointer<QWidget>> screens;

    void TearDown() override
    {
        for (const auto& s : screens)
            delete s.data();
        Registry::unload();
        WindowTest::TearDown();
    }
    static void choose(frmDirectShear& f, const QString& sand)
    {
        ASSERT_TRUE(lx::testing::choose(f.cboParamOptions, sand)) << sand.toStdString();
    }
    // The boxes top-down as the student reads them: caption and text.
    static QStringList boxesTopDown(const frmDirectShear& f)
    {
        std::vector<std::pair<int, QString>> rows;
        for (size_t i = 0; i < f.txtParameter.size(); ++i)
            rows.emplace_back(f.txtParameter[i]->y(), f.lblParameter[i]->text() + f.txtParameter[i]->text());
        std::sort(rows.begin(), rows.end());
        QStringList t;
        for (const auto& r : rows)
            t << r.second;
        return t;
    }
    static void assemble(frmDirectShear& f)
    {
        f.lblMask_Click();
        for (int i = 0; i < 40 && f.Timer1->isActive(); ++i)
            f.Timer1_Timer();
    }
};

TEST(DSSetupQueries, WriteTheSingleReferenceNumberAfterTheKey)
{
    const lx::SoilParameterTable t = directshear::ParameterTable();
    EXPECT_EQ(lx::TestInfoQuery(t, 103.0f), "SELECT * FROM TestInfo WHERE ReferenceNumber =103");
    EXPECT_EQ(lx::ReferenceQuery(t, 103.51f), "SELECT * FROM Reference WHERE [Reference Number] =103.51");
}

TEST_F(DSSetupTest, ListsTenSandsAndShowsTheFirstStoredTestInTheFormsOrder)
{
    frmDirectShear& f = Registry::get();
    EXPECT_EQ(f.windowTitle(), "Direct Shear Test: Assembly");
    EXPECT_EQ(f.lblTest->text(), "Direct Shear test on");
    ASSERT_EQ(f.cboParamOptions->count(), 10);
    EXPECT_EQ(f.cboParamOptions->itemText(0), "Barry's Beach Sand");
    EXPECT_EQ(f.cboParamOptions->itemText(9), "Reigate Pale Brown Sand");
    EXPECT_FALSE(f.cboParamOptions->isEditable());
    EXPECT_EQ(f.cboParamOptions->placeholderText(), "Select Soil Type");

    f.lblMask_Click();
    choose(f, "Barry's Beach Sand");
    // The first stored row (200 kPa): 0.8125 to three decimals, halves to even; a null
    // uniformity and a deformation rate stored as the text Null stay N/A.
    EXPECT_EQ(boxesTopDown(f), (QStringList{"Normal Stress (kPa):200", "Initial Void Ratio:0.812", "Average Particle Size (mm): 0.3",
                                            "Coefficient of Uniformity:N/A", "Deformation Rate (mm/min):N/A",
                                            "Specimen Height (mm):25.4", "Specimen Diameter (mm):63.5"}));
    EXPECT_EQ(f.TestID, "S-200");
    EXPECT_EQ(f.ParamTexts, (QStringList{"0.3", "N/A", "N/A", "25.4", "63.5", "200", "0.812"}));
    EXPECT_TRUE(scripted.messages->msgBoxCalls.empty());
}

TEST_F(DSSetupTest, ASandWithoutItsRowsOrTestIDCannotStart)
{
    frmDirectShear& f = Registry::get();
    assemble(f);
    choose(f, "Barry's Beach Sand");
    EXPECT_TRUE(f.cmdStart->isEnabled());
    const char* sands[] = {"Reigate Silver Folkstone Sand", "Reigate Pale Brown Sand", "Fine New North Rankin Sand"};
    for (const char* sand : sands) {
        SCOPED_TRACE(sand);
        choose(f, sand);
        EXPECT_FALSE(f.cmdStart->isEnabled());
        EXPECT_TRUE(f.TestID.isEmpty() || QString::fromLatin1(sand) == "Fine New North Rankin Sand");
    }
    EXPECT_EQ(f.txtParameter[5]->text(), "50");   // Fine: its test is there, its specimen is not
    EXPECT_EQ(f.txtParameter[3]->text(), "N/A");
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 3u);
    EXPECT_TRUE(scripted.messages->msgBoxCalls[0].text.startsWith("Reigate Silver Folkstone Sand cannot be simulated."));
    f.cmdStart_Click();
    EXPECT_EQ(f.lastScreen(), nullptr);
}

TEST_F(DSSetupTest, TheAssemblyTakes25TicksAndEachStartOpensANewScreen)
{
    frmDirectShear& f = Registry::get();
    EXPECT_FALSE(f.cboParamOptions->isEnabled());
    f.lblMask_Click();
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(f.Timer1->interval(), 600);
    choose(f, "Barry's Beach Sand");   // during the assembly: the boxes fill, Start waits
    EXPECT_EQ(f.txtParameter[5]->text(), "200");
    int ticks = 0;
    while (f.Timer1->isActive() && ticks < 40) {
        EXPECT_FALSE(f.cmdStart->isEnabled());
        f.Timer1_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 25);
    EXPECT_TRUE(f.cmdStart->isEnabled());
    const lx::AssemblyAnimation& a = f.Picture1->animation();
    EXPECT_EQ(a.sprite("imgDSTop").top, 3030);
    EXPECT_EQ(a.sprite("imgTopBall").top, 2760);

    f.cmdStart->click();
    frmScreenDAS_DS* first = f.lastScreen();
    ASSERT_TRUE(first);
    screens.push_back(first);
    f.cmdStart->click();
    ASSERT_TRUE(f.lastScreen());
    screens.push_back(f.lastScreen());
    EXPECT_NE(f.lastScreen(), first);
    EXPECT_EQ(first->TestID, "S-200");
    EXPECT_EQ(first->SoilType, "Barry's Beach Sand");
    EXPECT_EQ(first->lblNormalStressVal->text(), "200 kPa");
    EXPECT_TRUE(first->Timer1->isActive());
}

} // namespace
