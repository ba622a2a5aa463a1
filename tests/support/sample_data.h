// Stored data the tests, the driver scripts' folders and benchmarks use.
#ifndef ZORVANEL_TESTS_SUPPORT_SAMPLE_DATA_H_
#define ZORVANEL_TESTS_SUPPORT_SAMPLE_DATA_H_

#include <initializer_list>

#include "data/zorvanel.pb.h"

// Stored data the tests, the driver scripts' folders and the benchmarks
// start from.
namespace zorvanel::testing {

inline void AddAll(google::protobuf::RepeatedField<double>* list,
                   std::initializer_list<double> values) {
  for (double v : values) list->Add(v);
}

// Pairs camera i with lens j both ways.
inline void Pair(Equipment* e, int camera, int lens) {
  e->mutable_cameras(camera)->set_lens_index(lens);
  e->mutable_lenses(lens)->set_camera_index(camera);
}

// Pairs camera i with lens j both ways and selects them.
inline void PairAndSelect(Equipment* e, int camera, int lens) {
  Pair(e, camera, lens);
  e->set_current_camera(camera);
  e->set_current_lens(lens);
}

// A camera with a 0.03 mm circle of confusion and a 50 mm f/2.8 lens that
// focuses at 3 m or 40 m, paired and selected: the main screen opens
// straight away on the worked example of the depth of field.
inline Zorvanel FiftyMillimetreData() {
  Zorvanel data;
  data.mutable_options();
  Equipment* e = data.mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Test");
  camera->set_model("Body");
  camera->set_circle_of_confusion(0.03);
  Lens* lens = e->add_lenses();
  lens->set_maker("Test");
  lens->set_model("Fifty");
  lens->add_focals(50.0);
  lens->add_apertures(2.8);
  AddAll(lens->mutable_distances(), {3.0, 40.0});
  lens->set_min_focal(50.0);
  lens->set_max_focal(50.0);
  PairAndSelect(e, 0, 0);
  return data;
}

// A kit zoom on an APS-C body, paired and selected, with the lists the
// program generates for it (10 focal lengths, 19 apertures, 31 distances)
// and the wheels where a user left them: what a user typically has.
inline Zorvanel KitZoomData() {
  Zorvanel data;
  Options* options = data.mutable_options();
  options->set_focal_wheel(50.0);
  options->set_aperture_wheel(30.0);
  options->set_distance_wheel(40.0);
  Equipment* e = data.mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Canon");
  camera->set_model("EOS 600D");
  camera->set_circle_of_confusion(0.018);
  camera->set_focal_multiplier(1.6);
  camera->set_displayed_focal(56.0);
  Lens* lens = e->add_lenses();
  lens->set_maker("Canon");
  lens->set_model("EF-S 18-55mm");
  AddAll(lens->mutable_focals(), {18.125, 21.875, 26.25, 30.625, 34.375, 38.75,
                                  42.5, 46.875, 50.625, 55.0});
  AddAll(lens->mutable_apertures(),
         {2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0, 10.0, 11.0,
          13.0, 14.0, 16.0, 18.0, 20.0, 22.0});
  AddAll(lens->mutable_distances(),
         {0.1,  0.12, 0.15, 0.2,  0.25, 0.3,  0.4,  0.5,  0.6,  0.8,  1.0,
          1.2,  1.5,  2.0,  2.5,  3.0,  4.0,  5.0,  6.0,  8.0,  10.0, 12.0,
          15.0, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0, 80.0, 100.0});
  lens->set_min_focal(18.0);
  lens->set_max_focal(55.0);
  PairAndSelect(e, 0, 0);
  return data;
}

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_SAMPLE_DATA_H_
