#pragma once
// The template files of the three workbooks, in the templates folder.

namespace quillbat {

inline constexpr const char* kScorecardTemplate = "Scorecard Template.xlt";
inline constexpr const char* kRostersTemplate = "Rosters Template.xlt";
inline constexpr const char* kPitcherProfilesTemplate = "Starting Pitchers Profiles Template.xlt";

}  // namespace quillbat
