// VAT fields from one entered field.
#include "tools/vat_calculator.h"

#include <cmath>

#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "tools/tool_messages.h"

namespace tarvix {
namespace {

long double RoundToSignificant(long double x, int digits) {
    if (x == 0.0L || !std::isfinite(x)) return x;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    const long double scale = std::pow(10.0L, static_cast<long double>(digits - 1 - exponent));
    return std::round(x * scale) / scale;
}

std::size_t Index(VatField field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

long double RoundToUnit(long double x, long double unit) {
    unit = std::fabs(unit);
    if (unit == 0.0L) return x;
    // The product is cleaned to 15 digits: 0.1 has no exact binary form, and
    // 1000 units of it should read as 100 exactly.
    return RoundToSignificant(unit * std::round(RoundToSignificant(x / unit, 15)), 15);
}

VatResult ComputeVat(VatField entered, const VatValues& values, const VatRounding& rounding) {
    VatResult result;
    VatValues& v = result.Values;
    v = values;
    const long double factor = v.Rate / 100.0L + 1.0L;
    switch (entered) {
        case VatField::Base:
        case VatField::Rate:
            v.Base = RoundToUnit(values.Base, rounding.BaseUnit);
            v.Total = RoundToUnit(factor * v.Base, rounding.TotalUnit);
            v.Tax = v.Total - v.Base;
            result.Write[Index(VatField::Tax)] = result.Write[Index(VatField::Total)] = true;
            result.Write[Index(VatField::Base)] = v.Base != values.Base;
            break;
        case VatField::Tax:
            if (v.Rate == 0.0L) throw ToolError(toolmsg::VatZeroRate);
            v.Tax = RoundToUnit(values.Tax, rounding.BaseUnit);
            v.Base = v.Tax * 100.0L / v.Rate;
            v.Total = RoundToUnit(factor * v.Base, rounding.TotalUnit);
            v.Base = v.Total - v.Tax;
            result.Write[Index(VatField::Base)] = result.Write[Index(VatField::Total)] = true;
            result.Write[Index(VatField::Tax)] = v.Tax != values.Tax;
            break;
        case VatField::Total:
            if (factor == 0.0L) throw ToolError(toolmsg::VatMinusHundredRate);
            v.Total = RoundToUnit(values.Total, rounding.TotalUnit);
            v.Base = RoundToUnit(v.Total / factor, rounding.BaseUnit);
            v.Tax = v.Total - v.Base;
            result.Write[Index(VatField::Base)] = result.Write[Index(VatField::Tax)] = true;
            result.Write[Index(VatField::Total)] = v.Total != values.Total;
            break;
    }
    // Finite prices give an infinite one (and a tax of INF − INF) only past
    // the top of the range.
    if (!std::isfinite(v.Base) || !std::isfinite(v.Tax) || !std::isfinite(v.Total))
        Raise<EArithmeticError>(msg::FloatOverflow);
    return result;
}

}  // namespace tarvix
