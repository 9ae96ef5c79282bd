// The triaxial road's logic: test-type texts, hot spots, pressures, the soil table and its
// SQL, the stress list and the boxes of the specimen dialog and the summary.
#include "triaxial/TriaxialRun.h"
#include "triaxial/TriaxialSoils.h"
#include "triaxial/ParamStudy.h"

#include "app/basGlobal.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

using namespace triaxial;

TEST(TestTypes, OptionsNameTheTestAndTheRoadsCarryFixedWidthTexts)
{
    EXPECT_EQ(SelectedTest(true, false, true, false), TestKind::CIDC);
    EXPECT_EQ(SelectedTest(false, true, true, false), TestKind::CIUC);
    EXPECT_EQ(SelectedTest(false, true, false, true), TestKind::UUC);
    EXPECT_EQ(SelectedTest(true, false, false, true), std::nullopt);

    struct Case { TestKind kind; const char* label; const char* shear; const char* shearCaption; const char* study;
                  const char* studyCaption; bool sand; bool gravel; };
    const Case cases[] = {
        {TestKind::CIDC, "CIDC Test", "CIDC", "Triaxial Compression (CIDC)", "CIDC Parametric Study",
         "Triaxial Compression (CIDC Parametric Study)", true, true},
        {TestKind::CIUC, "CIUC Test", "CIUC", "Triaxial Compression (CIUC)", "CIUC Parametric Study",
         "Triaxial Compression (CIUC Parametric Study)", true, false},
        {TestKind::UUC, "UUC Test", "UUC ", "Triaxial Compression (UUC)", "UUC  Parametric Study",
         "Triaxial Compression (UUC Parametric Study)", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(TestLabel(c.kind), QString::fromLatin1(c.label));
        for (const Road& road : {ShearRoad(c.kind), StudyRoad(c.kind)}) {
            EXPECT_EQ(road.sand, c.sand);
            EXPECT_EQ(road.gravel, c.gravel);
        }
        EXPECT_EQ(ShearRoad(c.kind).simType, QString::fromLatin1(c.shear));
        EXPECT_EQ(ShearRoad(c.kind).caption, QString::fromLatin1(c.shearCaption));
        const Road study = StudyRoad(c.kind);
        EXPECT_EQ(study.simType, QString::fromLatin1(c.study));
        EXPECT_EQ(study.simType.size(), 21);
        EXPECT_EQ(study.caption, QString::fromLatin1(c.studyCaption));
        EXPECT_TRUE(IsStudy(study.simType));
        EXPECT_FALSE(IsStudy(ShearRoad(c.kind).simType));
        EXPECT_EQ(CodeOf(study.simType), ShearRoad(c.kind).simType);
    }
}

TEST(CellPicture, HotSpotsExcludeTheirBounds)
{
    struct Case { double x, y; CellSpot spot; };
    const Case cases[] = {
        {501, 5401, CellSpot::CellPressure}, {749, 5699, CellSpot::CellPressure},
        {500, 5500, CellSpot::None},         {750, 5500, CellSpot::None},
        {600, 5400, CellSpot::None},         {600, 5700, CellSpot::None},
        {4751, 5371, CellSpot::BackPressure}, {4999, 5599, CellSpot::BackPressure},
        {4750, 5500, CellSpot::None},        {5000, 5500, CellSpot::None},
        {4800, 5370, CellSpot::None},        {4800, 5600, CellSpot::None},
        {2151, 3211, CellSpot::Specimen},    {3349, 5119, CellSpot::Specimen},
        {2150, 4000, CellSpot::None},        {3350, 4000, CellSpot::None},
        {2500, 3210, CellSpot::None},        {2500, 5120, CellSpot::None},
        {0, 0, CellSpot::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HotSpot(c.x, c.y), c.spot) << c.x << ", " << c.y;
}

TEST(CellPicture, PressureSpotsWaitForTheSpecimenAndHintsFollowTheOutlines)
{
    EXPECT_EQ(ClickTarget(600, 5500, 0), CellSpot::None);
    EXPECT_EQ(ClickTarget(4800, 5500, 0), CellSpot::None);
    EXPECT_EQ(ClickTarget(2500, 4000, 0), CellSpot::Specimen);
    EXPECT_EQ(ClickTarget(600, 5500, 100), CellSpot::CellPressure);
    EXPECT_EQ(ClickTarget(4800, 5500, 100), CellSpot::BackPressure);

    EXPECT_EQ(CellHint(2500, 4000, true, false, false), u"Click Here To Select Specimen Type");
    EXPECT_EQ(CellHint(600, 5500, true, false, false), u"Move to Highlighted area");
    EXPECT_EQ(CellHint(600, 5500, false, true, false), u"Click Here to enter Cell Pressure");
    EXPECT_EQ(CellHint(4800, 5500, false, false, true), u"Click Here To Enter Back Pressure");
    EXPECT_EQ(CellHint(100, 100, true, true, true), u"Click on Highlighted area to change selection or Click OK to go ahead");
    EXPECT_EQ(CellHint(100, 100, false, true, true), u"Move to Highlighted area");
}

TEST(CellPicture, LetInitialDataCopiesOnlyTheCountGiven)
{
    CellState cell;
    cell.InitData.fill(9);
    const double init[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    cell.LetInitialData(init, 0);
    EXPECT_EQ(cell.InitData[0], 9);
    cell.LetInitialData(init, 7);
    EXPECT_EQ(cell.InitData[6], 7);
    EXPECT_EQ(cell.InitData[7], 9);
    cell.LetInitialData(std::span<const double>(init, 2), 8);
    EXPECT_EQ(cell.InitData[2], 3);
}

TEST(Pressures, CellPressureIsConfiningStressPlusBackPressureAtEveryKeystroke)
{
    const double sigma3 = 100;
    EXPECT_EQ(CellPressureKPa(sigma3, 70), 170);
    EXPECT_EQ(BackPressureLine(70), u"Current Back Pressure = 70 kPa");
    EXPECT_EQ(CellPressureLine(sigma3, 70), u"Current Cell Pressure = 170 kPa");
    // Typing 250 into the cell box, key by key.
    struct Step { const char* text; double back; };
    const Step steps[] = {{"2", -98}, {"25", -75}, {"250", 150}, {"", -100}, {"120abc", 20}, {"-", -100}, {"0.5", -99.5}};
    for (const Step& s : steps)
        EXPECT_EQ(BackFromCellText(QString::fromLatin1(s.text), sigma3), s.back) << s.text;
    EXPECT_EQ(BackPressureLine(-99.5), u"Current Back Pressure = -99.5 kPa");
}

TEST(SoilTable, EverySoilOfTheSpecimenListsHasItsNumberAndDatabase)
{
    basGlobal::ClayTriaxialConnection = QStringLiteral("clay");
    basGlobal::SandCIDCConnection = QStringLiteral("cidc");
    basGlobal::SandCIUCConnection = QStringLiteral("ciuc");
    struct Case { const char* specimen; const char* type; int count; const char* connection; int stress; };
    const Case cases[] = {
        {"Clay", "CIDC", 3, "clay", 6}, {"Clay", "CIUC", 3, "clay", 6}, {"Clay", "UUC ", 4, "clay", 6},
        {"Gravel", "CIDC", 4, "cidc", 8}, {"Sand", "CIDC", 4, "cidc", 8}, {"Sand", "CIUC", 4, "ciuc", 8},
        {"Sand", "UUC ", 0, "", 8}, {"Clay", "UUC", 0, "", 6},
    };
    for (const Case& c : cases) {
        const QString specimen = QString::fromLatin1(c.specimen), type = QString::fromLatin1(c.type);
        const QStringList soils = SpecimenSoils(specimen, type);
        EXPECT_EQ(soils.size(), c.count) << c.specimen << c.type;
        EXPECT_EQ(SpecimenConnection(specimen, type), QString::fromLatin1(c.connection)) << c.specimen << c.type;
        EXPECT_EQ(StressPosition(specimen), c.stress);
        for (const QString& soil : soils) {
            const auto ref = ReferenceNumber(soil, type);
            ASSERT_TRUE(ref.has_value()) << soil.toStdString();
            bool found = false;
            for (const Soil& s : SoilTable())
                found = found || (s.name == soil && s.kind == specimen && s.referenceNumber == *ref);
            EXPECT_TRUE(found) << soil.toStdString();
        }
    }
    EXPECT_EQ(ReferenceNumber(u"Soft Bangkok Clay", u"CIUC"), 5.1);
    EXPECT_EQ(ReferenceNumber(u"Soft Bangkok Clay", u"CIDC"), 5);
    EXPECT_EQ(ReferenceNumber(u"Soft Bangkok Clay", u"UUC "), 5);
    EXPECT_EQ(ReferenceNumber(u"Dune sand", u"CIUC"), 10);
    EXPECT_EQ(ReferenceNumber(u"dune sand", u"CIUC"), std::nullopt);
    EXPECT_EQ(SpecimenSoils(u"Clay", u"CIUC").first(), u"Vicksburg Buckshot Clay");
}

TEST(SoilTable, SqlTextsKeepTheirShapeAndBindTheTestId)
{
    EXPECT_EQ(TestInfoSql(5), u"SELECT * FROM TestInfo WHERE ReferenceNumber =5");
    EXPECT_EQ(TestInfoSql(5.1), u"SELECT * FROM TestInfo WHERE ReferenceNumber =5.1");
    EXPECT_EQ(TestInfoRangeSql(20, QStringLiteral("e"), 0.5, 0.7),
              u"SELECT * FROM TestInfo WHERE ReferenceNumber = 20 And e BETWEEN 0.5 And 0.7");
    EXPECT_EQ(TestResultsSql(), u"SELECT * from TestResults WHERE TestID = ?order by [Point Number]");
    EXPECT_EQ(TestResultsByReferenceSql(7.1, true),
              u"SELECT * from TestResults WHERE ReferenceNumber = 7.1 AND TestID = ?order by [Point Number]");
    EXPECT_EQ(TestResultsByReferenceSql(7.1, false), u"SELECT * from TestResults WHERE ReferenceNumber = 7.1 AND TestID = ?");
    EXPECT_EQ(ReferenceSql(26.3), u"SELECT DISTINCT [Reference Number], Reference, Date, [Soil Description] from Reference "
                                  u"WHERE [Reference Number] = 26.3");
}

TEST(SpecimenChoice, StressListHoldsDistinctRoundedStressesFirstTestWins)
{
    const double stored[] = {99.8, 100.2, 200, 50.5, 51.5, 100, 3805};
    EXPECT_EQ(StressList(stored), QStringList({"100", "200", "50", "52", "3805"}));
    EXPECT_EQ(MatchingRecord(stored, u"100"), 0);
    EXPECT_EQ(MatchingRecord(stored, u"52"), 4);
    EXPECT_EQ(MatchingRecord(stored, u"75"), -1);
    EXPECT_EQ(StressList({}), QStringList());
}

TEST(SpecimenChoice, BoxesGiveTheInitialDataWithUnsetClayPositionsZero)
{
    const QStringList sand = {"0.2", "1.8", "1.1", "5", "N/A", "0.7", "N/A"};
    EXPECT_EQ(InitFromBoxes(u"Sand", sand), (std::array<double, 7>{0.2, 1.8, 1.1, 5, 0, 0.7, 0}));
    const QStringList clay = {"35", "20", "N/A", "N/A", "N/A", "0.05", "41"};
    EXPECT_EQ(InitFromBoxes(u"Clay", clay), (std::array<double, 7>{35, 20, 0.05, 41, 0, 0, 0}));
    EXPECT_EQ(StartingBackPressure(u"Gravel"), 700);
    EXPECT_EQ(StartingBackPressure(u"Sand"), 70);
    EXPECT_EQ(StartingBackPressure(u"Clay"), 70);
    EXPECT_EQ(SpecimenFormat(u"Sand").zeroIsMissing, false);
    EXPECT_EQ(SpecimenFormat(u"Clay").zeroIsMissing, true);
}

TEST(Summary, BoxTextsForSandGravelAndClay)
{
    const std::array<double, 8> sand = {0.85, 1.5, 1.2, 5, 0, 0.65, 100, 30};
    EXPECT_EQ(SummaryBoxTexts(u"Sand", sand), QStringList({" .85", " 1.5", " 1.2", " 5", "N/A", " .65", " 100", ""}));
    const std::array<double, 8> gravel = {6.5, 5.8, 1.3, 6, 23, 0.66, 3334, 30};
    EXPECT_EQ(SummaryBoxTexts(u"Gravel", gravel), QStringList({" 6.5", " 5.8", " 1.3", " 6", " 23", " .66", " 3334", ""}));
    const std::array<double, 8> clay = {35, 20, 0.05, 0, 0, 0, 150, 30};
    EXPECT_EQ(SummaryBoxTexts(u"Clay", clay), QStringList({" 35", " 20", "N/A", "N/A", "N/A", " .05", "N/A", " 150"}));

    EXPECT_EQ(SummaryCaption(u"CIDC"), u"Initialization Summary (Drained)");
    EXPECT_EQ(SummaryCaption(u"CIUC"), u"Initialization Summary (Undrained)");
    EXPECT_EQ(SummaryCaption(u"UUC "), u"Initialization Summary (Undrained)");
    EXPECT_EQ(SummaryLabels(u"Clay")[6], u"Water Content (%)");
    EXPECT_EQ(SummaryLabels(u"Clay")[2], u"Confining Pressure (kPa):");
    EXPECT_EQ(SummaryLabels(u"Sand")[8], u"Coefficient of Concavity:");
    EXPECT_EQ(RunTitle(u"UUC ", u"Clay"), u"UUC  Clay");
    EXPECT_EQ(ReportRunTitle(u"UUC ", u"Clay", u"  run 1 "), u"UUC  Clay:run 1");
    EXPECT_EQ((QStringLiteral("Get ") + ReportRunTitle(u"UUC ", u"Clay", u"")).mid(9, 1), u"C");
}

// The summary, the study and the specimen dialog read a kind's tests of a type from one file;
// only the dialog, listing the gravels whatever the type, reads them from the drained file.
TEST(TestsFile, ConnectionByKindAndTypeEmptyWhereNoDatabaseHoldsTheTest)
{
    basGlobal::ClayTriaxialConnection = QStringLiteral("clay");
    basGlobal::SandCIDCConnection = QStringLiteral("cidc");
    basGlobal::SandCIUCConnection = QStringLiteral("ciuc");
    struct Case { const char *specimen, *type, *tests, *specimenDialog; } const cases[] = {
        {"Clay", "CIDC", "clay", "clay"}, {"Clay", "CIUC", "clay", "clay"}, {"Clay", "UUC ", "clay", "clay"},
        {"Sand", "CIDC", "cidc", "cidc"}, {"Gravel", "CIDC", "cidc", "cidc"}, {"Sand", "CIUC", "ciuc", "ciuc"},
        {"Gravel", "CIUC", "", "cidc"},   {"Sand", "UUC ", "", ""},          {"Sand", "CIDC Parametric Study", "", ""},
        {"Clay", "UUC", "", ""},          {"Silt", "CIDC", "", ""},
    };
    for (const Case& c : cases) {
        const QString specimen = QString::fromLatin1(c.specimen), type = QString::fromLatin1(c.type);
        EXPECT_EQ(TestsConnection(specimen, type), QString::fromLatin1(c.tests)) << c.specimen << c.type;
        EXPECT_EQ(SpecimenConnection(specimen, type), QString::fromLatin1(c.specimenDialog)) << c.specimen << c.type;
    }
    // The study reads the file of the kind and code it was opened for.
    EXPECT_EQ(paramstudy::ParamStudy(QStringLiteral("Sand"), QStringLiteral("CIUC Parametric Study")).connectionString(), u"ciuc");
    EXPECT_EQ(paramstudy::ParamStudy(QStringLiteral("Gravel"), QStringLiteral("CIDC Parametric Study")).connectionString(), u"cidc");
    EXPECT_EQ(paramstudy::ParamStudy(QStringLiteral("Clay"), QStringLiteral("UUC  Parametric Study")).connectionString(), u"clay");
}

TEST(Summary, RangeChecksWithInclusiveBounds)
{
    struct Case { const char* specimen; int index; double value; const char* message; };
    const Case cases[] = {
        {"Sand", 0, 0.075, nullptr}, {"Sand", 0, 1.5, nullptr},
        {"Sand", 0, 0.074, "Average Diameter must be 0.075 to 1.5 mm!"}, {"Sand", 0, 1.51, "Average Diameter must be 0.075 to 1.5 mm!"},
        {"Gravel", 0, 1.5, nullptr}, {"Gravel", 0, 45.1, "Average Diameter must be 1.5 to 45 mm!"},
        {"Sand", 1, 0, "Coefficient of uniformity must be 1 to 65!"}, {"Gravel", 1, 65, nullptr},
        {"Sand", 2, 0.29, "Coefficient of concavity must be 0.3 to 5!"}, {"Sand", 3, 7.5, "Hardness must be 3 to 7!"},
        {"Sand", 4, 9, "Shape factor must be 10 to 25!"}, {"Sand", 5, 1.2, nullptr}, {"Sand", 5, 1.21, "Void ratio must be 0.2 to 1.2!"},
        {"Sand", 6, 700, nullptr}, {"Sand", 6, 3805, "Confining pressure must be 35 to 700!"},
        {"Gravel", 6, 700, nullptr}, {"Gravel", 6, 100, "Confining pressure must be 700 to 70000 kPa!"},
        {"Sand", 7, -1, nullptr}, {"Clay", 0, -1, nullptr}, {"Clay", 6, 1e9, nullptr},
    };
    for (const Case& c : cases) {
        const auto m = RangeMessage(QString::fromLatin1(c.specimen), c.index, c.value);
        if (c.message)
            EXPECT_EQ(m, QString::fromLatin1(c.message)) << c.specimen << c.index << " " << c.value;
        else
            EXPECT_EQ(m, std::nullopt) << c.specimen << c.index << " " << c.value;
    }
}

TEST(SoilTable, TheTextsRunOnTheInstalledDatabases)
{
    lx::Connection db;
    db.Open(lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXSandCIDC.lxr"), QStringLiteral("mobkel")));
    lx::Recordset info;
    info.Open(TestInfoSql(1), db);
    ASSERT_GT(info.RecordCount(), 0);
    const QString id = info.Fields(1).toText();
    lx::Recordset points;
    points.Open(TestResultsSql(), db, lx::adOpenDynamic, lx::adLockUnspecified, {id});
    ASSERT_GT(points.RecordCount(), 1);
    double last = -1;
    for (; !points.eof(); points.MoveNext()) {
        EXPECT_EQ(points.Fields(1).toText(), id);
        EXPECT_GT(points.Fields(2).toDouble(), last);
        last = points.Fields(2).toDouble();
    }
    // A quote in an identifier is only a character of it.
    lx::Recordset none;
    none.Open(TestResultsSql(), db, lx::adOpenDynamic, lx::adLockUnspecified, {QStringLiteral("x' OR '1'='1")});
    EXPECT_EQ(none.RecordCount(), 0);
    lx::Recordset ref;
    ref.Open(ReferenceSql(26.3), db);
    EXPECT_EQ(ref.RecordCount(), 1);
}
