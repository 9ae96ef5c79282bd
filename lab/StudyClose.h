#pragma once
// How a parametric-study dialog ends, once, whichever comes first (its window closes or the
// dialog is destroyed): it is no longer the open study, its connection closes, and the
// study's activity is credited when a report was made since the study was (re)loaded.
#include "lab/ActivityCredit.h"

#include <functional>

namespace lx {

class Connection;

class StudyClose {
public:
    // forget: the dialog stops being its registry's instance.
    StudyClose(Activity activity, std::function<void()> forget) : activity(activity), forget(std::move(forget)) {}

    // A new study in the same dialog: no report yet.
    void reset() { made = false; }
    void reportMade() { made = true; }
    bool reportCreated() const { return made; }

    // Does the ending; later calls do nothing.
    void close(Connection& connection);

private:
    Activity activity;
    std::function<void()> forget;
    bool made = false;
    bool closed = false;
};

} // namespace lx
