// Writes the crafted data files the end-to-end scripts start from, and prints
// a saved data file back so a script can check what the program stored.
//
//   make_data FIXTURE FOLDER   writes FOLDER/ZorvanelData.ptb (none for
//                              "empty"; FOLDER is created when missing)
//   make_data --print FILE     prints FILE as readable lines
//   make_data --list           the fixture names
//   make_data --camera-db small FOLDER
//                              writes FOLDER/CameraDB.ptb, a small camera
//                              database for the scripts that pick from it

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <map>
#include <string>

#include "data/zorvanel.pb.h"
#include "sample_data.h"

namespace {

using zorvanel::Camera;
using zorvanel::Equipment;
using zorvanel::Lens;
using zorvanel::Zorvanel;

using zorvanel::testing::AddAll;
using zorvanel::testing::PairAndSelect;

// The worked example of the depth of field.
void Fifty(Zorvanel* data) { *data = zorvanel::testing::FiftyMillimetreData(); }

void FiftyImperial(Zorvanel* data) {
  Fifty(data);
  data->mutable_options()->set_units(1);
}

// Wheels half way (aperture), a quarter (distance) and the depth of field on
// the large line, as a previous run would have left them.
void FiftyStored(Zorvanel* data) {
  Fifty(data);
  zorvanel::Options* options = data->mutable_options();
  options->set_focal_wheel(33.3);
  options->set_aperture_wheel(50.0);
  options->set_distance_wheel(25.0);
  options->set_show_hyperfocal(false);
}

// A compact camera whose built-in lens has the camera's model.
void Compact(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Acme");
  camera->set_model("Z100");
  camera->set_circle_of_confusion(0.006);
  camera->set_focal_multiplier(4.7);
  Lens* lens = e->add_lenses();
  lens->set_maker("Acme");
  lens->set_model("Z100");
  AddAll(lens->mutable_focals(), {6.0, 12.0, 18.0, 24.0});
  AddAll(lens->mutable_apertures(), {2.8, 4.0, 5.6, 8.0});
  AddAll(lens->mutable_distances(), {0.5, 1.0, 2.0, 5.0});
  PairAndSelect(e, 0, 0);
}

// A 24 mm prime on a full-frame body (c = 0.029 mm), at f/8 and focused at
// infinity, the last of its distances.
void WidePrime(Zorvanel* data) {
  zorvanel::Options* options = data->mutable_options();
  options->set_aperture_wheel(50.0);
  options->set_distance_wheel(100.0);
  Equipment* e = data->mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Acme");
  camera->set_model("F1");
  camera->set_circle_of_confusion(0.029);
  Lens* lens = e->add_lenses();
  lens->set_maker("Lumo");
  lens->set_model("24mm");
  lens->add_focals(24.0);
  AddAll(lens->mutable_apertures(), {2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3,
                                     7.1, 8.0, 9.0, 10.0, 11.0, 13.0, 14.0,
                                     16.0, 18.0, 20.0, 22.0});
  AddAll(lens->mutable_distances(),
         {0.25, 0.3, 0.4, 0.5, 0.7, 1.0, 1.5, 2.0, 3.0, 5.0, 10.0, -1.0});
  lens->set_min_focal(24.0);
  lens->set_max_focal(24.0);
  PairAndSelect(e, 0, 0);
}

// A kit zoom on an APS-C body with full lists: what a user typically has.
void Zoom(Zorvanel* data) { *data = zorvanel::testing::KitZoomData(); }

// A lens whose lists are all empty: nothing can be picked.
void EmptyLens(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_model("Body");
  camera->set_circle_of_confusion(0.03);
  e->add_lenses()->set_model("Bare");
  PairAndSelect(e, 0, 0);
}

// Settings from an earlier run but no equipment at all.
void OptionsOnly(Zorvanel* data) {
  zorvanel::Options* options = data->mutable_options();
  options->set_focal_wheel(50.0);
  options->set_units(1);
  options->set_show_hyperfocal(false);
}

// Three cameras, the first and the last each paired with a lens; the last
// pair is selected.
void CameraTrio(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  for (const char* model : {"Alpha", "Beta", "Gamma"}) {
    Camera* camera = e->add_cameras();
    camera->set_maker("Acme");
    camera->set_model(model);
    camera->set_circle_of_confusion(0.03);
  }
  for (const char* model : {"Wide", "Tele"}) {
    Lens* lens = e->add_lenses();
    lens->set_maker("Lumo");
    lens->set_model(model);
    lens->add_focals(model[0] == 'W' ? 24.0 : 135.0);
    lens->add_apertures(4.0);
    lens->add_distances(5.0);
  }
  e->mutable_cameras(0)->set_lens_index(0);
  e->mutable_lenses(0)->set_camera_index(0);
  PairAndSelect(e, 2, 1);
}

// Three cameras and three lenses: the first camera paired with the first
// lens, the last camera with the last lens, and that pair selected.
void Trios(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  for (const char* model : {"Alpha", "Beta", "Gamma"}) {
    Camera* camera = e->add_cameras();
    camera->set_maker("Acme");
    camera->set_model(model);
    camera->set_circle_of_confusion(0.03);
  }
  for (double focal : {24.0, 50.0, 135.0}) {
    Lens* lens = e->add_lenses();
    lens->set_maker("Lumo");
    lens->set_model(std::to_string(static_cast<int>(focal)));
    lens->add_focals(focal);
    lens->set_min_focal(focal);
    lens->set_max_focal(focal);
    lens->add_apertures(4.0);
    lens->add_distances(5.0);
  }
  zorvanel::testing::Pair(e, 0, 0);
  PairAndSelect(e, 2, 2);
}

// A 200 mm lens with f-numbers beyond both ends of the sixth stops, focused
// inside, at and beyond its focal length.
void Tele(Zorvanel* data) {
  Fifty(data);
  Lens* lens = data->mutable_equipment()->mutable_lenses(0);
  lens->set_model("Tele");
  lens->set_focals(0, 200.0);
  lens->clear_apertures();
  AddAll(lens->mutable_apertures(), {0.95, 1.0, 90.0, 128.0});
  lens->clear_distances();
  AddAll(lens->mutable_distances(), {0.1, 0.2, 0.5});
  lens->set_min_focal(200.0);
  lens->set_max_focal(200.0);
}

// The fifty on a 1.5x body named by its maker alone, whose circle of
// confusion has more decimals than its field shows.
void CropBody(Zorvanel* data) {
  Fifty(data);
  Camera* camera = data->mutable_equipment()->mutable_cameras(0);
  camera->set_model("");
  camera->set_circle_of_confusion(0.0125);
  camera->set_focal_multiplier(1.5);
  camera->set_displayed_focal(35.0);
}

// The kit zoom and a copy of it whose distances lost 12 cm, as an edit by
// the user leaves them.
void Ladders(Zorvanel* data) {
  Zoom(data);
  Equipment* e = data->mutable_equipment();
  Lens* edited = e->add_lenses();
  *edited = e->lenses(0);
  edited->set_model("Edited");
  edited->set_camera_index(-1);
  edited->clear_distances();
  for (double metres : e->lenses(0).distances()) {
    if (metres != 0.12) edited->add_distances(metres);
  }
}

// A camera and a lens without names; the camera's circle of confusion was
// never set.
void Nameless(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  e->add_cameras()->set_circle_of_confusion(-1.0);
  Lens* lens = e->add_lenses();
  lens->add_focals(50.0);
  lens->add_apertures(2.8);
  lens->add_distances(3.0);
  lens->set_min_focal(50.0);
  lens->set_max_focal(50.0);
  PairAndSelect(e, 0, 0);
}

// Three hundred cameras, "Acme C000" to "Acme C299", with C250 selected: far
// below what the camera list shows at first.
void ManyCameras(Zorvanel* data) {
  data->mutable_options();
  Equipment* e = data->mutable_equipment();
  for (int i = 0; i < 300; ++i) {
    Camera* camera = e->add_cameras();
    char model[8];
    std::snprintf(model, sizeof model, "C%03d", i);
    camera->set_maker("Acme");
    camera->set_model(model);
    camera->set_circle_of_confusion(0.03);
  }
  e->set_current_camera(250);
}

const std::map<std::string, std::function<void(Zorvanel*)>>& Fixtures() {
  static const auto* fixtures =
      new std::map<std::string, std::function<void(Zorvanel*)>>{
          {"empty", nullptr},
          {"fifty", Fifty},
          {"fifty_imperial", FiftyImperial},
          {"fifty_stored", FiftyStored},
          {"compact", Compact},
          {"zoom", Zoom},
          {"wide_prime", WidePrime},
          {"empty_lens", EmptyLens},
          {"options_only", OptionsOnly},
          {"camera_trio", CameraTrio},
          {"trios", Trios},
          {"tele", Tele},
          {"crop_body", CropBody},
          {"ladders", Ladders},
          {"nameless", Nameless},
          {"many_cameras", ManyCameras},
      };
  return *fixtures;
}

// Two makers in runs; "Lumo L2" comes with an 18-55 mm f/3.5 kit lens, "Acme
// Z100" with its built-in 6-24 mm f/1.8 zoom that stops at f/8.
Equipment SmallCameraDatabase() {
  Equipment db;
  struct Entry {
    const char* maker;
    const char* model;
    double coc;
    double multiplier;
  };
  const Entry kCameras[] = {{"Acme", "Z100", 0.005, 4.7},
                            {"Acme", "Z200", 0.005, 4.7},
                            {"Lumo", "L1", 0.03, 1.0},
                            {"Lumo", "L2", 0.02, 1.5},
                            {"Lumo", "L3", 0.02, 1.5}};
  for (const Entry& entry : kCameras) {
    Camera* camera = db.add_cameras();
    camera->set_maker(entry.maker);
    camera->set_model(entry.model);
    camera->set_circle_of_confusion(entry.coc);
    camera->set_focal_multiplier(entry.multiplier);
    camera->set_displayed_focal(35.0);
  }
  const auto add_lens = [&db](int camera, const char* maker, const char* model,
                              double min, double max,
                              std::initializer_list<double> apertures) {
    Lens* lens = db.add_lenses();
    lens->set_maker(maker);
    lens->set_model(model);
    lens->set_min_focal(min);
    lens->set_max_focal(max);
    for (double f_number : apertures) lens->add_apertures(f_number);
    lens->set_camera_index(camera);
    db.mutable_cameras(camera)->set_lens_index(db.lenses_size() - 1);
  };
  add_lens(0, "Acme", "Z100", 6.0, 24.0, {1.8, 8.0});
  add_lens(3, "Lumo", "18-55", 18.0, 55.0, {3.5});
  return db;
}

int WriteCameraDatabase(const std::string& name, const std::string& folder) {
  if (name != "small") {
    std::cerr << "make_data: no camera database named " << name << "\n";
    return 2;
  }
  std::filesystem::create_directories(folder);
  std::ofstream out(folder + "/CameraDB.ptb", std::ios::binary);
  out << SmallCameraDatabase().SerializeAsString();
  out.close();
  if (!out) {
    std::cerr << "make_data: could not write into " << folder << "\n";
    return 1;
  }
  return 0;
}

std::string Number(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10g", v);
  return buffer;
}

std::string List(const google::protobuf::RepeatedField<double>& values) {
  std::string out = "[";
  for (int i = 0; i < values.size(); ++i) {
    if (i > 0) out += ", ";
    out += Number(values.Get(i));
  }
  return out + "]";
}

int Print(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cout << "no data file\n";
    return 0;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  Zorvanel data;
  const bool complete = data.ParseFromString(bytes);
  std::cout << "data complete=" << complete << " options=" << data.has_options()
            << " equipment=" << data.has_equipment() << "\n";
  const zorvanel::Options& o = data.options();
  std::cout << "options focal_wheel=" << Number(o.focal_wheel())
            << " aperture_wheel=" << Number(o.aperture_wheel())
            << " distance_wheel=" << Number(o.distance_wheel())
            << " language=" << o.language() << " units=" << o.units()
            << " show_hyperfocal=" << o.show_hyperfocal() << "\n";
  const Equipment& e = data.equipment();
  std::cout << "equipment cameras=" << e.cameras_size()
            << " lenses=" << e.lenses_size()
            << " current_camera=" << e.current_camera()
            << " current_lens=" << e.current_lens() << "\n";
  for (int i = 0; i < e.cameras_size(); ++i) {
    const Camera& c = e.cameras(i);
    std::cout << "camera " << i << " maker=\"" << c.maker() << "\" model=\""
              << c.model() << "\" coc=" << Number(c.circle_of_confusion())
              << " lens_index=" << c.lens_index() << "\n";
  }
  for (int i = 0; i < e.lenses_size(); ++i) {
    const Lens& l = e.lenses(i);
    std::cout << "lens " << i << " maker=\"" << l.maker() << "\" model=\""
              << l.model() << "\" focals=" << List(l.focals())
              << " apertures=" << List(l.apertures())
              << " distances=" << List(l.distances())
              << " camera_index=" << l.camera_index() << "\n";
  }
  return 0;
}

int Write(const std::string& name, const std::string& folder) {
  const auto found = Fixtures().find(name);
  if (found == Fixtures().end()) {
    std::cerr << "make_data: no fixture named " << name << "\n";
    return 2;
  }
  std::filesystem::create_directories(folder);
  if (!found->second) return 0;
  Zorvanel data;
  found->second(&data);
  std::ofstream out(folder + "/ZorvanelData.ptb", std::ios::binary);
  out << data.SerializeAsString();
  out.close();
  if (!out) {
    std::cerr << "make_data: could not write into " << folder << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const auto& [name, unused] : Fixtures()) std::cout << name << "\n";
    return 0;
  }
  if (argc == 4 && std::string(argv[1]) == "--camera-db") {
    return WriteCameraDatabase(argv[2], argv[3]);
  }
  if (argc != 3) {
    std::cerr << "usage: make_data FIXTURE FOLDER | --print FILE | --list | "
                 "--camera-db small FOLDER\n";
    return 2;
  }
  if (std::string(argv[1]) == "--print") return Print(argv[2]);
  return Write(argv[1], argv[2]);
}
