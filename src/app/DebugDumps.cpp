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
    using namespace PlayerField;
    const std::vector<int> players = {kPlayerId,     kSide,         kTeamName, kFirstName, kLastName,
                                      kUniformNumber, kBoxScoreName, kRlValue,  kPosition};
    const std::vector<int> lineups = {LineupField::kSide,          LineupField::kBattingOrder,
                                      LineupField::kBoxScoreName,  LineupField::kAverage,
                                      LineupField::kPosition,      LineupField::kPlayerId,
                                      LineupField::kUniformNumber, LineupField::kWar};
    WriteFileAtomically(JoinPath(ctx.settings.programFolder, "_debugPlayers.txt"), Dump(ctx.players, players));
    WriteFileAtomically(JoinPath(ctx.settings.programFolder, "_debugPlayerList.txt"), Dump(ctx.lineups, lineups));
}

}  // namespace quillbat
