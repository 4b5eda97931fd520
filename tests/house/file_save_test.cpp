// Saving a file safely: the old file survives every failure, and only regular files are replaced.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "house/file_save.h"
#include "scratch_folder.h"

namespace tarvo {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "the house that was there\r\n";
const std::string kNew = "the house being saved\r\n";

// Saves in a child, so that limits or a changed user stay there, after `setUp` (false when
// the child cannot make what it was asked to). The save must fail with `error` and `description`.
void expectNotSavedInChild(const std::function<bool()>& setUp, const std::string& path, const std::string& bytes,
                           int error, const std::string& description) {
  EXPECT_EXIT(
      {
        if (!setUp()) std::_Exit(2);
        const SaveResult saved = saveFileSafely(path, bytes);
        std::fprintf(stderr, "%d %s\n", saved.errorNumber, saved.description.c_str());
        std::_Exit(!saved.ok && saved.errorNumber == error && saved.description == description ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

class FileSave : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder_.empty()); }

  std::string path(const std::string& name) const { return scratch_.file(name); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const { return test::fileBytes(path(name)); }

  // The names in a folder of the test, sorted, so that a temporary file left behind shows.
  std::vector<std::string> names(const std::string& sub = "") const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(sub.empty() ? folder_ : path(sub))) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  struct stat status(const std::string& name) const {
    struct stat s {};
    EXPECT_EQ(::lstat(path(name).c_str(), &s), 0) << name;
    return s;
  }

  test::ScratchFolder scratch_;
  const std::string folder_ = scratch_.path();
};

using Names = std::vector<std::string>;

TEST_F(FileSave, ReplacesTheRegularFileALinkNamesWithItsModeAndLeavesNoTemporaryFile) {
  write("house.hou", kOld);
  ASSERT_EQ(::chmod(path("house.hou").c_str(), 0640), 0);
  ASSERT_EQ(::symlink("house.hou", path("link").c_str()), 0);
  const SaveResult saved = saveFileSafely(path("link"), kNew);
  EXPECT_TRUE(saved.ok) << saved.description;
  EXPECT_EQ(read("house.hou"), kNew);
  EXPECT_EQ(status("house.hou").st_mode & 07777, 0640u);
  EXPECT_TRUE(S_ISLNK(status("link").st_mode));

  // A new file gets what any new file would: 0666 less the umask, not mkstemp's 0600.
  const mode_t mask = ::umask(027);
  const std::string large(3 << 20, 'x');
  EXPECT_TRUE(saveFileSafely(path("new.hou"), large).ok);
  ::umask(mask);
  EXPECT_EQ(status("new.hou").st_mode & 07777, 0640u);
  EXPECT_EQ(read("new.hou"), large);
  EXPECT_EQ(names(), (Names{"house.hou", "link", "new.hou"}));
}

// A rename goes over anything: saving onto /dev/full as root once left a regular file there.
// A device made in the test's folder stands in for /dev/full, so a fault here breaks nothing.
TEST_F(FileSave, RefusesDevicesFifosAndFoldersAndLinksToThemAndLeavesThemAlone) {
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
  ASSERT_EQ(::mkdir(path("folder").c_str(), 0755), 0);
  write("folder/inside.hou", kOld);
  const bool device = ::mknod(path("full").c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
  ASSERT_EQ(::symlink("fifo", path("to-fifo").c_str()), 0);
  ASSERT_EQ(::symlink(path("folder").c_str(), path("to-folder").c_str()), 0);
  ASSERT_EQ(::symlink("full", path("to-full").c_str()), 0);

  const auto expectRefused = [&](const std::string& name, const std::string& kind) {
    SCOPED_TRACE(name);
    const SaveResult saved = saveFileSafely(path(name), kNew);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorNumber, kSaveNotARegularFile);
    EXPECT_NE(saved.description.find(path(name)), std::string::npos) << saved.description;
    EXPECT_NE(saved.description.find(kind + ", not a regular file, so the house was not saved"), std::string::npos)
        << saved.description;
  };
  expectRefused("fifo", "a FIFO");
  expectRefused("folder", "a folder");
  expectRefused("to-fifo", "a FIFO");
  expectRefused("to-folder", "a folder");
  EXPECT_TRUE(S_ISFIFO(status("fifo").st_mode));
  EXPECT_TRUE(S_ISDIR(status("folder").st_mode));
  EXPECT_EQ(read("folder/inside.hou"), kOld);
  EXPECT_TRUE(S_ISLNK(status("to-fifo").st_mode));
  if (device) {
    expectRefused("full", "a device");
    expectRefused("to-full", "a device");
    EXPECT_TRUE(S_ISCHR(status("full").st_mode));
    EXPECT_EQ(status("full").st_rdev, ::makedev(1, 7));
  } else {
    ::symlink("missing", path("full").c_str());  // keeps the listing below the same
    std::cout << "no device made here (" << std::strerror(errno) << "): devices are not checked\n";
  }

  EXPECT_EQ(names(), (Names{"fifo", "folder", "full", "to-fifo", "to-folder", "to-full"}));
  EXPECT_EQ(names("folder"), Names{"inside.hou"});
}

// A file is never written in place: where no new file can be made beside it, it stays as it
// was. Tests run as root, whom a read-only folder does not stop, so that case runs as "nobody".
TEST_F(FileSave, AFolderThatTakesNoNewFileLeavesTheFileAsItWasAndIsNamed) {
  const auto expectNotSaved = [](const SaveResult& saved, int error, const std::string& folder) {
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorNumber, error) << saved.description;
    EXPECT_EQ(saved.description,
              "cannot write a new file in " + folder + ", so the house was not saved: " + std::strerror(error));
  };
  expectNotSaved(saveFileSafely(path("missing/house.hou"), kNew), ENOENT, path("missing"));
  write("plain", kOld);
  expectNotSaved(saveFileSafely(path("plain/house.hou"), kNew), ENOTDIR, path("plain"));
  EXPECT_EQ(read("plain"), kOld);

  // A folder that only its owner may write, holding a file that anyone may write.
  write("house.hou", kOld);
  ASSERT_EQ(::chmod(path("house.hou").c_str(), 0666), 0);
  ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);
  const bool root = ::geteuid() == 0;
  if (!root) {
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
  }
  expectNotSavedInChild(
      [&] { return !root || (::setgid(65534) == 0 && ::setuid(65534) == 0); }, path("house.hou"), kNew, EACCES,
      "cannot write a new file in " + folder_ + ", so the house was not saved: " + std::strerror(EACCES));
  ::chmod(folder_.c_str(), 0755);
  EXPECT_EQ(read("house.hou"), kOld);
  EXPECT_EQ(names(), (Names{"house.hou", "plain"}));
}

// The write itself fails part way, as on a full disk. The window ignores SIGXFSZ, so a file
// size limit shows as EFBIG.
TEST_F(FileSave, AWriteThatFailsPartWayLeavesTheOldFileAndReportsTheSystemsError) {
  write("house.hou", kOld);
  const auto limitFileSize = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 64;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  };
  expectNotSavedInChild(limitFileSize, path("house.hou"), std::string(64 << 10, 'x'), EFBIG,
                        "cannot write the house in a new file in " + folder_ + ", so it was not saved and " +
                            path("house.hou") + " is as it was: File too large");
  EXPECT_EQ(read("house.hou"), kOld);
  EXPECT_EQ(names(), Names{"house.hou"});
}

}  // namespace
}  // namespace tarvo
