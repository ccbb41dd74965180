#include "core/job/job_tables.h"

namespace lumora {

const std::vector<std::string>& BasicDetailsHeaders() {
  static const std::vector<std::string> headers = {"ITEM",   "GRADE",   "THICK",  "BLADE",
                                                   "MINCUT", "KERF",    "NOTE",   "T (MM)",
                                                   "B (MM)", "L1 (MM)", "L2 (MM)"};
  return headers;
}

const std::vector<std::string>& SheetHeaders() {
  static const std::vector<std::string> headers = {
      "L1 (MM)", "L2 (MM)", "L1 (IN)", "L2 (IN)", "QTY", "M(L)", "M(T)", "M(R)", "M(B)", "CP/SFT"};
  return headers;
}

const std::vector<std::string>& GlassHeaders() {
  static const std::vector<std::string> headers = {
      "L1 (MM)",  "L2 (MM)", "L1 (IN)", "L2 (IN)", "QTY",  "ORN", "ChL1 (IN)", "ChL2 (IN)",
      "CUSTOMER", "SP/SFT",  "SR.NO",   "REF",     "SITE", "A/C", "FROM",      "ADDRESS"};
  return headers;
}

const std::vector<std::string>& FlawListHeaders() {
  static const std::vector<std::string> headers = {"X (MM)", "Y (MM)", "W (MM)", "H (MM)",
                                                   "SHEET",  "ROW",    "X (IN)", "Y (IN)",
                                                   "W (IN)", "H (IN)"};
  return headers;
}

}  // namespace lumora
