// LibraryModel: the expression library window without the window. It holds
// the library (tree of categories with their rows) and its file, the
// selected category and row, the modified flag, edit mode and the two
// clipboards (categories, rows), and carries out every command of the tree,
// grid and editor menus. Commands that change the library work only in edit
// mode and set the modified flag; they report whether they did anything.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tasks/library_messages.h"
#include "tasks/library_tree.h"

namespace tarvix {

struct LibraryHit;

// The outcome of a file command: on failure the message (with its "%\ "
// line breaks) and its help topic.
struct LibraryFileOutcome {
    bool Ok = true;
    std::string Message;
    int HelpContext = 0;
};

class LibraryModel {
public:
    LibraryModel() = default;

    // The texts of new categories and rows and of the file messages.
    LibraryMessageTable& Texts() { return texts_; }
    const LibraryMessageTable& Texts() const { return texts_; }

    // --- The library and its file
    const LibraryTree& Tree() const { return tree_; }
    const std::filesystem::path& FilePath() const { return path_; }
    bool Modified() const { return modified_; }
    // Reads the file into a new tree; only a complete read replaces the
    // library (the file becomes the library's file, the first category is
    // selected, the modified flag cleared). A failed read changes nothing.
    LibraryFileOutcome Open(const std::filesystem::path& path);
    // Writes the library to its file, atomically, after dropping the empty
    // rows of categories with more than one row; clears the modified flag.
    LibraryFileOutcome Save();
    // The same to another file, which becomes the library's file.
    LibraryFileOutcome SaveAs(const std::filesystem::path& path);
    // Replaces the library by a tree (no file when `path` is empty).
    void Reset(LibraryTree tree, std::filesystem::path path = {});

    // --- Selection
    LibraryNode* SelectedNode() const { return selected_; }
    // The selected row of the selected category (-1 without a category).
    int SelectedRow() const { return selected_ ? row_ : -1; }
    const LibraryRow* CurrentRow() const;
    // Selects a category (nullptr: none) and one of its rows (clamped).
    void Select(LibraryNode* node, int row = 0);
    void SelectRow(int row);
    // The category with this id, when it is still in the library.
    LibraryNode* FindNode(LibraryNodeId id) const { return tree_.Find(id); }

    // --- Edit mode
    bool EditMode() const { return editMode_; }
    void SetEditMode(bool on) { editMode_ = on; }

    // --- Categories. New ones hold one new row (the mode line and the
    // variable template; "TASK" as expression when the selected row is a
    // task) and become selected.
    // After the selected category at its level (at the end of the top level
    // when none is selected).
    LibraryNode* NewCategory(std::string_view modeLine);
    // As the last child of the selected category.
    LibraryNode* NewSubcategory(std::string_view modeLine);
    // The name is cleaned of TAB, CR, LF, 0x00 and 0x01.
    bool RenameCategory(LibraryNode& node, std::string_view name);
    // The selected category with its subcategories to the category clipboard.
    bool CopyCategory();
    bool CutCategory();
    bool CanPasteCategory() const { return categoryClipboard_ != nullptr; }
    // A copy of the clipboard after the selected category at its level.
    LibraryNode* PasteCategory();
    // Removes the selected category with its subcategories; the next one at
    // its level (else the previous one, else its parent) becomes selected.
    bool DeleteCategory();
    // Dragging a category: under `parent` (nullptr: the top level) at
    // `index` among its children. Refused into the category's own subtree.
    bool MoveCategory(LibraryNode& node, LibraryNode* parent, std::size_t index);

    // --- Rows of the selected category
    // Appends a new row (mode line, variable template) and selects it.
    int NewRow(std::string_view modeLine);
    // A grid cell or the explanation of a row of the selected category.
    bool SetCell(int row, LibraryCell cell, std::string_view text);
    bool CopyRow();
    bool CutRow();
    bool CanPasteRow() const { return rowClipboard_.has_value(); }
    // A copy of the clipboard's row after the selected row; returns its index.
    int PasteRow();
    // Removes the selected row; the last row of a category becomes an empty one.
    bool DeleteRow();
    // Dragging a grid row from one position to another.
    bool MoveRow(int from, int to);
    // "Import výrazu": the row (ImportedExpressionRow) appended to the
    // selected category, or a new category holding it when the library is
    // empty. Returns the row's index.
    int ImportRow(LibraryRow row);

    // --- The explanation of the selected row in the editor pane. Positions
    // are byte offsets into its UTF-8 text; both return the caret after the
    // inserted text (nothing outside edit mode or without a row).
    // Inserts text at the caret ("Vložit režim", "Vložit proměnnou", "Vložit index").
    std::optional<std::size_t> InsertText(std::size_t caret, std::string_view text);
    // Inserts whole lines before the caret's line ("Vložit stav oken").
    std::optional<std::size_t> InsertLines(std::size_t caret, const std::vector<std::string>& lines);

    // --- Searching
    // The incremental category search: selects the first category whose
    // name begins with the typed text (compared upper-cased).
    LibraryNode* FindCategory(std::string_view typed);
    // Going to a search hit: its category and, when it still has it, its row.
    bool GoTo(const LibraryHit& hit);

    // --- Packages
    // Writes the checked categories (library_packages.h) to a new file.
    LibraryFileOutcome ExportPackage(const std::vector<LibraryNodeId>& checked,
                                     const std::filesystem::path& path) const;
    // Appends the checked categories of a package, with their rows, at the
    // end of the top level; the first one becomes selected. Returns how many
    // top-level categories were added.
    std::size_t ImportPackage(const LibraryTree& package, const std::vector<LibraryNodeId>& checked);

private:
    LibraryRow NewRowTemplate(std::string_view modeLine) const;
    std::unique_ptr<LibraryNode> NewCategoryNode(std::string_view modeLine) const;
    LibraryFileOutcome Failure(std::string_view key, const std::filesystem::path& path) const;
    LibraryRow* EditableRow();
    void Changed() { modified_ = true; }

    LibraryMessageTable texts_;
    LibraryTree tree_;
    std::filesystem::path path_;
    bool modified_ = false;
    bool editMode_ = false;
    LibraryNode* selected_ = nullptr;
    int row_ = 0;
    std::unique_ptr<LibraryNode> categoryClipboard_;
    std::optional<LibraryRow> rowClipboard_;
};

}  // namespace tarvix
