#include "app/DebugDumps.h"

#include <vector>

#include "platform/FileSystem.h"

namespace quillbat {

namespace {

std::string Dump(const TextTable& table, const std::vector<int>& fields) {
    std::string text;
    for (int row = 1; row <= table.Rows(); ++row) {
        text += std::to_string(row);
        for (int field : fields) text += "\t" + table.At(field, row);
        text += "\r\n";
    }
    return text;
}

}  // namespace

void WriteDebugDumps(const AppContext& ctx) {
    std::vector<int> players = {PlayerField::kPlayerId, 1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<int> lineups = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteFileAtomically(JoinPath(ctx.settings.programFolder, "_debugPlayers.txt"), Dump(ctx.players, players));
    WriteFileAtomically(JoinPath(ctx.settings.programFolder, "_debugPlayerList.txt"), Dump(ctx.lineups, lineups));
}

}  // namespace quillbat
