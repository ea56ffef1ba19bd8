#pragma once
// The FanGraphs lookup that the lineup and player readers take, answered by the FanGraphs
// reader for the season of the game list.

#include "app/AppContext.h"
#include "gameday/FanGraphsLookup.h"

namespace quillbat {

// Valid while ctx lives.
FanGraphsLookup FanGraphsFor(AppContext& ctx);

}  // namespace quillbat
