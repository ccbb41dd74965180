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
                                                 "File:",
                                                 "Date:",
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

struct Match {
  qsizetype at = 0;
  qsizetype length = 0;
  QString translated;
};

// The captions of the line that have a translation, each where no longer one already is.
std::vector<Match> CaptionsOf(const QString& text) {
  std::vector<Match> matches;
  std::vector<bool> settled(static_cast<size_t>(text.size()), false);
  for (const std::string_view caption : kPrintedCaptions) {
    const QString english =
        QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
    const QString translated = CoreText(caption);
    if (translated == english) continue;
    for (qsizetype at = text.indexOf(english); at >= 0; at = text.indexOf(english, at + 1)) {
      const qsizetype end = at + english.size();
      // A caption opens a line or a column: after a word or a single blank it is a value.
      const bool opens =
          text.left(at).trimmed().isEmpty() ||
          (at >= 2 && text[at - 1] == QLatin1Char(' ') && text[at - 2] == QLatin1Char(' '));
      const bool alone = opens && (end == text.size() || !IsWordCharacter(text[end]) ||
                                   !IsWordCharacter(english.back()));
      if (!alone || std::any_of(settled.begin() + at, settled.begin() + end,
                                [](bool taken) { return taken; })) {
        continue;
      }
      std::fill(settled.begin() + at, settled.begin() + end, true);
      matches.push_back({at, english.size(), translated});
    }
  }
  std::sort(matches.begin(), matches.end(),
            [](const Match& a, const Match& b) { return a.at < b.at; });
  return matches;
}

qsizetype BlanksFrom(const QString& text, qsizetype at) {
  qsizetype blanks = 0;
  while (at + blanks < text.size() && text[at + blanks] == QLatin1Char(' ')) ++blanks;
  return blanks;
}

}  // namespace

QString LineInLanguage(std::string_view line) {
  const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  const std::vector<Match> matches = CaptionsOf(text);
  QString printed;
  qsizetype copied = 0;
  for (size_t m = 0; m < matches.size(); ++m) {
    const Match& match = matches[m];
    const qsizetype end = match.at + match.length;
    const qsizetype limit = m + 1 < matches.size() ? matches[m + 1].at : text.size();
    printed += text.mid(copied, match.at - copied);
    copied = end;
    const qsizetype extra = match.translated.size() - match.length;
    if (extra <= 0) {
      printed += match.translated.leftJustified(match.length);
      continue;
    }
    // A longer caption takes the blanks after it, leaving one before a word; where the line
    // has no further columns it pushes the rest along; a caption of a value ("Item:", "Total
    // Layouts=") takes them from the gap before the next column.
    const qsizetype blanks = BlanksFrom(text, end);
    const qsizetype after = end + blanks;
    const bool word_follows = after < text.size() && IsWordCharacter(text[after]);
    if (after == text.size() || extra <= blanks - (word_follows ? 1 : 0)) {
      printed += match.translated;
      copied = end + std::min(extra, blanks);
      continue;
    }
    qsizetype gap = text.indexOf(QStringLiteral("  "), end);
    if (gap < 0) {
      printed += match.translated;
      continue;
    }
    const bool of_value = text[end - 1] == QLatin1Char(':') ||
                          (after < text.size() &&
                           (text[after] == QLatin1Char(':') || text[after] == QLatin1Char('=')));
    const qsizetype gap_blanks = BlanksFrom(text, gap);
    if (of_value && gap + gap_blanks <= limit && extra <= gap_blanks - 1) {
      printed += match.translated + text.mid(end, gap - end);
      copied = gap + extra;
      continue;
    }
    printed += text.mid(match.at, match.length);
  }
  printed += text.mid(copied);
  return printed;
}

PrintedLineText PrintedLineTextOf(const std::string& data_folder) {
  return ReadLanguageSettings(QString::fromStdString(data_folder)).print_in_language
             ? LineInLanguage
             : nullptr;
}

}  // namespace lumora
