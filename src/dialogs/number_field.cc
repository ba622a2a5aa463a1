// The numbers typed into the value entry, asked for until they are accepted.
#include "dialogs/number_field.h"

#include "dialogs/message_box.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/decimal.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

void ReportInvalid(const std::string& why) {
  CMessageBox::Show(UiText("Invalid value"), why);
}

// Both fields as numbers, or nothing when either is not one.
std::optional<TypedPair> ReadFields(const CEditValueDlg& entry,
                                    const NumberRules& rules) {
  const std::optional<double> first =
      ReadTypedNumber(entry.text1(), rules.unit, rules.prefixes);
  if (!CEditValueDlg::HasTwoFields(entry.layout())) {
    if (!first) return std::nullopt;
    return TypedPair{*first, 0.0};
  }
  const std::optional<double> second =
      ReadTypedNumber(entry.text2(), rules.unit, rules.prefixes);
  if (!first || !second) return std::nullopt;
  return TypedPair{*first, *second};
}

}  // namespace

std::optional<TypedPair> AskNumbers(CEditValueDlg& entry,
                                    const NumberRules& rules) {
  while (entry.RunModal() == DialogResult::kOk) {
    if (rules.untouched_cancels && entry.TextsUnchanged()) break;
    const std::optional<TypedPair> typed = ReadFields(entry, rules);
    if (!typed) {
      ReportInvalid(UiText("Please enter a number."));
      continue;
    }
    const std::optional<std::string> refusal = rules.refusal(*typed);
    if (!refusal) return typed;
    ReportInvalid(*refusal);
  }
  return std::nullopt;
}

std::string TooLargeText(ValueKind kind, UnitSystem units) {
  return Tr(UiText("No value may be\r\ngreater than %1."),
            FormatValue(kind, MaximumValue(kind), units));
}

}  // namespace zorvanel
