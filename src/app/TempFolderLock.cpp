#include "app/TempFolderLock.h"

#include <chrono>
#include <thread>

#include "platform/FileSystem.h"

namespace quillbat {

namespace {

std::string LockPath(const Settings& settings) { return JoinPath(settings.tempFolder, kTempFolderLockName); }

}  // namespace

TempFolderLock::TempFolderLock(AppContext& ctx) {
    std::string path = LockPath(ctx.settings);
    lock_.emplace(path, FileLock::Wait::No);
    // A folder where no lock file can be made is not another copy at work: go on without it.
    held_ = lock_->Held() || !lock_->HeldElsewhere();
    if (held_) return;
    ctx.ui.ShowStatus("Waiting for another Quillbat to finish...");
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kMaxLockWaitSeconds);
    while (!held_ && !ctx.ui.StopRequested() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ctx.ui.PumpEvents();
        lock_.reset();
        lock_.emplace(path, FileLock::Wait::No);
        held_ = lock_->Held() || !lock_->HeldElsewhere();
    }
    if (!held_) {
        ctx.ui.Message(MsgIcon::Exclamation, "Busy",
                       "Another Quillbat is busy with the temporary folder " + ctx.settings.tempFolder +
                           ". Try again when it has finished.");
    }
}

FileLock TryTempFolderLock(const Settings& settings) {
    return FileLock(LockPath(settings), FileLock::Wait::No);
}

}  // namespace quillbat
