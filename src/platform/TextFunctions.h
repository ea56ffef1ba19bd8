#pragma once
// Small text and path-text helpers. All are pure functions of their arguments.

#include <string>
#include <string_view>

namespace quillbat {

// Text after the last "." when there is one and it is not the last character; else "".
std::string GetFileExtension(std::string_view path);
std::string GetFileExtensionUpper(std::string_view path);
// Text before the last "\" or "/"; "" when there is none.
std::string GetParentFolder(std::string_view path);
// Text before the last "." of the whole path; the path unchanged when it has no ".".
std::string RemoveExtension(std::string_view path);

bool IsBlank(std::string_view text);
std::string TrimBlanks(std::string_view text);
// Removes "(...)" groups from the left; the first ")" closes the first "(".
std::string RemoveParenthesized(std::string_view text);
// Only the characters 0-9, "." and "-".
std::string KeepNumericChars(std::string_view text);
std::string RemoveSpaces(std::string_view text);
std::string RemoveDots(std::string_view text);
std::string RemoveNulChars(std::string_view text);
// True when every character is 0-9 (true for "").
bool IsAllDigits(std::string_view text);

std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
bool ContainsNoCase(std::string_view text, std::string_view part);
// Replaces every occurrence of `from` (not empty) by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

std::string BoolToYN(bool flag);
// True only for exactly "Y".
bool YNToBool(std::string_view text);
// Check box value 1 when the first character is "Y" or "y", else 0.
int YNToCheckValue(std::string_view text);
std::string CheckValueToYN(int checkValue);

}  // namespace quillbat
