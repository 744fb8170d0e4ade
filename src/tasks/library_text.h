// Texts of the expression library: the line-break codes inside an
// explanation cell, the cleaning of names and cells that would corrupt the
// file, the legacy single-byte text with its index characters, and the
// upper-casing under which names and texts are compared.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvix {

// Inside a stored explanation a line break is the byte 0xFF (CR) followed by
// 0xFE (LF); UTF-8 never contains either byte.
inline constexpr char kCellCarriageReturn = '\xFF';
inline constexpr char kCellLineFeed = '\xFE';

// An explanation ("\n" between lines) as stored in its cell.
std::string EncodeExplanation(std::string_view text);
// A stored explanation back as lines separated by "\n" (CR LF, a lone CR and
// a lone LF, in either form, each count as one break).
std::string DecodeExplanation(std::string_view cell);

// A category name without the characters that would break the file: TAB, CR,
// LF, 0x00 and 0x01.
std::string CleanCategoryName(std::string_view name);
// A one-line cell (comment, expression): CR and LF become blanks, 0x00, 0x01,
// 0xFE and 0xFF are removed.
std::string CleanLineCell(std::string_view text);
// An explanation: CR LF and a lone CR become "\n"; 0x00, 0x01, 0xFE and 0xFF
// are removed.
std::string CleanExplanation(std::string_view text);

// Text of a legacy single-byte file (cp1250) as UTF-8. With `indexFont` (the
// explanation cells, shown in the index font) the bytes 0x7F, 0x80, 0x81,
// 0xB5, 0x82 … 0x85 are the index characters ², ³, ⁴, µ, ⁻¹ … ⁻⁴.
std::string DecodeLegacyText(std::string_view bytes, bool indexFont);

// The index characters of "Vložit index", in menu order: ², ³, ⁴, µ, ⁻¹, ⁻², ⁻³, ⁻⁴.
const std::array<std::string_view, 8>& IndexCharacters();

// The text upper-cased: ASCII and the Latin letters of Latin-1 and Latin
// Extended-A (the Central and Western European ones); other characters stay.
std::string UpperCased(std::string_view text);
// The same, written over `out` (its memory is reused between calls).
void UpperCaseInto(std::string_view text, std::string& out);

}  // namespace tarvix
