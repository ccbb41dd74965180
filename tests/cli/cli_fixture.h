#ifndef LUMORA_TESTS_CLI_CLI_FIXTURE_H_
#define LUMORA_TESTS_CLI_CLI_FIXTURE_H_

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/job/job_sections.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora::testing {

// lumora-cli run on the files of a temporary folder, with the data folder <folder>/data.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(folder_.File("data")); }

  // Arguments name files of the folder as "%name"; "=path" copies a file of tests/data (of
  // data/ for "examples/...") into the folder under its own name and stands for the copy.
  ProcessResult Run(std::vector<std::string> args, const std::string& data = "data") {
    for (std::string& arg : args) {
      if (arg.starts_with('%')) arg = folder_.File(arg.substr(1));
      if (arg.starts_with('=')) arg = Copy(arg.substr(1));
    }
    args.insert(args.end(), {"--data-dir", folder_.File(data)});
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  std::string Copy(const std::string& path) {
    const std::string from = path.starts_with("examples/") ? LUMORA_SOURCE_DATA_DIR "/" + path
                                                           : LUMORA_TEST_DATA_DIR "/" + path;
    const std::string to = folder_.File(std::filesystem::path(path).filename().string());
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    return to;
  }

  std::string Section(const std::string& name, JobTable table) const {
    return SplitJobFile(folder_.Read(name))[table];
  }

  TempFolder folder_;
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_CLI_CLI_FIXTURE_H_
