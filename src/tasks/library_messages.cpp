// Built-in Czech texts of the expression library. "%\ " is a line break
// (replaced when a message box shows the text); "%s" an argument.
#include "tasks/library_messages.h"

#include <vector>

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    using namespace libmsg;
    static const std::vector<MessageEntry> entries = {
        {NotFound, "Soubor knihovny výrazů nebyl nalezen %\\ \"%s\""},
        {ReadError, "Chyba při čtení ze souboru %\\ \"%s\""},
        {WriteError, "Chyba při zápisu do souboru %\\ \"%s\""},
        {SaveQuestion, "Knihovna výrazů byla modifikována. %\\ Má se uložit?"},
        {FileExists, "Soubor \"%s\" existuje. %\\ Má se přepsat?"},
        {FileFilter, "Soubory knihovny výrazů"},
        {Writing, "Zápis do souboru..."},
        {NewCategory, "nová kategorie"},
        {NewComment, "nový komentář"},
        {NewExpression, "nový výraz"},
        {VariableTemplate, "vel= %s [jedn] %s vysvětlivka"},
        {NoDescription, "text.."},
        {SelectVariable,
         "Vyberte proměnnou v Seznamu proměnných, %\\ a vyvolejte opět nabídku Vložit proměnnou"},
        {NotAFormula, "Řádek \"%s\" není výraz, který lze použít"},
        {NoSuchCategory, "Kategorie \"%s\" nebyla nalezena"},
        {NoSuchRow, "Kategorie \"%s\" nemá řádek %s"},
        {NotATask, "První řádek kategorie \"%s\" není úloha"},
    };
    return entries;
}

}  // namespace

LibraryMessageTable::LibraryMessageTable() : MessageTable(DefaultEntries()) {}

const LibraryMessageTable& BuiltInLibraryMessages() {
    static const LibraryMessageTable table;
    return table;
}

}  // namespace tarvix
