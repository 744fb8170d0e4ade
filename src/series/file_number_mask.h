// The number mask of the series file, in the style "0.000000000E+00": digit
// placeholders "0" (always a digit) and "#" (a digit only when needed) before
// and after ".", and an optional exponent "E+", "E-", "e+" or "e-" followed by
// the least number of exponent digits. Characters before the first and after
// the last placeholder are copied as they stand. The mask is read once; the
// formatting is our own (no streams), since every line of a series file goes
// through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

class FileNumberMask {
public:
    // Nothing when the text has no digit placeholder or a misplaced part.
    static std::optional<FileNumberMask> Parse(std::string_view mask);

    // Appends the magnitude of x by the mask (no sign) with the given decimal
    // separator. Infinities and NaN give "INF" and "NAN".
    void AppendMagnitude(std::string& out, long double x, char decimalSeparator) const;

    // The series file's form of a signed number: a blank and the magnitude
    // for x ≥ 0 (also for a negative value that rounds to zero), "-" and the
    // magnitude otherwise.
    void AppendSigned(std::string& out, long double x, char decimalSeparator) const;

private:
    std::string prefix_;
    std::string suffix_;
    int intZeros_ = 0;    // "0" placeholders before the point
    int intDigits_ = 0;   // all placeholders before the point
    int fracZeros_ = 0;   // "0" placeholders after the point
    int fracDigits_ = 0;  // all placeholders after the point
    bool exponent_ = false;
    char expLetter_ = 'E';
    bool expPlus_ = false;  // "E+": the sign is always written
    int expDigits_ = 0;
};

}  // namespace tarvix
