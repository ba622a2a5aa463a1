// Screen sizes: which ones the program lays out, the window's default, WxH.
#include "platform/screen_size.h"

#include <algorithm>
#include <charconv>

namespace zorvanel {
namespace {

std::optional<int> ParseSide(std::string_view text) {
  int value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool SidesInRange(Size screen) {
  const auto in_range = [](int side) {
    return side >= kMinScreenSide && side <= kMaxScreenSide;
  };
  return in_range(screen.width) && in_range(screen.height);
}

}  // namespace

std::string ScreenSizeProblem(Size screen) {
  if (!SidesInRange(screen)) {
    return "outside the accepted sizes: each side must be " +
           std::to_string(kMinScreenSide) + " to " +
           std::to_string(kMaxScreenSide) + " pixels";
  }
  return std::string();
}

Size DefaultScreenSize(Size usable) {
  Size best{kReferenceWidth, kReferenceHeight};
  // Quarter steps: 1, 1.25, 1.5, then 2.
  for (int quarters : {4, 5, 6, 8}) {
    const Size candidate{kReferenceWidth * quarters / 4,
                         kReferenceHeight * quarters / 4};
    if (candidate.width * 10 <= usable.width * 9 &&
        candidate.height * 10 <= usable.height * 9) {
      best = candidate;
    }
  }
  return best;
}

Size ClampedScreenSize(Size screen) {
  return Size{std::clamp(screen.width, kMinScreenSide, kMaxScreenSide),
              std::clamp(screen.height, kMinScreenSide, kMaxScreenSide)};
}

Expected<Size> ParseScreenSize(std::string_view text) {
  std::optional<int> w;
  std::optional<int> h;
  if (const size_t x = text.find('x'); x != std::string_view::npos) {
    w = ParseSide(text.substr(0, x));
    h = ParseSide(text.substr(x + 1));
  }
  if (!w || !h) {
    return Status::Failure(
        "the screen size must be WIDTHxHEIGHT in pixels, "
        "not \"" +
        std::string(text) + "\"");
  }
  const Size screen{*w, *h};
  const std::string problem = ScreenSizeProblem(screen);
  if (!problem.empty()) {
    return Status::Failure("the screen " + std::string(text) + " is " +
                           problem);
  }
  return screen;
}

}  // namespace zorvanel
