// Paints the main screen's knurled wheel and its result panel.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "drawing.h"
#include "painters.h"

namespace zorvanel::skingen {

namespace {

// The wheel: a knurled ring turning about a vertical axis, seen from the
// side. Column x looks at the ring at angle theta = asin(2x / width - 1), so
// ridges spaced evenly round the ring crowd together towards both ends.
constexpr int kRidgesOnFront = 110;  // ridges over the visible half turn

// Brightness of the smooth ring at angle theta: lit from the front, a broad
// soft highlight a little left of the middle, falling into shadow where the
// ring turns away.
double CylinderShade(double theta) {
  const double facing = std::pow(std::cos(theta), 1.4);
  const double highlight = std::exp(-std::pow((theta + 0.22) / 0.42, 2));
  return 0.04 + 0.40 * facing + 0.18 * highlight;
}

// Relative change of brightness across one ridge (phase 0..1): a lit flank,
// a thin bright crest and a shaded flank, as on a knurled metal edge.
double RidgeShade(double phase) {
  const double flank = std::tanh(3.5 * std::sin(2 * M_PI * phase));
  const double crest = std::exp(-std::pow((phase - 0.25) / 0.06, 2));
  return 0.28 * flank + 0.25 * crest;
}

// Vertical profile of the ring: a smooth rim at the top and bottom, a
// groove on each side of the knurled band in the middle.
struct RowProfile {
  double ridges;  // 0: smooth metal, 1: fully knurled
  double light;   // brightness factor of the row
};

RowProfile ProfileOfRow(int y, int height) {
  const double t = (y + 0.5) / height;  // 0 top, 1 bottom
  // The ring bulges towards the viewer in the middle: a soft vertical shade.
  double light = 0.72 + 0.28 * std::sin(M_PI * t);
  const int top_groove = 5;
  const int bottom_groove = height - 6;
  if (y == top_groove || y == bottom_groove) return {0.0, light * 0.25};
  if (y == top_groove - 1 || y == bottom_groove + 1) {
    return {0.0, light * 0.6};
  }
  if (y < top_groove - 1) return {0.0, light * (y == 1 ? 0.9 : 0.55)};
  if (y > bottom_groove + 1) return {0.0, light * 0.55};
  return {1.0, light};
}

void SetPixel(uint32_t* row, int x, double r, double g, double b) {
  auto channel = [](double v) {
    return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5);
  };
  row[x] = 0xff000000u | (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

}  // namespace

void PaintWheel(cairo_t* cr, int width, int height) {
  cairo_surface_t* target = cairo_get_target(cr);
  cairo_surface_flush(target);
  auto* data =
      reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(target));
  const int stride = cairo_image_surface_get_stride(target) / 4;
  constexpr int kSamples = 6;  // per column: the crowded ridges need them
  for (int y = 0; y < height; ++y) {
    const RowProfile profile = ProfileOfRow(y, height);
    for (int x = 0; x < width; ++x) {
      double sum = 0;
      for (int s = 0; s < kSamples; ++s) {
        const double u = (x + (s + 0.5) / kSamples) / width * 2.0 - 1.0;
        const double theta = std::asin(std::clamp(u, -1.0, 1.0));
        const double phase = (theta + M_PI / 2) / M_PI * kRidgesOnFront;
        const double ridge =
            profile.ridges * RidgeShade(phase - std::floor(phase));
        sum += CylinderShade(theta) * (1.0 + ridge);
      }
      const double v = sum / kSamples * profile.light;
      // Cool gunmetal.
      SetPixel(data + y * stride, x, v * 0.93, v * 0.97, v * 1.04);
    }
  }
  cairo_surface_mark_dirty(target);
}

void PaintResultPanel(cairo_t* cr, int width, int height) {
  // Dark frame with a faint sheen on the top strip, where the camera line is
  // written in white.
  SetPattern(cr, Linear(0, 0, 0, height,
                        {{0, Hex(0x2c2e31)},
                         {0.12, Hex(0x1b1c1e)},
                         {0.25, Hex(0x0e0e0f)},
                         {1, Hex(0x050505)}}));
  cairo_paint(cr);
  FillRect(cr, 0, 0, width, 1, Hex(0x4a4d52));

  // The display: a recessed light grey LCD from y = 40 to 155.
  const double x0 = 8, y0 = 41, w = width - 16, h = 113, r = 7;
  SoftShape(
      cr, [&](cairo_t* c) { RoundedRectPath(c, x0, y0, w, h, r); },
      Hex(0x000000, 0.9), 4, 0, 1);
  RoundedRectPath(cr, x0 - 1.5, y0 - 1.5, w + 3, h + 3, r + 1.5);
  SetPattern(
      cr, Linear(0, y0, 0, y0 + h, {{0, Hex(0x000000)}, {1, Hex(0x3a3c40)}}));
  cairo_fill(cr);
  RoundedRectPath(cr, x0, y0, w, h, r);
  SetPattern(
      cr,
      Linear(0, y0, 0, y0 + h,
             {{0, Hex(0xb9bdb6)}, {0.15, Hex(0xc9cdc5)}, {1, Hex(0xbfc3bb)}}));
  cairo_fill(cr);
  {
    // Inner shadow along the top and left edges: the glass sits below the
    // frame.
    ScopedSave save(cr);
    RoundedRectPath(cr, x0, y0, w, h, r);
    cairo_clip(cr);
    SoftShape(
        cr,
        [&](cairo_t* c) {
          cairo_rectangle(c, x0 - 20, y0 - 20, w + 40, 20);
          cairo_rectangle(c, x0 - 20, y0 - 20, 20, h + 40);
        },
        Hex(0x000000, 0.45), 5, 1.5, 2);
    // A faint diagonal reflection on the glass.
    cairo_move_to(cr, x0 + w * 0.52, y0);
    cairo_line_to(cr, x0 + w * 0.78, y0);
    cairo_line_to(cr, x0 + w * 0.62, y0 + h);
    cairo_line_to(cr, x0 + w * 0.36, y0 + h);
    cairo_close_path(cr);
    SetPattern(cr, Linear(x0 + w * 0.4, 0, x0 + w * 0.75, 0,
                          {{0, Hex(0xffffff, 0)},
                           {0.5, Hex(0xffffff, 0.10)},
                           {1, Hex(0xffffff, 0)}}));
    cairo_fill(cr);
  }
}

}  // namespace zorvanel::skingen
