// Built-in Czech texts of the task messages.
#include "tasks/task_messages.h"

#include <vector>

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    using namespace taskmsg;
    static const std::vector<MessageEntry> entries = {
        {MissingRelationOperator, "Chybějící relační operátor"},
        {MisplacedElse, "Nesprávně umístěný příkaz ELSE"},
        {SurplusEndif, "Nadbytečný příkaz ENDIF"},
        {SurplusNext, "Nadbytečný příkaz NEXT"},
        {SurplusLoop, "Nadbytečný příkaz LOOP"},
        {SurplusUntil, "Nadbytečný příkaz UNTIL"},
        {SurplusEndDef, "Nadbytečný příkaz ENDDEF"},
        {MisplacedBreak, "Nesprávně umístěný příkaz BREAK"},
        {MisplacedContinue, "Nesprávně umístěný příkaz CONTINUE"},
        {MisplacedReturn, "Nesprávně umístěný příkaz RETURN"},
        {MissingCondition, "Nebyla zadána podmínka"},
        {ConditionWithoutOperator, "Podmínka neobsahuje relační operátor"},
        {LabelWithinStructure, "Návěští nelze použít uvnitř řídící struktury"},
        {GotoWithinLoops, "Příkaz GOTO nelze použít uvnitř řídíchích struktur"},
        {CannotFindLabel, "Nelze nalézt návěští %s"},
        {SubNotFound, "Podprogram %s nebyl nalezen"},
        {MissingFunctionName, "Nebyl definován název funkce"},
        {InvalidIdentifier, "Neplatný identifikátor proměnné \"%s\""},
        {FunctionNotClosed, "Definice funkce %s není ukončena"},
        {FunctionNotDefined, "Funkce %s nebyla definována"},
        {ArgumentCount, "Počet argumentů neodpovídá definici funkce %s"},
        {ResultOutsideFunction, "Příkaz RESULT lze použít jen uvnitř funkce"},
        {ForSyntax, "Příkaz FOR musí mít tvar FOR proměnná = začátek TO konec [STEP krok]"},
        {ZeroStep, "Krok cyklu FOR nesmí být nulový"},
        {NotEvaluated, "Výraz \"%s\" nebyl vyhodnocen"},
        {NotClosedLoop, "Neukončený cyklus"},
        {NotClosedIf, "Neukončená podmínka IF...THEN"},
        {NotClosedSub, "Neukončený podprogram SUB...RETURN"},
        {NotClosedFunction, "Neukončená funkce DEF...ENDDEF podprogram"},
        {TooManyLoops, "Příliš mnoho vnořených cyklů%s (nejvýše %s)"},
        {TooManyIfs, "Příliš mnoho vnořených podmínek IF...THEN (nejvýše %s)"},
        {TooManySubCalls, "Příliš mnoho vnořených volání podprogramů (nejvýše %s)"},
        {TooManyFunctionCalls, "Příliš mnoho vnořených volání funkcí (nejvýše %s)"},
        {TooManyFunctions, "Příliš mnoho definovaných funkcí (nejvýše %s)"},
        {FileNumberRange, "Logické číslo souboru musí být v rozsahu 0..9"},
        {MissingFileNumber, "Nebylo specifikováno logické číslo souboru za znakem #"},
        {FileNumberError, "Chyba logického čísla souboru #"},
        {FileAccess, "Chyba přístupu k souboru #%s"},
        {FileNotOpenForWriting, "Soubor %s není otevřen pro zápis"},
        {FileNotOpenForReading, "Soubor %s není otevřen pro čtení"},
        {EndOfFile, "Soubor %s nemá další řádek"},
        {FileNameNotTerminated, "Název souboru není ukončen uvozovkou"},
        {InvalidFileName, "Neplatný název souboru"},
        {FileNotFound, "Nebyl nalezen soubor: %\\ \"%s\""},
        {FileRead, "Chyba při čtení ze souboru %\\ \"%s\""},
        {FileWrite, "Chyba při zápisu do souboru %\\ \"%s\""},
        {TextNotTerminated, "Text není ukončen uvozovkou"},
        {FormatMismatch, "Počet hodnot neodpovídá formátu \"%s\""},
        {FormatInvalid, "Neplatný formát \"%s\""},
        {FormatIntegerRange, "Hodnotu %s nelze vypsat jako celé číslo"},
        {MissingVariableName, "Nebyl zadán název proměnné"},
        {BadNumberFormat, "Nekorektní číselný formát \"%s\""},
        {InputCaption, "Vstup"},
        {UnknownWindow, "Neznámé okno %s"},
        {WindowValue, "Neplatná hodnota \"%s\" v příkazu OPEN"},
        {CannotCloseWindow, "Okno %s nelze z úlohy zavřít"},
        {NotVector, "Proměnná %s není vektorem"},
        {TooManySamples, "Převzorkovat \"%s\" lze maximálně 1754 vzorky"},
        {TooManyNodes, "Počet hodnot  %s > 40"},
        {TooFewSamples, "Počet vzorků musí být alespoň 2"},
        {VectorLengths, "Vektory %s a %s nemají stejný počet hodnot"},
        {NodesNotEquidistant, "Hodnoty vektoru %s nejsou ekvidistantní"},
        {PlotSeries, "Číslo řady grafu musí být alespoň 1"},
        {EquationExpression, "Výraz v rovnicích nelze použít"},
        {EquationWithoutEquals, "Rovnice \"%s\" neobsahuje znaménko ="},
        {EquationsWithoutEnd, "Soustava rovnic musí být ukončena klíčovým slovem end"},
        {EquationCount, "Počet rovnic se liší od počtu neznámých"},
        {SingularMatrix, "Matice soustavy je singulární"},
        {LineNumber, "řádek %s: "},
    };
    return entries;
}

}  // namespace

TaskMessageTable::TaskMessageTable() : MessageTable(DefaultEntries()) {}

}  // namespace tarvix
