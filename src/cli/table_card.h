// Depth-of-field tables drawn as a card to print (PDF).
#ifndef ZORVANEL_CLI_TABLE_CARD_H_
#define ZORVANEL_CLI_TABLE_CARD_H_

#include <span>
#include <string>

#include "cli/command_args.h"
#include "cli/command_kit.h"
#include "cli/dof_table.h"
#include "platform/status.h"

namespace zorvanel {

// The smallest and the largest size of the tables' text, in points: a table
// that needs smaller text to fit its page is split over several pages, each
// piece at least this size.
inline constexpr double kSmallestCardPoints = 6.0;
inline constexpr double kLargestCardPoints = 9.0;

// The PDF of the tables on `paper`: every page has a header (camera, lens,
// circle of confusion, units, `date`) and one table, or a piece of one, that
// fits the page: upright or across, its text as large as fits up to
// kLargestCardPoints. Each focus distance's cell gives the near limit above
// the far one; the hyperfocal row is shaded and gives the hyperfocal
// distance above its near limit; f-numbers at or past the diffraction limit
// are amber, with a note of the limit under the table.
Expected<std::string> DrawTableCard(const CommandKit& kit,
                                    std::span<const DofTable> tables,
                                    Paper paper, const std::string& date);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_TABLE_CARD_H_
