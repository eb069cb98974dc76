// SPDX-License-Identifier: GPL-3.0-or-later
#include "winkel.h"

#include "gleitkomma.h"

#include <algorithm>
#include <cmath>

namespace kalotri {

namespace {

// π rounded to a 64-bit mantissa; the degree conversions and ArcCosinus depend on
// exactly this value, not on whatever M_PI the platform offers.
const Lang Pi = 3.14159265358979323851L;
// The special cases return π/2 as a double, not the extended value halved.
constexpr double PiHalbe = 1.5707963267948966;

// Unqualified below, so that Lang64's own functions are found when Lang is Lang64.
using std::atan;
using std::cos;
using std::sin;

} // namespace

double GradZuBogen(double x) {
    return Speichere(Pi * static_cast<Lang>(x) / 180);
}

double BogenZuGrad(double x) {
    return Speichere(static_cast<Lang>(x) * 180 / Pi);
}

Lang SinusGrad(double grad) {
    return sin(Lang{GradZuBogen(grad)});
}

Lang KosinusGrad(double grad) {
    return cos(Lang{GradZuBogen(grad)});
}

double ArcSinus(double x) {
    const Lang xl = x;
    // x = −1 also yields +π/2: the only guard is against dividing by zero.
    if (xl * xl == 1) {
        return PiHalbe;
    }
    return Speichere(atan(Teile(xl, Wurzel(1 - xl * xl))));
}

double ArcCosinus(double x) {
    const Lang xl = x;
    if (xl == 0) {
        return PiHalbe;
    }
    const Lang theta = atan(Teile(Wurzel(1 - xl * xl), xl));
    return Speichere(xl < 0 ? theta + Pi : theta);
}

long double WinkelAusSeiten(long double gegenueber, long double s, long double t) {
    const long double c = (s * s + t * t - gegenueber * gegenueber) / (2 * s * t);
    return std::acos(std::clamp(c, -1.0L, 1.0L)) / EinGrad;
}

} // namespace kalotri
