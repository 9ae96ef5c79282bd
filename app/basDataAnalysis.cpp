#include "basDataAnalysis.h"

#include <array>

namespace basDataAnalysis {

namespace {

// The single value of a step written as a product (0.4 x 3 is 1.2000000477).
float step(double base, int i) { return static_cast<float>(base * i); }

void sameEnds(float& yMin, float& yMax)
{
    if (yMin == yMax)
        yMax = yMin + 4.0f;
}

} // namespace

float MaxValue(const float* values, int16_t n)
{
    if (n < 1)
        return 0.0f;
    float held = -1.0e10f;
    for (int16_t i = 0; i < n; ++i)
        if (values[i] > held)
            held = values[i];
    return held;
}

float MinValue(const float* values, int16_t n)
{
    if (n < 1)
        return 0.0f;
    float held = 1.0e10f;
    for (int16_t i = 0; i < n; ++i)
        if (values[i] < held)
            held = values[i];
    return held;
}

void NiceAxisRange(float& yMin, float& yMax)
{
    static constexpr std::array<float, 21> maxima = {5, 10, 20, 28, 40, 60, 80, 120, 160, 200, 240,
                                                     320, 400, 800, 1200, 1600, 2000, 4000, 6000, 8000, 10000};
    bool placed = false;
    for (float s : maxima) {
        if (yMax <= s) {
            yMax = s;
            placed = true;
            break;
        }
    }
    for (int i = 1; !placed && i <= 100; ++i) {
        const float s = 10000.0f + 4000.0f * float(i);
        if (yMax <= s) {
            yMax = s;
            placed = true;
        }
    }

    static constexpr std::array<float, 20> minima = {-10, -20, -40, -80, -100, -200, -400, -800, -1200, -1600,
                                                     -2000, -4000, -6000, -8000, -10000, -14000, -18000, -22000,
                                                     -26000, -30000};
    if (yMin >= 0.0f) {
        yMin = 0.0f;
    } else if (yMin > -5.0f) {
        yMin = -5.0f;
    } else {
        // Below the last step the data minimum itself is the axis minimum.
        for (float s : minima) {
            if (yMin >= s) {
                yMin = s;
                break;
            }
        }
    }
    sameEnds(yMin, yMax);
}

void NiceAxisRangeSmall(float& yMin, float& yMax)
{
    bool placed = false;
    for (int i = 1; i <= 10; ++i) {
        const float s = step(0.4, i);
        if (yMax <= s) {
            yMax = s;
            placed = true;
            break;
        }
    }
    if (!placed) {
        if (yMax <= 5.0f)
            yMax = 5.0f;
        else if (yMax <= 10.0f)
            yMax = 10.0f;
    }

    const float lowStep = step(0.4, 1);
    if (yMin > 0.0f)
        yMin = yMin > lowStep ? lowStep : 0.0f;
    else if (yMin > -5.0f)
        yMin = -5.0f;
    else if (yMin >= -10.0f)
        yMin = -10.0f;
    sameEnds(yMin, yMax);
}

void NiceAxisRangeFine(float& yMin, float& yMax)
{
    const float fifth = step(0.2, 1);
    if (yMax < fifth) {
        for (int i = 0; i <= 10; ++i) {
            const float s = step(0.02, i);
            if (yMax <= s) {
                yMax = s;
                break;
            }
        }
    } else if (yMax <= 1.0f) {
        for (int i = 1; i <= 5; ++i) {
            const float s = step(0.2, i);
            if (yMax <= s) {
                yMax = s;
                break;
            }
        }
    } else if (yMax <= 2.0f) {
        yMax = 2.0f;
    } else if (yMax <= 5.0f) {
        yMax = 5.0f;
    } else {
        yMax = 10.0f;
    }

    const float tenth = step(0.1, 1);
    if (yMin >= 0.0f) {
        yMin = yMin > tenth ? tenth : 0.0f;
    } else if (yMin > -1.0f) {
        for (int i = 1; i <= 5; ++i) {
            const float s = -step(0.2, i);
            if (s < yMin) {
                yMin = s;
                break;
            }
        }
    } else if (yMin >= -2.0f) {
        yMin = -2.0f;
    } else if (yMin >= -5.0f) {
        yMin = -5.0f;
    } else {
        yMin = -10.0f;
    }
    sameEnds(yMin, yMax);
}

} // namespace basDataAnalysis
