// The built-in constants and the user constants' settings form and grid.
#include "tools/constants_table.h"

#include "calculator/text_trim.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

// The CODATA 2018 recommended values (h, e, k and N_A exact since the SI of
// 2019, and with them F, R, the Stefan–Boltzmann constant, the Loschmidt
// constant and the molar volume at 273.15 K and 101.325 kPa); the
// astronomical unit is the IAU's exact 149 597 870 700 m and g the standard
// 9.80665 m/s². The magnetic moments of the electron, the neutron and the
// muon are negative; the table gives their magnitudes. The gravitational
// constant appears as 7 and C, and the radiation constant F is the
// Stefan–Boltzmann constant of P.
constexpr BuiltInConstant kConstants[] = {
    {'0', "Astronomická jednotka", "AU [m]", "1,495978707E11", 1.495978707E11L},
    {'1', "Avogadrova konstanta", "NA [mol]", "6,02214076E23", 6.02214076E23L},
    {'2', "Bohrův rádius", "a₀ [m]", "5,29177210903E-11", 5.29177210903E-11L},
    {'3', "Bohrův magneton", "μB [J/T]", "9,2740100783E-24", 9.2740100783E-24L},
    {'4', "Boltzmannova konstanta", "k [J/K]", "1,380649E-23", 1.380649E-23L},
    {'5', "Elektrický náboj elektronu", "e [C]", "1,602176634E-19", 1.602176634E-19L},
    {'6', "Faradayova konstanta", "F [C/mol]", "9,648533212E4", 9.648533212E4L},
    {'7', "Gravitační konstanta", "G [N·m²/kg²]", "6,67430E-11", 6.67430E-11L},
    {'8', "Hmotnost elektronu", "µe [kg]", "9,1093837015E-31", 9.1093837015E-31L},
    {'9', "Hmotnost muonu", "mµ [kg]", "1,883531627E-28", 1.883531627E-28L},
    {'A', "Hmotnost neutronu", "µn [kg]", "1,67492749804E-27", 1.67492749804E-27L},
    {'B', "Hmotnost protonu", "µp [kg]", "1,67262192369E-27", 1.67262192369E-27L},
    {'C', "Newtonova gravitační konst.", "G [N·m²/kg²]", "6,67430E-11", 6.67430E-11L},
    {'D', "Permitivita vakua", "ε₀ [F/m]", "8,8541878128E-12", 8.8541878128E-12L},
    {'E', "Permeabilita vakua", "μ₀ [H/m]", "1,25663706212E-6", 1.25663706212E-6L},
    {'F', "Konstanta záření", "σ [W/(m²·K⁴)]", "5,670374419E-8", 5.670374419E-8L},
    {'G', "Loschmidtova konstanta", "N_L [m⁻³]", "2,686780111E25", 2.686780111E25L},
    {'H', "Magnetický moment protonu", "μp [J/T]", "1,41060679736E-26", 1.41060679736E-26L},
    {'I', "Magnetický moment elektronu", "μe [J/T]", "9,2847647043E-24", 9.2847647043E-24L},
    {'J', "Magnetický moment neutronu", "μn [J/T]", "9,6623651E-27", 9.6623651E-27L},
    {'K', "Magnetický moment muonu", "μµ [J/T]", "4,4904483E-26", 4.4904483E-26L},
    {'L', "Molární objem ideálního plynu", "Vm [m³/mol]", "2,241396954E-2", 2.241396954E-2L},
    {'M', "Planckova konstanta", "h [Js]", "6,62607015E-34", 6.62607015E-34L},
    {'N', "Rydbergova konstanta", "R∞ [m⁻¹]", "1,0973731568160E7", 1.0973731568160E7L},
    {'O', "Rychlost světla ve vakuu", "c [m/s]", "2,99792458E8", 2.99792458E8L},
    {'P', "Stefan-Boltzmannova konst.", "σ [W/(m²·K⁴)]", "5,670374419E-8", 5.670374419E-8L},
    {'Q', "Gravitační zrychlení", "g [m/s²]", "9,80665", 9.80665L},
    {'R', "Univerzální plynová konst.", "R [J/(mol·K)]", "8,314462618", 8.314462618L},
    {'S', "Nukleární magneton", "μN [J/T]", "5,0507837461E-27", 5.0507837461E-27L},
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
