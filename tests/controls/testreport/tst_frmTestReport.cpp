// The report window as a Create Report button opens it: a child window of the main window
// with the caption given and the control filled; a failure is a message and no window.
#include "controls/testreport/LXTestReport.h"
#include "controls/testreport/frmTestReport.h"

#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "tests/common/RoadTest.h"
#include "TinyDatabase.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>

class tst_frmTestReport : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_frmTestReport() : RoadTest({900, 800}) {}

private:
    QTemporaryDir folder;
    QString connection;
    static constexpr std::array<double, 8> sand = {0.5, 2.1, 1.1, 7, 15, 0.7, 100, 30};

    // No family: the report window is what a Create Report button opens.
    void installFamily() override
    {
        if (connection.isEmpty())
            connection = testreport::packTinyDatabase(folder.path());
    }

private slots:

    void reportOpensAsAChildWindowOfTheMainWindow()
    {
        lx::frmTestReport* w = lx::ShowTestReport(QStringLiteral("Report of T-CIDC"), QStringLiteral("Get CIDC S"),
                                                  QStringLiteral("Tiny Sand"), QStringLiteral("T-CIDC"), sand, connection);
        QVERIFY(w);
        QVERIFY(s->messages->msgBoxCalls.empty());
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        QCOMPARE(main->mdiArea->activeSubWindow()->widget(), w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Report of T-CIDC"));
        QCOMPARE(w->size(), QSize(lx::tw(8190), lx::tw(8520)));
        QCOMPARE(w->ctlLXTestReport->txtTitle->text(), QStringLiteral("Mechanical Behavior of Tiny Sand"));
        QCOMPARE(w->ctlLXTestReport->objectName(), QStringLiteral("ctlLXTestReport"));
        QVERIFY(!w->windowIcon().isNull());
        // The page lies wholly inside the window.
        QVERIFY(w->rect().contains(w->ctlLXTestReport->geometry()));

        // Two reports at once, each its own window.
        QVERIFY(lx::ShowTestReport(QStringLiteral("Second"), QStringLiteral("Get CIUC S"), QStringLiteral("Tiny Sand"),
                                   QStringLiteral("T-CIUC"), sand, connection));
        QCOMPARE(main->mdiArea->subWindowList().size(), 2);
        main->mdiArea->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea->subWindowList().isEmpty());
    }

    void failureShowsAMessageAndLeavesNoWindow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("resultFile");
        QTest::addColumn<QString>("testId");
        QTest::addColumn<QString>("connectionString");
        QTest::newRow("no points") << "Get CIDC S" << "Tiny Sand" << "NO-SUCH" << connection;
        QTest::newRow("no result file") << "ANN CIDC C" << folder.filePath(QStringLiteral("none.txt")) << "t" << connection;
        QTest::newRow("reference not a number") << "DB CIDC  S" << "7; DROP TABLE Reference" << "T-CIDC" << connection;
        QTest::newRow("no database") << "Get CIDC S" << "Tiny Sand" << "T-CIDC"
                                     << lx::ConnectionString::format(folder.filePath(QStringLiteral("gone.lxr")), QStringLiteral("mobkel"));
    }
    void failureShowsAMessageAndLeavesNoWindow()
    {
        QFETCH(QString, key);
        QFETCH(QString, resultFile);
        QFETCH(QString, testId);
        QFETCH(QString, connectionString);
        QVERIFY(!lx::ShowTestReport(QStringLiteral("Report"), key, resultFile, testId, sand, connectionString));
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls[0].title, QStringLiteral("Test Report"));
        QVERIFY(s->messages->msgBoxCalls[0].text.startsWith(QStringLiteral("The report could not be created.\r")));
        QVERIFY(main->mdiArea->subWindowList().isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<lx::frmTestReport*>(w));
    }
};

QTEST_MAIN(tst_frmTestReport)
#include "tst_frmTestReport.moc"
