#include "core/shell/help_pages.h"

#include <array>

namespace lumora {
namespace {

struct HelpPage {
  std::string_view window;
  std::string_view page;
};

constexpr std::array kPages = {
    HelpPage{"Launcher", "getting-started.html"},
    HelpPage{"About", "getting-started.html"},
    HelpPage{"BaseModule", "getting-started.html#main-window"},
    HelpPage{"BASIC", "job-windows.html#basic-details"},
    HelpPage{"SHEET", "job-windows.html#sheet-specifications"},
    HelpPage{"CUT", "job-windows.html#glass-size-specifications"},
    HelpPage{"Progress", "optimizing.html#progress"},
    HelpPage{"Dia", "layouts.html"},
    HelpPage{"DiaSet", "layouts.html#layout-settings"},
    HelpPage{"ALT", "editing-layouts.html#alternate-arrangements"},
    HelpPage{"AddNew", "editing-layouts.html#adding"},
    HelpPage{"Report", "report.html"},
    HelpPage{"REPORT", "report.html"},
    HelpPage{"OFFCUT", "report.html#balance-and-scrap"},
    HelpPage{"Configure", "settings.html"},
    HelpPage{"MISC", "settings.html#misc"},
    HelpPage{"SCRAP", "settings.html#scrap-criteria"},
    HelpPage{"CHARGE", "settings.html#chargeable-size"},
    HelpPage{"LABELS", "labels.html#define-labels"},
    HelpPage{"MLM", "libraries.html#material-library"},
    HelpPage{"PLM", "libraries.html#product-library"},
    HelpPage{"LOADPROD", "libraries.html#load-products"},
    HelpPage{"ItemChoice", "libraries.html#item-choice"},
    HelpPage{"UnitConversion", "tools.html#unit-conversion"},
};

}  // namespace

std::string_view HelpPageFor(std::string_view window_name) {
  for (const HelpPage& entry : kPages) {
    if (entry.window == window_name) return entry.page;
  }
  return kHelpContentsPage;
}

std::string_view HelpTopicPage(int topic) {
  switch (topic) {
    case 38:
      return "edit-glass-piece.html";
    case 39:
      return "edit-balance.html";
    default:
      return kHelpContentsPage;
  }
}

}  // namespace lumora
