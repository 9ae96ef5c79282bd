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

    // Unloads form from inside one of its own handlers: forgotten at once (a later unload
    // does nothing, the next get() makes a fresh one), hidden, and deleted once the
    // handler has returned. A form that is no longer the instance is still removed.
    static void unloadLater(Form* form)
    {
        if (!form)
            return;
        forget(form);
        form->hide();
        form->deleteLater();
    }
    // A form that closes itself (and deletes itself) is no longer the instance.
    static void forget(const Form* form)
    {
        if (instance() == form)
            instance() = nullptr;
    }

    // Makes a form the caller owns the instance for a scope: a modal box while it waits for
    // its answer. A box shown from inside that wait has a scope of its own; the one
    // before is the instance again once it ends.
    class Scope {
    public:
        explicit Scope(Form& form) : previous(instance()) { instance() = &form; }
        ~Scope() { instance() = previous; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        QPointer<Form> previous;
    };

private:
    static QPointer<Form>& instance()
    {
        static QPointer<Form> p;
        return p;
    }
};

} // namespace lx
