#pragma once
// One copy of the program at a time works in the temporary folder: a game list or a Create
// holds this lock from its first download to its end, and start-up and exit empty the folder
// only when no other copy holds it. The lock is a hidden file in the folder, which emptying
// the folder leaves alone.

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "platform/FileLock.h"

namespace quillbat {

inline constexpr const char* kTempFolderLockName = ".quillbat.lock";
inline constexpr int kMaxLockWaitSeconds = 600;

class TempFolderLock {
public:
    // Takes the lock, waiting while another copy holds it (the status says so, and the window's
    // events keep running) for at most kMaxLockWaitSeconds or until the program closes.
    explicit TempFolderLock(AppContext& ctx);

    // False when the wait ended without the lock; the user has then been told that another
    // Quillbat is busy.
    bool Held() const { return held_; }

private:
    std::optional<FileLock> lock_;
    bool held_ = false;
};

// The lock taken only when it is free at once, for tidying: Held() false when another copy holds it.
FileLock TryTempFolderLock(const Settings& settings);

}  // namespace quillbat
