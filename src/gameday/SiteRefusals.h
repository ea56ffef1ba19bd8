#pragma once
// Sites that refuse the program: an HTTP 403 or 429, or a bot challenge page served in place
// of the page asked for (as a success; an error status's body is not kept). A session that
// keeps a register asks a refusing site nothing more for the rest of the run and logs the
// refusal once, so a run that can do without the site goes on with one error-log line instead
// of one per address.

#include <set>
#include <string>

#include "gameday/Transfer.h"

namespace quillbat {

// The address's host (and port), lower case: "www.fangraphs.com" for
// "https://www.FanGraphs.com/leaders.aspx?pos=all".
std::string UrlHost(const std::string& url);

// "" when the answer is not a refusal, else its kind: "HTTP status 403", "HTTP status 429" or
// "a challenge page".
std::string RefusalIn(const TransferResult& result);

class SiteRefusals {
public:
    bool HasRefused(const std::string& url) const { return hosts_.count(UrlHost(url)) > 0; }
    // Notes the url's host; true when it had not refused before.
    bool Record(const std::string& url) { return hosts_.insert(UrlHost(url)).second; }

private:
    std::set<std::string> hosts_;
};

}  // namespace quillbat
