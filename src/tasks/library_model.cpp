// The expression library window's model: the file, the selection, and the
// commands on categories, rows and the explanation.
#include "tasks/library_model.h"

#include <algorithm>

#include "engine/parser_messages.h"
#include "tasks/library_file.h"
#include "tasks/library_packages.h"
#include "tasks/library_search.h"
#include "tasks/library_text.h"

namespace tarvix {
namespace {

// A byte offset moved back to the start of the UTF-8 character it falls in.
std::size_t CharacterStart(std::string_view text, std::size_t position) {
    position = std::min(position, text.size());
    while (position > 0 && position < text.size() &&
           (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80) {
        --position;
    }
    return position;
}

std::string CleanCell(LibraryCell cell, std::string_view text) {
    return cell == LibraryCell::Explanation ? CleanExplanation(text) : CleanLineCell(text);
}

}  // namespace

// --- The library and its file

LibraryFileOutcome LibraryModel::Failure(std::string_view key,
                                         const std::filesystem::path& path) const {
    return {false, FormatMessageText(texts_.Text(key), {path.string()}), kLibraryFileHelpContext};
}

LibraryFileOutcome LibraryModel::Open(const std::filesystem::path& path) {
    LibraryReadResult read = ReadLibraryFile(path);
    switch (read.Status) {
        case LibraryReadStatus::Ok: break;
        case LibraryReadStatus::Missing: return Failure(libmsg::NotFound, path);
        case LibraryReadStatus::Unreadable:
        case LibraryReadStatus::NoTreeEnd: return Failure(libmsg::ReadError, path);
    }
    Reset(std::move(read.Tree), path);
    return {};
}

LibraryFileOutcome LibraryModel::Save() {
    return SaveAs(path_);
}

LibraryFileOutcome LibraryModel::SaveAs(const std::filesystem::path& path) {
    if (DropEmptyRows(tree_)) Select(selected_, row_);
    if (!WriteLibraryFile(path, tree_).ok()) return Failure(libmsg::WriteError, path);
    path_ = path;
    modified_ = false;
    return {};
}

void LibraryModel::Reset(LibraryTree tree, std::filesystem::path path) {
    tree_ = std::move(tree);
    path_ = std::move(path);
    modified_ = false;
    Select(tree_.First());
}

// --- Selection

const LibraryRow* LibraryModel::CurrentRow() const {
    return selected_ ? &selected_->Rows[static_cast<std::size_t>(row_)] : nullptr;
}

void LibraryModel::Select(LibraryNode* node, int row) {
    // A category always shows at least one row, even one emptied from outside.
    if (node && node->Rows.empty()) node->Rows.emplace_back();
    selected_ = node;
    row_ = node ? std::clamp(row, 0, static_cast<int>(node->Rows.size()) - 1) : 0;
}

void LibraryModel::SelectRow(int row) {
    Select(selected_, row);
}

// --- Categories

LibraryRow LibraryModel::NewRowTemplate(std::string_view modeLine) const {
    const LibraryRow* current = CurrentRow();
    LibraryRow row;
    row.Explanation = std::string(modeLine) + "\n" +
                      FormatMessageText(texts_.Text(libmsg::VariableTemplate), {"\t", "\t"});
    row.Comment = texts_.Text(libmsg::NewComment);
    row.Expression = current && IsTaskRow(*current) ? "TASK" : texts_.Text(libmsg::NewExpression);
    return row;
}

std::unique_ptr<LibraryNode> LibraryModel::NewCategoryNode(std::string_view modeLine) const {
    return std::make_unique<LibraryNode>(texts_.Text(libmsg::NewCategory),
                                         std::vector<LibraryRow>{NewRowTemplate(modeLine)});
}

LibraryNode* LibraryModel::NewCategory(std::string_view modeLine) {
    if (!editMode_) return nullptr;
    LibraryNode* node =
        selected_ ? tree_.Insert(selected_->Parent(), selected_->IndexInParent() + 1,
                                 NewCategoryNode(modeLine))
                  : tree_.Append(nullptr, NewCategoryNode(modeLine));
    Select(node);
    Changed();
    return node;
}

LibraryNode* LibraryModel::NewSubcategory(std::string_view modeLine) {
    if (!editMode_) return nullptr;
    LibraryNode* node = tree_.Append(selected_, NewCategoryNode(modeLine));
    Select(node);
    Changed();
    return node;
}

bool LibraryModel::RenameCategory(LibraryNode& node, std::string_view name) {
    if (!editMode_) return false;
    std::string clean = CleanCategoryName(name);
    if (clean == node.Name) return false;
    node.Name = std::move(clean);
    Changed();
    return true;
}

bool LibraryModel::CopyCategory() {
    if (!selected_) return false;
    categoryClipboard_ = selected_->Clone();
    return true;
}

bool LibraryModel::CutCategory() {
    return editMode_ && CopyCategory() && DeleteCategory();
}

LibraryNode* LibraryModel::PasteCategory() {
    if (!editMode_ || !categoryClipboard_) return nullptr;
    auto copy = categoryClipboard_->Clone();
    LibraryNode* node = selected_ ? tree_.Insert(selected_->Parent(),
                                                 selected_->IndexInParent() + 1, std::move(copy))
                                  : tree_.Append(nullptr, std::move(copy));
    Select(node);
    Changed();
    return node;
}

bool LibraryModel::DeleteCategory() {
    if (!editMode_ || !selected_) return false;
    LibraryNode* parent = selected_->Parent();
    const std::size_t index = selected_->IndexInParent();
    const auto& siblings = parent ? parent->Children() : tree_.TopLevel();
    LibraryNode* next = index + 1 < siblings.size() ? siblings[index + 1].get()
                        : index > 0                 ? siblings[index - 1].get()
                                                    : parent;
    tree_.Detach(selected_);
    Select(next ? next : tree_.First());
    Changed();
    return true;
}

bool LibraryModel::MoveCategory(LibraryNode& node, LibraryNode* parent, std::size_t index) {
    if (!editMode_ || !tree_.Move(&node, parent, index)) return false;
    Changed();
    return true;
}

// --- Rows

LibraryRow* LibraryModel::EditableRow() {
    if (!editMode_ || !selected_) return nullptr;
    return &selected_->Rows[static_cast<std::size_t>(row_)];
}

int LibraryModel::NewRow(std::string_view modeLine) {
    if (!editMode_ || !selected_) return -1;
    selected_->Rows.push_back(NewRowTemplate(modeLine));
    Select(selected_, static_cast<int>(selected_->Rows.size()) - 1);
    Changed();
    return row_;
}

bool LibraryModel::SetCell(int row, LibraryCell cell, std::string_view text) {
    if (!editMode_ || !selected_ || row < 0 || row >= static_cast<int>(selected_->Rows.size()))
        return false;
    std::string& target = selected_->Rows[static_cast<std::size_t>(row)].Cell(cell);
    std::string clean = CleanCell(cell, text);
    if (clean == target) return false;
    target = std::move(clean);
    Changed();
    return true;
}

bool LibraryModel::CopyRow() {
    if (!selected_) return false;
    rowClipboard_ = *CurrentRow();
    return true;
}

bool LibraryModel::CutRow() {
    return editMode_ && CopyRow() && DeleteRow();
}

int LibraryModel::PasteRow() {
    if (!editMode_ || !selected_ || !rowClipboard_) return -1;
    const auto at = selected_->Rows.begin() + row_ + 1;
    selected_->Rows.insert(at, *rowClipboard_);
    Select(selected_, row_ + 1);
    Changed();
    return row_;
}

bool LibraryModel::DeleteRow() {
    if (!editMode_ || !selected_) return false;
    auto& rows = selected_->Rows;
    rows.erase(rows.begin() + row_);
    if (rows.empty()) rows.emplace_back();
    Select(selected_, row_);
    Changed();
    return true;
}

bool LibraryModel::MoveRow(int from, int to) {
    if (!editMode_ || !selected_) return false;
    auto& rows = selected_->Rows;
    const int count = static_cast<int>(rows.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return false;
    LibraryRow moved = std::move(rows[static_cast<std::size_t>(from)]);
    rows.erase(rows.begin() + from);
    rows.insert(rows.begin() + to, std::move(moved));
    Select(selected_, to);
    Changed();
    return true;
}

int LibraryModel::ImportRow(LibraryRow row) {
    if (!editMode_) return -1;
    if (!selected_) {
        if (!tree_.Empty()) Select(tree_.First());
    }
    if (!selected_) {
        Select(tree_.Append(nullptr, std::make_unique<LibraryNode>(
                                         texts_.Text(libmsg::NewCategory),
                                         std::vector<LibraryRow>{std::move(row)})));
    } else {
        selected_->Rows.push_back(std::move(row));
        Select(selected_, static_cast<int>(selected_->Rows.size()) - 1);
    }
    Changed();
    return row_;
}

// --- The explanation

std::optional<std::size_t> LibraryModel::InsertText(std::size_t caret, std::string_view text) {
    LibraryRow* row = EditableRow();
    if (!row) return std::nullopt;
    const std::string clean = CleanExplanation(text);
    caret = CharacterStart(row->Explanation, caret);
    row->Explanation.insert(caret, clean);
    if (!clean.empty()) Changed();
    return caret + clean.size();
}

std::optional<std::size_t> LibraryModel::InsertLines(std::size_t caret,
                                                     const std::vector<std::string>& lines) {
    const LibraryRow* row = CurrentRow();
    if (!row) return std::nullopt;
    caret = std::min(caret, row->Explanation.size());
    const std::size_t lineBreak = std::string_view(row->Explanation).substr(0, caret).rfind('\n');
    const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return InsertText(lineStart, text);
}

// --- Searching

LibraryNode* LibraryModel::FindCategory(std::string_view typed) {
    LibraryNode* node = FindCategoryByPrefix(tree_, typed);
    if (node) Select(node);
    return node;
}

bool LibraryModel::GoTo(const LibraryHit& hit) {
    LibraryNode* node = tree_.Find(hit.Node);
    if (!node) return false;
    Select(node, hit.Row < static_cast<int>(node->Rows.size()) ? hit.Row : 0);
    return true;
}

// --- Packages

LibraryFileOutcome LibraryModel::ExportPackage(const std::vector<LibraryNodeId>& checked,
                                               const std::filesystem::path& path) const {
    LibraryTree package = ExtractChecked(tree_, checked);
    DropEmptyRows(package);
    if (!WriteLibraryFile(path, package).ok()) return Failure(libmsg::WriteError, path);
    return {};
}

std::size_t LibraryModel::ImportPackage(const LibraryTree& package,
                                        const std::vector<LibraryNodeId>& checked) {
    LibraryTree extracted = ExtractChecked(package, checked);
    const std::size_t count = extracted.TopLevel().size();
    LibraryNode* first = nullptr;
    for (const auto& node : extracted.TopLevel()) {
        LibraryNode* added = tree_.Append(nullptr, node->Clone());
        if (!first) first = added;
    }
    if (first) {
        Select(first);
        Changed();
    }
    return count;
}

}  // namespace tarvix
