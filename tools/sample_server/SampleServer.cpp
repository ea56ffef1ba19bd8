#include "SampleServer.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <thread>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "SampleTree.h"

namespace quillbat::sample {
namespace {

std::string ReadFile(const std::string& path, bool& found) {
    std::error_code error;
    found = std::filesystem::is_regular_file(path, error);
    if (!found) return "";
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream text;
    if (found) text << in.rdbuf();
    return text.str();
}

// SplitMix64, as the generator uses, so a seed fixes which requests fail.
std::uint64_t NextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool IsPersonId(const std::string& id) {
    return !id.empty() && id.size() <= 10 && id.find_first_not_of("0123456789") == std::string::npos;
}

// The raw value of a query parameter (the hydration holds "=", which the server's own query
// parsing cuts at); "" when the target has none.
std::string QueryValue(const std::string& target, const std::string& name) {
    std::size_t question = target.find('?');
    if (question == std::string::npos) return "";
    std::string query = target.substr(question + 1);
    for (std::size_t start = 0; start < query.size();) {
        std::size_t amp = std::min(query.find('&', start), query.size());
        if (query.compare(start, name.size() + 1, name + "=") == 0)
            return query.substr(start + name.size() + 1, amp - start - name.size() - 1);
        start = amp + 1;
    }
    return "";
}

}  // namespace

std::optional<std::string> JoinPeople(const std::string& root, const std::string& host,
                                      const std::string& ids, const std::string& hydrate) {
    std::string personIds = ids;  // commas may come escaped
    for (const char* comma : {"%2C", "%2c"})
        for (std::size_t at; (at = personIds.find(comma)) != std::string::npos;)
            personIds.replace(at, 3, ",");
    auto people = nlohmann::ordered_json::array();
    std::string copyright;
    std::size_t start = 0;
    while (start <= personIds.size()) {
        std::size_t comma = std::min(personIds.find(',', start), personIds.size());
        std::string id = personIds.substr(start, comma - start);
        start = comma + 1;
        auto path = IsPersonId(id) ? TreePath(root, host, "/api/v1/people/" + id + "?hydrate=" + hydrate)
                                   : std::nullopt;
        bool found = false;
        std::string text = path ? ReadFile(*path, found) : "";
        auto single = nlohmann::ordered_json::parse(text, nullptr, false);
        if (!found || !single.is_object() || !single["people"].is_array())
            continue;  // unknown ids are left out
        for (auto& person : single["people"]) people.push_back(std::move(person));
        if (single["copyright"].is_string()) copyright = single["copyright"];
    }
    if (people.empty()) return std::nullopt;
    nlohmann::ordered_json answer = {{"copyright", copyright}, {"people", std::move(people)}};
    return answer.dump(2) + "\n";
}

std::string NotFoundPage(const std::string& target) {
    std::string safe;
    for (char c : target) safe += (c == '<' || c == '>' || c == '&') ? '_' : c;
    return "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n<title>404 Not "
           "Found</title>\n"
           "</head><body>\n<h1>Not Found</h1>\n<p>The requested URL " +
           safe + " was not found on this server (Quillbat sample server).</p>\n</body></html>\n";
}

std::string ContentTypeFor(const std::string& file) {
    std::string path = file.substr(0, file.find('@'));
    std::string name = path.substr(path.rfind('/') + 1);
    std::size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (extension == "xml") return "text/xml; charset=UTF-8";
    if (extension == "dat" || extension == "txt") return "text/plain; charset=UTF-8";
    return "text/html; charset=UTF-8";
}

SampleServer::SampleServer(ServerOptions options)
    : options_(std::move(options)),
      server_(std::make_unique<httplib::Server>()),
      randomState_(options_.seed) {
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        Answer(request, response);
    };
    server_->Get(".*", handler);
    server_->set_keep_alive_max_count(100);
    server_->set_read_timeout(5, 0);
}

SampleServer::~SampleServer() { Stop(); }

int SampleServer::Bind() {
    if (options_.port == 0) return server_->bind_to_any_port("127.0.0.1");
    return server_->bind_to_port("127.0.0.1", options_.port) ? options_.port : -1;
}

bool SampleServer::Run() { return server_->listen_after_bind(); }

bool SampleServer::IsRunning() const { return server_->is_running(); }

void SampleServer::Stop() {
    stopping_ = true;
    server_->stop();
}

bool SampleServer::Wait(int ms) const {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping_ && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 20)));
    return !stopping_;
}

std::vector<std::string> SampleServer::Requests() const {
    std::lock_guard lock(requestsMutex_);
    return requests_;
}

bool SampleServer::DrawFailure() {
    if (options_.failureRate <= 0.0) return false;
    std::lock_guard lock(randomMutex_);
    double u = static_cast<double>(NextRandom(randomState_) >> 11) / 9007199254740992.0;
    return u < options_.failureRate;
}

void SampleServer::Answer(const httplib::Request& request, httplib::Response& response) {
    const std::string host = request.get_header_value("Host");
    if (options_.logRequests) std::cerr << "GET " << host << request.target << "\n";
    {
        std::lock_guard lock(requestsMutex_);
        requests_.push_back(HostFolder(host) + request.target);
    }
    // A request still waiting when the server stops gets a 503, so shutting down never waits
    // for a client.
    bool hang = !options_.hangPath.empty() && request.path == options_.hangPath;
    if (!Wait(options_.latencyMs) || (hang && !Wait(std::numeric_limits<int>::max()))) {
        response.status = 503;
        response.set_content("<html><body><h1>503 Service Unavailable</h1><p>Stopping.</p></body></html>\n",
                             "text/html");
        return;
    }
    if (DrawFailure()) {
        response.status = 503;
        response.set_content("<html><body><h1>503 Service Unavailable</h1></body></html>\n", "text/html");
        return;
    }
    const bool api = HostFolder(host) == kStatsApiHost;
    if (api && request.path == "/api/v1/people" && request.has_param("personIds")) {
        auto body = JoinPeople(options_.root, host, QueryValue(request.target, "personIds"),
                               QueryValue(request.target, "hydrate"));
        if (body)
            response.set_content(*body, "application/json;charset=UTF-8");
        else {
            response.status = 404;
            response.set_content(NotFoundPage(request.path), "text/html");
        }
        return;
    }
    auto path = TreePath(options_.root, host, request.target);
    bool found = false;
    std::string body = path ? ReadFile(*path, found) : "";
    if (!found) {
        response.status = 404;
        response.set_content(NotFoundPage(request.path), "text/html");
        return;
    }
    response.set_content(body, api ? "application/json;charset=UTF-8" : ContentTypeFor(*path).c_str());
}

}  // namespace quillbat::sample
