#pragma once
// Windows that exist once: created on first use, forgotten when destroyed (unloaded).
// State that a later window reads after this one has closed belongs in a plain struct,
// not in the widget.
#include <QPointer>
#include <QWidget>

namespace lx {

template <typename Form>
class SingleInstance {
public:
    // The instance, created (and loaded) on first use. The factory receives no arguments;
    // a form that needs a parent sets it itself.
    static Form& get()
    {
        if (!instance())
            instance() = new Form();
        return *instance();
    }
    static bool exists() { return !instance().isNull(); }
    static Form* peek() { return instance().data(); }
    // Unloads the instance (deletes it now); the next get() makes a fresh one.
    static void unload() { delete instance().data(); }

private:
    static QPointer<Form>& instance()
    {
        static QPointer<Form> p;
        return p;
    }
};

} // namespace lx
