#ifndef LUMORA_GUI_JOB_LIST_IMPORT_DIALOG_H_
#define LUMORA_GUI_JOB_LIST_IMPORT_DIALOG_H_

#include <QDialog>
#include <string>
#include <vector>

#include "core/job/list_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace lumora {

// "Import Glass List" / "Import Stock List": which column of the file fills which column of the
// grid, the unit of its lengths and whether its first line names the columns, with the first
// rows as they would land in the grid and the lines that would not fit. Object name
// "ListImport"; its combo boxes are "Map" + the target ("MapL1", "MapQTY" ...), "UnitCmb",
// "HeaderChk", the preview "Preview" and the note "IssuesLbl".
class ListImportDialog : public QDialog {
  Q_OBJECT

 public:
  ListImportDialog(const DelimitedText& text, ListKind kind, std::vector<std::string> headers,
                   ImportMapping mapping, QWidget* parent = nullptr);

  // The mapping as the dialog shows it now.
  ImportMapping Mapping() const;

 private:
  void FillColumnChoices();
  void Refresh();

  const DelimitedText& text_;
  ListKind kind_;
  std::vector<std::string> headers_;
  std::vector<QComboBox*> choices_;
  QComboBox* unit_;
  QCheckBox* header_;
  QTableWidget* preview_;
  QLabel* issues_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_LIST_IMPORT_DIALOG_H_
