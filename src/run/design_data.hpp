// The values of one filter and of its current analysis pass, and the
// defaults every question falls back on.
#pragma once

#include <cstdint>

#include "report/text_fields.hpp"

namespace brantover {

// Wavelength constant, inches x MHz: the wavelength in inches is speed / fi.
inline constexpr float speed = 11802.851f;
inline constexpr float pi = 3.1415927f;

struct design_data {
    // Filter fields, set by the design dialogue once per filter.
    std::int32_t iselect = 0;             // 1 bandpass, 2 bandstop, 3 both
    text20 bporbs = make_blank_text20();  // "Bandpass", "Bandstop" or "BP & BS"
    std::int32_t iop = 0;                 // 1 Chebyshev, 2 Butterworth, 3 Bessel, 4 linear phase
    float ripple = 0.0f;                  // dB
    float f0 = 0.0f;                      // centre frequency, MHz
    float bw = 0.0f;                      // passband bandwidth, MHz
    float flow = 0.0f;                    // lower passband edge, MHz
    float fhigh = 0.0f;                   // upper passband edge, MHz
    std::int32_t ifunc = 0;               // 1 count entered, 2 from the skirt attenuation
    float f1 = 0.0f;                      // skirt frequency, MHz
    float fc = 0.0f;                      // passband edge on the skirt frequency's side, MHz
    float a1 = 0.0f;                      // requested skirt attenuation, dB
    float a2 = 0.0f;                      // achieved skirt attenuation, dB
    std::int32_t ides = 0;                // 3 bandpass (also both), 4 bandstop
    std::int32_t ierr = 0;                // 1 when the resonator count failed
    std::int32_t n = 0;                   // number of resonators (poles)
    float qu = 0.0f;                      // unloaded Q of each resonator
    float tembw = 0.0f;                   // bw / f0
    float dwdw = 0.0f;                    // 1 / (bw * pi)

    // Analysis fields, asked anew in every analysis pass.
    float fstart = 0.0f;                 // MHz
    float fmax = 0.0f;                   // MHz
    float delf = 0.0f;                   // MHz
    std::int32_t ivswr = 1;              // 1 VSWR, 2 return loss
    std::int32_t istore = 2;             // 1 store, 2 not
    text20 fname = make_blank_text20();  // the file name as answered
    text20 fn = make_blank_text20();     // the name the report is stored under
};

struct default_data {
    std::int32_t iselectdef = 0;
    std::int32_t iopdef = 0;
    float f0def = 0.0f;
    float bwdef = 0.0f;
    float rippledef = 0.0f;
    float f1def = 0.0f;
    float a1def = 0.0f;
    std::int32_t ndef = 0;
    float qudef = 0.0f;
    float fstartdef = 0.0f;
    float fmaxdef = 0.0f;
    float delfdef = 0.0f;
    text20 fndef = make_blank_text20();
};

// Local date and time at the start of a filter pass.
struct date_time {
    std::int32_t iyr = 0, imon = 0, iday = 0, ihr = 0, imin = 0, isec = 0;
};

}  // namespace brantover
