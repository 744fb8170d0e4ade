// The MODE statement: reading its words and applying them to the calculator.
#include "tasks/mode_statement.h"

#include <cctype>
#include <string>

#include "calculator/calculator.h"
#include "calculator/mode_switches.h"

namespace tarvix {
namespace {

std::string UpperCased(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool Has(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

// The switch's own follow-up, except that a recalculation becomes showing
// Ans again: the input line of a task may hold a statement with effects.
void Apply(Calculator& calculator, SwitchChanges changes) {
    if (changes.FollowUp == SwitchFollowUp::Recalculate) changes.FollowUp = SwitchFollowUp::RedisplayAns;
    calculator.ApplySwitchChanges(changes);
}

}  // namespace

ModeStatement ParseModeStatement(std::string_view text) {
    const std::string upper = UpperCased(text);
    ModeStatement statement;

    static constexpr std::pair<std::string_view, TNumericalBase> kBases[] = {
        {"DEC", nbDec}, {"HEX", nbHex}, {"BIN", nbBin}, {"OCT", nbOct}};
    for (const auto& [word, base] : kBases) {
        if (Has(upper, word)) statement.Bases.push_back(base);
    }

    if (Has(upper, "DEG")) {
        statement.AngleUnits = auDeg;
    } else if (Has(upper, "GRAD")) {
        statement.AngleUnits = auGrad;
    } else if (Has(upper, "RAD")) {
        statement.AngleUnits = auRad;
    }

    if (Has(upper, "REAL")) statement.Scope = nsReal;
    if (Has(upper, "CPLX")) statement.Scope = nsComplex;

    if (Has(upper, "IMAG=I")) {
        statement.ImaginaryUnit = 'i';
    } else if (Has(upper, "IMAG=J")) {
        statement.ImaginaryUnit = 'j';
    }

    static constexpr std::pair<std::string_view, NumberFormat> kFormats[] = {
        {"NORM", NumberFormat::Norm},
        {"FIX", NumberFormat::Fix},
        {"SCI", NumberFormat::Sci},
        {"ENG", NumberFormat::Eng}};
    for (const auto& [word, format] : kFormats) {
        if (Has(upper, word)) statement.Format = format;
    }

    statement.EnterAppendsData = Has(upper, "DATA");

    if (std::size_t at = upper.find("RND="); at != std::string::npos) {
        const std::size_t digit = at + 4;
        const bool isDigit = digit < upper.size() && upper[digit] >= '0' && upper[digit] <= '9';
        statement.RoundingDigits = isDigit ? upper[digit] - '0' : 7;
    }
    return statement;
}

bool IsModeStatement(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    if (line.size() - start < 4) return false;
    if (UpperCased(line.substr(start, 4)) != "MODE") return false;
    if (line.size() - start == 4) return true;
    const unsigned char next = static_cast<unsigned char>(line[start + 4]);
    return !std::isalnum(next) && next != '_';
}

void ApplyModeStatement(Calculator& calculator, const ModeStatement& statement) {
    const std::string input = calculator.InputText();
    ModeSwitches& switches = calculator.Switches();

    for (TNumericalBase base : statement.Bases) {
        if (base == switches.Display.Base) continue;
        Apply(calculator, SelectBase(switches, base, SwitchSource::MenuItem));
        break;
    }
    if (statement.AngleUnits && *statement.AngleUnits != switches.AngleUnits) {
        Apply(calculator, SelectAngleUnits(switches, *statement.AngleUnits, SwitchSource::MenuItem));
    }
    if (statement.Scope && *statement.Scope != switches.Scope) {
        Apply(calculator, SelectDomain(switches, *statement.Scope, SwitchSource::MenuItem));
    }
    if (statement.ImaginaryUnit) calculator.SetImaginaryUnit(*statement.ImaginaryUnit);
    if (statement.Format && *statement.Format != switches.Display.Format) {
        Apply(calculator, SelectNumberFormat(switches, *statement.Format, SwitchSource::MenuItem));
    }

    CalculatorOptions options = calculator.Options();
    if (options.EnterInsertsData != statement.EnterAppendsData) {
        options.EnterInsertsData = statement.EnterAppendsData;
        calculator.SetOptions(options);
    }

    if (statement.RoundingDigits) {
        switches.Display.Digits = *statement.RoundingDigits;
        if (!switches.Display.RoundingOn && RoundingButtonsEnabled(switches.Display)) {
            Apply(calculator, ToggleRounding(switches));
        }
        if (switches.Display.Format != NumberFormat::Norm) {
            Apply(calculator, SelectNumberFormat(switches, NumberFormat::Norm, SwitchSource::MenuItem));
        }
        calculator.RedisplayAns();
    }

    calculator.SetInputText(input);
}

}  // namespace tarvix
