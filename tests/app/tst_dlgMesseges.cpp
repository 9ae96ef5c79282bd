// The system's message box, clicked offscreen: layout by button count, the answer, and
// the closes it refuses.
#include "dlgMesseges.h"

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "tests/common/TestHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using lx::testing::saveShot;
using lx::testing::checkLabelsFit;

namespace {

const QString QuizMessage = QStringLiteral(
    "Open your Quiz Score file to enable the Quiz\r\r-'Open' the [ *.lxq ] file previously saved by you\r"
    "-'Create' new file and save it for future use\r-'Disable' the quiz to remove quiz option.");

// Runs check on the shown box once msgs is waiting, then the caller's msgs call returns.
void whenShown(std::function<void(dlgMesseges*)> check)
{
    QTimer::singleShot(0, qApp, [check] {
        dlgMesseges* box = dlgMesseges::shown();
        QVERIFY2(box, "msgs shows no box");
        check(box);
        // A failed check must not leave msgs waiting for ever.
        if (dlgMesseges::shown() == box && box->isVisible())
            box->done(0);
    });
}

} // namespace

class tst_dlgMesseges : public QObject {
    Q_OBJECT
    QTemporaryDir install;

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        // The logo, in a folder spelled otherwise than the program writes it.
        QVERIFY(install.isValid());
        QVERIFY(QDir(install.path()).mkpath(QStringLiteral("Pictures/Icons")));
        QImage logo(32, 32, QImage::Format_ARGB32);
        logo.fill(Qt::darkBlue);
        QVERIFY(logo.save(install.filePath(QStringLiteral("Pictures/Icons/lxicon.gif")), "PNG"));
        lx::setInstallDir(install.path());
    }

    void layoutAndAnswerByCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("leftsTw");
        QTest::addColumn<int>("frameWidthTw");
        QTest::addColumn<int>("windowWidthTw");
        QTest::addColumn<QString>("message");
        QTest::newRow("1") << 1 << 1 << QList<int>{2400} << 6400 << 6800 << QStringLiteral("One button only.");
        QTest::newRow("2") << 2 << 2 << QList<int>{1400, 3400} << 6400 << 6800
                           << QStringLiteral("\r    Selected file already exits.\r    Do you wish to overwrire the file or open a new file?");
        QTest::newRow("3") << 3 << 3 << QList<int>{400, 2400, 4400} << 6400 << 6800 << QuizMessage;
        QTest::newRow("4") << 4 << 4 << QList<int>{400, 2400, 4400, 6450} << 8400 << 8800 << QuizMessage;
        QTest::newRow("0 as 3") << 0 << 3 << QList<int>{400, 2400, 4400} << 6400 << 6800 << QuizMessage;
        QTest::newRow("5 as 3") << 5 << 3 << QList<int>{400, 2400, 4400} << 6400 << 6800 << QuizMessage;
        QTest::newRow("-1 as 3") << -1 << 3 << QList<int>{400, 2400, 4400} << 6400 << 6800 << QuizMessage;
    }

    void layoutAndAnswerByCount()
    {
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(QList<int>, leftsTw);
        QFETCH(int, frameWidthTw);
        QFETCH(int, windowWidthTw);
        QFETCH(QString, message);
        const QStringList captions{QStringLiteral("Open"), QStringLiteral("Create"), QStringLiteral("Disable"),
                                   QStringLiteral("Move on")};

        for (int press = 1; press <= shown; ++press) {
            bool checked = false;
            whenShown([&](dlgMesseges* box) {
                if (press == 1) {
                    QCOMPARE(box->width(), lx::tw(windowWidthTw - 120));
                    QCOMPARE(box->FraBorder->width(), lx::tw(frameWidthTw));
                    QCOMPARE(box->Line1->width(), lx::tw(frameWidthTw - 40));
                    QCOMPARE(box->lblTitle->x(), lx::tw((frameWidthTw - 4995) / 2.0));
                    QCOMPARE(box->lblTitle->text(), QStringLiteral("Quiz Option"));
                    QCOMPARE(box->lblMessege->text(), lx::displayText(message));
                    for (int i = 0; i < 4; ++i) {
                        QPushButton* b = box->cmdResponse[size_t(i)];
                        QCOMPARE(b->isVisible(), i < shown);
                        // Hidden buttons keep their captions and tips all the same.
                        QCOMPARE(b->text(), captions[i]);
                        QCOMPARE(b->toolTip(), captions[i]);
                        if (i < shown) {
                            QCOMPARE(b->x(), lx::tw(leftsTw[i]));
                            QVERIFY(b->geometry().right() < box->FraBorder->width());
                        }
                    }
                    QVERIFY2(!box->Picture1->pixmap().isNull(), "no logo");
                    QCOMPARE(box->Picture1->geometry(), lx::twRect(315, 210, 350, 400));
                    // Faces, sizes and the title's dark blue.
                    struct FontRule { QWidget* w; qreal points; bool bold; };
                    for (const FontRule& r : {FontRule{box->lblTitle, 12, true}, FontRule{box->lblMessege, 9.75, false},
                                              FontRule{box->cmdResponse[0], 9.75, true}}) {
                        QCOMPARE(r.w->font().family(), QStringLiteral("MS Sans Serif"));
                        QCOMPARE(r.w->font().pointSizeF(), r.points);
                        QCOMPARE(r.w->font().bold(), r.bold);
                    }
                    QCOMPARE(lx::toBgr(box->lblTitle->palette().color(QPalette::WindowText)), 0x800000u);
                    QCOMPARE(box->lblMessege->geometry(),
                             count == 4 ? lx::twRect(500, 1000, 7400, 1250) : lx::twRect(300, 1000, 5805, 1250));
                    checkLabelsFit(box);
                    saveShot(box, QStringLiteral("dlgMesseges-%1").arg(QTest::currentDataTag()).replace(u' ', u'_'));

                    // Neither the window manager's close, nor Escape, nor a hidden button ends it.
                    box->close();
                    QTest::keyClick(box, Qt::Key_Escape);
                    box->cmdResponse_Click(shown);
                    box->cmdResponse_Click(-1);
                    QVERIFY(box->isVisible());
                    QCOMPARE(box->msgClickOpts, int16_t(0));
                }
                QTest::mouseClick(box->cmdResponse[size_t(press - 1)], Qt::LeftButton);
                checked = true;
            });
            const int answer = dlgMesseges::msgs(int16_t(count), QStringLiteral("Quiz Option"), message, captions[0],
                                                 captions[1], captions[2], captions[3]);
            QVERIFY(checked);
            QCOMPARE(answer, press);
            QVERIFY(!dlgMesseges::shown());
        }
    }

    void keyboardReachesOnlyTheShownButtons()
    {
        whenShown([](dlgMesseges* box) {
            QApplication::setActiveWindow(box);
            box->cmdResponse[0]->setFocus();
            QSet<QWidget*> reached;
            for (int i = 0; i < 6; ++i) {
                QWidget* w = QApplication::focusWidget();
                QVERIFY2(w && w->isVisible() && qobject_cast<QPushButton*>(w), w ? w->metaObject()->className() : "none");
                reached << w;
                QTest::keyClick(w, Qt::Key_Tab);
            }
            QCOMPARE(reached.size(), 2);
            // Space presses the button that has the focus: the first again after six Tabs.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        const int answer = dlgMesseges::msgs(2, QStringLiteral("Export Data"), QStringLiteral("?"),
                                             QStringLiteral("Overwrite"), QStringLiteral("New File"), QString(), QString());
        QCOMPARE(answer, 1);
    }

    void messageServiceShowsTheBoxAndLeavesMsgBoxAlone()
    {
        lx::resetServices();
        installMessageBox();
        installMessageBox();   // twice changes nothing
        whenShown([](dlgMesseges* box) {
            QCOMPARE(box->cmdResponse[1]->text(), QStringLiteral("New File"));
            QVERIFY(!box->cmdResponse[2]->isVisible());
            QTest::mouseClick(box->cmdResponse[1], Qt::LeftButton);
        });
        QCOMPARE(lx::messages().msgs(2, QStringLiteral("Export Data"), QStringLiteral("Selected file already exits."),
                                     {QStringLiteral("Overwrite"), QStringLiteral("New File"), QString(), QString()}),
                 2);
        // A second call starts again from nothing: its answer is its own.
        whenShown([](dlgMesseges* box) {
            QCOMPARE(box->msgClickOpts, int16_t(0));
            QTest::mouseClick(box->cmdResponse[0], Qt::LeftButton);
        });
        QCOMPARE(lx::messages().msgs(1, QStringLiteral("Loa-mix"), QStringLiteral("Go on."), {QStringLiteral("OK")}), 1);
        lx::resetServices();
    }
};

QTEST_MAIN(tst_dlgMesseges)
#include "tst_dlgMesseges.moc"
