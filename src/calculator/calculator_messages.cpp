// Built-in Czech texts of the calculator's messages and their replacement.
#include "calculator/calculator_messages.h"

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

}  // namespace

CalculatorMessageTable::CalculatorMessageTable() : MessageTable(DefaultEntries()) {}

const CalculatorMessageTable& BuiltInCalculatorMessages() {
    static const CalculatorMessageTable table;
    return table;
}

}  // namespace tarvix
