// Built-in Czech texts of the series and transfer messages. "%\ " is a line
// break (replaced when a message box shows the text); "%s" an argument.
#include "series/series_messages.h"

#include <vector>

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    using namespace seriesmsg;
    static const std::vector<MessageEntry> entries = {
        {NoRange, "Proměnná \"%s\" neobsahuje rozsah a krok %\\ například 50..2500:10"},
        {OneComponent, "Iterovat lze pouze jednu složku komplexní proměnné %\\ %s"},
        {ZeroStep, "Iterační proměnná je rovna nule"},
        {TooManySteps100k,
         "Počet iteračních kroků je větší než 100.000, %\\ může dojít k výraznému zpomalení "
         "výpočtu. %\\ Přejete si přesto pokračovat?"},
        {TooManySteps1M,
         "Počet iteračních kroků je větší než 1 milión %\\ může dojít k nepředvídaným "
         "problémům. %\\ Přejete si přesto pokračovat?"},
        {NotEnoughMemory,
         "Datová řada o %s bodech by potřebovala asi %s MB paměti, %\\ volných je jen %s MB. "
         "%\\ Zmenšete rozsah nebo zvětšete krok."},
        {NoControlVariable, "Není zadána řídící proměnná nekonečné řady"},
        {NoControlRange, "Není zadán rozsah řídící proměnné nekonečné řady"},
        {NoControlStep, "Není zadán krok řídící proměnné nekonečné řady"},
        {ZeroIterationStep, "Iterační krok je roven nule"},
        {WrongStepSign, "Iterační krok má špatné znaménko"},
        {ExpansionTemplate, "Výraz:::Proměnná=Min..Max:Krok"},
        {OneValue, "%s hodnota %s"},
        {FewValues, "%s hodnoty %s"},
        {ManyValues, "%s hodnot %s"},
        {Stopped, "STOP! "},
        {ElapsedTime, "doba výpočtu: %s"},
        {BadColumnSeparator, "ParamDlg.OddSloupcu switch not handled"},
        {SeparatorClash,
         "Čárka nemůže být zároveň oddělovačem sloupců a desetinným oddělovačem %\\ "
         "(soubor by nešlo přečíst)"},
        {ParametricComplex, "Parametrické rovnice nelze počítat v komplexním oboru"},
        {FileExists, "Soubor \"%s\" existuje. %\\ Má se přepsat?"},
        {FileError, "Chyba při zápisu do souboru %\\ \"%s\""},
        {ReadError, "Chyba při čtení ze souboru %\\ \"%s\""},
        {LineTooLong, "Řádek %s souboru %\\ \"%s\" %\\ je delší než 16 MB"},
        {SyntaxError, "Syntaktická chyba ve výrazu"},
        {BadSource, "Neošetřen typ SourceObj v proceduře DataPump"},
        {BadDestination, "Neošetřen typ DestinObj v proceduře DataPump"},
        {ElementsHint, "%sprvků"},
        {UseVariablePopup, "Prosím použijte kontextové menu některé proměnné"},
        {TextFilesFilter, "Textové soubory"},
    };
    return entries;
}

}  // namespace

SeriesMessageTable::SeriesMessageTable() : MessageTable(DefaultEntries()) {}

}  // namespace tarvix
