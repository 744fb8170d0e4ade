// TGemForm's data commands: the "&Data" menu (generation and its settings,
// special matrices, memory loads, series import, grid focus), the area and
// grid edits of "Ú&pravy" and the structure commands of "&Rastr" (its
// column widths are in gem_form_columns.cpp). The work is done by the
// worksheet model's data functions; this file binds them to actions, the
// clipboard and the grid views.
#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

#include "matrix/worksheet_area.h"
#include "matrix/worksheet_structure.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/worksheet_grid_model.h"

namespace tarvix {
namespace {

struct FillRow {
    const char* Name;
    const char* Caption;
    int Code;
};

constexpr FillRow kFillAreas[] = {
    {"Plnit_Vse", "&Vše", kFillAll},
    {"Plnit_Radek", "Řáde&k", kFillRow},
    {"Plnit_Sloupec", "&Sloupec", kFillColumn},
    {"Plnit_Diagonala", "&Diagonála", kFillDiagonal},
    {"Plnit_NadDiagonalou", "&Nad diagonálou", kFillAboveDiagonal},
    {"Plnit_HorniTrojuhelnikovaMatice", "&Horní trojúhelníková matice", kFillUpperTriangle},
    {"Plnit_PodDiagonalou", "&Pod diagonálou", kFillBelowDiagonal},
    {"Plnit_DolniTrojuhelnikovaMatice", "D&olní trojúhelníková matice", kFillLowerTriangle},
    {"Plnit_UvnitrVybraneOblasti", "&Uvnitř vybrané oblasti", kFillInsideArea},
    {"Plnit_VneOhraniceneOblasti", "Vně o&hraničené oblasti", kFillOutsideArea},
};

constexpr FillRow kFillContents[] = {
    {"Plnit_PrazdneBunky", "P&rázdné buňky", kFillEmpty},
    {"Plnit_NeprazdneBunky", "N&eprázdné buňky", kFillNonEmpty},
    {"Plnit_ObsahNerozhoduje", "&Obsah nerozhoduje", kFillRegardless},
};

struct EditRow {
    const char* Name;
    const char* Caption;
    bool (*Edit)(Worksheet&);
    const char* Shortcut;
};

bool ShiftHeld() { return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier); }

// The hourglass while a command writes many cells.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Calls a function for the events of the object it watches.
class EventHook : public QObject {
public:
    EventHook(QObject* parent, std::function<bool(QEvent*)> handler)
        : QObject(parent), handler_(std::move(handler)) {}
    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

private:
    std::function<bool(QEvent*)> handler_;
};

}  // namespace

void TGemForm::BuildDataMenus() {
    auto check = [](QAction* a, bool on = false) {
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    auto group = [this] {
        auto* g = new QActionGroup(this);
        g->setExclusive(true);
        return g;
    };

    // --- "&Data"
    QMenu* data = MenuNamed("DataMenu");
    QAction* generate = NewAction("Data_Generovat", "&Generovat", [this] {
        DataCommand([this] {
            SetStatus(2, {});
            ReportDataResult(sheet_, GenerateData(sheet_, services_.DataState, ShiftHeld()));
        });
        KeepLastColumnReadable();
    });
    // Shift+Ctrl+D: complex numbers whatever the number kind.
    generate->setShortcuts({QKeySequence(QStringLiteral("Ctrl+D")), QKeySequence(QStringLiteral("Shift+Ctrl+D"))});
    generate->setShortcutContext(Qt::WindowShortcut);
    data->addAction(generate);
    data->addSeparator();
    QActionGroup* source = group();
    for (const bool function : {false, true}) {
        QAction* a = check(NewAction(function ? "Data_GenerovatFunkcniHodnoty" : "Data_GenerovatNahodnaCisla",
                                     function ? "&Funkční hodnoty..." : "&Náhodná čísla",
                                     [this, function] { services_.DataState.Settings.FunctionValues = function; }));
        source->addAction(a);
        data->addAction(a);
    }
    data->addSeparator();
    QActionGroup* kind = group();
    for (const bool complex : {false, true}) {
        QAction* a = check(NewAction(complex ? "Data_GenerovatKomplexniCisla" : "Data_GenerovatRealnaCisla",
                                     complex ? "&Komplexní čísla" : "&Reálná čísla",
                                     [this, complex] { services_.DataState.Settings.ComplexNumbers = complex; }));
        kind->addAction(a);
        data->addAction(a);
    }
    data->addSeparator();
    // One setting for the generation and the transformation by a function.
    data->addAction(check(NewAction("Data_SymetrickyZapisovat", "&Symetricky zapisovat", [this] {
        const bool on = Action("Data_SymetrickyZapisovat")->isChecked();
        services_.DataState.Settings.Symmetric = on;
        sheet_.Options().SymmetricWrite = on;
    })));
    QMenu* fill = data->addMenu(Text("OblastPlneniMenu", "Oblast plnění"));
    fill->setObjectName(QStringLiteral("OblastPlneniMenu"));
    menus_["OblastPlneniMenu"] = fill;
    QActionGroup* areas = group();
    for (const FillRow& row : kFillAreas) {
        const int code = row.Code;
        QAction* a = check(NewAction(row.Name, row.Caption, [this, code] {
            services_.DataState.Settings.FillArea = code;
            sheet_.Options().TransformArea = code;
        }));
        areas->addAction(a);
        fill->addAction(a);
    }
    fill->addSeparator();
    QActionGroup* contents = group();
    for (const FillRow& row : kFillContents) {
        const int code = row.Code;
        QAction* a = check(NewAction(row.Name, row.Caption, [this, code] {
            services_.DataState.Settings.FillContent = code;
            sheet_.Options().TransformContent = code;
        }));
        contents->addAction(a);
        fill->addAction(a);
    }
    data->addSeparator();
    const std::tuple<const char*, const char*, SpecialMatrix> specials[] = {
        {"Data_PasovaMatice", "Pás&ová matice", SpecialMatrix::Band},
        {"Data_DiagonalniMatice", "&Diagonální matice", SpecialMatrix::Diagonal},
        {"Data_JednotkovaMatice", "&Jednotková matice", SpecialMatrix::Identity},
        {"Data_TrojuhelnikovaMatice", "&Trojúhelníková matice", SpecialMatrix::Triangular},
    };
    for (const auto& [name, caption, matrix] : specials) {
        const SpecialMatrix m = matrix;
        data->addAction(NewAction(name, caption, [this, m] {
            DataCommand([this, m] {
                WaitCursor wait;
                SetStatus(2, {});
                ReportDataResult(sheet_, GenerateSpecial(sheet_, services_.DataState, m, ShiftHeld()));
            });
            KeepLastColumnReadable();
            RefreshGenerationChecks();
        }));
    }
    data->addSeparator();
    data->addAction(NewAction("Data_NacistZPameti", "&Načíst z paměti...",
                              [this] { MemoryLoadClick(sheet_.ActiveIsRight()); }));
    data->addAction(NewAction("Data_NacistZPametiDoPrave", "Načíst z paměti do &pravé...",
                              [this] { MemoryLoadClick(true); }));
    data->addAction(NewAction("Data_ImportDatoveRady", "&Import datové řady...", [this] {
        DataCommand([this] {
            WaitCursor wait;
            ReportDataResult(sheet_, ImportSeries(sheet_));
        });
    }));
    data->addSeparator();
    data->addAction(NewAction("Data_LevaMatice", "&Levá matice", [this] { FocusGrid(false); }));
    data->addAction(NewAction("Data_PravaMatice", "&Pravá matice", [this] { FocusGrid(true); }));
    data->addSeparator();
    data->addAction(NewAction("Data_RidkaMatice", "Ř&ídká matice", nullptr));
    // The cell rule of the real domain: cells evaluated as expressions.
    data->addAction(check(NewAction("Data_VycislovatFunkcniHodnoty", "Vyčíslovat &funkční hodnoty", [this] {
        sheet_.Options().GenerateFunctionValues = Action("Data_VycislovatFunkcniHodnoty")->isChecked();
    })));
    connect(data, &QMenu::aboutToShow, this, [this] { RefreshDataEnabled(); });

    // --- "Ú&pravy": areas and whole grids
    QMenu* upravy = MenuNamed("UpravyMenu");
    connect(upravy, &QMenu::aboutToShow, this, [this] { RefreshDataEnabled(); });
    upravy->addSeparator();
    upravy->addAction(NewAction("Upravy_VybratVse", "&Vybrat vše", [this] { SelectAllClick(); }, "Shift+Ctrl+A"));
    upravy->addAction(NewAction("Upravy_OhranicitOblast", "O&hraničit oblast", [this] {
        ShowWorksheetMessage(sheet_, sheet_.Texts().Text(mxmsg::AreaHint), MessageKind::Information);
    }));
    upravy->addAction(NewAction("Upravy_KopirovatOblast", "&Kopírovat oblast", [this] { CopyAreaClick(); }, "Shift+Ctrl+C"));
    upravy->addAction(NewAction("Upravy_VlozitOblast", "&Vložit oblast", [this] { PasteAreaClick(); }, "Shift+Ctrl+V"));
    upravy->addAction(NewAction("Upravy_SmazatOblast", "S&mazat oblast", [this] { ClearAreaClick(); }, "Shift+Ctrl+X"));
    upravy->addSeparator();
    const EditRow wholeGrid[] = {
        {"Upravy_Symetrizovat", "&Symetrizovat", &Symmetrise, ""},
        {"Upravy_Transponovat", "&Transponovat", &Transpose, ""},
        {"Upravy_KopirovatVektorPravychStran", "Kopírovat vektor pravých stran", &CopyRhsToCursorColumn, ""},
        {"Upravy_LevePriraditPravou", "&Levé přiřadit pravou", &AssignLeftFromRight, ""},
        {"Upravy_PravePriraditLevou", "&Pravé přiřadit levou", &AssignRightFromLeft, ""},
        {"Upravy_ZamenitLevouSPravou", "&Zaměnit levou s pravou", &ExchangeGrids, ""},
    };
    for (const EditRow& row : wholeGrid) {
        auto* edit = row.Edit;
        upravy->addAction(NewAction(row.Name, row.Caption, [this, edit] { EditCommand(edit); }, row.Shortcut));
    }

    // --- "&Rastr": structure and column widths
    QMenu* rastr = MenuNamed("RastrMenu");
    connect(rastr, &QMenu::aboutToShow, this, [this] { RefreshDataEnabled(); });
    rastr->addSeparator();
    QMenu* insert = rastr->addMenu(Text("Rastr_VlozitMenu", "&Vložit"));
    insert->setObjectName(QStringLiteral("Rastr_VlozitMenu"));
    const EditRow inserts[] = {
        {"Rastr_VlozitUzel", "&Uzel", &InsertNode, ""},
        {"Rastr_VlozitRadek", "Řá&dek", &InsertRow, "Ctrl+Ins"},
        {"Rastr_VlozitSloupec", "&Sloupec", &InsertColumn, "Shift+Ctrl+Ins"},
    };
    for (const EditRow& row : inserts) {
        auto* edit = row.Edit;
        insert->addAction(NewAction(row.Name, row.Caption, [this, edit] { EditCommand(edit); }, row.Shortcut));
    }
    QMenu* remove = rastr->addMenu(Text("Rastr_OdstranitMenu", "&Odstranit"));
    remove->setObjectName(QStringLiteral("Rastr_OdstranitMenu"));
    const EditRow removals[] = {
        {"Rastr_OdstranitUzel", "&Uzel", &RemoveNode, ""},
        {"Rastr_OdstranitRadek", "Řá&dek", &RemoveRow, "Ctrl+Del"},
        {"Rastr_OdstranitSloupec", "&Sloupec", &RemoveColumn, "Shift+Ctrl+Del"},
        {"Rastr_OdstranitDiagonalu", "&Diagonála", &RemoveDiagonal, ""},
        {"Rastr_OdstranitOblast", "&Oblast", &RemoveArea, ""},
        {"Rastr_OdstranitVneOblasti", "&Vně oblasti", &KeepOnlyArea, ""},
    };
    for (const EditRow& row : removals) {
        auto* edit = row.Edit;
        remove->addAction(NewAction(row.Name, row.Caption, [this, edit] {
            WaitCursor wait;
            EditCommand(edit);
        }, row.Shortcut));
    }
    const EditRow others[] = {
        {"Rastr_VynechatDolniRadky", "Vynechat &dolní řádky", &OmitLowerRows, ""},
        {"Rastr_VynechatPraveSloupce", "Vynechat &pravé sloupce", &OmitRightColumns, ""},
        {"Rastr_OcislovatVzestupne", "&Očíslovat vzestupně", &Renumber, ""},
    };
    for (const EditRow& row : others) {
        auto* edit = row.Edit;
        rastr->addAction(NewAction(row.Name, row.Caption, [this, edit] { EditCommand(edit); }, row.Shortcut));
    }
    rastr->addSeparator();
    rastr->addAction(NewAction("Rastr_ZarovnatPoOkraje", "&Zarovnat po okraje", [this] { AlignToBorders(); }, "Ctrl+Q"));
    rastr->addAction(NewAction("Rastr_UpravitSirkuSloupcu", "&Upravit šířku sloupců", [this] { FitColumnWidths(); }, "Ctrl+W"));
    QMenu* widths = rastr->addMenu(Text("RastrovaniMenu", "&Rastrování"));
    widths->setObjectName(QStringLiteral("RastrovaniMenu"));
    widths->addAction(NewAction("Rastrovani_PodleBunky", "Podle &buňky", [this] { ColumnWidthsByCell(); }));
    widths->addAction(NewAction("Rastrovani_PodleSloupce", "Podle &sloupce", [this] { ColumnWidthsByColumn(); }));
    widths->addAction(NewAction("Rastrovani_PodleDiagonaly", "Podle &diagonály", [this] { ColumnWidthsByDiagonal(); }));
    for (const bool leftFromRight : {true, false}) {
        widths->addAction(NewAction(leftFromRight ? "Rastrovani_LevePodlePrave" : "Rastrovani_PravePodleLeve",
                                    leftFromRight ? "&Levé mřížky podle pravé" : "&Pravé mřížky podle levé",
                                    [this, leftFromRight] {
                                        QTableView* from = leftFromRight ? RStringGrid() : LStringGrid();
                                        QTableView* to = leftFromRight ? LStringGrid() : RStringGrid();
                                        const int n = std::min(from->model()->columnCount(),
                                                               to->model()->columnCount());
                                        for (int c = 0; c < n; ++c) to->setColumnWidth(c, from->columnWidth(c));
                                    }));
    }
    rastr->addAction(NewAction("Rastr_LevouMrizkuRozsirit", "&Levou mřížku rozšířit", [this] { WidenGrid(0); }, "Ctrl+L"));
    rastr->addAction(NewAction("Rastr_PravouMrizkuRozsirit", "&Pravou mřížku rozšířit", [this] { WidenGrid(1); }, "Ctrl+R"));
    rastr->addAction(NewAction("Rastr_OdvolatRozsireniMrizky", "&Odvolat rozšíření mřížky", [this] { WidenGrid(2); }, "Ctrl+U"));
    RefreshGenerationChecks();
}

void TGemForm::RefreshGenerationChecks() {
    const GenerationSettings& s = services_.DataState.Settings;
    auto set = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setChecked(on);
    };
    set("Data_GenerovatNahodnaCisla", !s.FunctionValues);
    set("Data_GenerovatFunkcniHodnoty", s.FunctionValues);
    set("Data_GenerovatRealnaCisla", !s.ComplexNumbers);
    set("Data_GenerovatKomplexniCisla", s.ComplexNumbers);
    set("Data_SymetrickyZapisovat", s.Symmetric);
    set("Data_VycislovatFunkcniHodnoty", sheet_.Options().GenerateFunctionValues);
    for (const FillRow& row : kFillAreas) set(row.Name, s.FillArea == row.Code);
    for (const FillRow& row : kFillContents) set(row.Name, s.FillContent == row.Code);
}

void TGemForm::RefreshDataEnabled() {
    if (!dataViewsHooked_ && leftView_) HookDataViews();
    WorksheetDataState& state = services_.DataState;
    // The number kind is real whenever the domain is.
    const bool complexDomain = sheet_.Format().Scope == nsComplex;
    if (!complexDomain) state.Settings.ComplexNumbers = false;
    sheet_.Options().SymmetricWrite = state.Settings.Symmetric;
    sheet_.Options().TransformArea = state.Settings.FillArea;
    sheet_.Options().TransformContent = state.Settings.FillContent;
    RefreshGenerationChecks();

    const bool free = sheet_.Finished();
    const bool operations = sheet_.Mode() == WorksheetMode::Operations;
    const bool right = sheet_.ActiveIsRight();
    const bool hasData = GridHasData(sheet_.ActiveGrid());
    const bool manyRows = sheet_.ActiveGrid().Rows() > 1;
    const bool leftData = GridHasData(sheet_.LeftGrid()), rightData = GridHasData(sheet_.RightGrid());
    const QtClipboard clipboard;
    auto enable = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setEnabled(on);
    };
    enable("Data_GenerovatKomplexniCisla", complexDomain);
    for (std::string_view name : {"Data_Generovat", "Data_PasovaMatice", "Data_DiagonalniMatice",
                                  "Data_JednotkovaMatice", "Data_TrojuhelnikovaMatice",
                                  "Rastr_VlozitUzel", "Rastr_VlozitRadek", "Rastr_VlozitSloupec",
                                  "Rastr_VynechatDolniRadky", "Rastr_VynechatPraveSloupce",
                                  "Rastr_OcislovatVzestupne", "Upravy_Transponovat"})
        enable(name, free);
    enable("Data_NacistZPameti", free && sheet_.Memory().Count() > 0);
    enable("Data_NacistZPametiDoPrave", free && sheet_.Memory().Count() > 0);
    enable("Data_ImportDatoveRady", free && SeriesImportEnabled(sheet_));
    enable("Data_PravaMatice", operations);
    for (std::string_view name : {"Upravy_VybratVse", "Upravy_KopirovatOblast"}) enable(name, hasData);
    for (std::string_view name : {"Upravy_SmazatOblast", "Upravy_Symetrizovat"}) enable(name, free && hasData);
    enable("Upravy_VlozitOblast", free && PasteEnabled(state, clipboard));
    enable("Upravy_KopirovatVektorPravychStran", free && !operations && !right);
    enable("Upravy_LevePriraditPravou", free && operations && rightData);
    enable("Upravy_PravePriraditLevou", free && operations && leftData);
    enable("Upravy_ZamenitLevouSPravou", free && operations && (leftData || rightData));
    for (std::string_view name : {"Rastr_OdstranitUzel", "Rastr_OdstranitRadek", "Rastr_OdstranitDiagonalu",
                                  "Rastr_OdstranitOblast", "Rastr_OdstranitVneOblasti"})
        enable(name, free && manyRows);
    enable("Rastr_OdstranitSloupec", free);
    enable("Rastrovani_LevePodlePrave", operations);
    enable("Rastrovani_PravePodleLeve", operations);
}

void TGemForm::DataCommand(const std::function<void()>& command) {
    if (!sheet_.Finished()) return;
    PushEditorToModel();
    command();
    AfterDataCommand();
}

void TGemForm::EditCommand(bool (*edit)(Worksheet&)) {
    if (!sheet_.Finished()) return;
    PushEditorToModel();
    if (edit(sheet_)) ActiveView()->clearSelection();
    AfterDataCommand();
}

void TGemForm::FocusGrid(bool rightGrid) {
    if (rightGrid && sheet_.Mode() != WorksheetMode::Operations) return;
    sheet_.SetActiveGrid(rightGrid);
    (rightGrid ? RStringGrid() : LStringGrid())->setFocus();
    RefreshDataEnabled();
}

void TGemForm::SelectAllClick() {
    const bool right = sheet_.ActiveIsRight();
    QTableView* view = ActiveView();
    const GridArea area = SelectAll(sheet_);
    view->setFocus();
    if (area.Empty()) return;
    QAbstractItemModel* model = view->model();
    view->selectionModel()->select(
        QItemSelection(model->index(area.Top - 1, area.Left - 1), model->index(area.Bottom - 1, area.Right - 1)),
        QItemSelectionModel::ClearAndSelect);
    sheet_.SetBorderedArea(right, area);
}

void TGemForm::CopyAreaClick() {
    QtClipboard clipboard;
    CopyArea(sheet_, services_.DataState, clipboard);
    RefreshDataEnabled();
}

void TGemForm::PasteAreaClick() {
    const QtClipboard clipboard;
    if (!PasteEnabled(services_.DataState, clipboard)) return;
    DataCommand([this, &clipboard] { PasteAreaText(sheet_, clipboard.Text()); });
}

void TGemForm::ClearAreaClick() {
    if (!sheet_.Finished()) return;
    if (Memo()->hasFocus()) {
        Memo()->clear();
        return;
    }
    DataCommand([this] { ClearArea(sheet_); });
}

// --- The grid views

void TGemForm::HookDataViews() {
    dataViewsHooked_ = true;
    for (QTableView* view : {LStringGrid(), RStringGrid()}) {
        const bool right = view == RStringGrid();
        connect(view, &QTableView::entered, this, [this, right](const QModelIndex& at) {
            const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
            if (!keys.testFlag(Qt::AltModifier) || !sheet_.Finished() || !at.isValid()) return;
            const DataResult result = GenerateOneCell(sheet_, services_.DataState, right, at.row() + 1,
                                                      at.column() + 1, keys.testFlag(Qt::ControlModifier));
            ReportDataResult(sheet_, result);
            if (result.Changed) GridModel(right)->CellChanged(at.row() + 1, at.column() + 1);
        });
        // No cell editing while a bordered area exists (the model follows the
        // selection before this runs).
        const QAbstractItemView::EditTriggers editing = view->editTriggers();
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, view, right, editing] {
                    view->setEditTriggers(sheet_.BorderedArea(right) ? QAbstractItemView::NoEditTriggers
                                                                     : editing);
                });
        // While an area exists a press on a header keeps it, and the release
        // extends it up or down to that row (row header) or left or right to
        // that column (column header).
        for (QHeaderView* header : {view->verticalHeader(), view->horizontalHeader()}) {
            const bool rows = header == view->verticalHeader();
            auto* hook = new EventHook(header->viewport(), [this, view, right, header, rows](QEvent* event) {
                if (event->type() != QEvent::MouseButtonPress &&
                    event->type() != QEvent::MouseButtonRelease)
                    return false;
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const std::optional<GridArea> area = sheet_.BorderedArea(right);
                if (!area || mouse->button() != Qt::LeftButton) return false;
                if (event->type() == QEvent::MouseButtonPress) return true;
                const int section = header->logicalIndexAt(mouse->position().toPoint()) + 1;
                if (section < 1) return true;
                GridArea extended = *area;
                int& low = rows ? extended.Top : extended.Left;
                int& high = rows ? extended.Bottom : extended.Right;
                low = std::min(low, section);
                high = std::max(high, section);
                const QAbstractItemModel* model = view->model();
                view->selectionModel()->select(
                    QItemSelection(model->index(extended.Top - 1, extended.Left - 1),
                                   model->index(extended.Bottom - 1, extended.Right - 1)),
                    QItemSelectionModel::ClearAndSelect);
                return true;
            });
            header->viewport()->installEventFilter(hook);
        }
        // The corner cell: a double click widens this grid.
        if (QWidget* corner = view->findChild<QAbstractButton*>()) {
            auto* filter = new EventHook(corner, [this, right](QEvent* event) {
                if (event->type() != QEvent::MouseButtonDblClick) return false;
                WidenGrid(right ? 1 : 0);
                return true;
            });
            corner->installEventFilter(filter);
        }
    }
}

}  // namespace tarvix
