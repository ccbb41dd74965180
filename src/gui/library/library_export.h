#ifndef LUMORA_GUI_LIBRARY_LIBRARY_EXPORT_H_
#define LUMORA_GUI_LIBRARY_LIBRARY_EXPORT_H_

#include <QWidget>

#include "core/base/prompter.h"
#include "core/job/job.h"
#include "core/library/balance_export.h"
#include "core/tables/grid.h"

namespace lumora {

class BalanceWindow;
class MainWindow;

// "Export" of the Balance And Scrap Table: asks, appends the balances, scrap and used sheets of
// the job's result to mlm.dat for the Basic Details item, and lets a Material Library Manager
// in AUTOMERGE mode sort and merge it. The job's grids must be current (the main window stores
// its job windows first). Export is offered again only after the next import.
ExportOutcome ExportToMaterialLibrary(Job& job, const Grid& offcut, Prompter& prompter,
                                      QWidget* parent);

// The Balance And Scrap Table's "Export" inside a main window: the job windows' grids go into
// the job first, the table's rows are exported, and the button stays enabled only while the
// export was declined.
void ExportBalanceTable(MainWindow& window, BalanceWindow& table);

}  // namespace lumora

#endif  // LUMORA_GUI_LIBRARY_LIBRARY_EXPORT_H_
