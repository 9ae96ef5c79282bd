#include "PlotSheet.h"

#include "platform/Database.h"
#include "soilnet/SoilModel.h"
#include "soilnet/SoilNet.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace plotsheet {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// 1, 2 or 5 times a power of ten, at least |span| / 5.
double niceStep(double span)
{
    if (!(span > 0))
        return 1.0;
    const double raw = span / 5.0;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * mag >= raw)
            return m * mag;
    return 10.0 * mag;
}

struct Axis {
    double lo = 0, hi = 1, step = 0.2;
};

Axis niceAxis(double lo, double hi)
{
    if (!(std::isfinite(lo) && std::isfinite(hi))) {
        lo = 0;
        hi = 1;
    }
    if (lo > 0)
        lo = 0;            // these charts always show their origin
    if (hi < 0)
        hi = 0;
    if (hi - lo < 1e-12)
        hi = lo + 1;
    Axis a;
    a.step = niceStep(hi - lo);
    a.lo = std::floor(lo / a.step + 1e-9) * a.step;
    a.hi = std::ceil(hi / a.step - 1e-9) * a.step;
    return a;
}

QString tickText(double v, double step)
{
    if (std::abs(v) < step * 1e-6)
        v = 0;
    const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    return QString::number(v, 'f', decimals);
}

const QColor kColours[] = {QColor(220, 30, 30),  QColor(20, 80, 220),  QColor(0, 150, 60),   QColor(200, 120, 0),
                           QColor(150, 0, 170),  QColor(0, 160, 170),  QColor(110, 110, 110), QColor(120, 60, 20),
                           QColor(255, 0, 150),  QColor(120, 160, 0),  QColor(0, 0, 110),    QColor(230, 180, 0)};

// Curves beyond the palette repeat its colours with dashed lines. A simulated curve takes the
// colour of the stored curve before it, drawn dashed.
QPen curvePen(const Panel& panel, size_t c)
{
    size_t colour = 0;
    for (size_t i = 1; i <= c; ++i)
        if (!panel.curves[i].simulated)
            ++colour;
    QPen pen(kColours[colour % std::size(kColours)], 1.6);
    if (colour >= std::size(kColours) || panel.curves[c].simulated)
        pen.setStyle(Qt::DashLine);
    return pen;
}

void drawChart(QPainter& p, const QRectF& box, const Panel& panel, int series, const Options& o)
{
    double xlo = std::numeric_limits<double>::infinity(), xhi = -xlo, ylo = xlo, yhi = -xlo;
    for (const Curve& c : panel.curves)
        for (const Point& pt : c.points) {
            xlo = std::min(xlo, pt.x);
            xhi = std::max(xhi, pt.x);
            const double y = pt.y[size_t(series)];
            if (std::isfinite(y)) {
                ylo = std::min(ylo, y);
                yhi = std::max(yhi, y);
            }
        }
    Axis ax = niceAxis(xlo, xhi);
    const Axis ay = niceAxis(ylo, yhi);
    if (o.xLog) {
        // x already holds log10 values: whole decades.
        ax.lo = std::isfinite(xlo) ? std::floor(xlo) : 0;
        ax.hi = std::isfinite(xhi) ? std::max(std::ceil(xhi), ax.lo + 1) : 1;
        ax.step = 1;
    }

    const QFontMetrics fm(p.font());
    const QRectF plot = box.adjusted(fm.horizontalAdvance(QStringLiteral("-00000")) + 6, fm.height() + 4, -8,
                                     -(2 * fm.height() + 8));
    auto X = [&](double x) { return plot.left() + (x - ax.lo) / (ax.hi - ax.lo) * plot.width(); };
    auto Y = [&](double y) { return plot.bottom() - (y - ay.lo) / (ay.hi - ay.lo) * plot.height(); };

    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double x = ax.lo; x <= ax.hi + ax.step * 1e-6; x += ax.step)
        p.drawLine(QPointF(X(x), plot.top()), QPointF(X(x), plot.bottom()));
    for (double y = ay.lo; y <= ay.hi + ay.step * 1e-6; y += ay.step)
        p.drawLine(QPointF(plot.left(), Y(y)), QPointF(plot.right(), Y(y)));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);
    if (ay.lo < 0 && ay.hi > 0)
        p.drawLine(QPointF(plot.left(), Y(0)), QPointF(plot.right(), Y(0)));
    for (double x = ax.lo; x <= ax.hi + ax.step * 1e-6; x += ax.step) {
        const QString t = o.xLog ? QString::number(std::pow(10.0, x), 'g', 6) : tickText(x, ax.step);
        p.drawText(QPointF(X(x) - fm.horizontalAdvance(t) / 2.0, plot.bottom() + fm.ascent() + 2), t);
    }
    for (double y = ay.lo; y <= ay.hi + ay.step * 1e-6; y += ay.step) {
        const QString t = tickText(y, ay.step);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(t) - 4, Y(y) + fm.ascent() / 2.0 - 1), t);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 2, plot.width(), fm.height() + 2), Qt::AlignHCenter,
               o.xLabel);
    p.drawText(QRectF(plot.left(), box.top(), plot.width(), fm.height() + 2), Qt::AlignLeft,
               o.ySeries[size_t(series)].label);

    p.save();
    p.setClipRect(plot.adjusted(-3, -3, 3, 3));
    for (size_t c = 0; c < panel.curves.size(); ++c) {
        const QPen pen = curvePen(panel, c);
        QPainterPath path;
        bool started = false;
        for (const Point& pt : panel.curves[c].points) {
            const double y = pt.y[size_t(series)];
            if (!std::isfinite(y)) {
                started = false;
                continue;
            }
            const QPointF q(X(pt.x), Y(y));
            if (started)
                path.lineTo(q);
            else
                path.moveTo(q);
            started = true;
        }
        p.setPen(pen);
        p.drawPath(path);
        if (panel.curves[c].simulated)
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(pen.color());
        for (const Point& pt : panel.curves[c].points) {
            const double y = pt.y[size_t(series)];
            if (std::isfinite(y))
                p.drawEllipse(QPointF(X(pt.x), Y(y)), 1.8, 1.8);
        }
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

int legendLines(const Panel& panel, const QFontMetrics& fm, double width)
{
    int lines = 1;
    double x = 4;
    for (const Curve& c : panel.curves) {
        const double w = fm.horizontalAdvance(c.name) + 12;
        if (x + w > width && x > 4) {
            ++lines;
            x = 4;
        }
        x += w;
    }
    return lines;
}

} // namespace

std::vector<Panel> readPanels(const Options& o)
{
    lx::Connection conn;
    conn.Open(lx::ConnectionString::format(o.database, o.password, true));
    lx::Recordset rs;
    rs.Open(o.sql, conn);
    std::vector<Panel> panels;
    std::map<QString, size_t> panelIndex;
    std::vector<std::map<QString, size_t>> curveIndex;
    std::vector<std::vector<std::vector<double>>> orderKeys;   // panel, curve, point
    for (; !rs.eof(); rs.MoveNext()) {
        const QString pk = rs.Fields(o.panelColumn).toText();
        const QString ck = rs.Fields(o.curveColumn).toText();
        auto [pit, pnew] = panelIndex.try_emplace(pk, panels.size());
        if (pnew) {
            panels.push_back({pk, {}});
            curveIndex.emplace_back();
            orderKeys.emplace_back();
        }
        Panel& panel = panels[pit->second];
        auto [cit, cnew] = curveIndex[pit->second].try_emplace(ck, panel.curves.size());
        if (cnew) {
            panel.curves.push_back({ck, {}});
            orderKeys[pit->second].emplace_back();
        }
        Point pt;
        pt.x = rs.Fields(o.xColumn).toDouble() * o.xScale;
        if (o.xLog) {
            if (!(pt.x > 0))
                continue;
            pt.x = std::log10(pt.x);
        }
        for (const Series& s : o.ySeries) {
            const lx::Field& f = rs.Fields(s.column);
            pt.y.push_back(f.isMissing() ? kNaN : f.toDouble() * s.scale);
        }
        panel.curves[cit->second].points.push_back(pt);
        orderKeys[pit->second][cit->second].push_back(o.orderColumn >= 0 ? rs.Fields(o.orderColumn).toDouble() : 0.0);
    }
    if (o.orderColumn >= 0) {
        for (size_t pi = 0; pi < panels.size(); ++pi)
            for (size_t ci = 0; ci < panels[pi].curves.size(); ++ci) {
                std::vector<Point>& pts = panels[pi].curves[ci].points;
                const std::vector<double>& keys = orderKeys[pi][ci];
                std::vector<size_t> idx(pts.size());
                for (size_t i = 0; i < idx.size(); ++i)
                    idx[i] = i;
                std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
                std::vector<Point> sorted;
                for (size_t i : idx)
                    sorted.push_back(pts[i]);
                pts = std::move(sorted);
            }
    }
    if (!o.namesSql.isEmpty()) {
        lx::Recordset names;
        names.Open(o.namesSql, conn);
        std::map<QString, QString> byKey;
        for (; !names.eof(); names.MoveNext())
            byKey.emplace(names.Fields(0).toText(), names.Fields(1).toText());
        for (Panel& panel : panels)
            if (auto it = byKey.find(panel.name); it != byKey.end())
                panel.name += QStringLiteral("  ") + it->second;
    }
    return panels;
}

void addSimulations(std::vector<Panel>& panels, const Options& o)
{
    if (o.simulation == Options::Simulation::None)
        return;
    lx::Connection conn;
    conn.Open(lx::ConnectionString::format(o.database, o.password, true));
    lx::Recordset info;
    info.Open(QStringLiteral("SELECT * FROM TestInfo"), conn);
    std::map<QString, std::array<double, 7>> specimens;   // TestID -> sand and gravel specimen
    for (; !info.eof(); info.MoveNext()) {
        std::array<double, 7> v{};
        for (int i = 0; i < 7; ++i)
            v[size_t(i)] = info.Fields(2 + i).toDouble();
        specimens.emplace(info.Fields(1).toText(), v);
    }
    QTemporaryDir work;
    lx::SoilNet net(o.soilnetDll);
    const QString file = work.filePath(QStringLiteral("soilnet.txt"));
    for (Panel& panel : panels) {
        std::vector<Curve> curves;
        for (Curve& stored : panel.curves) {
            curves.push_back(stored);
            const auto it = specimens.find(stored.name);
            if (it == specimens.end() || stored.points.empty())
                continue;
            const std::array<double, 7>& s = it->second;
            lx::SoilNetResult r;
            if (o.simulation == Options::Simulation::Drained) {
                // Run to the stored test's last strain, as the database-simulation report does.
                const std::array<double, 8> values{s[0], s[1], s[2], s[3], s[4], s[5], s[6],
                                                   100.0 * stored.points.back().x / o.xScale};
                r = net.simulate(lx::drainedProcedureForDiameter(s[0], s[6]), values, file);
            } else {
                const soilnet::GranularSpecimen g{s[0], s[1], s[2], s[3], s[4], s[5], s[6], 0};
                const std::array<double, 4> values{100.0 * soilnet::relativeDensity(g), s[1], 1.0, s[6]};
                r = net.simulate(lx::SoilNetProcedure::CiucSand, values, file);
            }
            if (!r.ok())
                throw lx::DatabaseError(r.message);
            Curve sim{stored.name + QStringLiteral(" soilnet"), {}, true};
            for (const lx::SoilNetRow& row : r.rows) {
                Point pt;
                pt.x = row.axialStrain / 100.0 * o.xScale;   // stored strains are fractions
                for (const Series& ser : o.ySeries) {
                    double v = kNaN;
                    if (ser.column == 4)
                        v = row.deviatorStress;
                    else if (ser.column == 5)
                        v = o.simulation == Options::Simulation::Drained ? row.third / 100.0 : 0.0;
                    else if (ser.column == 6)
                        v = o.simulation == Options::Simulation::Undrained ? row.third : 0.0;
                    pt.y.push_back(v * ser.scale);
                }
                sim.points.push_back(pt);
            }
            curves.push_back(std::move(sim));
        }
        panel.curves = std::move(curves);
    }
}

QStringList drawPages(const std::vector<Panel>& panels, const Options& o)
{
    const int cols = std::max(1, o.columnsPerPage), rows = std::max(1, o.rowsPerPage);
    const int perPage = cols * rows;
    const int nSeries = int(o.ySeries.size());
    const int cellW = 330 * std::max(1, nSeries) + 20, cellH = 330;
    const int margin = 30, header = 50;
    const int pages = std::max(1, int((panels.size() + size_t(perPage) - 1) / size_t(perPage)));
    QStringList written;
    for (int page = 0; page < pages; ++page) {
        QImage img(margin * 2 + cols * cellW, margin * 2 + header + rows * cellH, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(margin, margin, img.width() - 2 * margin, header - 10), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1   (page %2 of %3)").arg(o.title).arg(page + 1).arg(pages));
        for (int k = 0; k < perPage; ++k) {
            const size_t index = size_t(page * perPage + k);
            if (index >= panels.size())
                break;
            const Panel& panel = panels[index];
            const QRectF cell(margin + (k % cols) * cellW, margin + header + (k / cols) * cellH, cellW - 10, cellH - 10);
            f.setPixelSize(14);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QRectF(cell.left(), cell.top(), cell.width(), 20), Qt::AlignLeft, panel.name);
            f.setBold(false);
            f.setPixelSize(11);
            p.setFont(f);
            const double w = cell.width() / std::max(1, nSeries);
            const int lines = panel.curves.size() > 1 ? legendLines(panel, p.fontMetrics(), cell.width()) : 1;
            const double chartH = cell.height() - 24 - lines * p.fontMetrics().height();
            for (int s = 0; s < nSeries; ++s)
                drawChart(p, QRectF(cell.left() + s * w, cell.top() + 22, w - 6, chartH), panel, s, o);
            if (panel.curves.size() > 1) {
                // Legend below the charts: curve names in their colours, wrapped to the cell.
                const QFontMetrics fm = p.fontMetrics();
                const int lines = legendLines(panel, fm, cell.width());
                double x = cell.left() + 4;
                double y = cell.bottom() - 4 - (lines - 1) * fm.height();
                for (size_t c = 0; c < panel.curves.size(); ++c) {
                    const double w = fm.horizontalAdvance(panel.curves[c].name) + 12;
                    if (x + w > cell.right() && x > cell.left() + 4) {
                        x = cell.left() + 4;
                        y += fm.height();
                    }
                    p.setPen(curvePen(panel, c));
                    p.drawText(QPointF(x, y), panel.curves[c].name);
                    x += w;
                }
            } else if (!panel.curves.empty()) {
                p.setPen(Qt::darkGray);
                p.drawText(QPointF(cell.left() + 4, cell.bottom() - 4),
                           QStringLiteral("%1 points").arg(panel.curves.front().points.size()));
            }
        }
        p.end();
        const QString file = QStringLiteral("%1-%2.png").arg(o.outPrefix).arg(page + 1, 3, 10, QLatin1Char('0'));
        if (!img.save(file, "PNG"))
            throw lx::DatabaseError(QStringLiteral("cannot write %1").arg(file));
        written << file;
    }
    return written;
}

} // namespace plotsheet
