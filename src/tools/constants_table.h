// The 29 built-in physical constants of the main window's constants menu (the
// CODATA 2018 values), and
// the user's own constants ("name~shortcut~value" in the settings) with the
// rules of their editing grid.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

struct BuiltInConstant {
    char Key;                 // "0" … "9", "A" … "S": the menu item's mnemonic
    std::string_view Name;    // replaceable caption text
    std::string_view Symbol;  // symbol and unit, e.g. "c [m/s]"
    std::string_view Value;   // the text inserted (decimal comma)
    long double Number;       // the value the text reads as
};

std::span<const BuiltInConstant> BuiltInConstants();
// The menu caption: key, two blanks, name, ": ", symbol and unit, tab, value.
std::string ConstantCaption(const BuiltInConstant& constant, std::string_view name);

struct UserConst {
    std::string Name;
    std::string Shortcut;  // the shortcut's canonical text ("Ctrl+K"); empty: none
    std::string Value;
    friend bool operator==(const UserConst&, const UserConst&) = default;
};

// One settings value: name "~" shortcut "~" value, a "~" or "\" inside a
// field escaped by a backslash so that it reads back.
std::string EncodeUserConst(const UserConst& constant);
// Reads a settings value; an unescaped "~" ends the name and the shortcut.
// Nothing when there are not two separators.
std::optional<UserConst> DecodeUserConst(std::string_view text);
// The settings list: entries without a name or a value are left out.
std::vector<UserConst> ReadUserConsts(const std::vector<std::string>& values);
std::vector<std::string> WriteUserConsts(const std::vector<UserConst>& constants);

// The first constant with this shortcut (ASCII case ignored), or nullptr.
const UserConst* FindUserConstByShortcut(const std::vector<UserConst>& constants,
                                         std::string_view shortcut);

// The user-constants window's grid: rows of name, shortcut and value, an edit
// mode, and the list rebuilt from the rows.
class UserConstGrid {
public:
    using Row = std::array<std::string, 3>;  // name, shortcut text, value

    // One row per constant; with none, one empty row and edit mode on.
    explicit UserConstGrid(const std::vector<UserConst>& constants);

    const std::vector<Row>& Rows() const { return rows_; }
    void SetCell(std::size_t row, std::size_t column, std::string text);
    bool EditMode() const { return editMode_; }
    void ToggleEditMode() { editMode_ = !editMode_; }

    // Edit mode only (false otherwise): a new empty row at `row`, at the end,
    // or the row removed (one row always stays, emptied when it is the last).
    bool InsertRow(std::size_t row);
    bool AppendRow();
    bool RemoveRow(std::size_t row);

    // Rows with a name or a value become entries in order, trimmed.
    std::vector<UserConst> ToList() const;

private:
    std::vector<Row> rows_;
    bool editMode_ = false;
};

}  // namespace tarvix
