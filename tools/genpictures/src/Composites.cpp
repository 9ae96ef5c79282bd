// The animations' pictures read back from their files and stacked at their window
// positions, at the start, along the way and at the end, so that a person can see
// that they line up.
#include "Composites.h"

#include "Draw.h"
#include "lab/AssemblyTables.h"
#include "lab/PictureLayout.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <vector>

namespace genpictures {
namespace {

namespace L = lx::pictures;

struct Layer {
    QString path;
    double left, top, width, height;  // twips, stretched to this size
};

struct Stage {
    QString caption;
    std::vector<Layer> layers;
    std::vector<std::pair<L::TwipRect, QString>> captions = {};  // labels the window puts over the pictures
};

Layer at(const QString& path, const L::TwipRect& r)
{
    return {path, double(r.left), double(r.top), double(r.width), double(r.height)};
}

Layer moved(const QString& path, const L::TwipRect& r, double left, double top)
{
    return {path, left, top, double(r.width), double(r.height)};
}

class Loader {
public:
    Loader(const Pictures& all, const QString& installRoot, const QString& formsRoot)
        : all_(all), installRoot_(installRoot), formsRoot_(formsRoot)
    {
    }
    QImage operator()(const QString& path) const
    {
        const Picture* p = findPicture(all_, path);
        return p ? loadWritten(*p, installRoot_, formsRoot_) : QImage();
    }

private:
    const Pictures& all_;
    QString installRoot_, formsRoot_;
};

// One row of stages, each a box of 'box' twips with its background colour.
QString writeStrip(const Loader& load, const QString& file, const L::TwipRect& box, QColor background,
                   const std::vector<Stage>& stages, int zoom = 1)
{
    const int w = int(std::lround(box.width / 15.0)) * zoom, h = int(std::lround(box.height / 15.0)) * zoom;
    const int perRow = std::max(1, std::min(int(stages.size()), 1500 / (w + 16)));
    const int rows = (int(stages.size()) + perRow - 1) / perRow;
    QImage sheet((w + 16) * perRow + 16, (h + 40) * rows, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    draw::prepare(p);
    for (int i = 0; i < int(stages.size()); ++i) {
        const Stage& s = stages[size_t(i)];
        const int x = 16 + (i % perRow) * (w + 16);
        const int y = (i / perRow) * (h + 40);
        p.save();
        p.translate(x, y + 24);
        p.setClipRect(0, 0, w, h);
        p.fillRect(0, 0, w, h, background);
        for (const Layer& l : s.layers) {
            const QImage img = load(l.path);
            if (img.isNull()) return QStringLiteral("no picture %1 for %2").arg(l.path, file);
            const QRectF target((l.left - box.left) / 15.0 * zoom, (l.top - box.top) / 15.0 * zoom, l.width / 15.0 * zoom,
                                l.height / 15.0 * zoom);
            p.drawImage(target, img);
        }
        for (const auto& [rect, caption] : s.captions) {
            p.setPen(QColor(0, 0, 0));
            p.setFont(draw::font(8 * zoom));
            p.drawText(QRectF((rect.left - box.left) / 15.0 * zoom, (rect.top - box.top) / 15.0 * zoom,
                              rect.width / 15.0 * zoom, rect.height / 15.0 * zoom),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
        }
        p.restore();
        p.setPen(QColor(120, 120, 120));
        p.drawRect(x - 1, y + 23, w + 1, h + 1);
        p.setPen(Qt::black);
        p.setFont(draw::font(11));
        p.drawText(QRect(x, y + 4, w, 18), Qt::AlignLeft | Qt::AlignVCenter, s.caption);
    }
    p.end();
    return sheet.save(file) ? QString() : QStringLiteral("cannot write %1").arg(file);
}

// A sprite's picture as the window names it ("/Pictures/1DConsol/Sample.gif",
// "\\pictures\\DS\\Base.gif", ":/forms/...") to the generator's own path of it.
QString generatedPath(QString picture)
{
    picture.replace(u'\\', u'/');
    if (picture.startsWith(QStringLiteral(":/")))
        return picture.mid(2);
    while (picture.startsWith(u'/'))
        picture.remove(0, 1);
    if (picture.startsWith(QStringLiteral("pictures/"), Qt::CaseInsensitive))
        picture = QStringLiteral("pictures/") + picture.mid(9);
    return picture;
}

Stage snapshot(const lx::AssemblyAnimation& a, const QString& caption)
{
    Stage st{caption, {}};
    for (const lx::Sprite& sp : a.sprites())
        if (sp.visible && sp.left < lx::OutOfViewLeft)
            st.layers.push_back({generatedPath(sp.picture), sp.left, sp.top, sp.width, sp.height});
    return st;
}

// Runs an animation tick by tick as its window's timer does, keeping the given ticks.
std::vector<Stage> run(lx::AssemblyAnimation a, const std::vector<int>& keep)
{
    std::vector<Stage> stages{snapshot(a, QStringLiteral("start"))};
    int n = 0;
    while (a.tick() >= 0) {
        ++n;
        if (std::find(keep.begin(), keep.end(), n) != keep.end())
            stages.push_back(snapshot(a, QStringLiteral("tick %1").arg(n)));
    }
    stages.push_back(snapshot(a, QStringLiteral("end, %1 ticks").arg(n + 1)));
    return stages;
}

QString triaxialScreen(const Loader& load, const QString& dir)
{
    // A replay of two points: the start, half way and the end.
    lx::AssemblyAnimation a = lx::assembly::triaxialApparatus();
    const lx::AssemblyStep point = lx::assembly::triaxialApparatusPoint(a, 2);
    std::vector<Stage> stages{snapshot(a, QStringLiteral("start"))};
    a.apply(point);
    stages.push_back(snapshot(a, QStringLiteral("half")));
    a.apply(point);
    stages.push_back(snapshot(a, QStringLiteral("end")));
    return writeStrip(load, dir + QStringLiteral("/anim_triaxial_screen.png"), L::triaxialScreen::PicTesting,
                      QColor(212, 208, 200), stages, 2);
}

QString measurement(const Loader& load, const QString& dir)
{
    namespace M = L::measurement;
    const L::TwipRect box{0, 0, M::picAssembly.width, M::picAssembly.height};
    const QString h1 = QStringLiteral("pictures/height1.gif"), v1 = QStringLiteral("pictures/Vernier1.jpg"),
                  v2 = QStringLiteral("pictures/Vernier2.jpg"), t1 = QStringLiteral("pictures/PiTape1.gif"),
                  t2 = QStringLiteral("pictures/PiTape2.gif");
    // Height reading 175.0 mm: L = (90 - 175) * 88.5 = -7522.5; diameter 100.0 mm: L = -885.
    std::vector<Stage> stages;
    stages.push_back({QStringLiteral("height, waiting"), {at(h1, M::height1)}});
    stages.push_back({QStringLiteral("height 175.0 mm"),
                      {at(h1, M::height1), moved(v1, M::imgVernier1, -7522.5, M::imgVernier1.top), at(v2, M::imgVernier2)}});
    stages.push_back({QStringLiteral("height 160.06 mm"),
                      {at(h1, M::height1), moved(v1, M::imgVernier1, -6200, M::imgVernier1.top), at(v2, M::imgVernier2)}});
    stages.push_back({QStringLiteral("diameter, waiting"), {at(h1, M::height1), moved(t1, M::imgAssembly0, 0, 0)}});
    stages.push_back({QStringLiteral("sliding"),
                      {at(h1, M::height1), moved(t1, M::imgAssembly0, 0, 2000), moved(t2, M::imgAssembly1, 0, 0),
                       moved(v1, M::imgVernier1, 4000, M::imgVernier1.top), moved(v2, M::imgVernier2, M::imgVernier2.left, -370)}});
    stages.push_back({QStringLiteral("diameter 100.0 mm"),
                      {at(h1, M::height1), moved(t1, M::imgAssembly0, 0, 2000), moved(t2, M::imgAssembly1, 0, 0),
                       moved(v1, M::imgVernier1, -885, M::imgVernier1.top), at(v2, M::imgVernier2)}});
    QString error = writeStrip(load, dir + QStringLiteral("/anim_measurement.png"), box, Qt::white, stages, 2);
    if (!error.isEmpty()) return error;
    // A close look at two readings: 163.4 mm and 107.7 mm.
    const L::TwipRect zoomBox{0, 300, 3060, 1300};
    return writeStrip(load, dir + QStringLiteral("/anim_measurement_zoom.png"), zoomBox, Qt::white,
                      {{QStringLiteral("reads 163.4"),
                        {at(h1, M::height1), moved(v1, M::imgVernier1, (90 - 163.4) * 88.5, M::imgVernier1.top),
                         at(v2, M::imgVernier2)}},
                       {QStringLiteral("reads 107.7"),
                        {moved(t2, M::imgAssembly1, 0, 0), moved(v1, M::imgVernier1, (90 - 107.7) * 88.5, M::imgVernier1.top),
                         at(v2, M::imgVernier2)}}},
                      3);
}


// ---- the assembly animations, run from the program's own tables -------------------

QString consolidation(const Loader& load, const QString& dir)
{
    const L::TwipRect box{0, 0, 5900, 5350};
    for (bool il : {true, false}) {
        const std::vector<Stage> stages =
            run(lx::assembly::consolidation(il ? QStringLiteral("IL") : QStringLiteral("CRS")),
                il ? std::vector<int>{9, 21, 22, 30, 35, 42} : std::vector<int>{9, 21, 27, 31, 35, 42});
        const QString error = writeStrip(load, dir + (il ? QStringLiteral("/anim_oedometer_IL.png") : QStringLiteral("/anim_oedometer_CRS.png")),
                                         box, QColor(255, 255, 192), stages);
        if (!error.isEmpty()) return error;
    }
    return {};
}

QString consolidationScreen(const Loader& load, const QString& dir)
{
    namespace S = L::consolidationScreen;
    const QString d = QStringLiteral("pictures/1DConsol/");
    Stage il{QStringLiteral("IL, 9 weights"), {at(d + "Base.gif", S::imgOedometer), at(d + "AssemblySmall.gif", S::imgAssembly),
                                             at(d + "arm.gif", S::imgArm)}};
    for (int i = 0; i < 9; ++i) {
        L::TwipRect r = S::imgLoad0;
        r.top += i * S::imgLoadStep;
        il.layers.push_back(at(QStringLiteral("forms/frmScreenDAS1D/imgLoad.png"), r));
    }
    Stage il14 = il;
    il14.caption = QStringLiteral("IL, 14 weights");
    for (int i = 9; i < 14; ++i) {
        L::TwipRect r = S::imgLoad0;
        r.top += i * S::imgLoadStep;
        il14.layers.push_back(at(QStringLiteral("forms/frmScreenDAS1D/imgLoad.png"), r));
    }
    Stage crs{QStringLiteral("CRS"),
              {at(d + "CRSLoadingFrame.gif", S::imgCRS)},
              {{S::lblLVDT, QStringLiteral("LVDT")},
               {S::lblLoadCell, QStringLiteral("Load Cell")},
               {S::lblTransducer, QStringLiteral("Transducer")},
               {S::lblBackPressure, QStringLiteral("Back Pressure")}}};
    return writeStrip(load, dir + QStringLiteral("/anim_oedometer_screen.png"), S::PicILSetup, QColor(212, 208, 200),
                      {il, il14, crs}, 2);
}


QString directShear(const Loader& load, const QString& dir)
{
    const std::vector<Stage> stages = run(lx::assembly::directShear(), {5, 9, 10, 15, 17});
    const QString error = writeStrip(load, dir + QStringLiteral("/anim_direct_shear.png"), {0, 0, 5900, 5350}, QColor(255, 255, 192), stages);
    if (!error.isEmpty()) return error;

    // The replay screen's box after 0, 61 and 150 points.
    namespace S = L::directShearScreen;
    const std::vector<std::pair<L::TwipRect, QString>> captions = {
        {S::lblNormalLoad, QStringLiteral("Normal Load")},
        {S::lblVerticalLVDT, QStringLiteral("LVDT measuring Vertical Displacement")},
        {S::lblHorizontalLVDT, QStringLiteral("LVDT measuring Horizontal Displacement")}};
    lx::AssemblyAnimation box = lx::assembly::directShearBox();
    const lx::AssemblyStep point = lx::assembly::directShearBoxPoint(box);
    std::vector<Stage> points;
    int replayed = 0;
    for (int upTo : {0, 61, 150}) {
        for (; replayed < upTo; ++replayed)
            box.apply(point);
        points.push_back(snapshot(box, QStringLiteral("point %1").arg(upTo)));
        points.back().captions = captions;
    }
    return writeStrip(load, dir + QStringLiteral("/anim_direct_shear_screen.png"), S::PicILSetup, QColor(212, 208, 200),
                      points, 2);
}

QString hollowCylinder(const Loader& load, const QString& dir)
{
    return writeStrip(load, dir + QStringLiteral("/anim_hollow_cylinder.png"), {0, 0, 5800, 5985}, QColor(255, 255, 192),
                      run(lx::assembly::hollowCylinder(), {2, 4, 6, 7, 8, 12, 13, 15, 16}));
}

} // namespace

QString writeComposites(const Pictures& all, const QString& installRoot, const QString& formsRoot, const QString& dir)
{
    const Loader load(all, installRoot, formsRoot);
    for (auto fn : {triaxialScreen, measurement, consolidation, consolidationScreen, directShear, hollowCylinder}) {
        const QString error = fn(load, dir);
        if (!error.isEmpty()) return error;
    }
    return {};
}

} // namespace genpictures
