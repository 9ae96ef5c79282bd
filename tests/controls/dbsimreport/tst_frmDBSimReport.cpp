// The database-simulation report window: a plain white child window of a fixed size holding
// the control; ShowDBSimReport shows it filled, or a message and no window.
#include "controls/dbsimreport/LXDBSimReport.h"
#include "controls/dbsimreport/frmDBSimReport.h"

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

class tst_frmDBSimReport : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_frmDBSimReport() : RoadTest({900, 800}) {}

private:
    QTemporaryDir folder;
    QTemporaryDir temp;
    QString connection;
    static constexpr std::array<double, 8> sand45 = {0.6, 2.5, 1.2, 7, 15, 0.65, 200, 30};

    // No family: the window is what a caller of the library opens; the simulation's result
    // file goes to the private folder.
    void installFamily() override
    {
        if (connection.isEmpty())
            connection = testreport::packTinyDatabase(folder.path());
        basGlobal::TempPath = temp.path();
    }

private slots:
    void windowIsAFixedWhiteFrameAroundTheControl()
    {
        lx::frmDBSimReport w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Simulation Report"));
        QCOMPARE(w.size(), QSize(lx::tw(8145), lx::tw(8580)));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(w.autoFillBackground());
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.ctlLXDBSimReport->objectName(), QStringLiteral("ctlLXDBSimReport"));
        QCOMPARE(w.ctlLXDBSimReport->pos(), QPoint(lx::tw(60), 0));
        QVERIFY(w.rect().contains(w.ctlLXDBSimReport->geometry()));
        QVERIFY(w.ctlLXDBSimReport->mTestType.isEmpty());
    }

    void reportOpensAsAChildWindowOfTheMainWindow()
    {
        std::array<double, 8> init = sand45;
        QString results = QStringLiteral("shown.txt");
        lx::frmDBSimReport* w = lx::ShowDBSimReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"),
                                                    QStringLiteral("T-45"), init, connection,
                                                    QStringLiteral("Drained test T-45"));
        QVERIFY(w);
        QVERIFY(s->messages->msgBoxCalls.empty());
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        QCOMPARE(main->mdiArea->activeSubWindow()->widget(), w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Simulation Report"));
        QCOMPARE(w->ctlLXDBSimReport->txtTitle->text(), QStringLiteral("Reference: Forty-five points, 2001"));
        main->mdiArea->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea->subWindowList().isEmpty());
    }

    void failureShowsAMessageAndLeavesNoWindow_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("testId");
        QTest::addColumn<int>("values");
        QTest::addColumn<bool>("library");
        QTest::newRow("seven values") << "10" << "T-45" << 7 << true;
        QTest::newRow("reference not a number") << "1x" << "T-45" << 8 << true;
        QTest::newRow("no points") << "10" << "NO-SUCH" << 8 << true;
        QTest::newRow("missing library") << "10" << "T-45" << 8 << false;
    }
    void failureShowsAMessageAndLeavesNoWindow()
    {
        QFETCH(QString, reference);
        QFETCH(QString, testId);
        QFETCH(int, values);
        QFETCH(bool, library);
        if (!library)
            lx::setInstallDir(folder.path());   // no DLL folder there
        std::array<double, 8> init = sand45;
        QString results = QStringLiteral("r.txt");
        QVERIFY(!lx::ShowDBSimReport(QStringLiteral("DB CIDC "), results, reference, testId,
                                     std::span<double>(init).first(size_t(values)), connection));
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls[0].title, QStringLiteral("Simulation Report"));
        QVERIFY(s->messages->msgBoxCalls[0].text.startsWith(QStringLiteral("The report could not be created.\r")));
        QVERIFY(main->mdiArea->subWindowList().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<lx::frmDBSimReport*>(w));
    }
};

QTEST_MAIN(tst_frmDBSimReport)
#include "tst_frmDBSimReport.moc"
