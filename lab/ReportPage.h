#pragma once
// A report's page: a white sheet of a fixed size in twips on which labels, boxes and chart
// surfaces stand at twip positions, with the horizontal rules between its sections. It is
// an ordinary widget (a report window shows it as its child window's content) and prints
// itself at its own size through the printer service.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPainter;

namespace lx {

class LegendMark;
class PictureBox;

// A legend-and-values table under a report's charts: a column of row captions and one
// column per curve, headed by a legend line in the curve's colour, with a value of the
// curve in each row (the direct shear report's three columns, the true triaxial report's
// seven). Rows marked as headings ("Failure Conditions:") carry no values. All in twips.
struct LegendTableLayout {
    QString heading;                  // "Legend;", a heading at (headingLeft, top)
    double headingLeft = 180;
    double top = 0;
    double lineTop = 0;               // the legend lines' height on the page
    double lineLength = 660;
    int lineWidth = 2;
    int columns = 1;
    double firstColumnLeft = 0;       // the columns' left edges: first + k * columnStep
    double columnStep = 0;
    double columnWidth = 0;           // values are centred in it, and so is the line
    double captionLeft = 420;
    double captionWidth = 0;          // 0: up to the first column
    double rowHeight = 210;
    struct Row {
        QString caption;
        double top;
        bool heading = false;         // a heading at headingLeft, without values
    };
    std::vector<Row> rows;
};

struct LegendTable {
    QLabel* heading = nullptr;
    std::vector<QLabel*> captions;              // one per row
    std::vector<LegendMark*> lines;             // one per column, hidden until set
    std::vector<std::vector<QLabel*>> values;   // values[column][row]; null in heading rows
    // Shows column k's line in the curve's colour and writes its values into the rows
    // that take values, in order; missing texts leave their rows empty.
    void setColumn(int k, const QColor& color, const QStringList& texts) const;
    // Hides column k's line and empties its values.
    void clearColumn(int k) const;
};

class ReportPage : public QWidget {
    Q_OBJECT
public:
    // The faces of the report pages: the title bold 12 pt, headings bold 9.75 pt, the
    // footer captions bold 8.25 pt, everything else regular 8.25 pt.
    enum class Style { Title, Heading, Caption, Body };
    static QFont font(Style style);

    ReportPage(double widthTw, double heightTw, QWidget* parent = nullptr);

    // A label with its top-left at (left, top); a width or height of 0 fits the text.
    QLabel* addLabel(const QString& text, double left, double top, Style style = Style::Body, double width = 0,
                     double height = 0);
    // A white chart surface measured in twips.
    PictureBox* addSurface(double left, double top, double width, double height);
    // Any other control (a title box, a list), made a child of the page and placed.
    QWidget* place(QWidget* control, double left, double top, double width, double height);

    // A legend-and-values table placed by its layout.
    LegendTable addLegendTable(const LegendTableLayout& layout);

    // The report's title: an editable line in the title face at its place, whose text always
    // shows whole. A text longer than the box widens it to the span from spanLeft, spanWidth
    // wide (the page's rules), and one longer still is set smaller, down to the body face's size.
    QLineEdit* addTitle(double left, double top, double width, double height, Qt::Alignment alignment,
                        double spanLeft, double spanWidth);

    // A horizontal rule from x1 to x2 at y, width in pixels.
    struct Rule {
        double y, x1, x2;
        int width;
    };
    void addRule(double y, double x1, double x2, int width);
    const std::vector<Rule>& rules() const { return rules_; }

    // Draws the page (rules and every control) at its own size into a painter whose
    // units are the page's pixels.
    void renderPage(QPainter& painter);
    // Asks for a printer ("Print Report") and prints the page on one sheet, at its own
    // size or smaller where the paper is smaller. False when the student cancels or the
    // printing fails; a failure is reported.
    bool print(const QString& documentName);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<Rule> rules_;
};

} // namespace lx
