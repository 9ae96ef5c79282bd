// The Options dialog: its pages, the tab keys wherever the focus is, and its buttons.
#include "frmOptions.h"

#include "platform/Geometry.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using lx::testing::saveShot;

namespace {

// The one page shown, from 1; 0 when none or several are.
int shownPage(const frmOptions& d)
{
    int shown = 0;
    for (int i = 0; i < 4; ++i) {
        QWidget* page = d.picOptions[size_t(i)];
        const bool up = page->isVisibleTo(const_cast<frmOptions*>(&d)) && page->isEnabled();
        if (up && page->x() != lx::tw(210))
            return 0;
        if (!up && (page->isEnabled() || page->x() != lx::tw(-20000)))
            return 0;
        if (up) {
            if (shown)
                return 0;
            shown = i + 1;
        }
    }
    return shown;
}

} // namespace

class tst_frmOptions : public QObject {
    Q_OBJECT
    std::unique_ptr<lx::testing::ScriptedServices> scripted;

private slots:
    void initTestCase() { QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")); }
    void init() { scripted = std::make_unique<lx::testing::ScriptedServices>(); }
    void cleanup() { scripted.reset(); }

    void opensOnTheFirstPage()
    {
        frmOptions d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(d.size(), QSize(lx::tw(6150), lx::tw(5040)));
        QCOMPARE(d.tbsOptions->geometry(), lx::twRect(105, 120, 6037, 4245));
        QCOMPARE(d.tbsOptions->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(d.tbsOptions->tabText(i), QStringLiteral("Group %1").arg(i + 1));
            QCOMPARE(d.fraSample[size_t(i)]->title(), QStringLiteral("Sample %1").arg(i + 1));
            QCOMPARE(d.fraSample[size_t(i)]->parentWidget(), d.picOptions[size_t(i)]);
            QCOMPARE(d.picOptions[size_t(i)]->size(), QSize(lx::tw(5685), lx::tw(3780)));
        }
        QCOMPARE(d.cmdOK->geometry(), lx::twRect(2490, 4455, 1095, 375));
        QCOMPARE(d.cmdCancel->geometry(), lx::twRect(3720, 4455, 1095, 375));
        QCOMPARE(d.cmdApply->geometry(), lx::twRect(4920, 4455, 1095, 375));
        QCOMPARE(d.cmdApply->text(), QStringLiteral("&Apply"));
        QCOMPARE(d.selectedTab(), 1);
        QCOMPARE(shownPage(d), 1);
        d.show();
        saveShot(&d, QStringLiteral("frmOptions"));

        // A click on a tab shows its page.
        QTabBar* bar = d.tbsOptions->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QCOMPARE(d.selectedTab(), 3);
        QCOMPARE(shownPage(d), 3);
        saveShot(&d, QStringLiteral("frmOptions-3"));

        // Each opening starts again on the first page.
        frmOptions again;
        QCOMPARE(shownPage(again), 1);
    }

    void tabKeysStepThroughThePages_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("expected");
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
        QTest::newRow("ctrl+tab") << 1 << int(Qt::Key_Tab) << ctrl << 2;
        QTest::newRow("ctrl+tab wraps") << 4 << int(Qt::Key_Tab) << ctrl << 1;
        QTest::newRow("ctrl+shift+tab") << 3 << int(Qt::Key_Backtab) << (ctrl | shift) << 2;
        QTest::newRow("ctrl+shift+tab wraps") << 1 << int(Qt::Key_Backtab) << (ctrl | shift) << 4;
        QTest::newRow("ctrl+shift+tab as tab") << 1 << int(Qt::Key_Tab) << (ctrl | shift) << 4;
        QTest::newRow("ctrl+alt+tab is ctrl+tab") << 2 << int(Qt::Key_Tab) << (ctrl | alt) << 3;
        QTest::newRow("ctrl+alt+tab wraps") << 4 << int(Qt::Key_Tab) << (ctrl | alt) << 1;
        QTest::newRow("ctrl+alt+shift+tab") << 1 << int(Qt::Key_Backtab) << (ctrl | alt | shift) << 4;
        QTest::newRow("tab alone") << 2 << int(Qt::Key_Tab) << 0 << 2;
        QTest::newRow("shift+tab") << 2 << int(Qt::Key_Backtab) << shift << 2;
        QTest::newRow("alt+tab") << 2 << int(Qt::Key_Tab) << alt << 2;
        QTest::newRow("ctrl+other key") << 2 << int(Qt::Key_A) << ctrl << 2;
    }

    void tabKeysStepThroughThePages()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, expected);
        frmOptions d;
        d.show();
        QApplication::setActiveWindow(&d);
        // The dialog sees the key first, whichever control has the focus, and steps once.
        for (QWidget* focus : {static_cast<QWidget*>(d.cmdApply), static_cast<QWidget*>(d.tbsOptions->tabBar())}) {
            d.selectTab(from);
            focus->setFocus();
            QCOMPARE(QApplication::focusWidget(), focus);
            QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(d.selectedTab(), expected);
            QCOMPARE(shownPage(d), expected);
        }
    }

    void applyStaysOpenOkAndCancelClose()
    {
        frmOptions d;
        d.show();
        QTest::mouseClick(d.cmdApply, Qt::LeftButton);
        QVERIFY(d.isVisible());
        auto& calls = scripted->messages->msgBoxCalls;
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].text, QStringLiteral("Apply Code goes here to set options w/o closing dialog!"));
        QCOMPARE(calls[0].style, int(lx::vbOKOnly));
        // The platform box's default title is the program's title.
        QCOMPARE(calls[0].title, QStringLiteral("Loa-mix"));

        QTimer::singleShot(0, &d, [&] { QTest::mouseClick(d.cmdOK, Qt::LeftButton); });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QCOMPARE(calls.size(), size_t(2));
        QCOMPARE(calls[1].text, QStringLiteral("Code goes here to set options and close dialog!"));
        QCOMPARE(calls[1].style, int(lx::vbOKOnly));
        QCOMPARE(calls[1].title, QStringLiteral("Loa-mix"));

        for (bool escape : {false, true}) {
            frmOptions c;
            c.show();
            if (escape)
                QTest::keyClick(&c, Qt::Key_Escape);
            else
                QTest::mouseClick(c.cmdCancel, Qt::LeftButton);
            QVERIFY(!c.isVisible());
            QCOMPARE(c.result(), int(QDialog::Rejected));
        }
        QCOMPARE(calls.size(), size_t(2));
    }
};

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
