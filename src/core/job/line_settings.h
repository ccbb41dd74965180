#ifndef LUMORA_CORE_JOB_LINE_SETTINGS_H_
#define LUMORA_CORE_JOB_LINE_SETTINGS_H_

// How a glass cutting table cuts: the job's "Cutting Line" settings, and the words the search
// and the checks of a line plan share with them.
namespace lumora {

enum class LineStages {
  kTwo,            // strips, then pieces across each strip
  kThree,          // strips, rows, pieces along each row
  kThreeWithTrim,  // as kThree, and one more cut may trim a piece to its height
  kUnlimited,      // any number of guillotine stages
};

// A vertical first cut runs parallel to the sheet's height and parts the sheet into strips side
// by side along X; a horizontal one parts it into strips stacked along Y.
enum class FirstCut { kVertical, kHorizontal };

// The rules of the job's cutting table, lengths in millimetres of glass (the kerf comes on
// top). A length of 0 sets no limit.
struct CuttingLineSettings {
  LineStages stages = LineStages::kThreeWithTrim;
  FirstCut first_cut = FirstCut::kVertical;
  float min_strip_width = 0;  // of the first stage's strips
  float max_strip_width = 0;
  float min_row_height = 0;  // of the second stage's rows
  // The narrowest glass the table can break off, as waste or as a leftover.
  float min_waste = 0;
  bool cuts_through_flaws = false;
  // Sheets are cut in the order the stock lists them, row by row and 1..QTY within a row.
  bool sheets_in_order = false;

  bool operator==(const CuttingLineSettings&) const = default;
};

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_LINE_SETTINGS_H_
