// The values of the optics: distance, focal length and aperture.
#ifndef ZORVANEL_OPTICS_VALUE_H_
#define ZORVANEL_OPTICS_VALUE_H_

#include <limits>
#include <vector>

namespace zorvanel {

// A value that holds NaN is "no value": nothing could be picked or computed.
inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// One number in a fixed internal unit; i18n/value_text prints it.
class Value {
 public:
  Value() = default;
  explicit Value(double value) : value_(value) {}

  double GetValue() const { return value_; }
  void SetValue(double value) { value_ = value; }
  bool IsNoValue() const;

 private:
  double value_ = 0.0;
};

// A distance in metres; negative means infinity (producers store -1.0).
class DistanceValue : public Value {
 public:
  DistanceValue() = default;
  explicit DistanceValue(double metres) : Value(metres) {}
};

// A focal length in millimetres, never converted by the unit setting.
class FocalValue : public DistanceValue {
 public:
  FocalValue() = default;
  explicit FocalValue(double millimetres) : DistanceValue(millimetres) {}
};

// An aperture: GetValue is the real f-number, the exact sixth-of-a-stop value
// nearest to the entered one (what the optics use); GetNominal is the entered
// f-number (what is shown). An f-number outside the table of sixth stops
// (below f/1.06 or above f/67.8: f/1, f/0.95, f/90, f/128) is its own real
// f-number.
class ApertureValue : public Value {
 public:
  // Both numbers 0; does not build the table of real f-numbers.
  ApertureValue() = default;
  explicit ApertureValue(double nominal);

  double GetNominal() const { return nominal_; }

 private:
  double nominal_ = 0.0;
};

// The 73 real f-numbers 2^(k/12), k = 1..73, built once on first use.
const std::vector<double>& RealApertureTable();

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_VALUE_H_
