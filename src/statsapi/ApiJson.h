#pragma once
// The Stats API's JSON as the readers take it: parsed without exceptions, and read through
// accessors that give "" or nothing for any value that is missing or of another kind, so a
// reader never fails on a response of an unexpected shape.

#include <initializer_list>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace quillbat {

using Json = nlohmann::json;

// Larger responses are refused rather than parsed (the biggest real one is under 1 MiB).
inline constexpr std::size_t kMaxJsonBytes = 16u << 20;

// Parses text (a leading UTF-8 byte-order mark is skipped). Returns "" or why the text is not
// usable: too large, not JSON, or not a JSON object.
std::string ParseJson(std::string_view text, Json& value);
// The same for a downloaded file; the reason names the file.
std::string ReadJsonFile(const std::string& path, Json& value);
// A reader's file entry point: parses the file and hands the response to `read` (a callable
// taking the parsed Json and returning "" or why not); every reason names the file.
template <typename Read>
std::string ReadJsonFileWith(const std::string& path, Read read) {
    Json response;
    std::string error = ReadJsonFile(path, response);
    if (error.empty()) error = read(response);
    return error.empty() || error.find(path) != std::string::npos ? error : path + ": " + error;
}

// The member at the end of the path of keys; nullptr when any step is missing or not an object.
const Json* Member(const Json& value, std::initializer_list<const char*> path);
// The array at the end of the path; an empty array when there is none.
const Json& Items(const Json& value, std::initializer_list<const char*> path);
// The text of a string, or the digits of a number ("12", "4.5"), at the end of the path; "" for
// anything else.
std::string Text(const Json& value, std::initializer_list<const char*> path);

// True for a Stats API id as it may enter an address or a file name: 1 to 10 digits.
bool IsApiId(std::string_view id);

}  // namespace quillbat
