// The frame's small windows drawn offscreen with the installed pictures and fonts: every
// logo is shown whole inside its picture box, and nothing is clipped.
#include "basGlobal.h"
#include "dlgMesseges.h"
#include "frmAbout.h"
#include "frmLogin.h"
#include "frmMDI.h"
#include "frmMessege.h"
#include "frmOptions.h"
#include "frmSplash.h"
#include "frmSplashMessege.h"

#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using lx::testing::saveShot;
using lx::testing::checkLabelsFit;

namespace {

// The picture a label shows lies whole inside it: scaled to fit, never cut.
void checkPictureFits(const QLabel* box, QSize expected)
{
    const QPixmap p = box->pixmap();
    QVERIFY2(!p.isNull(), "no picture");
    QCOMPARE(p.size(), expected);
    QVERIFY(p.width() <= box->width() && p.height() <= box->height());
}

} // namespace

class tst_dialogPictures : public QObject {
    Q_OBJECT
    std::unique_ptr<lx::testing::ScriptedServices> scripted;

private slots:
    void initTestCase()
    {
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
        basGlobal::InstallFontSubstitutions();
        QVERIFY2(QFileInfo::exists(lx::installPath(QStringLiteral("\\pictures\\icons\\LXicon.gif"))),
                 "build the whole tree first");
        QCOMPARE(QPixmap(lx::installPath(QStringLiteral("\\pictures\\icons\\LXicon.gif"))).size(), QSize(32, 32));
    }
    void init() { scripted = std::make_unique<lx::testing::ScriptedServices>(); }
    void cleanup() { scripted.reset(); }

    void messageBox_data()
    {
        // The longest messages the program puts in the box, by button count.
        const QString quiz = QStringLiteral(
            "Open your Quiz Score file to enable the Quiz\r\r-'Open' the [ *.lxq ] file previously saved by you\r"
            "-'Create' new file and save it for future use\r-'Disable' the quiz to remove quiz option.");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("1 start-up") << 1 << QStringLiteral("Loa-mix")
                                    << QStringLiteral("You may proceed to Simulations by selecting the relevent module from "
                                                      "Simulation Menu at the top.\r\rAlternatively, you may use the Short "
                                                      "Cuts for various Simulation Modules. (Icons below the Menu Bar)");
        QTest::newRow("2 export") << 2 << QStringLiteral("Export Data")
                                  << QStringLiteral("\r    Selected file already exits.\r    Do you wish to overwrire the "
                                                    "file or open a new file?");
        QTest::newRow("2 attempts") << 2 << QStringLiteral("Specimen Dimensions")
                                    << QStringLiteral("Failed in last three attempts. Do you wish to ...\r\r'Continue' "
                                                      "entering the value, or\r'Move on' to the next step and loose 10% "
                                                      "grade from this segment");
        QTest::newRow("3 quiz") << 3 << QStringLiteral("Quiz Option") << quiz;
        QTest::newRow("4 quiz") << 4 << QStringLiteral("Quiz Option") << quiz;
    }
    void messageBox()
    {
        QFETCH(int, count);
        QFETCH(QString, title);
        QFETCH(QString, message);
        scripted.reset();
        bool checked = false;
        QTimer::singleShot(0, qApp, [&] {
            dlgMesseges* box = dlgMesseges::shown();
            QVERIFY(box);
            const auto finish = qScopeGuard([box] { box->cmdResponse_Click(0); });
            // 350 x 400 twips: the 32-pixel logo is scaled down to the box's width.
            checkPictureFits(box->Picture1, QSize(lx::tw(350), lx::tw(350)));
            checkLabelsFit(box);
            saveShot(box, QStringLiteral("pictures-dlgMesseges-%1").arg(QTest::currentDataTag()).replace(u' ', u'_'));
            checked = true;
        });
        dlgMesseges::msgs(int16_t(count), title, message, QStringLiteral("Continue"), QStringLiteral("Move on"),
                          QStringLiteral("Disable"), QStringLiteral("New File"));
        QVERIFY(checked);
    }

    void waitBox()
    {
        frmSplashMessege::showAndPaint();
        frmSplashMessege* box = frmSplashMessege::instance();
        QVERIFY(box);
        // 540 twips is 36 pixels: the 32-pixel logo is shown at its own size.
        checkPictureFits(box->Picture1, QSize(32, 32));
        box->lblDots->setText(QStringLiteral("...."));
        checkLabelsFit(box);
        saveShot(box, QStringLiteral("pictures-frmSplashMessege"));
        frmSplashMessege::unloadBox();
    }

    void splash()
    {
        frmSplash::ShowSplash();
        frmSplash& s = lx::SingleInstance<frmSplash>::get();
        QVERIFY(!s.windowIcon().isNull());
        QVERIFY(!s.picLogo->pixmap().isNull());
        QVERIFY(s.picLogo->pixmap().width() <= s.picLogo->width() && s.picLogo->pixmap().height() <= s.picLogo->height());
        checkLabelsFit(&s);
        saveShot(&s, QStringLiteral("pictures-frmSplash"));
        lx::SingleInstance<frmSplash>::unload();
    }

    void about()
    {
        frmAbout a;
        a.show();
        QVERIFY(!a.windowIcon().isNull());
        checkPictureFits(a.picIcon, QSize(32, 32));
        checkLabelsFit(&a);
        saveShot(&a, QStringLiteral("pictures-frmAbout"));
    }

    void login()
    {
        basGlobal::TempPath = QStringLiteral(LOAMIX_INSTALL_DIR) + u'/';
        frmLogin w;
        QVERIFY(w.isLoaded());
        w.show();
        QTest::keyClicks(w.txtUserName, QStringLiteral("student"));
        QTest::keyClicks(w.txtPassword, QStringLiteral("soil"));
        checkLabelsFit(&w);
        saveShot(&w, QStringLiteral("pictures-frmLogin"));
    }

    void options()
    {
        frmOptions d;
        d.show();
        QVERIFY(!d.windowIcon().isNull());
        checkLabelsFit(&d);
        saveShot(&d, QStringLiteral("pictures-frmOptions"));
    }

    void logoStrip()
    {
        frmMDI main;
        main.show();
        frmMessege* strip = main.findChild<frmMessege*>();
        QVERIFY(strip);
        checkPictureFits(strip->imgLogo, QSize(32, 32));
        // The banner is drawn from the strip's left edge at its own size, and carried on
        // to the strip's end.
        QCOMPARE(strip->height(), 40);
        QCOMPARE(strip->Picture1->geometry(), strip->rect());
        const QImage banner(QStringLiteral(":/forms/frmMessege/Picture1.png"));
        QCOMPARE(banner.size(), QSize(640, 40));
        for (int width : {500, 900}) {
            main.resize(width, main.height());
            QTRY_COMPARE(strip->width(), strip->parentWidget()->width());
            const QImage shown = strip->Picture1->pixmap().toImage().convertToFormat(banner.format());
            QCOMPARE(shown.size(), QSize(qMax(640, strip->width()), 40));
            QCOMPARE(shown.copy(0, 0, 640, 40), banner);
            QCOMPARE(shown.pixelColor(shown.width() - 1, 35), banner.pixelColor(639, 35));
        }
        saveShot(&main, QStringLiteral("pictures-frmMDI"));
        saveShot(strip, QStringLiteral("pictures-frmMessege"));
    }

    // An install folder without pictures: every window still comes up, its boxes empty.
    void withoutInstalledPictures()
    {
        QTemporaryDir empty;
        lx::setInstallDir(empty.path());
        const auto restore = qScopeGuard([] { lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR)); });

        bool checked = false;
        QTimer::singleShot(0, qApp, [&] {
            dlgMesseges* box = dlgMesseges::shown();
            QVERIFY(box);
            const auto finish = qScopeGuard([box] { box->cmdResponse_Click(0); });
            QVERIFY(box->Picture1->pixmap().isNull());
            checked = true;
        });
        QCOMPARE(dlgMesseges::msgs(1, QStringLiteral("Loa-mix"), QStringLiteral("Go on."), QStringLiteral("OK"), QString(),
                                   QString(), QString()),
                 int16_t(1));
        QVERIFY(checked);

        frmSplashMessege::showAndPaint();
        QVERIFY(frmSplashMessege::instance()->Picture1->pixmap().isNull());
        QCOMPARE(frmSplashMessege::instance()->lblMessege->text(), QStringLiteral("Please Wait"));
        frmSplashMessege::unloadBox();

        frmAbout a;
        QVERIFY(a.windowIcon().isNull());
        frmOptions d;
        QVERIFY(d.windowIcon().isNull());
        frmMDI main;
        main.show();
        frmMessege* strip = main.findChild<frmMessege*>();
        QVERIFY(strip && strip->imgLogo->pixmap().isNull());
    }
};

QTEST_MAIN(tst_dialogPictures)
#include "tst_dialogPictures.moc"
