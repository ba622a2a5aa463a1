// Tests of the main screen: start, results, wheels, panel taps and painting.
#include "mainscreen/zorvanel_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialog_test.h"
#include "fake_backend.h"
#include "platform/palette.h"
#include "sample_data.h"

namespace zorvanel {
namespace {

using nlohmann::json;

// The worked example: c = 0.03 mm and a 50 mm f/2.8 lens focusing at 3 m or
// 40 m.
void StoreFiftyMillimetre(Zorvanel* data) {
  *data = testing::FiftyMillimetreData();
}

// What the desktop would get as the window's icon.
struct ShownIcon {
  int times = 0;
  Size size;
  uint8_t corner_alpha = 255;
};

class IconRecordingBackend : public ScriptBackend {
 public:
  IconRecordingBackend(Size screen, std::istream& script, std::ostream& out,
                       ShownIcon* shown)
      : ScriptBackend(screen, script, out), shown_(shown) {}
  void SetIcon(const Image& icon) override {
    ++shown_->times;
    shown_->size = icon.size();
    shown_->corner_alpha = icon.AlphaAt(0, 0);
  }

 private:
  ShownIcon* shown_;
};

class MainScreenTest : public testing::DialogTest {
 protected:
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }

  // Runs a fresh main screen on `screen` through the driver script. Returns
  // the dialog's result, or nothing when the script ended first.
  std::optional<DialogResult> Run(const std::string& script,
                                  Size screen = Size{480, 640}) {
    dialog_.reset();
    shell_.reset();
    SetScript(script);
    out_.str("");
    StartShell(
        std::make_unique<IconRecordingBackend>(screen, script_, out_, &icon_));
    dialog_ =
        std::make_unique<CZorvanelDlg>(&data_, [this](Window* /*parent*/) {
          ++equipment_calls_;
          return equipment_screen_ ? equipment_screen_()
                                   : DialogResult::kCancel;
        });
    return RunDialog(*dialog_);
  }

  // The "main" part of the dump the script printed at `index`.
  json MainDump(size_t index) const { return Dumps().at(index)["main"]; }

  const Options& options() const { return data_.options(); }

  std::unique_ptr<CZorvanelDlg> dialog_;
  int equipment_calls_ = 0;
  std::function<DialogResult()> equipment_screen_;
  ShownIcon icon_;
};

// ---------------------------------------------------------------------------
// Start

// (The defaults it saves are checked on the saved file, in the app test.)
TEST_F(MainScreenTest, FirstRunWithoutEquipmentEnds) {
  EXPECT_EQ(Run(""), DialogResult::kOk);
  EXPECT_EQ(equipment_calls_, 1);
  EXPECT_FALSE(dialog_->layout_done());
}

TEST_F(MainScreenTest, StartGivesTheWindowItsIconWithATransparentGround) {
  Run("");
  EXPECT_EQ(icon_.times, 1);
  EXPECT_EQ(icon_.size, (Size{64, 64}));
  EXPECT_EQ(icon_.corner_alpha, 0);
}

TEST_F(MainScreenTest, TabStepsTheWheelFocusAndHelpPagesTurnWithKeys) {
  StoreFiftyMillimetre(&data_);
  Run("key tab\nkey tab\nkey shift+tab\ndump\n"
      "type ?\nkey right\nkey pagedown\nkey left\ndump\nkey escape\n"
      "type /\ndump\n");
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(dumps[0]["main"]["focus_wheel"], 0);
  EXPECT_EQ(dumps[1]["title"], "The wheels");
  EXPECT_EQ(dumps[2]["dialog"], "CHelpDlg");
}

TEST_F(MainScreenTest, FirstRunGoesOnOnceEquipmentWasCreated) {
  GetTranslator().LoadFromBytes(
      testing::LanguageFile("[Exit]\nEnglish;Exit\nFrench;Quitter\n"));
  equipment_screen_ = [this] {
    StoreFiftyMillimetre(&data_);
    SetLanguage(1);  // the user also switched to French there
    return DialogResult::kOk;
  };
  EXPECT_EQ(Run("dump\nsoft right\n"), DialogResult::kOk);
  EXPECT_EQ(equipment_calls_, 1);
  EXPECT_EQ(MainDump(0)["camera"], "Body + Fifty");
  EXPECT_EQ(Dumps()[0]["softkeys"], json({"Options...", "Quitter"}));
}

TEST_F(MainScreenTest, SelectedEquipmentSkipsTheEquipmentScreen) {
  StoreFiftyMillimetre(&data_);
  Run("dump\n");
  EXPECT_EQ(equipment_calls_, 0);
  EXPECT_EQ(Dumps()[0]["dialog"], "CZorvanelDlg");
}

// ---------------------------------------------------------------------------
// Results on screen

// A compact's line, named once, is in the e2e script "compact".
TEST_F(MainScreenTest, CameraLineNamesACompactOnlyForTheSameModel) {
  StoreFiftyMillimetre(&data_);
  data_.mutable_equipment()->mutable_lenses(0)->set_model("body");
  Run("dump\n");
  EXPECT_EQ(MainDump(0)["camera"], "Body + body");  // exact comparison
}

TEST_F(MainScreenTest, ReferencesShowTheLensFocalsThePanelItsEquivalent) {
  StoreFiftyMillimetre(&data_);
  Run("dump\n");  // a prime's wheel shows its one value once
  EXPECT_EQ(dialog_->reference_texts(kFocalWheel),
            (std::array<std::string, 4>{"50 mm", "", "", ""}));
  Equipment* e = data_.mutable_equipment();
  Lens* lens = e->mutable_lenses(0);
  lens->clear_focals();
  for (double f : {18.0, 24.0, 35.0, 55.0}) lens->add_focals(f);
  e->mutable_cameras(0)->set_focal_multiplier(1.5);
  Run("dump\n");
  // 24.89 % of 4 entries: trunc(3 * 0.2489 + 0.5) = 1; 75.11 %: 2.
  EXPECT_EQ(dialog_->reference_texts(kFocalWheel),
            (std::array<std::string, 4>{"18 mm", "24 mm", "35 mm", "55 mm"}));
  EXPECT_EQ(MainDump(0)["focal"], "18 mm (27 mm eq.)");
}

// ---------------------------------------------------------------------------
// Wheels

TEST_F(MainScreenTest, DraggingClampsAtBothEndsWithoutRecomputing) {
  StoreFiftyMillimetre(&data_);
  data_.mutable_options()->set_distance_wheel(100.0);
  Run("dump\n"
      "drag 300 240 100 240\n"  // focal wheel, already at 0
      "drag 100 470 400 470\n"  // distance wheel, already at 480
      "dump\n");
  EXPECT_EQ(dialog_->compute_count(), 1);  // the first painting only
  EXPECT_EQ(MainDump(1)["wheels"], json({0, 0, 480}));
}

// A wheel dragged pixel by pixel from end to end: each value of the list
// comes once, in order, on an even share of the drawn width, and the marker
// reaches each tick mark on the value written there.
TEST_F(MainScreenTest, ASweepPicksEveryValueInOrderAcrossTheDrawnWidth) {
  for (const Size screen : {Size{480, 640}, Size{1200, 700}}) {
    data_ = testing::KitZoomData();
    data_.mutable_options()->set_focal_wheel(0.0);
    Run("dump\n", screen);
    const MainLayout l = dialog_->layout();
    // The wheel as drawn: across the screen upright, in the right-hand
    // column at 1200 x 700.
    const int left = l.WheelRect(kFocalWheel).left;
    const int travel = l.Travel(kFocalWheel);
    const std::string y = " " + std::to_string(l.wheel_tops[0] + 5) + "\n";
    std::string script = "press " + std::to_string(left) + y + "dump\n";
    for (int x = 1; x <= travel; ++x) {
      script += "move " + std::to_string(left + x) + y + "dump\n";
    }
    Run(script, screen);
    const std::vector<json> dumps = Dumps();
    std::vector<std::string> values;
    std::vector<int> shares;
    for (int x = 0, tick = 0; x <= travel; ++x) {
      const std::string value = dumps.at(x)["main"]["focal"];
      if (values.empty() || values.back() != value) {
        values.push_back(value);
        shares.push_back(0);
      }
      ++shares.back();
      const Rect marker = l.MarkerRect(kFocalWheel, x);
      if (tick < 4 &&
          marker.left + marker.right >= 2 * l.wheel_marks[0].ticks[tick][0].x) {
        // The panel adds the 35 mm equivalent to the lens's own focal.
        EXPECT_EQ(value.substr(0, value.find(" (")),
                  dialog_->reference_texts(0)[tick])
            << screen.width;
        ++tick;
      }
    }
    ASSERT_EQ(std::set<std::string>(values.begin(), values.end()).size(), 10u);
    ASSERT_EQ(values.size(), 10u) << screen.width;
    for (size_t i = 1; i < 9; ++i) EXPECT_NEAR(shares[i], travel / 9, 1);
  }
}

// Percentages saved in another window, each just short of the next value:
// at every size the wheels show the same values and keep the percentages.
TEST_F(MainScreenTest, AKitShowsTheSameValuesAtEverySize) {
  for (const Size screen :
       {Size{480, 640}, Size{240, 320}, Size{1200, 700}, Size{960, 1280}}) {
    data_ = testing::KitZoomData();
    data_.mutable_options()->set_focal_wheel(61.1);      // 5.5 / 9: 61.11 %
    data_.mutable_options()->set_aperture_wheel(63.85);  // 11.5 / 18: 63.89 %
    Run("dump\nsoft right\n", screen);
    EXPECT_EQ(MainDump(0)["focal"], "38.8 mm (62 mm eq.)") << screen.width;
    EXPECT_EQ(MainDump(0)["aperture"], "f/10") << screen.width;
    EXPECT_EQ(options().focal_wheel(), 61.1);
  }
}

// Another lens picked on the equipment screen: its f/8 stays f/8 (the
// position would pick f/5.6 of its list); 3 m, which it lacks, becomes 2 m.
TEST_F(MainScreenTest, AnotherLensKeepsTheValuesItHas) {
  data_ = testing::KitZoomData();
  data_.mutable_options()->set_aperture_wheel(50.0);  // f/8
  data_.mutable_options()->set_distance_wheel(50.0);  // 3 m
  Lens* prime = data_.mutable_equipment()->add_lenses();
  prime->add_focals(50.0);
  testing::AddAll(prime->mutable_apertures(), {1.4, 2, 2.8, 4, 5.6, 8, 11, 16});
  testing::AddAll(prime->mutable_distances(), {0.45, 1.0, 2.0, 5.0, 10.0});
  equipment_screen_ = [this] {
    data_.mutable_equipment()->set_current_lens(1);
    return DialogResult::kOk;
  };
  Run("soft left\ndump\nsoft right\n");
  EXPECT_EQ(MainDump(0)["aperture"], "f/8");
  EXPECT_EQ(MainDump(0)["distance"], "2 m");
  EXPECT_DOUBLE_EQ(options().aperture_wheel(), 500.0 / 7);
}

// ---------------------------------------------------------------------------
// Panel taps and commands

TEST_F(MainScreenTest, RightOfThePanelOpensTheEquipmentScreen) {
  StoreFiftyMillimetre(&data_);
  equipment_screen_ = [this] {
    // The user switched to feet there.
    data_.mutable_options()->set_units(kImperial);
    return DialogResult::kOk;
  };
  Run("tap 289 100\ndump\ntap 290 100\ndump\nsoft left\ndump\n");
  EXPECT_EQ(MainDump(0)["large_label"], "DOF:");  // 289: still the toggle
  EXPECT_EQ(MainDump(1)["distance"], "9.84 ft.");
  EXPECT_EQ(equipment_calls_, 2);
  EXPECT_EQ(Dumps()[2]["softkeys"], json({"Options...", "Exit"}));
}

TEST_F(MainScreenTest, LeavingTheEquipmentScreenWithExitEndsTheProgram) {
  StoreFiftyMillimetre(&data_);
  equipment_screen_ = [] { return DialogResult::kCancel; };
  EXPECT_EQ(Run("drag 100 240 150 240\nsoft left\ndump\n"), DialogResult::kOk);
  EXPECT_EQ(equipment_calls_, 1);
  EXPECT_TRUE(out_.str().empty());  // the dump line never ran
  EXPECT_DOUBLE_EQ(options().focal_wheel(), 50 * 100 / 480.0);
}

// ---------------------------------------------------------------------------
// Painting

TEST_F(MainScreenTest, MarkersAndTicksAreDrawnWhereTheLayoutSays) {
  StoreFiftyMillimetre(&data_);
  data_.mutable_options()->set_focal_wheel(50.0);
  Run("drag 100 470 200 470\ndump\n");
  const Image& frame = shell_->frame();
  const Colour red = Rgb(230, 0, 0);
  // Focal marker in the middle of wheel 0 (top 230): 235 .. 245, 244 .. 262.
  EXPECT_EQ(frame.ColourAt(240, 250), red);
  EXPECT_NE(frame.ColourAt(250, 250), red);
  // Distance wheel at 100: x = 15 + 100 * 450 / 480 = 108.
  EXPECT_EQ(frame.ColourAt(108, 462 + 20), red);
  EXPECT_NE(frame.ColourAt(108, 230 + 20), red);
  // The left tick of wheel 1 rises at x = 15 from its top + 5 to its top.
  EXPECT_EQ(frame.ColourAt(15, 346 + 2), Rgb(255, 255, 255));
}

TEST_F(MainScreenTest, HalfScaleDrawsTicksAtHalfPositions) {
  StoreFiftyMillimetre(&data_);
  Run("dump\n", Size{240, 320});
  const MainLayout& l = dialog_->layout();
  const Image& frame = shell_->frame();
  // The right tick stands where the marker's right end does: 240 - 7.
  for (int x : {7, 63, 176, 233}) {
    EXPECT_EQ(frame.ColourAt(x, l.wheel_tops[0] + 1), Rgb(255, 255, 255))
        << "x = " << x;
  }
  EXPECT_EQ(l.panel, (Rect{0, 0, 240, 81}));
}

// Amber as text draws it: blended with the dark ground, never grey.
bool IsAmberInk(Colour c) {
  return c.r > 100 && c.b * 3 < c.r && c.g * 5 > c.r * 2 && c.g * 5 < c.r * 4;
}

TEST_F(MainScreenTest, PastTheDiffractionLimitStripAndMarksTurnAmber) {
  // c = 0.005 mm: the limit is f/3.7, so f/8 is past it and f/2.8 is not.
  StoreFiftyMillimetre(&data_);
  data_.mutable_equipment()->mutable_cameras(0)->set_circle_of_confusion(0.005);
  Lens* lens = data_.mutable_equipment()->mutable_lenses(0);
  lens->add_apertures(8.0);
  lens->clear_distances();
  for (double metres : {0.5, 3.0, 40.0}) lens->add_distances(metres);
  data_.mutable_options()->set_aperture_wheel(100.0);  // f/8
  data_.mutable_options()->set_distance_wheel(50.0);   // 3 m
  Run("dump\n");
  ASSERT_TRUE(dialog_->diffraction());
  const Image& frame = shell_->frame();
  const MainLayout& l = dialog_->layout();
  const ZoneStrip& strip = dialog_->zone();
  const ZoneStripLayout& z = strip.layout();
  const DepthOfField& dof = dialog_->results().dof;
  auto x_of = [&](double metres) {
    return z.axis_left +
           static_cast<int>(std::lround(strip.axis().Fraction(metres) *
                                        (z.axis_right - z.axis_left)));
  };
  const Colour amber = palette::kDiffraction;

  // The band runs from the near to the far limit, in amber.
  const int band_y = (z.band_top + z.band_bottom) / 2;
  std::vector<int> band;
  for (int x = z.strip.left; x < z.strip.right; ++x) {
    if (frame.ColourAt(x, band_y) == amber) band.push_back(x);
    EXPECT_NE(frame.ColourAt(x, band_y), palette::kZoneBand) << x;
  }
  ASSERT_FALSE(band.empty());
  EXPECT_EQ(band.front(), x_of(dof.near_limit.GetValue()));
  EXPECT_EQ(band.back() + 1, x_of(dof.far_limit.GetValue()));
  // The focus line in red at 3 m, over the band.
  const int focus_x = x_of(3.0);
  EXPECT_EQ(frame.ColourAt(focus_x, z.marker_top), palette::kMarker);
  EXPECT_EQ(frame.ColourAt(focus_x, band_y), palette::kMarker);
  // The hyperfocal wedge hangs from the strip's top edge at H.
  const int h_x = x_of(dof.hyperfocal.GetValue());
  EXPECT_EQ(frame.ColourAt(h_x, z.strip.top), palette::kText);
  EXPECT_NE(frame.ColourAt(h_x - 3 * z.hyperfocal_mark, z.strip.top),
            palette::kText);
  EXPECT_NE(frame.ColourAt(h_x + 3 * z.hyperfocal_mark, z.strip.top),
            palette::kText);
  // The mark right of the aperture row.
  const Rect& row = l.caption_rects[kApertureWheel];
  EXPECT_EQ(
      frame.ColourAt(l.width - l.side_margin + 10, (row.top + row.bottom) / 2),
      amber);
  // The aperture wheel's reference values: f/2.8 at its left end and a
  // quarter, f/8 (amber) at three quarters and its right end.
  for (int slot = 0; slot < 4; ++slot) {
    // Where the text can be: its room at the side it is aligned to, above
    // the middle of the wheel.
    const ReferenceSlot& s = l.wheel_marks[kApertureWheel].slots[slot];
    const bool right = (s.format & kTextRight) != 0;
    const int left = right ? s.rect.right - s.room : s.rect.left;
    const int bottom = l.wheel_tops[kApertureWheel] + l.wheel_height / 2;
    bool amber_ink = false;
    for (int y = s.rect.top; y < bottom; ++y) {
      for (int x = left; x < left + s.room; ++x) {
        amber_ink |= IsAmberInk(frame.ColourAt(x, y));
      }
    }
    EXPECT_EQ(amber_ink, slot >= 2) << "slot " << slot;
  }
}

TEST_F(MainScreenTest, TinyScreenPaintsAndDragsWithoutFault) {
  StoreFiftyMillimetre(&data_);
  data_.mutable_options()->set_focal_wheel(1.0e300);
  EXPECT_EQ(
      Run("dump\ndrag 0 2 3 2\ndrag 3 4 0 4\ndump\nsoft right\n", Size{4, 6}),
      DialogResult::kOk);
  EXPECT_EQ(Dumps().size(), 2u);
  EXPECT_TRUE(std::isfinite(options().focal_wheel()));
}

// ---------------------------------------------------------------------------
// Partial repaints

// Runs `body` from inside the first modal loop, then closes the dialog;
// counts the frames presented in parts.
class InsideLoopBackend : public testing::FakeBackend {
 public:
  InsideLoopBackend(Size screen, std::function<void()> body)
      : FakeBackend(screen), body_(std::move(body)) {}
  bool WaitEvent(int /*timeout_ms*/, InputEvent* event) override {
    if (body_) std::exchange(body_, nullptr)();
    event->type = InputEvent::Type::kClose;
    return true;
  }
  void PresentChanged(const Image& /*frame*/,
                      const std::vector<Rect>& /*changed*/) override {
    ++partial_frames;
  }
  int partial_frames = 0;

 private:
  std::function<void()> body_;
};

// The pixels of a frame, row by row.
std::vector<uint32_t> Pixels(const Image& image) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) pixels.push_back(image.PixelAt(x, y));
  }
  return pixels;
}

// Where two frames of `width` first differ, as "x,y"; empty when equal.
std::string FirstDifference(const std::vector<uint32_t>& a,
                            const std::vector<uint32_t>& b, int width) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) {
      return std::to_string(i % width) + "," + std::to_string(i / width);
    }
  }
  return a.size() == b.size() ? "" : "size";
}

TEST_F(MainScreenTest, DragFramesPaintedInPartsEqualWholeRepaints) {
  for (const Size screen : {Size{480, 640}, Size{1200, 700}}) {
    data_ = testing::KitZoomData();
    std::mt19937 random(7);
    InsideLoopBackend* backend = nullptr;
    auto body = [&] {
      Shell& shell = Shell::Get();
      const Rect on_screen = dialog_->ScreenRect();
      auto send = [&](InputEvent::Type type, Point p) {
        backend->Advance(16);
        InputEvent event;
        event.type = type;
        event.point = p;
        shell.Dispatch(event);
      };
      for (int drag = 0; drag < 6; ++drag) {
        const Rect wheel = dialog_->layout().WheelRect(drag % kWheelCount);
        const int y = on_screen.top + (wheel.top + wheel.bottom) / 2;
        auto x = [&] {
          return on_screen.left + wheel.left +
                 static_cast<int>(random() % wheel.Width());
        };
        Point p{x(), y};
        send(InputEvent::Type::kPointerDown, p);
        for (int move = 0; move < 4; ++move) {
          p.x = x();
          send(InputEvent::Type::kPointerMove, p);
          shell.PaintFrame();
        }
        send(InputEvent::Type::kPointerUp, p);
        shell.RunPendingWork();
        const std::vector<uint32_t> parts = Pixels(shell.frame());
        dialog_->Invalidate();
        shell.PaintFrame();
        ASSERT_EQ(FirstDifference(parts, Pixels(shell.frame()), screen.width),
                  "")
            << screen.width << "x" << screen.height << ", drag " << drag;
      }
    };
    auto owned = std::make_unique<InsideLoopBackend>(screen, body);
    backend = owned.get();
    StartShell(std::move(owned));
    dialog_ = std::make_unique<CZorvanelDlg>(
        &data_, [](Window* /*parent*/) { return DialogResult::kCancel; });
    dialog_->RunModal();
    EXPECT_GT(backend->partial_frames, 0);
  }
}

}  // namespace
}  // namespace zorvanel
