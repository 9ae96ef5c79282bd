#pragma once
// The cube's assembly slide show without widgets: slides 0 to 10, the note of each step
// (note k belongs to step k + 1), Previous, Next and Skip Slides, the 8-second advance, and
// the rules by which the show lets the student choose a soil and start the test. The set-up
// form shows what this says and calls its events from its buttons, timer and lists.
namespace truetriaxial {

class CubeShow {
public:
    static constexpr int LastStep = 10;
    static constexpr int Interval = 8000;   // ms between slides
    static constexpr int NoNote = -1;

    // The lists the rules read: whether a soil and a b-value are chosen now.
    struct Choices {
        bool soil = false;
        bool bValue = false;
    };

    // The click on the picture area: the show starts (or starts again) at step 1 with
    // only note 0 in view, Previous disabled and Next enabled.
    void start();
    void next(Choices choices);
    void previous();
    // One tick of the timer; after step 10 it ends the show.
    void tick(Choices choices);
    void skip(Choices choices);
    // A b-value was chosen: Start once the slides are skipped, ended or at their last step.
    void bValueChosen();

    int step() const { return step_; }
    int note() const { return note_; }            // the note in view, NoNote before the show
    bool invitationVisible() const { return invitation_; }
    bool previousEnabled() const { return previous_; }
    bool nextEnabled() const { return next_; }
    bool skipVisible() const { return skipVisible_; }
    bool timerRunning() const { return timer_; }
    bool soilListEnabled() const { return soilList_; }
    bool startEnabled() const { return start_; }

private:
    void show(int step);
    int step_ = 0;
    int note_ = NoNote;
    bool invitation_ = true;
    bool previous_ = false;
    bool next_ = false;
    bool skipVisible_ = true;
    bool timer_ = false;
    bool soilList_ = false;
    bool start_ = false;
};

} // namespace truetriaxial
