#ifndef LUMORA_TESTS_SUPPORT_FAULTY_FOLDER_H_
#define LUMORA_TESTS_SUPPORT_FAULTY_FOLDER_H_

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace lumora::testing {

// How a folder refuses writes: it is full to the last byte, or it is read-only.
enum class WriteFault { kFull, kReadOnly };

// "Full" or "ReadOnly", for the names of parameterized tests.
std::string WriteFaultName(const ::testing::TestParamInfo<WriteFault>& info);

// A fixture whose folder is a small tmpfs of its own, because this machine's tests run as root,
// which no file permission stops. A test puts the earlier files into the folder, calls Break()
// to make it refuse writes as the parameter says, and then runs the command under test. Tests
// are skipped with a message where the process may not mount.
class FaultyFolderTest : public ::testing::TestWithParam<WriteFault> {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& path() const { return folder_.path(); }
  std::string File(std::string_view name) const { return folder_.File(name); }
  std::string Write(std::string_view name, std::string_view bytes) const {
    return folder_.Write(name, bytes);
  }
  std::string Read(std::string_view name) const { return folder_.Read(name); }

  // Fills the file system until not one more byte fits, or remounts it read-only.
  void Break();
  // The reason the system gives for a write that Break() refuses, such as
  // "No space left on device".
  std::string Reason() const;
  // Every file of the folder (hidden ones too, but not the filler of a full folder) by name,
  // with its bytes.
  std::map<std::string, std::string> Contents() const;

 private:
  TempFolder folder_;
  bool mounted_ = false;
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_FAULTY_FOLDER_H_
