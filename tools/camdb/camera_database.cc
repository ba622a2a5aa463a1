// Builds the camera database from the parsed list, and lists one readably.
#include "camdb/camera_database.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <set>

#include "optics/sensor.h"

namespace zorvanel {
namespace {

// The entries reordered so that each maker forms one run, makers in the
// order of their first appearance, entries of a maker in source order.
std::vector<const CameraEntry*> GroupByMaker(
    const std::vector<CameraEntry>& entries) {
  std::map<std::string, size_t> maker_rank;
  for (const CameraEntry& entry : entries)
    maker_rank.emplace(entry.maker, maker_rank.size());
  std::vector<std::vector<const CameraEntry*>> runs(maker_rank.size());
  for (const CameraEntry& entry : entries)
    runs[maker_rank[entry.maker]].push_back(&entry);
  std::vector<const CameraEntry*> grouped;
  for (const auto& run : runs)
    grouped.insert(grouped.end(), run.begin(), run.end());
  return grouped;
}

void AddKitLens(const KitLens& kit, int camera_index, Camera* camera,
                Equipment* database) {
  Lens* lens = database->add_lenses();
  lens->set_maker(kit.maker);
  lens->set_model(kit.model);
  lens->set_min_focal(kit.min_focal);
  lens->set_max_focal(kit.max_focal);
  // The program fills the wheel list between these when the camera is
  // picked.
  if (kit.widest_aperture) lens->add_apertures(*kit.widest_aperture);
  if (kit.narrowest_aperture) lens->add_apertures(*kit.narrowest_aperture);
  if (kit.nearest_focus) lens->set_nearest_focus(*kit.nearest_focus);
  lens->set_camera_index(camera_index);
  camera->set_lens_index(database->lenses_size() - 1);
}

// Shortest text that reads back as the same number ("8.8", "18").
std::string Number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Fixed3(double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return buffer;
}

std::string FormatLens(const Equipment& database, int lens_index) {
  if (lens_index < 0) return "";
  if (lens_index >= database.lenses_size())
    return " | lens " + std::to_string(lens_index) + " is missing";
  const Lens& lens = database.lenses(lens_index);
  std::string text = " | " + lens.maker() + " | " + lens.model() + " | " +
                     Number(lens.min_focal());
  if (lens.max_focal() > lens.min_focal())
    text += "-" + Number(lens.max_focal());
  text += " mm";
  for (double aperture : lens.apertures()) text += " | f/" + Number(aperture);
  if (lens.has_nearest_focus())
    text += " | from " + Number(lens.nearest_focus()) + " m";
  if (lens.camera_index() < 0 ||
      lens.camera_index() >= database.cameras_size() ||
      database.cameras(lens.camera_index()).lens_index() != lens_index)
    text += " (not paired back)";
  return text;
}

}  // namespace

Equipment BuildCameraDatabase(const std::vector<CameraEntry>& entries) {
  Equipment database;
  for (const CameraEntry* entry : GroupByMaker(entries)) {
    Camera* camera = database.add_cameras();
    camera->set_maker(entry->maker);
    camera->set_model(entry->model);
    camera->set_circle_of_confusion(CircleOfConfusion(entry->sensor_diagonal));
    camera->set_focal_multiplier(FocalMultiplier(entry->sensor_diagonal));
    if (entry->lens)
      AddKitLens(*entry->lens, database.cameras_size() - 1, camera, &database);
  }
  return database;
}

std::string FormatCameraDatabase(const Equipment& database) {
  std::set<std::string> makers;
  for (const Camera& camera : database.cameras()) makers.insert(camera.maker());
  std::string text = "# " + std::to_string(database.cameras_size()) +
                     " cameras from " + std::to_string(makers.size()) +
                     " makers, " + std::to_string(database.lenses_size()) +
                     " lenses\n";
  text += "# maker | model | circle of confusion | focal multiplier | lens\n";
  for (const Camera& camera : database.cameras()) {
    text += camera.maker() + " | " + camera.model() + " | " +
            Fixed3(camera.circle_of_confusion()) + " mm | x" +
            Fixed3(camera.focal_multiplier()) +
            FormatLens(database, camera.lens_index()) + "\n";
  }
  return text;
}

}  // namespace zorvanel
