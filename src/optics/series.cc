// The standard aperture and distance series, and generated focal ranges.
#include "optics/series.h"

#include <algorithm>
#include <cmath>

#include "optics/numeric.h"
#include "optics/units.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

// One decade of the distance ladder.
constexpr double kLadder[] = {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8};
constexpr double kDecades[] = {1, 10, 100, 1000};
constexpr double kLastDistance = 10000;

// Appends the ladder for every decade from 1 up, then the last value.
template <typename MakeValue>
void AppendDecades(std::vector<DistanceValue>* series, MakeValue make) {
  for (double decade : kDecades) {
    for (double step : kLadder) series->push_back(make(step * decade));
  }
  series->push_back(make(kLastDistance));
}

// The stretch from the element nearest to `min` to the one nearest to `max`;
// `key` gives the number compared for an element.
template <typename T, typename Key>
void SelectRange(const std::vector<T>& series, double min, double max, Key key,
                 std::vector<T>* out) {
  size_t start = 0;
  double nearest = std::fabs(key(series[0]) - min);
  for (size_t i = 1; i < series.size(); ++i) {
    const double difference = std::fabs(key(series[i]) - min);
    if (!(difference < nearest)) break;
    nearest = difference;
    start = i;
  }
  out->push_back(series[start]);
  double remaining = std::fabs(max - key(series[start]));
  for (size_t i = start + 1; i < series.size(); ++i) {
    const double difference = std::fabs(max - key(series[i]));
    if (!(difference < remaining)) break;
    remaining = difference;
    out->push_back(series[i]);
  }
}

// Divides the range into whole steps where possible: the first divisor from
// 20 down to 6 of the whole millimetres of the range gives the count.
int FocalCount(double a, double b) {
  const int whole = TruncateToInt32(b - a);
  for (int divisor = 20; divisor >= 6; --divisor) {
    if (whole % divisor == 0) return divisor + 1;
  }
  return 10;
}

// The focal lengths printed on lenses and on zoom rings, in millimetres.
constexpr double kMarkedFocals[] = {
    10, 12,  14,  16,  18,  20,  24,  28,  35,  40,  50,  55,  60, 70,
    85, 100, 105, 120, 135, 150, 200, 250, 300, 400, 500, 600, 800};
// Fewer marked values than this between the bounds leave too wide gaps.
constexpr int kLeastMarkedBetween = 3;

// The marked focal lengths strictly between a and b, or none when the bounds
// lie outside the marked series or too few lie between them (a compact's
// short real focal lengths, a narrow range).
std::vector<double> MarkedFocalsBetween(double a, double b) {
  if (a < kMarkedFocals[0] || b > std::end(kMarkedFocals)[-1]) return {};
  std::vector<double> between;
  for (double mark : kMarkedFocals) {
    if (mark > a && mark < b) between.push_back(mark);
  }
  if (static_cast<int>(between.size()) < kLeastMarkedBetween) return {};
  return between;
}

bool IsNearlyWhole(double x) {
  return std::fabs(x - TruncateTowardZero(x + 0.5)) < 0.0001;
}

}  // namespace

const std::vector<ApertureValue>& ApertureSeries() {
  static const std::vector<ApertureValue> series = [] {
    static constexpr double kNominal[] = {
        1.0, 1.1, 1.2, 1.4, 1.6, 1.8, 2.0, 2.2, 2.5, 2.8, 3.2,
        3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0, 10,  11,
        13,  14,  16,  18,  20,  22,  25,  28,  32,  45,  64};
    std::vector<ApertureValue> values;
    for (double nominal : kNominal) values.emplace_back(nominal);
    return values;
  }();
  return series;
}

const std::vector<DistanceValue>& MetricDistanceSeries() {
  static const std::vector<DistanceValue> series = [] {
    std::vector<DistanceValue> values;
    for (double metres :
         {0.1, 0.12, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.8}) {
      values.emplace_back(metres);
    }
    AppendDecades(&values, [](double metres) { return DistanceValue(metres); });
    return values;
  }();
  return series;
}

const std::vector<DistanceValue>& ImperialDistanceSeries() {
  static const std::vector<DistanceValue> series = [] {
    auto from_feet = [](double feet) {
      return DistanceValue(ConvertLength(feet, false));
    };
    std::vector<DistanceValue> values;
    // 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8 and 10 inches.
    for (double feet : {1.0 / 12, 0.1, 0.125, 1.0 / 6, 2.5 / 12, 0.25, 1.0 / 3,
                        5.0 / 12, 0.5, 2.0 / 3, 10.0 / 12}) {
      values.push_back(from_feet(feet));
    }
    AppendDecades(&values, from_feet);
    return values;
  }();
  return series;
}

const std::vector<DistanceValue>& DistanceSeries(UnitSystem units) {
  return units == kMetric ? MetricDistanceSeries() : ImperialDistanceSeries();
}

void SelectApertureRange(double min, double max,
                         std::vector<ApertureValue>* out) {
  SelectRange(
      ApertureSeries(), min, max,
      [](const ApertureValue& v) { return v.GetNominal(); }, out);
}

void SelectDistanceRange(double min, double max, UnitSystem units,
                         std::vector<DistanceValue>* out) {
  SelectRange(
      DistanceSeries(units), min, max,
      [](const DistanceValue& v) { return v.GetValue(); }, out);
}

const DistanceValue& DistanceAtOrBeyond(double metres, UnitSystem units) {
  const std::vector<DistanceValue>& series = DistanceSeries(units);
  const auto beyond =
      std::find_if(series.begin(), series.end(), [&](const DistanceValue& v) {
        return v.GetValue() >= metres || IsSameValue(v.GetValue(), metres);
      });
  return beyond == series.end() ? series.back() : *beyond;
}

bool IsDistanceLadder(std::span<const double> metres, UnitSystem unit_system) {
  if (metres.size() < 2) return false;
  const std::vector<DistanceValue>& series = DistanceSeries(unit_system);
  const auto first =
      std::find_if(series.begin(), series.end(), [&](const DistanceValue& v) {
        return IsSameValue(v.GetValue(), metres[0]);
      });
  const size_t start = first - series.begin();
  if (start + metres.size() > series.size()) return false;
  for (size_t i = 1; i < metres.size(); ++i) {
    if (!IsSameValue(series[start + i].GetValue(), metres[i])) return false;
  }
  return true;
}

void GenerateFocalRange(double a, double b, std::vector<FocalValue>* out,
                        double multiplier) {
  if (!(b > a)) {
    out->emplace_back(a);
    return;
  }
  const std::vector<double> marked = MarkedFocalsBetween(a, b);
  if (!marked.empty()) {
    out->emplace_back(a);
    for (double mark : marked) out->emplace_back(mark);
    out->emplace_back(b);
    return;
  }
  const double m = multiplier > kLeastMultiplier ? multiplier : 1.0;
  const int count = FocalCount(a, b);
  const bool snap = m != 1.0 || (IsNearlyWhole(a) && IsNearlyWhole(b));
  const double step = (b - a) / (count - 1);
  for (int i = 0; i < count; ++i) {
    double v = i * step + a;
    if (snap) {
      // Only a damaged file brings a multiplier so large that the product
      // overflows; the value then stays as it was rather than infinite.
      const double snapped = TruncateTowardZero(v * m + 0.5) / m;
      if (std::isfinite(snapped)) v = snapped;
    }
    out->emplace_back(v);
  }
}

}  // namespace zorvanel
