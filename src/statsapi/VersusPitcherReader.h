#pragma once
// Batters' career lines against one pitcher from the Stats API (the people request with
// `hydrate=stats(group=[hitting],type=[vsPlayerTotal],opposingPlayerId=...)`), laid out as
// ESPN's batter-versus-pitcher table, so the pitcher profiles read either source the same way.

#include <string>
#include <vector>

#include "sites/ESPN.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

struct VersusPitcherLines {
    // Columns "Batter", "AB", "H", "2B", "3B", "HR", "RBI", "BB", "SO", "AVG", "OBP", "SLG", "OPS";
    // one row per batter with a plate appearance against the pitcher, named "Last, First", in
    // ascending order.
    BatterVersusPitcher table;
    std::vector<std::string> playerIds;  // of each row, in the same order
};

// Returns "" or why the response is not a list of people.
std::string ReadVersusPitcher(const Json& response, VersusPitcherLines& lines);
std::string ReadVersusPitcherFile(const std::string& path, VersusPitcherLines& lines);

}  // namespace quillbat
