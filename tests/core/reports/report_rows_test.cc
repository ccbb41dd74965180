#include "core/reports/report_rows.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(ReportRowsTest, HeadingsShadedAndTheProfitBoldAndRedForALoss) {
  EXPECT_TRUE(LookOfReportRow("Layout No. 2/3").shaded);
  EXPECT_TRUE(LookOfReportRow("Glass Size(s) Summary").shaded);
  EXPECT_FALSE(LookOfReportRow("Summary of it").shaded);
  EXPECT_FALSE(LookOfReportRow(" Layout No. 2/3").shaded);
  const ReportRowLook profit = LookOfReportRow("Profit\xA0\xA0\xA0\xA0\xA0 1234");
  EXPECT_TRUE(profit.bold);
  EXPECT_FALSE(profit.loss);
  EXPECT_TRUE(LookOfReportRow("Profit          -56").loss);
  EXPECT_FALSE(LookOfReportRow("Sheet - 3").bold);
  EXPECT_FALSE(LookOfReportRow("Sheet - 3").loss);
}

}  // namespace
}  // namespace lumora
