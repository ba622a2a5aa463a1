// A document to print: pages drawn with Cairo's PDF surface in the program's
// faces, kept in memory until finished.
#ifndef ZORVANEL_PLATFORM_PDF_DOCUMENT_H_
#define ZORVANEL_PLATFORM_PDF_DOCUMENT_H_

#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/geometry.h"
#include "platform/status.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace zorvanel {

// How a text is set on paper: its size in points, bold or regular, in one of
// the program's faces (Font::ResolveFace: "Tahoma" is Wine's Tahoma).
struct PrintStyle {
  double points = 9;
  bool bold = false;
  std::string face = "Tahoma";
};

// Where a text stands in the width it is given.
enum class PrintAlign { kLeft, kCentre, kRight };

// A PDF document drawn page by page. Geometry is in points (1/72 inch) from
// the page's top-left corner. The bytes stay in memory until Finish, so a
// document that fails half-way leaves nothing anywhere.
class PdfDocument {
 public:
  PdfDocument();
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  // Ends the page being drawn, if any, and starts one of this size.
  void StartPage(double width, double height);

  // The width of one line of `text` and the height of a line in `style`.
  double TextWidth(std::string_view text, const PrintStyle& style);
  double LineHeight(const PrintStyle& style);

  // One line of text whose top is at `top`, placed in [x, x + width].
  void DrawText(std::string_view text, const PrintStyle& style, double x,
                double top, double width = 0,
                PrintAlign align = PrintAlign::kLeft);
  void FillRect(double x, double y, double width, double height, Colour colour);
  void DrawLine(double x1, double y1, double x2, double y2, double thickness,
                Colour colour);

  // Ends the document and returns the PDF, or why Cairo could not make it.
  Expected<std::string> Finish();

 private:
  // The laid-out line, made once per style and text: a card repeats its
  // texts many times.
  PangoLayout* Layout(std::string_view text, const PrintStyle& style);
  void SetColour(Colour colour);

  std::string bytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  PangoContext* context_ = nullptr;
  bool page_started_ = false;
  std::unordered_map<std::string, PangoLayout*> layouts_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_PDF_DOCUMENT_H_
