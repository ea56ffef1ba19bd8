#pragma once
// Where the sample world keeps each page: root/<host folder>/<request file>. The host folder
// is the request's host name without ".localhost" and port; the request file is the path
// with the query string appended after "@", percent-encoded so that it maps back to one
// query. The generator writes through these names and the sample server reads through them.

#include <optional>
#include <string>
#include <string_view>

namespace quillbat::sample {

// The hosts of the sample world, as folders and as the first label under ".localhost".
inline constexpr const char* kGamedayHost = "gd2";
inline constexpr const char* kFanGraphsHost = "fangraphs";
inline constexpr const char* kBaseballReferenceHost = "baseball-reference";
inline constexpr const char* kEspnHost = "espn";
inline constexpr const char* kUpdateHost = "updates";
inline constexpr const char* kStatsApiHost = "statsapi";

// "gd2.localhost:8080" and "GD2.LOCALHOST" give "gd2"; a name not under ".localhost" is kept
// (lower-cased, without port). Empty when the name holds anything but letters, digits, "-"
// and "." or is "." or "..".
std::string HostFolder(std::string_view hostHeader);

// "/team/roster_40man.jsp?c_id=nyy" gives "team/roster_40man.jsp@c_id=nyy". Percent escapes
// are decoded first, so "/a?team=Red%20Sox" and "/a?team=Red Sox" name the same file. Empty
// (not found) for a path that would leave the host folder.
std::string RequestFile(std::string_view target);

// root + "/" + host folder + "/" + request file; nullopt when either part is rejected.
std::optional<std::string> TreePath(const std::string& root, std::string_view hostHeader,
                                    std::string_view target);

}  // namespace quillbat::sample
