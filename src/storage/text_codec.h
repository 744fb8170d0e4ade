// Turning the bytes of a text file into UTF-8 text and splitting it into lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// The UTF-8 form of U+FEFF that may open a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends the UTF-8 form of one code point (U+FFFD for a value that is not a
// Unicode scalar value).
void AppendUtf8(std::string& out, char32_t codePoint);

// Length of the well-formed UTF-8 sequence starting at text[pos], or 0 when the
// bytes there are not one (overlong forms, surrogates and values past
// U+10FFFF are not well-formed).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Well-formed UTF-8 as it is, each malformed byte replaced by U+FFFD.
std::string DecodeUtf8Replacing(std::string_view bytes);

// The text of a file as UTF-8, without a leading byte order mark:
// - well-formed UTF-8 is taken as it is;
// - bytes that start with the UTF-8 byte order mark are UTF-8 by declaration:
//   a malformed sequence in them becomes U+FFFD;
// - UTF-8 that ends in the cut-off start of a character (a truncated file)
//   stays UTF-8, the cut-off bytes becoming U+FFFD;
// - anything else is read as the single-byte code page cp1250, so files of
//   older systems keep their Czech letters.
std::string DecodeText(std::string_view bytes);

// The lines of a text; CR LF, LF and a lone CR each end a line. A final line
// without a line end counts; a line end at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tarvix
