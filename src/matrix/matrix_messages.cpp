// Built-in Czech texts of the worksheet.
#include "matrix/matrix_messages.h"

#include <array>
#include <vector>

namespace tarvix {
namespace {

constexpr std::array<std::string_view, kMatrixOperationCount> kOperationKeys = {
    "Msg_MatrixOperation0",  "Msg_MatrixOperation1",  "Msg_MatrixOperation2",
    "Msg_MatrixOperation3",  "Msg_MatrixOperation4",  "Msg_MatrixOperation5",
    "Msg_MatrixOperation6",  "Msg_MatrixOperation7",  "Msg_MatrixOperation8",
    "Msg_MatrixOperation9",  "Msg_MatrixOperation10", "Msg_MatrixOperation11",
    "Msg_MatrixOperation12", "Msg_MatrixOperation13", "Msg_MatrixOperation14",
    "Msg_MatrixOperation15", "Msg_MatrixOperation16", "Msg_MatrixOperation17",
    "Msg_MatrixOperation18", "Msg_MatrixOperation19", "Msg_MatrixOperation20",
    "Msg_MatrixOperation21", "Msg_MatrixOperation22", "Msg_MatrixOperation23",
    "Msg_MatrixOperation24", "Msg_MatrixOperation25", "Msg_MatrixOperation26",
};

constexpr std::array<std::string_view, kMatrixOperationCount> kOperationTitles = {
    "Nedefinovaná operace",
    "Soustava rovnic",
    "Soustava rovnic s LU rozkladem",
    "Inverze matice",
    "Determinant matice",
    "Subdeterminant matice",
    "Vyčíslení prvků matice",
    "Součet matic",
    "Rozdíl matic",
    "Skalární součin",
    "Součin maticí zleva",
    "Součin maticí zprava",
    "Součin vektorem zprava",
    "Součin diagonální maticí zleva",
    "Součin diagonální maticí zprava",
    "Podíl maticí zleva",
    "Podíl maticí zprava",
    "Umocnění matice",
    "Hodnost matice soustavy",
    "Algebraický doplněk",
    "Adjungovaná matice",
    "Transformace prvků funkcí",
    "Prahová transformace",
    "Konverze impedanční větvové na admitanční uzlovou matici",
    "Nesymetrický dvoubran",
    "Uzlová napětí ZxI=U",
    "Charakteristický polynom",
};

const std::vector<MessageEntry>& DefaultEntries() {
    static const std::vector<MessageEntry> entries = [] {
        std::vector<MessageEntry> e = {
            {mxmsg::SingularMatrix,
             "Singulární matice soustavy, %\\ matice obsahuje pravděpodobně lineárně závislé řádky"},
            {mxmsg::SingularStatus, "Singulární matice soustavy"},
            {mxmsg::DiagonalZero, "Diagonální prvek %s je roven nule"},
            {mxmsg::LuDiagonalZero, "Diagonální prvek %s LU rozkladu matice soustavy je nulový"},
            {mxmsg::NoGaussFactors, "Nejdříve je nutno provést výpočet Gaussovou metodou"},
            {mxmsg::NotEquationsMode, "Není aktivní řežim výpočtu soustavy rovnic"},
            {mxmsg::SourceNotAllocated, "Zdrojová matice není alokovaná"},
            {mxmsg::TargetNotAllocated, "Cílová matice není alokovaná"},
            {mxmsg::UnknownsNotAllocated, "Vektor neznámých není alokován"},
            {mxmsg::RhsNotAllocated, "Vektor pravých stran není alokován"},
            {mxmsg::Stopped, "Výpočet byl přerušen !"},
            {mxmsg::StoppedHistory, "Výpočet přerušen"},
            {mxmsg::ElapsedTime, "Doba výpočtu  %s"},
            {mxmsg::Preparing, "Příprava dat..."},
            {mxmsg::Computing, "Výpočet..."},
            {mxmsg::PassText, "Průchod  %s"},
            {mxmsg::RowText, "Řádek  %s"},
            {mxmsg::ContinueQuestion, "Pokračovat další iterací?"},
            {mxmsg::OperationUndefined, "Maticová operace nebyla definována"},
            {mxmsg::NotTridiagonal,
             "Matice není třípásová: %\\ prvek [%s, %s] mimo tři hlavní diagonály není nulový"},
            {mxmsg::SizeMismatch, "Rozměry matic neodpovídají operaci (%s x %s a %s x %s)"},
            {mxmsg::NotSquare, "Matice musí být čtvercová (nyní %s x %s)"},
            {mxmsg::NoTransformFunction, "Nebyla zadána transformační funkce"},
            {mxmsg::RankInfo, "Hodnost matice = "},
            {mxmsg::DeterminantName, "Determinant_matice"},
            {mxmsg::RankName, "Hodnost_matice"},
            {mxmsg::NotSymmetric,
             "Impedanční matice není symetrická: %\\ prvky [%s, %s] a [%s, %s] se liší"},
            {mxmsg::TwoPortCaption, "Náhradní dvoubran"},
            {mxmsg::TwoPortPrompt, "Uzly připojení:"},
            {mxmsg::TwoPortNodes, "Uzly připojení musí být dvě různá celá čísla v rozmezí 1..%s"},
            {mxmsg::NodesNotConnected, "Uzly nejsou propojeny"},
            {mxmsg::OneNodeCurrent, "Lze zadat pouze jeden uzlový proud"},
            {mxmsg::NoNodeCurrent, "Není zadán žádný nenulový uzlový proud"},
            {mxmsg::CellNotNumber, "Buňka [%s, %s]: \"%s\" není číslo"},
            {mxmsg::CellOutside, "Buňka [%s, %s] leží mimo matici"},
            {mxmsg::DimensionRange, "Rozměr matice musí být v rozmezí 1..%s"},
            {mxmsg::FileNotFound, "Nebyl nalezen soubor: %\\ \"%s\""},
            {mxmsg::ReadError, "Chyba při čtení ze souboru %\\ \"%s\""},
            {mxmsg::WriteError, "Chyba při zápisu do souboru %\\ \"%s\""},
            {mxmsg::BinaryRange,
             "Hodnota %s leží mimo rozsah formátu %s (nejvýše %s),%\\ soubor nebyl zapsán"},
            {mxmsg::EquationExpression, "Výraz v rovnicích nelze použít"},
            {mxmsg::EquationCount, "Počet rovnic se liší od počtu neznámých"},
            {mxmsg::TitleEquations, "Soustava lineárních rovnic"},
            {mxmsg::TitleOperations, "Opearace s maticemi"},
            {mxmsg::DefaultFileName, "soubor"},
            {mxmsg::VariantStatus, "Varianta  %s"},
            {mxmsg::VariantReminder,
             "Nejdříve provďte výpočet soustavy rovnic v oknu Soustava lineárních rovnic,%\\ pak "
             "teprve můžete provádět variantní výpočty soustavy rovnic"},
            {mxmsg::VariantHeader, "V%s"},
            {mxmsg::VariantResultHeader, "R%s"},
            {mxmsg::HeaderVector, "Vektor"},
            {mxmsg::HeaderSolution, "Řešení"},
            {mxmsg::HeaderCheck, "Kontrola"},
            {mxmsg::HeaderVoltage, "Napětí"},
            {mxmsg::HeaderCurrents, "Proudy"},
            // Data generation and editing
            {mxmsg::NoFillExpression, "Nebyl zadán výraz pro plnění buněk"},
            {mxmsg::SeriesTooLarge,
             "Datová řada má %s řádků a %s sloupců,%\\ největší řád matice je %s"},
            {mxmsg::AreaHint, "Přidržte Shift a klepněte do protilehlého rohu oblasti"},
            // Searches and cell conversions.
            {mxmsg::RangeCaption, "Hledat v rozmezí"},
            {mxmsg::RangePrompt, "Meze%s:  minimum .. maximum"},
            {mxmsg::RangeSeparator, "Min. a max. hodnotu nutno oddělit dvěma tečkami"},
            {mxmsg::QuantityModulus, " (modul)"},
            {mxmsg::QuantityArgument, " (argument)"},
            {mxmsg::QuantityReal, " (reálná složka)"},
            {mxmsg::QuantityImaginary, " (imagin. složka)"},
            {mxmsg::FoundLine, "I=%s\tJ=%s\t%s"},
            {mxmsg::NoFiniteCell, "Prohledávané buňky neobsahují žádnou konečnou hodnotu"},
            {mxmsg::ConversionNeedsComplex, "Tato konverze vyžaduje komplexní obor"},
            {mxmsg::ConversionLosesDigits,
             "Přepsáním v zobrazovacím formátu ztratí %s buněk část číslic.%\\ Pokračovat?"},
            // --- Outputs and charts
            {mxmsg::ReformatLoss,
             "Nový formát zobrazí %s buněk s menší přesností, než mají jejich texty; jejich "
             "hodnoty by se změnily.%\\ Mají se přesto přepsat? (Ne ponechá jejich dosavadní text.)"},
            {mxmsg::NoResultValues,
             "Výsledek není k dispozici v číselné podobě,%\\ binární soubor lze uložit jen po výpočtu"},
            {mxmsg::ChartRow, "datovou řadu tvoří %s. řádek matice"},
            {mxmsg::ChartColumn, "datovou řadu tvoří %s. sloupec matice"},
            {mxmsg::ChartDiagonal, "datovou řadu tvoří hlavní diagonála matice"},
            {mxmsg::ChartRows, "datové řady tvoří řádky matice"},
            {mxmsg::ChartColumns, "datové řady tvoří sloupce matice"},
            {mxmsg::ChartModulus, ", (modul komplex. č.)"},
            {mxmsg::ChartArgument, ", (argument komplex. č.)"},
            {mxmsg::ChartRealPart, ", (reálná složka komplex. č.)"},
            {mxmsg::ChartImaginaryPart, ", (imaginární složka komplex. č.)"},
            {mxmsg::ChartGaussPlane, ", (v Gaussově komplexní rovině)"},
            {mxmsg::SpreadsheetCorner, "i\\j"},
        };
        for (int code = 0; code < kMatrixOperationCount; ++code)
            e.push_back({kOperationKeys[code], kOperationTitles[code]});
        return e;
    }();
    return entries;
}

}  // namespace

MatrixMessageTable::MatrixMessageTable() : MessageTable(DefaultEntries()) {}

const std::string& MatrixMessageTable::OperationTitle(int code) const {
    if (code < 0 || code >= kMatrixOperationCount) code = 0;
    return Text(kOperationKeys[static_cast<std::size_t>(code)]);
}

const MatrixMessageTable& BuiltInMatrixMessages() {
    static const MatrixMessageTable table;
    return table;
}

}  // namespace tarvix
