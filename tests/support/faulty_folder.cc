#include "support/faulty_folder.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/base/file_routines.h"
#include "core/job/job_sections.h"

namespace lumora::testing {
namespace {

constexpr const char* kFillerName = "filler";

// Writes chunks of the given size until the file system refuses one; answers the errno of
// that refusal.
int WriteUntilRefused(int fd, size_t chunk_size) {
  const std::vector<char> chunk(chunk_size, 'x');
  while (true) {
    const ssize_t written = ::write(fd, chunk.data(), chunk.size());
    if (written < 0 && errno != EINTR) return errno;
    if (written == 0) return ENOSPC;
  }
}

}  // namespace

std::string WriteFaultName(const ::testing::TestParamInfo<WriteFault>& info) {
  return info.param == WriteFault::kFull ? "Full" : "ReadOnly";
}

void FaultyFolderTest::SetUp() {
  if (::mount("tmpfs", path().c_str(), "tmpfs", 0, "size=256k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs on " << path() << " (" << std::strerror(errno)
                 << "): full and read-only folders need root or CAP_SYS_ADMIN";
  }
  mounted_ = true;
}

void FaultyFolderTest::TearDown() {
  if (mounted_ && ::umount2(path().c_str(), MNT_DETACH) != 0) {
    ADD_FAILURE() << "cannot unmount " << path() << ": " << std::strerror(errno);
  }
  mounted_ = false;
}

void FaultyFolderTest::Break() {
  ASSERT_TRUE(mounted_);
  if (GetParam() == WriteFault::kReadOnly) {
    ASSERT_EQ(::mount(nullptr, path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    return;
  }
  const int fd = ::open(File(kFillerName).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0) << std::strerror(errno);
  // Big chunks fill it fast; single bytes then take whatever the last page left.
  const int big_refusal = WriteUntilRefused(fd, 4096);
  const int last_refusal = WriteUntilRefused(fd, 1);
  ::close(fd);
  ASSERT_EQ(big_refusal, ENOSPC) << std::strerror(big_refusal);
  ASSERT_EQ(last_refusal, ENOSPC) << std::strerror(last_refusal);
}

std::string FaultyFolderTest::Reason() const {
  return std::strerror(GetParam() == WriteFault::kFull ? ENOSPC : EROFS);
}

std::map<std::string, std::string> FaultyFolderTest::Contents() const {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::directory_iterator(path())) {
    const std::string name = entry.path().filename().string();
    if (name == kFillerName) continue;
    contents[name] = ReadFileBytes(entry.path().string(), kJobFileLimit).value_or("<unreadable>");
  }
  return contents;
}

}  // namespace lumora::testing
