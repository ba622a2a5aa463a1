#include "dialogs/label_fitting.h"

namespace zorvanel {

std::string BrokenNearMiddle(const std::string& text) {
  const size_t middle = text.size() / 2;
  const auto distance = [middle](size_t p) {
    return p > middle ? p - middle : middle - p;
  };
  size_t best = std::string::npos;
  for (size_t p = text.find(' '); p != std::string::npos;
       p = text.find(' ', p + 1)) {
    if (best == std::string::npos || distance(p) < distance(best)) best = p;
  }
  if (best == std::string::npos) return std::string();
  return text.substr(0, best) + "\r\n" + text.substr(best + 1);
}

namespace {

bool Fits(const CCustomStatic& label, const std::string& text, Size box) {
  const Size natural = label.MeasureText(nullptr, text);
  return natural.width <= box.width && natural.height <= box.height;
}

}  // namespace

void SetFittingText(CCustomStatic& label, const std::string& text, Size box) {
  label.set_style(CCustomStatic::kStyleItalic);
  if (Fits(label, text, box)) {
    label.SetText(text);
    return;
  }
  if (text.find('\n') == std::string::npos) {
    const std::string two_lines = BrokenNearMiddle(text);
    if (!two_lines.empty() && Fits(label, two_lines, box)) {
      label.SetText(two_lines);
      return;
    }
  }
  const std::string wrapped = label.WrappedToWidth(text, box.width);
  if (Fits(label, wrapped, box)) {
    label.SetText(wrapped);
    return;
  }
  label.set_style(CCustomStatic::kStyleNormal);
  label.SetText(label.WrappedToWidth(text, box.width));
}

}  // namespace zorvanel
