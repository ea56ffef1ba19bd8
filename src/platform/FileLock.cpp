#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>

namespace quillbat {

namespace {

struct Holding {
    int fd = -1;
    int count = 0;
};

std::mutex& HoldingsMutex() {
    static std::mutex mutex;
    return mutex;
}

// The locks this process holds, by path.
std::map<std::string, Holding>& Holdings() {
    static std::map<std::string, Holding> holdings;
    return holdings;
}

int OpenForLocking(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    return fd;
}

}  // namespace

FileLock::FileLock(const std::string& path, Wait wait) : path_(path) {
    std::lock_guard<std::mutex> guard(HoldingsMutex());
    Holding& holding = Holdings()[path];
    if (holding.count == 0) {
        int fd = OpenForLocking(path);
        if (fd < 0) return;
        int result;
        do {
            result = ::flock(fd, LOCK_EX | (wait == Wait::No ? LOCK_NB : 0));
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            heldElsewhere_ = errno == EWOULDBLOCK;
            ::close(fd);
            return;
        }
        holding.fd = fd;
    }
    ++holding.count;
    held_ = true;
}

FileLock::~FileLock() {
    if (!held_) return;
    std::lock_guard<std::mutex> guard(HoldingsMutex());
    Holding& holding = Holdings()[path_];
    if (--holding.count == 0) {
        ::close(holding.fd);  // closing the last descriptor releases the lock
        Holdings().erase(path_);
    }
}

}  // namespace quillbat
