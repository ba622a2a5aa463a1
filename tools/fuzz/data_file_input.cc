// Fuzz input as the user's data file: loaded, repaired, results computed.
#include <string>

#include "data/data_root.h"
#include "data/equipment.h"
#include "fuzz_harness.h"
#include "i18n/value_text.h"
#include "mainscreen/wheel_readings.h"
#include "optics/units.h"
#include "platform/geometry.h"

namespace zorvanel::fuzz {
namespace {

// What the screen shows is text: it must be UTF-8, and a number that went
// wrong must show as the "no value" dash, never as "nan" or "inf".
std::string CheckShown(const std::string& text) {
  if (text.empty()) return "an empty value text";
  if (!IsValidUtf8(text)) {
    return "a value text is not UTF-8";
  }
  if (text.find("nan") != std::string::npos ||
      text.find("inf") != std::string::npos) {
    return "a value text shows a broken number: " + text;
  }
  return {};
}

std::string CheckState(const DofState& state, UnitSystem units) {
  for (const std::string* text :
       {&state.focal_text, &state.aperture_text, &state.distance_text}) {
    if (std::string problem = CheckShown(*text); !problem.empty()) {
      return problem;
    }
  }
  for (const DistanceValue* value :
       {&state.dof.hyperfocal, &state.dof.near_limit, &state.dof.far_limit,
        &state.dof.depth_of_field}) {
    if (std::string problem = CheckShown(Format(*value, units));
        !problem.empty()) {
      return problem;
    }
  }
  return {};
}

// The selection after EnsureSelectedCamera and EnsureSelectedLens names real
// elements.
std::string CheckSelection(const Equipment& equipment) {
  if (equipment.current_camera() < 0 ||
      equipment.current_camera() >= equipment.cameras_size() ||
      equipment.current_lens() < 0 ||
      equipment.current_lens() >= equipment.lenses_size()) {
    return "the repaired selection names no element";
  }
  return {};
}

// The wheels at both ends, a third and the middle, in both unit systems.
std::string ComputeEverywhere(const Lens& lens, const Camera& camera) {
  DofState state;
  for (UnitSystem units : {kMetric, kImperial}) {
    for (double at : {0.0, 100.0 / 3, 50.0, 100.0}) {
      ComputeResults(lens, camera, {at, 100 - at, at}, units, &state);
      if (std::string problem = CheckState(state, units); !problem.empty()) {
        return problem;
      }
    }
  }
  return {};
}

// The list editors work on the loaded equipment: with the pairing repaired
// first, every operation must keep it symmetric.
std::string CheckOperations(Equipment equipment) {
  RepairPairing(&equipment);
  if (!PairingIsConsistent(equipment)) return "RepairPairing left a bad link";
  const Camera camera_template = equipment.cameras(0);
  const Lens lens_template = equipment.lenses(0);
  SwapCameras(&equipment, 0, equipment.cameras_size() - 1);
  SwapLenses(&equipment, 0, equipment.lenses_size() - 1);
  if (!PairingIsConsistent(equipment)) return "a swap broke the pairing";
  AddCamera(&equipment, camera_template, &lens_template, kMetric);
  AddLens(&equipment, lens_template);
  if (!PairingIsConsistent(equipment)) return "an addition broke the pairing";
  RemoveCamera(&equipment, 0);
  RemoveLens(&equipment, equipment.lenses_size() / 2);
  if (!PairingIsConsistent(equipment)) return "a removal broke the pairing";
  return {};
}

std::string CheckLoaded(const Zorvanel& data) {
  if (!PairingIsConsistent(data.equipment())) {
    return "a link survived the repair at load";
  }
  Zorvanel written;
  if (!written.ParsePartialFromString(data.SerializePartialAsString())) {
    return "the data written back does not parse";
  }
  if (DropBrokenValues(&written)) return "a broken value survived the load";
  return {};
}

}  // namespace

std::string FeedDataFile(std::string_view bytes) {
  Zorvanel data;
  // Whatever the load leaves is used, repaired as at start-up, and what
  // would be written back must parse.
  static_cast<void>(LoadDataFile(&data, WriteScratchFile(bytes)));
  if (std::string problem = CheckLoaded(data); !problem.empty()) {
    return problem;
  }
  Equipment* equipment = data.mutable_equipment();
  const Lens& lens = *EnsureSelectedLens(equipment);
  const Camera& camera = *EnsureSelectedCamera(equipment);
  std::string problem = CheckSelection(*equipment);
  if (problem.empty()) problem = ComputeEverywhere(lens, camera);
  if (problem.empty()) {
    // The texts of the lens and camera rows of the equipment lists.
    const Lens& listed = equipment->lenses(equipment->current_lens());
    problem = CheckShown(FocalRangeLabel(listed));
    ApertureRangeLabel(listed);
    if (problem.empty()) {
      problem = CheckShown(FormatFixed(camera.circle_of_confusion(), 3));
    }
  }
  if (problem.empty()) problem = CheckOperations(*equipment);
  return problem;
}

}  // namespace zorvanel::fuzz
