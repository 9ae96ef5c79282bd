#pragma once
// The replay of a data-acquisition screen: which point the next timer event shows, and
// what each event does. The window keeps its QTimer and calls step() from its handler;
// the outputs it plugs in do the showing.
//
// A run of N points takes N + 1 steps: steps 1 to N show points 0 to N - 1, and step
// N + 1 finds no point left, ends the run and calls finished (the window stops its timer
// and enables what waits for the whole test: Create Report, Export Data). Later steps do
// nothing. A run of no points ends on its first step.
#include <functional>

namespace lx {

// What a step shows of point k (0-based), called in this order; any may be empty.
struct PointOutputs {
    std::function<void(int k)> listLine;      // the list's row for point k
    std::function<void(int k)> exportLine;    // the export text's line for point k
    std::function<void(int k)> chartPoint;    // k >= 1 only: the segment from k - 1 and k's marker
    std::function<void(int k)> animationStep; // the apparatus picture moves one step
};

struct ReplayOutputs : PointOutputs {
    std::function<void()> finished;           // once, on the step after the last point
};

class Replay {
public:
    Replay() = default;
    explicit Replay(ReplayOutputs outputs) : out(std::move(outputs)) {}

    void setOutputs(ReplayOutputs outputs) { out = std::move(outputs); }

    // Starts (or restarts) a run of n points at point 0. Point 0's marker belongs to the
    // chart set-up, which the window does before starting.
    void start(int n);
    // One timer event. True when it showed a point; false when it ended the run or the
    // run was already over.
    bool step();
    // Ends the run without calling finished (the window closes in mid-replay).
    void stop() { active = false; }

    bool running() const { return active; }
    // The 0-based index of the point the next step shows (nNextPoint).
    int nextPoint() const { return next; }
    int points() const { return count; }
    // Steps taken since start(), the ending one included.
    int ticks() const { return stepsTaken; }

private:
    ReplayOutputs out;
    int count = 0;
    int next = 0;
    int stepsTaken = 0;
    bool active = false;
};

} // namespace lx
