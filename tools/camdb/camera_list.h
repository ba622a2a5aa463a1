// Reads the readable camera list.
#ifndef ZORVANEL_TOOLS_CAMDB_CAMERA_LIST_H_
#define ZORVANEL_TOOLS_CAMDB_CAMERA_LIST_H_

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace zorvanel {

// The lens a camera was sold with, as the readable list gives it.
struct KitLens {
  std::string maker;
  std::string model;
  double min_focal = 0.0;  // real focal lengths in millimetres
  double max_focal = 0.0;  // equals min_focal for a prime
  // f-numbers: the widest (at the wide end of a variable-aperture zoom) and
  // the narrowest; not given, the program offers f/2.8 to f/22.
  std::optional<double> widest_aperture;
  std::optional<double> narrowest_aperture;
  // The published minimum focus distance in metres, when it is known.
  std::optional<double> nearest_focus;
};

// One line of the readable camera list.
struct CameraEntry {
  std::string maker;
  std::string model;
  double sensor_diagonal = 0.0;  // millimetres
  std::optional<KitLens> lens;
  int line = 0;  // where it stood in the source, for messages
};

// Reads the readable camera list. One camera a line, fields separated by
// '|', surrounding blanks ignored; '#' starts a comment line:
//   maker | model | sensor
//   maker | model | sensor | built-in | focal
//   maker | model | sensor | lens maker | lens model | focal
// A lens may be followed by its widest f-number, then its narrowest, then
// its nearest focus in metres (the narrowest left empty when it is f/22):
//   ... | focal | f/3.5
//   ... | focal | f/1.8 | f/11
//   ... | focal | f/3.5 | | 0.45 m
// sensor: "WxH" in millimetres (23.5x15.6) or "d" and the diagonal (d7.66);
// focal: "min-max" or a single length for a prime, real millimetres.
// "built-in" names the camera's own fixed lens: its maker and model are the
// camera's, so the main screen shows the camera's full name for it.
// Returns nothing and sets `error` (with the line number) on the first
// malformed line, and on a camera listed twice.
std::optional<std::vector<CameraEntry>> ParseCameraList(std::istream& in,
                                                        std::string* error);

}  // namespace zorvanel

#endif  // ZORVANEL_TOOLS_CAMDB_CAMERA_LIST_H_
