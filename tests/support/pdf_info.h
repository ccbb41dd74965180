#ifndef LUMORA_TESTS_SUPPORT_PDF_INFO_H_
#define LUMORA_TESTS_SUPPORT_PDF_INFO_H_

#include <string>

namespace lumora::testing {

// The page count pdfinfo (poppler-utils) reads from a PDF file; -1, and a test failure, when it
// cannot read it.
int PdfPages(const std::string& file);

// The text of a PDF file as pdftotext lays it out (pages end with a form feed); empty, and a test
// failure, when it cannot read it.
std::string PdfText(const std::string& file);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_PDF_INFO_H_
