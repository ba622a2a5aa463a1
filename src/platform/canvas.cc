// The canvas: rectangles, pictures, lines and text drawn into an image.
#include "platform/canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/text_context.h"

namespace zorvanel {

namespace {

void SetSourceColour(cairo_t* cr, Colour c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void AddRectangle(cairo_t* cr, const Rect& r) {
  cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
}

// Calls visit(line) for every line of `text`; lines end only at "\r\n" or
// "\n".
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (true) {
    const size_t newline = text.find('\n', start);
    if (newline == std::string_view::npos) {
      visit(text.substr(start));
      return;
    }
    size_t end = newline;
    if (end > start && text[end - 1] == '\r') --end;
    visit(text.substr(start, end - start));
    start = newline + 1;
  }
}

int CountLines(std::string_view text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

const Font& DefaultFont() {
  static const Font font{FontRequest{}};
  return font;
}

// Width in whole pixels of a laid-out line drawn in `font`.
int LineWidth(const Font& font, const LineLayout& line) {
  const double width = line.width * font.x_scale() / PANGO_SCALE;
  return static_cast<int>(std::ceil(width - 1e-6));
}

// The part of src_rect that lies inside the source picture, with dest
// shrunk by the same proportion so the scale stays what the caller asked.
void ClipSourceToImage(const Image& src, Rect* src_rect, Rect* dest) {
  const Rect inside =
      src_rect->Intersect(Rect{0, 0, src.width(), src.height()});
  if (inside == *src_rect) return;
  if (inside.IsEmpty()) {
    *src_rect = Rect{};
    return;
  }
  const int sw = src_rect->Width(), sh = src_rect->Height();
  const int dw = dest->Width(), dh = dest->Height();
  const Rect scaled{dest->left + (inside.left - src_rect->left) * dw / sw,
                    dest->top + (inside.top - src_rect->top) * dh / sh,
                    dest->left + (inside.right - src_rect->left) * dw / sw,
                    dest->top + (inside.bottom - src_rect->top) * dh / sh};
  *src_rect = inside;
  *dest = scaled;
}

}  // namespace

Canvas::Canvas(Image& target)
    : target_(target),
      cr_(cairo_create(target.surface())),
      clip_{0, 0, target.width(), target.height()} {
  // Shapes stay on whole pixels; text antialiasing comes from the shared
  // context's font options and is not affected by this.
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  ApplyClip();
}

Canvas::~Canvas() { cairo_destroy(cr_); }

void Canvas::Translate(int dx, int dy) {
  origin_.x += dx;
  origin_.y += dy;
}

void Canvas::ClipTo(const Rect& r) {
  clip_ = clip_.Intersect(r.Offset(origin_.x, origin_.y));
  ApplyClip();
}

void Canvas::ApplyClip() {
  cairo_reset_clip(cr_);
  AddRectangle(cr_, clip_);
  cairo_clip(cr_);
}

void Canvas::FillRect(const Rect& r, Colour c) {
  const Rect target = r.Offset(origin_.x, origin_.y).Intersect(clip_);
  if (target.IsEmpty()) return;
  SetSourceColour(cr_, c);
  AddRectangle(cr_, target);
  cairo_fill(cr_);
}

void Canvas::FrameRect(const Rect& r, Colour c, int width) {
  if (width <= 0 || r.IsEmpty()) return;
  const int w = std::min({width, r.Width(), r.Height()});
  FillRect(Rect{r.left, r.top, r.right, r.top + w}, c);
  FillRect(Rect{r.left, r.bottom - w, r.right, r.bottom}, c);
  FillRect(Rect{r.left, r.top + w, r.left + w, r.bottom - w}, c);
  FillRect(Rect{r.right - w, r.top + w, r.right, r.bottom - w}, c);
}

void Canvas::InvertRect(const Rect& r) {
  const Rect target = r.Offset(origin_.x, origin_.y).Intersect(clip_);
  if (target.IsEmpty()) return;
  // |white - c| per channel is 255 - c on opaque pixels, and inverting
  // twice gives the original back.
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  AddRectangle(cr_, target);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Canvas::Blit(const Image& src, const Rect& src_rect, Point dest) {
  PaintImage(
      src, src_rect,
      Rect::FromXYWH(dest.x, dest.y, src_rect.Width(), src_rect.Height()),
      Compose::kCopy, 1.0, true);
}

void Canvas::Stretch(const Image& src, const Rect& src_rect, const Rect& dest) {
  PaintImage(src, src_rect, dest, Compose::kCopy, 1.0, true);
}

void Canvas::Blend(const Image& src, const Rect& src_rect, const Rect& dest,
                   int constant_alpha, bool per_pixel_alpha) {
  const int alpha = std::clamp(constant_alpha, 0, 255);
  if (alpha == 0) return;
  PaintImage(src, src_rect, dest, Compose::kOver, alpha / 255.0,
             per_pixel_alpha);
}

void Canvas::PaintImage(const Image& src, Rect src_rect, Rect dest,
                        Compose compose, double alpha, bool use_source_alpha) {
  if (src_rect.IsEmpty() || dest.IsEmpty()) return;
  ClipSourceToImage(src, &src_rect, &dest);
  if (src_rect.IsEmpty() || dest.IsEmpty()) return;
  dest = dest.Offset(origin_.x, origin_.y);
  if (dest.Intersect(clip_).IsEmpty()) return;

  // Without per-pixel alpha the source counts as opaque: an RGB24 view of
  // the same pixels ignores the alpha byte.
  cairo_surface_t* surface = src.surface();
  cairo_surface_t* opaque_view = nullptr;
  if (!use_source_alpha) {
    opaque_view = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<Image&>(src).data()),
        CAIRO_FORMAT_RGB24, src.width(), src.height(), src.stride_words() * 4);
    surface = opaque_view;
  }

  cairo_save(cr_);
  const bool scaled = src_rect.GetSize() != dest.GetSize();
  cairo_surface_t* part = nullptr;
  if (!scaled) {
    cairo_set_source_surface(cr_, surface, dest.left - src_rect.left,
                             dest.top - src_rect.top);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  } else {
    // Sampling a sub-rectangle on its own (padded at its edges) keeps the
    // neighbouring pixels of the source from bleeding in when filtering.
    part =
        cairo_surface_create_for_rectangle(surface, src_rect.left, src_rect.top,
                                           src_rect.Width(), src_rect.Height());
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(part);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(
        &matrix, static_cast<double>(src_rect.Width()) / dest.Width(),
        static_cast<double>(src_rect.Height()) / dest.Height());
    cairo_matrix_translate(&matrix, -dest.left, -dest.top);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(cr_, pattern);
    cairo_pattern_destroy(pattern);
  }
  AddRectangle(cr_, dest);
  if (compose == Compose::kCopy) {
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_fill(cr_);
  } else {
    cairo_clip(cr_);
    cairo_paint_with_alpha(cr_, alpha);
  }
  cairo_restore(cr_);
  if (part != nullptr) cairo_surface_destroy(part);
  if (opaque_view != nullptr) cairo_surface_destroy(opaque_view);
}

void Canvas::Polyline(const std::vector<Point>& points, Colour c, int width) {
  if (points.size() < 2 || clip_.IsEmpty()) return;
  const int pen = std::max(width, 1);
  // Odd widths sit on pixel centres so a one-pixel line covers exactly one
  // row or column of pixels.
  const double shift = (pen % 2 == 1) ? 0.5 : 0.0;
  cairo_save(cr_);
  SetSourceColour(cr_, c);
  cairo_set_line_width(cr_, pen);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  cairo_move_to(cr_, points[0].x + origin_.x + shift,
                points[0].y + origin_.y + shift);
  for (size_t i = 1; i < points.size(); ++i) {
    cairo_line_to(cr_, points[i].x + origin_.x + shift,
                  points[i].y + origin_.y + shift);
  }
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

const Font& Canvas::CurrentFont() const {
  return font_ != nullptr ? *font_ : DefaultFont();
}

Size Canvas::MeasureText(const std::string& text, const Font& font) {
  if (text.empty()) return Size{};
  std::string storage;
  const std::string_view valid = ValidUtf8(text, &storage);
  int width = 0;
  ForEachLine(valid, [&](std::string_view line) {
    if (line.empty()) return;
    width = std::max(width, LineWidth(font, CachedLineLayout(font, line)));
  });
  return Size{width, CountLines(valid) * font.line_height()};
}

Size Canvas::MeasureText(const std::string& text) {
  return MeasureText(text, CurrentFont());
}

void Canvas::DrawText(const std::string& text, const Rect& r, int format,
                      const Font& font, Colour colour) {
  const Rect box = r.Offset(origin_.x, origin_.y);
  const Rect visible = box.Intersect(clip_);
  if (text.empty() || visible.IsEmpty()) return;
  std::string storage;
  const std::string_view valid = ValidUtf8(text, &storage);

  const int line_height = font.line_height();
  const int block_height = CountLines(valid) * line_height;
  int y = box.top;
  if (format & kTextBottom) {
    y = box.bottom - block_height;
  } else if (format & kTextVCentre) {
    y = box.top + (box.Height() - block_height) / 2;
  }

  cairo_save(cr_);
  AddRectangle(cr_, visible);
  cairo_clip(cr_);
  SetSourceColour(cr_, colour);
  ForEachLine(valid, [&](std::string_view line) {
    const int line_top = y;
    y += line_height;
    if (line.empty() || line_top >= visible.bottom ||
        line_top + line_height <= visible.top) {
      return;
    }
    const LineLayout& laid_out = CachedLineLayout(font, line);
    int x = box.left;
    if (format & (kTextCentre | kTextRight)) {
      const int width = LineWidth(font, laid_out);
      x = (format & kTextRight) ? box.right - width
                                : box.left + (box.Width() - width) / 2;
    }
    // Lines sit one line height apart with the baseline at the font's
    // ascent, whatever fallback faces a line needed.
    const int top = line_top + font.ascent() - laid_out.baseline / PANGO_SCALE;
    if (font.x_scale() == 1.0) {
      cairo_move_to(cr_, x, top);
      pango_cairo_show_layout(cr_, laid_out.layout);
    } else {
      cairo_save(cr_);
      cairo_translate(cr_, x, top);
      cairo_scale(cr_, font.x_scale(), 1.0);
      cairo_move_to(cr_, 0, 0);
      pango_cairo_show_layout(cr_, laid_out.layout);
      cairo_restore(cr_);
    }
  });
  cairo_restore(cr_);
}

Canvas::ScopedState::ScopedState(Canvas& canvas)
    : canvas_(canvas),
      origin_(canvas.origin_),
      clip_(canvas.clip_),
      font_(canvas.font_) {}

Canvas::ScopedState::~ScopedState() {
  canvas_.origin_ = origin_;
  canvas_.font_ = font_;
  if (canvas_.clip_ != clip_) {
    canvas_.clip_ = clip_;
    canvas_.ApplyClip();
  }
}

}  // namespace zorvanel
