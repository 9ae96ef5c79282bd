// The animations' pictures read back from their files and stacked at their window
// positions, at the start, along the way and at the end, so that a person can see
// that they line up.
#include "Composites.h"

#include "Draw.h"
#include "lab/PictureLayout.h"

#include <QFileInfo>

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

QString triaxialScreen(const Loader& load, const QString& dir)
{
    namespace S = L::triaxialScreen;
    auto stage = [](const QString& caption, double k) {
        // k: fraction of the replay done.
        Stage s{caption, {}};
        s.layers.push_back(at(QStringLiteral("pictures/TriaxialAssembly11.jpg"), S::imgTestBack));
        s.layers.push_back({QStringLiteral("pictures/TriaxialAssemblySample11.jpg"), S::imgSample.left - 40 * k,
                            double(S::imgSample.top), S::imgSample.width + 80 * k, double(S::imgSample.height)});
        s.layers.push_back(moved(QStringLiteral("pictures/TriaxialAssemblyTop11.jpg"), S::imgTestFore, S::imgTestFore.left,
                                 S::imgTestFore.top + 300 * k));
        s.layers.push_back(at(QStringLiteral("pictures/TriaxialAssemblyRing11.jpg"), S::imgRing1));
        s.layers.push_back(at(QStringLiteral("pictures/TriaxialAssemblyRingB11.jpg"), S::imgRing2));
        return s;
    };
    return writeStrip(load, dir + QStringLiteral("/anim_triaxial_screen.png"), S::PicTesting, QColor(212, 208, 200),
                      {stage(QStringLiteral("start"), 0), stage(QStringLiteral("half"), 0.5), stage(QStringLiteral("end"), 1)},
                      2);
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


// ---- the consolidation assembly, run tick by tick as its timer does ------------------

struct Sprite {
    QString path;
    L::TwipRect r;
    bool visible;
};

struct Consolidation {
    bool il;
    std::vector<Sprite> s;  // in stacking order, back to front
    enum {
        TopBottom, ILbase, CRSBase, Sample, SteelRing, SampleIN, PorousStone, Plunger, Ball, Cell, AssembledOedo,
        AssembledCRS, CRSTop, Rod0, Rod1, Rod2, Rod3, Nut0, Nut1, Nut2, Nut3, Nut4, Nut5, CRSTopRod, CRSTopRodHidden
    };
    explicit Consolidation(bool incremental) : il(incremental)
    {
        namespace C = L::consolidationAssembly;
        const QString d = QStringLiteral("pictures/1DConsol/");
        s = {{d + "TopBottom.gif", C::imgTopBottom, true},   {d + "ILBase.gif", C::imgILbase, false},
             {d + "CRSBase.gif", C::imgCRSBase, false},      {d + "Sample.gif", C::imgSample, true},
             {d + "SteelRing.gif", C::imgSteelRing, true},   {d + "SampleIN.gif", C::imgSampleIN, false},
             {d + "PorousStone.gif", C::imgPorousStone, true}, {d + "Plunger.gif", C::imgPlunger, true},
             {d + "Ball.gif", C::imgBall, true},             {d + "OuterCell.gif", C::imgCell, true},
             {d + "assembledOedo.gif", C::imgAssembledOedo, false}, {d + "assembledCRS.gif", C::imgAssembledCRS, false},
             {d + "CRSTop.gif", C::imgCRSTop, false}};
        for (int i = 0; i < 4; ++i) s.push_back({d + "SideRod.gif", C::imgSideRod[i], false});
        for (int i = 0; i < 6; ++i) s.push_back({d + "SideRodNut.gif", C::imgSideRodNut[i], false});
        s.push_back({d + "CRSTopRod.gif", C::imgCRSTopRod, true});
        s.push_back({QStringLiteral("forms/frm1DConsolidation/imgCRSTopRodHidden.png"), C::imgCRSTopRodHidden, false});
    }
    bool tick()
    {
        auto& v = s;
        if (il && !v[ILbase].visible) v[ILbase].visible = true;
        else if (!il && !v[CRSBase].visible) v[CRSBase].visible = true;
        else if (v[Sample].r.top < 3040) v[Sample].r.top += 200;
        else if (v[SteelRing].r.top < 3090) v[SteelRing].r.top += 200;
        else if (!v[SampleIN].visible) { v[Sample].visible = v[SteelRing].visible = false; v[SampleIN].visible = true; }
        else if (il && v[SampleIN].r.top == 3200) v[SampleIN].r.top = 3000;
        else if (il && v[PorousStone].r.left > 1800) v[PorousStone].r.left -= 750;
        else if (v[Ball].r.top < 2400) {
            if (il) { if (v[Plunger].r.top < 2600) v[Plunger].r.top += 1000; v[Ball].r.top += 1000; }
            else { if (v[Plunger].r.top < 2600) v[Plunger].r.top += 1050; v[Ball].r.top += 1040; }
        }
        else if (v[Cell].r.top < 2290) v[Cell].r.top += 1000;
        else if (il && !v[AssembledOedo].visible) v[AssembledOedo].visible = true;
        else if (!il && !v[AssembledCRS].visible) v[AssembledCRS].visible = true;
        else if (!il && !v[CRSTop].visible) v[CRSTop].visible = true;
        else if (!il && !v[Rod0].visible) v[Rod0].visible = v[Nut0].visible = v[Nut4].visible = true;
        else if (!il && !v[Rod2].visible) v[Rod2].visible = v[Nut2].visible = v[Nut5].visible = true;
        else if (!il && !v[Rod1].visible) v[Rod1].visible = v[Nut1].visible = v[Rod3].visible = v[Nut3].visible = true;
        else if (!il && v[CRSTopRod].r.top < 0) v[CRSTopRod].r.top += 500;
        else if (!il && !v[CRSTopRodHidden].visible) v[CRSTopRodHidden].visible = true;
        else return false;
        return true;
    }
    Stage stage(const QString& caption) const
    {
        Stage st{caption, {}};
        for (const Sprite& sp : s)
            if (sp.visible) st.layers.push_back(at(sp.path, sp.r));
        return st;
    }
};

QString consolidation(const Loader& load, const QString& dir)
{
    const L::TwipRect box{0, 0, 5900, 5350};
    for (bool il : {true, false}) {
        Consolidation anim(il);
        std::vector<Stage> stages{anim.stage(QStringLiteral("start"))};
        int n = 0;
        const std::vector<int> show = il ? std::vector<int>{9, 21, 22, 30, 35, 42} : std::vector<int>{9, 21, 27, 31, 35, 42};
        while (anim.tick()) {
            ++n;
            for (int t : show)
                if (t == n) stages.push_back(anim.stage(QStringLiteral("tick %1").arg(n)));
        }
        stages.push_back(anim.stage(QStringLiteral("end, %1 ticks").arg(n + 1)));
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


// ---- the direct shear assembly, tick by tick ----------------------------------------

QString directShear(const Loader& load, const QString& dir)
{
    namespace D = L::directShearAssembly;
    const QString d = QStringLiteral("pictures/DS/"), f = QStringLiteral("forms/frmDirectShear/");
    enum { Base, Bottom, Screw1, Screw2, Part1, Part2, Top1, Top2, DSTop, Half, Full, Plunger, Ball };
    std::vector<Sprite> s = {{d + "Base.gif", D::imgBase, true},          {d + "DSBottom.gif", D::imgDSBottom, true},
                             {f + "imgScrew.png", D::imgScrew1, false},     {f + "imgScrew.png", D::imgScrew2, false},
                             {f + "imgScrewPart.png", D::imgScrewPart1, false}, {f + "imgScrewPart.png", D::imgScrewPart2, false},
                             {f + "imgScrewTop.png", D::imgScrewTop1, false}, {f + "imgScrewTop.png", D::imgScrewTop2, false},
                             {d + "DSTop.gif", D::imgDSTop, true},          {d + "SandHalf.gif", D::imgHalfSand, false},
                             {d + "SandFull.gif", D::imgFullSand, false},   {d + "Plunger.gif", D::imgPlunger, true},
                             {d + "TopBall.gif", D::imgTopBall, true}};
    auto tick = [&s]() {
        if (s[Bottom].r.left < 830) s[Bottom].r.left += 1000;
        else if (s[Screw1].r.top < 3920 && !s[Screw1].visible) s[Screw1].visible = s[Screw2].visible = s[Part1].visible = s[Part2].visible = true;
        else if (s[Screw1].r.top < 3920) { s[Screw1].r.top += 100; s[Screw2].r.top += 100; }
        else if (!s[Top1].visible) { s[Screw1].visible = s[Screw2].visible = s[Part1].visible = s[Part2].visible = false; s[Top1].visible = s[Top2].visible = true; }
        else if (s[DSTop].r.top < 3030) s[DSTop].r.top += 1000;
        else if (!s[Half].visible) s[Half].visible = true;
        else if (!s[Full].visible) s[Full].visible = true;
        else if (s[Plunger].r.top < 2850) s[Plunger].r.top += 1000;
        else if (s[Ball].r.top < 2760) s[Ball].r.top += 1000;
        else return false;
        return true;
    };
    auto snap = [&s](const QString& caption) {
        Stage st{caption, {}};
        for (const Sprite& sp : s)
            if (sp.visible) st.layers.push_back(at(sp.path, sp.r));
        return st;
    };
    std::vector<Stage> stages{snap(QStringLiteral("start"))};
    int n = 0;
    while (tick()) {
        ++n;
        if (n == 5 || n == 9 || n == 10 || n == 15 || n == 17) stages.push_back(snap(QStringLiteral("tick %1").arg(n)));
    }
    stages.push_back(snap(QStringLiteral("end, %1 ticks").arg(n + 1)));
    const QString error = writeStrip(load, dir + QStringLiteral("/anim_direct_shear.png"), {0, 0, 5900, 5350}, QColor(255, 255, 192), stages);
    if (!error.isEmpty()) return error;

    namespace S = L::directShearScreen;
    auto screen = [&](const QString& caption, int shift, bool beads1) {
        Stage st{caption,
                 {at(d + "DSBottomFull.gif", S::imgDSBottom), at(d + "BeadHose.gif", S::imgBeadHose),
                  moved(d + "DSTopFull.gif", S::imgDSTop, S::imgDSTop.left + shift, S::imgDSTop.top),
                  moved(QStringLiteral("forms/frmScreenDAS_DS/imgTopWeight.png"), S::imgTopWeight, S::imgTopWeight.left + shift,
                        S::imgTopWeight.top),
                  at(beads1 ? QStringLiteral("forms/frmScreenDAS_DS/imgBeads1.png") : QStringLiteral("forms/frmScreenDAS_DS/imgBeads2.png"),
                     beads1 ? S::imgBeads1 : S::imgBeads2)},
                 {{S::lblNormalLoad, QStringLiteral("Normal Load")},
                  {S::lblVerticalLVDT, QStringLiteral("LVDT measuring Vertical Displacement")},
                  {S::lblHorizontalLVDT, QStringLiteral("LVDT measuring Horizontal Displacement")}}};
        return st;
    };
    return writeStrip(load, dir + QStringLiteral("/anim_direct_shear_screen.png"), S::PicILSetup, QColor(212, 208, 200),
                      {screen(QStringLiteral("point 0"), 0, true), screen(QStringLiteral("point 60"), 600, false),
                       screen(QStringLiteral("point 150"), 1500, true)},
                      2);
}


// ---- the hollow-cylinder sketches, tick by tick ---------------------------------------

QString hollowCylinder(const Loader& load, const QString& dir)
{
    namespace T = L::trueTriaxial;
    auto name = [](int i) { return QStringLiteral("forms/frmTTT/imgHCT_%1.png").arg(i); };
    // Sprites 0..14 are imgHCT_1..15 except imgHCT_9, which is four (indices 8..11); 10..15 follow.
    std::vector<Sprite> s;
    const L::TwipRect rects[] = {T::imgHCT_1, T::imgHCT_2, T::imgHCT_3, T::imgHCT_4, T::imgHCT_5, T::imgHCT_6, T::imgHCT_7, T::imgHCT_8};
    for (int i = 0; i < 8; ++i) s.push_back({name(i + 1), rects[i], false});
    for (int i = 0; i < 4; ++i) s.push_back({name(9), T::imgHCT_9[i], false});
    L::TwipRect ten = T::imgHCT_10;
    ten.left = T::imgHCT_10LoadedLeft;
    s.push_back({name(10), ten, false});
    s.push_back({name(11), T::imgHCT_11, false});
    s.push_back({name(12), T::imgHCT_12, false});
    s.push_back({name(13), T::imgHCT_13, false});
    s.push_back({name(14), T::imgHCT_14, false});
    s.push_back({name(15), T::imgHCT_15, false});
    auto hct = [&s](int n) -> Sprite& { return n <= 8 ? s[size_t(n - 1)] : s[size_t(n + 2)]; };  // n = 1..15, not 9
    auto out = [](Sprite& sp) { sp.r.left = 10000; };
    auto tick = [&]() {
        for (int n = 1; n <= 3; ++n)
            if (!hct(n).visible) { hct(n).visible = true; return true; }
        if (!hct(4).visible) { out(hct(3)); hct(4).visible = true; return true; }
        if (!hct(5).visible) { hct(5).visible = true; return true; }
        if (!hct(6).visible) { out(hct(5)); hct(6).visible = true; return true; }
        if (!hct(7).visible) { hct(7).visible = true; return true; }
        if (!hct(8).visible) {
            for (int n : {1, 2, 4, 6, 7}) out(hct(n));
            hct(8).visible = true;
            return true;
        }
        for (int i = 0; i < 4; ++i)
            if (!s[size_t(8 + i)].visible) { s[size_t(8 + i)].visible = true; return true; }
        if (!hct(10).visible) {
            out(hct(8));
            for (int i = 0; i < 4; ++i) out(s[size_t(8 + i)]);
            hct(10).visible = true;
            return true;
        }
        if (!hct(11).visible) { hct(11).visible = true; return true; }
        if (hct(10).r.left == 3800) { hct(10).r.left = 1965; return true; }
        for (int n = 12; n <= 15; ++n)
            if (!hct(n).visible) {
                if (n == 13) { out(hct(10)); out(hct(11)); out(hct(12)); }
                hct(n).visible = true;
                return true;
            }
        return false;
    };
    auto snap = [&s](const QString& caption) {
        Stage st{caption, {}};
        for (const Sprite& sp : s)
            if (sp.visible && sp.r.left < 10000) st.layers.push_back(at(sp.path, sp.r));
        return st;
    };
    std::vector<Stage> stages;
    int n = 0;
    while (tick()) {
        ++n;
        if (n == 2 || n == 4 || n == 6 || n == 7 || n == 8 || n == 12 || n == 13 || n == 15 || n == 16) stages.push_back(snap(QStringLiteral("tick %1").arg(n)));
    }
    stages.push_back(snap(QStringLiteral("end, %1 ticks").arg(n + 1)));
    return writeStrip(load, dir + QStringLiteral("/anim_hollow_cylinder.png"), {0, 0, 5800, 5985}, QColor(255, 255, 192), stages);
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
