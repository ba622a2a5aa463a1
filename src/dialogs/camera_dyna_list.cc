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

// -------------------------------------------------------------- row kinds

CameraDynaList::CBaseItem::CBaseItem(const std::string& title,
                                     const std::string& left_note,
                                     const std::string& right_note)
    : title_(title), left_note_(left_note), right_note_(right_note) {}

CameraDynaList::CBaseItem::~CBaseItem() = default;

void CameraDynaList::CBaseItem::SetTexts(const std::string& title,
                                         const std::string& left_note,
                                         const std::string& right_note) {
  title_ = title;
  left_note_ = left_note;
  right_note_ = right_note;
}

CameraDynaList::CCameraItem::CCameraItem(Camera* camera)
    : CBaseItem("", "", ""), camera_(camera) {
  RefreshTexts();
}

CameraDynaList::CCameraItem::CCameraItem(std::unique_ptr<Camera> camera)
    : CBaseItem("", "", ""), owned_(std::move(camera)), camera_(owned_.get()) {
  RefreshTexts();
}

CameraDynaList::CCameraItem::~CCameraItem() = default;

void CameraDynaList::CCameraItem::RefreshTexts() {
  if (camera_ == nullptr) return;
  std::string title, left, right;
  CameraTexts(*camera_, &title, &left, &right);
  SetTexts(title, left, right);
}

CameraDynaList::CLensItem::CLensItem(Lens* lens)
    : CBaseItem("", "", ""), accessor_(lens) {
  RefreshTexts();
}

CameraDynaList::CLensItem::~CLensItem() = default;

void CameraDynaList::CLensItem::RefreshTexts() {
  if (accessor_.lens() == nullptr) return;
  std::string title, left, right;
  LensTexts(accessor_, &title, &left, &right);
  SetTexts(title, left, right);
}

void CameraDynaList::CameraTexts(const Camera& camera, std::string* title,
                                 std::string* left_note,
                                 std::string* right_note) {
  *title = ShownName(camera, NameSeparator::kSpace);
  *left_note = Tr(UiText("CoC %1"),
                  FormatCircleOfConfusion(camera.circle_of_confusion()));
  *right_note = FormatMultiplier(camera.focal_multiplier());
}

void CameraDynaList::LensTexts(const LensAccessor& lens, std::string* title,
                               std::string* left_note,
                               std::string* right_note) {
  *title = ShownName(*lens.lens(), NameSeparator::kSpace);
  *left_note = FocalRangeLabel(*lens.lens());
  *right_note = ApertureRangeLabel(*lens.lens());
}

// ------------------------------------------------------------------- list

CameraDynaList::CameraDynaList() = default;
CameraDynaList::~CameraDynaList() = default;

int CameraDynaList::AddTextRow(const std::string& title,
                               const std::string& left_note,
                               const std::string& right_note, int index) {
  return InsertItem(std::make_unique<CBaseItem>(title, left_note, right_note),
                    index);
}

int CameraDynaList::AddCameraRow(Camera* camera, int index) {
  return InsertItem(std::make_unique<CCameraItem>(camera), index);
}

int CameraDynaList::AddLensRow(Lens* lens, int index) {
  return InsertItem(std::make_unique<CLensItem>(lens), index);
}

void CameraDynaList::RefreshTexts(int index) {
  CBaseItem* row = GetRow(index);
  if (row == nullptr) return;
  row->RefreshTexts();
  ContentChanged();
}

CameraDynaList::CBaseItem* CameraDynaList::GetRow(int index) const {
  return dynamic_cast<CBaseItem*>(GetItem(index));
}

CameraDynaList::CCameraItem* CameraDynaList::GetCameraRow(int index) const {
  return dynamic_cast<CCameraItem*>(GetItem(index));
}

CameraDynaList::CLensItem* CameraDynaList::GetLensRow(int index) const {
  return dynamic_cast<CLensItem*>(GetItem(index));
}

Camera* CameraDynaList::GetCamera(int index) const {
  const CCameraItem* row = GetCameraRow(index);
  return row == nullptr ? nullptr : row->camera();
}

Lens* CameraDynaList::GetLens(int index) const {
  const CLensItem* row = GetLensRow(index);
  return row == nullptr ? nullptr : row->lens();
}

void CameraDynaList::DefineRowFonts() {
  FontTable& fonts = GetFontTable();
  fonts.DefineFont(kTitleFont, {.height = -33});
  fonts.DefineFont(kNoteFont, {.height = -15});
}

void CameraDynaList::DrawRow(Canvas& canvas, const Rect& cell, int index,
                             Colour text) {
  const CBaseItem* row = GetRow(index);
  if (row == nullptr) return;
  DefineRowFonts();
  FontTable& fonts = GetFontTable();
  const Font* title_font = fonts.GetFont(kTitleFont);
  const Font* note_font = fonts.GetFont(kNoteFont);
  // Names too long even for the smallest title size are cut at the row's
  // edges rather than drawn over the neighbouring rows.
  canvas.ClipTo(cell);
  Rect r = cell.Deflate(kTextInset, 0);
  if (row->icon()) r.left = DrawIcon(canvas, *row->icon(), r);
  if (title_font != nullptr) {
    // A name too wide for the row is drawn smaller, but not below three
    // quarters of the title size, which still reads at arm's length.
    const int smallest =
        (std::abs(title_font->request().height) * kSmallestTitleQuarters + 3) /
        4;
    canvas.DrawText(
        row->title(), r, kTextLeft,
        fitter_.FontFor(canvas, row->title(), *title_font, r.Width(), smallest),
        text);
  }
  r = r.Deflate(0, kTextInset);
  if (note_font != nullptr) DrawNotes(canvas, *row, r, *note_font, text);
}

int CameraDynaList::DrawIcon(Canvas& canvas, const CBaseItem::Icon& icon,
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

void CameraDynaList::DrawNotes(Canvas& canvas, const CBaseItem& row,
                               const Rect& r, const Font& font, Colour colour) {
  // The two notes share one line, kept apart by a few spaces; when together
  // they are too wide, both are drawn smaller in the same size.
  const std::string both = row.left_note() + "   " + row.right_note();
  const Font& fitted = fitter_.FontFor(canvas, both, font, r.Width());
  canvas.DrawText(row.left_note(), r, kTextLeft | kTextBottom, fitted, colour);
  canvas.DrawText(row.right_note(), r, kTextRight | kTextBottom, fitted,
                  colour);
}

std::string CameraDynaList::SearchText(int index) const {
  const CBaseItem* item = GetRow(index);
  return item != nullptr ? item->title() : std::string();
}

void CameraDynaList::DescribeRow(int index, Description& row) const {
  const CBaseItem* item = GetRow(index);
  row.Set("title", item != nullptr ? item->title() : std::string());
  row.Set("left", item != nullptr ? item->left_note() : std::string());
  row.Set("right", item != nullptr ? item->right_note() : std::string());
  row.Set("selected", index == selected_index());
}

}  // namespace zorvanel
