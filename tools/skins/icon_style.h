// The shared look of the icons on dark buttons: metal, orbs and a pencil.
#ifndef ZORVANEL_TOOLS_SKINS_ICON_STYLE_H_
#define ZORVANEL_TOOLS_SKINS_ICON_STYLE_H_

#include <cairo.h>

#include "drawing.h"

// The common look of the icons with alpha that sit on the dark buttons:
// light metal and glossy coloured parts, each with a soft shadow.
namespace zorvanel::skingen {

// Fills the path with brushed light metal (white at the top to a cool grey)
// over a soft drop shadow, and a dark hairline edge.
void FillMetal(cairo_t* cr, const PathFunction& path, double top,
               double bottom);

// A glossy sphere-like disc of the given colour with a shadow and a
// highlight: the base of the add and remove icons.
void PaintOrb(cairo_t* cr, double cx, double cy, double r, const Rgba& light,
              const Rgba& dark);

// A pencil lying from (x0, y0) (the tip) to (x1, y1), `thickness` wide:
// yellow lacquer, wooden cone, graphite point, metal ferrule, pink eraser.
void PaintPencil(cairo_t* cr, double x0, double y0, double x1, double y1,
                 double thickness);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_ICON_STYLE_H_
