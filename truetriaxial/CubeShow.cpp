#include "truetriaxial/CubeShow.h"

namespace truetriaxial {

void CubeShow::show(int step)
{
    step_ = step;
    // One note in view at a time: the step's own.
    note_ = step >= 1 ? step - 1 : NoNote;
}

void CubeShow::start()
{
    invitation_ = false;
    show(1);
    previous_ = false;
    next_ = true;
    timer_ = true;
    soilList_ = true;
}

void CubeShow::next(Choices choices)
{
    if (!next_ || step_ >= LastStep)
        return;
    show(step_ + 1);
    previous_ = true;
    timer_ = true;   // the wait starts again from the press
    if (step_ == LastStep) {
        next_ = false;
        timer_ = false;
        if (choices.soil)
            start_ = true;
    }
}

void CubeShow::previous()
{
    if (!previous_ || step_ <= 1)
        return;
    show(step_ - 1);
    next_ = true;
    if (step_ == 1)
        previous_ = false;
    timer_ = true;
}

void CubeShow::tick(Choices choices)
{
    if (!timer_)
        return;
    if (step_ < LastStep) {
        show(step_ + 1);
        if (step_ > 1)
            previous_ = true;
        if (step_ == LastStep)
            next_ = false;
        return;
    }
    // The show is over: Skip Slides goes, so that a later b-value enables Start.
    timer_ = false;
    skipVisible_ = false;
    if (choices.bValue)
        start_ = true;
}

void CubeShow::skip(Choices choices)
{
    if (choices.soil)
        start_ = true;
    soilList_ = true;
    invitation_ = false;
    skipVisible_ = false;
}

void CubeShow::bValueChosen()
{
    if (!skipVisible_ || step_ == LastStep)
        start_ = true;
}

} // namespace truetriaxial
