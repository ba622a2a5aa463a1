// Checks a saved data file: parses, finite numbers, sound links and selection.
#include "saved_data_check.h"

#include <cmath>
#include <fstream>
#include <iterator>

#include "data/equipment.h"

namespace zorvanel::hardening {
namespace {

bool Finite(double x) { return std::isfinite(x); }

std::string CheckNumbers(const Zorvanel& data) {
  const Options& o = data.options();
  for (double x : {o.focal_wheel(), o.aperture_wheel(), o.distance_wheel()}) {
    if (!Finite(x)) return "a wheel position is not a finite number";
  }
  for (const Camera& c : data.equipment().cameras()) {
    for (double x :
         {c.circle_of_confusion(), c.focal_multiplier(), c.displayed_focal()}) {
      if (!Finite(x)) return "camera \"" + c.model() + "\" holds NaN or inf";
    }
  }
  for (const Lens& l : data.equipment().lenses()) {
    bool finite = Finite(l.min_focal()) && Finite(l.max_focal());
    for (const auto* list : {&l.focals(), &l.apertures(), &l.distances()}) {
      for (double x : *list) finite = finite && Finite(x);
    }
    if (!finite) return "lens \"" + l.model() + "\" holds NaN or inf";
  }
  return {};
}

std::string CheckLinks(const Equipment& e) {
  for (int i = 0; i < e.cameras_size(); ++i) {
    const int j = e.cameras(i).lens_index();
    if (j == -1) continue;
    if (j < 0 || j >= e.lenses_size() || e.lenses(j).camera_index() != i) {
      return "camera " + std::to_string(i) + " has a one-sided link to lens " +
             std::to_string(j);
    }
  }
  for (int j = 0; j < e.lenses_size(); ++j) {
    const int i = e.lenses(j).camera_index();
    if (i == -1) continue;
    if (i < 0 || i >= e.cameras_size() || e.cameras(i).lens_index() != j) {
      return "lens " + std::to_string(j) + " has a one-sided link to camera " +
             std::to_string(i);
    }
  }
  if (!PairingIsConsistent(e)) return "PairingIsConsistent says no";
  if (e.current_camera() < -1 || e.current_camera() >= e.cameras_size()) {
    return "the selected camera does not exist";
  }
  if (e.current_lens() < -1 || e.current_lens() >= e.lenses_size()) {
    return "the selected lens does not exist";
  }
  return {};
}

}  // namespace

std::string CheckSavedData(const Zorvanel& data) {
  if (std::string problem = CheckNumbers(data); !problem.empty()) {
    return problem;
  }
  return CheckLinks(data.equipment());
}

std::string CheckSavedData(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "no data file was saved";
  const std::string bytes((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  Zorvanel data;
  if (!data.ParseFromString(bytes)) return "the saved data file does not parse";
  return CheckSavedData(data);
}

}  // namespace zorvanel::hardening
