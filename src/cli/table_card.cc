// Depth-of-field tables drawn as a card to print (PDF).
#include "cli/table_card.h"

#include <algorithm>
#include <vector>

#include "cli/table_text.h"
#include "i18n/translated_string.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "platform/palette.h"
#include "platform/pdf_document.h"

namespace zorvanel {
namespace {

constexpr double kMargin = 36;  // half an inch
// Table texts are measured at this size; every length scales with the size.
constexpr double kReferencePoints = 10;
// Room around a cell's text, as a share of the text's size.
constexpr double kSidePad = 0.35;
constexpr double kEndPad = 0.2;

constexpr Colour kText = Rgb(0, 0, 0);
constexpr Colour kTitleShade = Rgb(225, 225, 225);
constexpr Colour kRowShade = Rgb(243, 243, 243);
constexpr Colour kHyperfocalShade = Rgb(214, 232, 248);
constexpr Colour kDiffractionTint = Rgb(255, 236, 200);
constexpr Colour kGrid = Rgb(160, 160, 160);

struct PageSize {
  double width, height;
};

PageSize PaperSize(Paper paper, bool across) {
  const PageSize upright =
      paper == Paper::kA4 ? PageSize{595.276, 841.89} : PageSize{612, 792};
  return across ? PageSize{upright.height, upright.width} : upright;
}

PrintStyle Style(double points, bool bold = false) {
  PrintStyle style;
  style.points = points;
  style.bold = bold;
  return style;
}

// Which rows and columns of a table one page shows, at what size.
struct Piece {
  int first_row, rows, first_column, columns;
};

// How a table is laid out: its pages' orientation, its text size, and in
// how many pieces its rows and its columns are cut.
struct CardLayout {
  bool across = false;
  double points = 0;
  int row_cuts = 1, column_cuts = 1;
  int Pages() const { return row_cuts * column_cuts; }
};

int PerPiece(int count, int cuts) { return (count + cuts - 1) / cuts; }

class CardWriter {
 public:
  CardWriter(const CommandKit& kit, Paper paper, std::string date)
      : kit_(kit), paper_(paper), date_(std::move(date)) {}

  void AddTable(const DofTable& table);
  Expected<std::string> Finish() { return document_.Finish(); }

 private:
  // Widths at the reference size: the row titles, the widest cell.
  void Measure(const DofTable& table);
  // Width and height of a piece at `points`.
  double Width(int columns, double points) const;
  double Height(int rows, double points) const;
  // The room a table has on a page: the page less margins, header and note.
  PageSize Room(bool across) const;
  CardLayout Fit(const DofTable& table, bool across) const;
  CardLayout Choose(const DofTable& table) const;

  double DrawHeader(const PageSize& page, const std::string& title);
  void DrawPiece(const DofTable& table, const Piece& piece, double points,
                 double left, double top);
  void DrawRow(const DofTable& table, const Piece& piece, double points,
               double left, double top, int row);
  void DrawNote(const DofTable& table, double left, double top);

  const CommandKit& kit_;
  const Paper paper_;
  const std::string date_;
  PdfDocument document_;
  double label_width_ = 0, column_width_ = 0, line_ = 0;
  double header_height_ = 0, note_height_ = 0;
};

void CardWriter::Measure(const DofTable& table) {
  const PrintStyle regular = Style(kReferencePoints);
  const PrintStyle bold = Style(kReferencePoints, true);
  line_ = document_.LineHeight(regular);
  header_height_ = 2 * document_.LineHeight(Style(10, true)) * 1.2 +
                   document_.LineHeight(Style(12, true)) * 1.6;
  note_height_ = document_.LineHeight(Style(9)) * 2;
  label_width_ =
      std::max(document_.TextWidth(Translate(UiText("Distance:")), bold),
               document_.TextWidth(Translate(UiText("Hyperfocal")), bold));
  for (const DistanceValue& distance : table.distances) {
    label_width_ =
        std::max(label_width_,
                 document_.TextWidth(LimitText(distance, kit_.units), bold));
  }
  column_width_ = 0;
  auto widen = [&](const std::string& text, const PrintStyle& style) {
    column_width_ = std::max(column_width_, document_.TextWidth(text, style));
  };
  for (size_t c = 0; c < table.apertures.size(); ++c) {
    widen(Format(table.apertures[c]), bold);
    for (const auto& row : table.cells) {
      widen(LimitText(row[c].near_limit, kit_.units), regular);
      widen(LimitText(row[c].far_limit, kit_.units), regular);
    }
    widen(LimitText(table.hyperfocal[c].hyperfocal, kit_.units), bold);
    widen(LimitsText(table.hyperfocal[c], kit_.units), regular);
  }
}

double CardWriter::Width(int columns, double points) const {
  const double scale = points / kReferencePoints;
  return scale * (label_width_ + columns * column_width_) +
         2 * kSidePad * points * (columns + 1);
}

double CardWriter::Height(int rows, double points) const {
  const double line = line_ * points / kReferencePoints;
  const double pad = 2 * kEndPad * points;
  // The f-numbers' row, the distances' rows and the hyperfocal row.
  return (line + pad) + (rows + 1) * (2 * line + pad);
}

PageSize CardWriter::Room(bool across) const {
  const PageSize page = PaperSize(paper_, across);
  return {page.width - 2 * kMargin,
          page.height - 2 * kMargin - header_height_ - note_height_};
}

CardLayout CardWriter::Fit(const DofTable& table, bool across) const {
  const PageSize room = Room(across);
  const int columns = static_cast<int>(table.apertures.size());
  const int rows = static_cast<int>(table.distances.size());
  CardLayout layout;
  layout.across = across;
  auto fits_across = [&](int cuts) {
    return Width(PerPiece(columns, cuts), kSmallestCardPoints) <= room.width;
  };
  auto fits_down = [&](int cuts) {
    return Height(PerPiece(rows, cuts), kSmallestCardPoints) <= room.height;
  };
  while (layout.column_cuts < columns && !fits_across(layout.column_cuts)) {
    ++layout.column_cuts;
  }
  while (layout.row_cuts < rows && !fits_down(layout.row_cuts)) {
    ++layout.row_cuts;
  }
  const int piece_columns = PerPiece(columns, layout.column_cuts);
  const int piece_rows = PerPiece(std::max(rows, 1), layout.row_cuts);
  // Both lengths grow in proportion to the size.
  layout.points =
      std::min({kLargestCardPoints, room.width / Width(piece_columns, 1.0),
                room.height / Height(piece_rows, 1.0)});
  return layout;
}

CardLayout CardWriter::Choose(const DofTable& table) const {
  const CardLayout upright = Fit(table, false);
  const CardLayout across = Fit(table, true);
  if (across.Pages() != upright.Pages()) {
    return across.Pages() < upright.Pages() ? across : upright;
  }
  return across.points > upright.points ? across : upright;
}

void CardWriter::AddTable(const DofTable& table) {
  Measure(table);
  const CardLayout layout = Choose(table);
  const int rows = static_cast<int>(table.distances.size());
  const int columns = static_cast<int>(table.apertures.size());
  const int rows_each = PerPiece(std::max(rows, 1), layout.row_cuts);
  const int columns_each = PerPiece(columns, layout.column_cuts);
  const PageSize page = PaperSize(paper_, layout.across);
  int page_number = 0;
  for (int first_row = 0; first_row < std::max(rows, 1);
       first_row += rows_each) {
    for (int first_column = 0; first_column < columns;
         first_column += columns_each) {
      const Piece piece{first_row, std::min(rows_each, rows - first_row),
                        first_column,
                        std::min(columns_each, columns - first_column)};
      document_.StartPage(page.width, page.height);
      std::string title = FocalTitle(table, kit_);
      if (layout.Pages() > 1) {
        title += "   " + std::to_string(++page_number) + "/" +
                 std::to_string(layout.Pages());
      }
      const double top = DrawHeader(page, title);
      const double width = Width(piece.columns, layout.points);
      const double left = (page.width - width) / 2;
      DrawPiece(table, piece, layout.points, left, top);
      DrawNote(table, left,
               top + Height(std::max(piece.rows, 0), layout.points) + 6);
    }
  }
}

double CardWriter::DrawHeader(const PageSize& page, const std::string& title) {
  const std::vector<std::string> kit = KitLines(kit_);
  // Camera over circle of confusion, lens over units and date.
  const std::string cells[2][2] = {{kit[0], kit[1]},
                                   {kit[2], kit[3] + "      " + date_}};
  const PrintStyle styles[2] = {Style(10, true), Style(10)};
  const double gap = 24;
  double first = 0, second = 0;
  for (int line = 0; line < 2; ++line) {
    first = std::max(first, document_.TextWidth(cells[line][0], styles[line]));
    second =
        std::max(second, document_.TextWidth(cells[line][1], styles[line]));
  }
  // Long names make the header smaller rather than run off the page.
  const double room = page.width - 2 * kMargin;
  const double scale = std::min(1.0, room / (first + gap + second));
  double top = kMargin;
  for (int line = 0; line < 2; ++line) {
    const PrintStyle style = Style(10 * scale, styles[line].bold);
    document_.DrawText(cells[line][0], style, kMargin, top);
    document_.DrawText(cells[line][1], style, kMargin + (first + gap) * scale,
                       top);
    top += document_.LineHeight(Style(10, true)) * 1.2;
  }
  top += document_.LineHeight(Style(12, true)) * 0.3;
  document_.DrawText(title, Style(12, true), kMargin, top);
  return top + document_.LineHeight(Style(12, true)) * 1.3;
}

void CardWriter::DrawPiece(const DofTable& table, const Piece& piece,
                           double points, double left, double top) {
  const double line = line_ * points / kReferencePoints;
  const double side = kSidePad * points;
  const double label = label_width_ * points / kReferencePoints + 2 * side;
  const double column = column_width_ * points / kReferencePoints + 2 * side;
  const double title_height = line + 2 * kEndPad * points;
  const double width = Width(piece.columns, points);
  const PrintStyle bold = Style(points, true);
  document_.FillRect(left, top, width, title_height, kTitleShade);
  document_.DrawText(Translate(UiText("Distance:")), bold, left + side,
                     top + kEndPad * points);
  for (int c = 0; c < piece.columns; ++c) {
    const int index = piece.first_column + c;
    const double x = left + label + c * column;
    if (table.PastDiffraction(index)) {
      document_.FillRect(x, top, column, title_height, palette::kDiffraction);
    }
    document_.DrawText(Format(table.apertures[index]), bold, x,
                       top + kEndPad * points, column, PrintAlign::kCentre);
  }
  double y = top + title_height;
  const double row_height = 2 * line + 2 * kEndPad * points;
  for (int r = 0; r <= piece.rows; ++r) {
    // The hyperfocal row ends every piece.
    const int row = r < piece.rows ? piece.first_row + r : -1;
    DrawRow(table, piece, points, left, y, row);
    document_.DrawLine(left, y, left + width, y, 0.3, kGrid);
    y += row_height;
  }
  document_.DrawLine(left + label, top, left + label, y, 0.3, kGrid);
  for (const double edge : {top, y}) {
    document_.DrawLine(left, edge, left + width, edge, 0.6, kText);
  }
  for (const double edge : {left, left + width}) {
    document_.DrawLine(edge, top, edge, y, 0.6, kText);
  }
}

void CardWriter::DrawRow(const DofTable& table, const Piece& piece,
                         double points, double left, double top, int row) {
  const double line = line_ * points / kReferencePoints;
  const double side = kSidePad * points;
  const double label = label_width_ * points / kReferencePoints + 2 * side;
  const double column = column_width_ * points / kReferencePoints + 2 * side;
  const double height = 2 * line + 2 * kEndPad * points;
  const bool hyperfocal = row < 0;
  const PrintStyle regular = Style(points);
  const PrintStyle bold = Style(points, true);
  const double width = Width(piece.columns, points);
  if (hyperfocal) {
    document_.FillRect(left, top, width, height, kHyperfocalShade);
  } else if ((row - piece.first_row) % 2 == 1) {
    document_.FillRect(left, top, width, height, kRowShade);
  }
  document_.DrawText(hyperfocal ? Translate(UiText("Hyperfocal"))
                                : LimitText(table.distances[row], kit_.units),
                     bold, left + side, top + height / 2 - line / 2);
  const double first_line = top + kEndPad * points;
  for (int c = 0; c < piece.columns; ++c) {
    const int index = piece.first_column + c;
    const double x = left + label + c * column;
    if (!hyperfocal && table.PastDiffraction(index)) {
      document_.FillRect(x, top, column, height, kDiffractionTint);
    }
    if (hyperfocal) {
      const DepthOfField& dof = table.hyperfocal[index];
      document_.DrawText(LimitText(dof.hyperfocal, kit_.units), bold, x,
                         first_line, column, PrintAlign::kCentre);
      document_.DrawText(LimitsText(dof, kit_.units), regular, x,
                         first_line + line, column, PrintAlign::kCentre);
      continue;
    }
    const DepthOfField& dof = table.cells[row][index];
    document_.DrawText(LimitText(dof.near_limit, kit_.units), regular, x,
                       first_line, column, PrintAlign::kCentre);
    document_.DrawText(LimitText(dof.far_limit, kit_.units), regular, x,
                       first_line + line, column, PrintAlign::kCentre);
  }
}

void CardWriter::DrawNote(const DofTable& table, double left, double top) {
  const std::string note = DiffractionNote(table);
  if (note.empty()) return;
  const PrintStyle style = Style(9);
  const double line = document_.LineHeight(style);
  document_.FillRect(left, top, line, line, palette::kDiffraction);
  document_.DrawText(note, style, left + line * 1.5, top);
}

}  // namespace

Expected<std::string> DrawTableCard(const CommandKit& kit,
                                    std::span<const DofTable> tables,
                                    Paper paper, const std::string& date) {
  CardWriter writer(kit, paper, date);
  for (const DofTable& table : tables) writer.AddTable(table);
  return writer.Finish();
}

}  // namespace zorvanel
