#include "lab/AssemblyAnimation.h"

#include <stdexcept>

namespace lx {

bool SpriteTest::holds(const Sprite& s) const
{
    switch (kind) {
    case Hidden: return !s.visible;
    case Shown: return s.visible;
    case TopBelow: return s.top < value;
    case TopAbove: return s.top > value;
    case TopIs: return s.top == value;
    case LeftBelow: return s.left < value;
    case LeftAbove: return s.left > value;
    case LeftIs: return s.left == value;
    }
    return false;
}

void SpriteChange::apply(Sprite& s) const
{
    switch (kind) {
    case Show: s.visible = true; break;
    case Hide: s.visible = false; break;
    case Toggle: s.visible = !s.visible; break;
    case MoveBy:
        s.left += dx;
        s.top += dy;
        break;
    case Resize:
        s.width += dx;
        s.height += dy;
        break;
    case SetLeft: s.left = dx; break;
    case SetTop: s.top = dx; break;
    }
}

AssemblyAnimation::AssemblyAnimation(std::vector<Sprite> sprites, std::vector<AssemblyStep> steps, int interval)
    : start_(sprites), sprites_(std::move(sprites)), steps_(std::move(steps)), startInterval_(interval),
      interval_(interval)
{
    // A table naming a sprite that is not there is a programming error, found at once.
    for (const AssemblyStep& step : steps_) {
        for (const SpriteTest& t : step.when)
            if (t.sprite < 0 || size_t(t.sprite) >= sprites_.size())
                throw std::out_of_range("assembly step tests a missing sprite");
        for (const SpriteChange& c : step.then)
            if (c.sprite < 0 || size_t(c.sprite) >= sprites_.size() ||
                (c.onlyIf && (c.onlyIf->sprite < 0 || size_t(c.onlyIf->sprite) >= sprites_.size())))
                throw std::out_of_range("assembly step changes a missing sprite");
    }
}

int AssemblyAnimation::firstHolding() const
{
    for (size_t i = 0; i < steps_.size(); ++i) {
        bool all = true;
        for (const SpriteTest& t : steps_[i].when)
            all = all && t.holds(sprites_[size_t(t.sprite)]);
        if (all)
            return int(i);
    }
    return -1;
}

int AssemblyAnimation::tick()
{
    const int i = firstHolding();
    if (i < 0)
        return -1;
    apply(steps_[size_t(i)]);
    ++ticks_;
    return i;
}

bool AssemblyAnimation::finished() const { return firstHolding() < 0; }

void AssemblyAnimation::apply(const AssemblyStep& step)
{
    // Every guard reads the sprites as they were before the step.
    const std::vector<Sprite> before = sprites_;
    for (const SpriteChange& c : step.then)
        if (!c.onlyIf || c.onlyIf->holds(before[size_t(c.onlyIf->sprite)]))
            c.apply(sprites_.at(size_t(c.sprite)));
    if (step.interval > 0)
        interval_ = step.interval;
}

void AssemblyAnimation::reset()
{
    sprites_ = start_;
    interval_ = startInterval_;
    ticks_ = 0;
}

int AssemblyAnimation::indexOf(const QString& name) const
{
    for (size_t i = 0; i < sprites_.size(); ++i)
        if (sprites_[i].name == name)
            return int(i);
    return -1;
}

const Sprite& AssemblyAnimation::sprite(const QString& name) const
{
    const int i = indexOf(name);
    if (i < 0)
        throw std::out_of_range("no sprite " + name.toStdString());
    return sprites_[size_t(i)];
}

} // namespace lx
