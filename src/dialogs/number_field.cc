#include "dialogs/number_field.h"

#include "dialogs/message_box.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/decimal.h"
#include "optics/value.h"

namespace zorvanel {
namespace {

void ReportNotANumber() {
  CMessageBox::Show(UiText("Invalid value"), UiText("Please enter a number."));
}

}  // namespace

std::optional<double> ReadNumberField(const std::string& text,
                                      std::string_view unit) {
  const std::optional<double> number = ReadTypedNumber(text, unit);
  if (!number) ReportNotANumber();
  return number;
}

std::optional<TypedPair> ReadNumberFields(const std::string& text1,
                                          const std::string& text2,
                                          std::string_view unit) {
  const std::optional<double> first = ReadTypedNumber(text1, unit);
  const std::optional<double> second = ReadTypedNumber(text2, unit);
  if (!first || !second) {
    ReportNotANumber();
    return std::nullopt;
  }
  return TypedPair{*first, *second};
}

std::string FormatValue(ValueKind kind, double stored) {
  switch (kind) {
    case ValueKind::kAperture:
      return Format(ApertureValue(stored));
    case ValueKind::kDistance:
      return Format(DistanceValue(stored));
    case ValueKind::kFocal:
      break;
  }
  return Format(FocalValue(stored));
}

void ReportTooLarge(ValueKind kind) {
  CMessageBox::Show(UiText("Invalid value"),
                    Tr(UiText("No value may be\r\ngreater than %1."),
                       FormatValue(kind, MaximumValue(kind))));
}

}  // namespace zorvanel
