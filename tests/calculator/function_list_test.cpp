// The function list's logic: the table of names and help texts, the
// highlighted item, the edits of a click in both function modes, and the
// placement of the window next to the main window.
#include "calculator/function_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "calculator/calculator.h"

namespace tarvix::testing {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

TEST(FunctionListTable, ListsTheFunctionsSortedWithMatchingCallFormsAndKeys) {
    const std::vector<std::string> expected = {
        "abs",     "and",      "arccos",  "arccotg",  "arcsin", "arctg",  "arctg2", "arg",
        "argcosh", "argcotgh", "argsinh", "argtgh",   "ceil",   "conjug", "cos",    "cosh",
        "cotg",    "cotgh",    "exp",     "exp10",    "fact",   "floor",  "frac",   "heaviside",
        "hypot",   "im",       "int",     "intpower", "ln",     "log",    "log2",   "logN",
        "max",     "min",      "nor",     "not",      "or",     "phase",  "power",  "radius",
        "random",  "re",       "round",   "shl",      "shr",    "sign",   "sin",    "sinh",
        "sqr",     "sqrsum",   "sqrt",    "sum",      "tg",     "tgh",    "trunc",  "xor"};
    std::vector<std::string> names;
    std::set<std::string_view> keys;
    for (const FunctionHelpEntry& entry : ListedFunctions()) {
        names.emplace_back(entry.Name);
        keys.insert(entry.Key);
        // The call form starts with the call of the function itself.
        EXPECT_TRUE(entry.CallForm.starts_with(std::string(entry.Name) + "("))
            << entry.Name << ": " << entry.CallForm;
        EXPECT_TRUE(entry.CallForm.ends_with("..")) << entry.Name;
        // The key is "Fn_" and the name with a capital first letter.
        std::string key = "Fn_" + std::string(entry.Name);
        key[3] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[3])));
        EXPECT_EQ(entry.Key, key);
        EXPECT_FALSE(entry.Description.empty()) << entry.Name;
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(keys.size(), names.size());
    EXPECT_TRUE(std::ranges::is_sorted(names, {}, Lower));
}

TEST(FunctionListTable, EveryListedFunctionIsOneTheEvaluatorKnows) {
    Calculator calculator;
    const TParser& parser = calculator.Parser1();
    for (const FunctionHelpEntry& entry : ListedFunctions()) {
        // The sums belong to the series runs, which define them while they run.
        if (entry.Name == "sum" || entry.Name == "sqrsum") continue;
        EXPECT_TRUE(parser.Functions1().Find(entry.Name) || parser.Functions2().Find(entry.Name))
            << entry.Name;
    }
}

TEST(FunctionListHelp, CallFormIsFollowedDirectlyByTheDescription) {
    struct Case {
        const char* Name;
        const char* Text;
    };
    const Case cases[] = {
        {"sum", "sum(x) ..součet funkčních hodnot při výpočtu datových řad"},
        {"sqrsum", "sqrsum(x) ..součet kvadrátů funkčních hodnot při výpočtu datových řad"},
        {"frac", "frac(x) ..desetinná část reálného čísla"},
        {"sign", "sign(x) ..funkce je =1 pro x>0, 0 pro x=0, -1 pro x<0"},
        {"exp", "exp(x)  resp. e^x  ..exponenciální funkce při základu 2,718.."},
        {"hypot",
         "hypot(x;y) ..přepona prav. trojúh. |y|*Sqrt(1+Sqr(x/y)), |x|<|y|  "
         "(...větší přesnost)"},
        {" xor", "xor(x;y) ..funkce koresponduje bitovému operátoru xor"},  // list item form
        // Names and operators the list does not show.
        {"mod", "x mod y ..operátor zbytku celočíselného dělení"},
        {"^", "y^x ..operátor umocnění základu y na exponent x"},
        {"zero", "zero(x) ..funkce je =0 pro x=0, 1 pro x<>0"},
        // Names compare exactly.
        {"Sin", ""},
        {"logn", ""},
        {"cotangens", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionHelpText(c.Name, nullptr), c.Text) << '"' << c.Name << '"';
    }
}

TEST(FunctionListHelp, DescriptionsComeThroughTheReplaceableTexts) {
    std::vector<std::pair<std::string, std::string>> asked;
    const FunctionTextLookup lookup = [&asked](std::string_view key, std::string_view builtIn) {
        asked.emplace_back(key, builtIn);
        return key == "Fn_Sin" ? std::string("sine") : std::string(builtIn);
    };
    EXPECT_EQ(FunctionHelpText("sin", lookup), "sin(x) ..sine");
    EXPECT_EQ(FunctionHelpText("logN", lookup), "logN(n;x) ..n-tý logaritmus s obecným základem n");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], (std::pair<std::string, std::string>{"Fn_Sin", "sinus"}));
    EXPECT_EQ(asked[1].first, "Fn_LogN");
    // An unknown name asks for nothing.
    EXPECT_EQ(FunctionHelpText("nothing", lookup), "");
    EXPECT_EQ(asked.size(), 2u);
}

TEST(FunctionListHighlight, PointerPicksTheItemOrTheLastOrTheFirst) {
    struct Case {
        std::optional<int> Under;
        bool PastLast;
        int Count;
        int Highlight;
    };
    const Case cases[] = {
        {12, false, 56, 12},           // over an item
        {std::nullopt, true, 56, 55},  // below the last item: xor
        {std::nullopt, false, 56, 0},  // not over an item: the first
        {99, false, 56, 0},            // an index outside the list counts as none
        {std::nullopt, true, 0, -1},   // an empty list
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionListHighlight(c.Under, c.PastLast, c.Count), c.Highlight);
    }
}

TEST(FunctionListClick, InsertPutsAnEmptyCallAtTheRememberedCaret) {
    struct Case {
        KeypadEdit Input;
        const char* Name;
        KeypadEdit Result;
    };
    const Case cases[] = {
        // 2+ with the caret at the end: the caret between the brackets.
        {{"2+", 2, 0}, "sin", {"2+sin()", 6, 0}},
        // The caret in the middle of the text.
        {{"1+*2", 2, 0}, " sqrt", {"1+sqrt()*2", 7, 0}},
        // A selection is replaced, not wrapped.
        {{"2*x+1", 2, 1}, "cos", {"2*cos()+1", 6, 0}},
        // An empty input line.
        {{"", 0, 0}, "logN", {"logN()", 5, 0}},
        // Multi-byte text before the caret: offsets are bytes.
        {{"délka*", 7, 0}, "abs", {"délka*abs()", 11, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionListClick(FunctionMode::Insert, c.Name, c.Input), c.Result)
            << c.Input.Text << " + " << c.Name;
    }
}

TEST(FunctionListClick, EvalWrapsTheWholeInputAndPutsTheCaretAtTheStart) {
    struct Case {
        KeypadEdit Input;
        const char* Name;
        const char* Text;
    };
    const Case cases[] = {
        {{"2+3", 3, 0}, "sqrt", "sqrt(2+3)"},
        // The caret and selection do not matter.
        {{"2+3", 0, 1}, " ln", "ln(2+3)"},
        {{"", 0, 0}, "abs", "abs()"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionListClick(FunctionMode::Eval, c.Name, c.Input),
                  (KeypadEdit{c.Text, 0, 0}));
    }
}

TEST(FunctionListPlacement, BelowTheMainWindowWhenItFitsElseAbove) {
    struct Case {
        WindowRect Main;
        int OwnHeight;
        WindowRect Screen;
        WindowRect Result;
    };
    const WindowRect screen{0, 0, 1920, 1080};
    const WindowRect lower{0, 1080, 1920, 1080};  // a second monitor below the first
    const Case cases[] = {
        // Room below: directly under the main window, as wide as it.
        {{100, 50, 500, 600}, 150, screen, {100, 650, 500, 150}},
        // At the bottom of the screen: directly above it.
        {{100, 800, 500, 250}, 150, screen, {100, 650, 500, 150}},
        // 650 + 150 + 24 = 824 is not below a screen bottom of 824: above.
        {{0, 50, 400, 600}, 150, {0, 0, 1920, 824}, {0, -100, 400, 150}},
        // One pixel more room fits.
        {{0, 49, 400, 600}, 150, {0, 0, 1920, 824}, {0, 649, 400, 150}},
        // The screen's own bottom edge counts, not its height.
        {{10, 1200, 300, 200}, 100, lower, {10, 1400, 300, 100}},
        {{10, 1900, 300, 200}, 100, lower, {10, 1800, 300, 100}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionListPlacement(c.Main, c.OwnHeight, c.Screen), c.Result)
            << c.Main.Top << "+" << c.Main.Height;
    }
}

}  // namespace
}  // namespace tarvix::testing
