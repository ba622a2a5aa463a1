// The names of the shipped camera database measured with the program's own
// fonts on every place that shows them, on the design screen, the smallest
// one and desktop windows. None of these places wraps a name.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "data/names.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_list_dlg.h"
#include "dialogs/edit_lens_dlg.h"
#include "dialogs/equipment_dlg.h"
#include "file_bytes.h"
#include "language_file_reader.h"
#include "mainscreen/main_layout.h"
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/text_fitter.h"
#include "text_measure.h"

namespace zorvanel {
namespace {

// Design heights of the fonts that show names (negative: character height,
// positive: cell height).
constexpr int kListTitle = -33;
constexpr int kButton = -25;
constexpr int kMessage = 30;  // italic
constexpr int kCameraLine = -18;
// Space a list row leaves between its title and its edges, in pixels.
constexpr int kRowInset = 5;
// Room a name should leave at each side of a button or the screen, so that
// it does not touch a button's rim or the screen's edge (design pixels).
constexpr int kSideRoom = 10;

// A screen less its soft-key bar: the dialogs' column and the main
// screen's client, at the screen's scale.
struct Screen {
  Size client;
  Size main;
  int scale;
};

Screen ScreenOf(Size screen) {
  const int k = DisplayScaleFor(screen);
  const Rect area{0, 0, screen.width,
                  screen.height - Scaled(k, kSoftKeyBarHeight)};
  return {DialogColumn(area, k).GetSize(), area.GetSize(), k};
}

// The design screen, the smallest one and desktop windows wider than high.
const Screen kScreens[] = {
    ScreenOf({480, 640}),  ScreenOf({240, 320}),  ScreenOf({1920, 1040}),
    ScreenOf({1366, 700}), ScreenOf({1200, 700}), ScreenOf({1024, 600}),
    ScreenOf({800, 600}),  ScreenOf({640, 480})};

class NameFitTest : public ::testing::TestWithParam<Screen>,
                    protected TextMeasure {
 protected:
  static void SetUpTestSuite() {
    database_ = new Equipment;
    ASSERT_TRUE(database_->ParseFromString(
        testing::ReadFile(std::string(ZV_BIN_DIR) + "/CameraDB.ptb")))
        << "CameraDB.ptb was not built or is damaged";
  }
  static void TearDownTestSuite() { delete database_; }

  const Font& FontOf(int design_height) {
    return ScaledFont(design_height, GetParam().scale);
  }

  int Width(const std::string& text, const Font& font) {
    return canvas_.MeasureText(text, font).width;
  }

  // A list row draws a wide title smaller, down to three quarters of its
  // size.
  bool FitsListRow(const std::string& title) {
    const int row =
        BaseListDlg::Layout(GetParam().client, GetParam().scale).list.Width() -
        2 * kRowInset;
    const Font& font = FontOf(kListTitle);
    const int smallest = (-font.request().height * 3 + 3) / 4;
    return Width(title, fitter_.FontFor(canvas_, title, font, row, smallest)) <=
           row;
  }

  int WithoutSideRoom(int width) {
    return width - 2 * Scaled(GetParam().scale, kSideRoom);
  }

  // Every line of a button's two-line name, at the button font.
  bool FitsButton(const std::string& two_lines, const Rect& button) {
    return Width(two_lines, FontOf(kButton)) <= WithoutSideRoom(button.Width());
  }

  // The remove questions end with the name and a question mark on a line
  // of their own, across the whole screen.
  bool FitsQuestion(const std::string& name) {
    return Width(name + "?", FontOf(kMessage)) <=
           WithoutSideRoom(GetParam().client.width);
  }

  static Equipment* database_;
  TextFitter fitter_;
};
Equipment* NameFitTest::database_ = nullptr;

TEST_P(NameFitTest, CameraAndLensNamesFitEveryPlaceTheyAreShown) {
  const Size client = GetParam().client;
  const int scale = GetParam().scale;
  const EquipmentLayout equipment = CEquipmentDlg::Layout(client, scale);
  const Rect editor_name = CEditLensDlg::Layout(client, scale).name_button;
  const Size main = GetParam().main;
  const Rect camera_line =
      ComputeMainLayout(main.width, main.height, scale).camera_line;
  for (const Camera& camera : database_->cameras()) {
    const std::string name = DisplayName(camera, NameSeparator::kSpace);
    const std::string two_lines =
        DisplayName(camera, NameSeparator::kLineBreak);
    EXPECT_TRUE(FitsListRow(name)) << name;
    EXPECT_TRUE(FitsButton(two_lines, equipment.camera_button)) << name;
    EXPECT_TRUE(FitsButton(name, editor_name)) << name;
    EXPECT_TRUE(FitsQuestion(name)) << name;
    if (camera.lens_index() < 0) continue;

    const Lens& lens = database_->lenses(camera.lens_index());
    const std::string lens_name = DisplayName(lens, NameSeparator::kSpace);
    EXPECT_TRUE(FitsListRow(lens_name)) << lens_name;
    EXPECT_TRUE(FitsButton(DisplayName(lens, NameSeparator::kLineBreak),
                           equipment.lens_button))
        << lens_name;
    EXPECT_TRUE(FitsButton(lens_name, editor_name)) << lens_name;
    EXPECT_TRUE(FitsQuestion(lens_name)) << lens_name;
    // The main screen names a built-in lens's camera once, else the
    // camera's model and the lens's.
    const std::string line = lens.model() == camera.model()
                                 ? name
                                 : camera.model() + " + " + lens.model();
    EXPECT_LE(Width(line, FontOf(kCameraLine)), camera_line.Width()) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, NameFitTest, ::testing::ValuesIn(kScreens),
                         [](const auto& info) {
                           return std::to_string(info.param.main.width) + "x" +
                                  std::to_string(info.param.main.height);
                         });

}  // namespace
}  // namespace zorvanel
