// Two small stored reports laid out as the program stores them, with the
// field contents a sweep can leave: -0.00, -Inf, Infinity, NaN and asterisks,
// also in the frequency column.
#pragma once

#include <string>

namespace brantover::plot::testing {

// LF line ends as CR LF, as the program writes a storage file.
inline std::string crlf(const std::string& lf) {
    std::string s;
    for (const char c : lf) {
        if (c == '\n') s += '\r';
        s += c;
    }
    return s;
}

// Rows on lines 20 to 23.
inline const std::string small_bandpass = crlf(R"(
      ------------------------------------------------------------------------
        Brantover (v. 1.2)                    Date:12/ 9/2014 at 14: 3: 7Hours
                RF/Microwave Computer-Aided Engineering Design Data for
               Multi-Section Filters Exhibiting a  Butterworth Response.

               ANALYSIS of the Theoretical Electrical Circuit for your
               Filter results in the following frequency response:

                Flow =   975.000 MHz          Response    = Bandpass
                Fo   =  1000.000 MHz          # of Poles  =  7
                Fhigh=  1025.000 MHz          Ripple (Am) = 3.000 dB
                BW   =    50.000 MHz          Unloaded Q  =   2500.

                Butterworth Bandpass Filter Response
              ---------------------------------------
          Frequency Wavelength   Loss  Time Delay  Phase    VSWR    F/Fo
            (MHz)    (Inches)    (dB)    (nsec)    (deg)
      ------------------------------------------------------------------------
            995.00    11.8622    -0.17  20.9000    35.50    1.250   0.9950
           1000.00    11.8029     -Inf  21.0000    -0.00    1.000   1.0000
           1005.00    11.7441    -0.21      NaN  *******  999.000   1.0050
         *********     0.0118    -0.50 Infinity  -100.00    2.500  *******
      ------------------------------------------------------------------------
      Output data stored in User filename: small.txt           
)");

inline const std::string small_both = crlf(R"(
      ------------------------------------------------------------------------
        Brantover (v. 1.2)                    Date:12/ 9/2014 at 14: 3: 7Hours
                RF/Microwave Computer-Aided Engineering Design Data for
               Multi-Section Filters Exhibiting a       Bessel Response.

               ANALYSIS of the Theoretical Electrical Circuit for your
               Filter results in the following frequency response:

                Flow =   975.000 MHz          Response    = BP & BS 
                Fo   =  1000.000 MHz          # of Poles  =  3
                Fhigh=  1025.000 MHz          Ripple (Am) = 0.000 dB
                BW   =    50.000 MHz          Unloaded Q  =    800.

                               Bandpass Response          Bandstop Response
                          --------------------------  -------------------------
      Frequency Wavelength  Loss   Time Delay  Phase   Loss   Time Delay  Phase
        (MHz)    (Inches)   (dB)     (nsec)    (deg)   (dB)     (nsec)    (deg)
      ------------------------------------------------------------------------
        995.000   11.8622   -0.17   20.9000    35.50  -20.12    1.5000   -45.25
       1000.000   11.8029    -Inf   21.0000  *******  -72.96   13.2345   450.00
      ------------------------------------------------------------------------
      Output data stored in User filename: small.txt           
)");

}  // namespace brantover::plot::testing
