// The library window's commands: opening and saving the library, edit mode,
// the category and row commands of the tool bar and the pop-up menus, the
// formula transfer and the import of the main window's expression, the
// packages, the enlarged editor, and both searches.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

#include "calculator/calculator.h"
#include "storage/data_file_commands.h"
#include "storage/settings_store.h"
#include "tasks/default_library.h"
#include "tasks/formula_transfer.h"
#include "tasks/library_file.h"
#include "ui/language/action_texts.h"
#include "ui/library/expr_form.h"
#include "ui/library/find_form.h"
#include "ui/library/library_tree_model.h"
#include "ui/library/library_tree_view.h"
#include "ui/library/package_dialog.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

// --- Opening and saving

void TExprForm::OpenConfiguredLibrary() {
    const std::filesystem::path path =
        LibraryFilePath(placement_.LibraryFileName, services_.UserFolder);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        // An empty library that a save writes to the configured file.
        TreeCommand([&] {
            expanded_.clear();
            library_.Reset(LibraryTree(), path);
            return true;
        });
        ShowMessage(FormatMessageText(library_.Texts().Text(libmsg::NotFound), {path.string()}),
                    kLibraryFileHelpContext);
        return;
    }
    if (OpenLibrary(path)) RestoreSelection();
}

bool TExprForm::OpenLibrary(const std::filesystem::path& path, bool locked) {
    LibraryFileOutcome outcome;
    TreeCommand([&] {
        outcome = library_.Open(path);
        if (outcome.Ok) expanded_.clear();
        return outcome.Ok;
    });
    if (!outcome.Ok) {
        ReportOutcome(outcome);
        return false;
    }
    locked_ = locked;
    if (locked) library_.SetEditMode(false);
    RefreshCommands();
    emit RowSelected();
    return true;
}

std::optional<std::filesystem::path> TExprForm::ChooseLibraryFile(bool save,
                                                                  const std::string& name) {
    FileDialogRequest request;
    request.Caption = CatalogString(services_.Texts,
                                    save ? texts::ExprFormSaveDialog : texts::ExprFormOpenDialog);
    request.Filter = library_.Texts().Text(libmsg::FileFilter) + " (*.exp)|*.exp";
    request.DefaultExtension = "exp";
    request.FileName = name;
    request.Folder = services_.Values.String("DataFile", "PathName");
    if (request.Folder.empty() && !library_.FilePath().empty())
        request.Folder = library_.FilePath().parent_path();
    return save ? services_.Files.ChooseFileToSave(request)
                : services_.Files.ChooseFileToOpen(request);
}

// Asks before a file is overwritten; true when it may be written.
bool TExprForm::MayOverwrite(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const std::string question = FormatMessageText(library_.Texts().Text(libmsg::FileExists),
                                                   {path.filename().string()});
    return services_.Calc.ShowMessageBox(question, MessageKind::Confirmation,
                                         kYesNoCancelButtons, 0) == ModalResult::Yes;
}

void TExprForm::OpenToolButtonClick() {
    if (library_.Modified()) {
        switch (services_.Calc.ShowMessageBox(library_.Texts().Text(libmsg::SaveQuestion),
                                              MessageKind::Confirmation, kYesNoCancelButtons, 0)) {
            case ModalResult::Yes:
                if (!SaveLibrary()) return;
                break;
            case ModalResult::No: break;
            default: return;
        }
    }
    const std::optional<std::filesystem::path> chosen = ChooseLibraryFile(false, {});
    if (!chosen) return;
    // The chosen file is the user's own choice: it may be saved.
    OpenLibrary(*chosen, false);
}

bool TExprForm::SaveToolButtonClick() {
    return !locked_ && SaveLibrary();
}

bool TExprForm::SaveLibrary() {
    CommitGridEdit();
    std::filesystem::path path = library_.FilePath();
    if (path.empty()) {
        const std::optional<std::filesystem::path> chosen =
            ChooseLibraryFile(true, std::string(kDefaultLibraryFileName));
        if (!chosen || !MayOverwrite(*chosen)) return false;
        path = *chosen;
    }
    statusBar()->showMessage(ToQ(library_.Texts().Text(libmsg::Writing)));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LibraryFileOutcome outcome = library_.SaveAs(path);
    QApplication::restoreOverrideCursor();
    statusBar()->clearMessage();
    // Empty rows were dropped.
    RefreshFromModel(false);
    ReportOutcome(outcome);
    return outcome.Ok;
}

// A cell being edited in the grid goes into the library first.
void TExprForm::CommitGridEdit() {
    // An open cell editor is the focused child of the grid's viewport.
    QWidget* editor = QApplication::focusWidget();
    if (!editor || !grid_->viewport()->isAncestorOf(editor)) return;
    QMetaObject::invokeMethod(grid_, "commitData", Q_ARG(QWidget*, editor));
    QMetaObject::invokeMethod(grid_, "closeEditor", Q_ARG(QWidget*, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint,
                                    QAbstractItemDelegate::NoHint));
}

// --- Edit mode and the tool bar's commands on the active pane

void TExprForm::EditToolButtonClick() {
    CommitGridEdit();
    library_.SetEditMode(!library_.EditMode());
    RefreshCommands();
}

void TExprForm::NewToolButtonClick() {
    if (activePane_ == LibraryPane::Tree) NovaKategorieClick();
    if (activePane_ == LibraryPane::Grid) NovyRadekClick();
}

void TExprForm::CutToolButtonClick() {
    switch (activePane_) {
        case LibraryPane::Tree: VyjmoutKategoriiClick(); break;
        case LibraryPane::Grid: VyjmoutRadekClick(); break;
        case LibraryPane::Editor: memo_->cut(); break;
    }
}

void TExprForm::CopyToolButtonClick() {
    switch (activePane_) {
        case LibraryPane::Tree: KopirovatKategoriiClick(); break;
        case LibraryPane::Grid: KopirovatRadekClick(); break;
        case LibraryPane::Editor: memo_->copy(); break;
    }
}

void TExprForm::PasteToolButtonClick() {
    switch (activePane_) {
        case LibraryPane::Tree: VlozitKategoriiClick(); break;
        case LibraryPane::Grid: VlozitRadekClick(); break;
        case LibraryPane::Editor: memo_->paste(); break;
    }
}

void TExprForm::DeleteToolButtonClick() {
    switch (activePane_) {
        case LibraryPane::Tree: OdstranitKategoriiClick(); break;
        case LibraryPane::Grid: OdstranitRadekClick(); break;
        case LibraryPane::Editor: memo_->textCursor().removeSelectedText(); break;
    }
}

void TExprForm::EdResizeToolButtonClick() {
    const LibraryRow* row = library_.CurrentRow();
    if (!editorEnlarged_ && !(row && IsTaskRow(*row))) {
        RefreshCommands();
        return;
    }
    SetEditorEnlarged(!editorEnlarged_);
}

void TExprForm::SetEditorEnlarged(bool enlarged) {
    if (enlarged == editorEnlarged_) return;
    editorEnlarged_ = enlarged;
    if (enlarged) {
        gridSizes_ = rightSplitter_->sizes();
        int total = 0;
        for (int size : gridSizes_) total += size;
        rightSplitter_->setSizes({0, total});
    } else if (gridSizes_.size() == 2) {
        rightSplitter_->setSizes(gridSizes_);
    }
    grid_->setVisible(!enlarged);
    RefreshCommands();
}

void TExprForm::HelpToolButtonClick() {
    services_.Help();
}

// --- The formula transfer and the import of the main window's expression

void TExprForm::UseToolButtonClick() {
    CommitGridEdit();
    const LibraryRow* current = library_.CurrentRow();
    if (!current || !CanTransferFormula(*current, library_.Texts())) return;
    const LibraryRow row = *current;
    services_.Perform([this, &row] { TransferFormula(services_.Calc, row, library_.Texts()); });
}

void TExprForm::ImportVyrazuClick() {
    if (!library_.EditMode()) return;
    LibraryRow row;
    services_.Perform([this, &row] { row = ImportedExpressionRow(services_.Calc, library_.Texts()); });
    TreeCommand([this, &row] { return library_.ImportRow(std::move(row)) >= 0; });
    emit RowSelected();
}

std::string TExprForm::ModeText() const {
    return ModeLine(services_.Calc);
}

// --- Categories

void TExprForm::NovaKategorieClick() {
    LibraryNode* node = nullptr;
    TreeCommand([&] { return (node = library_.NewCategory(ModeText())) != nullptr; });
    if (!node) return;
    emit RowSelected();
    tree_->setFocus();
    tree_->edit(treeModel_->IndexOf(node));
}

void TExprForm::NovaPodkategorieClick() {
    LibraryNode* node = nullptr;
    TreeCommand([&] { return (node = library_.NewSubcategory(ModeText())) != nullptr; });
    if (!node) return;
    emit RowSelected();
    tree_->setFocus();
    tree_->edit(treeModel_->IndexOf(node));
}

void TExprForm::VyjmoutKategoriiClick() {
    TreeCommand([this] { return library_.CutCategory(); });
    emit RowSelected();
}

void TExprForm::KopirovatKategoriiClick() {
    library_.CopyCategory();
    RefreshCommands();
}

void TExprForm::VlozitKategoriiClick() {
    TreeCommand([this] { return library_.PasteCategory() != nullptr; });
    emit RowSelected();
}

void TExprForm::OdstranitKategoriiClick() {
    TreeCommand([this] { return library_.DeleteCategory(); });
    emit RowSelected();
}

void TExprForm::RozbalitVseClick() {
    tree_->expandAll();
    for (LibraryNode* node : library_.Tree().Nodes()) {
        if (node->ChildCount() > 0) expanded_.insert(node->Id());
    }
}

void TExprForm::SbalitVseClick() {
    tree_->collapseAll();
    expanded_.clear();
    if (const QModelIndex index = tree_->currentIndex(); index.isValid()) tree_->scrollTo(index);
}

void TExprForm::MoveCategory(LibraryNode* node, const CategoryDrop& place) {
    // The node may have gone while the drop waited for the event loop.
    if (!node || !library_.FindNode(node->Id())) return;
    TreeCommand([&] { return library_.MoveCategory(*node, place.Parent, place.Index); });
}

// --- Rows

void TExprForm::RowCommand(const std::function<bool()>& command) {
    CommitGridEdit();
    if (!command()) {
        RefreshCommands();
        return;
    }
    ShowSelection();
    RefreshTitle();
    emit RowSelected();
}

void TExprForm::NovyRadekClick() {
    RowCommand([this] { return library_.NewRow(ModeText()) >= 0; });
}

void TExprForm::VyjmoutRadekClick() {
    RowCommand([this] { return library_.CutRow(); });
}

void TExprForm::KopirovatRadekClick() {
    library_.CopyRow();
    RefreshCommands();
}

void TExprForm::VlozitRadekClick() {
    RowCommand([this] { return library_.PasteRow() >= 0; });
}

void TExprForm::OdstranitRadekClick() {
    RowCommand([this] { return library_.DeleteRow(); });
}

void TExprForm::MoveRow(int from, int to) {
    RowCommand([this, from, to] { return library_.MoveRow(from, to); });
}

// --- Packages

std::optional<std::vector<LibraryNodeId>> TExprForm::ChoosePackage(const LibraryTree& tree,
                                                                   bool import) {
    if (packageChooser_) return packageChooser_(tree, import);
    TPackageDialog dialog(tree, import, services_.Texts, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Checked();
}

void TExprForm::ImportKnihovnyClick() {
    if (locked_) return;
    const std::optional<std::filesystem::path> chosen = ChooseLibraryFile(false, {});
    if (!chosen) return;
    const LibraryReadResult read = ReadLibraryFile(*chosen);
    if (!read.ok()) {
        const std::string_view key =
            read.Status == LibraryReadStatus::Missing ? libmsg::NotFound : libmsg::ReadError;
        ShowMessage(FormatMessageText(library_.Texts().Text(key), {chosen->string()}),
                    kLibraryFileHelpContext);
        return;
    }
    const std::optional<std::vector<LibraryNodeId>> checked = ChoosePackage(read.Tree, true);
    if (!checked || checked->empty()) return;
    TreeCommand([&] { return library_.ImportPackage(read.Tree, *checked) > 0; });
    emit RowSelected();
}

void TExprForm::ExportKnihovnyClick() {
    if (locked_) return;
    CommitGridEdit();
    const std::optional<std::vector<LibraryNodeId>> checked = ChoosePackage(library_.Tree(), false);
    if (!checked || checked->empty()) return;
    const std::optional<std::filesystem::path> chosen = ChooseLibraryFile(true, {});
    if (!chosen || !MayOverwrite(*chosen)) return;
    ReportOutcome(library_.ExportPackage(*checked, *chosen));
}

// --- Searches

bool TExprForm::FindComboBoxChange(const QString& text) {
    if (text.isEmpty() || !library_.FindCategory(ToStd(text))) return false;
    ShowSelection();
    tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtTop);
    emit RowSelected();
    return true;
}

bool TExprForm::ShowCategoryAndUse(const QString& search) {
    SbalitVseClick();
    findCombo_->setEditText(search);
    if (!FindComboBoxChange(search)) return false;
    const LibraryRow* row = library_.CurrentRow();
    if (!row || !CanTransferFormula(*row, library_.Texts())) return false;
    UseToolButtonClick();
    return true;
}

void TExprForm::ShowHit() {
    const QModelIndex index = treeModel_->IndexOf(library_.SelectedNode());
    const QRect shown = tree_->visualRect(index);
    const bool visible = shown.isValid() && tree_->viewport()->rect().contains(shown);
    ShowSelection();
    if (!visible && index.isValid()) tree_->scrollTo(index, QAbstractItemView::PositionAtTop);
    emit RowSelected();
}

std::unique_ptr<TFindForm> TExprForm::CreateFindForm() {
    CommitGridEdit();
    return std::make_unique<TFindForm>(
        FindFormServices{library_, services_.Texts, services_.Values, [this] { ShowHit(); }}, this);
}

void TExprForm::FindToolButtonClick() {
    std::unique_ptr<TFindForm> find = CreateFindForm();
    find->exec();
}

}  // namespace tarvix
