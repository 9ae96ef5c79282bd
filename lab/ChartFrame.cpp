#include "lab/ChartFrame.h"

#include "lab/LegendMark.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>

namespace lx {

namespace {

// A chart to a screen reader: named by its title (both, on a chart of two curves) and
// described by its axes, whatever the window writes into its labels.
class ChartAccessible final : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartFrame* frame) : QAccessibleWidget(frame, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override
    {
        // Not while the frame is being destroyed: its labels may be gone already.
        const auto* f = qobject_cast<const ChartFrame*>(object());
        if (!f)
            return QAccessibleWidget::text(t);
        if (t == QAccessible::Name && f->accessibleName().isEmpty()) {
            QString name = f->lblTitle->text();
            if (f->lblTitle2 && f->lblTitle2->isVisibleTo(f) && !f->lblTitle2->text().isEmpty())
                name += QStringLiteral(", ") + f->lblTitle2->text();
            return name;
        }
        if (t == QAccessible::Description && f->accessibleDescription().isEmpty())
            return QStringLiteral("%1 against %2").arg(f->lblUnit->text(), f->lblXAxisName->text());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* chartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("lx::ChartFrame"))
        if (auto* frame = qobject_cast<ChartFrame*>(object))
            return new ChartAccessible(frame);
    return nullptr;
}

QRect twips(const QRectF& r) { return twRect(r.left(), r.top(), r.width(), r.height()); }

QLabel* label(QWidget* parent, const QRectF& r, Qt::Alignment alignment)
{
    auto* l = new QLabel(parent);
    l->setGeometry(twips(r));
    l->setAlignment(alignment);
    return l;
}

} // namespace

ChartFrameLayout ChartFrameLayout::replayScreen()
{
    ChartFrameLayout l;
    l.frame = {0, 0, 3615, 3600};
    l.surface = {600, 555, 2775, 2505};
    l.xTickLefts = {360, 1020, 1680, 2340, 3060};
    l.xTickTop = 3075;
    l.yTickLeft = 0;
    l.yTickTops = {2895, 2310, 1725, 1080, 495};
    l.title = {1180, 45, 2445, 195};
    l.unit = {0, 255, 555, 195};
    l.xName = {570, 3340, 2730, 195};
    return l;
}

ChartFrameLayout ChartFrameLayout::reportPage()
{
    ChartFrameLayout l;
    l.frame = {0, 0, 3615, 2865};
    l.surface = {600, 330, 2775, 2085};
    // Each x caption is centred under its grid line; the last ends inside the frame.
    l.tickWidth = 450;
    for (int k = 0; k < 5; ++k)
        l.xTickLefts[size_t(k)] = 600 + k * 2775.0 / 4 - l.tickWidth / 2;
    l.xTickTop = 2445;
    l.yTickLeft = 0;
    // The y captions end a little short of the surface, and the lowest stands clear above
    // the x captions: centred on the axis it would run into the first of them.
    l.yTickWidth = 540;
    for (int k = 0; k < 5; ++k)
        l.yTickTops[size_t(k)] = 330 + (4 - k) * 2085.0 / 4 - l.tickHeight / 2;
    l.yTickTops[0] = std::min(l.yTickTops[0], l.xTickTop - l.tickHeight - 30);
    l.title = {1000, 30, 2500, 210};
    l.unit = {0, 15, 570, 195};
    l.xName = {600, 2655, 2775, 195};
    return l;
}

ChartFrame::ChartFrame(const ChartFrameLayout& layout, QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(chartAccessible), true);
    Q_UNUSED(accessible);
    setGeometry(twips(layout.frame));
    picDraw = new PictureBox(this);
    picDraw->setBackColor(Qt::white);
    picDraw->setGeometry(twips(layout.surface));
    for (int i = 0; i < 5; ++i) {
        lblX[size_t(i)] = label(this, {layout.xTickLefts[size_t(i)], layout.xTickTop, layout.tickWidth, layout.tickHeight},
                                Qt::AlignHCenter | Qt::AlignTop);
        const double yWidth = layout.yTickWidth > 0 ? layout.yTickWidth : layout.tickWidth;
        lblY[size_t(i)] = label(this, {layout.yTickLeft, layout.yTickTops[size_t(i)], yWidth, layout.tickHeight},
                                Qt::AlignRight | Qt::AlignTop);
    }
    lblTitle = label(this, layout.title, Qt::AlignLeft | Qt::AlignTop);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblUnit = label(this, layout.unit, Qt::AlignRight | Qt::AlignTop);
    lblXAxisName = label(this, layout.xName, Qt::AlignHCenter | Qt::AlignTop);
    if (!layout.secondTitle.isEmpty()) {
        lblTitle2 = label(this, layout.secondTitle, Qt::AlignLeft | Qt::AlignTop);
        lblTitle2->setFont(bold);
        lblTitle2->hide();
    }
    for (const ChartFrameLayout::Mark& m : layout.marks)
        marks.push_back(new LegendMark(this, m.from, m.to, m.width));
}

void ChartFrame::setUnit(const QString& text)
{
    lblUnit->setText(text);
    const int needed = lblUnit->sizeHint().width();
    if (needed > lblUnit->width())
        lblUnit->resize(needed, lblUnit->height());
    QRect title = lblTitle->geometry();
    const QRect unit = lblUnit->geometry();
    if (title.intersects(unit)) {
        const int gap = tw(60);
        title.moveLeft(unit.right() + 1 + gap);
        title.setWidth(std::max(0, std::min(title.width(), width() - title.left())));
        lblTitle->setGeometry(title);
    }
}

void ChartFrame::setCaptions(const QStringList& x, const QStringList& y)
{
    for (int i = 0; i < 5; ++i) {
        lblX[size_t(i)]->setText(x.value(i));
        lblY[size_t(i)]->setText(y.value(i));
    }
}

void ChartFrame::centreXCaptions(int divisions)
{
    const QRect surface = picDraw->geometry();
    for (int j = 0; j < int(lblX.size()); ++j) {
        QLabel* l = lblX[size_t(j)];
        if (j > divisions) {
            l->hide();
            continue;
        }
        const int centre = surface.left() + qRound(double(j) * surface.width() / divisions);
        const int half = std::min({l->width() / 2, centre, width() - centre});
        l->setGeometry(centre - half, l->y(), 2 * half, l->height());
    }
}

} // namespace lx
