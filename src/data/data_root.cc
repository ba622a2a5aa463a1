// Loads the user's data file and repairs what would be unsafe to work on.
#include "data/data_root.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "data/equipment.h"
#include "data/message_file.h"

namespace zorvanel {
namespace {

// -1 stays none; anything else out of range goes to the nearest element.
int RepairedSelection(int selection, int count) {
  if (selection < 0 || count == 0) return -1;
  return selection < count ? selection : count - 1;
}

void DropUnplacedBytes(Zorvanel* data) {
  data->mutable_unknown_fields()->clear();
  if (data->has_options()) {
    Options* options = data->mutable_options();
    options->mutable_unknown_fields()->clear();
    if (options->has_window()) {
      options->mutable_window()->mutable_unknown_fields()->clear();
    }
  }
  if (!data->has_equipment()) return;
  Equipment* equipment = data->mutable_equipment();
  equipment->mutable_unknown_fields()->clear();
  for (Camera& camera : *equipment->mutable_cameras()) {
    camera.mutable_unknown_fields()->clear();
  }
  for (Lens& lens : *equipment->mutable_lenses()) {
    lens.mutable_unknown_fields()->clear();
  }
}

void RepairLoadedData(Zorvanel* data, bool parse_failed) {
  if (parse_failed) DropUnplacedBytes(data);
  if (!data->has_equipment()) return;
  Equipment* equipment = data->mutable_equipment();
  RepairPairing(equipment);
  if (equipment->has_current_camera()) {
    equipment->set_current_camera(RepairedSelection(equipment->current_camera(),
                                                    equipment->cameras_size()));
  }
  if (equipment->has_current_lens()) {
    equipment->set_current_lens(
        RepairedSelection(equipment->current_lens(), equipment->lenses_size()));
  }
}

// Clears a number that is not finite, so that it reads as its default
// (undefined, for the camera's values).
template <typename Message>
bool ClearBroken(Message* message, double (Message::*get)() const,
                 void (Message::*clear)()) {
  if (std::isfinite((message->*get)())) return false;
  (message->*clear)();
  return true;
}

bool DropBroken(google::protobuf::RepeatedField<double>* list) {
  const auto end = std::remove_if(list->begin(), list->end(),
                                  [](double v) { return !std::isfinite(v); });
  const int kept = static_cast<int>(end - list->begin());
  const bool dropped = kept != list->size();
  list->Truncate(kept);
  return dropped;
}

// A cut file can leave a name padded with NULs.
template <typename Message>
bool DropNuls(Message* message) {
  bool dropped = false;
  if (message->maker().find('\0') != std::string::npos) {
    std::erase(*message->mutable_maker(), '\0');
    dropped = true;
  }
  if (message->model().find('\0') != std::string::npos) {
    std::erase(*message->mutable_model(), '\0');
    dropped = true;
  }
  return dropped;
}

bool DropBroken(Camera* camera) {
  bool dropped = DropNuls(camera);
  dropped |= ClearBroken(camera, &Camera::circle_of_confusion,
                         &Camera::clear_circle_of_confusion);
  dropped |= ClearBroken(camera, &Camera::focal_multiplier,
                         &Camera::clear_focal_multiplier);
  dropped |= ClearBroken(camera, &Camera::displayed_focal,
                         &Camera::clear_displayed_focal);
  return dropped;
}

bool DropBroken(Lens* lens) {
  bool dropped = DropNuls(lens);
  dropped |= DropBroken(lens->mutable_apertures());
  dropped |= DropBroken(lens->mutable_focals());
  dropped |= DropBroken(lens->mutable_distances());
  dropped |= ClearBroken(lens, &Lens::min_focal, &Lens::clear_min_focal);
  dropped |= ClearBroken(lens, &Lens::max_focal, &Lens::clear_max_focal);
  return dropped;
}

bool DropBroken(Options* options) {
  bool dropped =
      ClearBroken(options, &Options::focal_wheel, &Options::clear_focal_wheel);
  dropped |= ClearBroken(options, &Options::aperture_wheel,
                         &Options::clear_aperture_wheel);
  dropped |= ClearBroken(options, &Options::distance_wheel,
                         &Options::clear_distance_wheel);
  return dropped;
}

}  // namespace

bool DropBrokenValues(Zorvanel* data) {
  bool dropped = data->has_options() && DropBroken(data->mutable_options());
  if (!data->has_equipment()) return dropped;
  Equipment* equipment = data->mutable_equipment();
  for (Camera& camera : *equipment->mutable_cameras()) {
    dropped |= DropBroken(&camera);
  }
  for (Lens& lens : *equipment->mutable_lenses()) dropped |= DropBroken(&lens);
  return dropped;
}

Status LoadDataFile(Zorvanel* data, const std::string& path) {
  const Status read = ReadMessageFile(data, path);
  RepairLoadedData(data, read.error() == EBADMSG);
  const bool dropped = DropBrokenValues(data);
  if (!read.ok()) return read;
  // The program never writes a file without data, nor these values: such a
  // file is not as it saved it, and is kept like a damaged one.
  if (dropped || data->ByteSizeLong() == 0) return Status::Failure(EBADMSG);
  return read;
}

}  // namespace zorvanel
