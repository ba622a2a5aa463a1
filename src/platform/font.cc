// Fonts made through Pango from a request, and the faces names map to.
#include "platform/font.h"

#include <hb-ot.h>
#include <pango/pangocairo.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/text_context.h"

namespace zorvanel {

namespace {

// Character height used when a request leaves the size open (height 0):
// about 9 points on the 192-dot-per-inch reference screen.
constexpr int kDefaultEmPixels = 24;
// Size at which a face's proportions are measured to turn a cell height
// into a character height.
constexpr int kReferenceEmPixels = 1000;

constexpr double kCellFitStep = 0.25;
constexpr int kMaxCellFitSteps = 16;

struct FaceMetrics {
  double ascent = 0;  // pixels
  double descent = 0;
  double average_char_width = 0;
};

int CellPixels(const FaceMetrics& m) {
  return static_cast<int>(std::lround(m.ascent) + std::lround(m.descent));
}

// The face's Windows ascent and descent (usWinAscent, usWinDescent) as
// fractions of the em, or false when it has none. A cell height means these;
// Pango and FreeType use the typographic ones when a face asks for them, and
// Wine's Tahoma does: its cell would come out a fifth shorter, and a font
// asked for by cell height a fifth larger.
bool WindowsCell(PangoFont* font, double* ascent, double* descent) {
  hb_font_t* shaping = pango_font_get_hb_font(font);
  if (shaping == nullptr) return false;
  hb_face_t* face = hb_font_get_face(shaping);
  const unsigned int units = hb_face_get_upem(face);
  // A font of the bare face, scaled to its own units.
  hb_font_t* unscaled = hb_font_create(face);
  hb_position_t up = 0;
  hb_position_t down = 0;
  const bool found =
      hb_ot_metrics_get_position(
          unscaled, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_ASCENT, &up) &&
      hb_ot_metrics_get_position(
          unscaled, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_DESCENT, &down);
  hb_font_destroy(unscaled);
  if (!found || units == 0 || up + std::abs(down) <= 0) return false;
  *ascent = static_cast<double>(up) / units;
  *descent = static_cast<double>(std::abs(down)) / units;
  return true;
}

FaceMetrics MetricsAt(PangoFontDescription* description, double em_pixels) {
  pango_font_description_set_absolute_size(description,
                                           em_pixels * PANGO_SCALE);
  FaceMetrics result;
  PangoFont* font = pango_context_load_font(SharedTextContext(), description);
  if (font == nullptr) return result;
  PangoFontMetrics* metrics = pango_font_get_metrics(font, nullptr);
  double ascent = 0;
  double descent = 0;
  if (WindowsCell(font, &ascent, &descent)) {
    result.ascent = ascent * em_pixels;
    result.descent = descent * em_pixels;
  } else {
    result.ascent = pango_font_metrics_get_ascent(metrics) /
                    static_cast<double>(PANGO_SCALE);
    result.descent = pango_font_metrics_get_descent(metrics) /
                     static_cast<double>(PANGO_SCALE);
  }
  result.average_char_width =
      pango_font_metrics_get_approximate_char_width(metrics) /
      static_cast<double>(PANGO_SCALE);
  pango_font_metrics_unref(metrics);
  g_object_unref(font);
  return result;
}

// The character (em) height in pixels a request asks for.
double EmPixelsFor(const FontRequest& request,
                   PangoFontDescription* description) {
  if (request.height < 0) return -static_cast<double>(request.height);
  if (request.height == 0) return kDefaultEmPixels;
  // A cell height: scale the face's ascent + descent to it.
  const FaceMetrics reference = MetricsAt(description, kReferenceEmPixels);
  const double cell = reference.ascent + reference.descent;
  if (cell <= 0) return request.height;
  return request.height * kReferenceEmPixels / cell;
}

PangoAttrList* DecorationAttributes(const FontRequest& request) {
  if (!request.underline && !request.strikeout) return nullptr;
  PangoAttrList* list = pango_attr_list_new();
  if (request.underline) {
    pango_attr_list_insert(list,
                           pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  }
  if (request.strikeout) {
    pango_attr_list_insert(list, pango_attr_strikethrough_new(TRUE));
  }
  return list;
}

uint64_t NextSerial() {
  static uint64_t next = 0;
  return ++next;
}

}  // namespace

int PointsToHeight(int points, int scale) {
  // points * 192 / 72 * scale / 100, rounded to the nearest pixel.
  const double pixels = points * 192.0 / 72.0 * scale / 100.0;
  return -static_cast<int>(std::lround(pixels));
}

std::string Font::ResolveFace(const std::string& face) {
  // The layouts were drawn for these two faces' widths: Wine's Tahoma (the
  // program's own font file, see RegisterProgramFonts) and Liberation Sans
  // keep them; DejaVu Sans is about 12 % wider and only stands in when
  // neither is installed, or for a character they lack.
  if (face.empty() || strcasecmp(face.c_str(), "Tahoma") == 0) {
    return "Tahoma,DejaVu Sans";
  }
  if (strcasecmp(face.c_str(), "Arial") == 0) {
    return "Liberation Sans,DejaVu Sans";
  }
  return face;
}

Font::Font(const FontRequest& request)
    : request_(request),
      description_(pango_font_description_new()),
      serial_(NextSerial()) {
  pango_font_description_set_family(description_,
                                    ResolveFace(request.face).c_str());
  const int weight =
      request.weight <= 0 ? 400 : std::clamp(request.weight, 100, 1000);
  pango_font_description_set_weight(description_,
                                    static_cast<PangoWeight>(weight));
  pango_font_description_set_style(
      description_, request.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

  double em = EmPixelsFor(request, description_);
  FaceMetrics metrics = MetricsAt(description_, em);
  // Whole-pixel metrics round ascent and descent up on their own, which
  // can make a cell a pixel taller than asked: shrink until it fits.
  for (int i = 0; i < kMaxCellFitSteps && request.height > 0 &&
                  CellPixels(metrics) > request.height && em > 1;
       ++i) {
    em -= kCellFitStep;
    metrics = MetricsAt(description_, em);
  }
  ascent_ = static_cast<int>(std::lround(metrics.ascent));
  line_height_ = CellPixels(metrics);
  if (request.width != 0 && metrics.average_char_width > 0) {
    x_scale_ = std::abs(request.width) / metrics.average_char_width;
  }
  attributes_ = DecorationAttributes(request);
}

Font::~Font() {
  pango_font_description_free(description_);
  if (attributes_ != nullptr) pango_attr_list_unref(attributes_);
}

}  // namespace zorvanel
