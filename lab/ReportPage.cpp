#include "lab/ReportPage.h"

#include "lab/LegendMark.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "platform/Services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace lx {

QFont ReportPage::font(Style style)
{
    const QString face = QStringLiteral("MS Sans Serif");
    switch (style) {
    case Style::Title: return formFont(face, 12, true);
    case Style::Heading: return formFont(face, 9.75, true);
    case Style::Caption: return formFont(face, 8.25, true);
    case Style::Body: break;
    }
    return formFont(face, 8.25);
}

ReportPage::ReportPage(double widthTw, double heightTw, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(tw(widthTw), tw(heightTw));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QLabel* ReportPage::addLabel(const QString& text, double left, double top, Style style, double width, double height)
{
    auto* label = new QLabel(text, this);
    label->setFont(font(style));
    label->setAutoFillBackground(false);
    const QSize fit = label->sizeHint();
    label->setGeometry(tw(left), tw(top), width > 0 ? tw(width) : fit.width(), height > 0 ? tw(height) : fit.height());
    // A page's title is where the keyboard and a screen reader start reading it: a stop whose
    // text can be selected and copied, where the rest of the page has no control to begin at.
    if (style == Style::Title) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    label->show();
    return label;
}

PictureBox* ReportPage::addSurface(double left, double top, double width, double height)
{
    auto* surface = new PictureBox(this);
    surface->setBackColor(Qt::white);
    place(surface, left, top, width, height);
    return surface;
}

QWidget* ReportPage::place(QWidget* control, double left, double top, double width, double height)
{
    control->setParent(this);
    control->setGeometry(twRect(left, top, width, height));
    control->show();
    return control;
}

LegendTable ReportPage::addLegendTable(const LegendTableLayout& layout)
{
    LegendTable t;
    t.heading = addLabel(layout.heading, layout.headingLeft, layout.top, Style::Heading);
    const double captionWidth =
        layout.captionWidth > 0 ? layout.captionWidth : std::max(0.0, layout.firstColumnLeft - layout.captionLeft - 60);
    for (const LegendTableLayout::Row& row : layout.rows)
        t.captions.push_back(row.heading ? addLabel(row.caption, layout.headingLeft, row.top, Style::Heading)
                                         : addLabel(row.caption, layout.captionLeft, row.top, Style::Body, captionWidth,
                                                    layout.rowHeight));
    for (int k = 0; k < layout.columns; ++k) {
        const double left = layout.firstColumnLeft + k * layout.columnStep;
        const double middle = left + layout.columnWidth / 2;
        t.lines.push_back(new LegendMark(this, {middle - layout.lineLength / 2, layout.lineTop},
                                         {middle + layout.lineLength / 2, layout.lineTop}, layout.lineWidth));
        std::vector<QLabel*> column;
        for (const LegendTableLayout::Row& row : layout.rows) {
            QLabel* value = nullptr;
            if (!row.heading) {
                value = addLabel({}, left, row.top, Style::Body, layout.columnWidth, layout.rowHeight);
                value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            }
            column.push_back(value);
        }
        t.values.push_back(std::move(column));
    }
    return t;
}

void LegendTable::setColumn(int k, const QColor& color, const QStringList& texts) const
{
    lines[size_t(k)]->showAs(color);
    int next = 0;
    for (QLabel* value : values[size_t(k)])
        if (value)
            value->setText(texts.value(next++));
}

void LegendTable::clearColumn(int k) const
{
    lines[size_t(k)]->hide();
    for (QLabel* value : values[size_t(k)])
        if (value)
            value->clear();
}

namespace {

// A title box that makes room for its text, however long the soil's name (a line edit
// scrolls a text longer than itself, which cut the title's start off).
class TitleBox final : public QLineEdit {
public:
    TitleBox(const QRect& home, const QRect& widest, QWidget* page) : QLineEdit(page), home_(home), widest_(widest)
    {
        setFrame(false);
        connect(this, &QLineEdit::textChanged, this, &TitleBox::fit);
    }

    void fit()
    {
        QFont face = ReportPage::font(ReportPage::Style::Title);
        const double smallest = ReportPage::font(ReportPage::Style::Body).pointSizeF();
        setGeometry(home_);
        if (!fits(face)) {
            setGeometry(widest_);
            while (!fits(face) && face.pointSizeF() - 0.25 >= smallest)
                face.setPointSizeF(face.pointSizeF() - 0.25);
        }
        setFont(face);
        // The start of the text in view, as a printed title is read.
        setCursorPosition(0);
    }

private:
    bool fits(const QFont& face) const
    {
        // The line edit keeps 2 pixels free on either side of its text, and one for the cursor.
        const int room = contentsRect().marginsRemoved(textMargins()).width() - 2 * 2 - 1;
        return QFontMetrics(face).horizontalAdvance(text()) <= room;
    }

    QRect home_, widest_;
};

} // namespace

QLineEdit* ReportPage::addTitle(double left, double top, double width, double height, Qt::Alignment alignment,
                                double spanLeft, double spanWidth)
{
    auto* title = new TitleBox(twRect(left, top, width, height), twRect(spanLeft, top, spanWidth, height), this);
    title->setAlignment(alignment);
    title->setAccessibleName(QStringLiteral("Report title"));
    title->setText(QStringLiteral("Title"));
    title->fit();
    title->show();
    return title;
}

void ReportPage::addRule(double y, double x1, double x2, int width)
{
    rules_.push_back({y, x1, x2, width});
    update();
}

void ReportPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (const Rule& r : rules_) {
        QPen pen(Qt::black);
        pen.setWidth(r.width);
        p.setPen(pen);
        p.drawLine(QPointF(r.x1 / TwipsPerPixel, r.y / TwipsPerPixel), QPointF(r.x2 / TwipsPerPixel, r.y / TwipsPerPixel));
    }
}

void ReportPage::renderPage(QPainter& painter)
{
    // The children paint themselves; the page's own paint event gives the white and the rules.
    render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

bool ReportPage::print(const QString& documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    PrintDialogRequest request;
    request.title = QStringLiteral("Print Report");
    request.allowPageRange = false;   // one page
    if (!printers().choosePrinter(printer, request))
        return false;

    QString why;
    const bool printed = printPages(printer, [this](QPagedPaintDevice& device) {
        QPainter painter;
        if (!painter.begin(&device))
            return false;
        // Twips are 1/1440 inch: the page keeps its size in inches unless the paper is smaller.
        const QRect paper = painter.viewport();
        const double pixelsPerInch = 1440.0 / TwipsPerPixel;
        double k = device.logicalDpiX() / pixelsPerInch;
        k = std::min({k, paper.width() / double(width()), paper.height() / double(height())});
        painter.scale(k, k);
        renderPage(painter);
        return painter.end();
    }, &why);
    if (!printed) {
        messages().msgBox(printFailureMessage(QStringLiteral("The report"), printer, why), vbOKOnly | vbExclamation,
                          QStringLiteral("Print Report"));
        return false;
    }
    return true;
}

} // namespace lx
