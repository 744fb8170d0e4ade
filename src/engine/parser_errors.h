// The engine's exception family: each error carries its message text and a
// help-context number (0 where there is none).
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvix {

// The general exception of the system (index errors and the like).
class TarvixError : public std::runtime_error {
public:
    explicit TarvixError(const std::string& message, int helpContext = 0)
        : std::runtime_error(message), helpContext_(helpContext) {}
    int HelpContext() const noexcept { return helpContext_; }

private:
    int helpContext_;
};

class EMathParserError : public TarvixError {
    using TarvixError::TarvixError;
};

#define TARVIX_PARSER_ERROR(Name)                     \
    class Name : public EMathParserError {            \
    public:                                           \
        using EMathParserError::EMathParserError;     \
    }

TARVIX_PARSER_ERROR(ESyntaxError);
TARVIX_PARSER_ERROR(EExpressionHasBlanks);
TARVIX_PARSER_ERROR(EExpressionTooComplex);
TARVIX_PARSER_ERROR(ETooManyNestings);
TARVIX_PARSER_ERROR(EMissMatchingBracket);
TARVIX_PARSER_ERROR(EBadName);
TARVIX_PARSER_ERROR(EBadDomain);
TARVIX_PARSER_ERROR(EBadImaginaryUnit);
TARVIX_PARSER_ERROR(EParserInternalError);
// Floating-point overflow, invalid operation and division by zero, integer
// overflow and range errors found while computing.
TARVIX_PARSER_ERROR(EArithmeticError);

#undef TARVIX_PARSER_ERROR

// Raise an error of class E with the replaceable message `key`, its "%s"
// replaced by args.
template <class E>
[[noreturn]] void Raise(std::string_view key, std::initializer_list<std::string_view> args = {},
                        int helpContext = 0);

// The domain, range and complex-mode forms used by the function library.
[[noreturn]] void RaiseDomain(std::string_view name, std::string_view domain, int helpContext);
[[noreturn]] void RaiseRange(std::string_view name, std::string_view range, int helpContext);
[[noreturn]] void RaiseNoComplex(std::string_view name, int helpContext);

}  // namespace tarvix
