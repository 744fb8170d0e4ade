// Sine and cosine of an angle given in the current angle unit, with exact
// zeros decided in that unit, and the range bound of the trigonometric
// functions.
#pragma once

#include <string_view>

namespace tarvix {

struct SineCosine {
    long double Sin = 0.0L;
    long double Cos = 1.0L;
};

// Raises the range error naming `name` when |x| converted to radians exceeds
// 3.141593e18; otherwise returns the sine and cosine of x (in the current unit).
// Zeros are exact: in degrees sin is 0 exactly on multiples of 180 and cos on
// odd multiples of 90 (in grads 200 and 100); in radians sin is 0 when x/pi has
// no fractional part and cos when its fractional part is one half.
SineCosine AngleSineCosine(long double x, std::string_view name);
// The same for one of the two, computing only that one.
long double AngleSine(long double x, std::string_view name);
long double AngleCosine(long double x, std::string_view name);

}  // namespace tarvix
