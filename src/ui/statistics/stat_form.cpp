// The statistics window: the binding of its commands, views and events to
// the StatWindow model (its widgets are built in stat_form_widgets.cpp).
#include "ui/statistics/stat_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <string>

#include "ui/language/action_texts.h"
#include "ui/statistics/stat_s_form.h"
#include "ui/statistics/stat_table_model.h"
#include "ui/widgets/drag_payload.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "StatForm";

}  // namespace

TStatForm::TStatForm(Calculator& calculator, TextCatalog& texts, StatFormHost& host,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), calculator_(calculator), texts_(texts), host_(host),
      model_(calculator) {
    setObjectName(QStringLiteral("StatForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    model_.SetView(this);
    model_.SetFiles(&host_.StatFiles());
    model_.SetClipboard(&host_.StatClipboard());
    model_.SetChart(host_.StatChart());
    model_.SetLastFolder(&host_.StatLastFolder());
    tableModel_ = new StatTableModel(model_.Table(), this);
    tableModel_->SetEdited([this] { RefreshCommands(); });
    BuildWidgets();
    BuildPopupMenu();
    ApplyTexts();
    resize(560, 420);
}

TStatForm::~TStatForm() {
    // The widgets still send events while the base class takes them down;
    // none may reach the model or the table model any more.
    grid_->removeEventFilter(this);
    grid_->horizontalHeader()->removeEventFilter(this);
    grid_->setModel(nullptr);
    model_.SetView(nullptr);
}

QString TStatForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

void TStatForm::SetRegressionMode(bool on) {
    model_.SetRegressionMode(on);
    if (on) {
        kind_->setCurrentIndex(0);
        model_.SetModel(RegressionModel::Linear);
    }
    ApplyTexts();
    RefreshColumns();
    ShowResults();
}

void TStatForm::ApplyTexts() {
    refreshing_ = true;
    const bool regression = model_.RegressionMode();
    setWindowTitle(ToQ(model_.Caption()));
    tableModel_->SetHeaders(ToQ(model_.ColumnHeader(0)), ToQ(model_.ColumnHeader(1)),
                            ToQ(model_.ColumnHeader(2)));
    labelHeader_->setText(ToQ(model_.LabelHeader()));
    xHeader_->setText(ToQ(model_.XPanelHeader()));
    yHeader_->setText(ToQ(model_.YPanelHeader()));
    const auto labels = model_.Labels();
    for (std::size_t i = 0; i < kResultRows; ++i) labels_[i]->setText(ToQ(labels[i] + ":"));
    if (kind_->count() != kRegressionModelCount) {
        kind_->clear();
        for (std::string_view key : {statmsg::ModelLinear, statmsg::ModelLogarithmic,
                                     statmsg::ModelExponential, statmsg::ModelPower})
            kind_->addItem(ToQ(model_.Text(key)));
    }
    kind_->setCurrentIndex(static_cast<int>(model_.Model()));
    kind_->setVisible(regression);
    xy_->setText(Text("xy", "x-y"));
    xy_->setVisible(!regression);
    xy_->setChecked(model_.Table().Xy());
    edit_->setText(Text("EditMode", "Editovat"));
    edit_->setChecked(model_.Table().EditMode());
    rndData_->setText(Text("RndData", "Zaokrouhlovat vstupní data"));
    rndStat_->setText(Text("RndStat", "Zaokrouhlovat vypočtené hodnoty"));
    rndEdit_->setToolTip(Text("RndHint", "Počet platných míst"));
    refreshing_ = false;
    RefreshOptions();
    RefreshColumns();
    RefreshCommands();
}

void TStatForm::RefreshOptions() {
    refreshing_ = true;
    const StatWindowOptions& o = model_.Options();
    rndData_->setChecked(o.RndData);
    rndStat_->setChecked(o.RndStatData);
    rndEdit_->setValue(o.RndPrecision);
    rndEdit_->setEnabled(o.RndData || o.RndStatData);
    refreshing_ = false;
}

void TStatForm::OptionsChanged() {
    if (refreshing_) return;
    StatWindowOptions o;
    o.RndData = rndData_->isChecked();
    o.RndStatData = rndStat_->isChecked();
    o.RndPrecision = rndEdit_->value();
    model_.SetOptions(o);
    rndEdit_->setEnabled(o.RndData || o.RndStatData);
    ShowResults();
}

void TStatForm::RefreshColumns() {
    const bool xy = model_.Table().Xy();
    // Column 0 fits the row numbers; columns 1 and 2 share the rest.
    grid_->setColumnHidden(2, !xy);
    RefreshNumberColumn();
    const StatPanelWidths& widths = model_.PanelWidths();
    results_->setColumnMinimumWidth(0, widths.Labels);
    results_->setColumnMinimumWidth(1, xy ? widths.XPanel : 0);
    for (QLabel* x : xValues_) x->setVisible(xy);
    xHeader_->setVisible(xy);
    yHeader_->setText(ToQ(model_.YPanelHeader()));
    grid_->setEditTriggers(model_.Table().EditMode() ? QAbstractItemView::AllEditTriggers
                                                      : QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(model_.Table().EditMode() ? QAbstractItemView::SelectItems
                                                          : QAbstractItemView::SelectRows);
}

void TStatForm::RefreshNumberColumn() {
    const int zero = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int digits = static_cast<int>(std::to_string(std::max(1, tableModel_->rowCount())).size());
    const int numbers = digits <= 3 ? zero + 18 : zero * digits + 7;
    grid_->setColumnWidth(0, numbers);
    // The value columns keep their headers whole; room for a vertical
    // scroll bar is always left, so that none is ever needed across.
    const QHeaderView* header = grid_->horizontalHeader();
    const QFontMetrics headerFont = header->fontMetrics();
    const int margin = 2 * grid_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
    int values = 0;
    for (int column = 1; column <= (model_.Table().Xy() ? 2 : 1); ++column)
        values += headerFont.horizontalAdvance(
                      tableModel_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                  margin;
    grid_->setMinimumWidth(numbers + values + grid_->verticalScrollBar()->sizeHint().width() +
                           2 * grid_->frameWidth());
}

void TStatForm::RefreshCommands() {
    const StatTable& t = model_.Table();
    const bool edit = t.EditMode();
    const bool has = t.HasData();
    for (const char* name : {"PridatButton", "VlozitButton", "VyjmoutButton"})
        buttons_.at(name)->setEnabled(edit);
    buttons_.at("AktualizovatButton")->setEnabled(has);
    buttons_.at("GrafButton")->setEnabled(has && t.Xy());
    buttons_.at("ExportButton")->setEnabled(has);
    buttons_.at("UlozitButton")->setEnabled(model_.HasResults());
    Action("PridatItem")->setEnabled(edit);
    Action("VlozitItem")->setEnabled(edit);
    Action("VyjmoutItem")->setEnabled(edit && t.RowCount() > 1);
    Action("VyjmoutVseItem")->setEnabled(edit && t.RowCount() > 1);
    Action("VlozitZDispleje")->setEnabled(edit);
    Action("ZamenitSloupceItem")->setEnabled(t.Xy());
    Action("PrenestDoVyrazuItem")->setEnabled(!t.Cell(1, t.CurrentRow()).empty());
    Action("ImportDatovaRadaItem")->setEnabled(host_.HostSeries() != nullptr);
    Action("ExportSouborItem")->setEnabled(has);
    Action("ExportGrafItem")->setEnabled(has);
    Action("ExportSchrankaItem")->setEnabled(has);
    Action("EditovatItem")->setChecked(edit);
    Action("EditovatItem")->setCheckable(true);
    pridat_->setDefault(edit);
    aktualizovat_->setDefault(!edit);
}

void TStatForm::ShowResults() {
    const std::optional<StatPanels>& panels = model_.Panels();
    const bool regression = panels && panels->Regression;
    for (std::size_t i = 0; i < kResultRows; ++i) {
        xValues_[i]->setText(panels ? ToQ(panels->X[i]) : QString());
        yValues_[i]->setText(panels ? ToQ(panels->Y[i]) : QString());
    }
    const bool regressionMode = model_.RegressionMode();
    for (std::size_t i = kResultRows - 3; i < kResultRows; ++i) {
        xValues_[i]->setVisible(!regressionMode && model_.Table().Xy());
        yValues_[i]->setVisible(!regressionMode);
    }
    covariance_->setVisible(regressionMode);
    variability_->setVisible(regressionMode);
    function_->setVisible(regressionMode);
    covariance_->setText(regression ? ToQ(panels->Covariance) : QString());
    variability_->setText(regression ? ToQ(panels->Variability) : QString());
    function_->setText(regression ? ToQ(panels->Function) : QString());
    RefreshCommands();
    // New texts may need a wider window: it grows now, before anything is
    // drawn squeezed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void TStatForm::SyncCurrentRow() {
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) model_.Table().SetCurrentRow(current.row());
}

void TStatForm::SetCurrent(int row, int column) {
    grid_->setCurrentIndex(tableModel_->index(row, column));
    grid_->scrollTo(grid_->currentIndex());
}

bool TStatForm::ArrowOnLastRow(int key) {
    SyncCurrentRow();
    const int column = std::max(1, grid_->currentIndex().column());
    StatTable& table = model_.Table();
    if (!(key == Qt::Key_Down ? table.DownOnLastRow() : table.UpOnLastRow())) return false;
    tableModel_->Reset();
    SetCurrent(table.CurrentRow(), column);
    RefreshCommands();
    return true;
}

void TStatForm::ArrowFromEditor(int key) {
    if (ArrowOnLastRow(key)) return;
    const QModelIndex at = grid_->currentIndex();
    const int row = std::clamp(at.row() + (key == Qt::Key_Down ? 1 : -1), 0,
                               std::max(0, tableModel_->rowCount() - 1));
    SetCurrent(row, std::max(1, at.column()));
}

// --- Commands

void TStatForm::PridatButtonClick(bool fromDisplay) {
    grid_->closePersistentEditor(grid_->currentIndex());
    std::string text = fromDisplay ? host_.DisplayValueText() : std::string();
    model_.Table().Append(text);
    tableModel_->Reset();
    SetCurrent(model_.Table().CurrentRow(), 1);
    if (!fromDisplay && isVisible()) grid_->setFocus();
    RefreshCommands();
}

void TStatForm::VlozitButtonClick(bool fromDisplay) {
    SyncCurrentRow();
    std::string text;
    if (fromDisplay) {
        text = host_.DisplayValueText();
        if (text.empty()) return;
    }
    model_.Table().Insert(text);
    tableModel_->Reset();
    SetCurrent(model_.Table().CurrentRow(), 1);
    if (isVisible()) grid_->setFocus();
    RefreshCommands();
}

void TStatForm::VyjmoutButtonClick() {
    SyncCurrentRow();
    model_.DeleteRow();
    tableModel_->Reset();
    SetCurrent(model_.Table().CurrentRow(), 1);
    ShowResults();
}

void TStatForm::VyjmoutVseClick() {
    model_.DeleteAll();
    tableModel_->Reset();
    SetCurrent(0, 1);
    ShowResults();
}

void TStatForm::AktualizovatButtonClick() {
    model_.Compute();
    ShowResults();
}

void TStatForm::EditovatClick() {
    model_.Table().SetEditMode(!model_.Table().EditMode());
    tableModel_->Reset();
    edit_->setChecked(model_.Table().EditMode());
    RefreshColumns();
    RefreshCommands();
}

void TStatForm::StartEntering() {
    if (!model_.Table().EditMode()) EditovatClick();
    show();
    raise();
    activateWindow();
    grid_->setFocus();
    SetCurrent(model_.Table().CurrentRow(), 1);
    // A cell editor opened before the window was active has no focus, and
    // the grid ignores typing while it is open: the editor takes the focus.
    for (QLineEdit* editor : grid_->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) editor->setFocus();
}

void TStatForm::ZamenitSloupceItemClick() {
    model_.Table().SwapColumns();
    tableModel_->Reset();
}

QString TStatForm::CurrentCellText() const {
    const QModelIndex at = grid_->currentIndex();
    if (!at.isValid()) return {};
    return ToQ(model_.Table().Cell(std::max(1, at.column()), at.row()));
}

void TStatForm::PrenestDoVyrazuClick() {
    SyncCurrentRow();
    const std::string& text = model_.Table().Cell(1, model_.Table().CurrentRow());
    if (!text.empty()) host_.PutIntoInputLine(text);
}

void TStatForm::ImportSouborClick() {
    model_.ImportFile();
    ApplyTexts();
    ShowResults();
}

void TStatForm::ImportDatovaRadaClick() {
    const CurrentSeries* series = host_.HostSeries();
    model_.ImportSeries(series ? *series : CurrentSeries::Empty(),
                        calculator_.NumericalScope() == nsComplex);
    ApplyTexts();
    ShowResults();
}

void TStatForm::ImportSchrankaClick() {
    model_.ImportClipboard();
    ApplyTexts();
    ShowResults();
}

void TStatForm::ExportSouborClick() { model_.ExportToFile(false); }

void TStatForm::UlozitButtonClick() { model_.ExportToFile(true); }

void TStatForm::ExportGrafItemClick() {
    model_.ExportChart();
    ShowResults();
}

void TStatForm::ExportSchrankaWindowsItemClick() { model_.ExportClipboard(); }

void TStatForm::SkrytClick() { hide(); }

void TStatForm::UkoncitClick() { close(); }

// --- StatWindowView

void TStatForm::ShowProgress(int percent) {
    if (progress_->value() != percent) progress_->setValue(percent);
}

void TStatForm::ProcessEvents() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TStatForm::FocusCell(int row, int column) {
    SetCurrent(row, column);
    if (isVisible()) grid_->setFocus();
}

bool TStatForm::ChooseReportItems() {
    model_.ResetReportComment();
    std::array<std::string, kReportItems> texts;
    const auto& keys = ReportItemTextKeys(model_.RegressionMode());
    for (std::size_t i = 0; i < kReportItems; ++i) texts[i] = model_.Text(keys[i]);
    TStatSForm dialog(model_.Selection(), model_.ReportComment(), texts, texts_,
                      ToQ(CatalogString(texts_, texts::StatSFormCaption)), this);
    return dialog.exec() == QDialog::Accepted;
}

// The table changed under the window (an import, a transfer by code): the
// commands follow its new content at once.
void TStatForm::TableReset() {
    tableModel_->Reset();
    RefreshCommands();
}

// --- Events

bool TStatForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) ApplyTexts();
    return QWidget::event(event);
}

bool TStatForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && ArrowOnLastRow(key)) return true;
    }
    if (watched == grid_ && event->type() == QEvent::KeyRelease) RefreshCommands();
    if (watched == grid_->viewport()) {
        // A left press and a move start a drag of the grid: dropped on a
        // register label of the main window it fills that variable's vector.
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) dragStart_ = mouse->position().toPoint();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragStart_.reset();
        } else if (event->type() == QEvent::MouseMove && dragStart_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if ((mouse->buttons() & Qt::LeftButton) &&
                (mouse->position().toPoint() - *dragStart_).manhattanLength() >=
                    QApplication::startDragDistance() &&
                model_.Table().HasData()) {
                dragStart_.reset();
                RunDrag(grid_, {DragSource::StatGrid, BoxId::Input, QString()});
                return true;
            }
        }
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const std::optional<DragPayload> payload = ReadDragMime(drag->mimeData());
            if (!payload || payload->Source == DragSource::StatGrid) return false;
            drag->setDropAction(kCopyAction);
            drag->accept();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!DropOnGrid(drop->mimeData(), drop->position().toPoint())) return false;
            drop->setDropAction(kCopyAction);
            drop->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A register label imports its variable's vector into column y when dropped
// on column y, else into column x; the display's text becomes the text of
// the x or y cell of the data row it is dropped on.
bool TStatForm::DropOnGrid(const QMimeData* mime, const QPoint& at) {
    const std::optional<DragPayload> payload = ReadDragMime(mime);
    if (!payload || payload->Source == DragSource::StatGrid) return false;
    const QModelIndex index = grid_->indexAt(at);
    if (payload->Source == DragSource::RegisterLabel) {
        const ParserFloatArray vector = host_.VectorOf(ToStd(payload->Text));
        if (vector.empty()) return false;
        model_.ImportVector(vector, index.isValid() && index.column() == 2 ? 2 : 1);
    } else {
        if (!index.isValid() || index.column() < 1 || index.row() >= model_.Table().RowCount())
            return false;
        model_.Table().SetCell(index.column(), index.row(), ToStd(payload->Text.trimmed()));
        model_.Table().SetDataModified(true);
    }
    tableModel_->Reset();
    RefreshCommands();
    return true;
}

void TStatForm::closeEvent(QCloseEvent* event) {
    if (model_.CloseQuery() == CloseAnswer::KeepOpen) {
        event->ignore();
        return;
    }
    model_.DeleteAll();
    host_.StatFormClosing();
    event->accept();
}

}  // namespace tarvix
