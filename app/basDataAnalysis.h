#pragma once
// Axis ranges for every chart: extremes of a curve and three ladders that widen a data
// range to round limits. All arithmetic and comparisons are single precision.
#include <cstdint>

namespace basDataAnalysis {

// Largest (smallest) of values[0..n-1]; 0 when n < 1. Reads exactly n elements.
float MaxValue(const float* values, int16_t n);
float MinValue(const float* values, int16_t n);

// Stresses and strains: 5, 10, 20, 28, 40, ... 10000, then steps of 4000 up to 410000.
void NiceAxisRange(float& yMin, float& yMax);
// Void ratios: steps of 0.4 up to 4, then 5 and 10.
void NiceAxisRangeSmall(float& yMin, float& yMax);
// Displacements in mm: steps of 0.02 below 0.2, of 0.2 up to 1, then 2, 5 and 10.
void NiceAxisRangeFine(float& yMin, float& yMax);

} // namespace basDataAnalysis
