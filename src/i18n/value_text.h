// How distances, focal lengths, apertures and other values print as text.
#ifndef ZORVANEL_I18N_VALUE_TEXT_H_
#define ZORVANEL_I18N_VALUE_TEXT_H_

#include <span>
#include <string>
#include <string_view>

#include "data/zorvanel.pb.h"
#include "optics/units.h"
#include "optics/value.h"
#include "optics/value_insertion.h"

namespace zorvanel {

// What every value that holds no value prints as.
inline constexpr char kNoValueText[] = "\xE2\x80\x94";  // U+2014 em dash

// The unit that may follow a typed focal length or circle of confusion.
inline constexpr char kMillimetreUnit[] = "mm";

// A distance in `units` with a unit chosen by size ("20 cm", "1.5 m",
// "2.5 km", "12 in.", "1.24 mile"), or the translation of "Infinity" for a
// negative one. Unit symbols are translated, here and in every Format.
std::string Format(const DistanceValue& distance, UnitSystem units);
// A focal length in millimetres whatever the units ("50 mm"); a negative one
// prints "Infini".
std::string Format(const FocalValue& focal);
// The focal length and, where the camera's focal `multiplier` changes it,
// its 35 mm equivalent in whole millimetres: "50 mm (77 mm eq.)".
std::string FormatWithEquivalent(const FocalValue& focal, double multiplier);
// The entered f-number ("f/2.8").
std::string Format(const ApertureValue& aperture);

// A stored value of `kind` printed as the lists show it ("50 mm", "f/2.8",
// "1.5 m"), a distance in `units`.
std::string FormatValue(ValueKind kind, double stored, UnitSystem units);
// The unit a value of `kind` may be typed with: kMillimetreUnit for focal
// lengths, so that "50 mm" is typed as 50; none for the other kinds (a
// distance's follows the unit system).
std::string_view TypedUnit(ValueKind kind);
// What may come before a typed value of `kind`: an f-number is written
// "f/1.4", "F1.4", "f1.4" or "1:1.4"; nothing for the other kinds.
std::span<const std::string_view> TypedPrefixes(ValueKind kind);

// A circle of confusion with three decimals: "0.030 mm".
std::string FormatCircleOfConfusion(double millimetres);
// A camera's focal multiplier as a crop factor, "×1.53", "×1"; one that
// counts as none in a list row reads "×1".
std::string FormatMultiplier(double multiplier);

// "18 mm - 55 mm" ("18 mm" alone for a prime, or while max_focal is not
// above 0).
std::string FocalRangeLabel(const Lens& lens);
// "f/2.8 - f/22": the first and the last aperture as the wheel picks them;
// one f-number when both print alike; empty for an empty list.
std::string ApertureRangeLabel(const Lens& lens);

// x reduced to about three significant digits and put in place of every '%'
// of `pattern`: FormatRounded("% cm", 25.04) == "25 cm". Whole numbers from
// 100 up, one decimal from 10, two below. NaN and infinities give
// kNoValueText.
std::string FormatRounded(const std::string& pattern, double x);

// x with exactly `decimals` digits after a '.', whatever the locale:
// FormatFixed(2.8284, 3) == "2.828". NaN and infinities give kNoValueText.
std::string FormatFixed(double x, int decimals);

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_VALUE_TEXT_H_
