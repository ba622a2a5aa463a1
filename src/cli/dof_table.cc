// A depth-of-field table: the results of one focal length for every focus
// distance and f-number asked for, as the main screen computes them.
#include "cli/dof_table.h"

#include <cmath>

#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

bool IsWholeStop(double stored) {
  // A stop is a factor of the square root of two in the f-number.
  const double stops = 2 * std::log2(WheelAperture(stored).GetValue());
  return std::abs(stops - std::round(stops)) < 1e-6;
}

}  // namespace

bool DofTable::PastDiffraction(int column) const {
  return apertures[column].GetValue() >= diffraction_f;
}

std::vector<double> TableApertures(std::span<const double> list,
                                   bool all_stops) {
  std::vector<double> chosen;
  for (size_t i = 0; i < list.size(); ++i) {
    if (all_stops || i == 0 || i + 1 == list.size() || IsWholeStop(list[i])) {
      chosen.push_back(list[i]);
    }
  }
  return chosen;
}

DofTable BuildDofTable(double focal_mm, std::span<const double> apertures,
                       std::span<const double> distances_m, double coc_mm) {
  DofTable table;
  table.focal = FocalValue(focal_mm);
  table.diffraction_f = DiffractionLimit(coc_mm);
  for (double stored : apertures) {
    table.stored_apertures.push_back(stored);
    table.apertures.push_back(WheelAperture(stored));
  }
  for (double metres : distances_m) {
    table.distances.emplace_back(metres);
    std::vector<DepthOfField>& row = table.cells.emplace_back();
    for (const ApertureValue& aperture : table.apertures) {
      row.push_back(
          ComputeDepthOfField(focal_mm, aperture.GetValue(), coc_mm, metres));
    }
  }
  for (const ApertureValue& aperture : table.apertures) {
    const double hyperfocal_m =
        ComputeDepthOfField(focal_mm, aperture.GetValue(), coc_mm, 1.0)
            .hyperfocal.GetValue();
    table.hyperfocal.push_back(ComputeDepthOfField(
        focal_mm, aperture.GetValue(), coc_mm, hyperfocal_m));
  }
  return table;
}

}  // namespace zorvanel
