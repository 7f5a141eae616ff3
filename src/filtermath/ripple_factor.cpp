#include <cmath>

#include "filtermath/prototype_poles.hpp"

namespace brantover {

float chebyshev_eps(float ripple) {
    const float temp = float(std::fabs(double(ripple) / 10.0));
    const float power = float(std::pow(10.0, double(temp)));
    return float(std::sqrt(double(power) - 1.0));
}

}  // namespace brantover
