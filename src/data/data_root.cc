#include "data/data_root.h"

#include <cerrno>

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
  if (data->has_options())
    data->mutable_options()->mutable_unknown_fields()->clear();
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

}  // namespace

Status LoadDataFile(Zorvanel* data, const std::string& path) {
  const Status read = ReadMessageFile(data, path);
  RepairLoadedData(data, read.error() == EBADMSG);
  return read;
}

}  // namespace zorvanel
