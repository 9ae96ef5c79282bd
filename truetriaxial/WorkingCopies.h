#pragma once
// The windows' way to a kind's stored tests: the working copy start-up made, whose
// connection string the windows hand to the logic.
#include "truetriaxial/TrueTriaxialRun.h"

#include "app/basGlobal.h"

namespace truetriaxial {

inline QString connectionOf(Kind kind) { return kind == Kind::Cube ? basGlobal::ClayTTTConnection : basGlobal::HCTConnection; }

} // namespace truetriaxial
