#ifndef LUMORA_TESTS_SUPPORT_TEMP_FOLDER_H_
#define LUMORA_TESTS_SUPPORT_TEMP_FOLDER_H_

#include <string>
#include <string_view>

namespace lumora::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// value goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name.
  std::string File(std::string_view name) const;
  // Writes bytes to a file of the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The bytes of a file of the folder; empty when it cannot be read.
  std::string Read(std::string_view name) const;

 private:
  std::string path_;
};

// The bytes of a file under tests/data.
std::string TestDataBytes(std::string_view relative_path);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_TEMP_FOLDER_H_
