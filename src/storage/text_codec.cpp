// UTF-8 validation, the cp1250 fallback for other files, and line splitting.
#include "storage/text_codec.h"

#include <algorithm>

#include "storage/cp1250.h"

namespace tarvix {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string DecodeUtf8Replacing(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t length = Utf8SequenceLength(bytes, pos);
        if (length == 0) {
            AppendUtf8(out, kReplacementCharacter);
            ++pos;
        } else {
            out.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

namespace {

// Whether the bytes are UTF-8 with at least one multi-byte character and end
// in the cut-off start of another one, as a file truncated mid-character does.
bool IsTruncatedUtf8(std::string_view bytes) {
    std::size_t lead = bytes.size();
    while (lead > 0 && bytes.size() - lead < 3 &&
           IsContinuation(static_cast<unsigned char>(bytes[lead - 1]))) {
        --lead;
    }
    if (lead == 0) return false;
    --lead;
    auto first = static_cast<unsigned char>(bytes[lead]);
    std::size_t expected = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
    if (first < 0xC2 || first > 0xF4 || bytes.size() - lead >= expected) return false;
    std::string_view body = bytes.substr(0, lead);
    bool hasMultiByte = std::any_of(body.begin(), body.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return hasMultiByte && IsValidUtf8(body);
}

std::string DecodeCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) AppendUtf8(out, Cp1250ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementCharacter;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length;
    char32_t minimum;
    char32_t cp;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, cp = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        return DecodeUtf8Replacing(bytes.substr(kUtf8ByteOrderMark.size()));
    }
    if (IsValidUtf8(bytes)) return std::string(bytes);
    if (IsTruncatedUtf8(bytes)) return DecodeUtf8Replacing(bytes);
    return DecodeCp1250(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace tarvix
