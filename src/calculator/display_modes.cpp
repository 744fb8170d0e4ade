// The format string of the display modes and the captions of the mode values.
#include "calculator/display_modes.h"

#include <algorithm>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

struct FormatRow {
    NumberFormat Format;
    std::string_view Caption;
    MaskKind Kind;
    bool TakesDigits;  // the rounding digits become the mask's precision
};
constexpr FormatRow kFormats[] = {
    {NumberFormat::Norm, "norm", MaskKind::General, false},
    {NumberFormat::Fix, "fix", MaskKind::Fixed, true},
    {NumberFormat::Sci, "sci", MaskKind::Exponent, true},
    {NumberFormat::Eng, "eng", MaskKind::General, false},
};

struct BaseRow {
    TNumericalBase Base;
    std::string_view Caption;
};
constexpr BaseRow kBases[] = {
    {nbDec, "dec"},
    {nbHex, "hex"},
    {nbBin, "bin"},
    {nbOct, "oct"},
};

const FormatRow& RowOf(NumberFormat format) {
    for (const auto& row : kFormats) {
        if (row.Format == format) return row;
    }
    return kFormats[0];
}

}  // namespace

FloatMask NumberMask(const DisplayModes& modes) {
    const FormatRow& row = RowOf(modes.Format);
    FloatMask mask{row.Kind, -1};
    if (modes.RoundingOn && row.TakesDigits) {
        mask.Precision = std::clamp(modes.Digits, kMinRoundingDigits, kMaxRoundingDigits);
    }
    return mask;
}

std::string_view NumberFormatCaption(NumberFormat format) {
    return RowOf(format).Caption;
}

std::optional<NumberFormat> NumberFormatFromCaption(std::string_view caption) {
    for (const auto& row : kFormats) {
        if (EqualsNoCase(row.Caption, caption)) return row.Format;
    }
    return std::nullopt;
}

std::string_view BaseCaption(TNumericalBase base) {
    for (const auto& row : kBases) {
        if (row.Base == base) return row.Caption;
    }
    return kBases[0].Caption;
}

std::optional<TNumericalBase> BaseFromCaption(std::string_view caption) {
    for (const auto& row : kBases) {
        if (EqualsNoCase(row.Caption, caption)) return row.Base;
    }
    return std::nullopt;
}

}  // namespace tarvix
