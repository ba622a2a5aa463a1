// The painters of the skin pictures, one function per picture.
#ifndef ZORVANEL_TOOLS_SKINS_PAINTERS_H_
#define ZORVANEL_TOOLS_SKINS_PAINTERS_H_

#include <cairo.h>

// The painters of the skin pictures, one per picture (see AllPictures for
// ids and sizes). Each draws the whole picture of width x height.
namespace zorvanel::skingen {

// Main screen (main_screen_pictures.cc).
void PaintWheel(cairo_t* cr, int width, int height);
void PaintResultPanel(cairo_t* cr, int width, int height);

// Equipment screen and about box (equipment_pictures.cc).
void PaintCamera(cairo_t* cr, int width, int height);
void PaintLens(cairo_t* cr, int width, int height);
void PaintLogo(cairo_t* cr, int width, int height);
// The logo on a transparent ground, at any size (the window icon).
void PaintWindowIcon(cairo_t* cr, int width, int height);

// Language flags (flag_strip.cc).
void PaintFlagStrip(cairo_t* cr, int width, int height);

// List dialog buttons: three-state icon strips and their skin
// (list_button_pictures.cc).
void PaintAddStrip(cairo_t* cr, int width, int height);
void PaintRemoveStrip(cairo_t* cr, int width, int height);
void PaintEditStrip(cairo_t* cr, int width, int height);
void PaintMoveUpStrip(cairo_t* cr, int width, int height);
void PaintMoveDownStrip(cairo_t* cr, int width, int height);
void PaintListButtonSkin(cairo_t* cr, int width, int height);

// Camera creation mode (creation_icons.cc).
void PaintCreateManually(cairo_t* cr, int width, int height);
void PaintSelectFromList(cairo_t* cr, int width, int height);

// Value list editing (value_list_icons.cc).
void PaintAddOne(cairo_t* cr, int width, int height);
void PaintAddRange(cairo_t* cr, int width, int height);
void PaintRemoveOne(cairo_t* cr, int width, int height);
void PaintRemoveAll(cairo_t* cr, int width, int height);

// Lens values (lens_value_icons.cc).
void PaintApertureIcon(cairo_t* cr, int width, int height);
void PaintDistanceIcon(cairo_t* cr, int width, int height);
void PaintFocalIcon(cairo_t* cr, int width, int height);

// Skins of the custom controls (control_skins.cc).
void PaintEditFocused(cairo_t* cr, int width, int height);
void PaintEditIdle(cairo_t* cr, int width, int height);
void PaintButtonSkin(cairo_t* cr, int width, int height);
void PaintButtonOverlay(cairo_t* cr, int width, int height);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_PAINTERS_H_
