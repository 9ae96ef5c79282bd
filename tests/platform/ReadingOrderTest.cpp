// The keyboard's order on small made-up forms: the reading order Tab walks, Qt's focus chain
// put in that order when the form shows, the first control taking the focus from the frame,
// and a control that hides itself handing the focus to what it brought up.
#include "platform/Keyboard.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* box(QWidget* parent, const char* name, QRect at)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

QStringList names(const QList<QWidget*>& widgets)
{
    QStringList out;
    for (const QWidget* w : widgets)
        out << w->objectName();
    return out;
}

void drain()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

// Made in an order unlike the screen's: two groups side by side, a row whose right box stands
// a pixel higher and whose button is taller, and a wide picture beside a group that starts a
// little higher up.
struct Form {
    QWidget form;
    Form()
    {
        form.resize(640, 480);
        auto* right = new QGroupBox(QStringLiteral("Right"), &form);
        right->setGeometry(320, 10, 300, 120);
        box(right, "rightTop", {10, 30, 100, 22});
        box(right, "rightBottom", {10, 70, 100, 22});
        auto* left = new QGroupBox(QStringLiteral("Left"), &form);
        left->setGeometry(10, 10, 300, 120);
        box(left, "leftBottom", {10, 70, 100, 22});
        box(left, "leftTop", {10, 30, 100, 22});
        auto* ok = new QPushButton(QStringLiteral("OK"), &form);
        ok->setObjectName(QStringLiteral("ok"));
        ok->setGeometry(240, 148, 80, 30);
        box(&form, "rowRight", {120, 150, 100, 22});
        box(&form, "rowLeft", {10, 151, 100, 22});
        auto* group = new QGroupBox(QStringLiteral("Beside"), &form);
        group->setGeometry(320, 200, 300, 260);
        box(group, "besideBox", {10, 30, 100, 22});
        auto* picture = new QWidget(&form);
        picture->setGeometry(10, 216, 300, 240);
        box(picture, "inPicture", {10, 10, 100, 22});
    }
};

const QStringList ReadingOrder{"leftTop",  "leftBottom", "rightTop",  "rightBottom", "rowLeft",
                               "rowRight", "ok",         "inPicture", "besideBox"};

} // namespace

TEST(ReadingOrder, AGroupIsOneBlockRowsHaveHalfALineOfToleranceAndBlocksSideBySideShareARow)
{
    lx::installKeyboardRules();
    Form f;
    f.form.show();
    EXPECT_EQ(names(lx::tabStops(&f.form)), ReadingOrder);
    // Qt's own chain, which gives a window its first focus, follows the same order.
    QStringList chain;
    for (QWidget* c = f.form.findChild<QWidget*>(QStringLiteral("leftTop")); chain.size() < ReadingOrder.size(); c = c->nextInFocusChain())
        if (c->focusPolicy() & Qt::TabFocus)
            chain << c->objectName();
    EXPECT_EQ(chain, ReadingOrder);
}

TEST(ReadingOrder, TabAndShiftTabWalkIt)
{
    lx::installKeyboardRules();
    Form f;
    f.form.show();
    QApplication::setActiveWindow(&f.form);
    if (!QTest::qWaitForWindowActive(&f.form))
        GTEST_SKIP() << "no active window on this platform";
    QWidget* first = f.form.findChild<QWidget*>(ReadingOrder.front());
    first->setFocus();
    QStringList walk{first->objectName()};
    for (int k = 1; k < ReadingOrder.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walk, ReadingOrder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), ReadingOrder.back());
}

// A window that puts the focus on itself gives it to its first control; a control that hides
// itself with the focus gives it to the control that came up with its going, not to the next.
TEST(ReadingOrder, TheFocusLeavesTheFrameAndFollowsWhatAHiddenControlBroughtUp)
{
    lx::installKeyboardRules();
    QWidget form;
    form.resize(300, 200);
    auto* list = new QComboBox(&form);
    list->setObjectName(QStringLiteral("list"));
    list->setGeometry(10, 10, 150, 24);
    list->setEnabled(false);
    auto* skip = new QPushButton(QStringLiteral("Skip"), &form);
    skip->setGeometry(10, 100, 80, 30);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &form);
    cancel->setGeometry(100, 100, 80, 30);
    QObject::connect(skip, &QPushButton::clicked, [&] {
        skip->hide();
        list->setEnabled(true);
    });
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        GTEST_SKIP() << "no active window on this platform";
    form.setFocus();
    drain();
    EXPECT_EQ(QApplication::focusWidget(), skip);

    QTest::keyClick(skip, Qt::Key_Return);
    drain();
    EXPECT_TRUE(skip->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), list);

    // With nothing brought up, the next control keeps it.
    skip->show();
    skip->setFocus();
    list->setEnabled(true);
    QObject::disconnect(skip, nullptr, nullptr, nullptr);
    QObject::connect(skip, &QPushButton::clicked, skip, &QWidget::hide);
    QTest::keyClick(skip, Qt::Key_Return);
    drain();
    EXPECT_EQ(QApplication::focusWidget(), cancel);
}
