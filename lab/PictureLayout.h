#pragma once
// Where the pictures stand on the program's windows, in twips (15 per pixel), relative
// to the picture box that holds them. The assembly animations keep the positions their
// windows give; for the windows whose placement is free these are the positions the
// windows use. The picture generator (tools/genpictures) draws every picture at its
// rectangle's size in pixels, so shown at that size (or stretched to it) its parts line
// up with the pictures around it. Only constants: the generator includes this header
// without linking the program.
namespace lx::pictures {

struct TwipRect {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// frmScreenDASTriaxial: the apparatus in PicTesting. Stack them back to front in
// this order: the cell behind, then the specimen, the top cap with its ram in front
// of the specimen (it covers the specimen's top as it moves down), then the top
// plate's bushing (in front of the ram) and the radial strain belt. The specimen is
// shown stretched to its width, which the replay widens.
namespace triaxialScreen {
inline constexpr TwipRect PicTesting{0, 0, 2610, 4410};  // size the pictures fill
inline constexpr TwipRect imgTestBack{210, -1470, 2190, 5880};
inline constexpr TwipRect imgSample{1090, 1800, 690, 1320};
inline constexpr TwipRect imgTestFore{945, 1200, 900, 750};
inline constexpr TwipRect imgRing1{840, 1475, 1080, 150};
inline constexpr TwipRect imgRing2{840, 2350, 1095, 150};
inline constexpr int specimenAxis = 1435;  // the cell's axis (centre of imgSample)
} // namespace triaxialScreen

// frmTriaxialCell: Triaxial.gif painted at (0, 0) scaled to 5640 x 6720.
namespace triaxialCell {
inline constexpr TwipRect picture{0, 0, 5640, 6720};
} // namespace triaxialCell

// frmTriaxial1stStage: the measurement panel picAssembly.
namespace measurement {
inline constexpr TwipRect picAssembly{4935, 105, 3060, 2310};
inline constexpr TwipRect height1{0, 0, 3000, 2250};
inline constexpr TwipRect imgVernier1{3500, 400, 11820, 750};
inline constexpr TwipRect imgVernier2{270, 1130, 2505, 675};
inline constexpr TwipRect imgAssembly0{0, 2310, 3000, 2250};
inline constexpr TwipRect imgAssembly1{0, 2250, 3000, 2250};
// The vernier's zero mark, in the panel: the main scale reads 90 - L / 88.5 mm there
// for the main scale's left edge L, at 88.5 twips per millimetre.
inline constexpr int vernierZero = 570;
inline constexpr double twipsPerMm = 88.5;
inline constexpr TwipRect PicIC1{4650, 700, 3375, 3690};  // isotropicstress.gif, unscaled
} // namespace measurement

// frm1DConsolidation.Picture1 (5900 x 5350): the assembly, design positions. The
// pictures are transparent GIFs drawn for the stacking of this list, back to front
// (the cell over the plunger and ball, the assembled pictures over everything).
namespace consolidationAssembly {
inline constexpr TwipRect Picture1{120, 120, 5900, 5350};
inline constexpr TwipRect imgTopBottom{-100, 4000, 5985, 1005};
inline constexpr TwipRect imgILbase{550, 3600, 4725, 990};
inline constexpr TwipRect imgCRSBase{555, 3585, 5040, 1020};
inline constexpr TwipRect imgSample{1605, 1450, 2700, 885};
inline constexpr TwipRect imgSteelRing{1800, 700, 2310, 720};
inline constexpr TwipRect imgSampleIN{1800, 3200, 2295, 735};
inline constexpr TwipRect imgPorousStone{7730, 3580, 2445, 360};
inline constexpr TwipRect imgPlunger{1800, -1350, 2265, 525};
inline constexpr TwipRect imgBall{2760, -2590, 360, 390};
inline constexpr TwipRect imgCell{840, -1700, 4140, 1680};
inline constexpr TwipRect imgAssembledOedo{840, 2280, 4110, 1650};
inline constexpr TwipRect imgAssembledCRS{550, 2280, 5040, 2325};
inline constexpr TwipRect imgCRSTop{555, 1095, 4680, 1440};
inline constexpr TwipRect imgSideRod[4] = {
    {3840, 2200, 105, 1725}, {4950, 2050, 105, 1725}, {1920, 2200, 105, 1725}, {740, 2060, 105, 1725}};
inline constexpr TwipRect imgSideRodNut[6] = {{3765, 1680, 240, 165}, {4850, 1560, 240, 165}, {1845, 1680, 240, 165},
                                              {700, 1560, 240, 165},  {2040, 1500, 240, 165}, {3580, 1500, 240, 165}};
inline constexpr TwipRect imgCRSTopRod{2620, -1960, 555, 1740};
inline constexpr TwipRect imgCRSTopRodHidden{2640, 2160, 525, 480};
// Where the moving parts end up (tops; the porous stone's left).
inline constexpr int sampleFinalTop = 3050;
inline constexpr int steelRingFinalTop = 3100;
inline constexpr int sampleInLiftedTop = 3000;  // incremental loading lifts it for the porous stone
inline constexpr int porousStoneFinalLeft = 1730;
inline constexpr int plungerFinalTopIL = 2650, ballFinalTopIL = 2410;
inline constexpr int plungerFinalTopCRS = 2850, ballFinalTopCRS = 2610;
inline constexpr int cellFinalTop = 2300;
inline constexpr int crsTopRodFinalTop = 40;
inline constexpr int axis = 2930;  // the oedometer's axis
} // namespace consolidationAssembly

// frmScreenDAS1D: the apparatus pictures (placement free, 4500 x 3300 each box).
// Stack back to front: imgOedometer, imgAssembly, imgArm, then the weights.
namespace consolidationScreen {
inline constexpr TwipRect PicILSetup{0, 0, 4500, 3300};
inline constexpr TwipRect imgOedometer{0, 0, 4500, 3300};   // Base.gif: frame, dial gauge
inline constexpr TwipRect imgAssembly{180, 2190, 840, 750};  // AssemblySmall.gif: the cell
inline constexpr TwipRect imgArm{0, 450, 4500, 2550};        // arm.gif: lever, hanger
// imgLoad(i), one slotted weight each, stacked upwards on the hanger from i = 0.
inline constexpr TwipRect imgLoad0{3720, 2745, 510, 120};
inline constexpr int imgLoadStep = -120;  // top of imgLoad(i) = imgLoad0.top + i * imgLoadStep
inline constexpr TwipRect PicCRSSetup{0, 0, 4500, 3300};
inline constexpr TwipRect imgCRS{0, 0, 4500, 3300};  // CRSLoadingFrame.gif
// Captions placed over imgCRS, each beside the part it names.
inline constexpr TwipRect lblLVDT{3300, 760, 1100, 240};
inline constexpr TwipRect lblLoadCell{3300, 440, 1150, 240};
inline constexpr TwipRect lblTransducer{60, 2060, 1150, 240};
inline constexpr TwipRect lblBackPressure{3300, 2580, 1150, 240};
} // namespace consolidationScreen

// frmDirectShear.Picture1 (5900 x 5350): the assembly, design positions, stacked
// back to front in this order.
namespace directShearAssembly {
inline constexpr TwipRect imgBase{0, 3960, 5940, 1470};
inline constexpr TwipRect imgDSBottom{-4170, 3600, 4125, 1095};
inline constexpr TwipRect imgScrew1{1005, 3620, 285, 615};
inline constexpr TwipRect imgScrew2{4500, 3620, 285, 615};
inline constexpr TwipRect imgScrewPart1{1005, 4125, 285, 195};
inline constexpr TwipRect imgScrewPart2{4500, 4125, 285, 195};
inline constexpr TwipRect imgScrewTop1{1005, 4125, 270, 225};
inline constexpr TwipRect imgScrewTop2{4500, 4125, 270, 225};
inline constexpr TwipRect imgDSTop{430, -1970, 4845, 1095};
inline constexpr TwipRect imgHalfSand{1800, 3240, 2040, 180};
inline constexpr TwipRect imgFullSand{1680, 3150, 2340, 270};
inline constexpr TwipRect imgPlunger{1740, -1150, 2235, 555};
inline constexpr TwipRect imgTopBall{2740, -240, 240, 195};
inline constexpr int bottomFinalLeft = 830;
inline constexpr int screwFinalTop = 3920;
inline constexpr int topFinalTop = 3030;
inline constexpr int plungerFinalTop = 2850;
inline constexpr int topBallFinalTop = 2760;
inline constexpr int axis = 2855;
} // namespace directShearAssembly

// frmScreenDAS_DS.PicILSetup (placement free, 4800 x 3000). imgDSTop and
// imgTopWeight move right by 10 twips a point; there is room for 1250 twips. Stack
// back to front: imgDSBottom, imgBeadHose, imgBeads1/2, imgDSTop, imgTopWeight.
namespace directShearScreen {
inline constexpr TwipRect PicILSetup{0, 0, 4800, 3000};
inline constexpr TwipRect imgDSBottom{0, 0, 4800, 3000};       // DSBottomFull.gif: bed, lower half, horizontal LVDT
inline constexpr TwipRect imgDSTop{300, 1185, 2800, 645};      // DSTopFull.gif: upper half with sand, plate, ball
inline constexpr TwipRect imgTopWeight{1275, 150, 1050, 1200};  // normal load hanger and vertical LVDT
inline constexpr TwipRect imgBeadHose{450, 2325, 2700, 180};    // BeadHose.gif: the carriage's ball race
inline constexpr TwipRect imgBeads1{510, 2355, 2580, 120};
inline constexpr TwipRect imgBeads2{510, 2355, 2580, 120};
// The post of the horizontal LVDT and the bracket of the vertical one, which the captions clear.
inline constexpr double horizontalLVDTPostLeft = 4450;
inline constexpr double verticalLVDTBracketLeft = imgTopWeight.left + 20;
inline constexpr TwipRect lblNormalLoad{60, 300, 1150, 240};
// Three lines each ("LVDT measuring" on the first), above the upper half and left of the post.
inline constexpr TwipRect lblVerticalLVDT{60, 600, 1230, 560};
inline constexpr TwipRect lblHorizontalLVDT{3180, 1920, 1240, 560};
} // namespace directShearScreen

// frmTTT.picAssembly (5800 x 5985) and the other true triaxial pictures. The
// hollow-cylinder sketches stack in their numbering order, back to front.
namespace trueTriaxial {
inline constexpr TwipRect imgTTT{20, 1635, 5760, 4320};        // TTT_0.jpg ... TTT_10.jpg, stretched
inline constexpr TwipRect dlgImgAssembly{0, 0, 2565, 2160};     // Assmbly.jpg, Sketch_1.jpg, stretched
inline constexpr TwipRect screenImgTTT{3910, 525, 3400, 2900};  // TTT_10.jpg, Sketch_2.jpg, stretched
// The hollow-cylinder sketches; imgHCT_10 at its final place (it waits at Left 3800).
inline constexpr TwipRect imgHCT_1{1680, 5145, 2415, 585};
inline constexpr TwipRect imgHCT_2{1680, 5200, 2445, 540};
inline constexpr TwipRect imgHCT_3{2040, 1200, 1620, 4155};
inline constexpr TwipRect imgHCT_4{1725, 1380, 2325, 4020};
inline constexpr TwipRect imgHCT_5{2070, 1095, 1635, 465};
inline constexpr TwipRect imgHCT_6{1660, 1060, 2430, 525};
inline constexpr TwipRect imgHCT_7{2070, 1000, 1635, 195};
inline constexpr TwipRect imgHCT_8{1680, 1020, 2430, 4710};
inline constexpr TwipRect imgHCT_9[4] = {{1650, 5470, 2490, 210}, {1650, 5400, 2490, 210},
                                         {1650, 1320, 2490, 210}, {1650, 1240, 2490, 210}};
inline constexpr TwipRect imgHCT_10{1965, 1530, 1860, 3465};
inline constexpr int imgHCT_10LoadedLeft = 3800;
inline constexpr TwipRect imgHCT_11{1470, 4830, 2820, 900};
inline constexpr TwipRect imgHCT_12{1995, 945, 1830, 735};
inline constexpr TwipRect imgHCT_13{1500, 920, 2775, 4815};
inline constexpr TwipRect imgHCT_14{1500, 680, 2760, 540};
inline constexpr TwipRect imgHCT_15{2780, -150, 240, 990};
inline constexpr int axis = 2895;
} // namespace trueTriaxial

} // namespace lx::pictures
