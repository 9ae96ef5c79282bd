#pragma once
// Assembly animations without widgets: the pictures of one picture box (sprites, placed
// in twips, back to front, each shown or hidden) and a table of steps. Each timer tick
// performs the first step whose conditions all hold; when none holds the animation is
// finished (the window stops its timer). A replay moves its apparatus by applying one
// step per point. Positions are doubles: some moves are fractions of a twip.
// Only the standard library and Qt Core, so that the picture tool draws the same tables.
#include <QString>

#include <optional>
#include <vector>

namespace lx {

struct Sprite {
    QString name;         // the control, "imgSample" or "imgSideRod(0)"
    QString picture;      // the file the window loads, as the window names it
    double left = 0, top = 0, width = 0, height = 0;   // twips in the picture box
    bool visible = true;
};

// One condition of a step, on one sprite.
struct SpriteTest {
    enum Kind { Hidden, Shown, TopBelow, TopAbove, TopIs, LeftBelow, LeftAbove, LeftIs };
    int sprite = 0;
    Kind kind = Hidden;
    double value = 0;
    bool holds(const Sprite& s) const;
};

// One change of a step, on one sprite; with onlyIf it is made only when that holds.
struct SpriteChange {
    enum Kind { Show, Hide, Toggle, MoveBy, Resize, SetLeft, SetTop };
    int sprite = 0;
    Kind kind = Show;
    double dx = 0, dy = 0;   // MoveBy: the move; Resize: width and height added; SetLeft/SetTop: dx
    std::optional<SpriteTest> onlyIf = std::nullopt;
    void apply(Sprite& s) const;
};

// Where a picture goes when a window "moves it out" of view: it keeps its visibility.
inline constexpr double OutOfViewLeft = 10000;

struct AssemblyStep {
    std::vector<SpriteTest> when;       // all must hold; empty: always
    std::vector<SpriteChange> then;
    int interval = 0;                   // a new timer interval in ms; 0 keeps it
};

class AssemblyAnimation {
public:
    AssemblyAnimation() = default;
    AssemblyAnimation(std::vector<Sprite> sprites, std::vector<AssemblyStep> steps, int interval);

    // One timer tick: the index of the step performed, or -1 when no step holds.
    int tick();
    bool finished() const;              // the next tick performs nothing
    // Makes one step's changes, whatever its conditions (a replay's move per point).
    void apply(const AssemblyStep& step);
    // Back to the sprites and interval the animation started with.
    void reset();

    const std::vector<Sprite>& sprites() const { return sprites_; }
    const Sprite& sprite(int index) const { return sprites_.at(size_t(index)); }
    const Sprite& sprite(const QString& name) const;
    int indexOf(const QString& name) const;   // -1 when there is none
    const std::vector<AssemblyStep>& steps() const { return steps_; }
    int interval() const { return interval_; }
    int ticks() const { return ticks_; }      // ticks that performed a step since the start

private:
    int firstHolding() const;
    std::vector<Sprite> start_, sprites_;
    std::vector<AssemblyStep> steps_;
    int startInterval_ = 0, interval_ = 0, ticks_ = 0;
};

} // namespace lx
