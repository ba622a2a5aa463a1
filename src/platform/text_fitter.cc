// Draws a text too wide for its box at a smaller size, and wraps texts.
#include "platform/text_fitter.h"

#include <cstdlib>
#include <vector>

namespace zorvanel {

namespace {

// The character height a fitted size starts from. Character heights are
// negative and cell heights positive; a size left open (0) counts as the
// line's height.
int StartingHeight(const Font& font) {
  const int height = font.request().height;
  return height != 0 ? height : -font.line_height();
}

// One pixel smaller or larger, keeping the sign.
int OneSmaller(int height) { return height < 0 ? height + 1 : height - 1; }
int OneLarger(int height) { return height < 0 ? height - 1 : height + 1; }

}  // namespace

const Font& TextFitter::SizeOf(const Font& font, int height) {
  std::unique_ptr<Font>& sized = sizes_[{font.serial(), height}];
  if (!sized) {
    FontRequest request = font.request();
    const int base = StartingHeight(font);
    // A set character width narrows the face: keep its proportion.
    request.width = request.width * height / base;
    request.height = height;
    sized = std::make_unique<Font>(request);
  }
  return *sized;
}

const Font& TextFitter::FontFor(Canvas& canvas, const std::string& text,
                                const Font& font, int width) {
  const int natural = canvas.MeasureText(text, font).width;
  if (natural <= width || width <= 0) return font;
  const int base = StartingHeight(font);
  const auto fits = [&](int height) {
    return canvas.MeasureText(text, SizeOf(font, height)).width <= width;
  };
  // Width grows with the size nearly in proportion: start there, then
  // step to the largest size that fits, as hinting rounds glyphs either way.
  int height = static_cast<int>(static_cast<int64_t>(base) * width / natural);
  if (height == 0) height = base < 0 ? -1 : 1;
  if (fits(height)) {
    while (OneLarger(height) != base && fits(OneLarger(height))) {
      height = OneLarger(height);
    }
  } else {
    while (std::abs(height) > 1 && !fits(height)) height = OneSmaller(height);
  }
  return SizeOf(font, height);
}

const Font& TextFitter::FontFor(Canvas& canvas, const std::string& text,
                                const Font& font, int width, int smallest) {
  const Font& fitted = FontFor(canvas, text, font, width);
  const int height = fitted.request().height;
  if (&fitted == &font || std::abs(height) >= smallest) return fitted;
  return SizeOf(font, height < 0 ? -smallest : smallest);
}

void TextFitter::Draw(Canvas& canvas, const std::string& text, const Rect& r,
                      int format, const Font& font, Colour colour) {
  Draw(canvas, text, r, format, font, colour, r.Width());
}

void TextFitter::Draw(Canvas& canvas, const std::string& text, const Rect& r,
                      int format, const Font& font, Colour colour, int width) {
  const Font& fitted = FontFor(canvas, text, font, width);
  Rect box = r;
  // A text hung from the top of its box keeps its baseline when drawn
  // smaller, in line with its neighbours.
  if ((format & (kTextVCentre | kTextBottom)) == 0) {
    box.top += font.ascent() - fitted.ascent();
  }
  canvas.DrawText(text, box, format, fitted, colour);
}

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find('\n', start);
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

// `line` broken at spaces into pieces no wider than `width`, each as long
// as it can be.
std::vector<std::string> Greedy(Canvas& canvas, const std::string& line,
                                const Font& font, int width) {
  std::vector<std::string> pieces;
  std::string current;
  size_t start = 0;
  while (start <= line.size()) {
    size_t space = line.find(' ', start);
    if (space == std::string::npos) space = line.size();
    const std::string word = line.substr(start, space - start);
    const std::string longer = current.empty() ? word : current + " " + word;
    if (!current.empty() && canvas.MeasureText(longer, font).width > width) {
      pieces.push_back(current);
      current = word;
    } else {
      current = longer;
    }
    start = space + 1;
  }
  pieces.push_back(current);
  return pieces;
}

// Appends `line` broken into as few pieces as fit `width`, of even widths:
// the narrowest width that still needs no more pieces, so that a short last
// word ("mm.") is not left alone on its line.
void AppendWrapped(Canvas& canvas, const std::string& line, const Font& font,
                   int width, std::vector<std::string>& out) {
  const size_t count = Greedy(canvas, line, font, width).size();
  int low = 1;
  int high = width;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (Greedy(canvas, line, font, middle).size() <= count) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  for (std::string& piece : Greedy(canvas, line, font, high)) {
    out.push_back(std::move(piece));
  }
}

}  // namespace

std::string WrapToWidth(Canvas& canvas, const std::string& text,
                        const Font& font, int width) {
  if (canvas.MeasureText(text, font).width <= width) return text;
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(text)) {
    if (canvas.MeasureText(line, font).width <= width) {
      lines.push_back(line);
    } else {
      AppendWrapped(canvas, line, font, width, lines);
    }
  }
  std::string wrapped;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) wrapped += "\r\n";
    wrapped += lines[i];
  }
  return wrapped;
}

}  // namespace zorvanel
