#pragma once
// The window-print control: waits a moment (the printer dialog goes and the window repaints),
// then prints a picture of a window, frame and caption included, at its on-screen size on
// one page. The main window holds one, hidden, for its Print Window command.
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QWidget>

#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QTimer;

namespace lx {
class PictureBox;
}

class LXPrintForm : public QWidget {
    Q_OBJECT
public:
    // The control's class name, as callers name it.
    static constexpr const char* ClassName = "LoamixPrintForm.LXPrintForm";
    // The wait before the capture, in milliseconds.
    static constexpr int WaitMs = 2000;

    explicit LXPrintForm(QWidget* parent = nullptr);
    ~LXPrintForm() override;

    // The window to print, set by the caller before PrintForm. For a child window of the
    // main window its whole frame is printed. Guarded: a window closed before the wait
    // ends prints nothing.
    QPointer<QWidget> frmSrc;

    // The printer the pictures go to: the program's current printer, which the caller's
    // printer dialog configures before PrintForm (made on first use).
    QPrinter& Printer();

    // Starts the wait, after which frmSrc is captured and printed. False, and nothing
    // happens, without a window to print or while an earlier call is still waiting.
    bool PrintForm();
    // True between PrintForm and the end of its wait.
    bool Waiting() const;

    // The end of the wait (tests call it directly): captures frmSrc and prints it unless it
    // has been closed. A printer that fails says so in a message box titled "Print Window";
    // a PDF file is written as every file of the program is (lx::printPages), and the
    // message then names it and the reason.
    void tmrWait_Timer();

    // Where a picture goes on a page, both in twips: centred, then 300 twips up and left.
    static QPointF PagePosition(const QSizeF& pageTw, const QSizeF& pictureTw);

    QTimer* tmrWait;
    // The last picture captured, at its own size (hidden).
    lx::PictureBox* picCapture;

private:
    // The picture of frmSrc: its child-window frame when it has one, else the window itself.
    QImage Capture() const;
    // Draws the picture in picCapture on one page of the device; false when that failed.
    bool PrintCapture(QPagedPaintDevice& device);

    std::unique_ptr<QPrinter> printer;
};
