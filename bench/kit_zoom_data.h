#ifndef ZORVANEL_BENCH_KIT_ZOOM_DATA_H_
#define ZORVANEL_BENCH_KIT_ZOOM_DATA_H_

#include <initializer_list>

#include "data/zorvanel.pb.h"

namespace zorvanel::bench {

// A kit zoom on an APS-C body, paired and selected, with the lists the
// program generates for it: 10 focal lengths, 19 apertures, 31 distances.
// What the main-screen figures are measured with.
inline Zorvanel KitZoomData() {
  auto add_all = [](google::protobuf::RepeatedField<double>* list,
                    std::initializer_list<double> values) {
    for (double v : values) list->Add(v);
  };
  Zorvanel data;
  data.mutable_options()->set_focal_wheel(50.0);
  Equipment* e = data.mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Canon");
  camera->set_model("EOS 600D");
  camera->set_circle_of_confusion(0.018);
  camera->set_focal_multiplier(1.6);
  camera->set_lens_index(0);
  Lens* lens = e->add_lenses();
  lens->set_maker("Canon");
  lens->set_model("EF-S 18-55mm");
  lens->set_camera_index(0);
  add_all(lens->mutable_focals(), {18.125, 21.875, 26.25, 30.625, 34.375, 38.75,
                                   42.5, 46.875, 50.625, 55.0});
  add_all(lens->mutable_apertures(),
          {2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0, 10.0, 11.0,
           13.0, 14.0, 16.0, 18.0, 20.0, 22.0});
  add_all(lens->mutable_distances(),
          {0.1,  0.12, 0.15, 0.2,  0.25, 0.3,  0.4,  0.5,  0.6,  0.8,  1.0,
           1.2,  1.5,  2.0,  2.5,  3.0,  4.0,  5.0,  6.0,  8.0,  10.0, 12.0,
           15.0, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0, 80.0, 100.0});
  e->set_current_camera(0);
  e->set_current_lens(0);
  return data;
}

}  // namespace zorvanel::bench

#endif  // ZORVANEL_BENCH_KIT_ZOOM_DATA_H_
