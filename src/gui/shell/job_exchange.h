#ifndef LUMORA_GUI_SHELL_JOB_EXCHANGE_H_
#define LUMORA_GUI_SHELL_JOB_EXCHANGE_H_

#include <QObject>
#include <functional>
#include <vector>

#include "core/exports/job_export.h"

namespace lumora {

class MainWindow;

// Asks for a file (.xlsx or .csv) and writes the tables `build` makes to it; tables that cannot be
// made or a file that cannot be written is told.
void ExportTablesWithDialog(MainWindow& window, const std::function<JobExport()>& build);
// The same for the parts of the main window's job.
void ExportJobWithDialog(MainWindow& window, const std::vector<ExportPart>& parts);

// What the main window adds for lists and files from elsewhere: "Import Glass List...",
// "Import Stock List..." and "Export..." in the File menu above "E&xit" (object names
// "ImportGlass", "ImportStock", "Export"), the "&Window" menu before "&Help", and the opening of
// a job file (.opt, .sdr) dropped on the window, after the Save Changes question.
class JobExchange : public QObject {
  Q_OBJECT

 public:
  explicit JobExchange(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ImportList(bool glass);

  MainWindow& window_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_JOB_EXCHANGE_H_
