// Paints a lens iris of shaded blades, the aperture symbol.
#ifndef ZORVANEL_TOOLS_SKINS_IRIS_H_
#define ZORVANEL_TOOLS_SKINS_IRIS_H_

#include <cairo.h>

#include "drawing.h"

namespace zorvanel::skingen {

// A lens iris: `blades` blades filling the ring between a regular polygon
// opening of circumradius `opening` and the outer circle of `radius`, the
// classic aperture symbol. Each blade is shaded by its direction, between
// `dark` and `light`, as if lit from the upper left.
struct IrisStyle {
  int blades = 6;
  double rotation = 0;  // radians
  Rgba dark;
  Rgba light;
  Rgba edge;  // line between the blades
  double edge_width = 1;
};

void PaintIris(cairo_t* cr, double cx, double cy, double radius, double opening,
               const IrisStyle& style);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_IRIS_H_
