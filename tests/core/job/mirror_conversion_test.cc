#include "core/job/mirror_conversion.h"

#include <gtest/gtest.h>

#include "core/job/job_tables.h"
#include "job_test_support.h"

namespace lumora {
namespace {

using testing::TempFolder;

const ChargeTable kCharges =
    ChargeTableFromBytes("\"0\",\"24\",\"24\"\r\n\"24\",\"48\",\"48\"\r\n");

TEST(ChargeableLength, BoundsBelongToTheRangeTheyClose) {
  EXPECT_EQ(ChargeableLength("24", kCharges), "24");
  EXPECT_EQ(ChargeableLength("24.5", kCharges), "48");
  EXPECT_EQ(ChargeableLength("24 1/16", kCharges), "48");
  EXPECT_EQ(ChargeableLength("0", kCharges), "");
  EXPECT_EQ(ChargeableLength("48 1/16", kCharges), "");
  EXPECT_EQ(ChargeableLength("24", std::nullopt), "");
}

TEST(ChargeableLength, ReadsChargeDatOfTheDataFolder) {
  TempFolder folder;
  const Workspace workspace{folder.path(), "1"};
  EXPECT_FALSE(LoadChargeTable(workspace).has_value());
  folder.Write("charge.dat", "\"0\",\"12 1/2\",\"13\"\r\n\"12 1/2\",\"20\"");
  const ChargeTable charges = LoadChargeTable(workspace);
  ASSERT_TRUE(charges.has_value());
  EXPECT_EQ(ChargeableLength("12 1/2", charges), "13");
  EXPECT_EQ(ChargeableLength("13", charges), "");
}

TEST(ColumnLock, TheUnitLocksTheOtherUnitsColumns) {
  for (int col = 1; col <= 5; ++col) {
    EXPECT_EQ(IsColumnLockedByUnit(Unit::kIn, col), col == 1 || col == 2) << col;
    EXPECT_EQ(IsColumnLockedByUnit(Unit::kMm, col), col == 3 || col == 4) << col;
    EXPECT_FALSE(IsColumnLockedByUnit(Unit::kOther, col)) << col;
  }
}

TEST(MirrorConversion, MillimetresFillInchesAndEmptyClears) {
  TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  Grid& sheet = job.sheet;
  sheet.SetRows(3);
  sheet.SetText(1, sheet_col::kL1, "1200");
  ApplyMirrorConversion(sheet, 1, sheet_col::kL1);
  EXPECT_EQ(sheet.Text(1, sheet_col::kL1Inch), "47 1/4");
  sheet.SetText(1, sheet_col::kL2, "2438.4");
  ApplyMirrorConversion(sheet, 1, sheet_col::kL2);
  EXPECT_EQ(sheet.Text(1, sheet_col::kL2Inch), "96");
  sheet.SetText(1, sheet_col::kL1, "");
  ApplyMirrorConversion(sheet, 1, sheet_col::kL1);
  EXPECT_EQ(sheet.Text(1, sheet_col::kL1Inch), "");
  sheet.SetText(1, sheet_col::kQty, "5");
  ApplyMirrorConversion(sheet, 1, sheet_col::kQty);
  EXPECT_EQ(sheet.Text(1, sheet_col::kL2Inch), "96");
}

TEST(MirrorConversion, InchesFillMillimetresAndChargeableLengths) {
  TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  Grid& glass = job.glass;
  glass.SetRows(3);
  auto type = [&](int col, const char* text) {
    glass.SetText(1, col, text);
    ApplyMirrorConversion(glass, 1, col);
    UpdateChargeableLengths(glass, 1, col, kCharges);
  };
  type(glass_col::kL2Inch, "24 1/2");
  EXPECT_EQ(glass.Text(1, glass_col::kL2), "622.3");
  EXPECT_EQ(glass.Text(1, glass_col::kChargeL2), "48");
  EXPECT_EQ(glass.Text(1, glass_col::kChargeL1), "");
  type(glass_col::kL1, "609.6");
  EXPECT_EQ(glass.Text(1, glass_col::kL1Inch), "24");
  EXPECT_EQ(glass.Text(1, glass_col::kChargeL1), "24");
  type(glass_col::kL1Inch, "-3");
  EXPECT_EQ(glass.Text(1, glass_col::kL1), "");
  EXPECT_EQ(glass.Text(1, glass_col::kChargeL1), "");
  // Typing into a chargeable column changes nothing else.
  type(glass_col::kChargeL2, "50");
  EXPECT_EQ(glass.Text(1, glass_col::kChargeL2), "50");
  EXPECT_EQ(glass.Text(1, glass_col::kL2Inch), "24 1/2");
}

}  // namespace
}  // namespace lumora
