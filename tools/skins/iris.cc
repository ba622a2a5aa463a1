// Paints a lens iris of shaded blades, the aperture symbol.
#include "iris.h"

#include <cmath>
#include <vector>

namespace zorvanel::skingen {

namespace {

struct Vec {
  double x;
  double y;
};

// Where the ray from p in direction d leaves the circle of radius r about
// the origin (p lies inside it).
Vec ExitPoint(Vec p, Vec d, double r) {
  const double a = d.x * d.x + d.y * d.y;
  const double b = 2 * (p.x * d.x + p.y * d.y);
  const double c = p.x * p.x + p.y * p.y - r * r;
  const double t = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
  return Vec{p.x + t * d.x, p.y + t * d.y};
}

}  // namespace

void PaintIris(cairo_t* cr, double cx, double cy, double radius, double opening,
               const IrisStyle& style) {
  const int n = style.blades;
  std::vector<Vec> corner(n), exit(n);
  for (int i = 0; i < n; ++i) {
    const double a = style.rotation + 2 * M_PI * i / n;
    corner[i] = Vec{opening * std::cos(a), opening * std::sin(a)};
  }
  // Side i of the opening runs from corner i to corner i + 1; extended past
  // corner i + 1 it becomes the edge of a blade.
  for (int i = 0; i < n; ++i) {
    const Vec p = corner[(i + 1) % n];
    const Vec d{p.x - corner[i].x, p.y - corner[i].y};
    exit[i] = ExitPoint(p, d, radius);
  }
  ScopedSave save(cr);
  cairo_translate(cr, cx, cy);
  for (int i = 0; i < n; ++i) {
    const Vec p = corner[(i + 1) % n];
    const Vec e0 = exit[i];
    const Vec e1 = exit[(i + 1) % n];
    double a0 = std::atan2(e0.y, e0.x);
    double a1 = std::atan2(e1.y, e1.x);
    while (a1 < a0) a1 += 2 * M_PI;
    cairo_move_to(cr, p.x, p.y);
    cairo_line_to(cr, e0.x, e0.y);
    cairo_arc(cr, 0, 0, radius, a0, a1);
    cairo_close_path(cr);
    // Blades facing up and left catch the light.
    const double mid = (a0 + a1) / 2;
    const double lit = 0.5 + 0.5 * std::cos(mid - (-3 * M_PI / 4));
    const Rgba base = Mix(style.dark, style.light, lit);
    SetPattern(cr, Linear(p.x, p.y, (e0.x + e1.x) / 2, (e0.y + e1.y) / 2,
                          {{0, Mix(base, style.light, 0.25)}, {1, base}}));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, style.edge_width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, style.edge);
    cairo_stroke(cr);
  }
}

}  // namespace zorvanel::skingen
