// SPDX-License-Identifier: GPL-3.0-or-later
// The section engine's operations in their straightforward form: every copy
// pixel by pixel, every column walked down one pixel at a time, each
// operation written as its steps read. The engine's faster forms (row by
// row shifts, fused overlays, double-precision fold offsets, row scans)
// must give exactly the same pixels; equivalence_test.cpp compares them.
#pragma once

#include "section/section.h"

namespace section::reference {

// CopyRect one destination pixel at a time: ordered rectangles, mirrored
// axes, nearest-neighbour sampling floor(i * source / destination),
// combination by the destination's CopyMode, clipping to the destination,
// a source read as it was before the copy, and destination pixels whose
// source lies outside the source raster left as they were.
// The formation plane of o, when on, follows each written pixel: the
// source pixel's formation from a source with a plane, else
// FormationCourante in plain copy and, in Ou, where the source pixel is not
// black; Et from a source without a plane leaves it.
void CopyRect(Raster& o, Rect d, const Raster& src, Rect s);
// FillRect one pixel at a time, its plane kSansFormation under a blue
// brush, FormationCourante under any other.
void FillRect(Raster& o, Rect r);
// The raster's own line, drawn apart on a blank raster, then each painted
// pixel given the pen's colour and FormationCourante.
void Polyline(Raster& o, Point a, Point b);

// The probes read from each column's sky and rock rows (std::find over a
// column, the surface walk recorded then reduced), written apart from the
// engine's pixel walks so that the comparison can catch a fault in either.
void MesureSurface(Section& s);
Colonne ScruteColonne(const Section& s, int x);
int HautSocle(const Section& s);
// Visu as the top-left of Observe, pixel for pixel.
void AfficheProfil(Section& s);

// The operations in the order of the command panel, each a loop over
// columns or rows with the reference's own copy, fill and line.
void Sedimenter(Section& s);
void PlacerCoulee(Section& s);
void Eroder(Section& s);
void PlacerPluton(Section& s);
void Plisser(Section& s);
// The fold's offset of column x, in extended precision throughout.
int DecalagePli(const Section& s, int x);
void Chevaucher(Section& s);
void Distendre(Section& s);

// One line of a replayed list, by tag: MesureSurface first for the four
// operations that read the surface, then the operations of the event.
void RejouerTag(Section& s, int tag);

}  // namespace section::reference
