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

#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

void checkLabelsFit(const QWidget* window)
{
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(window))
            continue;
        const QRect need = l->fontMetrics().boundingRect(l->text());
        QVERIFY2(need.width() <= l->width() && l->fontMetrics().height() <= l->height(),
                 qPrintable(QStringLiteral("%1: %2x%3 in %4x%5").arg(l->text()).arg(need.width()).arg(l->fontMetrics().height()).arg(l->width()).arg(l->height())));
    }
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

    void dialogAndFiveCurveReport()
    {
        lx::testing::ScriptedServices scripted;
        basGlobal::SandCIDCConnection =
            studyfixture::connectionTo(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXSandCIDC.lxr")) + QStringLiteral("READONLY=True;");
        triaxial::ShowParamStudy(QStringLiteral("Sand"), QStringLiteral("CIDC Parametric Study"));
        dlgCIDCParamStudy& d = lx::SingleInstance<dlgCIDCParamStudy>::get();
        d.move(20, 20);
        const int i = d.CboParOption->findText(QStringLiteral("Ottawa sand"));
        d.CboParOption->setCurrentIndex(i);
        emit d.CboParOption->activated(i);
        QCOMPARE(d.study().valueCount(), 5);
        checkLabelsFit(&d);
        lx::testing::saveShot(&d, QStringLiteral("study_dialog"));

        std::unique_ptr<lx::frmStudyReport> report(d.cmdCreate_Click());
        QVERIFY(report);
        report->move(20 + d.frameGeometry().width() + 10, 20);
        QCOMPARE(report->ctlLXParamReport->testCount(), 5);
        checkLabelsFit(report.get());
        lx::testing::saveShot(report.get(), QStringLiteral("study_report"));
        if (const int seconds = qEnvironmentVariableIntValue("LOAMIX_SHOW"); seconds > 0)
            QTest::qWait(seconds * 1000);
    }
};

QTEST_MAIN(tst_studyWindows)
#include "tst_studyWindows.moc"
