// The function list's table of names, call forms and descriptions, and the
// decisions of the list window: help text, highlight, click, placement.
#include "calculator/function_list.h"

#include <algorithm>
#include <array>

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

// The listed names, sorted as the list shows them.
constexpr std::array<FunctionHelpEntry, 56> kListed{{
    {"abs", "abs(x) ..", "Fn_Abs", "absolutní hodnota"},
    {"and", "and(x;y) ..", "Fn_And", "funkce koresponduje bitovému operátoru and"},
    {"arccos", "arccos(x) ..", "Fn_Arccos", "arkuskosinus"},
    {"arccotg", "arccotg(x) ..", "Fn_Arccotg", "arkuskotangens"},
    {"arcsin", "arcsin(x) ..", "Fn_Arcsin", "arkussinus"},
    {"arctg", "arctg(x) ..", "Fn_Arctg", "arkustangens"},
    {"arctg2", "arctg2(x) ..", "Fn_Arctg2", "arkus tangens vracející úhel ve správném kvadrantu"},
    {"arg", "arg(z) ..", "Fn_Arg", "argument komplexního čísla z=re(z)+i*im(z)"},
    {"argcosh", "argcosh(x) ..", "Fn_Argcosh", "argument hyperbolického kosinu"},
    {"argcotgh", "argcotgh(x) ..", "Fn_Argcotgh", "argument hyperbolického kotangens"},
    {"argsinh", "argsinh(x) ..", "Fn_Argsinh", "argument hyperbolického sinu"},
    {"argtgh", "argtgh(x) ..", "Fn_Argtgh", "argument hyperbolického tangens"},
    {"ceil", "ceil(x) ..", "Fn_Ceil", "celočíselná část reálného čísla (zaokrouhlená nahoru)"},
    {"conjug", "conjug(x) ..", "Fn_Conjug", "komplexně sdružené číslo z=re(z)-i*im(z)"},
    {"cos", "cos(x) ..", "Fn_Cos", "kosinus"},
    {"cosh", "cosh(x) ..", "Fn_Cosh", "hyperbolický kosinus"},
    {"cotg", "cotg(x) ..", "Fn_Cotg", "kotangens"},
    {"cotgh", "cotgh(x) ..", "Fn_Cotgh", "hyperbolický kotangens"},
    {"exp", "exp(x)  resp. e^x  ..", "Fn_Exp", "exponenciální funkce při základu 2,718.."},
    {"exp10", "exp10(x)  resp. 10^x  ..", "Fn_Exp10", "exponenciální funkce při základu 10"},
    {"fact", "fact(x) ..", "Fn_Fact", "faktoriál celočíselné části čísla x"},
    {"floor", "floor(x) ..", "Fn_Floor", "celočíselná část reálného čísla (zaokrouhlená dolů)"},
    {"frac", "frac(x) ..", "Fn_Frac", "desetinná část reálného čísla"},
    {"heaviside", "heaviside(x) ..", "Fn_Heaviside", "funkce je =1 pro x>0 a =0 pro x<=0"},
    {"hypot", "hypot(x;y) ..", "Fn_Hypot",
     "přepona prav. trojúh. |y|*Sqrt(1+Sqr(x/y)), |x|<|y|  (...větší přesnost)"},
    {"im", "im(z) ..", "Fn_Im", "imaginární složka komplexního čísla im(z)"},
    {"int", "int(x) ..", "Fn_Int", "celočíselná část reálného čísla (zaokrouhlená směrem k nule)"},
    {"intpower", "intpower(y;x)  ..", "Fn_Intpower",
     "exponenciální funkce, kde y..základ, x..celočíselný exponent"},
    {"ln", "ln(x) ..", "Fn_Ln", "přirozený logaritmus se základem 2,718.."},
    {"log", "log(x) ..", "Fn_Log", "dekadický logaritmus se základem 10"},
    {"log2", "log2(x) ..", "Fn_Log2", "dvojkový logaritmus se základem 2"},
    {"logN", "logN(n;x) ..", "Fn_LogN", "n-tý logaritmus s obecným základem n"},
    {"max", "max(x;y) ..", "Fn_Max", "větší ze dvou čísel"},
    {"min", "min(x;y) ..", "Fn_Min", "menší ze dvou čísel"},
    {"nor", "nor(x;y) ..", "Fn_Nor", "funkce koresponduje bitovému operátoru nor"},
    {"not", "not(x) ..", "Fn_Not", "funkce koresponduje bitovému operátoru not"},
    {"or", "or(x;y) ..", "Fn_Or", "funkce koresponduje bitovému operátoru or"},
    {"phase", "phase(x) ..", "Fn_Phase", "čtyřkvadrantový úhel průvodiče [x,y]"},
    {"power", "power(y;x)  resp. y^x ..", "Fn_Power",
     "exponenciální funkce, kde y..základ, x..exponent"},
    {"radius", "radius(x) ..", "Fn_Radius", "vzdálenost průvodiče [x,y] od počátku"},
    {"random", "random(x) ..", "Fn_Random", "náhodné číslo v rozsahu 0..int(x)"},
    {"re", "re(z) ..", "Fn_Re", "reálná složka komplexního čísla re(z)"},
    {"round", "round(x;n) ..", "Fn_Round", "zaokrouhlení na určený počet desetinných míst"},
    {"shl", "shl(x;y) ..", "Fn_Shl", "funkce koresponduje bitovému operátoru shl"},
    {"shr", "shr(x;y) ..", "Fn_Shr", "funkce koresponduje bitovému operátoru shr"},
    {"sign", "sign(x) ..", "Fn_Sign", "funkce je =1 pro x>0, 0 pro x=0, -1 pro x<0"},
    {"sin", "sin(x) ..", "Fn_Sin", "sinus"},
    {"sinh", "sinh(x) ..", "Fn_Sinh", "hyperbolický sinus"},
    {"sqr", "sqr(x)  resp. x^2  ..", "Fn_Sqr", "druhá mocnina"},
    {"sqrsum", "sqrsum(x) ..", "Fn_Sqrsum",
     "součet kvadrátů funkčních hodnot při výpočtu datových řad"},
    {"sqrt", "sqrt(x) ..", "Fn_Sqrt", "druhá odmocnina"},
    {"sum", "sum(x) ..", "Fn_Sum", "součet funkčních hodnot při výpočtu datových řad"},
    {"tg", "tg(x) ..", "Fn_Tg", "tangens"},
    {"tgh", "tgh(x) ..", "Fn_Tgh", "hyperbolický tangens"},
    {"trunc", "trunc(x) ..", "Fn_Trunc", "celočíselná část reálného čísla"},
    {"xor", "xor(x;y) ..", "Fn_Xor", "funkce koresponduje bitovému operátoru xor"},
}};

// Help texts of names and operators the list does not show.
constexpr std::array<FunctionHelpEntry, 7> kUnlisted{{
    {"mantissa", "mantissa(x) ..", "Fn_Mantissa", "mantisa -desetinná část dekadického logaritmu"},
    {"exponent", "exponent(x) ..", "Fn_Exponent",
     "exponent -celočíselná část dekadického logaritmu"},
    {"zero", "zero(x) ..", "Fn_Zero", "funkce je =0 pro x=0, 1 pro x<>0"},
    {"div", "x div y ..", "Fn_Div", "operátor celočíselného dělení"},
    {"mod", "x mod y ..", "Fn_Mod", "operátor zbytku celočíselného dělení"},
    {"binom", "binom(n;k) ..", "Fn_Binom", "kombinační číslo n nad k"},
    {"^", "y^x ..", "Fn_Pwr", "operátor umocnění základu y na exponent x"},
}};

const FunctionHelpEntry* FindIn(std::span<const FunctionHelpEntry> entries, std::string_view name) {
    const auto it = std::ranges::find(entries, name, &FunctionHelpEntry::Name);
    return it == entries.end() ? nullptr : &*it;
}

}  // namespace

std::span<const FunctionHelpEntry> ListedFunctions() {
    return kListed;
}

const FunctionHelpEntry* FindFunctionHelp(std::string_view name) {
    name = TrimBlanks(name);
    const FunctionHelpEntry* entry = FindIn(kListed, name);
    return entry ? entry : FindIn(kUnlisted, name);
}

std::string FunctionHelpText(std::string_view name, const FunctionTextLookup& lookup) {
    const FunctionHelpEntry* entry = FindFunctionHelp(name);
    if (!entry) return {};
    std::string text(entry->CallForm);
    text += lookup ? lookup(entry->Key, entry->Description) : std::string(entry->Description);
    return text;
}

int FunctionListHighlight(std::optional<int> itemUnderPointer, bool pastLastItem, int itemCount) {
    if (itemCount <= 0) return -1;
    if (itemUnderPointer && *itemUnderPointer >= 0 && *itemUnderPointer < itemCount)
        return *itemUnderPointer;
    return pastLastItem ? itemCount - 1 : 0;
}

KeypadEdit FunctionListClick(FunctionMode mode, std::string_view name, const KeypadEdit& input) {
    name = TrimBlanks(name);
    if (mode == FunctionMode::Eval) {
        std::string text(name);
        text += '(';
        text += input.Text;
        text += ')';
        return {std::move(text), 0, 0};
    }
    std::string call(name);
    call += "()";
    KeypadEdit result = InsertText(input, call);
    result.SelStart -= 1;  // between the brackets
    return result;
}

WindowRect FunctionListPlacement(const WindowRect& mainWindow, int ownHeight,
                                 const WindowRect& screen) {
    const bool fitsBelow =
        mainWindow.Bottom() + ownHeight + kFunctionListScreenMargin < screen.Bottom();
    return {mainWindow.Left, fitsBelow ? mainWindow.Bottom() : mainWindow.Top - ownHeight,
            mainWindow.Width, ownHeight};
}

}  // namespace tarvix
