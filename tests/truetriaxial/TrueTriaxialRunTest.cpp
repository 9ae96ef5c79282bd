// The set-up lists, the parameter texts, the queries and the octahedral values.
#include "truetriaxial/TrueTriaxialRun.h"

#include "lab/ParamBoxes.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace truetriaxial;

namespace {

QString installedConnection(const char* file)
{
    return lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/") + QString::fromLatin1(file), QStringLiteral("mobkel"), true);
}

struct ListCase {
    std::vector<double> stored;
    int decimals;
    QStringList texts;
    std::vector<double> queried;   // the stored value each item asks for
};

TEST(SetupLists, RoundedValuesAreComparedWithRoundedValuesAndAskForTheFirstStoredValue)
{
    const ListCase cases[] = {
        {{22, 22.5, 30}, 0, {"22", "30"}, {22, 30}},
        {{22.5, 22, 23.5}, 0, {"22", "24"}, {22.5, 23.5}},
        {{0.25, 0.254, 0.5}, 2, {"0.25", "0.5"}, {0.25, 0.5}},
        {{0.254, 0.25}, 2, {"0.25"}, {0.254}},
        {{0, 0.1, 0.1, 1}, 2, {"0", "0.1", "1"}, {0, 0.1, 1}},
        {{}, 2, {}, {}},
    };
    for (const ListCase& c : cases) {
        const std::vector<ListedValue> list = listDistinct(c.stored, c.decimals);
        QStringList texts;
        std::vector<double> queried;
        for (const ListedValue& v : list) {
            texts << v.text;
            queried.push_back(v.stored);
        }
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(queried, c.queried);
    }
    const std::vector<ListedValue> list = listDistinct(std::vector<double>{22, 22.5}, 0);
    EXPECT_EQ(storedValueOf(list, QStringLiteral("22")), 22.0);
    EXPECT_FALSE(storedValueOf(list, QStringLiteral("Select Beta ...")).has_value());
}

TEST(SetupLists, QueriesWriteNumbersWithoutALeadingBlank)
{
    EXPECT_EQ(betaListSql(1000), QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =1000 order by [Beta angle]"));
    EXPECT_EQ(bValueListSql(1001, 22.5),
              QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =1001 AND [Beta angle] =22.5 order by [b-value]"));
    EXPECT_EQ(testSql(Kind::Cube, 1000, 0, 0.25),
              QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =1000 AND [Beta angle] =0 AND [b-value] =0.25"));
    EXPECT_EQ(testSql(Kind::HollowCylinder, 1005, 45, 0.5),
              QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =1005 AND [Beta angle] =45"));
    EXPECT_EQ(referenceSql(1000), QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =1000"));
    EXPECT_EQ(studySql(*studySoil(Kind::Cube, QStringLiteral("San Francisco Bay Mud"))),
              QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = 1000 And [Sigma_c (kPa)] BETWEEN 120 And 124"));
    EXPECT_EQ(studySql(*studySoil(Kind::HollowCylinder, QStringLiteral("Edgar Plastic Kaolin"))),
              QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = 1005 And [Sigma_c (kPa)] BETWEEN 69 And 71"));
    EXPECT_EQ(studySoil(Kind::HollowCylinder, QStringLiteral("Edga Plastic Kaolin")), nullptr) << "the study spells it Edgar";
    EXPECT_EQ(setupSoils(Kind::HollowCylinder).back().name, QStringLiteral("Edga Plastic Kaolin"));
}

TEST(SetupLists, KindsComeFromTheirTextsAndFromReportTitles)
{
    EXPECT_EQ(kindFromText(QStringLiteral("Cube")), Kind::Cube);
    EXPECT_EQ(kindFromText(QStringLiteral("HC")), Kind::HollowCylinder);
    EXPECT_FALSE(kindFromText(QStringLiteral("hc")).has_value());
    EXPECT_EQ(kindOfTitle(QStringLiteral("True Triaxial Test: San Francisco Bay Mud")), Kind::Cube);
    EXPECT_EQ(kindOfTitle(QStringLiteral("Axial-Torsional Test Parametric Study:Kaolin Clay")), Kind::HollowCylinder);
    EXPECT_FALSE(kindOfTitle(QStringLiteral("true triaxial")).has_value());
    EXPECT_FALSE(kindOfTitle(QString()).has_value());
}

TEST(SetupBoxes, TheTestAndItsSoilFillTheBoxesAndTheParameterTexts)
{
    lx::Connection db;
    db.Open(installedConnection("Database/LXClayTTT.lxr"));
    lx::Recordset info, reference;
    info.Open(testSql(Kind::Cube, 1000, 0, 0.25), db);
    reference.Open(referenceSql(1000), db);
    const QStringList boxes = setupBoxes(info, reference);
    ASSERT_EQ(boxes.size(), BoxCount);
    EXPECT_EQ(boxes[0], QStringLiteral("88"));    // liquid limit
    EXPECT_EQ(boxes[3], QStringLiteral("0.03"));  // strain rate
    EXPECT_EQ(boxes[4], QStringLiteral("100"));   // height
    EXPECT_EQ(boxes[8], QStringLiteral("122"));   // consolidation pressure
    EXPECT_EQ(boxes[9], lx::NotAvailable);
    const QStringList texts = paramTexts(boxes, QStringLiteral("0"), QStringLiteral("0.25"));
    ASSERT_EQ(texts.size(), 10);
    EXPECT_EQ(texts.mid(0, 7), boxes.mid(0, 7));
    EXPECT_EQ(texts[7], QStringLiteral("0"));
    EXPECT_EQ(texts[8], QStringLiteral("0.25"));
    EXPECT_EQ(texts[9], lx::NotAvailable);

    // No row: every box "N/A".
    lx::Recordset none, noReference;
    none.Open(testSql(Kind::Cube, 1000, 0, 0.33), db);
    noReference.Open(referenceSql(4711), db);
    EXPECT_EQ(setupBoxes(none, noReference), QStringList(BoxCount, lx::NotAvailable));
}

TEST(Octahedral, CubeAndCylinderAgreeOnOneStrainState)
{
    // Undrained compression: the cube (3, -1.5, -1.5) and the cylinder (3, 0) are one state.
    EXPECT_EQ(cubeOctStrain(3, -1.5, -1.5), 2.121f);
    EXPECT_EQ(hollowOctStrain(3, 0), 2.121f);
    // Pure twist: gamma 3 % reads 3 / sqrt(6).
    EXPECT_EQ(hollowOctStrain(0, 3), 1.225f);
    EXPECT_EQ(hollowOctStrain(-3, 0), 2.121f);
    EXPECT_EQ(cubeOctStrain(0, 0, 0), 0.0f);
    // Stresses: one decimal.
    EXPECT_EQ(cubeOctStress(300, 100, 100), 94.3f);      // sqrt(80000 / 9)
    EXPECT_EQ(hollowOctStress(150, 0), 70.7f);           // sqrt(2/9) * 150
    EXPECT_EQ(hollowOctStress(0, 60), 49.0f);            // sqrt(2/3) * 60
    EXPECT_EQ(cubeOctStress(122, 122, 122), 0.0f);
}

} // namespace
