#include "support/pdf_info.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/run_process.h"

namespace lumora::testing {

int PdfPages(const std::string& file) {
  const ProcessResult info = RunProcess("/bin/sh", {"-c", "pdfinfo \"$0\"", file});
  std::smatch match;
  const std::regex pages("Pages:\\s+([0-9]+)");
  if (info.exit_code != 0 || !std::regex_search(info.out, match, pages)) {
    ADD_FAILURE() << "pdfinfo could not read " << file << ": " << info.err;
    return -1;
  }
  return std::stoi(match[1]);
}

std::string PdfText(const std::string& file) {
  const ProcessResult text = RunProcess("/bin/sh", {"-c", "pdftotext -layout \"$0\" -", file});
  if (text.exit_code != 0) {
    ADD_FAILURE() << "pdftotext could not read " << file << ": " << text.err;
    return {};
  }
  return text.out;
}

}  // namespace lumora::testing
