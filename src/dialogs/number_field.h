// The numbers typed into the value entry: read, judged and asked for again
// until they are accepted.
#ifndef ZORVANEL_DIALOGS_NUMBER_FIELD_H_
#define ZORVANEL_DIALOGS_NUMBER_FIELD_H_

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "dialogs/edit_value_dlg.h"
#include "optics/units.h"
#include "optics/value_insertion.h"

namespace zorvanel {

// The numbers in the entry's fields; `second` is 0 in the one-field layouts.
struct TypedPair {
  double first = 0.0;
  double second = 0.0;
};

// How AskNumbers reads and judges what was typed.
struct NumberRules {
  // May follow each number, ignoring case ("35 mm" where it is "mm").
  std::string_view unit;
  // One of them may come before each number ("f/" of "f/2.8").
  std::span<const std::string_view> prefixes;
  // Confirming fields that still show their first texts counts as
  // cancelling: they show a rounded copy of the stored value, which must not
  // replace it.
  bool untouched_cancels = false;
  // Why the numbers are refused (shown under "Invalid value"), or nothing
  // when they are accepted.
  std::function<std::optional<std::string>(const TypedPair&)> refusal;
};

// Runs `entry` until the user cancels (nothing) or confirms numbers that
// `rules` accept (those numbers). A field that is not a number
// (ReadTypedNumber: a decimal comma counts; a blank field is 0) is reported
// ("Please enter a number."), a refusal is shown, and either way the entry
// runs again showing what was typed.
std::optional<TypedPair> AskNumbers(CEditValueDlg& entry,
                                    const NumberRules& rules);

// Why a value above MaximumValue(kind) is refused (a distance's limit shown
// in `units`).
std::string TooLargeText(ValueKind kind, UnitSystem units);

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_NUMBER_FIELD_H_
