// Poles of the normalized low-pass prototype (passband edge at normalized
// frequency 1) and the dissipation term of the resonators.
//
// Every named value is a float; each formula is worked in double and rounded
// to float where it is stored, so the poles carry exactly the single-precision
// rounding the rest of the analysis expects.
#include <cmath>
#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

double sq(double x) { return x * x; }

struct table_pole {
    float p;  // real part
    float w;  // imaginary part
};

// Poles k = 1..ceil(n/2) of each order n = 2..10; the others are their
// conjugates. Rows 0 and 1 are unused.
constexpr table_pole bessel[11][5] = {
    {},
    {},
    {{-1.1060133f, 0.6360098f}},
    {{-1.0474092f, 0.9992644f}, {-1.3226758f, 0.0f}},
    {{-0.99520874f, 1.2571057f}, {-1.3700678f, 0.4102497f}},
    {{-0.95767653f, 1.4711243f}, {-1.3808774f, 0.7179096f}, {-1.5023162f, 0.0f}},
    {{-0.93065655f, 1.6618633f}, {-1.3818581f, 0.9714719f}, {-1.5714904f, -0.3208964f}},
    {{-0.90986776f, 1.8364514f},
     {-1.3789033f, 1.1915668f},
     {-1.6120387f, 0.5892445f},
     {-1.6843681f, 0.0f}},
    {{-0.8928697f, 1.9983258f},
     {-1.3738412f, 1.3883566f},
     {-1.6369394f, 0.8227956f},
     {-1.7574084f, 0.27286756f}},
    {{-0.87839925f, 2.1498005f},
     {-1.3675883f, 1.5677338f},
     {-1.6523964f, 1.0313896f},
     {-1.8071705f, 0.51238376f},
     {-1.8566005f, 0.0f}},
    {{-0.8657569f, 2.292605f},
     {-1.3606923f, 1.7335057f},
     {-1.6618103f, 1.2211002f},
     {-1.8421962f, 0.7272576f},
     {-1.9276197f, 0.24162348f}},
};

// Linear phase with 0.05 degree equal-ripple phase error, same layout.
constexpr table_pole linear_phase[11][5] = {
    {},
    {},
    {{-1.0087f, 0.6680f}},
    {{-0.8541f, 1.0725f}, {-1.0459f, 0.0f}},
    {{-0.9648f, 0.4748f}, {-0.7448f, 1.4008f}},
    {{-0.8915f, 0.8733f}, {-0.6731f, 1.7085f}, {-0.9430f, 0.0f}},
    {{-0.8904f, 0.4111f}, {-0.8233f, 1.2179f}, {-0.6152f, 1.9810f}},
    {{-0.8425f, 0.7791f}, {-0.7708f, 1.5351f}, {-0.5727f, 2.2456f}, {-0.8615f, 0.0f}},
    {{-0.8195f, 0.3711f}, {-0.7930f, 1.1054f}, {-0.7213f, 1.8134f}, {-0.5341f, 2.4761f}},
    {{-0.7853f, 0.7125f},
     {-0.7555f, 1.4127f},
     {-0.6849f, 2.0854f},
     {-0.5060f, 2.7133f},
     {-0.7938f, 0.0f}},
    {{-0.7592f, 0.3413f},
     {-0.7467f, 1.0195f},
     {-0.7159f, 1.6836f},
     {-0.6475f, 2.3198f},
     {-0.4777f, 2.9128f}},
};

// Chebyshev and Butterworth: poles on an ellipse (a circle for Butterworth)
// at the angles (2k - 1) pi / 2n, each one computed on its own.
void pole_loop(std::int32_t n, prototype_poles& pp, float sinho2, float cosho2, float tembw,
               float qu) {
    for (std::int32_t k = 1; k <= n; ++k) {
        const float temp = float(double(pi) * double(0.5f) * double(2 * k - 1) / double(n));
        pp.p[k] = float(-(std::sin(double(temp)) * double(sinho2)));
        pp.w[k] = float(std::cos(double(temp)) * double(cosho2));
        pp.b[k] = float(1.0 / (double(tembw) * double(qu)));
    }
}

// Bessel and linear phase: the order's table row and its conjugates. Outside
// the tables only the single real pole -1 is set.
void table_poles(const table_pole (&table)[11][5], std::int32_t n, prototype_poles& pp, float tembw,
                 float qu) {
    if (n >= 2 && n <= 10) {
        for (std::int32_t k = 1; k <= (n + 1) / 2; ++k) {
            pp.p[k] = table[n][k - 1].p;
            pp.w[k] = table[n][k - 1].w;
        }
        for (std::int32_t k = 1; k <= n / 2; ++k) {
            pp.p[n + 1 - k] = pp.p[k];
            pp.w[n + 1 - k] = -pp.w[k];
        }
    } else {
        pp.p[1] = -1.0f;
        pp.w[1] = 0.0f;
    }
    for (std::int32_t k = 1; k <= n; ++k) pp.b[k] = float(1.0 / (double(tembw) * double(qu)));
}

}  // namespace

void apoles(std::int32_t iop, std::int32_t n, prototype_poles& pp, float ripple, float tembw,
            float qu) {
    switch (iop) {
        case 1: {
            pp.eps = chebyshev_eps(ripple);
            const float temp = float(1.0 / double(pp.eps));
            const float arg = float(double(temp) + std::sqrt(sq(double(temp)) + 1.0));
            const float rn1 = float(1.0 / double(n));
            const float phi2 = float(std::log(double(arg)) * double(rn1));  // asinh(1/eps) / n
            const float cosho2 = float(std::cosh(double(phi2)));
            const float sinho2 = float(std::sinh(double(phi2)));
            pole_loop(n, pp, sinho2, cosho2, tembw, qu);
            break;
        }
        case 2: pole_loop(n, pp, 1.0f, 1.0f, tembw, qu); break;
        case 3: table_poles(bessel, n, pp, tembw, qu); break;
        case 4: table_poles(linear_phase, n, pp, tembw, qu); break;
        default: break;
    }
}

}  // namespace brantover
