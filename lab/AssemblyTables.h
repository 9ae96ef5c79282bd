#pragma once
// The assembly animations of the test windows as tables: their pictures at the design
// positions (lab/PictureLayout.h), back to front, and their steps. The set-up forms run
// them on their timers; the triaxial and direct shear screens apply one step per
// replayed point; the picture tool draws the same tables on its contact sheets.
#include "lab/AssemblyAnimation.h"

namespace lx::assembly {

// frm1DConsolidation.Picture1, every 600 ms. kind "IL" or "CRS"; any other kind runs the
// steps that test no kind (the sample, ring, plunger, ball and cell) and stops.
AssemblyAnimation consolidation(const QString& kind);

// frmDirectShear.Picture1, every 600 ms: 24 steps and the stop.
AssemblyAnimation directShear();

// frmTTT.picAssembly for the hollow cylinder, 1500 ms (800 ms from the ninth tick to the
// thirteenth): 19 steps and the stop.
AssemblyAnimation hollowCylinder();

// frmScreenDASTriaxial.PicTesting: the cell, specimen, top cap and rings, and the move
// of one replayed point of pointCount (the cap 300 twips down and the specimen 80 wider
// over a whole run).
AssemblyAnimation triaxialApparatus();
AssemblyStep triaxialApparatusPoint(const AssemblyAnimation& apparatus, int pointCount);

// frmScreenDAS_DS.PicILSetup: the shear box, the move of one replayed point (the upper
// half and its load 10 twips right, the beads switching) and the end of the replay
// (beads hidden).
AssemblyAnimation directShearBox();
AssemblyStep directShearBoxPoint(const AssemblyAnimation& box);
AssemblyStep directShearBoxEnd(const AssemblyAnimation& box);

// frmScreenDAS1D.PicILSetup: the loading frame (imgOedometer, imgAssembly, imgArm) and the
// fourteen slotted weights imgLoad(0) to imgLoad(13), stacked upwards on the hanger from
// imgLoad(0), all hidden at first.
AssemblyAnimation consolidationLoadFrame();
inline constexpr int ConsolidationWeights = 14;
// The step that puts weights on the hanger and takes others off, by weight index; an index
// outside 0 .. 13 has no picture and is left out.
AssemblyStep consolidationWeights(const AssemblyAnimation& frame, const std::vector<int>& show,
                                  const std::vector<int>& hide);
// frmScreenDAS1D.PicCRSSetup: the constant-rate-of-strain loading frame (imgCRS).
AssemblyAnimation consolidationCRSFrame();

} // namespace lx::assembly
