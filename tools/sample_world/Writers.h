#pragma once
// One writer per source layout. Each writes every page of its kind that the program asks
// for on the sample days.

#include "SampleTree.h"
#include "World.h"

namespace quillbat::sample {

inline constexpr const char* kSeason = "2014";
inline constexpr const char* kGamedayBase = "/components/game/mlb";

void WriteScoreboards(const World& world, TreeWriter& tree);
void WriteBoxscores(const World& world, TreeWriter& tree);
void WritePlayersFiles(const World& world, TreeWriter& tree);
void WritePlayerGameFiles(const World& world, TreeWriter& tree);
void WriteSeasonFiles(const World& world, TreeWriter& tree);
void WriteRosterPages(const World& world, TreeWriter& tree);
void WriteFanGraphsPages(const World& world, TreeWriter& tree);
void WriteBaseballReferencePages(const World& world, TreeWriter& tree);
void WriteEspnPages(const World& world, TreeWriter& tree);
void WriteUpdateInfo(TreeWriter& tree);
// The Stats API's answers; a player's figures go into one file per player (see
// PersonStatsHydrate), which the sample server joins for a request of many players.
void WriteStatsApi(const World& world, TreeWriter& tree);
// The hydration of the players' figures request for a season, as the program sends it.
std::string PersonStatsHydrate(const std::string& season);
// The hydration of a batter's file holding his career line against a pitcher.
std::string VersusPitcherHydrate(const std::string& pitcherId);
// The release the sample update server offers: one revision past this build's version.
std::string SampleNewerVersion();

// The short name the gameday files show: the last name, with the first initial when a
// team-mate shares it ("Peña, J").
std::string RosterDisplayName(const Team& team, const Player& player);

}  // namespace quillbat::sample
