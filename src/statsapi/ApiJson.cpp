#include "statsapi/ApiJson.h"

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

const Json& EmptyArray() {
    static const Json empty = Json::array();
    return empty;
}

}  // namespace

std::string ParseJson(std::string_view text, Json& value) {
    value = Json();
    if (text.size() > kMaxJsonBytes) return "response too large (" + std::to_string(text.size()) + " bytes)";
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Json parsed = Json::parse(text, nullptr, false);
    if (parsed.is_discarded()) return "not JSON";
    if (!parsed.is_object()) return "not a JSON object";
    value = std::move(parsed);
    return "";
}

std::string ReadJsonFile(const std::string& path, Json& value) {
    std::string content;
    if (!ReadWholeFile(path, content)) {
        value = Json();
        return "cannot read " + path;
    }
    std::string error = ParseJson(content, value);
    return error.empty() ? "" : path + ": " + error;
}

const Json* Member(const Json& value, std::initializer_list<const char*> path) {
    const Json* at = &value;
    for (const char* key : path) {
        if (!at->is_object()) return nullptr;
        auto found = at->find(key);
        if (found == at->end()) return nullptr;
        at = &*found;
    }
    return at;
}

const Json& Items(const Json& value, std::initializer_list<const char*> path) {
    const Json* at = Member(value, path);
    return at && at->is_array() ? *at : EmptyArray();
}

std::string Text(const Json& value, std::initializer_list<const char*> path) {
    const Json* at = Member(value, path);
    if (!at) return "";
    if (at->is_string()) return at->get<std::string>();
    if (at->is_number_integer() || at->is_number_unsigned() || at->is_number_float()) return at->dump();
    return "";
}

bool IsApiId(std::string_view id) { return !id.empty() && id.size() <= 10 && IsAllDigits(id); }

}  // namespace quillbat
