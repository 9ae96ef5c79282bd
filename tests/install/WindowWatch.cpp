// A Qt plugin the install test loads into the installed program (QT_QPA_GENERIC_PLUGINS):
// it writes a line to the standard error for each window shown, with its texts, so that a
// test sees on the offscreen platform, which shows nothing, what the program put up.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QLabel>
#include <QWidget>

#include <cstdio>

namespace {

class Watch final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !object->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(object);
        if (!window->isWindow())
            return false;
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text().simplified();
        // "main" for the program's main window, "window" for any other.
        std::fprintf(stderr, "shown %s %s \"%s\": %s\n", window->inherits("QMainWindow") ? "main" : "window",
                     window->metaObject()->className(), qPrintable(window->windowTitle()), qPrintable(texts.join(u" | ")));
        std::fflush(stderr);
        return false;
    }
};

} // namespace

class WindowWatchPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowWatch.json")
public:
    QObject* create(const QString&, const QString&) override
    {
        // The application deletes its plugins' objects itself, after its children: no parent.
        auto* watch = new Watch;
        QCoreApplication::instance()->installEventFilter(watch);
        return watch;
    }
};

#include "WindowWatch.moc"
