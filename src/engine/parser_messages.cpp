// Built-in Czech texts of the engine's messages and their replacement.
#include "engine/parser_messages.h"

#include <stdexcept>

#include "engine/message_overlay.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

// "\n" is a line break inside a message.
const std::vector<MessageEntry>& DefaultEntries() {
    static const std::vector<MessageEntry> entries = {
        {msg::DivisionByZero, "Dělení nulou"},
        {msg::ZeroDivisionBy, "Dělení nulou operátorem %s"},
        {msg::IndefiniteExpr, "Argument funkce %s\nje neurčitý výraz 0^0"},
        {msg::PowerNegatExp,
         "Chyba argumentu funkce power(x;y),\nzáklad je nulový a exponent záporný"},
        {msg::PowerFractExp,
         "Chyba argumentu funkce power(x;y),\nzáklad je záporný a exponent necelý"},
        {msg::RangeOverflow, "Argument funkce %s je mimo rozsah %s"},
        {msg::OverDefinition, "Argument funkce %s\nje mimo definiční obor %s"},
        {msg::NoComplexFunc, "Funkce %s není dostupná v režimu cplx"},
        {msg::Parse, "Syntaktická chyba ve výrazu"},
        {msg::Blanks, "Výraz obsahuje mezery"},
        {msg::Nestings, "Výraz je příliš zahnízděný"},
        {msg::TooComplex, "Výraz je příliš komplexní"},
        {msg::InternalError, "Interní chyba TParser"},
        {msg::IndexRangeError, "Index je mimo rozsah"},
        {msg::MissingBrackets, "Chybějící závorka ve výrazu"},
        {msg::RedundantBrackets, "Nadbytečná závorka ve výrazu"},
        {msg::RangeInt64Exceeded, "Překročen rozsah 2^64"},
        {msg::InvalidDigitCharacter, "Neplatný znak \"%s\" číselné soustavy %s."},
        {msg::BadImaginaryUnitIdentifier,
         "Symbol (%s) není nastaveným symbolem imaginární jednotky"},
        {msg::VarNameEqualsImaginaryUnit,
         "Název proměnné ( %s ) je shodný se symbolem imaginární jednotky"},
        {msg::InvalidVarName, "Neplatný název proměnné \"%s\""},
        {msg::VarNotRegistered, "Proměnná \"%s\" není registrovaná"},
        {msg::FloatOverflow, "Přetečení rozsahu čísla s pohyblivou řádovou čárkou"},
        {msg::FloatInvalid, "Neplatná operace s čísly s pohyblivou řádovou čárkou"},
        {msg::FloatZeroDivide, "Dělení nulou v pohyblivé řádové čárce"},
        {msg::IntOverflow, "Přetečení celočíselného rozsahu"},
        {msg::RangeError, "Hodnota je mimo rozsah celého čísla"},
        {msg::LiteralOverflow, "Číslo \"%s\" je mimo rozsah"},
        {msg::ZeroIntegrationInterval, "Nulový interval integrace"},
        {msg::ZeroIntegrationIncrement, "Nulový inkrement integrace"},
        {msg::TooManyIntegrationSteps,
         "Příliš mnoho kroků integrace (nejvýše %s);\nzvětšete inkrement dx"},
        {msg::OpenMatrixForm, "Prosím otevřete formulář pro maticový počet"},
        {msg::CellRowRange, "Řádkový index mimo rozsah 1..%s"},
        {msg::CellColumnRange, "Sloupcový index mimo rozsah 1..%s"},
        {msg::CellRecursion, "Buňka matice odkazuje sama na sebe"},
    };
    return entries;
}

}  // namespace

MessageTable::MessageTable(const std::vector<MessageEntry>& defaults) : defaults_(&defaults) {
    ResetToDefaults();
}

std::size_t MessageTable::IndexOf(std::string_view key) const {
    for (std::size_t i = 0; i < defaults_->size(); ++i) {
        if (EqualsNoCase((*defaults_)[i].Key, key)) return i;
    }
    return defaults_->size();
}

void MessageTable::ResetToDefaults() {
    texts_.clear();
    for (const auto& e : *defaults_) texts_.emplace_back(e.Default);
}

const std::string& MessageTable::Text(std::string_view key) const {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) throw std::logic_error("unknown message key " + std::string(key));
    // The applied language's text, when it has one for this key.
    if (const std::string* replaced = LanguageMessages().Find(key)) return *replaced;
    return texts_[i];
}

bool MessageTable::Replace(std::string_view key, std::string text) {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) return false;
    texts_[i] = std::move(text);
    return true;
}

ParserMessageTable::ParserMessageTable() : MessageTable(DefaultEntries()) {}

ParserMessageTable& ParserMessages() {
    static ParserMessageTable table;
    return table;
}

std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != args.end()) out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace tarvix
