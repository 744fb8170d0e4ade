// Bit functions of the real domain on 64-bit integers: NOT, AND, OR, XOR, NOR,
// SHL and SHR. Arguments are truncated toward zero; values outside the signed
// 64-bit range raise the range error before any conversion.
#include <cmath>
#include <cstdint>

#include "engine/float_guard.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

using BitOperation = std::int64_t (*)(std::int64_t, std::int64_t);

long double NotOf(long double x) {
    return static_cast<long double>(~TruncToInt64(x));
}

template <BitOperation Op>
long double Bitwise(long double x, long double y) {
    std::int64_t a = TruncToInt64(x);
    std::int64_t b = TruncToInt64(y);
    return static_cast<long double>(Op(a, b));
}

std::int64_t And(std::int64_t a, std::int64_t b) {
    return a & b;
}
std::int64_t Or(std::int64_t a, std::int64_t b) {
    return a | b;
}
std::int64_t Xor(std::int64_t a, std::int64_t b) {
    return a ^ b;
}
std::int64_t Nor(std::int64_t a, std::int64_t b) {
    return ~(a | b);
}

using ShiftOperation = std::uint64_t (*)(std::uint64_t, unsigned);

std::uint64_t Left(std::uint64_t v, unsigned n) {
    return v << n;
}
std::uint64_t LogicalRight(std::uint64_t v, unsigned n) {
    return v >> n;
}

// x truncated to 64 bits shifted by y truncated. A count of 64 or more moves
// every bit out and gives 0; so does a negative count (no shift the other way).
template <ShiftOperation Op>
long double Shift(long double x, long double y) {
    std::uint64_t v = static_cast<std::uint64_t>(TruncToInt64(x));
    long double count = truncl(y);
    if (!(count >= 0.0L && count <= 63.0L)) return 0.0L;
    return static_cast<long double>(static_cast<std::int64_t>(Op(v, static_cast<unsigned>(count))));
}

constexpr FunctionDef kOneArgument[] = {
    {"NOT", RealOnlyCallback<NotOf, "not", 28>},
};

constexpr FunctionDef kTwoArguments[] = {
    {"AND", RealOnlyCallback2<Bitwise<And>, "and", 28>},
    {"OR", RealOnlyCallback2<Bitwise<Or>, "or", 28>},
    {"XOR", RealOnlyCallback2<Bitwise<Xor>, "xor", 28>},
    {"NOR", RealOnlyCallback2<Bitwise<Nor>, "nor", 28>},
    {"SHL", RealOnlyCallback2<Shift<Left>, "shl", 28>},
    {"SHR", RealOnlyCallback2<Shift<LogicalRight>, "shr", 28>},
};

}  // namespace

FunctionFamily BitFunctions() {
    return {kOneArgument, kTwoArguments};
}

}  // namespace tarvix
