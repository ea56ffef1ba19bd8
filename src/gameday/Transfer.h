#pragma once
// One HTTP, HTTPS, FTP or file transfer over libcurl, run on the calling thread with the
// window's events pumped while it waits.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace quillbat {

// Bounds that keep a hostile or broken server from hanging or flooding the program.
struct TransferLimits {
    long connectTimeoutMs = 15'000;
    long stallTimeoutMs = 30'000;  // no byte received for this long ends the transfer
    long totalTimeoutMs = 120'000;  // nor may a server trickling bytes hold it longer than this
    std::size_t maxBytes = 32u << 20;
    long maxRedirects = 5;
    long pollIntervalMs = 50;  // how often the event pump runs while waiting
};

struct TransferRequest {
    std::string url;
    std::string userAgent;
};

enum class TransferStage { Done, Setup, Open, Read };

struct TransferResult {
    TransferStage failedAt = TransferStage::Done;  // Done: the whole body arrived
    int errorCode = 0;  // libcurl's code, or the HTTP status when it was 400 or more
    std::string reason;  // what went wrong, in words
    std::string body;
};

// The reason of a transfer ended because the user interface asked work to stop.
inline constexpr const char* kTransferStopped = "stopped: the program is closing";

// The URL as libcurl takes it: blanks, control and non-ASCII bytes percent-encoded.
std::string EncodeUnsafeUrlBytes(const std::string& url);

// Fetches afresh (no cached copy), following at most limits.maxRedirects redirects. An HTTP
// status of 400 or more is a failure at the Open stage. Ends at once, as a failure, when the
// user interface asks work to stop.
TransferResult RunTransfer(const TransferRequest& request, const TransferLimits& limits, Ui& ui);

// The same for independent transfers run together on one thread, at most `connections` at
// once, each under its own bounds; the results come in the order of the requests.
std::vector<TransferResult> RunTransfers(const std::vector<TransferRequest>& requests,
                                         const TransferLimits& limits, int connections, Ui& ui);

}  // namespace quillbat
