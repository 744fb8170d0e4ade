// tarvix-cli: the headless evaluator. Each argument (or each line of standard
// input) is one expression, prepared like the calculator's input line and
// evaluated in the chosen modes; results go to standard output, messages to
// standard error.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_modes.h"
#include "engine/number_text.h"
#include "engine/parser.h"

namespace {

void Usage() {
    std::cerr << "usage: tarvix-cli [--cplx] [--deg|--rad|--grad] [--base dec|hex|bin|oct]\n"
                 "                  [--imag i|j] [EXPR ...]\n"
                 "Without EXPR, one expression per line is read from standard input.\n";
}

// "," becomes ".", then ";" becomes ",", and blanks are removed.
std::string PrepareLine(std::string_view line) {
    std::string out;
    for (char c : line) {
        if (c == ',') c = '.';
        else if (c == ';') c = ',';
        if (c == ' ' || c == '\r' || c == '\t') continue;
        out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvix;
    TParser parser;
    parser.SetAutoRegisterVar(true);
    parser.SetAngleUnits(auDeg);
    std::vector<std::string> expressions;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        auto next = [&]() -> std::string_view {
            if (i + 1 >= argc) {
                Usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--cplx") parser.SetNumericalScope(nsComplex);
        else if (a == "--real") parser.SetNumericalScope(nsReal);
        else if (a == "--deg") parser.SetAngleUnits(auDeg);
        else if (a == "--rad") parser.SetAngleUnits(auRad);
        else if (a == "--grad") parser.SetAngleUnits(auGrad);
        else if (a == "--base") {
            std::string_view b = next();
            if (b == "dec") parser.SetNumericalBase(nbDec);
            else if (b == "hex") parser.SetNumericalBase(nbHex);
            else if (b == "bin") parser.SetNumericalBase(nbBin);
            else if (b == "oct") parser.SetNumericalBase(nbOct);
            else return Usage(), 2;
        } else if (a == "--imag") {
            std::string_view u = next();
            if (u != "i" && u != "j") return Usage(), 2;
            EngineModes.ImaginaryUnitChar = u[0];
        } else if (a == "--help" || a == "-h") {
            Usage();
            return 0;
        } else if (a == "--") {
            for (++i; i < argc; ++i) expressions.emplace_back(argv[i]);
        } else {
            expressions.emplace_back(a);
        }
    }
    const bool fromStdin = expressions.empty();
    if (fromStdin) {
        for (std::string line; std::getline(std::cin, line);) expressions.push_back(line);
    }
    int status = 0;
    for (const std::string& raw : expressions) {
        std::string text = PrepareLine(raw);
        if (text.empty()) continue;
        try {
            parser.SetExpression(text);
            ComplexValue v = parser.Evaluate();
            std::string out = EngineModes.ComplexMode
                                  ? ComplexGeneralText(v, EngineModes.ImaginaryUnitChar)
                                  : GeneralText(v.Re);
            std::cout << out << '\n';
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}
