// The study dialog and a study report of five tests drawn from the installed sand database:
// their labels fit, and pictures of both are saved for a look. With LOAMIX_SHOW set the
// windows stay up that many seconds (for a screenshot of the real display).
#include "LXParamReport.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"
#include "tests/triaxial/StudyFixture.h"
#include "triaxial/StudyDialog.h"
#include "triaxial/dlgCIDCParamStudy.h"
#include "frmStudyReport.h"
#include "controls/testreport/LXTestReport.h"
#include "triaxial/ParamStudy.h"
#include "triaxial/TriaxialSoils.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

using lx::testing::checkLabelsFit;

// The title box shows the whole title, within the page, no smaller than the body text.
void checkTitleWhole(const lx::ReportPage& page, QLineEdit* title, const QString& text)
{
    title->setText(text);
    const int need = QFontMetrics(title->font()).horizontalAdvance(text);
    QVERIFY2(need + 5 <= title->contentsRect().width() && page.rect().contains(title->geometry())
                 && title->font().pointSizeF() >= lx::ReportPage::font(lx::ReportPage::Style::Body).pointSizeF(),
             qPrintable(QStringLiteral("%1: %2 in %3").arg(text).arg(need).arg(title->width())));
    QCOMPARE(title->cursorPosition(), 0);
}

} // namespace

class tst_studyWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { basGlobal::InstallFontSubstitutions(); }
    void init() { basGlobal::ResetFrameState(); }
    void cleanup()
    {
        lx::SingleInstance<dlgCIDCParamStudy>::unload();
        basGlobal::ResetFrameState();
    }

    void everyReportTitleShowsWhole()
    {
        using paramstudy::Varies;
        lx::LXParamReport study;
        lx::LXTestReport test;
        const QString title = QStringLiteral("Title");
        const QRect home = study.txtTitle->geometry();
        for (const char* code : {"CIDC", "CIUC", "UUC "})
            for (const char* specimen : {"Clay", "Gravel", "Sand"}) {
                for (Varies varies : {Varies::ConfiningPressure, Varies::VoidRatio})
                    for (const QString& soil : paramstudy::soils(QString::fromLatin1(code), QString::fromLatin1(specimen), varies))
                        checkTitleWhole(study, study.txtTitle, paramstudy::reportTitle(varies, soil));
                for (const QString& soil : triaxial::SpecimenSoils(QString::fromLatin1(specimen), QString::fromLatin1(code)))
                    checkTitleWhole(test, test.txtTitle,
                                    QStringLiteral("Report of %1 test: %2").arg(QString::fromLatin1(code).left(4), soil));
            }
        // A short title keeps the box and the face the page was laid out with.
        study.txtTitle->setText(title);
        QCOMPARE(study.txtTitle->geometry(), home);
        QCOMPARE(study.txtTitle->font().pointSizeF(), lx::ReportPage::font(lx::ReportPage::Style::Title).pointSizeF());
    }

    void dialogAndFiveCurveReport()
    {
        lx::testing::ScriptedServices scripted;
        basGlobal::SandCIDCConnection = lx::testing::installedConnection(QStringLiteral("LXSandCIDC.lxr"), true);
        triaxial::ShowParamStudy(QStringLiteral("Sand"), QStringLiteral("CIDC Parametric Study"));
        dlgCIDCParamStudy& d = lx::SingleInstance<dlgCIDCParamStudy>::get();
        d.move(20, 20);
        const int i = d.CboParOption->findText(QStringLiteral("Ottawa sand"));
        d.CboParOption->setCurrentIndex(i);
        emit d.CboParOption->activated(i);
        QCOMPARE(d.study().valueCount(), 5);
        lx::testing::checkLabelsFit(&d);
        lx::testing::saveShot(&d, QStringLiteral("study_dialog"));

        std::unique_ptr<lx::frmStudyReport> report(d.cmdCreate_Click());
        QVERIFY(report);
        report->move(20 + d.frameGeometry().width() + 10, 20);
        QCOMPARE(report->ctlLXParamReport->testCount(), 5);
        lx::testing::checkLabelsFit(report.get());
        lx::testing::saveShot(report.get(), QStringLiteral("study_report"));
        if (const int seconds = qEnvironmentVariableIntValue("LOAMIX_SHOW"); seconds > 0)
            QTest::qWait(seconds * 1000);
    }
};

QTEST_MAIN(tst_studyWindows)
#include "tst_studyWindows.moc"
