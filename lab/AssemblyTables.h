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

} // namespace lx::assembly
