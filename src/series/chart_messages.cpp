// Built-in Czech texts of the chart messages. "%\ " is a line break, "%s"
// an argument.
#include "series/chart_messages.h"

#include <vector>

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    using namespace chartmsg;
    static const std::vector<MessageEntry> entries = {
        {AxisTitle, "osa %s"},
        {DerivativeEqualX,
         "Derivaci nelze spočítat: %\\ dva sousední body řady mají stejnou souřadnici x"},
        {DerivativeTooShort, "Derivace potřebuje řadu alespoň dvou bodů"},
        {ReadError, "Chyba při čtení ze souboru %\\ \"%s\""},
        {WriteError, "Chyba při zápisu do souboru %\\ \"%s\""},
        {FileExists, "Soubor \"%s\" existuje. %\\ Má se přepsat?"},
        {NoSeries, "Graf neobsahuje žádnou datovou řadu"},
        {ParameterHint, "Parametr: "},
        {IndexHint, "Index prvku = "},
    };
    return entries;
}

}  // namespace

ChartMessageTable::ChartMessageTable() : MessageTable(DefaultEntries()) {}

}  // namespace tarvix
