#include "gui/job/list_import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/job/list_import_run.h"
#include "core/tables/column_dictionary.h"

namespace lumora {
namespace {

constexpr int kPreviewRecords = 8;

QString Latin1(const std::string& text) { return QString::fromLatin1(text); }

QString ChoiceName(const std::string& target) {
  QString name = QStringLiteral("Map");
  for (const char c : target) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += QLatin1Char(c);
  }
  return name;
}

}  // namespace

ListImportDialog::ListImportDialog(const DelimitedText& text, ListKind kind,
                                   std::vector<std::string> headers, ImportMapping mapping,
                                   QWidget* parent)
    : QDialog(parent),
      text_(text),
      kind_(kind),
      headers_(std::move(headers)),
      unit_(new QComboBox(this)),
      header_(new QCheckBox(tr("The first line names the columns"), this)),
      preview_(new QTableWidget(this)),
      issues_(new QLabel(this)) {
  setObjectName(QStringLiteral("ListImport"));
  setWindowTitle(kind == ListKind::kGlass ? tr("Import Glass List") : tr("Import Stock List"));
  auto* columns = new QFormLayout;
  for (const std::string& target : ImportTargets(kind)) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(ChoiceName(target));
    choices_.push_back(choice);
    columns->addRow(Latin1(target), choice);
  }
  unit_->setObjectName(QStringLiteral("UnitCmb"));
  for (const Unit unit : {Unit::kMm, Unit::kIn}) {
    unit_->addItem(Latin1(std::string(UnitText(unit))));
  }
  unit_->setCurrentIndex(mapping.unit == Unit::kIn ? 1 : 0);
  columns->addRow(tr("Lengths in"), unit_);
  header_->setObjectName(QStringLiteral("HeaderChk"));
  header_->setChecked(mapping.has_header);

  preview_->setObjectName(QStringLiteral("Preview"));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->verticalHeader()->setVisible(false);
  issues_->setObjectName(QStringLiteral("IssuesLbl"));
  issues_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addLayout(columns);
  auto* right = new QVBoxLayout;
  right->addWidget(header_);
  right->addWidget(preview_, 1);
  right->addWidget(issues_);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(buttons);

  FillColumnChoices();
  for (size_t t = 0; t < choices_.size(); ++t) {
    choices_[t]->setCurrentIndex(t < mapping.columns.size() ? mapping.columns[t] + 1 : 0);
    connect(choices_[t], &QComboBox::currentIndexChanged, this, &ListImportDialog::Refresh);
  }
  connect(unit_, &QComboBox::currentIndexChanged, this, &ListImportDialog::Refresh);
  connect(header_, &QCheckBox::toggled, this, [this] {
    FillColumnChoices();
    Refresh();
  });
  Refresh();
  resize(900, 420);
}

ImportMapping ListImportDialog::Mapping() const {
  ImportMapping mapping;
  mapping.has_header = header_->isChecked();
  mapping.unit = ReadUnit(unit_->currentText().toStdString());
  for (const QComboBox* choice : choices_) mapping.columns.push_back(choice->currentIndex() - 1);
  return mapping;
}

void ListImportDialog::FillColumnChoices() {
  ImportMapping naming;
  naming.has_header = header_->isChecked();
  size_t widest = 0;
  for (const DelimitedRow& row : text_.rows) widest = std::max(widest, row.fields.size());
  for (QComboBox* choice : choices_) {
    const QSignalBlocker quiet(choice);
    const int current = choice->currentIndex();
    choice->clear();
    choice->addItem(tr("(none)"));
    for (size_t c = 0; c < widest; ++c) {
      choice->addItem(Latin1(SourceColumnName(text_, naming, static_cast<int>(c))));
    }
    choice->setCurrentIndex(std::max(current, 0));
  }
}

void ListImportDialog::Refresh() {
  const ImportMapping mapping = Mapping();
  DelimitedText first;
  const size_t take = kPreviewRecords + (mapping.has_header ? 1 : 0);
  first.rows.assign(text_.rows.begin(), text_.rows.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                 take, text_.rows.size())));
  // The rows as they land in the grid, the other unit's lengths filled in.
  Grid landed;
  ApplyFormatString(landed, BuildFormatString(headers_));
  AddImportedRows(landed, BuildImportRows(first, mapping, kind_, headers_), kind_, mapping.unit,
                  true, std::nullopt);

  QStringList labels;
  for (const std::string& header : headers_) labels << Latin1(header);
  preview_->clear();
  preview_->setColumnCount(static_cast<int>(headers_.size()));
  preview_->setHorizontalHeaderLabels(labels);
  preview_->setRowCount(landed.Rows() - 2);
  for (int r = 1; r + 1 < landed.Rows(); ++r) {
    for (int c = 1; c < landed.Cols(); ++c) {
      preview_->setItem(r - 1, c - 1, new QTableWidgetItem(Latin1(landed.Text(r, c))));
    }
  }
  preview_->resizeColumnsToContents();

  const ImportRows all = BuildImportRows(text_, mapping, kind_, headers_);
  issues_->setText(all.issues.empty() ? tr("%L1 rows to import.").arg(all.rows.size())
                                      : tr("%L1 rows to import. Lines that do not fit:\n%2")
                                            .arg(all.rows.size())
                                            .arg(Latin1(IssueListText(all.issues, 5))));
}

}  // namespace lumora
