#include "gui/shell/printed_language.h"

#include <algorithm>
#include <vector>

#include "gui/shell/language.h"

namespace lumora {
namespace {

// The captions of the printouts, longer ones first where one holds another.
constexpr std::string_view kPrintedCaptions[] = {"Sheet(s) Utilization Summary",
                                                 "Glass Size(s) Summary",
                                                 "Cost & Area Summary",
                                                 "Overall Yield (%)",
                                                 "Overall Yield(%)",
                                                 "Total Layouts",
                                                 "Layout No.",
                                                 "Sheet Size",
                                                 "Glass Sizes",
                                                 "Yield(%)",
                                                 "Customer",
                                                 "Sr.No",
                                                 "Item:",
                                                 "Unit:",
                                                 "TOTAL",
                                                 "Qty",
                                                 "Pcs",
                                                 "Area",
                                                 "Balance",
                                                 "Wastage",
                                                 "Entity",
                                                 "Profit",
                                                 "CUSTOMER",
                                                 "ADDRESS",
                                                 "LAYOUT",
                                                 "SR.NO",
                                                 "ITEM",
                                                 "SITE",
                                                 "FROM",
                                                 "RACK",
                                                 "SLOT",
                                                 "QTY",
                                                 "A/C",
                                                 "REF",
                                                 "POS"};

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber(); }

// Puts the translation of the caption at `at` in its place, within the room the line gives it;
// answers where to look on, or -1 when it has no room.
qsizetype Replace(QString& text, qsizetype at, qsizetype length, const QString& translated) {
  const qsizetype extra = translated.size() - length;
  qsizetype blanks = 0;
  while (at + length + blanks < text.size() && text[at + length + blanks] == QLatin1Char(' ')) {
    ++blanks;
  }
  const qsizetype after = at + length + blanks;
  const bool word_follows = after < text.size() && IsWordCharacter(text[after]);
  const qsizetype room = after == text.size() ? extra : blanks - (word_follows ? 1 : 0);
  if (extra > room) return -1;
  const qsizetype taken = length + std::max<qsizetype>(extra, 0);
  text.replace(at, taken, translated.leftJustified(taken));
  return at + taken;
}

}  // namespace

QString LineInLanguage(std::string_view line) {
  QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  // Characters of captions already settled, translated or kept English: a shorter caption
  // inside one ("Yield(%)" in "Overall Yield(%)") is not another.
  std::vector<bool> settled(static_cast<size_t>(text.size()), false);
  for (const std::string_view caption : kPrintedCaptions) {
    const QString english =
        QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
    const QString translated = CoreText(caption);
    if (translated == english) continue;
    qsizetype from = 0;
    while ((from = text.indexOf(english, from)) >= 0) {
      const qsizetype end = from + english.size();
      const bool alone =
          (from == 0 || !IsWordCharacter(text[from - 1])) &&
          (end == text.size() || !IsWordCharacter(text[end]) || !IsWordCharacter(english.back()));
      const bool free = std::none_of(settled.begin() + from, settled.begin() + end,
                                     [](bool taken) { return taken; });
      if (!alone || !free) {
        from = end;
        continue;
      }
      const qsizetype next = Replace(text, from, english.size(), translated);
      const qsizetype until = next >= 0 ? next : end;
      settled.resize(static_cast<size_t>(std::max(text.size(), until)), false);
      std::fill(settled.begin() + from, settled.begin() + until, true);
      from = until;
    }
  }
  return text;
}

PrintedLineText PrintedLineTextOf(const std::string& data_folder) {
  return ReadLanguageSettings(QString::fromStdString(data_folder)).print_in_language
             ? LineInLanguage
             : nullptr;
}

}  // namespace lumora
