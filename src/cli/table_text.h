// The texts of a depth-of-field table, and the table as text for a terminal
// and as CSV for a spreadsheet.
#ifndef ZORVANEL_CLI_TABLE_TEXT_H_
#define ZORVANEL_CLI_TABLE_TEXT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_kit.h"
#include "cli/dof_table.h"

namespace zorvanel {

// What a table stands for: "∞" in every table, whatever the language.
inline constexpr char kInfinitySign[] = "\xE2\x88\x9E";  // U+221E
inline constexpr char kRangeDash[] = " \xE2\x80\x93 ";   // U+2013

// A distance as the main screen prints it, "∞" for infinity.
std::string LimitText(const DistanceValue& distance, UnitSystem units);
// "2.73 m – 3.33 m".
std::string LimitsText(const DepthOfField& dof, UnitSystem units);

// The lines that say what the tables are for: camera, lens, circle of
// confusion, units.
std::vector<std::string> KitLines(const CommandKit& kit);
// "Focal: 18 mm (29 mm eq.)".
std::string FocalTitle(const DofTable& table, const CommandKit& kit);
// "Diffraction from f/13.4"; empty without a limit.
std::string DiffractionNote(const DofTable& table);

// The tables aligned in columns (UTF-8): the kit's lines, then for each
// focal length its title, a row of f-numbers (those at or past the
// diffraction limit marked '*'), a row per focus distance with the near and
// far limits, and the hyperfocal row ("6.44 m: 3.22 m – ∞").
std::string FormatTableText(const CommandKit& kit,
                            std::span<const DofTable> tables);

// One header row, then one row per cell: camera, lens, circle of confusion,
// focal length, f-number, which row ("distance" or "hyperfocal"), focus
// distance, near and far limit and hyperfocal distance; numbers plain, in
// millimetres and metres, each the shortest that reads back as the number
// computed; an empty far limit for infinity. RFC 4180: CRLF line ends,
// fields quoted where they must be.
std::string FormatTableCsv(const CommandKit& kit,
                           std::span<const DofTable> tables);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
// The fields joined by commas, each quoted as it must be, and CRLF.
std::string CsvRow(std::span<const std::string> fields);
// A number the shortest way that reads back exactly, without an exponent;
// empty for NaN and infinities.
std::string PlainNumber(double x);
// A distance for the CSV: PlainNumber, empty for infinity (negative).
std::string Metres(double x);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_TABLE_TEXT_H_
