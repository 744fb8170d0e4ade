// Reading a statistics cell's text as a number: a plain decimal number
// (decimal point or comma) directly, anything else through ParseValueText
// with the main evaluator. In the complex domain a value counts by its
// modulus, otherwise by its real part.
#pragma once

#include <cmath>
#include <optional>
#include <string_view>

#include "engine/complex_value.h"

namespace tarvix {

class TParser;

class CellReader {
public:
    virtual ~CellReader() = default;
    // The cell's value, or nothing when the text is not a value.
    virtual std::optional<long double> Read(std::string_view text) = 0;
    // The text is a value (CheckNumber without its message).
    bool IsValue(std::string_view text) { return Read(text).has_value(); }
    // The value of a cell that holds a plain number already read.
    virtual long double FromPlain(long double value) { return value; }
    // The last text Read refused nests deeper than the evaluator allows
    // ("Výraz je příliš zahnízděný" rather than a bad number).
    bool TooDeep() const { return tooDeep_; }

protected:
    bool tooDeep_ = false;
};

// A plain decimal number ([sign] digits [. or , digits] [E [sign] digits],
// blanks around it) without the evaluator; nothing for any other text.
std::optional<long double> ReadPlainNumber(std::string_view text);

class ParserCellReader : public CellReader {
public:
    ParserCellReader(TParser& parser, bool complexDomain)
        : parser_(parser), complex_(complexDomain) {}
    std::optional<long double> Read(std::string_view text) override;
    long double FromPlain(long double value) override {
        return complex_ ? std::fabs(value) : value;
    }
    // The whole value (vector imports, the chart).
    std::optional<ComplexValue> ReadValue(std::string_view text);

private:
    TParser& parser_;
    bool complex_;
};

}  // namespace tarvix
