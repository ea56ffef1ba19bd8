#pragma once
// Checks of flat tables against the real gameday files they came from. Each takes the file's
// own structure (read with pugixml directly) as the expected answer.

#include <string>

namespace quillbat::testing {

// Every starter (a batter whose bo is a multiple of 100) once, in document order, with his
// side, position, id, name and average in the batting columns; every pitcher with his side,
// id, name and ERA in the pitching columns.
void CheckBoxScore(const std::string& path);
// One row per player, in order, with his id in "id2" and his team's type on the row.
void CheckPlayers(const std::string& path);
// Each game's rows together and in order, the first carrying the game's attributes and its
// probable pitchers; counts the games whose probable pitchers were checked.
void CheckScoreboard(const std::string& path, int* gamesWithProbablePitchers = nullptr);

}  // namespace quillbat::testing
