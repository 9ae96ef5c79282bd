#include "frmOptions.h"

#include "FrameAssets.h"
#include "basGlobal.h"

#include "platform/Fonts.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr double PageShownLeftTw = 210;
constexpr double PageHiddenLeftTw = -20000;
constexpr double PageTopTw = 480;

} // namespace

frmOptions::frmOptions(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Options"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(lx::tw(6150), lx::tw(5040));

    tbsOptions = lx::twControl<QTabWidget>(this, nullptr, 105, 120, 6037, 4245);
    for (int i = 1; i <= 4; ++i)
        tbsOptions->addTab(new QWidget, QStringLiteral("Group %1").arg(i));

    for (int i = 0; i < 4; ++i) {
        auto* page = lx::twControl<QWidget>(this, nullptr, i == 0 ? PageShownLeftTw : PageHiddenLeftTw, PageTopTw, 5685, 3780);
        auto* frame = lx::twControl<QGroupBox>(page, nullptr, 505, 502, 2033, 2022, QStringLiteral("Sample %1").arg(i + 1));
        page->setVisible(i == 0);
        page->setEnabled(i == 0);
        picOptions[size_t(i)] = page;
        fraSample[size_t(i)] = frame;
    }

    cmdOK = lx::twControl<QPushButton>(this, nullptr, 2490, 4455, 1095, 375, QStringLiteral("OK"));
    cmdCancel = lx::twControl<QPushButton>(this, nullptr, 3720, 4455, 1095, 375, QStringLiteral("Cancel"));
    cmdApply = lx::twControl<QPushButton>(this, nullptr, 4920, 4455, 1095, 375, QStringLiteral("&Apply"));

    connect(tbsOptions, &QTabWidget::currentChanged, this, &frmOptions::tbsOptions_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);

    // The dialog sees every key before the control that has the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    Form_Load();
}

void frmOptions::Form_Load()
{
    lx::setLoamixIcon(this);
}

int frmOptions::selectedTab() const { return tbsOptions->currentIndex() + 1; }

void frmOptions::selectTab(int index) { tbsOptions->setCurrentIndex(index - 1); }

void frmOptions::tbsOptions_Click()
{
    const int selected = selectedTab();
    for (int i = 0; i < tbsOptions->count(); ++i) {
        QWidget* page = picOptions[size_t(i)];
        const bool shown = i == selected - 1;
        page->move(lx::tw(shown ? PageShownLeftTw : PageHiddenLeftTw), page->y());
        page->setVisible(shown);
        page->setEnabled(shown);
    }
}

void frmOptions::Form_KeyDown(int KeyCode, int Shift)
{
    const int k = selectedTab();
    const int n = tbsOptions->count();
    if (KeyCode != vbKeyTab)
        return;
    switch (Shift & (vbShiftMask | vbCtrlMask)) {
    case vbCtrlMask:
        selectTab(k == n ? 1 : k + 1);
        break;
    case vbCtrlMask | vbShiftMask:
        selectTab(k == 1 ? n : k - 1);
        break;
    default:
        break;
    }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        int shift = 0;
        if (key->modifiers() & Qt::ShiftModifier || key->key() == Qt::Key_Backtab)
            shift |= vbShiftMask;
        if (key->modifiers() & Qt::ControlModifier)
            shift |= vbCtrlMask;
        if (key->modifiers() & Qt::AltModifier)
            shift |= vbAltMask;
        // Every other key does nothing here. Ctrl+Tab is the dialog's alone: the tab
        // strip's own stepping would step twice.
        if (tab && (shift & vbCtrlMask)) {
            if (event->type() == QEvent::KeyPress)
                Form_KeyDown(vbKeyTab, shift);
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::cmdOK_Click()
{
    lx::messages().msgBox(QStringLiteral("Code goes here to set options and close dialog!"), lx::vbOKOnly,
                          basGlobal::AppTitle);
    done(QDialog::Accepted);
}

void frmOptions::cmdCancel_Click() { done(QDialog::Rejected); }

void frmOptions::reject() { cmdCancel_Click(); }

void frmOptions::cmdApply_Click()
{
    lx::messages().msgBox(QStringLiteral("Apply Code goes here to set options w/o closing dialog!"), lx::vbOKOnly,
                          basGlobal::AppTitle);
}
