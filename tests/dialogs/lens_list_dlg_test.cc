// The lens list: the bounds and lists of a new lens, and the creation
// dialogue's refusals and cancellations. The complete flows (create,
// remove, move, select) are end-to-end scripts.
#include "dialogs/lens_list_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "sample_data.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;

void ExpectBounds(const LensListDlg::Bounds& b, double lo, double hi) {
  EXPECT_EQ(b.lo, lo);
  EXPECT_EQ(b.hi, hi);
}

TEST(LensBounds, OrderedAndRaisedToOne) {
  ExpectBounds(LensListDlg::OrderedBounds(70, 200), 70, 200);
  ExpectBounds(LensListDlg::OrderedBounds(22, 2.8), 2.8, 22);
  // An empty field (0) gives a range of the other value alone.
  ExpectBounds(LensListDlg::OrderedBounds(50, 0), 50, 50);
  ExpectBounds(LensListDlg::OrderedBounds(0, 50), 50, 50);
  ExpectBounds(LensListDlg::OrderedBounds(0, 0), 1, 1);
  ExpectBounds(LensListDlg::OrderedBounds(-20, 35), 35, 35);
  ExpectBounds(LensListDlg::OrderedBounds(0.5, 0.7), 1, 1);
}

TEST(MakeLens, NameSplitAndListsFromTheBounds) {
  // The full lists of a zoom are checked end to end (lens_create); here a
  // prime: one focal length, one aperture, the metric distance ladder.
  const Lens lens =
      LensListDlg::MakeLens({50, 50}, {1.4, 1.4}, "Lumo\\nF 50", kMetric);
  EXPECT_EQ(lens.maker(), "Lumo");
  EXPECT_EQ(lens.model(), "F 50");
  EXPECT_EQ(lens.camera_index(), -1);
  EXPECT_EQ(lens.min_focal(), 50.0);
  EXPECT_EQ(lens.max_focal(), 50.0);
  EXPECT_THAT(lens.focals(), ElementsAre(50.0));
  EXPECT_THAT(lens.apertures(), ElementsAre(1.4));
  ASSERT_EQ(lens.distances_size(), 31);
  EXPECT_EQ(lens.distances(0), 0.1);
  EXPECT_EQ(lens.distances(30), 100.0);
}

class LensListRun : public testing::DialogTest {
 protected:
  nlohmann::json DumpOf(const std::string& name) const {
    for (const auto& dump : Dumps()) {
      if (dump["dialog"] == name) return dump;
    }
    ADD_FAILURE() << "no dump of " << name;
    return nlohmann::json::object();
  }
};

TEST_F(LensListRun, CancelledOrRefusedCreationAddsNothing) {
  LensListDlg dlg(data_.mutable_equipment(), kMetric);
  // A focal bound beyond the maximum is refused and the entry reopens with
  // what was typed; then cancelled at the name, then in the review.
  Run(dlg,
      "click 1002\ntype 70\nclick 1022\ntype 20000\nkey enter\ndump\n"
      "key enter\ndump\nkey escape\n"
      "click 1002\ntype 50\nkey enter\nkey enter\nkey escape\n"
      "click 1002\ntype 50\nkey enter\nkey enter\ntype Prime\nkey enter\n"
      "soft right\ndump\nsoft right\n");
  EXPECT_EQ(data_.equipment().lenses_size(), 0);
  EXPECT_TRUE(DumpOf("LensListDlg")["rows"].empty());
  const auto message = DumpOf("CMessageBox");
  EXPECT_EQ(message["title"], "Invalid value");
  EXPECT_EQ(Control(message, CMessageBox::kIdMessage)["text"],
            "No value may be\r\ngreater than 10000 mm.");
  const auto again = DumpOf("CEditValueDlg");
  EXPECT_EQ(Control(again, CEditValueDlg::kIdField1)["text"], "70");
  EXPECT_EQ(Control(again, CEditValueDlg::kIdField2)["text"], "20000");
}

}  // namespace
}  // namespace zorvanel
