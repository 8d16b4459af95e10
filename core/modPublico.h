#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvanel {

// Number texts of the fret table, shared by the fret list and the report.
// All but NumberText use "." as the decimal point whatever the user's locale.

// The number with a sign position (a blank, or '-' when negative), then the
// magnitude with at most 15 significant digits, no trailing zeros and no '0'
// before the point: 0.5 gives " .5", 24 gives " 24". Magnitudes from 1E15 up
// and below 1E-4 are written with an exponent: " 1.5E+15", " 1E-05".
std::string BasicStr(double value);

// The fret number right-aligned in 3 characters: "  0", " 24".
std::string FormatFretNumber(std::int16_t fret);

// Distances for the "previous fret" (7 characters) and the "from the nut"
// (8 characters) columns. One digit before the point (two in the wide
// column) gets an extra blank so that the points line up; the text is then
// cut after the third decimal, never rounded. Exactly 0 is "  0.000" and
// "   0.000". A text with an exponent keeps its exponent: only its mantissa
// is shortened to fit the column.
std::string FormatStepDistance(double distance);
std::string FormatWholeDistance(double distance);

// The plain text of a number, for the report heading: '-' only when
// negative, the digits of BasicStr with the '0' before a leading point, and
// `decimalSeparator` (UTF-8, the user's, possibly more than one byte) for the
// point: 650 -> "650", 647.7 -> "647,7" with ",".
std::string NumberText(double value, std::string_view decimalSeparator);

}  // namespace korvanel
