// The parts of the calculator's working state that both the data file and
// the settings file carry: the register boxes with their names, the
// registered variables as value texts, and the remembered expressions.
#pragma once

#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "storage/profile_file.h"

namespace tarvix {

// One variable text read from a file, converted.
struct VariableConversion {
    std::string Name;
    ComplexValue Value{};
    std::string Error;  // why the name or the text did not convert; empty when it did

    bool Ok() const { return Error.empty(); }
};

// Converts the texts in file order as if each variable were registered
// before the next one is read (ParseValueText), in the given modes and
// imaginary unit, on a private evaluator holding a copy of the calculator's
// variables: the calculator is not touched.
std::vector<VariableConversion> ConvertVariableTexts(const Calculator& calculator,
                                                     const ModeSwitches& modes, char imaginaryUnit,
                                                     const std::vector<ProfileEntry>& texts);

// The InputBoxes entries of a file: the first (up to) eight keys name the
// boxes X, Y, A … F in that order, and each named box gets the value under
// its name (the first entry of that name). Boxes beyond the keys keep their
// names and texts.
void ApplyRegisterBoxes(Calculator& calculator, const std::vector<ProfileEntry>& entries);
// The boxes X, Y, A … F as name and text.
std::vector<ProfileEntry> RegisterBoxEntries(const Calculator& calculator);
// The first register name that repeats an earlier one (ASCII case ignored).
std::optional<std::string> RepeatedName(const std::vector<ProfileEntry>& entries);

// Every variable of the evaluator in table order as name and "%g" text
// (VectorElementText in the calculator's modes). `withAns` keeps the answer
// variable; `imaginaryWhenZero` writes a zero imaginary part in the complex
// domain as well.
std::vector<ProfileEntry> VariableEntries(const Calculator& calculator, bool withAns,
                                          bool imaginaryWhenZero);

// The remembered expressions with the input line's current text added as the
// calculation command adds it.
std::vector<std::string> ExpressionsWithInput(const Calculator& calculator);

}  // namespace tarvix
