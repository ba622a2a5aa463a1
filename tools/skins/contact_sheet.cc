// A PNG sheet of every skin picture and the pictures in use, for review.
#include "contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "drawing.h"
#include "skins/picture_ids.h"

namespace zorvanel::skingen {

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kSheetHeight = 2520;
constexpr double kFontSize = 12;

class Sheet {
 public:
  explicit Sheet(const std::vector<std::unique_ptr<Picture>>& pictures)
      : pictures_(pictures),
        surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth,
                                            kSheetHeight)),
        cr_(cairo_create(surface_.get())) {
    cairo_select_font_face(cr(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr(), kFontSize);
  }

  cairo_t* cr() const { return cr_.get(); }

  bool Save(const std::string& path) {
    cairo_surface_flush(surface_.get());
    return cairo_surface_write_to_png(surface_.get(), path.c_str()) ==
           CAIRO_STATUS_SUCCESS;
  }

  cairo_surface_t* Find(unsigned id) const {
    for (const auto& p : pictures_) {
      if (p->info().id == id) return p->surface();
    }
    return nullptr;
  }

  void Text(double x, double y, const std::string& text, const Rgba& colour,
            double size = kFontSize) {
    ScopedSave save(cr());
    cairo_set_font_size(cr(), size);
    SetColour(cr(), colour);
    cairo_move_to(cr(), x, y);
    cairo_show_text(cr(), text.c_str());
  }

  void CentredText(double x, double y, double w, double h,
                   const std::string& text, const Rgba& colour, double size) {
    ScopedSave save(cr());
    cairo_set_font_size(cr(), size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr(), text.c_str(), &ext);
    Text(x + (w - ext.x_advance) / 2, y + (h + ext.height) / 2 - 1, text,
         colour, size);
  }

  void Label(double x, double y, const std::string& text) {
    Text(x, y, text, Hex(0xd0d0d0));
  }

  // A checkerboard under pictures with alpha, so transparency shows.
  void Checker(double x, double y, double w, double h) {
    ScopedSave save(cr());
    cairo_rectangle(cr(), x, y, w, h);
    cairo_clip(cr());
    for (int j = 0; j * 8 < h; ++j) {
      for (int i = 0; i * 8 < w; ++i) {
        FillRect(cr(), x + i * 8, y + j * 8, 8, 8,
                 Hex((i + j) % 2 ? 0x5a5a5a : 0x6e6e6e));
      }
    }
  }

  // Copies the source rectangle (sx, sy, sw, sh) of `src` into (dx, dy, dw,
  // dh), scaled, blended with an optional constant alpha.
  void Put(cairo_surface_t* src, double sx, double sy, double sw, double sh,
           double dx, double dy, double dw, double dh, double alpha = 1.0,
           bool replace = false) {
    if (!src || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    ScopedSave save(cr());
    cairo_rectangle(cr(), dx, dy, dw, dh);
    cairo_clip(cr());
    cairo_translate(cr(), dx, dy);
    cairo_scale(cr(), dw / sw, dh / sh);
    cairo_set_source_surface(cr(), src, -sx, -sy);
    cairo_pattern_set_extend(cairo_get_source(cr()), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr()), CAIRO_FILTER_GOOD);
    if (replace) cairo_set_operator(cr(), CAIRO_OPERATOR_SOURCE);
    cairo_paint_with_alpha(cr(), alpha);
  }

  void PutWhole(unsigned id, double dx, double dy, double dw, double dh) {
    cairo_surface_t* s = Find(id);
    if (!s) return;
    Put(s, 0, 0, cairo_image_surface_get_width(s),
        cairo_image_surface_get_height(s), dx, dy, dw, dh);
  }

  // The program's nine-slice rule: 40 % corners copied at their own size,
  // 20 % edges and centre stretched; small targets show only the corners.
  void NineSlice(unsigned id, double x, double y, int w, int h) {
    cairo_surface_t* s = Find(id);
    if (!s) return;
    const int bw = cairo_image_surface_get_width(s);
    const int bh = cairo_image_surface_get_height(s);
    const int cw = 2 * bw / 5, ch = 2 * bh / 5;
    auto put = [&](int sx, int sy, int sw, int sh, int dx, int dy, int dw,
                   int dh) {
      Put(s, sx, sy, sw, sh, x + dx, y + dy, dw, dh, 1.0, true);
    };
    if (2 * cw < w) {
      if (2 * ch < h)
        put(cw, ch, bw - 2 * cw, bh - 2 * ch, cw, ch, w - 2 * cw, h - 2 * ch);
      put(cw, 0, bw - 2 * cw, ch, cw, 0, w - 2 * cw, ch);
      put(cw, bh - ch, bw - 2 * cw, ch, cw, h - ch, w - 2 * cw, ch);
    }
    if (2 * ch < h) {
      put(0, ch, cw, bh - 2 * ch, 0, ch, cw, h - 2 * ch);
      put(bw - cw, ch, cw, bh - 2 * ch, w - cw, ch, cw, h - 2 * ch);
    }
    put(0, 0, cw, ch, 0, 0, cw, ch);
    put(bw - cw, 0, cw, ch, w - cw, 0, cw, ch);
    put(0, bh - ch, cw, ch, 0, h - ch, cw, ch);
    put(bw - cw, bh - ch, cw, ch, w - cw, h - ch, cw, ch);
  }

  // A custom button as the program paints it: skin, icon frame, caption,
  // then the glossy overlay.
  void Button(double x, double y, int w, int h, unsigned skin,
              const std::string& caption, unsigned icon = 0, int frame = 0,
              int frames = 1, double alpha = 1.0, bool overlay = true) {
    FillRect(cr(), x, y, w, h, Hex(0x000000));
    NineSlice(skin, x, y, w, h);
    double text_left = 0;
    if (cairo_surface_t* s = icon ? Find(icon) : nullptr) {
      const int bw = cairo_image_surface_get_width(s);
      const int bh = cairo_image_surface_get_height(s);
      const int fw = bw / frames;
      if (caption.empty()) {
        Put(s, frame * fw, 0, fw, bh, x + (w - fw) / 2, y + (h - bh) / 2, fw,
            bh, alpha);
      } else {
        Put(s, frame * fw, 0, fw, bh, x + 20, y + (h - bh) / 2, fw, bh, alpha);
        text_left = fw + 20;
      }
    }
    if (!caption.empty()) {
      CentredText(x + text_left, y, w - text_left, h, caption, Hex(0xffffff),
                  19);
    }
    if (overlay) PutWhole(pictures::kButtonOverlay, x, y, w, h);
  }

  void Pictures(double y);
  void Stretched(double y);
  void MainScreen(double x, double y);
  void Controls(double x, double y);

 private:
  const std::vector<std::unique_ptr<Picture>>& pictures_;
  SurfacePtr surface_;
  ContextPtr cr_;
};

void Sheet::Pictures(double top) {
  double x = 20, y = top, row_height = 0;
  for (const auto& p : pictures_) {
    const PictureRecipe& info = p->info();
    if (x + info.width > kSheetWidth - 20) {
      x = 20;
      y += row_height + 34;
      row_height = 0;
    }
    char label[64];
    std::snprintf(label, sizeof label, "%u %dx%d/%d", info.id, info.width,
                  info.height, info.bits);
    Label(x, y + 12, label);
    if (info.bits == 32) Checker(x, y + 18, info.width, info.height);
    Put(p->surface(), 0, 0, info.width, info.height, x, y + 18, info.width,
        info.height);
    x += std::max(info.width, 90) + 24;
    row_height = std::max(row_height, static_cast<double>(info.height));
  }
}

void Sheet::Stretched(double top) {
  Label(20, top + 12,
        "134 wheel stretched: 960x80 (scale 200), 240x20 "
        "(scale 50), 640x40");
  PutWhole(pictures::kWheel, 20, top + 20, 960, 80);
  PutWhole(pictures::kWheel, 1000, top + 20, 240, 20);
  PutWhole(pictures::kWheel, 20, top + 110, 640, 40);
  Label(700, top + 122, "135 panel at 50 % (240x81)");
  PutWhole(pictures::kResultPanel, 700, top + 130, 240, 81);
}

// A stand-in for the main screen at 480 x 588, scale 100: enough to judge
// how the panel and the wheels carry their texts, ticks and markers.
void Sheet::MainScreen(double x0, double y0) {
  FillRect(cr(), x0, y0, 480, 588, Hex(0x000000));
  PutWhole(pictures::kResultPanel, x0, y0, 480, 163);
  const Rgba kPanelText = Hex(0x464646);
  CentredText(x0 + 10, y0 + 5, 460, 35, "Canon EOS 5D + EF 24-105mm",
              Hex(0xffffff), 17);
  CentredText(x0 + 20, y0 + 40, 270, 26, "Hyperfocal", kPanelText, 19);
  CentredText(x0 + 20, y0 + 64, 260, 70, "12.47 m", kPanelText, 42);
  const char* labels[3] = {"Min:", "Max:", "DOF:"};
  const char* values[3] = {"3.12 m", "Infinity", "Infinity"};
  for (int i = 0; i < 3; ++i) {
    Text(x0 + 306, y0 + 60 + 35 * i, labels[i], kPanelText, 18);
    Text(x0 + 355, y0 + 60 + 35 * i, values[i], kPanelText, 18);
  }
  const char* captions[3] = {"Focal:", "Aperture:", "Distance:"};
  const char* readings[3] = {"50 mm", "f/8", "4 m"};
  const double positions[3] = {0.1, 0.5, 0.93};
  const int tops[3] = {230, 346, 462};
  for (int i = 0; i < 3; ++i) {
    const double top = y0 + tops[i];
    Text(x0 + 130, top - 25, captions[i], Hex(0xffffff), 22);
    Text(x0 + 252, top - 25, readings[i], Hex(0xffffff), 22);
    PutWhole(pictures::kWheel, x0, top, 480, 40);
    cairo_set_line_width(cr(), 1);
    SetColour(cr(), Hex(0xffffff));
    const int ticks[4][3] = {
        {15, 5, 10}, {127, 8, 5}, {353, 8, -5}, {465, 5, -10}};
    for (const auto& t : ticks) {
      const double tx = x0 + t[0] + 0.5;
      const double drop = t[1], lean = t[2];
      cairo_move_to(cr(), tx, top + drop);
      cairo_line_to(cr(), tx, top + drop - 5);
      cairo_line_to(cr(), tx + lean, top + drop - 10);
      cairo_stroke(cr());
    }
    Text(x0 + 28, top - 3, "24", Hex(0xffffff), 12);
    Text(x0 + 135, top - 3, "35", Hex(0xffffff), 12);
    Text(x0 + 320, top - 3, "70", Hex(0xffffff), 12);
    Text(x0 + 430, top - 3, "105", Hex(0xffffff), 12);
    // The marker, narrower and shorter towards the ends of the ring.
    const double px = 15 + positions[i] * 450;
    const double q = (2 * px - 480) / 450, r = std::sqrt(1 - q * q);
    const double mw = 6 * r + 4;
    FillRect(cr(), x0 + px - std::trunc(mw / 2), top + std::trunc(5 * r + 9),
             std::trunc(mw), std::trunc(10 * r + 22) - std::trunc(5 * r + 9),
             Hex(0xe60000));
  }
}

void Sheet::Controls(double x0, double y0) {
  Label(x0, y0 + 12,
        "185 + 186 custom buttons (the flag, the lens value and "
        "the creation icons with captions)");
  double y = y0 + 20;
  Button(x0, y, 440, 90, pictures::kButtonSkin, "Select the language...",
         pictures::kFlagStrip, 2, 8);
  y += 100;
  Button(x0, y, 320, 90, pictures::kButtonSkin, "Canon EOS 5D", 0);
  Button(x0 + 330, y, 180, 90, pictures::kButtonSkin, "About...", 0);
  y += 100;
  Button(x0, y, 460, 90, pictures::kButtonSkin, "Select from a list...",
         pictures::kSelectFromList);
  y += 100;
  Button(x0, y, 460, 90, pictures::kButtonSkin, "Create manually...",
         pictures::kCreateManually);
  y += 100;
  Button(x0, y, 300, 80, pictures::kButtonSkin, "50 mm", pictures::kFocal);
  Button(x0 + 310, y, 300, 80, pictures::kButtonSkin, "f/8",
         pictures::kAperture);
  y += 90;
  Button(x0, y, 300, 80, pictures::kButtonSkin, "4 m", pictures::kDistance);
  Button(x0 + 310, y, 200, 50, pictures::kButtonSkin, "small 200x50");
  y += 90;
  Label(x0, y + 12, "value list buttons 270x112 (disabled: alpha 136)");
  y += 20;
  Button(x0, y, 270, 112, pictures::kButtonSkin, "Add one...",
         pictures::kAddOne);
  Button(x0 + 280, y, 270, 112, pictures::kButtonSkin, "Add range...",
         pictures::kAddRange);
  y += 122;
  Button(x0, y, 270, 112, pictures::kButtonSkin, "Remove one",
         pictures::kRemoveOne, 0, 1, 136 / 255.0);
  Button(x0 + 280, y, 270, 112, pictures::kButtonSkin, "Remove all",
         pictures::kRemoveAll);
  y += 122;
  Label(x0, y + 12, "163 list buttons 96x96: normal, disabled, pressed");
  y += 20;
  for (int state = 0; state < 3; ++state) {
    for (int k = 0; k < 5; ++k) {
      Button(x0 + k * 96, y, 96, 96, pictures::kListButtonSkin, "",
             pictures::kListAdd + k, state, 3, state == 1 ? 136 / 255.0 : 1.0,
             false);
    }
    y += 100;
  }
  Label(x0, y + 12, "169 / 170 edit fields 300x50, 420x70");
  y += 20;
  NineSlice(pictures::kEditFocused, x0, y, 300, 50);
  CentredText(x0, y, 300, 50, "f/2.8", Hex(0x000000), 18);
  NineSlice(pictures::kEditIdle, x0 + 310, y, 300, 50);
  CentredText(x0 + 310, y, 300, 50, "Canon", Hex(0x000000), 18);
  y += 60;
  NineSlice(pictures::kEditFocused, x0, y, 420, 70);
  NineSlice(pictures::kEditIdle, x0 + 430, y, 120, 40);
}

}  // namespace

bool WriteContactSheet(const std::vector<std::unique_ptr<Picture>>& pictures,
                       const std::string& path) {
  Sheet sheet(pictures);
  FillRect(sheet.cr(), 0, 0, kSheetWidth, kSheetHeight, Hex(0x3c3c3c));
  sheet.Pictures(10);
  sheet.Stretched(930);
  sheet.Label(20, 1152, "mock main screen, 480x588 at scale 100");
  sheet.MainScreen(20, 1160);
  sheet.Controls(540, 1140);
  return sheet.Save(path);
}

}  // namespace zorvanel::skingen
