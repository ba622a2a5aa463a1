#ifndef ZORVANEL_I18N_VALUE_TEXT_H_
#define ZORVANEL_I18N_VALUE_TEXT_H_

#include <string>

#include "data/zorvanel.pb.h"
#include "optics/value.h"

namespace zorvanel {

// What every value that holds no value prints as.
inline constexpr char kNoValueText[] = "\xE2\x80\x94";  // U+2014 em dash

// A distance in the current unit system with a unit chosen by size ("20 cm",
// "1.5 m", "2.5 km", "12 in.", "1.24 mile"), or the translation of
// "Infinity" for a negative one.
std::string Format(const DistanceValue& distance);
// A focal length in millimetres whatever the units ("50 mm"); a negative one
// prints "Infini".
std::string Format(const FocalValue& focal);
// The entered f-number ("f/2.8").
std::string Format(const ApertureValue& aperture);

// "18 mm - 55 mm" ("18 mm" alone while max_focal is not above 0).
std::string FocalRangeLabel(const Lens& lens);
// "f/2.8 - f/22": the first and the last aperture as the wheel picks them;
// empty for an empty list.
std::string ApertureRangeLabel(const Lens& lens);

// x reduced to about three significant digits and put in place of every '%'
// of `pattern`: FormatRounded("% cm", 25.04) == "25 cm". Whole numbers from
// 100 up, one decimal from 10, two below. NaN and infinities give
// kNoValueText.
std::string FormatRounded(const std::string& pattern, double x);

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_VALUE_TEXT_H_
