// The replay screen and its report, offscreen: the replay tick by tick (list numbers and
// tooltips, export text, axis captions, the normal-stress caption, the shear box moved per
// point and its beads hidden at the end), tests without points or with too many, the
// report of one curve, and the credit when the screen closes.
#include "directshear/frmScreenDAS_DS.h"

#include "directshear/frmDirectShearReport.h"

#include "DirectShearFixture.h"
#include "app/basGlobal.h"
#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "lab/PictureLayout.h"
#include "platform/Geometry.h"
#include "tests/common/TestHelpers.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/ListView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include "lab/LegendMark.h"
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QStringList BarryTexts = {"0.3", "1.8", "0.5", "25.4", "63.5", "50", "0.66"};

QStringList captions(const std::array<QLabel*, 5>& labels)
{
    QStringList t;
    for (QLabel* l : labels)
        t << l->text();
    return t;
}

class DSScreenTest : public dsfixture::WindowTest {
public:
    // The small tests and a long one of 305 points.
    static void SetUpTestSuite()
    {
        auto tests = dsfixture::smallTests();
        tests.push_back({"103.3", "BIG", "0.3,1.5,0.86,0.55,80,0.612,50,0.5", 305});
        packForSuite(tests);
    }

    std::vector<QPointer<QWidget>> windows;

    void TearDown() override
    {
        for (const auto& w : windows)
            delete w.data();
        WindowTest::TearDown();
    }
    frmScreenDAS_DS* screen()
    {
        auto* s = new frmScreenDAS_DS();
        windows.push_back(s);
        return s;
    }
    static long long attempts(const QString& connection, int id) { return lx::testing::QuizFiles::attempts(connection, id); }
};

TEST_F(DSScreenTest, ReplaysOnePointATickIntoListExportChartsAndShearBox)
{
    frmScreenDAS_DS* s = screen();
    ASSERT_TRUE(s->StartTest("S-050", "Barry's Beach Sand", BarryTexts));
    EXPECT_TRUE(s->Timer1->isActive());
    EXPECT_EQ(s->Timer1->interval(), 500);
    EXPECT_EQ(s->lblTitle->text(), "Direct Shear Test: Barry's Beach Sand");
    EXPECT_EQ(s->lblNormalStressVal->text(), "50 kPa");
    // 7 points: displacements 0 to 0.6 mm, shear stress up to 30 kPa, vertical down to
    // -0.003 mm, on the frame's ladders (the vertical one the fine ladder).
    EXPECT_EQ(captions(s->picFrame1->lblX), captions(s->picFrame2->lblX));
    EXPECT_EQ(captions(s->picFrame1->lblX), (QStringList{"0", "1.25", "2.5", "3.75", "5"}));
    EXPECT_EQ(captions(s->picFrame1->lblY), (QStringList{"0", "10", "20", "30", "40"}));
    EXPECT_EQ(captions(s->picFrame2->lblY), (QStringList{"-0.2", "-0.15", "-0.1", "-0.05", "0"}));

    const lx::AssemblyAnimation& box = s->PicILSetup->animation();
    const double topLeft = box.sprite("imgDSTop").left, weightLeft = box.sprite("imgTopWeight").left;
    for (int k = 1; k <= 7; ++k) {
        s->Timer1_Timer();
        EXPECT_EQ(s->lvwData->lineCount(), k);
        EXPECT_EQ(s->lvwData->cellText(k - 1, 0), QString::number(k));
        EXPECT_EQ(s->lvwData->topLevelItem(k - 1)->toolTip(0), "Point Number: " + QString::number(k));
        EXPECT_EQ(box.sprite("imgDSTop").left, topLeft + 10 * k);
        EXPECT_EQ(box.sprite("imgTopWeight").left, weightLeft + 10 * k);
        EXPECT_NE(box.sprite("imgBeads1").visible, box.sprite("imgBeads2").visible);
        EXPECT_FALSE(s->cmdReport->isEnabled());
    }
    EXPECT_EQ(s->lvwData->cellText(1, 1), "0.1");
    EXPECT_EQ(s->lvwData->cellText(1, 2), "10");
    EXPECT_EQ(s->lvwData->cellText(1, 3), "-0.001");
    s->Timer1_Timer();   // the end of the replay
    EXPECT_FALSE(s->Timer1->isActive());
    EXPECT_FALSE(box.sprite("imgBeads1").visible);
    EXPECT_FALSE(box.sprite("imgBeads2").visible);
    EXPECT_EQ(box.sprite("imgDSTop").left, topLeft + 70);
    EXPECT_TRUE(s->cmdReport->isEnabled());
    EXPECT_TRUE(s->cmdExportData->isEnabled());

    const QStringList lines = s->exportText.text().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], "Direct Shear Test: Barry's Beach Sand");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "No.\tHorizontal Displacement (mm)\tShear Stress (kPa)\tVertical Displacement (mm)\t");
    EXPECT_EQ(lines[3], "1\t0\t0\t0\t");
    EXPECT_EQ(lines[9], "7\t0.6\t10\t-0.001\t");
}

// The shear box's captions show whole: the vertical LVDT's above the upper half and left of
// the LVDT's bracket, the horizontal LVDT's left of its post.
TEST_F(DSScreenTest, TheShearBoxCaptionsClearThePicture)
{
    namespace S = lx::pictures::directShearScreen;
    basGlobal::InstallFontSubstitutions();   // the program's faces, as the texts were laid out in
    frmScreenDAS_DS* s = screen();
    const auto caption = [s](const char* text) {
        for (QLabel* l : s->PicILSetup->findChildren<QLabel*>())
            if (l->text() == QLatin1String(text))
                return l;
        return static_cast<QLabel*>(nullptr);
    };
    // Each text fits its label (checked below), so the label's place in twips is the text's.
    const auto drawn = [](const QLabel* l) {
        return QRectF(lx::toTwips(l->x()), lx::toTwips(l->y()), lx::toTwips(l->width()), lx::toTwips(l->height()));
    };
    const QLabel* vertical = caption("LVDT measuring Vertical Displacement");
    const QLabel* horizontal = caption("LVDT measuring Horizontal Displacement");
    ASSERT_TRUE(vertical && horizontal);
    EXPECT_TRUE(lx::testing::clippedTexts(s->PicILSetup).isEmpty()) << lx::testing::clippedTexts(s->PicILSetup).join(u'\n').toStdString();
    EXPECT_LE(drawn(vertical).bottom(), S::imgDSTop.top);
    EXPECT_LE(drawn(vertical).right(), S::verticalLVDTBracketLeft);
    EXPECT_LE(drawn(horizontal).right(), S::horizontalLVDTPostLeft);
    EXPECT_GE(drawn(horizontal).left(), S::imgDSTop.left + S::imgDSTop.width);
}

TEST_F(DSScreenTest, AMissingNormalStressShowsNotAvailable)
{
    frmScreenDAS_DS* s = screen();
    QStringList texts = BarryTexts;
    texts[5] = "N/A";
    ASSERT_TRUE(s->StartTest("S-200", "Barry's Beach Sand", texts));
    EXPECT_EQ(s->lblNormalStressVal->text(), "N/A kPa");
}

TEST_F(DSScreenTest, ATestWithoutPointsIsRefusedAndOneWithTooManyIsCut)
{
    const QString quiz = quizFile();
    basGlobal::QuizFileConnection = quiz;
    {
        frmScreenDAS_DS* s = screen();
        EXPECT_FALSE(s->StartTest("C-050", "Coarse New North Rankin Sand", BarryTexts));
        EXPECT_FALSE(s->Timer1->isActive());
        EXPECT_EQ(s->lvwData->lineCount(), 0);
        ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 1u);
        EXPECT_EQ(scripted.messages->msgBoxCalls[0].text, "The database holds no points for the test C-050.");
        delete s;
    }
    // A screen that replayed nothing credits nothing.
    EXPECT_EQ(attempts(quiz, 411), 0);
    EXPECT_TRUE(pressed.empty());

    frmScreenDAS_DS* s = screen();
    ASSERT_TRUE(s->StartTest("BIG", "Sydney Silica Sand", BarryTexts));
    EXPECT_EQ(s->ReplayCurve.points(), 301);
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 2u);
    EXPECT_EQ(scripted.messages->msgBoxCalls[1].text, "The test BIG holds more than 301 points: the first 301 are replayed.");
}

TEST_F(DSScreenTest, RepeatedAndNotFinitePointsAreLeftOutAndCounted)
{
    // S-050's seven points twice over as a test of its own, the second seventh infinite.
    {
        lx::Connection c;
        c.Open(db->connection);
        for (const char* shear : {"[Shear Stress (kPa)]", "CASE WHEN [Point Number] = 7 THEN 9e999 ELSE [Shear Stress (kPa)] END"})
            c.ExecuteNonQuery(QStringLiteral("INSERT INTO TestResults SELECT ReferenceNumber, 'TWICE', [Point Number], "
                                             "[Horizontal Displacement (mm)], %1, [Vertical Displacement (mm)] "
                                             "FROM TestResults WHERE TestID = 'S-050'").arg(QString::fromLatin1(shear)));
    }
    frmScreenDAS_DS* s = screen();
    ASSERT_TRUE(s->StartTest("TWICE", "Sydney Silica Sand", BarryTexts));
    EXPECT_EQ(s->ReplayCurve.points(), 7);
    for (int k = 0; k < 7; ++k)
        EXPECT_TRUE(std::isfinite(s->ReplayCurve(k, 1))) << k;
    ASSERT_EQ(scripted.messages->msgBoxCalls.size(), 1u);
    EXPECT_EQ(scripted.messages->msgBoxCalls[0].text, "6 stored point(s) repeating the number of an earlier point are left out.\r"
                                                       "1 stored point(s) holding a value that is not a finite number are left out.");
}

TEST_F(DSScreenTest, ClosingInMidReplayCreditsTheActivity)
{
    const QString quiz = quizFile();
    basGlobal::QuizFileConnection = quiz;
    frmScreenDAS_DS* s = screen();
    ASSERT_TRUE(s->StartTest("S-050", "Barry's Beach Sand", BarryTexts));
    s->Timer1_Timer();
    s->cmdClose->click();
    lx::testing::settle();
    EXPECT_TRUE(windows.back().isNull());
    EXPECT_EQ(attempts(quiz, 411), 1);
    EXPECT_EQ(pressed, std::vector<int>{401});
}

TEST_F(DSScreenTest, TheReportOfOneTestFillsOneLegendColumn)
{
    frmScreenDAS_DS* s = screen();
    ASSERT_TRUE(s->StartTest("S-200", "Barry's Beach Sand", {"0.3", "N/A", "N/A", "25.4", "63.5", "200", "0.812"}));
    while (s->Timer1->isActive())
        s->Timer1_Timer();
    s->cmdReport_Click();
    frmDirectShearReport* r = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* report = qobject_cast<frmDirectShearReport*>(w))
            r = report;
    ASSERT_NE(r, nullptr);
    windows.push_back(r);
    EXPECT_EQ(r->windowTitle(), "Test Report");
    EXPECT_EQ(r->lblTitle->text(), "Shear Strength Behavior of Barry's Beach Sand");
    EXPECT_EQ(r->lblTestType->text(), "Direct Shear Test");
    EXPECT_EQ(r->lblParamValue[1]->text(), "N/A");
    EXPECT_FALSE(r->legend.lines[0]->isHidden());
    EXPECT_EQ(r->legend.lines[0]->color(), lx::QBColor(12));
    EXPECT_TRUE(r->legend.lines[1]->isHidden());
    EXPECT_TRUE(r->legend.lines[2]->isHidden());
    // 11 points rising to 50 kPa at point 6 (5 * 0.1 mm).
    EXPECT_EQ(r->legend.values[0][0]->text(), "200");
    EXPECT_EQ(r->legend.values[0][1]->text(), "0.812");
    EXPECT_EQ(r->legend.values[0][3]->text(), "50");
    EXPECT_EQ(r->legend.values[0][4]->text(), "0.5");
    EXPECT_EQ(r->legend.values[0][5]->text(), "-0.005");
    for (size_t k : {size_t(1), size_t(2)})
        EXPECT_EQ(r->legend.values[k][0]->text() + r->legend.values[k][1]->text() + r->legend.values[k][3]->text()
                      + r->legend.values[k][4]->text() + r->legend.values[k][5]->text(),
                  "");
    EXPECT_EQ(captions(r->picFrame1->lblY), (QStringList{"0", "15", "30", "45", "60"}));
    EXPECT_EQ(r->lblDateValue->text(), QLocale::system().toString(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)), QLocale::ShortFormat));
    EXPECT_TRUE(r->isVisible());
}

} // namespace
