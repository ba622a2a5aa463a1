// Fonts made through Pango from a request, and the faces names map to.
#ifndef ZORVANEL_PLATFORM_FONT_H_
#define ZORVANEL_PLATFORM_FONT_H_

#include <cstdint>
#include <string>

typedef struct _PangoFontDescription PangoFontDescription;
typedef struct _PangoAttrList PangoAttrList;

namespace zorvanel {

// A font request. `height` follows a sign rule: negative = character (em)
// height in pixels, positive = cell height (ascent + descent) in pixels, 0 = a
// default size. `width` is the average character width in pixels (0 = natural);
// a width narrows or widens the face horizontally.
struct FontRequest {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int charset = 0;
  int quality = 0;
  std::string face = "Tahoma";
};

// The pixel height of a font given in points on the 480 x 640 reference screen
// (which has 192 dots per inch), scaled by the display scale in percent.
// Returned as a negative (character) height for FontRequest::height.
int PointsToHeight(int points, int scale);

// A font made from a FontRequest through Pango and fontconfig. The face names
// the program asks for are mapped to faces of the same widths: "Tahoma" to
// Wine's Tahoma, "Arial" to Liberation Sans, each backed by DejaVu Sans; any
// other name goes to fontconfig as it is, which falls back to a face that has
// the glyphs.
class Font {
 public:
  explicit Font(const FontRequest& request);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  const FontRequest& request() const { return request_; }
  const PangoFontDescription* description() const { return description_; }
  // Horizontal stretch to apply when drawing (1.0 = natural width).
  double x_scale() const { return x_scale_; }
  // Height of one line of text in pixels.
  int line_height() const { return line_height_; }
  // Distance from the top of a line to its baseline, in pixels.
  int ascent() const { return ascent_; }
  // Underline and strike-out as Pango attributes; null when neither is on.
  PangoAttrList* attributes() const { return attributes_; }
  // Different for every Font ever made in the process, so caches can tell
  // fonts apart even when one is made where another was freed.
  uint64_t serial() const { return serial_; }

  // The installed faces (a Pango family list, best first) a requested face
  // name resolves to.
  static std::string ResolveFace(const std::string& face);

 private:
  FontRequest request_;
  PangoFontDescription* description_;
  double x_scale_ = 1.0;
  int line_height_ = 0;
  int ascent_ = 0;
  PangoAttrList* attributes_ = nullptr;
  uint64_t serial_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_FONT_H_
