#include "lab/AssemblyTables.h"

#include "lab/PictureLayout.h"

namespace lx::assembly {

namespace {

namespace L = lx::pictures;

SpriteTest hidden(int s) { return {s, SpriteTest::Hidden, 0}; }
SpriteTest topBelow(int s, double v) { return {s, SpriteTest::TopBelow, v}; }
SpriteTest topIs(int s, double v) { return {s, SpriteTest::TopIs, v}; }
SpriteTest leftBelow(int s, double v) { return {s, SpriteTest::LeftBelow, v}; }
SpriteTest leftAbove(int s, double v) { return {s, SpriteTest::LeftAbove, v}; }
SpriteTest leftIs(int s, double v) { return {s, SpriteTest::LeftIs, v}; }

SpriteChange show(int s) { return {s, SpriteChange::Show}; }
SpriteChange hide(int s) { return {s, SpriteChange::Hide}; }
SpriteChange toggle(int s) { return {s, SpriteChange::Toggle}; }
SpriteChange moveBy(int s, double dx, double dy) { return {s, SpriteChange::MoveBy, dx, dy}; }
SpriteChange down(int s, double d) { return moveBy(s, 0, d); }
SpriteChange setLeft(int s, double v) { return {s, SpriteChange::SetLeft, v}; }
SpriteChange setTop(int s, double v) { return {s, SpriteChange::SetTop, v}; }
SpriteChange moveOut(int s) { return setLeft(s, OutOfViewLeft); }

// Sprites in stacking order, back to front, and the steps that name them.
struct Table {
    std::vector<Sprite> sprites;
    std::vector<AssemblyStep> steps;

    int add(const QString& name, const QString& picture, const L::TwipRect& r, bool visible)
    {
        sprites.push_back({name, picture, double(r.left), double(r.top), double(r.width), double(r.height), visible});
        return int(sprites.size()) - 1;
    }
    void step(std::vector<SpriteTest> when, std::vector<SpriteChange> then, int interval = 0)
    {
        steps.push_back({std::move(when), std::move(then), interval});
    }
    AssemblyAnimation done(int interval) { return AssemblyAnimation(std::move(sprites), std::move(steps), interval); }
};

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

} // namespace

AssemblyAnimation consolidation(const QString& kind)
{
    namespace C = L::consolidationAssembly;
    const bool il = kind == QStringLiteral("IL");
    const bool crs = kind == QStringLiteral("CRS");
    const QString d = QStringLiteral("/Pictures/1DConsol/");
    Table t;
    t.add(QStringLiteral("imgTopBottom"), d + "TopBottom.gif", C::imgTopBottom, true);
    const int ilBase = t.add(QStringLiteral("imgILbase"), d + "ILBase.gif", C::imgILbase, false);
    const int crsBase = t.add(QStringLiteral("imgCRSBase"), d + "CRSBase.gif", C::imgCRSBase, false);
    const int sample = t.add(QStringLiteral("imgSample"), d + "Sample.gif", C::imgSample, true);
    const int ring = t.add(QStringLiteral("imgSteelRing"), d + "SteelRing.gif", C::imgSteelRing, true);
    const int sampleIn = t.add(QStringLiteral("imgSampleIN"), d + "SampleIN.gif", C::imgSampleIN, false);
    const int stone = t.add(QStringLiteral("imgPorousStone"), d + "PorousStone.gif", C::imgPorousStone, true);
    const int plunger = t.add(QStringLiteral("imgPlunger"), d + "Plunger.gif", C::imgPlunger, true);
    const int ball = t.add(QStringLiteral("imgBall"), d + "Ball.gif", C::imgBall, true);
    const int cell = t.add(QStringLiteral("imgCell"), d + "OuterCell.gif", C::imgCell, true);
    const int oedo = t.add(QStringLiteral("imgAssembledOedo"), d + "assembledOedo.gif", C::imgAssembledOedo, false);
    const int crsCell = t.add(QStringLiteral("imgAssembledCRS"), d + "assembledCRS.gif", C::imgAssembledCRS, false);
    const int crsTop = t.add(QStringLiteral("imgCRSTop"), d + "CRSTop.gif", C::imgCRSTop, false);
    int rod[4], nut[6];
    for (int i = 0; i < 4; ++i)
        rod[i] = t.add(indexed("imgSideRod", i), d + "SideRod.gif", C::imgSideRod[i], false);
    for (int i = 0; i < 6; ++i)
        nut[i] = t.add(indexed("imgSideRodNut", i), d + "SideRodNut.gif", C::imgSideRodNut[i], false);
    const int topRod = t.add(QStringLiteral("imgCRSTopRod"), d + "CRSTopRod.gif", C::imgCRSTopRod, true);
    const int topRodHidden = t.add(QStringLiteral("imgCRSTopRodHidden"),
                                   QStringLiteral(":/forms/frm1DConsolidation/imgCRSTopRodHidden.png"),
                                   C::imgCRSTopRodHidden, false);

    // The steps that test a kind exist only for that kind.
    if (il)
        t.step({hidden(ilBase)}, {show(ilBase)});
    if (crs)
        t.step({hidden(crsBase)}, {show(crsBase)});
    t.step({topBelow(sample, 3040)}, {down(sample, 200)});
    t.step({topBelow(ring, 3090)}, {down(ring, 200)});
    t.step({hidden(sampleIn)}, {hide(sample), hide(ring), show(sampleIn)});
    if (il) {
        t.step({topIs(sampleIn, 3200)}, {setTop(sampleIn, 3000)});
        t.step({leftAbove(stone, 1800)}, {moveBy(stone, -750, 0)});
    }
    // The plunger stops above 2600 while the ball goes on.
    SpriteChange plungerDown = down(plunger, il ? 1000 : 1050);
    plungerDown.onlyIf = topBelow(plunger, 2600);
    t.step({topBelow(ball, 2400)}, {plungerDown, down(ball, il ? 1000 : 1040)});
    t.step({topBelow(cell, 2290)}, {down(cell, 1000)});
    if (il)
        t.step({hidden(oedo)}, {show(oedo)});
    if (crs) {
        t.step({hidden(crsCell)}, {show(crsCell)});
        t.step({hidden(crsTop)}, {show(crsTop)});
        t.step({hidden(rod[0])}, {show(rod[0]), show(nut[0]), show(nut[4])});
        t.step({hidden(rod[2])}, {show(rod[2]), show(nut[2]), show(nut[5])});
        t.step({hidden(rod[1])}, {show(rod[1]), show(nut[1]), show(rod[3]), show(nut[3])});
        t.step({topBelow(topRod, 0)}, {down(topRod, 500)});
        t.step({hidden(topRodHidden)}, {show(topRodHidden)});
    }
    return t.done(600);
}

AssemblyAnimation directShear()
{
    namespace D = L::directShearAssembly;
    const QString d = QStringLiteral("\\pictures\\DS\\");
    const QString f = QStringLiteral(":/forms/frmDirectShear/");
    Table t;
    t.add(QStringLiteral("imgBase"), d + "Base.gif", D::imgBase, true);
    const int bottom = t.add(QStringLiteral("imgDSBottom"), d + "DSBottom.gif", D::imgDSBottom, true);
    const int screw1 = t.add(QStringLiteral("imgScrew1"), f + "imgScrew.png", D::imgScrew1, false);
    const int screw2 = t.add(QStringLiteral("imgScrew2"), f + "imgScrew.png", D::imgScrew2, false);
    const int part1 = t.add(QStringLiteral("imgScrewPart1"), f + "imgScrewPart.png", D::imgScrewPart1, false);
    const int part2 = t.add(QStringLiteral("imgScrewPart2"), f + "imgScrewPart.png", D::imgScrewPart2, false);
    const int head1 = t.add(QStringLiteral("imgScrewTop1"), f + "imgScrewTop.png", D::imgScrewTop1, false);
    const int head2 = t.add(QStringLiteral("imgScrewTop2"), f + "imgScrewTop.png", D::imgScrewTop2, false);
    const int top = t.add(QStringLiteral("imgDSTop"), d + "DSTop.gif", D::imgDSTop, true);
    const int half = t.add(QStringLiteral("imgHalfSand"), d + "SandHalf.gif", D::imgHalfSand, false);
    const int full = t.add(QStringLiteral("imgFullSand"), d + "SandFull.gif", D::imgFullSand, false);
    const int plunger = t.add(QStringLiteral("imgPlunger"), d + "Plunger.gif", D::imgPlunger, true);
    const int ball = t.add(QStringLiteral("imgTopBall"), d + "TopBall.gif", D::imgTopBall, true);

    t.step({leftBelow(bottom, 830)}, {moveBy(bottom, 1000, 0)});
    t.step({topBelow(screw1, 3920), hidden(screw1)}, {show(screw1), show(screw2), show(part1), show(part2)});
    t.step({topBelow(screw1, 3920)}, {down(screw1, 100), down(screw2, 100)});
    t.step({hidden(head1)}, {hide(screw1), hide(screw2), hide(part1), hide(part2), show(head1), show(head2)});
    t.step({topBelow(top, 3030)}, {down(top, 1000)});
    t.step({hidden(half)}, {show(half)});
    t.step({hidden(full)}, {show(full)});
    t.step({topBelow(plunger, 2850)}, {down(plunger, 1000)});
    t.step({topBelow(ball, 2760)}, {down(ball, 1000)});
    return t.done(600);
}

AssemblyAnimation hollowCylinder()
{
    namespace H = L::trueTriaxial;
    const auto picture = [](int n) { return QStringLiteral(":/forms/frmTTT/imgHCT_%1.png").arg(n); };
    const L::TwipRect rects[] = {H::imgHCT_1, H::imgHCT_2, H::imgHCT_3, H::imgHCT_4, H::imgHCT_5,
                                 H::imgHCT_6, H::imgHCT_7, H::imgHCT_8};
    Table t;
    int hct[16] = {};   // imgHCT_1 .. imgHCT_15 by number; imgHCT_9 is an array of four
    int nine[4];
    for (int n = 1; n <= 8; ++n)
        hct[n] = t.add(QStringLiteral("imgHCT_%1").arg(n), picture(n), rects[n - 1], false);
    for (int k = 0; k < 4; ++k)
        nine[k] = t.add(indexed("imgHCT_9", k), picture(9), H::imgHCT_9[k], false);
    L::TwipRect ten = H::imgHCT_10;
    ten.left = H::imgHCT_10LoadedLeft;
    hct[10] = t.add(QStringLiteral("imgHCT_10"), picture(10), ten, false);
    const L::TwipRect later[] = {H::imgHCT_11, H::imgHCT_12, H::imgHCT_13, H::imgHCT_14, H::imgHCT_15};
    for (int n = 11; n <= 15; ++n)
        hct[n] = t.add(QStringLiteral("imgHCT_%1").arg(n), picture(n), later[n - 11], false);

    for (int n = 1; n <= 3; ++n)
        t.step({hidden(hct[n])}, {show(hct[n])});
    t.step({hidden(hct[4])}, {moveOut(hct[3]), show(hct[4])});
    t.step({hidden(hct[5])}, {show(hct[5])});
    t.step({hidden(hct[6])}, {moveOut(hct[5]), show(hct[6])});
    t.step({hidden(hct[7])}, {show(hct[7])});
    t.step({hidden(hct[8])},
           {moveOut(hct[1]), moveOut(hct[2]), moveOut(hct[4]), moveOut(hct[6]), moveOut(hct[7]), show(hct[8])}, 800);
    for (int k = 0; k < 4; ++k)
        t.step({hidden(nine[k])}, {show(nine[k])});
    t.step({hidden(hct[10])},
           {moveOut(hct[8]), moveOut(nine[0]), moveOut(nine[1]), moveOut(nine[2]), moveOut(nine[3]), show(hct[10])},
           1500);
    t.step({hidden(hct[11])}, {show(hct[11])});
    t.step({leftIs(hct[10], H::imgHCT_10LoadedLeft)}, {setLeft(hct[10], H::imgHCT_10.left)});
    t.step({hidden(hct[12])}, {show(hct[12])});
    t.step({hidden(hct[13])}, {moveOut(hct[10]), moveOut(hct[11]), moveOut(hct[12]), show(hct[13])});
    t.step({hidden(hct[14])}, {show(hct[14])});
    t.step({hidden(hct[15])}, {show(hct[15])});
    return t.done(1500);
}

AssemblyAnimation triaxialApparatus()
{
    namespace S = L::triaxialScreen;
    Table t;
    t.add(QStringLiteral("imgTestBack"), QStringLiteral("/Pictures/TriaxialAssembly11.jpg"), S::imgTestBack, true);
    t.add(QStringLiteral("imgSample"), QStringLiteral("/Pictures/TriaxialAssemblySample11.jpg"), S::imgSample, true);
    t.add(QStringLiteral("imgTestFore"), QStringLiteral("/Pictures/TriaxialAssemblyTop11.jpg"), S::imgTestFore, true);
    t.add(QStringLiteral("imgRing1"), QStringLiteral("/Pictures/TriaxialAssemblyRing11.jpg"), S::imgRing1, true);
    t.add(QStringLiteral("imgRing2"), QStringLiteral("/Pictures/TriaxialAssemblyRingB11.jpg"), S::imgRing2, true);
    return t.done(200);
}

AssemblyStep triaxialApparatusPoint(const AssemblyAnimation& apparatus, int pointCount)
{
    const double n = pointCount > 0 ? double(pointCount) : 1.0;
    const int fore = apparatus.indexOf(QStringLiteral("imgTestFore"));
    const int sample = apparatus.indexOf(QStringLiteral("imgSample"));
    return {{}, {down(fore, 300 / n), moveBy(sample, -40 / n, 0), {sample, SpriteChange::Resize, 80 / n, 0}}};
}

AssemblyAnimation directShearBox()
{
    namespace S = L::directShearScreen;
    const QString d = QStringLiteral("\\Pictures\\DS\\");
    const QString f = QStringLiteral(":/forms/frmScreenDAS_DS/");
    Table t;
    t.add(QStringLiteral("imgDSBottom"), d + "DSBottomFull.gif", S::imgDSBottom, true);
    t.add(QStringLiteral("imgBeadHose"), d + "BeadHose.gif", S::imgBeadHose, true);
    t.add(QStringLiteral("imgBeads1"), f + "imgBeads1.png", S::imgBeads1, true);
    t.add(QStringLiteral("imgBeads2"), f + "imgBeads2.png", S::imgBeads2, false);
    t.add(QStringLiteral("imgDSTop"), d + "DSTopFull.gif", S::imgDSTop, true);
    t.add(QStringLiteral("imgTopWeight"), f + "imgTopWeight.png", S::imgTopWeight, true);
    return t.done(500);
}

AssemblyStep directShearBoxPoint(const AssemblyAnimation& box)
{
    return {{},
            {moveBy(box.indexOf(QStringLiteral("imgDSTop")), 10, 0), moveBy(box.indexOf(QStringLiteral("imgTopWeight")), 10, 0),
             toggle(box.indexOf(QStringLiteral("imgBeads1"))), toggle(box.indexOf(QStringLiteral("imgBeads2")))}};
}

AssemblyStep directShearBoxEnd(const AssemblyAnimation& box)
{
    return {{}, {hide(box.indexOf(QStringLiteral("imgBeads1"))), hide(box.indexOf(QStringLiteral("imgBeads2")))}};
}

AssemblyAnimation consolidationLoadFrame()
{
    namespace S = L::consolidationScreen;
    const QString d = QStringLiteral("\\Pictures\\1DConsol\\");
    Table t;
    t.add(QStringLiteral("imgOedometer"), d + "Base.gif", S::imgOedometer, true);
    t.add(QStringLiteral("imgAssembly"), d + "AssemblySmall.gif", S::imgAssembly, true);
    t.add(QStringLiteral("imgArm"), d + "arm.gif", S::imgArm, true);
    for (int i = 0; i < ConsolidationWeights; ++i) {
        L::TwipRect r = S::imgLoad0;
        r.top += i * S::imgLoadStep;
        t.add(indexed("imgLoad", i), QStringLiteral(":/forms/frmScreenDAS1D/imgLoad.png"), r, false);
    }
    return t.done(600);
}

AssemblyStep consolidationWeights(const AssemblyAnimation& frame, const std::vector<int>& show,
                                  const std::vector<int>& hide)
{
    AssemblyStep step;
    const auto weight = [&](int i) { return i >= 0 && i < ConsolidationWeights ? frame.indexOf(indexed("imgLoad", i)) : -1; };
    for (int i : show)
        if (const int s = weight(i); s >= 0)
            step.then.push_back(SpriteChange{s, SpriteChange::Show});
    for (int i : hide)
        if (const int s = weight(i); s >= 0)
            step.then.push_back(SpriteChange{s, SpriteChange::Hide});
    return step;
}

AssemblyAnimation consolidationCRSFrame()
{
    Table t;
    t.add(QStringLiteral("imgCRS"), QStringLiteral("\\Pictures\\1DConsol\\CRSLoadingFrame.gif"),
          L::consolidationScreen::imgCRS, true);
    return t.done(600);
}

} // namespace lx::assembly
