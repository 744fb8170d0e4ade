// Decoding file bytes: UTF-8 as it is, cp1250 otherwise; line splitting.
#include "storage/text_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/cp1250.h"

namespace tarvix {
namespace {

// "Příliš žluťoučký kůň úpěl ďábelské ódy" in UTF-8 and in cp1250.
constexpr std::string_view kCzechUtf8 =
    "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88 "
    "\xC3\xBAp\xC4\x9Bl \xC4\x8F\xC3\xA1\x62\x65lsk\xC3\xA9 \xC3\xB3\x64y";
constexpr std::string_view kCzechCp1250 =
    "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1\x62\x65lsk\xE9 \xF3\x64y";

TEST(TextCodec, WellFormedUtf8IsKeptAndByteOrderMarkDropped) {
    EXPECT_EQ(DecodeText(kCzechUtf8), kCzechUtf8);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + std::string(kCzechUtf8)), kCzechUtf8);
    EXPECT_EQ(DecodeText(""), "");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"), "");
}

TEST(TextCodec, OtherBytesReadAsCp1250) {
    EXPECT_EQ(DecodeText(kCzechCp1250), kCzechUtf8);
    // Typographic marks and the letters of the upper half.
    EXPECT_EQ(DecodeText("\x80 \x84x\x93 \x96 \xA7 \x8A\x8E\xBC\xC8\xD8\xDD\xFF"),
              "\xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C \xE2\x80\x93 \xC2\xA7 "
              "\xC5\xA0\xC5\xBD\xC4\xBD\xC4\x8C\xC5\x98\xC3\x9D\xCB\x99");
}

TEST(TextCodec, Cp1250TableSamples) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x83, 0x0083}, {0x88, 0x0088}, {0x8A, 0x0160}, {0x8D, 0x0164}, {0x90, 0x0090},
        {0x98, 0x0098}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9F, 0x017A}, {0xA0, 0x00A0},
        {0xA1, 0x02C7}, {0xA5, 0x0104}, {0xB9, 0x0105}, {0xBC, 0x013D}, {0xC8, 0x010C},
        {0xCC, 0x011A}, {0xD2, 0x0147}, {0xD9, 0x016E}, {0xE8, 0x010D}, {0xEC, 0x011B},
        {0xEF, 0x010F}, {0xF8, 0x0159}, {0xF9, 0x016F}, {0xFE, 0x0163}, {0xFF, 0x02D9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1250ToUnicode(c.byte), c.codePoint) << "byte " << int(c.byte);
    }
}

TEST(TextCodec, EveryCp1250ByteGivesOneCharacterOfWellFormedUtf8) {
    std::string all;
    for (int b = 0x80; b <= 0xFF; ++b) all.push_back(static_cast<char>(b));
    std::string text = DecodeText(all);
    EXPECT_TRUE(IsValidUtf8(text));
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos)) {
        ++characters;
    }
    EXPECT_EQ(characters, 128u);
}

TEST(TextCodec, Utf8Validity) {
    struct Case {
        std::string_view bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain ASCII", true},
        {"\xC2\xA0", true},           // U+00A0
        {"\xE2\x82\xAC", true},       // U+20AC
        {"\xF0\x9F\x98\x80", true},   // U+1F600
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"\xC0\xAF", false},          // overlong "/"
        {"\xE0\x80\xAF", false},      // overlong "/"
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xE2\x82", false},          // cut off
        {"\x80", false},              // lone continuation
        {"\xFF", false},
        {std::string_view("a\0b", 3), true},  // NUL is a character
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextCodec, DeclaredUtf8KeepsItsTextAndMarksMalformedBytes) {
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                         "a\xFF"
                         "b\xC5\xA1"),
              "a\xEF\xBF\xBD"
              "b\xC5\xA1");
}

TEST(TextCodec, TruncatedUtf8StaysUtf8) {
    // A UTF-8 file cut in the middle of its last character.
    std::string truncated = std::string(kCzechUtf8) + "\xC5";
    EXPECT_EQ(DecodeText(truncated), std::string(kCzechUtf8) + "\xEF\xBF\xBD");
    // Without other multi-byte characters the same byte is a cp1250 letter.
    EXPECT_EQ(DecodeText("abc\xC5"), "abc\xC4\xB9");
}

TEST(TextCodec, SplitLinesOnEveryLineEnd) {
    struct Case {
        std::string_view text;
        std::vector<std::string_view> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

}  // namespace
}  // namespace tarvix
