#include "core/engine2d/result_files.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "core/reports/number_text.h"
#include "core/tables/field_reader.h"
#include "core/tables/file_routines.h"

namespace lumora {
namespace {

constexpr size_t kShownFieldLength = 20;

class LineWriter {
 public:
  void Int(int value) { Field(GeneralText(value)); }
  void Float(float value) { Field(GeneralText(value)); }
  // The writer cannot escape a double quote inside a quoted text, so it leaves it out.
  void Text(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
      if (c != '"') quoted += c;
    }
    quoted += '"';
    Field(quoted);
  }
  void EndLine() {
    bytes_ += "\r\n";
    line_start_ = true;
  }
  std::string Take() { return std::move(bytes_); }

 private:
  void Field(std::string_view text) {
    if (!line_start_) bytes_ += ',';
    bytes_ += text;
    line_start_ = false;
  }

  std::string bytes_;
  bool line_start_ = true;
};

// Reads records field by field and keeps the first fault it meets.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : reader_(bytes) {}

  // Starts the next record; false at the end of the data.
  bool BeginRecord() {
    if (reader_.AtEnd()) return false;
    ++record_;
    field_ = 0;
    return true;
  }
  // True when the data ended inside the record begun last.
  bool CutShort() const { return cut_short_; }

  std::string Text() {
    ++field_;
    if (field_ > 1 && reader_.AtEnd() && !cut_short_) {
      cut_short_ = true;
      Note("record " + GeneralText(record_) + " ends after field " + GeneralText(field_ - 1));
    }
    return reader_.Next();
  }

  float Float() {
    const std::string text = Text();
    if (!IsNumberText(text)) NoteField(text, "is not a number");
    return ReadFloat(text);
  }

  int Int() {
    const std::string text = Text();
    const double value = ReadDouble(text);
    if (!IsNumberText(text) || value != std::trunc(value)) NoteField(text, "is not a whole number");
    if (value >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    return static_cast<int>(value);
  }

  const std::string& damage() const { return damage_; }

 private:
  void Note(std::string what) {
    if (damage_.empty()) damage_ = std::move(what);
  }
  void NoteField(std::string_view text, std::string_view complaint) {
    if (cut_short_) return;
    std::string shown(text.substr(0, kShownFieldLength));
    if (text.size() > kShownFieldLength) shown += "...";
    Note("record " + GeneralText(record_) + ", field " + GeneralText(field_) + " \"" + shown +
         "\" " + std::string(complaint));
  }

  FieldReader reader_;
  int record_ = 0;
  int field_ = 0;
  bool cut_short_ = false;
  std::string damage_;
};

std::optional<std::string> BytesOfFile(const std::string& path) {
  if (!FileExists(path)) return std::string();
  return ReadFileBytes(path);
}

std::string Unreadable(const std::string& path) { return "cannot read " + path; }

}  // namespace

void TransposeElements(ElementList& elements) {
  for (LayoutElement& e : elements) {
    std::swap(e.x1, e.y1);
    std::swap(e.x2, e.y2);
    if (e.orientation == 1 || e.orientation == 2) e.orientation = 3 - e.orientation;
  }
}

std::string LayoutFileBytes(const ElementList& elements) {
  LineWriter writer;
  for (const LayoutElement& e : elements) {
    writer.Int(e.layout_no);
    writer.Int(e.kind);
    writer.Int(e.stock_index);
    writer.Float(e.x1);
    writer.Float(e.y1);
    writer.Float(e.x2);
    writer.Float(e.y2);
    writer.Float(e.repeat);
    writer.Int(e.orientation);
    writer.EndLine();
  }
  return writer.Take();
}

std::optional<std::string> WriteLayoutFile(const std::string& path, const ElementList& elements) {
  return WriteFileAtomically(path, LayoutFileBytes(elements));
}

LayoutFileRead ReadLayoutBytes(std::string_view bytes) {
  LayoutFileRead read;
  RecordReader reader(bytes);
  while (reader.BeginRecord()) {
    LayoutElement e;
    e.layout_no = reader.Int();
    e.kind = reader.Int();
    e.stock_index = reader.Int();
    e.x1 = reader.Float();
    e.y1 = reader.Float();
    e.x2 = reader.Float();
    e.y2 = reader.Float();
    e.repeat = reader.Float();
    e.orientation = reader.Int();
    if (reader.CutShort()) break;
    read.elements.Append(e);
  }
  read.damage = reader.damage();
  return read;
}

LayoutFileRead ReadLayoutFile(const std::string& path) {
  const std::optional<std::string> bytes = BytesOfFile(path);
  if (!bytes) return {{}, Unreadable(path)};
  return ReadLayoutBytes(*bytes);
}

std::string FindIndexDamage(const ElementList& elements, int stock_count, int glass_count) {
  for (int i = 1; i <= elements.Count(); ++i) {
    const LayoutElement& e = elements[i];
    const std::string where = "element " + GeneralText(i) + ": ";
    if (e.stock_index < 1 || e.stock_index > stock_count) {
      return where + "stock index " + GeneralText(e.stock_index) + " is not in the stock list";
    }
    if (e.kind == 0 || e.kind < kFullCut) {
      return where + "kind " + GeneralText(e.kind) + " is unknown";
    }
    if (e.kind > glass_count) {
      return where + "glass index " + GeneralText(e.kind) + " is not in the glass list";
    }
    if (e.kind > 0 && e.orientation != 1 && e.orientation != 2) {
      return where + "orientation " + GeneralText(e.orientation) + " is neither 1 nor 2";
    }
  }
  return {};
}

std::string StockInputBytes(const StockList& stocks) {
  LineWriter writer;
  for (const StockRecord& s : stocks) {
    writer.Float(s.l1);
    writer.Float(s.l2);
    writer.Text(s.l1_in);
    writer.Text(s.l2_in);
    writer.Float(s.qty);
    writer.Float(s.m_l);
    writer.Float(s.m_t);
    writer.Float(s.m_r);
    writer.Float(s.m_b);
    writer.Float(s.cp_sft);
    writer.EndLine();
  }
  return writer.Take();
}

std::string GlassInputBytes(const GlassList& glasses) {
  LineWriter writer;
  for (const GlassRecord& g : glasses) {
    writer.Float(g.l1);
    writer.Float(g.l2);
    writer.Text(g.l1_in);
    writer.Text(g.l2_in);
    writer.Float(g.qty);
    writer.Float(g.orn);
    writer.Text(g.customer);
    writer.Text(g.chl1_in);
    writer.Text(g.chl2_in);
    writer.Text(g.ac);
    writer.Text(g.site);
    writer.Text(g.sr_no);
    writer.Text(g.ref);
    writer.Text(g.from);
    writer.Float(g.sp_sft);
    writer.Text(g.address);
    writer.EndLine();
  }
  return writer.Take();
}

std::optional<std::string> WriteStockInput(const std::string& path, const StockList& stocks) {
  return WriteFileAtomically(path, StockInputBytes(stocks));
}

std::optional<std::string> WriteGlassInput(const std::string& path, const GlassList& glasses) {
  return WriteFileAtomically(path, GlassInputBytes(glasses));
}

StockInputRead ReadStockInputBytes(std::string_view bytes) {
  StockInputRead read;
  RecordReader reader(bytes);
  while (reader.BeginRecord()) {
    StockRecord s;
    s.l1 = reader.Float();
    s.l2 = reader.Float();
    s.l1_in = reader.Text();
    s.l2_in = reader.Text();
    s.qty = reader.Float();
    s.m_l = reader.Float();
    s.m_t = reader.Float();
    s.m_r = reader.Float();
    s.m_b = reader.Float();
    s.cp_sft = reader.Float();
    if (reader.CutShort()) break;
    s.l1_as_read = s.l1;
    s.l2_as_read = s.l2;
    read.stocks.Append(s);
  }
  read.damage = reader.damage();
  return read;
}

GlassInputRead ReadGlassInputBytes(std::string_view bytes) {
  GlassInputRead read;
  RecordReader reader(bytes);
  while (reader.BeginRecord()) {
    GlassRecord g;
    g.l1 = reader.Float();
    g.l2 = reader.Float();
    g.l1_in = reader.Text();
    g.l2_in = reader.Text();
    g.qty = reader.Float();
    g.orn = reader.Float();
    g.customer = reader.Text();
    g.chl1_in = reader.Text();
    g.chl2_in = reader.Text();
    g.ac = reader.Text();
    g.site = reader.Text();
    g.sr_no = reader.Text();
    g.ref = reader.Text();
    g.from = reader.Text();
    g.sp_sft = reader.Float();
    g.address = reader.Text();
    if (reader.CutShort()) break;
    g.l1_as_read = g.l1;
    g.l2_as_read = g.l2;
    read.glasses.Append(g);
  }
  read.damage = reader.damage();
  return read;
}

StockInputRead ReadStockInput(const std::string& path) {
  const std::optional<std::string> bytes = BytesOfFile(path);
  if (!bytes) return {{}, Unreadable(path)};
  return ReadStockInputBytes(*bytes);
}

GlassInputRead ReadGlassInput(const std::string& path) {
  const std::optional<std::string> bytes = BytesOfFile(path);
  if (!bytes) return {{}, Unreadable(path)};
  return ReadGlassInputBytes(*bytes);
}

}  // namespace lumora
