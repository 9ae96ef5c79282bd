#pragma once
// The window a report stands in: a plain white child window with a fixed border, no
// maximise button and a fixed client area in twips, holding one report control that owns
// the report's content, data access and drawing. Every report gets a new one.
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace lx {

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    ReportWindow(const QString& caption, double clientWidthTw, double clientHeightTw, QWidget* parent = nullptr);

    // Sets the window icon.
    void Form_Load();
};

// What a report button does with a new report window: fill() gives the control its report,
// then the window is shown as a child window of the main window and returned. Any failure
// shows "The report could not be created." and the reason in a message titled
// messageTitle, discards the half-made window and returns null; the program goes on.
QWidget* showReportWindow(std::unique_ptr<QWidget> window, const std::function<void()>& fill,
                          const QString& messageTitle);

template <typename Form>
Form* showReportWindow(std::unique_ptr<Form> window, const std::function<void(Form&)>& fill,
                       const QString& messageTitle)
{
    Form& form = *window;
    return static_cast<Form*>(showReportWindow(std::unique_ptr<QWidget>(std::move(window)),
                                               [&] { fill(form); }, messageTitle));
}

} // namespace lx
