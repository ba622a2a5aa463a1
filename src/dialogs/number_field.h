#ifndef ZORVANEL_DIALOGS_NUMBER_FIELD_H_
#define ZORVANEL_DIALOGS_NUMBER_FIELD_H_

#include <optional>
#include <string>
#include <string_view>

#include "optics/value_insertion.h"

namespace zorvanel {

// The number typed into a field of the value entry (ReadTypedNumber: a
// decimal comma counts, `unit` may follow). A text that is not a number is
// reported at once ("Invalid value", "Please enter a number.") and gives
// std::nullopt; the caller then runs the entry again.
std::optional<double> ReadNumberField(const std::string& text,
                                      std::string_view unit = {});

// Both fields of a two-field entry, reported as one: std::nullopt when
// either is not a number.
struct TypedPair {
  double first = 0.0;
  double second = 0.0;
};
std::optional<TypedPair> ReadNumberFields(const std::string& text1,
                                          const std::string& text2,
                                          std::string_view unit = {});

// A stored value printed as the lists show it ("50 mm", "f/2.8", "1.5 m").
std::string FormatValue(ValueKind kind, double stored);
// Reports a value above MaximumValue(kind) ("Invalid value"); the caller
// then runs the entry again.
void ReportTooLarge(ValueKind kind);

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_NUMBER_FIELD_H_
