#pragma once
// The tables of the last Create run, written to the program folder in dev mode.

#include "app/AppContext.h"

namespace quillbat {

// "_debugPlayers.txt" (row, player id, fields 1-8 of each player) and "_debugPlayerList.txt"
// (row, fields 1-8 of each lineup entry): tab-separated, CR LF, written afresh.
void WriteDebugDumps(const AppContext& ctx);

}  // namespace quillbat
