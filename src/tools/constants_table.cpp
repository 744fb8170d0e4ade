// The built-in constants and the user constants' settings form and grid.
#include "tools/constants_table.h"

#include "calculator/text_trim.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

// Values as given, duplicates included: the gravitational constant appears as
// 7 and C, and the radiation constant F is the older Stefan–Boltzmann value
// next to P.
constexpr BuiltInConstant kConstants[] = {
    {'0', "Astronomická jednotka", "AU [m]", "1,4959787E11"},
    {'1', "Avogadrova konstanta", "NA [mol]", "6,0221367E23"},
    {'2', "Bohrův rádius", "a₀ [m]", "5,29177249E-11"},
    {'3', "Bohrův magneton", "μB [J/T]", "9,2740154E-24"},
    {'4', "Boltzmannova konstanta", "k [J/K]", "1,380658E-23"},
    {'5', "Elektrický náboj elektronu", "e [C]", "1,60217733E-19"},
    {'6', "Faradayova konstanta", "F [C/mol]", "9,6485309E4"},
    {'7', "Gravitační konstanta", "G [N·m²/kg²]", "6,67259E-11"},
    {'8', "Hmotnost elektronu", "µe [kg]", "9,1093897E-31"},
    {'9', "Hmotnost muonu", "mµ [kg]", "1,8835327E-28"},
    {'A', "Hmotnost neutronu", "µn [kg]", "1,6749543E-27"},
    {'B', "Hmotnost protonu", "µp [kg]", "1,6726231E-27"},
    {'C', "Newtonova gravitační konst.", "G [N·m²/kg²]", "6,67259E-11"},
    {'D', "Permitivita vakua", "ε₀ [F/m]", "8,854187817E-12"},
    {'E', "Permeabilita vakua", "μ₀ [H/m]", "1,2566370614E-6"},
    {'F', "Konstanta záření", "σ [W/(m²·K⁴)]", "5,6697E-8"},
    {'G', "Loschmidtova konstanta", "N_L [m⁻³]", "2,6874E25"},
    {'H', "Magnetický moment protonu", "μp [J/T]", "1,41060761E-26"},
    {'I', "Magnetický moment elektronu", "μe [J/T]", "9,2847701E-24"},
    {'J', "Magnetický moment neutronu", "μn [J/T]", "9,6623707E-27"},
    {'K', "Magnetický moment muonu", "μµ [J/T]", "4,4904514E-26"},
    {'L', "Molární objem ideálního plynu", "Vm [m³/mol]", "2,24141E-2"},
    {'M', "Planckova konstanta", "h [Js]", "6,6260755E-34"},
    {'N', "Rydbergova konstanta", "R∞ [m⁻¹]", "1,0973731534E7"},
    {'O', "Rychlost světla ve vakuu", "c [m/s]", "2,99792458E8"},
    {'P', "Stefan-Boltzmannova konst.", "σ [W/(m²·K⁴)]", "5,67051E-8"},
    {'Q', "Gravitační zrychlení", "g [m/s²]", "9,80665"},
    {'R', "Univerzální plynová konst.", "R [J/(mol·K)]", "8,314510"},
    {'S', "Nukleární magneton", "μN [J/T]", "5,0507866E-27"},
};

void AppendEscaped(std::string& out, std::string_view field) {
    for (char c : field) {
        if (c == '~' || c == '\\') out += '\\';
        out += c;
    }
}

// Reads one field up to an unescaped "~" (consumed), or to the end when
// `rest`; "\~" is a "~" and "\\" a backslash, any other backslash stays.
std::optional<std::string> ReadField(std::string_view text, std::size_t& at, bool rest) {
    std::string field;
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '\\' && at < text.size() && (text[at] == '~' || text[at] == '\\')) {
            field += text[at++];
        } else if (c == '~' && !rest) {
            return field;
        } else {
            field += c;
        }
    }
    if (rest) return field;
    return std::nullopt;
}

}  // namespace

std::span<const BuiltInConstant> BuiltInConstants() {
    return kConstants;
}

std::string ConstantCaption(const BuiltInConstant& constant, std::string_view name) {
    std::string caption(1, constant.Key);
    caption += "  ";
    caption += name;
    caption += ": ";
    caption += constant.Symbol;
    caption += '\t';
    caption += constant.Value;
    return caption;
}

std::string EncodeUserConst(const UserConst& constant) {
    std::string out;
    AppendEscaped(out, constant.Name);
    out += '~';
    AppendEscaped(out, constant.Shortcut);
    out += '~';
    AppendEscaped(out, constant.Value);
    return out;
}

std::optional<UserConst> DecodeUserConst(std::string_view text) {
    std::size_t at = 0;
    std::optional<std::string> name = ReadField(text, at, false);
    if (!name) return std::nullopt;
    std::optional<std::string> shortcut = ReadField(text, at, false);
    if (!shortcut) return std::nullopt;
    // The rest is the value (a "~" in it reads back escaped or not).
    std::string value = *ReadField(text, at, true);
    return UserConst{*name, std::string(TrimBlanks(*shortcut)), value};
}

std::vector<UserConst> ReadUserConsts(const std::vector<std::string>& values) {
    std::vector<UserConst> list;
    for (const std::string& value : values) {
        std::optional<UserConst> constant = DecodeUserConst(value);
        if (constant && !constant->Name.empty() && !constant->Value.empty())
            list.push_back(std::move(*constant));
    }
    return list;
}

std::vector<std::string> WriteUserConsts(const std::vector<UserConst>& constants) {
    std::vector<std::string> values;
    for (const UserConst& constant : constants) {
        if (constant.Name.empty() || constant.Value.empty()) continue;
        values.push_back(EncodeUserConst(constant));
    }
    return values;
}

const UserConst* FindUserConstByShortcut(const std::vector<UserConst>& constants,
                                         std::string_view shortcut) {
    if (shortcut.empty()) return nullptr;
    for (const UserConst& constant : constants) {
        if (!constant.Shortcut.empty() && EqualsNoCase(constant.Shortcut, shortcut))
            return &constant;
    }
    return nullptr;
}

UserConstGrid::UserConstGrid(const std::vector<UserConst>& constants) {
    for (const UserConst& c : constants) rows_.push_back({c.Name, c.Shortcut, c.Value});
    if (rows_.empty()) {
        rows_.emplace_back();
        editMode_ = true;
    }
}

void UserConstGrid::SetCell(std::size_t row, std::size_t column, std::string text) {
    rows_.at(row).at(column) = std::move(text);
}

bool UserConstGrid::InsertRow(std::size_t row) {
    if (!editMode_) return false;
    if (row > rows_.size()) row = rows_.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), Row{});
    return true;
}

bool UserConstGrid::AppendRow() {
    if (!editMode_) return false;
    rows_.emplace_back();
    return true;
}

bool UserConstGrid::RemoveRow(std::size_t row) {
    if (!editMode_ || row >= rows_.size()) return false;
    if (rows_.size() == 1) {
        rows_[0] = Row{};
    } else {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    }
    return true;
}

std::vector<UserConst> UserConstGrid::ToList() const {
    std::vector<UserConst> list;
    for (const Row& row : rows_) {
        const std::string_view name = TrimBlanks(row[0]);
        const std::string_view value = TrimBlanks(row[2]);
        if (name.empty() && value.empty()) continue;
        list.push_back({std::string(name), std::string(TrimBlanks(row[1])), std::string(value)});
    }
    return list;
}

}  // namespace tarvix
