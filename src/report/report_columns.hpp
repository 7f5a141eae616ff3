// The columns of a report row: the blanks before each field and the field
// itself, left to right, exactly as the row is printed ("9X F9.2 3X F8.4 ...").
// The row writer prints from these, and readers of stored reports find the
// columns from them.
#pragma once

#include <array>

namespace brantover {

struct row_field {
    int blanks;  // nX before the field
    int w, d;    // Fw.d
};

// Frequency, wavelength, loss, time delay, phase, VSWR or return loss, F/Fo.
inline constexpr std::array<row_field, 7> one_filter_row{{
    {9, 9, 2},
    {3, 8, 4},
    {2, 7, 2},
    {1, 8, 4},
    {2, 7, 2},
    {1, 8, 3},
    {2, 7, 4},
}};

// Frequency, wavelength; bandpass loss, delay, phase; bandstop loss, delay, phase.
inline constexpr std::array<row_field, 8> both_filters_row{{
    {6, 9, 3},
    {2, 8, 4},
    {1, 7, 2},
    {2, 8, 4},
    {2, 7, 2},
    {1, 7, 2},
    {2, 8, 4},
    {2, 7, 2},
}};

// First column (counted from 1) of field k of a row.
template <std::size_t N>
constexpr int first_column(const std::array<row_field, N>& row, std::size_t k) {
    int column = 1;
    for (std::size_t j = 0; j < k; ++j) column += row[j].blanks + row[j].w;
    return column + row[k].blanks;
}

}  // namespace brantover
