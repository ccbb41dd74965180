#ifndef LUMORA_CORE_LAYOUTS_ALTERNATE_ARRANGEMENT_H_
#define LUMORA_CORE_LAYOUTS_ALTERNATE_ARRANGEMENT_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/prompter.h"
#include "core/engine2d/engine_records.h"
#include "core/job/job.h"
#include "core/layouts/layout_history.h"
#include "core/layouts/layout_hit.h"
#include "core/layouts/loaded_result.h"

// The Layouts window's alternate-arrangement command without its windows: the layout on view
// laid out anew on one piece of its stock, pattern after pattern, spliced into dia.tlf, and
// then kept or taken back. diaalt.tlf holds dia.tlf from before the command.
namespace lumora {

inline constexpr std::string_view kAlternateNotPossibleMessage =
    "Alternate Arrangment for this layout is not possible";
inline constexpr std::string_view kAlternateCaptionPrefix = "Alternate Arrangement - ";
// The heading of the layout rules an arrangement found breaks: a fault of the program, told
// instead of kAlternateNotPossibleMessage, and the arrangement is not stored.
inline constexpr std::string_view kArrangementBreaksRules =
    "The arrangement found breaks the layout rules:";

// The ALT dialog's buttons, by the number each hands back.
enum class AlternateChoice { kTryNext = 0, kKeep = 1, kOriginal = 2 };
inline constexpr std::array<std::string_view, 3> kAlternateChoiceCaptions = {
    "Try &Next Arrangement", "&Keep This Arrangement", "&Original Arrangement"};

// The pattern an attempt uses after the counter: one more, 8 followed by 1. The counter lives
// as long as the program and starts at 0.
int16_t NextPattern(int16_t pattern_counter);
// The ALT dialog's caption: "Alternate Arrangement - " and the counter.
std::string AlternateCaption(int16_t pattern_counter);

// Begins the command: diaalt.tlf receives dia.tlf as it is (rebuilt from the elements when the
// file does not hold them).
std::optional<std::string> BeginAlternateArrangement(const Workspace& workspace,
                                                     const ElementList& elements);

// The alternate run's quantities for a layout: one piece of its stock, and of each glass size
// as many as the layout holds pieces; every other quantity 0.
void SetAlternateQuantities(const ElementList& elements, const LayoutRange& range,
                            StockList& stocks, GlassList& glasses);

// The element list with the layout of the range replaced by the arrangement, whose elements
// take the layout number, Repeat and stock index of the layout's stock frame.
ElementList SpliceArrangement(const ElementList& elements, const LayoutRange& range,
                              const ElementList& arrangement);

struct AlternateSearch {
  bool found = false;
  std::string error;  // a working file that could not be written
};

// One round of the command on layout n of the result: writes s.tlf and c.tlf, advances the
// pattern counter for up to eight alternate runs, and stores the first arrangement found,
// spliced in, in dia.tlf, once its layout is checked against the layout rules. When none is
// found dia.tlf is left as it was and "Alternate Arrangment for this layout is not possible"
// is told.
AlternateSearch SearchAlternateArrangement(const Job& job, const LoadedResult& result,
                                           int layout_no, int16_t& pattern_counter,
                                           Prompter& prompter);

// "&Keep This Arrangement": records the change since the command began in the history.
// Answers whether the command changed dia.tlf.
bool KeepAlternateArrangement(const Workspace& workspace, int layout_no, LayoutHistory& history);
// "&Original Arrangement": copies diaalt.tlf over dia.tlf byte for byte.
std::optional<std::string> RestoreOriginalArrangement(const Workspace& workspace);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_ALTERNATE_ARRANGEMENT_H_
