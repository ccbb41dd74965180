#include "core/exports/spreadsheet_files.h"

#include <xlsxwriter.h>

#include <algorithm>

#include "core/base/delimited_text.h"
#include "core/base/file_routines.h"

namespace lumora {
namespace {

std::string CsvField(const std::string& latin1) {
  const std::string text = Latin1ToUtf8(latin1);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// A sheet name as workbooks allow it: at most 31 characters, none of []:*?/\.
std::string SheetName(const std::string& name) {
  std::string sheet;
  for (const char c : Latin1ToUtf8(name)) {
    if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) sheet += c;
  }
  return sheet.substr(0, 31);
}

// A workbook of the largest grids the program keeps takes a few megabytes.
constexpr size_t kWorkbookLimit = 256 * 1024 * 1024;

}  // namespace

std::string CsvBytes(const ExportTable& table) {
  std::string bytes;
  auto line = [&bytes](const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) bytes += (i > 0 ? "," : "") + CsvField(fields[i]);
    bytes += "\r\n";
  };
  line(table.headers);
  for (const std::vector<ExportCell>& row : table.rows) {
    std::vector<std::string> fields;
    for (const ExportCell& cell : row) fields.push_back(cell.text);
    line(fields);
  }
  return bytes;
}

std::string AlignedText(const ExportTable& table) {
  std::vector<size_t> widths;
  for (const std::string& header : table.headers) widths.push_back(header.size());
  for (const std::vector<ExportCell>& row : table.rows) {
    for (size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], row[c].text.size());
    }
  }
  std::string text = table.name + "\n";
  const auto line = [&](const std::vector<std::string>& fields, const std::vector<bool>& right) {
    std::string out;
    for (size_t c = 0; c < fields.size() && c < widths.size(); ++c) {
      const std::string pad(widths[c] - fields[c].size(), ' ');
      out += (c > 0 ? "  " : "") + (right[c] ? pad + fields[c] : fields[c] + pad);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    text += out + "\n";
  };
  line(table.headers, std::vector<bool>(table.headers.size(), false));
  for (const std::vector<ExportCell>& row : table.rows) {
    std::vector<std::string> fields;
    std::vector<bool> right;
    for (const ExportCell& cell : row) {
      fields.push_back(cell.text);
      right.push_back(cell.number.has_value());
    }
    line(fields, right);
  }
  return text;
}

std::optional<std::string> WriteWorkbook(const std::vector<ExportTable>& tables,
                                         const std::string& path) {
  // The workbook library writes to a path only.
  const ScratchFile scratch("lumora-xlsx-");
  if (scratch.path().empty()) {
    return SaveFailureText({path, "no temporary file for the workbook"});
  }
  lxw_workbook* workbook = workbook_new(scratch.path().c_str());
  if (workbook == nullptr) return SaveFailureText({path, "the workbook could not be started"});
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  lxw_format* two_decimals = workbook_add_format(workbook);
  format_set_num_format(two_decimals, "0.00");
  for (const ExportTable& table : tables) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(table.name).c_str());
    if (sheet == nullptr) continue;
    for (size_t c = 0; c < table.headers.size(); ++c) {
      worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                             Latin1ToUtf8(table.headers[c]).c_str(), bold);
      worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                           std::max<double>(10, table.headers[c].size() + 2), nullptr);
    }
    for (size_t r = 0; r < table.rows.size(); ++r) {
      const auto row = static_cast<lxw_row_t>(r + 1);
      for (size_t c = 0; c < table.rows[r].size(); ++c) {
        const ExportCell& cell = table.rows[r][c];
        const auto col = static_cast<lxw_col_t>(c);
        if (cell.number) {
          worksheet_write_number(sheet, row, col, *cell.number,
                                 cell.two_decimals ? two_decimals : nullptr);
        } else if (!cell.text.empty()) {
          worksheet_write_string(sheet, row, col, Latin1ToUtf8(cell.text).c_str(), nullptr);
        }
      }
    }
  }
  const lxw_error error = workbook_close(workbook);
  if (error != LXW_NO_ERROR) return SaveFailureText({path, lxw_strerror(error)});
  const std::optional<std::string> bytes = ReadFileBytes(scratch.path(), kWorkbookLimit);
  if (!bytes) return SaveFailureText({path, "the workbook could not be read back"});
  return SaveFile(path, *bytes);
}

}  // namespace lumora
