#include "core/engine2d/result_files.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr size_t kShownFieldLength = 20;

class LineWriter {
 public:
  void Int(int value) { Field(GeneralText(value)); }
  void Float(float value) { Field(GeneralText(value)); }
  void OrnField(Orn orn) { Float(OrnNumber(orn)); }
  void Text(std::string_view text) { Field(QuotedField(text)); }
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

  // In-place forms, so that one field list serves the reader and the writer.
  void Text(std::string& value) { value = Text(); }
  void Float(float& value) { value = Float(); }
  void Int(int& value) { value = Int(); }
  void OrnField(Orn& orn) { orn = OrnOfNumber(Float()); }

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

// The fields of one record of each file, in file order. Fields is a LineWriter or a
// RecordReader, so that writing and reading cannot disagree on the order.
template <typename Fields, typename Element>
void LayoutFields(Fields& f, Element& e) {
  f.Int(e.layout_no);
  f.Int(e.kind);
  f.Int(e.stock_index);
  f.Float(e.x1);
  f.Float(e.y1);
  f.Float(e.x2);
  f.Float(e.y2);
  f.Float(e.repeat);
  f.Int(e.orientation);
}

template <typename Fields, typename Stock>
void StockFields(Fields& f, Stock& s) {
  f.Float(s.l1);
  f.Float(s.l2);
  f.Text(s.l1_in);
  f.Text(s.l2_in);
  f.Float(s.qty);
  f.Float(s.m_l);
  f.Float(s.m_t);
  f.Float(s.m_r);
  f.Float(s.m_b);
  f.Float(s.cp_sft);
}

template <typename Fields, typename Glass>
void GlassFields(Fields& f, Glass& g) {
  f.Float(g.l1);
  f.Float(g.l2);
  f.Text(g.l1_in);
  f.Text(g.l2_in);
  f.Float(g.qty);
  f.OrnField(g.orn);
  f.Text(g.customer);
  f.Text(g.chl1_in);
  f.Text(g.chl2_in);
  f.Text(g.ac);
  f.Text(g.site);
  f.Text(g.sr_no);
  f.Text(g.ref);
  f.Text(g.from);
  f.Float(g.sp_sft);
  f.Text(g.address);
}

// Reads the file at path with read_bytes; a missing file reads as no records.
template <typename Read>
Read ReadFileWith(const std::string& path, Read (*read_bytes)(std::string_view)) {
  std::optional<std::string> bytes = std::string();
  if (FileExists(path)) bytes = ReadFileBytes(path, kTableFileLimit);
  if (!bytes) return {{}, "cannot read " + path};
  return read_bytes(*bytes);
}

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
    LayoutFields(writer, e);
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
    LayoutFields(reader, e);
    if (reader.CutShort()) break;
    read.elements.Append(e);
  }
  read.damage = reader.damage();
  return read;
}

LayoutFileRead ReadLayoutFile(const std::string& path) {
  return ReadFileWith(path, ReadLayoutBytes);
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
    StockFields(writer, s);
    writer.EndLine();
  }
  return writer.Take();
}

std::string GlassInputBytes(const GlassList& glasses) {
  LineWriter writer;
  for (const GlassRecord& g : glasses) {
    GlassFields(writer, g);
    writer.EndLine();
  }
  return writer.Take();
}

StockInputRead ReadStockInputBytes(std::string_view bytes) {
  StockInputRead read;
  RecordReader reader(bytes);
  while (reader.BeginRecord()) {
    StockRecord s;
    StockFields(reader, s);
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
    GlassFields(reader, g);
    if (reader.CutShort()) break;
    g.l1_as_read = g.l1;
    g.l2_as_read = g.l2;
    read.glasses.Append(g);
  }
  read.damage = reader.damage();
  return read;
}

StockInputRead ReadStockInput(const std::string& path) {
  return ReadFileWith(path, ReadStockInputBytes);
}

GlassInputRead ReadGlassInput(const std::string& path) {
  return ReadFileWith(path, ReadGlassInputBytes);
}

}  // namespace lumora
