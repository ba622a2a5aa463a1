// The named fonts of the program, scaled to the screen and set per language.
#ifndef ZORVANEL_I18N_FONT_TABLE_H_
#define ZORVANEL_I18N_FONT_TABLE_H_

#include <map>
#include <memory>
#include <string>

#include "i18n/translated_string.h"
#include "platform/font.h"

namespace zorvanel {

// Named font definitions, scaled to the screen and adapted per language by
// the language file (face, character set, character width).
class FontTable {
 public:
  struct FontDef {
    // As defined, in pixels at scale 100 (a width of 0 comes from the width
    // ratio or is the face's own); the scale, the charset, quality and face
    // are applied when the font is made.
    FontRequest request;
    TranslatedString face;         // key: the face name given
    TranslatedString width_ratio;  // key: "__<name>CharWidthRatio__"
  };

  FontTable();
  ~FontTable();

  // Display scale in percent the fonts are made at (default 100). A new
  // scale (the window changed size) gives new fonts from then on; those
  // handed out before stay valid.
  void set_scale(int scale) { scale_ = scale; }
  int scale() const { return scale_; }

  // Adds a definition whose height and width are pixels at scale 100 (fonts
  // are made at scale()); the request's charset and quality are not used.
  // Returns 1 when the definition was added, 0 when the name existed (the first
  // definition wins).
  int DefineFont(const std::string& name, const FontRequest& request);
  // The font for the definition in the current language, or null when the
  // name is not defined. Owned by the table.
  const Font* GetFont(const std::string& name);
  // The cache key: face, charset, height, width, weight, italic, underline,
  // strikeout, escapement, orientation joined by '-'. Empty when undefined.
  std::string FontDescription(const std::string& name) const;
  // Character-set value of the current language (0 when unknown).
  int CurrentCharset() const;
  const FontDef* Find(const std::string& name) const;
  // Forgets every definition and font (tests).
  void Clear();

 private:
  // The width of the font made of `def` at the scaled `height`.
  int WidthOf(const FontDef& def, int height) const;
  FontRequest RequestOf(const FontDef& def) const;

  int scale_ = 100;
  std::map<std::string, std::unique_ptr<FontDef>> definitions_;
  std::map<std::string, int> charsets_;
  TranslatedString charset_key_;
  std::map<std::string, std::unique_ptr<Font>> cache_;
};

// The process-wide table.
FontTable& GetFontTable();

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_FONT_TABLE_H_
