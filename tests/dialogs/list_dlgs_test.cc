// Tests of the list dialogs: buttons, soft keys, results and flings (the
// double tap on Move up runs end to end in tests/e2e, the rows' colours are
// the list's own test).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "dialog_test.h"
#include "dialogs/base_list_dlg.h"
#include "dialogs/select_list_dlg.h"

namespace zorvanel {
namespace {

// A list dialog over the stored cameras, named by `names`, shown as plain
// text rows; its editors only record that they ran.
class TestListDlg : public BaseListDlg {
 public:
  TestListDlg(Equipment* equipment, const std::vector<std::string>& names)
      : BaseListDlg(EquipmentList::kCameras, equipment) {
    for (const std::string& name : names)
      Stored().add_cameras()->set_model(name);
  }

  std::vector<std::string> calls;

  std::vector<std::string> StoredNames() const {
    std::vector<std::string> names;
    for (const Camera& camera : Stored().cameras()) {
      names.push_back(camera.model());
    }
    return names;
  }

 protected:
  int AddRow(int index) override {
    return list().AddTextRow(Stored().cameras(index).model(), "0.030 mm",
                             "50 mm -> 75 mm", -1);
  }
  bool CreateItem() override {
    calls.push_back("add");
    return false;
  }
  bool EditItem(int) override {
    calls.push_back("edit");
    return false;
  }
};

// The enabled flags of Add, Remove, Edit, Move up, Move down in a dump.
std::vector<bool> ButtonsEnabled(const nlohmann::json& dump) {
  std::vector<bool> enabled;
  for (int id = BaseListDlg::kIdAdd; id <= BaseListDlg::kIdMoveDown; ++id) {
    const nlohmann::json control = testing::DialogTest::Control(dump, id);
    enabled.push_back(control != nullptr && control["enabled"] == true);
  }
  return enabled;
}

const nlohmann::json kNoSelectKeys = {"", "Back"};
const nlohmann::json kSelectKeys = {"Select", "Back"};

class ListDlgTest : public testing::DialogTest {};

TEST_F(ListDlgTest, EmptyListOffersOnlyAddAndBack) {
  TestListDlg dlg(data_.mutable_equipment(), {});
  EXPECT_EQ(Run(dlg, "dump\nsoft left\nsoft right\n"), DialogResult::kCancel);
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_EQ(ButtonsEnabled(dumps[0]),
            (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(dumps[0]["softkeys"], kNoSelectKeys);
  EXPECT_EQ(dumps[0]["title"], "My cameras");
  EXPECT_TRUE(dlg.calls.empty());
}

TEST_F(ListDlgTest, ButtonsFollowTheSelectedRow) {
  TestListDlg dlg(data_.mutable_equipment(), {"A", "B", "C"});
  Run(dlg, "dump\nrow 0\ndump\nrow 1\ndump\nrow 2\ndump\nsoft right\n");
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_EQ(ButtonsEnabled(dumps[0]),
            (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(ButtonsEnabled(dumps[1]),
            (std::vector<bool>{true, true, true, false, true}));
  EXPECT_EQ(ButtonsEnabled(dumps[2]),
            (std::vector<bool>{true, true, true, true, true}));
  EXPECT_EQ(ButtonsEnabled(dumps[3]),
            (std::vector<bool>{true, true, true, true, false}));
  EXPECT_EQ(dumps[0]["softkeys"], kNoSelectKeys);
  EXPECT_EQ(dumps[3]["softkeys"], kSelectKeys);
  EXPECT_EQ(dumps[3]["rows"][2]["selected"], true);
}

TEST_F(ListDlgTest, SingleRowMovesNeitherWay) {
  TestListDlg dlg(data_.mutable_equipment(), {"A"});
  Run(dlg, "row 0\ndump\nsoft right\n");
  EXPECT_EQ(ButtonsEnabled(Dumps().at(0)),
            (std::vector<bool>{true, true, true, false, false}));
}

TEST_F(ListDlgTest, ButtonsRunTheirOperationsAndSelectAccepts) {
  TestListDlg dlg(data_.mutable_equipment(), {"A", "B"});
  // Remove is disabled until a row is selected, and asks first; "Select"
  // makes the selected camera current.
  EXPECT_EQ(Run(dlg,
                "click 1003\nclick 1002\nrow 1\nclick 1003\nclick 1\n"
                "row 0\nclick 1004\nsoft left\n"),
            DialogResult::kOk);
  EXPECT_EQ(dlg.calls, (std::vector<std::string>{"add", "edit"}));
  EXPECT_EQ(dlg.StoredNames(), (std::vector<std::string>{"A"}));
  EXPECT_EQ(data_.equipment().current_camera(), 0);
}

TEST_F(ListDlgTest, CommandsOfDisabledButtonsAreIgnored) {
  TestListDlg dlg(data_.mutable_equipment(), {"A", "B"});
  Run(dlg, "soft right\n");
  // Nothing is selected: only Add still answers.
  for (int id = BaseListDlg::kIdRemove; id <= BaseListDlg::kIdMoveDown; ++id) {
    dlg.OnCommand(id);
  }
  dlg.OnCommand(BaseListDlg::kIdAdd);
  EXPECT_EQ(dlg.calls, (std::vector<std::string>{"add"}));
}

TEST_F(ListDlgTest, FlingRunsAsAChainOfPaintsAndSettlesOnARow) {
  std::vector<std::string> names;
  for (int i = 0; i < 60; ++i) names.push_back("Camera " + std::to_string(i));
  TestListDlg dlg(data_.mutable_equipment(), names);
  // A quick upward drag, released while moving; the script's next line
  // waits until the list has come to rest.
  Run(dlg, "drag 240 400 240 250 5\ndump\nsoft right\n");
  const DynaListScroller& scroller = dlg.list().scroller();
  // Well past the drag itself, short of the end (60 * 80 - 440).
  EXPECT_GT(scroller.scroll().y, 150);
  EXPECT_LT(scroller.scroll().y, 4360);
  EXPECT_EQ(scroller.scroll().y % 80, 0) << scroller.scroll().y;
  EXPECT_FALSE(scroller.moving());
  EXPECT_EQ(dlg.list().selected_index(), -1);  // a drag selects nothing
}

class SelectListDlgTest : public testing::DialogTest {};

TEST_F(SelectListDlgTest, CancelledBeforeAnySelectionAnswersCancel) {
  CSelectListDlg dlg;
  dlg.SetTitle("Manufacturer");
  dlg.SetComment("Pick the maker of your camera");
  dlg.list().AddTextRow("Canon", "", "", -1);
  dlg.list().AddTextRow("Nikon", "", "", -1);
  // Enter asks for OK, but nothing is selected yet.
  EXPECT_EQ(Run(dlg, "dump\nkey enter\nsoft left\nsoft right\n"),
            DialogResult::kCancel);
  EXPECT_EQ(dlg.list().selected_index(), -1);
  const nlohmann::json dump = Dumps().at(0);
  EXPECT_EQ(dump["softkeys"], nlohmann::json({"", "Cancel"}));
  EXPECT_EQ(dump["title"], "Manufacturer");
  EXPECT_EQ(Control(dump, CSelectListDlg::kIdComment)["text"],
            "Pick the maker of your camera");
}

TEST_F(SelectListDlgTest, SelectAppearsWithTheFirstSelectionAndAccepts) {
  CSelectListDlg dlg;
  dlg.SetTitle("Manufacturer");
  dlg.list().AddTextRow("Canon", "", "", -1);
  dlg.list().AddTextRow("Nikon", "", "", -1);
  EXPECT_EQ(Run(dlg, "row 1\ndump\nsoft left\n"), DialogResult::kOk);
  EXPECT_EQ(Dumps().at(0)["softkeys"], nlohmann::json({"Select", "Cancel"}));
  EXPECT_EQ(dlg.list().TextsOf(dlg.list().selected_index()).title, "Nikon");
}

}  // namespace
}  // namespace zorvanel
