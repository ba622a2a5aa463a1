// A depth-of-field table: the results of one focal length for every focus
// distance and f-number asked for, as the main screen computes them.
#ifndef ZORVANEL_CLI_DOF_TABLE_H_
#define ZORVANEL_CLI_DOF_TABLE_H_

#include <span>
#include <vector>

#include "optics/depth_of_field.h"
#include "optics/value.h"

namespace zorvanel {

struct DofTable {
  FocalValue focal;  // the real focal length
  // The columns: the f-numbers as stored (entered) and as the wheel picks
  // them (the real f-number of each).
  std::vector<double> stored_apertures;
  std::vector<ApertureValue> apertures;
  // The rows: focus distances in metres.
  std::vector<DistanceValue> distances;
  // cells[row][column].
  std::vector<std::vector<DepthOfField>> cells;
  // The last row: each column focused at its own hyperfocal distance.
  std::vector<DepthOfField> hyperfocal;
  // The f-number from which diffraction softens the picture (kNoValue
  // without a circle of confusion).
  double diffraction_f = kNoValue;

  // Whether column `column` is at or past the diffraction limit.
  bool PastDiffraction(int column) const;
};

// The f-numbers of a lens's list a table shows by default: those at a whole
// stop (f/2.8, 4, 5.6 ... as their real f-numbers say) and the widest and
// narrowest entries; with `all_stops`, every entry.
std::vector<double> TableApertures(std::span<const double> list,
                                   bool all_stops);

// The table for focal length `focal_mm` and circle of confusion `coc_mm`
// over the f-numbers `apertures` (as stored) and the focus distances
// `distances_m`, each value taken as the main screen's wheels take it.
DofTable BuildDofTable(double focal_mm, std::span<const double> apertures,
                       std::span<const double> distances_m, double coc_mm);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_DOF_TABLE_H_
