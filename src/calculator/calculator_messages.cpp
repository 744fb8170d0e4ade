// Built-in Czech texts of the calculator's messages and their replacement.
#include "calculator/calculator_messages.h"

#include <stdexcept>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

// "\n" is a line break inside a message, and so are "%\ " and "%\\ " (the
// language files' line breaks, replaced when a message box shows the text).
const std::vector<MessageEntry>& DefaultEntries() {
    static const std::vector<MessageEntry> entries = {
        {calcmsg::NonConvertibleString, "Nekonvertovatelný řetězec\n%s"},
        {calcmsg::BaseRangeExceeded, "Mimo rozsah 64bitového celého čísla"},
        {calcmsg::CaptionWarning, "Upozornění"},
        {calcmsg::CaptionError, "Chyba"},
        {calcmsg::CaptionInformation, "Informace"},
        {calcmsg::CaptionConfirmation, "Potvrzení"},
        {calcmsg::ButtonOk, "OK"},
        {calcmsg::ButtonCancel, "Storno"},
        {calcmsg::ButtonYes, "&Ano"},
        {calcmsg::ButtonNo, "&Ne"},
        {calcmsg::ButtonAbort, "&Přerušit"},
        {calcmsg::ButtonRetry, "&Znovu"},
        {calcmsg::ButtonIgnore, "&Ignoruj"},
        {calcmsg::ButtonAll, "&All"},
        {calcmsg::ButtonNoToAll, "N&o to All"},
        {calcmsg::ButtonYesToAll, "Yes to &All"},
        {calcmsg::ButtonHelp, "&Nápověda"},
        {calcmsg::DuplicateVariable, "Duplicita proměnné \"%s\""},
        {calcmsg::InvalidIdentifier, "Neplatný identifikátor proměnné \"%s\""},
        {calcmsg::VariableExists, "Proměnná \"%s\" již existuje"},
        {calcmsg::VariableRegistered, "Proměnná \"%s\" byla registrována"},
        {calcmsg::VariableNotDefined, "Proměnná \"%s\" nebyla definována"},
        {calcmsg::NewVariablesQuestion,
         "Byly registrovány nové proměnné: %\\ %s %\\ %\\ Vložit použité proměnné do vstupních "
         "polí?"},
        {calcmsg::SequenceDefineQuestion,
         "Byla definována náhrada sekvence znaků %\\   Nahrazovat dvojici znaků \"%s%s\" %\\   "
         "nadále jen jedním znakem \"%s\" ?"},
        {calcmsg::SequenceReplacedRemoved,
         "Náhrada sekvence znaků \"%s%s\" %\\ znakem \"%s\" byla zrušena"},
        {calcmsg::SequenceRemoved, "Náhrada sekvence znaků \"%s%s\" byla zrušena"},
        {calcmsg::ClearQuestion, "Mají se proměnné vynulovat?"},
        {calcmsg::ResetQuestion,
         "Má se provést reset? %\\\\ (odstranit uživatelské proměnné a vynulovat)"},
        {calcmsg::ApplyVariablesQuestion, "Mají se hodnoty proměnných aktualizovat?"},
        {calcmsg::DescriptionCaption, "Popisek proměnné"},
        {calcmsg::VariableNameHint, "Název proměnné"},
    };
    return entries;
}

std::size_t IndexOf(std::string_view key) {
    const auto& entries = DefaultEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualsNoCase(entries[i].Key, key)) return i;
    }
    return entries.size();
}

}  // namespace

CalculatorMessageTable::CalculatorMessageTable() {
    ResetToDefaults();
}

void CalculatorMessageTable::ResetToDefaults() {
    texts_.clear();
    for (const auto& e : DefaultEntries()) texts_.emplace_back(e.Default);
}

const std::vector<MessageEntry>& CalculatorMessageTable::Entries() const {
    return DefaultEntries();
}

const std::string& CalculatorMessageTable::Text(std::string_view key) const {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) throw std::logic_error("unknown message key " + std::string(key));
    return texts_[i];
}

bool CalculatorMessageTable::Replace(std::string_view key, std::string text) {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) return false;
    texts_[i] = std::move(text);
    return true;
}

const CalculatorMessageTable& BuiltInCalculatorMessages() {
    static const CalculatorMessageTable table;
    return table;
}

}  // namespace tarvix
