// The shared Pango context, cached line layouts and UTF-8 clean-up.
#include "platform/text_context.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <glib.h>
#include <pango/pangocairo.h>

#include <array>
#include <cstdint>
#include <functional>

#include "platform/font.h"

namespace zorvanel {

namespace {

// Wine's Tahoma is not in fontconfig's font folders: it ships for Wine's
// own use. Made known to this process only, it gives "Tahoma" the real
// face's widths, which the screens' boxes were sized for.
constexpr const char* kProgramFontFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

void RegisterProgramFonts() {
  FcConfig* config = FcConfigGetCurrent();
  for (const char* file : kProgramFontFiles) {
    // A missing file leaves the fallback face; nothing else to do.
    FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file));
  }
}

}  // namespace

PangoContext* SharedTextContext() {
  // Lives for the whole process, like the font map it belongs to.
  static PangoContext* const context = [] {
    // Before the font map exists, so its first font list has them.
    RegisterProgramFonts();
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

namespace {

// Direct-mapped: a line goes to one slot chosen by its hash, replacing what
// was there. Big enough for a few screens of text.
constexpr size_t kLayoutSlots = 512;

struct LayoutSlot {
  uint64_t font_serial = 0;
  std::string text;
  LineLayout line{nullptr, 0, 0};
};

}  // namespace

const LineLayout& CachedLineLayout(const Font& font, std::string_view line) {
  static std::array<LayoutSlot, kLayoutSlots> slots;
  const size_t hash = std::hash<std::string_view>{}(line) ^
                      (font.serial() * 0x9E3779B97F4A7C15ull);
  LayoutSlot& slot = slots[hash % kLayoutSlots];
  if (slot.line.layout != nullptr && slot.font_serial == font.serial() &&
      slot.text == line) {
    return slot.line;
  }
  if (slot.line.layout == nullptr) {
    slot.line.layout = pango_layout_new(SharedTextContext());
    // Lines come already split; nothing inside one may break it again.
    pango_layout_set_single_paragraph_mode(slot.line.layout, TRUE);
  }
  PangoLayout* layout = slot.line.layout;
  pango_layout_set_font_description(layout, font.description());
  pango_layout_set_attributes(layout, font.attributes());
  pango_layout_set_text(layout, line.data(), static_cast<int>(line.size()));
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  slot.line.width = logical.width;
  slot.line.baseline = pango_layout_get_baseline(layout);
  slot.font_serial = font.serial();
  slot.text.assign(line);
  return slot.line;
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

std::u32string TypedCharacters(std::string_view text) {
  std::string storage;
  const std::string_view valid = ValidUtf8(text, &storage);
  std::u32string characters;
  const char* end = valid.data() + valid.size();
  for (const char* p = valid.data(); p < end; p = g_utf8_next_char(p)) {
    characters.push_back(static_cast<char32_t>(g_utf8_get_char(p)));
  }
  return characters;
}

}  // namespace zorvanel
