// The list of cameras, lenses or text rows: a name over two small notes.
#include "dialogs/camera_dyna_list.h"

#include <cstdlib>
#include <utility>

#include "controls/custom_button.h"
#include "data/names.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/value_limits.h"
#include "platform/shell.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {
namespace {

// Space between a row's texts and its edges.
constexpr int kTextInset = 5;
// Smallest size of a row's title, in quarters of the title font's size.
constexpr int kSmallestTitleQuarters = 3;
constexpr int kOpaque = 255;

}  // namespace

// -------------------------------------------------------------- row texts

ListRowTexts CameraDynaList::CameraTexts(const Camera& camera) {
  return {ShownName(camera, NameSeparator::kSpace),
          Tr(UiText("CoC %1"),
             FormatCircleOfConfusion(camera.circle_of_confusion())),
          FormatMultiplier(camera.focal_multiplier())};
}

ListRowTexts CameraDynaList::LensTexts(const Lens& lens) {
  return {ShownName(lens, NameSeparator::kSpace), FocalRangeLabel(lens),
          ApertureRangeLabel(lens)};
}

// ------------------------------------------------------------------- list

CameraDynaList::CameraDynaList() = default;
CameraDynaList::~CameraDynaList() = default;

int CameraDynaList::AddTextRow(const std::string& title,
                               const std::string& left_note,
                               const std::string& right_note, int index) {
  CameraListRow row;
  row.fixed = std::make_unique<CameraListRow::Fixed>();
  row.fixed->texts = {title, left_note, right_note};
  return InsertRow(std::move(row), index);
}

int CameraDynaList::AddCameraRow(Camera* camera, int index) {
  CameraListRow row;
  row.camera = camera;
  return InsertRow(std::move(row), index);
}

int CameraDynaList::AddLensRow(Lens* lens, int index) {
  CameraListRow row;
  row.lens = lens;
  return InsertRow(std::move(row), index);
}

void CameraDynaList::RefreshTexts(int index) {
  if (HasRow(index)) ContentChanged();
}

void CameraDynaList::SetRowIcon(int index, const ListRowIcon& icon) {
  CameraListRow* row = RowAt(index);
  if (row == nullptr || !row->fixed) return;
  row->fixed->icon = icon;
  ContentChanged();
}

ListRowTexts CameraDynaList::TextsOf(int index) const {
  const CameraListRow* row = RowAt(index);
  if (row == nullptr) return {};
  if (row->camera != nullptr) return CameraTexts(*row->camera);
  if (row->lens != nullptr) return LensTexts(*row->lens);
  return row->fixed ? row->fixed->texts : ListRowTexts{};
}

Camera* CameraDynaList::GetCamera(int index) const {
  const CameraListRow* row = RowAt(index);
  return row == nullptr ? nullptr : row->camera;
}

Lens* CameraDynaList::GetLens(int index) const {
  const CameraListRow* row = RowAt(index);
  return row == nullptr ? nullptr : row->lens;
}

void CameraDynaList::DefineRowFonts() {
  FontTable& fonts = GetFontTable();
  fonts.DefineFont(kTitleFont, {.height = -33});
  fonts.DefineFont(kNoteFont, {.height = -15});
}

void CameraDynaList::DrawRow(Canvas& canvas, const Rect& cell, int index,
                             Colour text) {
  const CameraListRow* row = RowAt(index);
  if (row == nullptr) return;
  const ListRowTexts texts = TextsOf(index);
  DefineRowFonts();
  FontTable& fonts = GetFontTable();
  const Font* title_font = fonts.GetFont(kTitleFont);
  const Font* note_font = fonts.GetFont(kNoteFont);
  // Names too long even for the smallest title size are cut at the row's
  // edges rather than drawn over the neighbouring rows.
  canvas.ClipTo(cell);
  Rect r = cell.Deflate(kTextInset, 0);
  if (row->fixed && row->fixed->icon) {
    r.left = DrawIcon(canvas, *row->fixed->icon, r);
  }
  if (title_font != nullptr) {
    // A name too wide for the row is drawn smaller, but not below three
    // quarters of the title size, which still reads at arm's length.
    const int smallest =
        (std::abs(title_font->request().height) * kSmallestTitleQuarters + 3) /
        4;
    canvas.DrawText(
        texts.title, r, kTextLeft,
        fitter_.FontFor(canvas, texts.title, *title_font, r.Width(), smallest),
        text);
  }
  r = r.Deflate(0, kTextInset);
  if (note_font != nullptr) DrawNotes(canvas, texts, r, *note_font, text);
}

int CameraDynaList::DrawIcon(Canvas& canvas, const ListRowIcon& icon,
                             const Rect& r) {
  const Bitmap* strip = GetBitmap(icon.bitmap_id);
  if (strip == nullptr || !strip->loaded()) return r.left;
  const int scale = Shell::Get().scale();
  const IconFrame frame = SelectIconFrame(
      strip->width(), icon.frame_count, icon.index, false, ButtonLook::kNormal);
  const int dw = Scaled(scale, frame.width);
  const int dh = Scaled(scale, strip->height());
  canvas.Blend(strip->image(),
               Rect::FromXYWH(frame.source_x, 0, frame.width, strip->height()),
               Rect::FromXYWH(r.left, r.top + (r.Height() - dh) / 2, dw, dh),
               kOpaque, strip->bits_per_pixel() == 32);
  return r.left + dw + kTextInset;
}

void CameraDynaList::DrawNotes(Canvas& canvas, const ListRowTexts& texts,
                               const Rect& r, const Font& font, Colour colour) {
  // The two notes share one line, kept apart by a few spaces; when together
  // they are too wide, both are drawn smaller in the same size.
  const std::string both = texts.left_note + "   " + texts.right_note;
  const Font& fitted = fitter_.FontFor(canvas, both, font, r.Width());
  canvas.DrawText(texts.left_note, r, kTextLeft | kTextBottom, fitted, colour);
  canvas.DrawText(texts.right_note, r, kTextRight | kTextBottom, fitted,
                  colour);
}

std::string CameraDynaList::SearchText(int index) const {
  return TextsOf(index).title;
}

void CameraDynaList::DescribeRow(int index, Description& row) const {
  ListRowTexts texts = TextsOf(index);
  row.Set("title", std::move(texts.title));
  row.Set("left", std::move(texts.left_note));
  row.Set("right", std::move(texts.right_note));
  row.Set("selected", index == selected_index());
}

}  // namespace zorvanel
