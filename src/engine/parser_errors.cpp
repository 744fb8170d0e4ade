// Raising engine errors from the replaceable message table.
#include "engine/parser_errors.h"

#include "engine/parser_messages.h"

namespace tarvix {

template <class E>
void Raise(std::string_view key, std::initializer_list<std::string_view> args, int helpContext) {
    throw E(FormatMessageText(ParserMessages().Text(key), args), helpContext);
}

template void Raise<TarvixError>(std::string_view, std::initializer_list<std::string_view>, int);
template void Raise<ESyntaxError>(std::string_view, std::initializer_list<std::string_view>, int);
template void Raise<EExpressionHasBlanks>(std::string_view, std::initializer_list<std::string_view>,
                                          int);
template void Raise<EExpressionTooComplex>(std::string_view,
                                           std::initializer_list<std::string_view>, int);
template void Raise<ETooManyNestings>(std::string_view, std::initializer_list<std::string_view>,
                                      int);
template void Raise<EMissMatchingBracket>(std::string_view, std::initializer_list<std::string_view>,
                                          int);
template void Raise<EBadName>(std::string_view, std::initializer_list<std::string_view>, int);
template void Raise<EBadDomain>(std::string_view, std::initializer_list<std::string_view>, int);
template void Raise<EBadImaginaryUnit>(std::string_view, std::initializer_list<std::string_view>,
                                       int);
template void Raise<EParserInternalError>(std::string_view, std::initializer_list<std::string_view>,
                                          int);
template void Raise<EArithmeticError>(std::string_view, std::initializer_list<std::string_view>,
                                      int);

void RaiseDomain(std::string_view name, std::string_view domain, int helpContext) {
    Raise<EBadDomain>(msg::OverDefinition, {name, domain}, helpContext);
}

void RaiseRange(std::string_view name, std::string_view range, int helpContext) {
    Raise<EBadDomain>(msg::RangeOverflow, {name, range}, helpContext);
}

void RaiseNoComplex(std::string_view name, int helpContext) {
    Raise<EBadDomain>(msg::NoComplexFunc, {name}, helpContext);
}

}  // namespace tarvix
