// The named fonts of the program, scaled to the screen and set per language.
#include "i18n/font_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace zorvanel {

namespace {

// The platform's standard character-set values, by the names a language
// file may give for "ANSI_CHARSET".
constexpr std::pair<const char*, int> kCharsets[] = {
    {"ANSI_CHARSET", 0},          {"BALTIC_CHARSET", 186},
    {"CHINESEBIG5_CHARSET", 136}, {"DEFAULT_CHARSET", 1},
    {"EASTEUROPE_CHARSET", 238},  {"GB2312_CHARSET", 134},
    {"GREEK_CHARSET", 161},       {"HANGUL_CHARSET", 129},
    {"MAC_CHARSET", 77},          {"OEM_CHARSET", 255},
    {"RUSSIAN_CHARSET", 204},     {"SHIFTJIS_CHARSET", 128},
    {"SYMBOL_CHARSET", 2},        {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163},
};

// The platform takes face names of at most this many characters.
constexpr size_t kMaxFaceChars = 31;

// Below this absolute height fonts are asked for with antialiasing.
constexpr int kSmallFontHeight = 10;
constexpr int kAntialiasedQuality = 4;

// Width ratios are percentages of the character height. Far below this
// range text shrinks to nothing; far above it, it is stretched beyond what
// can be drawn (at 3000 the panel's large line blanked the whole screen), so
// a language file's ratio is held inside it.
constexpr long kMinWidthRatio = 20;
constexpr long kMaxWidthRatio = 200;

// The whole number at the start of `text`, read like a decimal integer
// (leading blanks, an optional sign, digits); 0 when there are no digits.
long LeadingInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kMaxWidthRatio) value = kMaxWidthRatio;
  }
  return negative ? -value : value;
}

// The first kMaxFaceChars characters of a UTF-8 face name, never cutting a
// character in half.
std::string TruncatedFace(const std::string& face) {
  size_t chars = 0;
  for (size_t i = 0; i < face.size(); ++i) {
    const bool starts_char =
        (static_cast<unsigned char>(face[i]) & 0xC0) != 0x80;
    if (starts_char && ++chars > kMaxFaceChars) return face.substr(0, i);
  }
  return face;
}

int ScaledReferenceValue(int value, int scale) {
  const int64_t scaled = static_cast<int64_t>(value) * scale / 100;
  if (scaled > std::numeric_limits<int>::max()) {
    return std::numeric_limits<int>::max();
  }
  if (scaled < std::numeric_limits<int>::min()) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(scaled);
}

}  // namespace

FontTable::FontTable() : charset_key_("ANSI_CHARSET") {
  for (const auto& [name, value] : kCharsets) charsets_[name] = value;
}

FontTable::~FontTable() = default;

int FontTable::DefineFont(const std::string& name, const FontRequest& request) {
  if (definitions_.contains(name)) return 0;
  auto def = std::make_unique<FontDef>();
  def->request = request;
  def->face.SetKey(request.face);
  def->width_ratio.SetKey("__" + name + "CharWidthRatio__");
  definitions_.emplace(name, std::move(def));
  return 1;
}

const FontTable::FontDef* FontTable::Find(const std::string& name) const {
  auto it = definitions_.find(name);
  return it == definitions_.end() ? nullptr : it->second.get();
}

int FontTable::CurrentCharset() const {
  auto it = charsets_.find(charset_key_.text());
  return it == charsets_.end() ? 0 : it->second;
}

int FontTable::WidthOf(const FontDef& def, int height) const {
  if (def.request.width != 0) {
    return ScaledReferenceValue(def.request.width, scale_);
  }
  if (!def.width_ratio.HasTranslation()) return 0;
  const long ratio = LeadingInteger(def.width_ratio.text());
  // No ratio, or one that is no width at all: the face's own width.
  if (ratio <= 0) return 0;
  // ratio x height / 100, with a negative height giving a negative width.
  return ScaledReferenceValue(
      height,
      static_cast<int>(std::clamp(ratio, kMinWidthRatio, kMaxWidthRatio)));
}

FontRequest FontTable::RequestOf(const FontDef& def) const {
  FontRequest request = def.request;
  request.height = ScaledReferenceValue(def.request.height, scale_);
  request.width = WidthOf(def, request.height);
  request.charset = CurrentCharset();
  request.quality =
      std::abs(static_cast<int64_t>(request.height)) < kSmallFontHeight
          ? kAntialiasedQuality
          : 0;
  request.face = TruncatedFace(def.face.text());
  return request;
}

std::string FontTable::FontDescription(const std::string& name) const {
  const FontDef* def = Find(name);
  if (def == nullptr) return std::string();
  // The face is cut as the platform cuts it, so that two definitions that
  // would make the same font share one cache entry.
  const FontRequest request = RequestOf(*def);
  // A face of at most 31 characters (4 bytes each) and ten numbers fit.
  char description[256];
  std::snprintf(
      description, sizeof(description), "%s-%d-%d-%d-%d-%d-%d-%d-%d-%d",
      request.face.c_str(), request.charset, request.height, request.width,
      request.weight, request.italic ? 1 : 0, request.underline ? 1 : 0,
      request.strikeout ? 1 : 0, request.escapement, request.orientation);
  return description;
}

const Font* FontTable::GetFont(const std::string& name) {
  const FontDef* def = Find(name);
  if (def == nullptr) return nullptr;
  std::string description = FontDescription(name);
  auto it = cache_.find(description);
  if (it != cache_.end()) return it->second.get();
  auto font = std::make_unique<Font>(RequestOf(*def));
  const Font* result = font.get();
  cache_.emplace(std::move(description), std::move(font));
  return result;
}

void FontTable::Clear() {
  cache_.clear();
  definitions_.clear();
}

FontTable& GetFontTable() {
  static FontTable table;
  return table;
}

}  // namespace zorvanel
