#pragma once
// An exclusive lock that separate processes of this program take on one file or folder, held
// while the object lives (flock; the system drops it when a process ends, however it ends).
// Taken twice in one process it is held once and counted, so nested users never wait on
// themselves.

#include <string>

namespace quillbat {

class FileLock {
public:
    enum class Wait { Yes, No };

    // Locks the file or folder at path (creating a missing file); with Wait::No it returns at
    // once, not held, when another process holds the lock.
    FileLock(const std::string& path, Wait wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }
    // Not held because another process holds it (rather than because the path cannot be opened).
    bool HeldElsewhere() const { return heldElsewhere_; }

private:
    std::string path_;
    bool held_ = false;
    bool heldElsewhere_ = false;
};

}  // namespace quillbat
