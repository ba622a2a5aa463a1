// Fits a comment into its label: italic, wrapped, or smaller when too wide.
#include "dialogs/label_fitting.h"

namespace zorvanel {

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
  const std::string wrapped = label.WrappedToWidth(text, box.width);
  if (Fits(label, wrapped, box)) {
    label.SetText(wrapped);
    return;
  }
  label.set_style(CCustomStatic::kStyleNormal);
  label.SetText(label.WrappedToWidth(text, box.width));
}

}  // namespace zorvanel
