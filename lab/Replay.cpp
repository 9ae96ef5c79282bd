#include "Replay.h"

namespace lx {

void Replay::start(int n)
{
    count = n < 0 ? 0 : n;
    next = 0;
    stepsTaken = 0;
    active = true;
}

bool Replay::step()
{
    if (!active)
        return false;
    ++stepsTaken;
    if (next >= count) {
        active = false;
        if (out.finished)
            out.finished();
        return false;
    }
    const int k = next;
    if (out.listLine)
        out.listLine(k);
    if (out.exportLine)
        out.exportLine(k);
    if (k >= 1 && out.chartPoint)
        out.chartPoint(k);
    if (out.animationStep)
        out.animationStep(k);
    next = k + 1;
    return true;
}

} // namespace lx
