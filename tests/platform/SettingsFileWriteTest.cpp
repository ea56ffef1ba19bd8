// Settings-file writes from outside the parsing: whose file it is, and two processes at once.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TempFolder.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

namespace quillbat {
namespace {

using testing::ReadFile;
using testing::TempFolder;

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// Runs body in a child process (as the unprivileged user "nobody" when asked and we are root);
// returns its exit status.
int InChild(const std::function<int()>& body, bool unprivileged = false) {
    pid_t child = ::fork();
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SettingsFileWrite, GoesThroughASymlinkAndKeepsTheFileMode) {
    TempFolder folder;
    std::string real = folder.Write("elsewhere/Quillbat.ini", "[Config]\nOutputDir=/out\n");
    ::chmod(real.c_str(), 0640);
    std::string link = folder / "Quillbat.ini";
    std::filesystem::create_symlink("elsewhere/Quillbat.ini", link);

    ASSERT_TRUE(WriteIniValue(link, "LastRun", "PrintOutput", "Y"));
    ASSERT_TRUE(DeleteIniKey(link, "Config", "OutputDir"));

    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
    EXPECT_EQ(ReadFile(real), "[Config]\n[LastRun]\nPrintOutput=Y\n");
    EXPECT_EQ(StatOf(real).st_mode & 07777, 0640u);
}

TEST(SettingsFileWrite, AFileTheUserMayNotWriteIsLeftAsItWas) {
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0777);  // the folder would let a rename replace the file
    std::string ini = folder.Write("Quillbat.ini", "[Config]\nOutputDir=/out\n");
    ::chmod(ini.c_str(), 0444);
    ino_t before = StatOf(ini).st_ino;

    int status = InChild([&] { return WriteIniValue(ini, "Config", "OutputDir", "/new") ? 1 : 0; }, true);

    EXPECT_EQ(status, 0) << "the write says it failed";
    EXPECT_EQ(ReadFile(ini), "[Config]\nOutputDir=/out\n");
    EXPECT_EQ(StatOf(ini).st_ino, before);
    EXPECT_EQ(StatOf(ini).st_mode & 07777, 0444u);
}

TEST(SettingsFileWrite, TwoProcessesWritingDifferentKeysAtOnceKeepEveryKey) {
    TempFolder folder;
    std::string ini = folder.Write("Quillbat.ini", "[Config]\n");
    auto writer = [&](const std::string& section) {
        return [&ini, section] {
            for (int i = 0; i < 40; ++i)
                if (!WriteIniValue(ini, section, "Key" + std::to_string(i), std::to_string(i))) return 1;
            return 0;
        };
    };
    pid_t first = ::fork();
    if (first == 0) ::_exit(writer("First")());
    EXPECT_EQ(InChild(writer("Second")), 0);
    int status = 0;
    ::waitpid(first, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    for (const char* section : {"First", "Second"})
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(ReadIniValue(ini, section, "Key" + std::to_string(i)), std::to_string(i))
                << section << i;
}

}  // namespace
}  // namespace quillbat
