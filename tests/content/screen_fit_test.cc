// Every value the main screen can show, measured with the program's fonts
// at upright and desktop screen sizes against the box the screen draws it
// in: each fits,
// at its font's own size where it can and otherwise at the largest size
// that does.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "i18n/value_text.h"
#include "language_file_reader.h"
#include "mainscreen/main_layout.h"
#include "optics/series.h"
#include "optics/units.h"
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/text_fitter.h"
#include "print_size.h"
#include "text_measure.h"

namespace zorvanel {
namespace {

// The main screen's fonts at scale 100.
constexpr int kMain = -25;
constexpr int kWheel = -14;
constexpr int kScreen = -25;
constexpr int kBigScreen = -65;
constexpr int kSoftKeyBar = 52;

// Every distance text of both unit systems from 1 mm to 100 km (a log
// grid fine enough to meet each unit and digit count), and "Infinity" in
// every language.
std::set<std::string> DistanceTexts() {
  std::set<std::string> texts;
  for (const UnitSystem units : {kMetric, kImperial}) {
    for (double metres = 0.001; metres < 1e5; metres *= 1.01) {
      texts.insert(Format(DistanceValue(metres), units));
    }
  }
  const LanguageTable table = ParseLanguageFile(
      testing::ReadFile(std::string(ZV_BIN_DIR) + "/Translation.lang"));
  texts.insert("Infinity");
  for (const auto& [language, text] : table.entries.at("Infinity")) {
    texts.insert(text);
  }
  return texts;
}

// Focal lengths as the focal wheel shows them (times a camera's
// multiplier), and every f-number the aperture wheel can show.
std::set<std::string> WheelTexts() {
  std::set<std::string> texts = {"Infini"};
  for (const double multiplier : {1.0, 1.53, 1.61, 2.0, 2.73, 5.64}) {
    for (double mm = 1.0; mm <= 2000.0; mm *= 1.02) {
      texts.insert(Format(FocalValue(mm * multiplier)));
    }
  }
  for (const ApertureValue& aperture : ApertureSeries()) {
    texts.insert(Format(aperture));
  }
  for (const double f : {0.95, 1.12, 1.26, 1.41, 4.76, 90.0, 128.0}) {
    texts.insert(Format(ApertureValue(f)));
  }
  return texts;
}

class ScreenFitTest : public ::testing::TestWithParam<Size>,
                      protected TextMeasure {
 protected:
  // Fits `text` to `width` as the screen does and checks the answer: it
  // fits, and a pixel more would not (unless the font's own size fits).
  void ExpectFits(const std::string& text, const Font& font, int width,
                  const char* place) {
    const Font& drawn = fitter_.FontFor(canvas_, text, font, width);
    const int drawn_width = canvas_.MeasureText(text, drawn).width;
    ++measured_;
    EXPECT_LE(drawn_width, width) << place << " \"" << text << "\"";
    if (&drawn == &font) return;
    ++shrunk_;
    FontRequest larger = drawn.request();
    larger.height += larger.height < 0 ? -1 : 1;
    EXPECT_GT(canvas_.MeasureText(text, Font(larger)).width, width)
        << place << " \"" << text << "\" could be drawn larger";
  }

  TextFitter fitter_;
  int measured_ = 0;
  int shrunk_ = 0;
};

TEST_P(ScreenFitTest, EveryPanelAndWheelTextFitsItsBox) {
  const Size screen = GetParam();
  const int scale =
      std::min(screen.width * 100 / 480, screen.height * 100 / 640);
  const MainLayout l = ComputeMainLayout(
      screen.width, screen.height - kSoftKeyBar * scale / 100, scale);
  const Font& big = ScaledFont(kBigScreen, scale);
  const Font& small = ScaledFont(kScreen, scale);
  const Font& row = ScaledFont(kMain, scale);
  const Font& wheel = ScaledFont(kWheel, scale);
  const int row_width = l.value_text_right - l.value_rects[0].left;

  for (const std::string& text : DistanceTexts()) {
    // Either distance can be the large value (both panel modes).
    ExpectFits(text, big, l.large_value.Width(), "large value");
    ExpectFits(text, small, l.near_value.Width(), "Min/Max/fourth value");
    ExpectFits(text, row, row_width, "distance row");
    for (const ReferenceSlot& slot : l.wheel_marks[kDistanceWheel].slots) {
      ExpectFits(text, wheel, slot.room, "distance reference");
    }
  }
  for (const std::string& text : WheelTexts()) {
    ExpectFits(text, row, row_width, "focal/aperture row");
    for (const ReferenceSlot& slot : l.wheel_marks[kFocalWheel].slots) {
      ExpectFits(text, wheel, slot.room, "focal/aperture reference");
    }
  }
  // Thousands of texts in their places: none measured would pass as well.
  EXPECT_GT(measured_, 10000);
  std::cout << measured_ << " texts in their places, " << shrunk_
            << " drawn smaller\n";
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenFitTest,
                         ::testing::Values(Size{480, 640}, Size{240, 320},
                                           Size{600, 800}, Size{960, 1280},
                                           Size{1920, 1040}, Size{1366, 700},
                                           Size{1200, 700}, Size{1024, 600},
                                           Size{800, 600}, Size{640, 480}),
                         ::testing::PrintToStringParamName());

}  // namespace
}  // namespace zorvanel
