#include "core/engine2d/result_files.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "core/base/file_routines.h"
#include "core/engine2d/engine_builders.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Element;
using testing::Glass;
using testing::ListOf;
using testing::Stock;
using testing::TempFolder;

TEST(LayoutFile, WritesNineFieldsAndReadsEveryBitBack) {
  const ElementList elements = ListOf<LayoutElement>({
      Element(2, 0, 0, 1206, 906, 3, 4, 1, 1),
      Element(kFreeRect, 0.1f, 1023.99994f, 612.5f, 1e-7f, 1, 1, 12),
      Element(kFullCut, FLT_MAX, -2.5f, 16777216.0f, 3.3333333f, 1, 1, 2),
      Element(kMarginStrip, FLT_MIN, 0.3f, 1e10f, 2250.0001f, 32767, 32767, 32767),
  });
  const std::string bytes = LayoutFileBytes(elements);
  EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1), "3,2,1,0,0,1206,906,4,1\r\n");
  EXPECT_EQ(bytes.find_first_of(" e"), std::string::npos);
  const LayoutFileRead read = ReadLayoutBytes(bytes);
  EXPECT_EQ(read.damage, "");
  EXPECT_EQ(read.elements, elements);
  TempFolder folder;
  ASSERT_EQ(WriteLayoutFile(folder.File("dia.tlf"), elements), std::nullopt);
  EXPECT_EQ(folder.Read("dia.tlf"), bytes);
  EXPECT_EQ(ReadLayoutFile(folder.File("dia.tlf")).elements, elements);
  ASSERT_EQ(WriteLayoutFile(folder.File("empty.tlf"), ElementList()), std::nullopt);
  EXPECT_EQ(folder.Read("empty.tlf"), "");
  const LayoutFileRead missing = ReadLayoutFile(folder.File("missing.tlf"));
  EXPECT_TRUE(missing.elements.Empty());
  EXPECT_EQ(missing.damage, "");
}

TEST(LayoutFile, ReadsByPositionAndReportsDamage) {
  // LF only, no line break at the end, no leading zero.
  const LayoutFileRead loose = ReadLayoutBytes("1,-4,1,.5,0,10,20,1,0\n1,1,1,0,0,5,5,1,2");
  EXPECT_EQ(loose.damage, "");
  ASSERT_EQ(loose.elements.Count(), 2);
  EXPECT_EQ(loose.elements[1].x1, 0.5f);
  EXPECT_EQ(loose.elements[2].orientation, 2);
  // A short line takes its missing fields from the next line; the last record falls short.
  const LayoutFileRead short_line = ReadLayoutBytes("1,-4,1,0,0\r\n10,20,1,0\r\n1,1,1\r\n");
  ASSERT_EQ(short_line.elements.Count(), 1);
  EXPECT_EQ(short_line.elements[1].y2, 20.0f);
  EXPECT_EQ(short_line.damage, "record 2 ends after field 3");
  const LayoutFileRead words = ReadLayoutBytes("1,-4,one,0,0,x10,20,1.5,0\r\n");
  ASSERT_EQ(words.elements.Count(), 1);
  EXPECT_EQ(words.elements[1].stock_index, 0);
  EXPECT_EQ(words.damage, "record 1, field 3 \"one\" is not a whole number");
  EXPECT_EQ(ReadLayoutBytes("1,-4,1,0,0,x10,20,1,0.5\r\n").damage,
            "record 1, field 6 \"x10\" is not a number");
  // Indices outside the lists are damage too.
  ElementList odd = ListOf<LayoutElement>(
      {Element(kStockFrame, 0, 0, 1, 1, 1, 1, 2), Element(3, 0, 0, 1, 1, 1, 1, 2, 2)});
  EXPECT_EQ(FindIndexDamage(odd, 2, 3), "");
  EXPECT_EQ(FindIndexDamage(odd, 1, 3), "element 1: stock index 2 is not in the stock list");
  EXPECT_EQ(FindIndexDamage(odd, 2, 2), "element 2: glass index 3 is not in the glass list");
  odd[2].orientation = 0;
  EXPECT_EQ(FindIndexDamage(odd, 2, 3), "element 2: orientation 0 is neither 1 nor 2");
  odd[1].kind = -7;
  EXPECT_EQ(FindIndexDamage(odd, 2, 3), "element 1: kind -7 is unknown");
}

TEST(StockAndGlassInput, EveryRecordInOrderAndBack) {
  StockList stocks = ListOf<StockRecord>({Stock(3210, 2250, 1), Stock(2440, 1830, 0, 5, 6, 7, 8)});
  stocks[2].l1_in = "96 1/16";
  stocks[2].cp_sft = 1.45f;
  const std::string stock_bytes = StockInputBytes(stocks);
  EXPECT_EQ(stock_bytes,
            "3210,2250,\"\",\"\",1,0,0,0,0,0\r\n"
            "2440,1830,\"96 1/16\",\"\",0,5,6,7,8,1.45\r\n");
  const StockInputRead stock_read = ReadStockInputBytes(stock_bytes);
  EXPECT_EQ(stock_read.damage, "");
  ASSERT_EQ(stock_read.stocks.Count(), 2);
  EXPECT_EQ(StockInputBytes(stock_read.stocks), stock_bytes);
  EXPECT_EQ(stock_read.stocks[2].l1_as_read, 2440.0f);
  EXPECT_EQ(StockInputBytes(StockList()), "");
  GlassList glasses = ListOf<GlassRecord>({Glass(1200, 800.5f, 12, 2)});
  GlassRecord& g = glasses[1];
  g.customer = "ACME, \"GLAZING\"";
  g.sr_no = "7";
  g.sp_sft = 4.5f;
  g.address = "Main St";
  const std::string glass_bytes = GlassInputBytes(glasses);
  EXPECT_EQ(glass_bytes,
            "1200,800.5,\"\",\"\",12,2,\"ACME, GLAZING\",\"\",\"\",\"\",\"\",\"7\",\"\",\"\",4.5,"
            "\"Main St\"\r\n");
  TempFolder folder;
  ASSERT_EQ(WriteFileAtomically(folder.File("c.tlf"), glass_bytes), std::nullopt);
  const GlassInputRead glass_read = ReadGlassInput(folder.File("c.tlf"));
  EXPECT_EQ(glass_read.damage, "");
  ASSERT_EQ(glass_read.glasses.Count(), 1);
  EXPECT_EQ(GlassInputBytes(glass_read.glasses), glass_bytes);
  EXPECT_EQ(glass_read.glasses[1].l2_as_read, 800.5f);
}

}  // namespace
}  // namespace lumora
