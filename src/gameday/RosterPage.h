#pragma once
// A team's 40-man roster page: the players of a team whose game has no box score yet.

#include <string>
#include <string_view>
#include <vector>

#include "gameday/wininet.h"

namespace quillbat {

struct RosterEntry {
    std::string playerId;
    std::string firstName, lastName;
    std::string positionGroup;  // "P", "C", "IF", "OF", "DH" or ""
    std::string number;  // digits only, or ""
    std::string bats, throws;  // one character each, or ""
};

// A page lists 40 players; more than this many are not read.
inline constexpr std::size_t kMaxRosterEntries = 100;

// The team's sub-host on the team-site domain: city name without spaces and dots, ".", team
// name without spaces, lower case ("newyork.yankees"); "" when either holds anything but
// letters and digits after that, so outside data never shapes a host name.
std::string RosterSubHost(std::string_view cityName, std::string_view teamName);
// http:// + sub-host + "." + domain + "/team/roster_40man.jsp?c_id=" + file code in lower case;
// "" when the sub-host or the file code (letters and digits) is unusable.
std::string RosterPageUrl(std::string_view domain, std::string_view cityName, std::string_view teamName,
                          std::string_view fileCode);

// The players of a roster page's text (lines ended by CR LF or LF), in page order.
std::vector<RosterEntry> ReadRosterLines(std::string_view page);

// Fetches the team's roster page (no history or error-log lines), keeps it as "roster.htm" in
// the temporary folder and reads it; empty when the page could not be fetched.
std::vector<RosterEntry> ReadRosterPage(const NetSession& session, std::string_view cityName,
                                        std::string_view teamName, std::string_view fileCode);

// Moves a suffix ("Jr.", "III") and a surname particle ("de", "del", "van", "St.") from the
// end of the first name to the front of the last name, as a displayed name split at its last
// blank needs.
void NormalizePlayerName(std::string& firstName, std::string& lastName);

}  // namespace quillbat
