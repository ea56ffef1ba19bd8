#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/TextFunctions.h"

namespace fs = std::filesystem;

namespace quillbat {

namespace {

bool MatchFrom(std::string_view p, std::string_view n) {
    std::size_t pi = 0, ni = 0, starP = std::string_view::npos, starN = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || (p[pi] != '*' && same(p[pi], n[ni])))) {
            ++pi, ++ni;
        } else if (pi < p.size() && p[pi] == '*') {
            starP = pi++, starN = ni;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1, ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

struct SplitPattern {
    std::string folder;
    std::string name;
};

SplitPattern Split(const std::string& pattern) {
    auto sep = pattern.find_last_of('/');
    if (sep == std::string::npos) return {".", pattern};
    return {sep == 0 ? "/" : pattern.substr(0, sep), pattern.substr(sep + 1)};
}

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

enum class Kind { Missing, PlainFile, Folder, Other };

Kind KindOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Kind::Missing;
    if (S_ISREG(st.st_mode)) return Kind::PlainFile;
    if (S_ISDIR(st.st_mode)) return Kind::Folder;
    return Kind::Other;
}

// Every directory entry of the pattern's folder that matches, with its kind.
template <typename Visit>
void ForEachMatch(const std::string& pattern, Visit visit) {
    SplitPattern sp = Split(pattern);
    DIR* dir = ::opendir(sp.folder.c_str());
    if (!dir) return;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (!WildcardMatch(sp.name, name)) continue;
        if (!visit(name, KindOf(JoinPath(sp.folder, name)))) break;
    }
    ::closedir(dir);
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (MatchFrom(pattern, name)) return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
        name.find('.') == std::string_view::npos)
        return MatchFrom(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string out(folder);
    if (out.back() != '/') out += '/';
    while (!name.empty() && name.front() == '/') name.remove_prefix(1);
    return out.append(name);
}

bool FileExists(const std::string& pattern) {
    if (pattern.empty()) return false;
    SplitPattern sp = Split(pattern);
    if (!HasWildcard(sp.name)) return KindOf(pattern) != Kind::Missing;
    bool found = false;
    ForEachMatch(pattern, [&](const std::string&, Kind) { return !(found = true); });
    return found;
}

bool FolderExists(const std::string& path) {
    if (IsBlank(path)) return false;
    std::string p = path;
    if (p.size() > 1 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
    return KindOf(p) == Kind::Folder;
}

bool CreateFolderPath(const std::string& path) {
    if (IsBlank(path)) return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return FolderExists(path);
}

std::vector<std::string> ListFiles(const std::string& pattern, bool includeHidden) {
    std::vector<std::string> names;
    ForEachMatch(pattern, [&](const std::string& name, Kind kind) {
        if (kind == Kind::PlainFile && (includeHidden || name.front() != '.')) names.push_back(name);
        return true;
    });
    return names;
}

int DeleteMatchingFiles(const std::string& pattern) {
    std::string folder = Split(pattern).folder;
    int deleted = 0;
    for (const auto& name : ListFiles(pattern, false))
        if (DeleteFile(JoinPath(folder, name))) ++deleted;
    return deleted;
}

bool DeleteFile(const std::string& path) {
    return KindOf(path) == Kind::PlainFile && ::unlink(path.c_str()) == 0;
}

bool CopyFile(const std::string& source, const std::string& target, bool failIfExists) {
    std::error_code ec;
    auto options = failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(source, target, options, ec) && !ec;
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    if (KindOf(path) != Kind::PlainFile) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return !in.bad();
}

std::string ReadTextFile(const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return "";
    std::string out;
    out.reserve(content.size() + content.size() / 32);
    for (std::size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
            if (i + 1 < content.size()) out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

bool WriteAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a temporary file beside the target and renames it over the target. The new file
// takes the mode and owner of `keep` when given (false when it cannot), else 0644 less the umask.
bool WriteAndRename(const std::string& path, std::string_view content, const struct stat* keep) {
    std::string temp = path + ".tmp-" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, content);
    if (keep) {
        ok = ::fchown(fd, keep->st_uid, keep->st_gid) == 0 && ok;  // fails for another's file
        ok = ::fchmod(fd, keep->st_mode & 07777) == 0 && ok;
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    return WriteAndRename(path, content, nullptr);
}

std::string LinkTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) break;
        fs::path link = fs::read_symlink(target, ec);
        if (ec) break;
        target = (link.is_absolute() ? link : fs::path(target).parent_path() / link).string();
    }
    return target;
}

bool ReplaceFileContents(const std::string& path, std::string_view content) {
    std::string target = LinkTarget(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0)
        return errno == ENOENT && WriteAndRename(target, content, nullptr);
    if (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0) return false;
    if (WriteAndRename(target, content, &existing)) return true;
    // A folder the user may not write in, or a file whose owner a new file could not keep:
    // the file itself is rewritten.
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, content);
    return ::close(fd) == 0 && ok;
}

bool AppendToFile(const std::string& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

}  // namespace quillbat
