#include "workbooks/ScorecardText.h"

#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

constexpr const char* kSplitsFormat = "BASplits";
constexpr const char* kWarFormat = "BA/WAR";

std::string SplitOrDash(const std::string& average) { return IsBlank(average) ? "-" : average; }

}  // namespace

std::string PlayerHeading(const std::string& playerFormat) {
    if (playerFormat == kSplitsFormat) return "Player (BA L/R splits)";
    if (playerFormat == kWarFormat) return "Player (BA / WAR)";
    return "Player (BA)";
}

std::string PlayerText(const std::string& playerFormat, const TextTable& lineups, int row) {
    using namespace LineupField;
    const std::string& name = lineups.At(kBoxScoreName, row);
    const std::string& average = lineups.At(kAverage, row);
    if (playerFormat == kSplitsFormat) {
        return name + " (" + SplitOrDash(lineups.At(kAverageVsLeft, row)) + "/" +
               SplitOrDash(lineups.At(kAverageVsRight, row)) + ")";
    }
    const std::string& war = lineups.At(kWar, row);
    if (playerFormat == kWarFormat && !IsBlank(war)) return name + " (" + average + ", " + war + " WAR)";
    return name + " (" + average + ")";
}

int FindLineupRow(const TextTable& lineups, const std::string& side, int slot) {
    const std::string order = std::to_string(slot);
    for (int row = 1; row <= lineups.Rows(); ++row) {
        if (lineups.At(LineupField::kBattingOrder, row) == order &&
            lineups.At(LineupField::kSide, row) == side)
            return row;
    }
    return 0;
}

std::string GetPitcherThrows(const TextTable& players, const std::string& side, const std::string& number) {
    using namespace PlayerField;
    for (int row = 1; row <= players.Rows(); ++row) {
        if (EqualsNoCase(players.At(kSide, row), side) && players.At(kUniformNumber, row) == number)
            return players.At(kThrows, row);
    }
    return "";
}

std::string LookupPlayerField(const TextTable& players, const std::string& playerId, int field) {
    for (int row = 1; row <= players.Rows(); ++row) {
        if (players.At(PlayerField::kPlayerId, row) == playerId) return players.At(field, row);
    }
    return "";
}

void SplitCellAddress(const std::string& address, std::string& column, std::string& row) {
    column.clear();
    row.clear();
    size_t second = address.size() > 1 ? address.find('$', 1) : std::string::npos;
    if (second == std::string::npos) return;
    column = address.substr(1, second - 1);
    row = address.substr(second + 1);
}

}  // namespace quillbat
