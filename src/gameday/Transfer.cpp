#include "gameday/Transfer.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <mutex>

namespace quillbat {

namespace {

using Clock = std::chrono::steady_clock;

// What the callbacks fill while the transfer runs.
struct Progress {
    std::string body;
    std::size_t maxBytes = 0;
    bool gotBody = false;
    bool overCap = false;
    Clock::time_point lastByte = Clock::now();
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* progress = static_cast<Progress*>(user);
    std::size_t bytes = size * count;
    progress->gotBody = true;
    progress->lastByte = Clock::now();
    if (progress->body.size() + bytes > progress->maxBytes) {
        progress->overCap = true;
        return 0;  // makes libcurl stop with a write error
    }
    progress->body.append(data, bytes);
    return bytes;
}

std::size_t OnHeader(char*, std::size_t size, std::size_t count, void* user) {
    static_cast<Progress*>(user)->lastByte = Clock::now();
    return size * count;
}

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

void SetOptions(CURL* easy, const TransferRequest& request, const TransferLimits& limits, Progress& progress,
                curl_slist* headers) {
    curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy, CURLOPT_USERAGENT, request.userAgent.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, limits.maxRedirects);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &progress);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &progress);
}

// Why the pump gave up on a transfer that had not ended.
enum class Cutoff { None, Stalled, TooLong, Stopped };

// Runs the multi handle until the transfer ends, stalls or runs too long; returns libcurl's
// result code.
CURLcode Pump(CURLM* multi, const TransferLimits& limits, Progress& progress, Ui& ui, Cutoff& cutoff) {
    auto stallLimit = std::chrono::milliseconds(limits.stallTimeoutMs);
    auto deadline = Clock::now() + std::chrono::milliseconds(limits.totalTimeoutMs);
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi, &running) != CURLM_OK) return CURLE_FAILED_INIT;
        if (!running) break;
        curl_multi_poll(multi, nullptr, 0, static_cast<int>(limits.pollIntervalMs), nullptr);
        ui.PumpEvents();
        if (ui.StopRequested()) {
            cutoff = Cutoff::Stopped;
            return CURLE_ABORTED_BY_CALLBACK;
        }
        Clock::time_point now = Clock::now();
        if (now - progress.lastByte > stallLimit) cutoff = Cutoff::Stalled;
        if (now > deadline) cutoff = Cutoff::TooLong;
        if (cutoff != Cutoff::None) return CURLE_OPERATION_TIMEDOUT;
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE) return message->data.result;
    }
    return CURLE_FAILED_INIT;
}

TransferResult Failure(TransferStage stage, int code, std::string reason) {
    TransferResult result;
    result.failedAt = stage;
    result.errorCode = code;
    result.reason = std::move(reason);
    return result;
}

TransferResult Outcome(CURL* easy, CURLcode code, Progress& progress, Cutoff cutoff,
                       const TransferLimits& limits) {
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    // The URL counts as opened once a success status or a body byte arrived; a redirect loop
    // or a request never answered fails to open.
    bool opened = progress.gotBody || (status >= 200 && status < 300);
    TransferStage stage = opened ? TransferStage::Read : TransferStage::Open;
    if (cutoff == Cutoff::Stopped) return Failure(stage, CURLE_ABORTED_BY_CALLBACK, kTransferStopped);
    if (cutoff == Cutoff::Stalled) {
        return Failure(stage, CURLE_OPERATION_TIMEDOUT,
                       "no data for " + std::to_string(limits.stallTimeoutMs) + " ms");
    }
    if (cutoff == Cutoff::TooLong) {
        return Failure(stage, CURLE_OPERATION_TIMEDOUT,
                       "not finished after " + std::to_string(limits.totalTimeoutMs) + " ms");
    }
    if (code == CURLE_HTTP_RETURNED_ERROR || status >= 400) {
        return Failure(TransferStage::Open, static_cast<int>(status),
                       "HTTP status " + std::to_string(status));
    }
    if (progress.overCap || code == CURLE_FILESIZE_EXCEEDED) {
        return Failure(TransferStage::Read, CURLE_FILESIZE_EXCEEDED,
                       "larger than " + std::to_string(limits.maxBytes) + " bytes");
    }
    if (code != CURLE_OK) return Failure(stage, code, curl_easy_strerror(code));
    TransferResult done;
    done.body = std::move(progress.body);
    return done;
}

}  // namespace

std::string EncodeUnsafeUrlBytes(const std::string& url) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(url.size());
    for (unsigned char c : url) {
        if (c > 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

TransferResult RunTransfer(const TransferRequest& request, const TransferLimits& limits, Ui& ui) {
    if (ui.StopRequested()) return Failure(TransferStage::Open, CURLE_ABORTED_BY_CALLBACK, kTransferStopped);
    InitCurlOnce();
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) return Failure(TransferStage::Setup, CURLE_FAILED_INIT, "libcurl init failed");

    std::unique_ptr<curl_slist, ListDeleter> headers(curl_slist_append(nullptr, "Cache-Control: no-cache"));
    headers.reset(curl_slist_append(headers.release(), "Pragma: no-cache"));
    Progress progress;
    progress.maxBytes = limits.maxBytes;
    TransferRequest encoded{EncodeUnsafeUrlBytes(request.url), request.userAgent};
    SetOptions(easy.get(), encoded, limits, progress, headers.get());

    curl_multi_add_handle(multi.get(), easy.get());
    Cutoff cutoff = Cutoff::None;
    CURLcode code = Pump(multi.get(), limits, progress, ui, cutoff);
    curl_multi_remove_handle(multi.get(), easy.get());
    ui.PumpEvents();  // even a transfer that needed no wait lets the window catch up
    return Outcome(easy.get(), code, progress, cutoff, limits);
}

}  // namespace quillbat
