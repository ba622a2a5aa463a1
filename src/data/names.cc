// The names of cameras and lenses: joined for display, split from entry.
#include "data/names.h"

#include <string_view>

#include "i18n/translated_string.h"
#include "i18n/translator.h"

namespace zorvanel {
namespace {

constexpr std::string_view kEscapedBreak = "\\n";

std::string_view SeparatorText(NameSeparator separator) {
  switch (separator) {
    case NameSeparator::kLineBreak:
      return "\r\n";
    case NameSeparator::kEscaped:
      return kEscapedBreak;
    case NameSeparator::kSpace:
      break;
  }
  return " ";
}

std::string JoinName(const std::string& maker, const std::string& model,
                     NameSeparator separator) {
  if (maker.empty()) return model;
  if (model.empty()) return maker;
  std::string name = maker;
  name += SeparatorText(separator);
  name += model;
  return name;
}

std::string OrNoName(std::string name) {
  if (name.find_first_not_of(" \t\r\n") != std::string::npos) return name;
  return Translate(UiText("(no name)"));
}

// Works for both messages: they share the maker/model pair.
template <typename Message>
void SplitInto(Message* message, const std::string& text) {
  const size_t at = text.find(kEscapedBreak);
  if (at == std::string::npos) {
    message->set_maker("");
    message->set_model(text);
    return;
  }
  message->set_maker(text.substr(0, at));
  message->set_model(text.substr(at + kEscapedBreak.size()));
}

}  // namespace

std::string DisplayName(const Camera& camera, NameSeparator separator) {
  return JoinName(camera.maker(), camera.model(), separator);
}

std::string DisplayName(const Lens& lens, NameSeparator separator) {
  return JoinName(lens.maker(), lens.model(), separator);
}

std::string ShownName(const Camera& camera, NameSeparator separator) {
  return OrNoName(DisplayName(camera, separator));
}

std::string ShownName(const Lens& lens, NameSeparator separator) {
  return OrNoName(DisplayName(lens, separator));
}

void SplitName(Camera* camera, const std::string& text) {
  SplitInto(camera, text);
}

void SplitName(Lens* lens, const std::string& text) { SplitInto(lens, text); }

}  // namespace zorvanel
