#include "core/exports/layouts_dxf.h"

#include <dl_dxf.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/cuts/cut_list.h"
#include "core/cuts/cut_order.h"

namespace lumora {
namespace {

constexpr std::string_view kTextStyle = "Standard";

// A drawing of the most elements a result holds takes some tens of megabytes.
constexpr size_t kDrawingLimit = 256 * 1024 * 1024;

struct LayerLook {
  std::string_view name;
  int colour;  // AutoCAD colour index
};
constexpr std::array<LayerLook, 7> kLayers = {{{kDxfSheetLayer, 7},
                                               {kDxfMarginLayer, 2},
                                               {kDxfPieceLayer, 4},
                                               {kDxfBalanceLayer, 3},
                                               {kDxfScrapLayer, 8},
                                               {kDxfCutLayer, 1},
                                               {kDxfTextLayer, 7}}};

constexpr int kFlawColour = 1;  // red

DL_Attributes On(std::string_view layer) {
  return DL_Attributes(std::string(layer), DL_Codes::bylayer, -1, "BYLAYER", 1.0);
}

// Writes one layout's block; Y of the layout grows downwards, Y of the drawing upwards.
class BlockWriter {
 public:
  BlockWriter(DL_Dxf& dxf, DL_WriterA& out, float height) : dxf_(dxf), out_(out), height_(height) {}

  void Rect(float x1, float y1, float x2, float y2, std::string_view layer) {
    dxf_.writePolyline(out_, DL_PolylineData(4, 0, 0, 1), On(layer));
    for (const auto& [x, y] : {std::pair{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}) {
      dxf_.writeVertex(out_, DL_VertexData(x, Up(y)));
    }
    dxf_.writePolylineEnd(out_);
  }
  void Line(float x1, float y1, float x2, float y2, std::string_view layer) {
    dxf_.writeLine(out_, DL_LineData(x1, Up(y1), 0, x2, Up(y2), 0), On(layer));
  }
  // A text centred on the point.
  void Text(float x, float y, float size, const std::string& text) {
    const double up = Up(y);
    dxf_.writeText(
        out_, DL_TextData(x, up, 0, x, up, 0, size, 1, 0, 1, 2, text, std::string(kTextStyle), 0),
        On(kDxfTextLayer));
  }

 private:
  double Up(float y) const { return static_cast<double>(height_) - y; }

  DL_Dxf& dxf_;
  DL_WriterA& out_;
  float height_;
};

void WriteLayout(const LoadedResult& result, int n, const ScrapLimits& scrap, DL_Dxf& dxf,
                 DL_WriterA& out) {
  const int first = result.FirstOfLayout(n);
  const int last = result.LastOfLayout(n);
  const LayoutElement& frame = result.shown[first];
  const float width = frame.x2 - frame.x1;
  const float height = frame.y2 - frame.y1;
  const float title_size = std::max(width, height) / 40;
  BlockWriter block(dxf, out, height);
  block.Rect(frame.x1, frame.y1, frame.x2, frame.y2, kDxfSheetLayer);
  block.Text(width / 2, -title_size, title_size,
             "LAYOUT " + GeneralText(n) + " / " + GeneralText(result.LayoutCount()) + "  x " +
                 GeneralText(frame.repeat));
  for (int i = first + 1; i <= last; ++i) {
    const LayoutElement& e = result.shown[i];
    if (!(e.x2 - e.x1 > 0 && e.y2 - e.y1 > 0)) continue;
    if (e.kind == kMarginStrip) {
      block.Rect(e.x1, e.y1, e.x2, e.y2, kDxfMarginLayer);
    } else if (e.kind == kFreeRect) {
      block.Rect(e.x1, e.y1, e.x2, e.y2,
                 IsScrap(e.x1, e.y1, e.x2, e.y2, scrap) ? kDxfScrapLayer : kDxfBalanceLayer);
    } else if (e.kind > 0 && result.glasses.Contains(e.kind)) {
      block.Rect(e.x1, e.y1, e.x2, e.y2, kDxfPieceLayer);
      const GlassRecord& glass = result.glasses[e.kind];
      const float size = std::min({e.x2 - e.x1, e.y2 - e.y1, title_size * 3}) / 6;
      block.Text((e.x1 + e.x2) / 2, (e.y1 + e.y2) / 2, size,
                 TrimZeros(glass.l1) + " x " + TrimZeros(glass.l2));
    }
  }
  if (static_cast<size_t>(n) <= result.flaws.size()) {
    for (const FlawBox& flaw : result.flaws[static_cast<size_t>(n - 1)]) {
      block.Rect(flaw.x1, flaw.y1, flaw.x2, flaw.y2, kDxfFlawLayer);
    }
  }
  for (const Cut& cut : LayoutCutOrder(result, n).cuts) {
    const bool at_x = cut.axis == CutAxis::kX;
    const float end = cut.start + cut.length;
    if (at_x) {
      block.Line(cut.position, cut.start, cut.position, end, kDxfCutLayer);
    } else {
      block.Line(cut.start, cut.position, end, cut.position, kDxfCutLayer);
    }
    const float middle = cut.start + cut.length / 2;
    block.Text(at_x ? cut.position : middle, at_x ? middle : cut.position, title_size / 2,
               GeneralText(cut.number));
  }
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& out, int layouts, bool flaws) {
  out.sectionTables();
  dxf.writeVPort(out);
  out.tableLinetypes(3);
  dxf.writeLinetype(out, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  out.tableEnd();
  out.tableLayers(static_cast<int>(kLayers.size()) + (flaws ? 2 : 1));
  dxf.writeLayer(out, DL_LayerData("0", 0),
                 DL_Attributes("", DL_Codes::black, -1, "CONTINUOUS", 1));
  for (const LayerLook& layer : kLayers) {
    dxf.writeLayer(out, DL_LayerData(std::string(layer.name), 0),
                   DL_Attributes("", layer.colour, -1, "CONTINUOUS", 1));
  }
  if (flaws) {
    dxf.writeLayer(out, DL_LayerData(std::string(kDxfFlawLayer), 0),
                   DL_Attributes("", kFlawColour, -1, "CONTINUOUS", 1));
  }
  out.tableEnd();
  out.tableStyle(1);
  dxf.writeStyle(out, DL_StyleData(std::string(kTextStyle), 0, 0, 1, 0, 0, 2.5, "txt", ""));
  out.tableEnd();
  dxf.writeView(out);
  dxf.writeUcs(out);
  out.tableAppid(1);
  dxf.writeAppid(out, "ACAD");
  out.tableEnd();
  dxf.writeDimStyle(out, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(out);
  for (int n = 1; n <= layouts; ++n) dxf.writeBlockRecord(out, DxfLayoutBlockName(n));
  out.tableEnd();
  out.sectionEnd();
}

void WriteDrawing(const LoadedResult& result, const ScrapLimits& scrap, DL_Dxf& dxf,
                  DL_WriterA& out) {
  dxf.writeHeader(out);
  out.dxfString(9, "$INSUNITS");
  out.dxfInt(70, 4);  // millimetres
  out.dxfString(9, "$MEASUREMENT");
  out.dxfInt(70, 1);  // metric
  out.sectionEnd();
  const bool flaws = std::any_of(result.flaws.begin(), result.flaws.end(),
                                 [](const std::vector<FlawBox>& of) { return !of.empty(); });
  WriteTables(dxf, out, result.LayoutCount(), flaws);

  out.sectionBlocks();
  for (const char* space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(out, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(out, space);
  }
  float widest = 0;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const std::string name = DxfLayoutBlockName(n);
    dxf.writeBlock(out, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
    WriteLayout(result, n, scrap, dxf, out);
    dxf.writeEndBlock(out, name);
    const LayoutElement& frame = result.shown[result.FirstOfLayout(n)];
    widest = std::max(widest, frame.x2 - frame.x1);
  }
  out.sectionEnd();

  out.sectionEntities();
  double x = 0;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    dxf.writeInsert(out, DL_InsertData(DxfLayoutBlockName(n), x, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0),
                    On("0"));
    const LayoutElement& frame = result.shown[result.FirstOfLayout(n)];
    x += frame.x2 - frame.x1 + widest / 5;
  }
  out.sectionEnd();
  dxf.writeObjects(out);
  dxf.writeObjectsEnd(out);
  out.dxfEOF();
}

}  // namespace

std::string DxfLayoutBlockName(int layout_no) { return "LAYOUT " + GeneralText(layout_no); }

DxfExport LayoutsDxf(const LoadedResult& result, const ScrapLimits& scrap) {
  // The library writes to a named file only.
  const ScratchFile scratch("lumora-dxf-");
  if (scratch.path().empty()) return {"", "Could not create a temporary file for the DXF drawing."};
  {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> out(dxf.out(scratch.path().c_str(), DL_Codes::AC1015));
    if (!out) return {"", "Could not write the DXF drawing."};
    WriteDrawing(result, scrap, dxf, *out);
    out->close();
  }
  std::optional<std::string> bytes = ReadFileBytes(scratch.path(), kDrawingLimit);
  if (!bytes) return {"", "Could not read back the DXF drawing."};
  return {std::move(*bytes), ""};
}

}  // namespace lumora
