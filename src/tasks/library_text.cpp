// Line-break codes, cleaning, legacy decoding and upper-casing of library texts.
#include "tasks/library_text.h"

#include "storage/cp1250.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

bool BreaksFile(char c) {
    return c == '\0' || c == '\x01' || c == kCellCarriageReturn || c == kCellLineFeed;
}

// Appends `text` with every line break (CR LF, CR or LF, where `cr` and `lf`
// are the bytes that stand for CR and LF) replaced by `lineBreak`; bytes for
// which `drop` holds are left out.
template <typename Drop>
void ReplaceBreaks(std::string_view text, char cr, char lf, std::string_view lineBreak, Drop drop,
                   std::string& out) {
    out.reserve(out.size() + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == cr) {
            out += lineBreak;
            if (i + 1 < text.size() && text[i + 1] == lf) ++i;
        } else if (c == lf) {
            out += lineBreak;
        } else if (!drop(c)) {
            out += c;
        }
    }
}

// Upper case of a code point of Latin-1 and Latin Extended-A; others stay.
char32_t UpperLatin(char32_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0xB5) return c;  // the micro sign stays (its capital is Greek)
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x131) return U'I';
        if (c == 0x17F) return U'S';
        if (c == 0x138 || c == 0x149 || c == 0x130 || c == 0x178) return c;
        // Capital and small letters alternate; in two runs the capital sits
        // at the odd code point.
        const bool oddCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        const bool small = oddCapital ? c % 2 == 0 : c % 2 == 1;
        return small ? c - 1 : c;
    }
    return c;
}

}  // namespace

std::string EncodeExplanation(std::string_view text) {
    std::string out;
    constexpr char kCodes[] = {kCellCarriageReturn, kCellLineFeed};
    ReplaceBreaks(text, '\r', '\n', std::string_view(kCodes, 2), BreaksFile, out);
    return out;
}

std::string DecodeExplanation(std::string_view cell) {
    std::string out;
    // Both the codes and real line ends (from older writers) are breaks.
    std::string codesOnly;
    ReplaceBreaks(cell, '\r', '\n', std::string_view("\xFF\xFE", 2), [](char) { return false; },
                  codesOnly);
    ReplaceBreaks(codesOnly, kCellCarriageReturn, kCellLineFeed, "\n", BreaksFile, out);
    return out;
}

std::string CleanCategoryName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c != '\t' && c != '\r' && c != '\n' && c != '\0' && c != '\x01') out += c;
    }
    return out;
}

std::string CleanLineCell(std::string_view text) {
    std::string out;
    ReplaceBreaks(text, '\r', '\n', " ", BreaksFile, out);
    return out;
}

std::string CleanExplanation(std::string_view text) {
    std::string out;
    ReplaceBreaks(text, '\r', '\n', "\n", BreaksFile, out);
    return out;
}

std::string DecodeLegacyText(std::string_view bytes, bool indexFont) {
    static constexpr std::string_view kIndexBytes = "\x7F\x80\x81\xB5\x82\x83\x84\x85";
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        if (indexFont) {
            if (std::size_t at = kIndexBytes.find(c); at != std::string_view::npos) {
                out += IndexCharacters()[at];
                continue;
            }
        }
        AppendUtf8(out, Cp1250ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

const std::array<std::string_view, 8>& IndexCharacters() {
    static constexpr std::array<std::string_view, 8> kCharacters = {
        "\u00B2", "\u00B3", "\u2074", "\u00B5", "\u207B\u00B9", "\u207B\u00B2", "\u207B\u00B3",
        "\u207B\u2074"};
    return kCharacters;
}

void UpperCaseInto(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 32) : static_cast<char>(byte);
            ++i;
            continue;
        }
        // The letters that change live in two-byte sequences; anything else
        // (longer sequences, stray bytes) is copied as it stands.
        if (byte >= 0xC2 && byte < 0xE0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            AppendUtf8(out, UpperLatin(c));
            i += 2;
            continue;
        }
        out += text[i];
        ++i;
    }
}

std::string UpperCased(std::string_view text) {
    std::string out;
    UpperCaseInto(text, out);
    return out;
}

}  // namespace tarvix
