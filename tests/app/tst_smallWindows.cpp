// The splash window and the About box with its way to the system-information program.
#include "basGlobal.h"
#include "frmAbout.h"
#include "frmSplash.h"

#include "platform/FormRegistry.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString msinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString version = QStringLiteral("Version %1.%2.%3").arg(LOAMIX_VERSION_MAJOR).arg(LOAMIX_VERSION_MINOR).arg(LOAMIX_VERSION_PATCH);
} // namespace

class tst_smallWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { basGlobal::InstallFontSubstitutions(); }

    void splashShowsTitleAndVersionWithoutItsPictures()
    {
        // An install folder without pictures: the windows still come up.
        QTemporaryDir empty;
        lx::setInstallDir(empty.path());
        frmSplash::ShowSplash();
        QVERIFY(lx::SingleInstance<frmSplash>::exists());
        frmSplash& splash = lx::SingleInstance<frmSplash>::get();
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.lblProductName->text(), QStringLiteral("Loa-mix"));
        QCOMPARE(splash.lblVersion->text(), version);
        // Every fixed text fits its label.
        lx::testing::checkLabelsFit(&splash);
        lx::testing::saveShot(&splash, QStringLiteral("frmSplash-offscreen"));
        lx::SingleInstance<frmSplash>::unload();
        QVERIFY(!lx::SingleInstance<frmSplash>::exists());
        lx::setInstallDir(QString());
    }

    void aboutBoxTexts()
    {
        lx::testing::ScriptedServices s;
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Loamix"));
        QCOMPARE(about.lblTitle->text(), QStringLiteral("Loa-mix"));
        QCOMPARE(about.lblVersion->text(), version);
        QCOMPARE(about.lblDescription->text(),
                 QStringLiteral("A virtual geotechnical laboratory that can be used to simulate all aspects of the physical "
                                "experiments in geotechnical engineering education."));
        QVERIFY(!about.lblDisclaimer->text().isEmpty());
        QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        lx::testing::checkLabelsFit(&about);
        about.show();
        lx::testing::saveShot(&about, QStringLiteral("frmAbout-offscreen"));
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void systemInformationIsFoundThroughTheLookup()
    {
        QTemporaryDir folder;
        QFile program(folder.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();

        {   // The program's own path value comes first.
            lx::testing::ScriptedServices s;
            s.lookup->values[{msinfoKey, QStringLiteral("PATH")}] = QStringLiteral("/opt/sysinfo/msinfo");
            s.lookup->values[{locationKey, QStringLiteral("MSINFO")}] = folder.path();
            frmAbout about;
            QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
            QCOMPARE(s.launcher->started.size(), size_t(1));
            QCOMPARE(s.launcher->started[0].program, QStringLiteral("/opt/sysinfo/msinfo"));
            QVERIFY(s.messages->msgBoxCalls.empty());
        }
        {   // Without it, the folder value with MSINFO32.EXE inside.
            lx::testing::ScriptedServices s;
            s.lookup->values[{locationKey, QStringLiteral("MSINFO")}] = folder.path();
            frmAbout about;
            about.StartSysInfo();
            QCOMPARE(s.launcher->started.size(), size_t(1));
            QCOMPARE(s.launcher->started[0].program, program.fileName());
            QVERIFY(s.messages->msgBoxCalls.empty());
        }
    }

    void withoutSystemInformationOneMessageAndNothingStarted_data()
    {
        QTest::addColumn<QString>("folderValue");   // "" for none
        QTest::addColumn<bool>("launchFails");
        QTest::newRow("no value") << QString() << false;
        QTest::newRow("folder without the program") << QStringLiteral("EMPTY") << false;
        QTest::newRow("program that does not start") << QStringLiteral("WITH") << true;
    }
    void withoutSystemInformationOneMessageAndNothingStarted()
    {
        QFETCH(QString, folderValue);
        QFETCH(bool, launchFails);
        QTemporaryDir folder;
        if (folderValue == u"WITH") {
            QFile program(folder.filePath(QStringLiteral("MSINFO32.EXE")));
            QVERIFY(program.open(QIODevice::WriteOnly));
        }
        lx::testing::ScriptedServices s;
        s.launcher->succeed = !launchFails;
        if (!folderValue.isEmpty())
            s.lookup->values[{locationKey, QStringLiteral("MSINFO")}] = folder.path();
        frmAbout about;
        about.StartSysInfo();
        QCOMPARE(s.launcher->started.size(), size_t(launchFails ? 1 : 0));
        QCOMPARE(s.messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s.messages->msgBoxCalls[0].text, unavailable);
        QCOMPARE(s.messages->msgBoxCalls[0].style, int(lx::vbOKOnly));
        QCOMPARE(s.messages->msgBoxCalls[0].title, QStringLiteral("Loa-mix"));
    }

    void getKeyValueEmptiesTheAnswerWhenNothingIsFound()
    {
        lx::testing::ScriptedServices s;
        s.lookup->values[{msinfoKey, QStringLiteral("PATH")}] = QStringLiteral("/usr/bin/sysinfo") + QChar(u'\0') + "junk";
        frmAbout about;
        QString value = QStringLiteral("old");
        QVERIFY(!about.GetKeyValue(frmAbout::HKEY_LOCAL_MACHINE, msinfoKey, QStringLiteral("MISSING"), value));
        QVERIFY(value.isEmpty());
        QVERIFY(about.GetKeyValue(frmAbout::HKEY_LOCAL_MACHINE, msinfoKey, QStringLiteral("PATH"), value));
        QCOMPARE(value, QStringLiteral("/usr/bin/sysinfo"));
    }
};

QTEST_MAIN(tst_smallWindows)
#include "tst_smallWindows.moc"
