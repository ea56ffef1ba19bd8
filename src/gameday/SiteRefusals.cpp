#include "gameday/SiteRefusals.h"

#include "platform/TextFunctions.h"

namespace quillbat {

std::string UrlHost(const std::string& url) {
    std::size_t start = url.find("//");
    start = start == std::string::npos ? 0 : start + 2;
    std::size_t end = url.find_first_of("/?#", start);
    std::string host = url.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (std::size_t at = host.rfind('@'); at != std::string::npos) host.erase(0, at + 1);
    return ToLower(host);
}

namespace {

// The pages bot shields answer with instead of the site's own ("Just a moment..." and the
// scripts of the challenge platform); the start of the body is enough to tell.
bool IsChallengePage(const std::string& body) {
    std::string start = body.substr(0, 8192);
    return ContainsNoCase(start, "<title>Just a moment") ||
           ContainsNoCase(start, "/cdn-cgi/challenge-platform/") ||
           ContainsNoCase(start, "<title>Attention Required!");
}

}  // namespace

std::string RefusalIn(const TransferResult& result) {
    if (result.failedAt == TransferStage::Open && (result.errorCode == 403 || result.errorCode == 429))
        return "HTTP status " + std::to_string(result.errorCode);
    if (result.failedAt == TransferStage::Done && IsChallengePage(result.body)) return "a challenge page";
    return "";
}

}  // namespace quillbat
