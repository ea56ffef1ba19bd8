#include "gameday/Transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

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
    // Nor is a connection kept open after its transfer: an idle one would hold a server worker.
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
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

// One transfer of a batch, from the moment it is handed to libcurl.
struct Slot {
    std::unique_ptr<CURL, EasyDeleter> easy;
    Progress progress;
    Clock::time_point started;
    Cutoff cutoff = Cutoff::None;
    CURLcode code = CURLE_FAILED_INIT;
    bool ended = false;  // libcurl finished it, or the pump cut it off
};

Cutoff CutoffNow(const Slot& slot, const TransferLimits& limits, Clock::time_point now) {
    if (now - slot.progress.lastByte > std::chrono::milliseconds(limits.stallTimeoutMs))
        return Cutoff::Stalled;
    if (now - slot.started > std::chrono::milliseconds(limits.totalTimeoutMs)) return Cutoff::TooLong;
    return Cutoff::None;
}

// A batch of transfers on one multi handle, at most `connections` running at once, each
// bounded on its own; the window's events are pumped while any runs.
class Batch {
public:
    Batch(const std::vector<TransferRequest>& requests, const TransferLimits& limits, Ui& ui)
        : requests_(requests), limits_(limits), ui_(ui), slots_(requests.size()) {
        headers_.reset(curl_slist_append(nullptr, "Cache-Control: no-cache"));
        headers_.reset(curl_slist_append(headers_.release(), "Pragma: no-cache"));
    }
    ~Batch() {
        for (auto& slot : slots_)
            if (slot && !slot->ended) curl_multi_remove_handle(multi_, slot->easy.get());
    }

    // False when libcurl could not be set up.
    bool Run(CURLM* multi, int connections) {
        multi_ = multi;
        while (next_ < slots_.size() && active_ < connections)
            if (!Start()) return false;
        while (active_ > 0) {
            int running = 0;
            if (curl_multi_perform(multi_, &running) != CURLM_OK) return false;
            if (!Collect(connections)) return false;
            if (active_ == 0) break;
            curl_multi_poll(multi_, nullptr, 0, static_cast<int>(limits_.pollIntervalMs), nullptr);
            ui_.PumpEvents();
            if (ui_.StopRequested()) {
                CutAll(Cutoff::Stopped);
                break;
            }
            if (!CutSlowOnes(connections)) return false;
        }
        return true;
    }

    std::vector<std::unique_ptr<Slot>>& Slots() { return slots_; }

private:
    bool Start() {
        std::size_t i = next_++;
        auto slot = std::make_unique<Slot>();
        slot->easy.reset(curl_easy_init());
        if (!slot->easy) return false;
        slot->progress.maxBytes = limits_.maxBytes;
        slot->started = slot->progress.lastByte = Clock::now();
        TransferRequest encoded{EncodeUnsafeUrlBytes(requests_[i].url), requests_[i].userAgent};
        SetOptions(slot->easy.get(), encoded, limits_, slot->progress, headers_.get());
        curl_easy_setopt(slot->easy.get(), CURLOPT_PRIVATE, reinterpret_cast<char*>(i));
        curl_multi_add_handle(multi_, slot->easy.get());
        slots_[i] = std::move(slot);
        ++active_;
        return true;
    }

    bool Finish(Slot& slot, int connections) {
        slot.ended = true;
        curl_multi_remove_handle(multi_, slot.easy.get());
        --active_;
        return next_ >= slots_.size() || active_ >= connections || Start();
    }

    bool Collect(int connections) {
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
            if (message->msg != CURLMSG_DONE) continue;
            char* index = nullptr;
            curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &index);
            Slot& slot = *slots_[reinterpret_cast<std::size_t>(index)];
            slot.code = message->data.result;
            if (!Finish(slot, connections)) return false;
        }
        return true;
    }

    bool CutSlowOnes(int connections) {
        Clock::time_point now = Clock::now();
        for (std::size_t i = 0; i < next_; ++i) {
            Slot& slot = *slots_[i];
            if (slot.ended) continue;
            slot.cutoff = CutoffNow(slot, limits_, now);
            if (slot.cutoff == Cutoff::None) continue;
            slot.code = CURLE_OPERATION_TIMEDOUT;
            if (!Finish(slot, connections)) return false;
        }
        return true;
    }

    void CutAll(Cutoff cutoff) {
        for (std::size_t i = 0; i < next_; ++i) {
            Slot& slot = *slots_[i];
            if (slot.ended) continue;
            slot.cutoff = cutoff;
            slot.code = CURLE_ABORTED_BY_CALLBACK;
            slot.ended = true;
            curl_multi_remove_handle(multi_, slot.easy.get());
        }
        active_ = 0;
    }

    const std::vector<TransferRequest>& requests_;
    const TransferLimits& limits_;
    Ui& ui_;
    std::unique_ptr<curl_slist, ListDeleter> headers_;
    std::vector<std::unique_ptr<Slot>> slots_;
    CURLM* multi_ = nullptr;
    std::size_t next_ = 0;
    int active_ = 0;
};

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

std::vector<TransferResult> RunTransfers(const std::vector<TransferRequest>& requests,
                                         const TransferLimits& limits, int connections, Ui& ui) {
    std::vector<TransferResult> results(requests.size());
    auto stopped = [] { return Failure(TransferStage::Open, CURLE_ABORTED_BY_CALLBACK, kTransferStopped); };
    if (ui.StopRequested()) {
        std::fill(results.begin(), results.end(), stopped());
        return results;
    }
    InitCurlOnce();
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    Batch batch(requests, limits, ui);
    // A batch libcurl gave up on leaves its unfinished transfers failed.
    if (multi) batch.Run(multi.get(), std::max(connections, 1));
    ui.PumpEvents();  // even transfers that needed no wait let the window catch up
    for (std::size_t i = 0; i < requests.size(); ++i) {
        Slot* slot = batch.Slots()[i].get();
        if (!slot && ui.StopRequested())
            results[i] = stopped();
        else if (!slot)
            results[i] = Failure(TransferStage::Setup, CURLE_FAILED_INIT, "libcurl init failed");
        else
            results[i] = Outcome(slot->easy.get(), slot->code, slot->progress, slot->cutoff, limits);
    }
    return results;
}

TransferResult RunTransfer(const TransferRequest& request, const TransferLimits& limits, Ui& ui) {
    return RunTransfers({request}, limits, 1, ui).front();
}

}  // namespace quillbat
