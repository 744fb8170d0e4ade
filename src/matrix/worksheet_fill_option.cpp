// tarvix-cli's --fill: the kind and arguments parsed into generation
// settings and run with the program's random engine.
#include "matrix/worksheet_fill_option.h"

#include <charconv>
#include <optional>

#include "calculator/text_trim.h"
#include "matrix/worksheet_generate.h"

namespace tarvix {
namespace {

std::optional<int> SmallNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

bool ApplyFill(Worksheet& sheet, WorksheetDataState& state, std::string_view kindAndArgs,
               std::string& error) {
    const std::size_t colon = kindAndArgs.find(':');
    const std::string kind(TrimBlanks(kindAndArgs.substr(0, colon)));
    std::string_view args = colon == std::string_view::npos ? std::string_view() : kindAndArgs.substr(colon + 1);

    GenerationSettings settings;
    while (!args.empty()) {
        const std::size_t comma = args.find(',');
        const std::string arg(TrimBlanks(args.substr(0, comma)));
        args = comma == std::string_view::npos ? std::string_view() : args.substr(comma + 1);
        if (arg.empty()) continue;
        if (arg == "symmetric") {
            settings.Symmetric = true;
        } else if (arg.starts_with("area=")) {
            const std::optional<int> n = SmallNumber(std::string_view(arg).substr(5), 0, 9);
            if (!n) {
                error = "--fill: area must be a number 0..9, not '" + arg.substr(5) + "'";
                return false;
            }
            settings.FillArea = *n;
        } else if (arg.starts_with("content=")) {
            const std::optional<int> n = SmallNumber(std::string_view(arg).substr(8), 0, 2);
            if (!n) {
                error = "--fill: content must be a number 0..2, not '" + arg.substr(8) + "'";
                return false;
            }
            settings.FillContent = *n;
        } else {
            error = "--fill: unknown argument '" + arg + "' (area=N, content=N, symmetric)";
            return false;
        }
    }

    std::optional<SpecialMatrix> special;
    if (kind == "random") {
    } else if (kind == "complex") {
        if (sheet.Format().Scope != nsComplex) {
            error = "--fill complex: needs the complex domain";
            return false;
        }
        settings.ComplexNumbers = true;
    } else if (kind == "function") {
        settings.FunctionValues = true;
    } else if (kind == "band") {
        special = SpecialMatrix::Band;
    } else if (kind == "diagonal") {
        special = SpecialMatrix::Diagonal;
    } else if (kind == "identity") {
        special = SpecialMatrix::Identity;
    } else if (kind == "triangular") {
        special = SpecialMatrix::Triangular;
    } else {
        error = "--fill: unknown kind '" + kind +
                "' (random, complex, function, band, diagonal, identity, triangular)";
        return false;
    }

    const GenerationSettings kept = state.Settings;
    state.Settings = settings;
    const DataResult result =
        special ? GenerateSpecial(sheet, state, *special) : GenerateData(sheet, state);
    state.Settings = kept;
    if (!result.Ok()) {
        error = "--fill " + kind + ": " + result.Error;
        return false;
    }
    return true;
}

}  // namespace tarvix
