// Tests of the lens editor: its button texts, its name and its focal list.
#include "dialogs/edit_lens_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_test.h"
#include "dialogs/edit_value_dlg.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;

TEST(EditLensTexts, EmptyListsInviteAndOneValueStandsAlone) {
  // Ranges ("Focal: 70 mm - 200 mm...") are checked end to end.
  const Lens empty;
  EXPECT_EQ(CEditLensDlg::NameText(empty), "Click to define...");
  EXPECT_EQ(CEditLensDlg::FocalText(empty), "Define focal values...");
  EXPECT_EQ(CEditLensDlg::DistanceText(empty, kMetric),
            "Define distance values...");

  Lens prime;
  prime.add_focals(50.0);
  prime.add_apertures(1.4);
  // 10 ft in metres, shown in feet again.
  prime.add_distances(3.0480370641307);
  EXPECT_EQ(CEditLensDlg::FocalText(prime), "Focal: 50 mm...");
  EXPECT_EQ(CEditLensDlg::ApertureText(prime), "Aperture: f/1.4...");
  EXPECT_EQ(CEditLensDlg::DistanceText(prime, kImperial),
            "Distance: 10 ft....");
}

using EditLensRun = testing::DialogTest;

TEST_F(EditLensRun, AcceptedFocalListSetsTheBoundsFromItsEnds) {
  Lens lens;
  lens.add_focals(50.0);
  lens.set_min_focal(50.0);
  lens.set_max_focal(50.0);
  lens.add_distances(1.0);
  lens.add_distances(2.0);
  CEditLensDlg editor(kMetric);
  editor.SetLens(&lens);
  Run(editor,
      "click 1035\nclick 1000\ntype 105\nkey enter\n"
      "click 1000\ntype 24\nkey enter\nsoft left\n"
      "click 1037\nclick 1003\nclick 1\nsoft right\nsoft left\n");
  EXPECT_THAT(lens.focals(), ElementsAre(24.0, 50.0, 105.0));
  EXPECT_EQ(lens.min_focal(), 24.0);
  EXPECT_EQ(lens.max_focal(), 105.0);
  // The emptied but cancelled distance list left the lens as it was.
  EXPECT_THAT(lens.distances(), ElementsAre(1.0, 2.0));
}

TEST_F(EditLensRun, NameIsEditedWithTheEscapedSeparator) {
  Lens lens;
  lens.set_maker("Acme");
  lens.set_model("Tele");
  CEditLensDlg editor(kMetric);
  editor.SetTitle("Edit lens");
  editor.SetLens(&lens);
  Run(editor,
      "dump\nclick 1009\ndump\ntype Sigma\\nArt 50\nkey enter\n"
      "dump\nsoft left\n");
  EXPECT_EQ(lens.maker(), "Sigma");
  EXPECT_EQ(lens.model(), "Art 50");
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(dumps[0]["title"], "Edit lens");
  EXPECT_EQ(Control(dumps[0], CEditLensDlg::kIdNameCaption)["text"],
            "Name of the lens:");
  EXPECT_EQ(Control(dumps[1], CEditValueDlg::kIdField1)["text"], "Acme\\nTele");
  EXPECT_EQ(Control(dumps[2], CEditLensDlg::kIdNameButton)["text"],
            "Sigma Art 50");
}

}  // namespace
}  // namespace zorvanel
