#ifndef ZORVANEL_OPTICS_VALUE_H_
#define ZORVANEL_OPTICS_VALUE_H_

#include <limits>
#include <string>
#include <vector>

namespace zorvanel {

// A value that holds NaN is "no value" (nothing could be picked or computed);
// every Format prints it as kNoValueText.
inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
inline constexpr char kNoValueText[] = "\xE2\x80\x94";  // U+2014 em dash

// One number in a fixed internal unit that knows how to print itself.
class Value {
 public:
  Value() = default;
  explicit Value(double value) : value_(value) {}
  virtual ~Value() = default;
  Value(const Value&) = default;
  Value& operator=(const Value&) = default;

  double GetValue() const { return value_; }
  void SetValue(double value) { value_ = value; }
  bool IsNoValue() const;

  virtual std::string Format() const = 0;

 private:
  double value_ = 0.0;
};

// A distance in metres; negative means infinity (producers store -1.0).
// Prints in the current unit system with a unit chosen by size ("20 cm",
// "1.5 m", "2.5 km", "12 in.", "1.24 mile") or the translation of "Infinity".
class DistanceValue : public Value {
 public:
  DistanceValue() = default;
  explicit DistanceValue(double metres) : Value(metres) {}
  std::string Format() const override;
};

// A focal length in millimetres, never converted by the unit setting
// ("50 mm"); a negative one prints "Infini".
class FocalValue : public DistanceValue {
 public:
  FocalValue() = default;
  explicit FocalValue(double millimetres) : DistanceValue(millimetres) {}
  std::string Format() const override;
};

// An aperture: GetValue is the real f-number, the exact sixth-of-a-stop value
// nearest to the entered one (what the optics use); GetNominal is the entered
// f-number (what is shown, "f/2.8"). An f-number outside the table of sixth
// stops (below f/1.06 or above f/67.8: f/1, f/0.95, f/90, f/128) is its own
// real f-number.
class ApertureValue : public Value {
 public:
  // Both numbers 0; does not build the table of real f-numbers.
  ApertureValue() = default;
  explicit ApertureValue(double nominal);

  double GetNominal() const { return nominal_; }
  std::string Format() const override;

 private:
  double nominal_ = 0.0;
};

// The 73 real f-numbers 2^(k/12), k = 1..73, built once on first use.
const std::vector<double>& RealApertureTable();

// x reduced to about three significant digits and put in place of every '%'
// of `pattern`: FormatRounded("% cm", 25.04) == "25 cm". Whole numbers from
// 100 up, one decimal from 10, two below. NaN and infinities give
// kNoValueText.
std::string FormatRounded(const std::string& pattern, double x);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_VALUE_H_
