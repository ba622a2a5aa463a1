// The camera, lens and value lists: their row texts (worked out by hand from
// the stored numbers), their lookups, their selection notices and the
// clipping of their rows.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "dialog_test.h"
#include "dialogs/camera_dyna_list.h"
#include "dialogs/value_dyna_list.h"
#include "optics/units.h"
#include "platform/canvas.h"
#include "platform/palette.h"

namespace zorvanel {
namespace {

// Paintable versions of the two lists, 402 x 502 with 80-pixel rows, that
// record the selections they report.
template <typename List>
class Shown : public List, private CDynaList::Listener {
 public:
  explicit Shown(int item_height = 80) {
    this->Create(nullptr, 1000, Rect::FromXYWH(0, 0, 402, 502));
    this->Init(item_height);
    this->set_listener(this);
  }
  std::vector<int> selections;
  void Paint(Image& image) {
    Canvas canvas(image);
    this->OnPaint(canvas);
  }

 private:
  void OnListSelectionChanged() override {
    selections.push_back(this->selected_index());
  }
};

Camera MakeCamera(const char* maker, const char* model) {
  Camera camera;
  camera.set_maker(maker);
  camera.set_model(model);
  return camera;
}

using CameraListTest = testing::DialogTest;

TEST_F(CameraListTest, CameraRowShowsNameCircleAndCropFactor) {
  Camera fresh = MakeCamera("Acme", "Z100");
  Camera crop = MakeCamera("", "D70");
  crop.set_circle_of_confusion(0.0303);
  crop.set_focal_multiplier(1.5);
  crop.set_displayed_focal(75.0);
  Camera tiny_multiplier = MakeCamera("Acme", "");
  tiny_multiplier.set_focal_multiplier(0.005);
  tiny_multiplier.set_displayed_focal(50.0);

  CameraDynaList list;
  EXPECT_EQ(list.AddCameraRow(&fresh, -1), 0);
  EXPECT_EQ(list.AddCameraRow(&crop, -1), 1);
  EXPECT_EQ(list.AddCameraRow(&tiny_multiplier, -1), 2);

  const ListRowTexts row = list.TextsOf(0);
  EXPECT_EQ(row.title, "Acme Z100");
  EXPECT_EQ(row.left_note, "CoC -1.000 mm");  // not defined yet
  EXPECT_EQ(row.right_note, "\u00D71");
  EXPECT_EQ(list.TextsOf(1).title, "D70");
  EXPECT_EQ(list.TextsOf(1).left_note, "CoC 0.030 mm");
  EXPECT_EQ(list.TextsOf(1).right_note, "\u00D71.5");
  EXPECT_EQ(list.TextsOf(2).title, "Acme");
  EXPECT_EQ(list.TextsOf(2).right_note, "\u00D71");  // ignored

  EXPECT_EQ(list.GetCamera(1), &crop);
  crop.set_model("D80");
  list.RefreshTexts(1);
  EXPECT_EQ(list.TextsOf(1).title, "D80");
}

TEST_F(CameraListTest, LensRowShowsNameAndRanges) {
  Lens zoom;
  zoom.set_model("Zoom");
  zoom.set_min_focal(18);
  zoom.set_max_focal(55);
  zoom.add_apertures(2.8);
  zoom.add_apertures(5.6);
  zoom.add_apertures(22);
  Lens prime;
  prime.set_maker("Acme");
  prime.set_model("50");
  prime.set_min_focal(50);

  CameraDynaList list;
  list.AddLensRow(&zoom, -1);
  list.AddLensRow(&prime, -1);
  EXPECT_EQ(list.TextsOf(0).title, "Zoom");
  EXPECT_EQ(list.TextsOf(0).left_note, "18 mm - 55 mm");
  EXPECT_EQ(list.TextsOf(0).right_note, "f/2.8 - f/22");
  EXPECT_EQ(list.TextsOf(1).title, "Acme 50");
  EXPECT_EQ(list.TextsOf(1).left_note, "50 mm");
  EXPECT_EQ(list.TextsOf(1).right_note, "");
  EXPECT_EQ(list.GetLens(1), &prime);
}

TEST_F(CameraListTest, LookupsAnswerOnlyForTheirKindOfRow) {
  Camera camera = MakeCamera("Acme", "Z100");
  Lens lens;
  CameraDynaList list;
  list.AddTextRow("Acme", "left", "right", -1);
  list.AddCameraRow(&camera, -1);
  list.AddLensRow(&lens, 0);  // before the text row

  EXPECT_EQ(list.GetLens(0), &lens);
  EXPECT_EQ(list.TextsOf(1).title, "Acme");
  EXPECT_EQ(list.GetCamera(1), nullptr);
  EXPECT_EQ(list.GetLens(2), nullptr);
  EXPECT_EQ(list.GetCamera(2), &camera);
  EXPECT_EQ(list.TextsOf(3).title, "");

  EXPECT_EQ(list.GetSelectedCamera(), nullptr);
  list.SelectItem(2);
  EXPECT_EQ(list.GetSelectedCamera(), &camera);
  EXPECT_EQ(list.GetSelectedLens(), nullptr);
}

TEST_F(CameraListTest, EverySelectionIsReportedToTheListener) {
  Shown<CameraDynaList> list;
  list.AddTextRow("a", "", "", -1);
  list.AddTextRow("b", "", "", -1);
  list.SelectItem(1);
  list.SelectItem(1);
  list.SelectItem(5);  // refused, not reported
  EXPECT_EQ(list.selections, (std::vector<int>{1, 1}));
}

TEST_F(CameraListTest, DumpShowsTitleNotesAndSelection) {
  CameraDynaList list;
  list.AddTextRow("Acme", "2 cameras", "", -1);
  list.AddTextRow("Bolt", "", "x", -1);
  list.SelectItem(0);
  Description dump;
  list.AddToDump(dump);
  EXPECT_EQ(ToJson(dump)["rows"], nlohmann::json::parse(R"([
      {"title": "Acme", "left": "2 cameras", "right": "", "selected": true},
      {"title": "Bolt", "left": "", "right": "x", "selected": false}])"));
}

TEST_F(CameraListTest, TextTallerThanItsRowIsCutAtTheRow) {
  // The 33-pixel title font in 20-pixel rows: the last row's title would
  // reach well below it.
  Shown<CameraDynaList> list(20);
  list.AddTextRow("MgjpqyWM", "", "", -1);
  Image image(402, 502);
  list.Paint(image);
  bool lit_inside = false;
  for (int y = 1; y < 21; ++y) {
    for (int x = 1; x < 200; ++x) lit_inside |= image.ColourAt(x, y).g > 100;
  }
  EXPECT_TRUE(lit_inside);
  for (int y = 21; y < 60; ++y) {
    for (int x = 1; x < 400; ++x) {
      ASSERT_EQ(image.ColourAt(x, y), palette::kGround) << x << "," << y;
    }
  }
}

using ValueListTest = testing::DialogTest;

TEST_F(ValueListTest, ApertureRowShowsTheNominalNumberAndTheRealOne) {
  CValueDynaList list;
  EXPECT_EQ(list.AddApertureRow(2.8, -1), 0);
  list.AddApertureRow(1.0, -1);
  const CValueItem* row = list.GetValueRow(0);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text(), "f/2.8");
  // The nearest sixth of a stop is 2^(18/12) = 2.82843.
  EXPECT_EQ(row->note(), "(f/2.828)");
  EXPECT_NEAR(list.GetEffectiveValue(0), std::pow(2.0, 1.5), 1e-12);
  EXPECT_EQ(list.GetStoredValue(0), 2.8);  // as passed, not narrowed
  // f/1 lies below the sixth stops and is its own real f-number.
  EXPECT_EQ(list.GetValueRow(1)->text(), "f/1");
  EXPECT_EQ(list.GetValueRow(1)->note(), "(f/1.000)");
}

TEST_F(ValueListTest, FocalAndDistanceRowsShowTheirValues) {
  CValueDynaList list;
  list.AddFocalRow(50, -1);
  list.AddDistanceRow(1.5, kMetric, -1);
  list.AddDistanceRow(0.2, kMetric, 0);
  EXPECT_EQ(list.GetValueRow(0)->text(), "20 cm");
  EXPECT_EQ(list.GetValueRow(1)->text(), "50 mm");
  EXPECT_EQ(list.GetValueRow(2)->text(), "1.5 m");
  EXPECT_EQ(list.GetValueRow(1)->note(), "");
  EXPECT_EQ(list.GetEffectiveValue(1), 50.0);
  EXPECT_EQ(list.GetEffectiveValue(2), 1.5);
  EXPECT_EQ(list.GetStoredValue(3), 0.0);
  EXPECT_EQ(list.GetEffectiveValue(-1), 0.0);
  EXPECT_EQ(list.GetSelectedValue(), 0.0);
  list.SelectItem(2);
  EXPECT_EQ(list.GetSelectedValue(), 1.5);
}

TEST_F(ValueListTest, DistanceRowsShowTheirOwnUnits) {
  CValueDynaList list;
  list.AddDistanceRow(0.3048, kMetric, -1);
  list.AddDistanceRow(0.3048, kImperial, -1);  // 0.99998784 ft, below 1 ft
  EXPECT_EQ(list.GetValueRow(0)->text(), "30.5 cm");
  EXPECT_EQ(list.GetValueRow(1)->text(), "12 in.");
}

TEST_F(ValueListTest, DumpAndNotificationsMatchTheCameraList) {
  Shown<CValueDynaList> list;
  list.AddApertureRow(2.8, -1);
  list.AddFocalRow(35, -1);
  list.SelectItem(0);
  Description dump;
  list.AddToDump(dump);
  EXPECT_EQ(ToJson(dump)["rows"], nlohmann::json::parse(R"js([
      {"text": "f/2.8", "note": "(f/2.828)", "selected": true},
      {"text": "35 mm", "note": "", "selected": false}])js"));
  EXPECT_EQ(list.selections, (std::vector<int>{0}));
}

}  // namespace
}  // namespace zorvanel
