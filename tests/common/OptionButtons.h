#pragma once
// Selecting an option button each way a student can: the mouse, the keyboard, an assistive
// technology's toggle action (a screen reader), and the program's own code. Every one must
// run the option's Click. Link Qt6::Test to use it.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QRadioButton>
#include <QTest>

#include <array>

namespace lx::testing {

enum class SelectBy { Mouse, Keyboard, Accessibility, Code };

inline constexpr std::array<SelectBy, 4> everyWayToSelect{SelectBy::Mouse, SelectBy::Keyboard, SelectBy::Accessibility,
                                                          SelectBy::Code};

inline const char* nameOf(SelectBy way)
{
    switch (way) {
    case SelectBy::Mouse: return "mouse";
    case SelectBy::Keyboard: return "keyboard";
    case SelectBy::Accessibility: return "accessibility toggle";
    case SelectBy::Code: return "code";
    }
    return "?";
}

// Selects option one way; false when that way is not offered (no accessible toggle action).
inline bool selectOption(QRadioButton* option, SelectBy way)
{
    switch (way) {
    case SelectBy::Mouse:
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        return true;
    case SelectBy::Keyboard:
        QTest::keyClick(option, Qt::Key_Space);
        return true;
    case SelectBy::Accessibility: {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(option);
        QAccessibleActionInterface* actions = a ? a->actionInterface() : nullptr;
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
            return false;
        actions->doAction(QAccessibleActionInterface::toggleAction());
        return true;
    }
    case SelectBy::Code:
        option->setChecked(true);
        return true;
    }
    return false;
}

} // namespace lx::testing
