// The Resource menu: the reference library's tree, its greyed placeholders and its topics.
#include <functional>
#include "frmMDI.h"

#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class tst_resourceMenu : public QObject {
    Q_OBJECT

private slots:
    void treeHoldsEveryItemInOrder()
    {
        lx::testing::ScriptedServices s;
        frmMDI main;
        // Depth-first, as displayed; '-' marks a greyed item.
        const QStringList expected{
            "mnuTestType", " mnuHydraulicConductivity-", "  mnuConstantHead-", "  mnuFallingHead-", "  mnuFlowPump-",
            " mnuTriaxialShear", "  mnuUnconfined", "  mnuDrained", "  mnuUndrained",
            " manuSoilShear", "  mnuSoilDirectShear", "  mnuSoilRingShear-", "  mnuSimpleShear-",
            " mnuBiaxialShear-", " mnuConsolidation", "  mnuIncremental", "  mnuConstantRate",
            " mnuInterferenceShear-", "  mnuDirectShear-", "  mnuRingShear-", " mnuCBR-",
            "mnuApparatus", " mnuFlexWallPermeameter-", " mnuTriaxialCell", " mnuAppDirectShear",
            " mnuAppInterferenceShear-", " mnuAppConsolidation",
            "mnuSamples", " mnuSamplesUndisturbed", "  mnuBlock", "  mnuShelbyTube",
            " mnuSamplesDisturbed", "  mnuSPT-", "  mnuWashings-", "  mnuBagBucket-",
            "mnuSamplePreparation", " mnuAirPluviation", " mnuMoistTamped", " mnuWetPluviation",
            "mnuSensors", " mnuLoadStress", " mnuPorePressure", " mnuDisplacement", " mnuDynamic",
            "mnuErrorSources", " mnuSeating", " mnuCalibration", " mnuMembraneEffects", "  mnuConfinement",
            "  mnuPenetration", "  mnuCompliance", " mnuEndPlatens", "  mnuLubricated", "  mnuNonlubricated",
        };
        QStringList tree;
        std::function<void(QMenu*, int)> walk = [&](QMenu* menu, int depth) {
            for (QAction* a : menu->actions()) {
                tree << QString(depth, u' ') + a->objectName() + (a->isEnabled() ? "" : "-");
                if (a->menu())
                    walk(a->menu(), depth + 1);
            }
        };
        walk(main.mnuResource, 0);
        QCOMPARE(tree, expected);

        const std::vector<std::pair<const char*, const char*>> captions{
            {"mnuTestType", "&TestType"}, {"mnuHydraulicConductivity", "&Hydraulic Conductivity"},
            {"mnuConstantHead", "&Constant Head"}, {"mnuFallingHead", "&Falling Head"}, {"mnuFlowPump", "&Flow Pump"},
            {"mnuTriaxialShear", "&Triaxial Shear"}, {"mnuUnconfined", "&Uncofined"}, {"mnuDrained", "&Drained"},
            {"mnuUndrained", "&Undrained"}, {"manuSoilShear", "&SoilShear"}, {"mnuSoilDirectShear", "&Direct Shear"},
            {"mnuSoilRingShear", "&Ring Shear"}, {"mnuSimpleShear", "&Simple Shear"}, {"mnuBiaxialShear", "&Biaxial Shear"},
            {"mnuConsolidation", "&Consolidation"}, {"mnuIncremental", "&Incremental"}, {"mnuConstantRate", "&Constant Rate"},
            {"mnuInterferenceShear", "&Interference Shear"}, {"mnuDirectShear", "&Direct Shear"}, {"mnuRingShear", "&Ring Shear"},
            {"mnuCBR", "CB&R"}, {"mnuApparatus", "&Apparatus"}, {"mnuFlexWallPermeameter", "&Flex Wall Permeameter"},
            {"mnuTriaxialCell", "&Triaxial Cell"}, {"mnuAppDirectShear", "&DirectShear"},
            {"mnuAppInterferenceShear", "&Interference Shear"}, {"mnuAppConsolidation", "&Consolidation"},
            {"mnuSamples", "&Samples"}, {"mnuSamplesUndisturbed", "&Undisturbed"}, {"mnuBlock", "&Block"},
            {"mnuShelbyTube", "&Shelby Tube"}, {"mnuSamplesDisturbed", "&Disturbed"}, {"mnuSPT", "&SPT"},
            {"mnuWashings", "&Washings"}, {"mnuBagBucket", "&Bag/Bucket"}, {"mnuSamplePreparation", "&Sample Preparation"},
            {"mnuAirPluviation", "&Air Pluviation"}, {"mnuMoistTamped", "&Moist Tamped"}, {"mnuWetPluviation", "&Wet Pluviation"},
            {"mnuSensors", "&Sensors"}, {"mnuLoadStress", "&Load/Stress Sensor"}, {"mnuPorePressure", "&Pressure Sensor"},
            {"mnuDisplacement", "&Displacement Sensor (LVDT)"}, {"mnuDynamic", "&Dynamic Sensor"},
            {"mnuErrorSources", "&Error Sources"}, {"mnuSeating", "&Seating"}, {"mnuCalibration", "&Calibration"},
            {"mnuMembraneEffects", "&Membrane Effects"}, {"mnuConfinement", "&Confinement"}, {"mnuPenetration", "&Penetration"},
            {"mnuCompliance", "&Compliance"}, {"mnuEndPlatens", "&End Platens"}, {"mnuLubricated", "&Lubricated"},
            {"mnuNonlubricated", "&Non-lubricated"},
        };
        QCOMPARE(qsizetype(captions.size()), expected.size());
        for (const auto& [name, caption] : captions) {
            const QAction* a = main.mnuResource->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(a, name);
            QCOMPARE(a->text(), QString::fromLatin1(caption));
        }
        QCOMPARE(main.mnuResource->menuAction()->text(), QStringLiteral("&Resource"));
    }

    void everyEnabledLeafShowsItsTopic_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("topic");
        const std::pair<const char*, const char*> rows[] = {
            {"mnuUnconfined", "html\\LabTests_TestTypeTriaxial_UC.htm"},
            {"mnuDrained", "html\\LabTests_TestTypeTriaxial_CD.htm"},
            {"mnuUndrained", "html\\LabTests_TestTypeTriaxial_CUnUU.htm"},
            {"mnuSoilDirectShear", "html\\LabTests_TestTypeDS.htm"},
            {"mnuIncremental", "html\\LabTests_TestTypeConsol_IL.htm"},
            {"mnuConstantRate", "html\\LabTests_TestTypeConsol_CRS.htm"},
            {"mnuTriaxialCell", "html\\LabTests_Triaxial.htm"},
            {"mnuAppDirectShear", "html\\DirectShearTest.htm"},
            {"mnuAppConsolidation", "html\\1DConsolidationTest.htm"},
            {"mnuBlock", "html\\SamplesUndisturbedBlock.htm"},
            {"mnuShelbyTube", "html\\SamplesUndisturbedShelby.htm"},
            {"mnuAirPluviation", "html\\SpecimenPreparationAir.htm"},
            {"mnuMoistTamped", "html\\SpecimenPreparationMoist.htm"},
            {"mnuWetPluviation", "html\\SpecimenPreparationWet.htm"},
            {"mnuLoadStress", "html\\SensorsLoadStress.htm"},
            {"mnuPorePressure", "html\\SensorsPressure.htm"},
            {"mnuDisplacement", "html\\SensorsDisplacement.htm"},
            {"mnuDynamic", "html\\SensorsDynamic.htm"},
            {"mnuSeating", "html\\ErrorsSeating.htm"},
            {"mnuCalibration", "html\\ErrorsCalibration.htm"},
            {"mnuConfinement", "html\\ErrorsMembraneConf.htm"},
            {"mnuPenetration", "html\\ErrorsMembranePenetration.htm"},
            {"mnuCompliance", "html\\ErrorsMembraneCompliance.htm"},
            {"mnuLubricated", "html\\ErrorsPlattensLubrication.htm"},
            {"mnuNonlubricated", "html\\ErrorsPlattensNonLubrication.htm"},
        };
        for (const auto& [item, topic] : rows)
            QTest::newRow(item) << QString::fromLatin1(item) << QString::fromLatin1(topic);
    }
    void everyEnabledLeafShowsItsTopic()
    {
        QFETCH(QString, item);
        QFETCH(QString, topic);
        lx::testing::ScriptedServices s;
        frmMDI main;
        QAction* a = main.mnuResource->findChild<QAction*>(item);
        QVERIFY(a && a->isEnabled() && !a->menu());
        a->trigger();
        QCOMPARE(s.help->shown.size(), size_t(1));
        QCOMPARE(s.help->shown[0].topic, topic);

        // Each topic is an installed page.
        const QString help = lx::resolveCaseInsensitive(QStringLiteral(LOAMIX_INSTALL_DIR), QStringLiteral("Help"));
        QVERIFY2(QFileInfo(lx::resolveCaseInsensitive(help, topic)).isFile(), qPrintable(topic));
    }

    void greyedItemsAndSubmenusShowNothing()
    {
        lx::testing::ScriptedServices s;
        frmMDI main;
        int leaves = 0;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->menu()) {
                    a->trigger();
                    walk(a->menu());
                } else if (!a->isEnabled()) {
                    a->trigger();
                } else {
                    ++leaves;
                }
            }
        };
        walk(main.mnuResource);
        QCOMPARE(leaves, 25);
        QVERIFY(s.help->shown.empty());
    }

    void theSameLeafTwiceShowsItsTopicTwice()
    {
        lx::testing::ScriptedServices s;
        frmMDI main;
        main.mnuSeating->trigger();
        main.mnuSeating->trigger();
        QCOMPARE(s.help->shown.size(), size_t(2));
        QCOMPARE(s.help->shown[1].topic, QStringLiteral("html\\ErrorsSeating.htm"));
    }
};

QTEST_MAIN(tst_resourceMenu)
#include "tst_resourceMenu.moc"
