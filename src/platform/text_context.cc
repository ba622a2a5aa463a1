#include "platform/text_context.h"

#include <cairo.h>
#include <glib.h>
#include <pango/pangocairo.h>

namespace zorvanel {

PangoContext* SharedTextContext() {
  // Lives for the whole process, like the font map it belongs to.
  static PangoContext* const context = [] {
    PangoContext* created =
        pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(created, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(created, TRUE);
    return created;
  }();
  return context;
}

std::string_view ValidUtf8(std::string_view text, std::string* storage) {
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    return text;
  }
  gchar* repaired =
      g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  storage->assign(repaired);
  g_free(repaired);
  return *storage;
}

}  // namespace zorvanel
