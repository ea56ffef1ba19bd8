#include "SampleWorld.h"

#include <set>

#include "SampleTree.h"

namespace quillbat::testing {
namespace {

TempFolder& Folder() {
    static TempFolder folder;
    return folder;
}

}  // namespace

const sample::World& TheWorld() {
    static const sample::World* world = [] {
        auto* w = new sample::World;
        sample::BuildWorld(*w, ReadFile(QUILLBAT_TEAMS_SQL), 2014);
        return w;
    }();
    return *world;
}

const std::string& WrittenWith(Writer writer) {
    static std::set<Writer> written;
    if (written.insert(writer).second) {
        sample::TreeWriter tree(Folder().path());
        writer(TheWorld(), tree);
    }
    return Folder().path();
}

std::string SampleFile(const std::string& host, const std::string& target) {
    auto path = sample::TreePath(Folder().path(), host, target);
    return path ? ReadFile(*path) : "";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

int Count(const std::string& text, const std::string& needle) {
    int n = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

std::string Attribute(const std::string& text, const std::string& name, std::size_t from) {
    std::string key = " " + name + "=\"";
    std::size_t at = text.find(key, from);
    if (at == std::string::npos) return "";
    at += key.size();
    return text.substr(at, text.find('"', at) - at);
}

}  // namespace quillbat::testing
