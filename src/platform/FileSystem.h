#pragma once
// File and folder operations. Patterns name a folder and a last component that may hold the
// wildcards * and ?; names match without regard to case, and a trailing ".*" also matches a
// name without an extension (the way "*.*" matches every file).

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

bool WildcardMatch(std::string_view pattern, std::string_view name);
// Joins with "/", without doubling a separator already there.
std::string JoinPath(std::string_view folder, std::string_view name);

// True when at least one file or folder matches.
bool FileExists(const std::string& pattern);
// False for a blank path; one trailing separator is ignored.
bool FolderExists(const std::string& path);
// Creates the folder and every missing parent; false when that failed.
bool CreateFolderPath(const std::string& path);
// Names (without folder) of the plain files matching, in directory order; hidden files
// (names beginning with ".") only when asked.
std::vector<std::string> ListFiles(const std::string& pattern, bool includeHidden);
// Deletes the non-hidden plain files matching; returns how many deletions succeeded.
int DeleteMatchingFiles(const std::string& pattern);
bool DeleteFile(const std::string& path);
bool CopyFile(const std::string& source, const std::string& target, bool failIfExists);

// The whole file as bytes; false (and empty) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& content);
// A text file's lines joined by CR LF; "" when the file does not exist.
std::string ReadTextFile(const std::string& path);
// Writes a temporary file beside the target and renames it over the target.
bool WriteFileAtomically(const std::string& path, std::string_view content);
bool AppendToFile(const std::string& path, std::string_view text);

// The file a path finally names, following symbolic links (the path itself when it is none).
std::string LinkTarget(const std::string& path);
// Replaces the contents of the file at LinkTarget(path) by a temporary file, given the file's
// mode and owner, renamed over it; where that cannot be done (a folder the user may not write
// in, a file owned by someone else) the file is rewritten in place. A new file gets 0644 less
// the umask. False, with nothing changed, when the user may not write the file.
bool ReplaceFileContents(const std::string& path, std::string_view content);

}  // namespace quillbat
