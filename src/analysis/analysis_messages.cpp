// Built-in Czech texts of the analysis subsystem. "%\ " is a line break
// (replaced when a message box shows the text); "%s" an argument.
#include "analysis/analysis_messages.h"

#include <vector>

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    using namespace statmsg;
    static const std::vector<MessageEntry> entries = {
        {CaptionStatistics, "Statistická analýza"},
        {CaptionRegression, "Regresní analýza"},
        {HeaderStatistics, "Statistické hodnoty"},
        {HeaderRegression, "Regrese"},
        {HeaderData, "Data"},
        {RowNumber, "Poř.číslo"},
        {ValueColumn, "Hodnota %s"},
        {Count, "Počet hodnot"},
        {Minimum, "Minimální hodnota"},
        {Maximum, "Maximální hodnota"},
        {AriAverage, "Aritmetický průměr"},
        {GeoAverage, "Geometrický průměr"},
        {SqrAverage, "Kvadratický průměr"},
        {HarAverage, "Harmonický průměr"},
        {Sum, "Součet"},
        {SumOfSquares, "Součet kvadrátů"},
        {Dispersion, "Rozptyl"},
        {StdDeviation, "Směrodatná odchylka"},
        {Variation, "Variační koeficient"},
        {Covariance, "Kovariance"},
        {Variability, "Míra variability"},
        {RegressionFunction, "Regresní funkce"},
        {ReportHeader, "Komentář"},
        {ReportDateTime, "Datum a čas"},
        {ReportDataSerie, "Datová řada"},
        {ReportDataLine, "Data:"},
        {ModelLinear, "Lineární"},
        {ModelLogarithmic, "Logaritmická"},
        {ModelExponential, "Exponenciální"},
        {ModelPower, "Mocninná"},
        {BadNumber, "Neplatný numerický formát: %\\ \"%s\""},
        {BadLine, "Neplatný numerický formát na řádku %s: %\\ \"%s\" %\\ Pokračovat ve čtení?"},
        {MissingData, "Chybějící data nebo chybný formát dat"},
        {UnknownSeparator, "Neznámý oddělovač sloupců"},
        {NoSeries, "Vygenerujte datovou řadu"},
        {ExportQuestion, "Přejete si data vyexportovat ?"},
        {FileExists, "Soubor \"%s\" existuje. %\\ Má se přepsat?"},
        {FileWriteError, "Chyba při zápisu do souboru %\\ \"%s\""},
        {FileReadError, "Chyba při čtení ze souboru %\\ \"%s\""},
        {LineTooLong, "Řádek %s souboru %\\ \"%s\" %\\ je delší než 16 MB"},
        {OutOfRange, "Výsledek statistiky překračuje rozsah čísel"},
        {EqualX, "Všechny hodnoty x jsou stejné: %\\ regresní přímku nelze určit"},
        {LogOfX, "Logaritmus hodnoty x <= 0 na řádku %s"},
        {LogOfY, "Logaritmus hodnoty y <= 0 na řádku %s"},
        {TextFiles, "Textové soubory"},
        {FourierCount, "Počet vzorků musí být sudé číslo 4 až 2048"},
        {FourierZeroFundamental,
         "Amplituda první harmonické je nulová, %\\ poměrné amplitudy nelze určit"},
        {FourierHeader, "Fourierova analýza:  "},
        {FourierBottomAxis, "řád harmonické"},
        {FourierLeftAxis, "amplituda [%1.h]"},
        {RegressionData, "Data"},
        {RegressionCurve, "Regresní funkce"},
    };
    return entries;
}

}  // namespace

AnalysisMessageTable::AnalysisMessageTable() : MessageTable(DefaultEntries()) {}

}  // namespace tarvix
