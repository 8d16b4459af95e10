#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanel::fret_template {

// The unit the maker works in: every length typed, shown and saved is in it.
// The geometry, the drawings and the pages are in millimetres whatever it is.
enum class Unit { Millimetre, Inch };

// The paper the template is printed on.
enum class Paper { A4, Letter };

inline constexpr double kMillimetresPerInch = 25.4;

double ToMillimetres(double length, Unit unit);
double FromMillimetres(double millimetres, Unit unit);
double ConvertLength(double length, Unit from, Unit to);

// "mm" or "in".
std::string_view UnitSymbol(Unit unit);

// Number texts written digit by digit from the value rounded to a whole
// number of its last decimal, so that every compiler and library gives the
// same bytes, "." whatever the locale, and never "-0". Throws
// std::domain_error for a value that is not finite or beyond 9E12 at six
// decimals: no drawing of the template comes near that.
void AppendFixed(std::string& out, double value, int decimals);
// The same without trailing zeros after the point (nor the point itself).
void AppendTrimmed(std::string& out, double value, int decimals);

// A length as the boxes show it: at most 3 decimals in millimetres, 4 in
// inches, trailing zeros dropped ("650", "25.5906"). `length` is in `unit`.
std::string LengthText(double length, Unit unit);

// A distance as the fret list shows it: 3 decimals in millimetres, 4 in
// inches, all of them ("36.482", "1.4363"). `distance` is in `unit`.
std::string DistanceText(double distance, Unit unit);

// The decimals of a length shown in `unit`.
int ShownDecimals(Unit unit);

// The scale lengths offered in the boxes: the main window's fifteen in
// millimetres (600 to 670 by 5), the usual guitar and bass scales in inches.
std::vector<std::string> ScalePresets(Unit unit);

}  // namespace korvanel::fret_template
