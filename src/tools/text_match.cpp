// Case folding of UTF-8 Latin letters and blank runs for name matching.
#include "tools/text_match.h"

namespace tarvix {
namespace {

// Lower case of a code point of Basic Latin, Latin-1 and Latin Extended-A.
char32_t FoldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        // Pairs upper/lower at even/odd code points, except two runs where
        // the upper case letter sits at the odd one, and ı, ĸ, ŉ, ſ.
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (c == 0x178) return 0xFF;
        if (oddUpper) return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string NormalizedName(std::string_view name) {
    std::string out;
    bool pendingBlank = false;
    for (std::size_t i = 0; i < name.size();) {
        const auto byte = static_cast<unsigned char>(name[i]);
        char32_t c = byte;
        std::size_t length = 1;
        // Two-byte sequences are decoded (the letters folded live there);
        // longer ones are copied as they stand.
        if (byte >= 0xC0 && byte < 0xE0 && i + 1 < name.size()) {
            c = ((byte & 0x1F) << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3F);
            length = 2;
        } else if (byte >= 0xE0) {
            length = byte >= 0xF0 ? 4 : 3;
            if (i + length > name.size()) length = name.size() - i;
        }
        if (c == U' ' || c == U'\t' || c == 0xA0) {
            pendingBlank = true;
        } else {
            if (pendingBlank && !out.empty()) out += ' ';
            pendingBlank = false;
            if (length <= 2) {
                AppendUtf8(out, FoldCase(c));
            } else {
                out.append(name.substr(i, length));
            }
        }
        i += length;
    }
    return out;
}

bool NamesMatch(std::string_view a, std::string_view b) {
    return NormalizedName(a) == NormalizedName(b);
}

}  // namespace tarvix
