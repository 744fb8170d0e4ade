// The example curves of the "&Graf" menu: the parametric, Cartesian and
// series-expansion tables, the remembered choice of each list, and what
// choosing an example puts into the input line and the register boxes.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// One example: name, x-equation (parametric only), y-equation, range of the
// iteration variable and the initial texts of up to three further boxes.
struct TKrivka {
    std::string_view Key;  // the name's key in the text catalog
    std::string_view Name;
    std::string_view XEquation;
    std::string_view YEquation;
    std::string_view Range;
    std::string_view A;
    std::string_view B;
    std::string_view D;
};

enum class ExampleList { Parametric, Cartesian, Expansion };

std::span<const TKrivka> ExampleTable(ExampleList list);

// The selected and the top visible entry of a list, kept for the program run.
struct ExampleChoice {
    int Selected = 0;
    int Top = 0;
};

// The remembered choice as restored when a dialog opens: an index beyond
// the list becomes 0.
ExampleChoice RestoredChoice(ExampleChoice choice, ExampleList list);

// What "&OK" of an example dialog sets.
struct ExampleSetup {
    std::vector<std::string> Variables;         // created in the evaluator
    std::string InputLine;
    std::array<std::string, 8> Labels;          // X, Y, A, B, C, D, E, F
    std::array<std::string, 8> Boxes;
    std::string Title;                          // the chart's header
    bool Orthonormal = false;
};

// `name` is the example's (possibly translated) name.
ExampleSetup SetupOf(const TKrivka& example, ExampleList list, std::string_view name);

// The search text of the complex-function demonstration.
inline constexpr std::string_view kComplexDemoSearch = "komplexní hyperbolický sinus";

}  // namespace tarvix
