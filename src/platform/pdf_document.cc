// A document to print: pages drawn with Cairo's PDF surface in the program's
// faces, kept in memory until finished.
#include "platform/pdf_document.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <cstring>

#include "platform/font.h"
#include "platform/text_context.h"

namespace zorvanel {
namespace {

// The size the first page starts with; StartPage sets the real one.
constexpr double kA4Width = 595.276;
constexpr double kA4Height = 841.89;

cairo_status_t AppendBytes(void* closure, const unsigned char* data,
                           unsigned int length) {
  static_cast<std::string*>(closure)->append(
      reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The style's bytes, then the text: one key per laid-out line.
std::string LayoutKey(std::string_view text, const PrintStyle& style) {
  std::string key(sizeof style.points, '\0');
  std::memcpy(key.data(), &style.points, sizeof style.points);
  key += style.bold ? 'b' : 'r';
  key += style.face;
  key += '\0';
  key += text;
  return key;
}

}  // namespace

PdfDocument::PdfDocument() {
  // The program's own font files are made known to fontconfig there.
  static_cast<void>(SharedTextContext());
  surface_ = cairo_pdf_surface_create_for_stream(AppendBytes, &bytes_, kA4Width,
                                                 kA4Height);
  cr_ = cairo_create(surface_);
  context_ = pango_cairo_create_context(cr_);
  // Unhinted and unrounded: glyphs stand where the face puts them, so a text
  // is as wide on paper at every size (whole-point advances space letters
  // unevenly at small sizes).
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_context_set_round_glyph_positions(context_, FALSE);
}

PdfDocument::~PdfDocument() {
  for (auto& [key, layout] : layouts_) g_object_unref(layout);
  if (context_ != nullptr) g_object_unref(context_);
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

void PdfDocument::StartPage(double width, double height) {
  if (page_started_) cairo_show_page(cr_);
  cairo_pdf_surface_set_size(surface_, width, height);
  page_started_ = true;
}

PangoLayout* PdfDocument::Layout(std::string_view text,
                                 const PrintStyle& style) {
  std::string key = LayoutKey(text, style);
  auto found = layouts_.find(key);
  if (found != layouts_.end()) return found->second;
  PangoLayout* layout = pango_layout_new(context_);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font,
                                    Font::ResolveFace(style.face).c_str());
  pango_font_description_set_weight(
      font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(font, style.points * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  std::string storage;
  const std::string_view valid = ValidUtf8(text, &storage);
  pango_layout_set_text(layout, valid.data(), static_cast<int>(valid.size()));
  layouts_.emplace(std::move(key), layout);
  return layout;
}

double PdfDocument::TextWidth(std::string_view text, const PrintStyle& style) {
  PangoRectangle logical;
  pango_layout_get_extents(Layout(text, style), nullptr, &logical);
  return static_cast<double>(logical.width) / PANGO_SCALE;
}

double PdfDocument::LineHeight(const PrintStyle& style) {
  PangoRectangle logical;
  pango_layout_get_extents(Layout("Hg", style), nullptr, &logical);
  return static_cast<double>(logical.height) / PANGO_SCALE;
}

void PdfDocument::DrawText(std::string_view text, const PrintStyle& style,
                           double x, double top, double width,
                           PrintAlign align) {
  if (text.empty()) return;
  PangoLayout* layout = Layout(text, style);
  double left = x;
  if (align != PrintAlign::kLeft) {
    const double room = width - TextWidth(text, style);
    left += align == PrintAlign::kCentre ? room / 2 : room;
  }
  cairo_move_to(cr_, left, top);
  pango_cairo_show_layout(cr_, layout);
}

void PdfDocument::SetColour(Colour colour) {
  cairo_set_source_rgb(cr_, colour.r / 255.0, colour.g / 255.0,
                       colour.b / 255.0);
}

void PdfDocument::FillRect(double x, double y, double width, double height,
                           Colour colour) {
  SetColour(colour);
  cairo_rectangle(cr_, x, y, width, height);
  cairo_fill(cr_);
  SetColour(Rgb(0, 0, 0));
}

void PdfDocument::DrawLine(double x1, double y1, double x2, double y2,
                           double thickness, Colour colour) {
  SetColour(colour);
  cairo_set_line_width(cr_, thickness);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  cairo_stroke(cr_);
  SetColour(Rgb(0, 0, 0));
}

Expected<std::string> PdfDocument::Finish() {
  if (page_started_) cairo_show_page(cr_);
  cairo_surface_finish(surface_);
  const cairo_status_t status = cairo_surface_status(surface_);
  if (status != CAIRO_STATUS_SUCCESS) {
    return Status::Failure(std::string("cannot make the PDF: ") +
                           cairo_status_to_string(status));
  }
  return std::move(bytes_);
}

}  // namespace zorvanel
