// Shipped texts measured with the program's own fonts against the places
// the screens give them, on the 480 x 640 design screen and at half its
// size. Buttons and labels never wrap, so a text that is too wide there is
// cut off or runs over its neighbours; messages are wrapped at spaces to
// the screen's width, so each of their words must fit it and the wrapped
// message must leave room for the buttons.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "file_bytes.h"
#include "language_file_reader.h"
#include "mainscreen/help_dlg.h"
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/text_fitter.h"
#include "text_measure.h"

namespace zorvanel {
namespace {

// Font heights of the program's named fonts (negative: character height,
// positive: cell height) at scale 100.
constexpr int kButton = -25;     // buttons, main screen captions
constexpr int kSoftKey = -24;    // the soft-key bar
constexpr int kScreen = -25;     // result panel labels
constexpr int kBigScreen = -65;  // result panel large value
constexpr int kTitle = -38;
constexpr int kNormal = -20;
constexpr int kItalic = 30;  // messages, comments, captions
constexpr int kCameraScreen = -18;
constexpr int kDynalist = -33;
constexpr int kDynalistSmall = -15;
constexpr int kTooltip = -20;

struct Place {
  int font;
  int width;  // pixels available to one line
};

// Where each text is drawn. A text used in several places is listed under
// each; texts not listed are messages or comments across the whole width.
const std::multimap<std::string, Place>& Places() {
  static const auto* places = new std::multimap<std::string, Place>{
      // Soft keys: half of the bar each.
      {"Options...", {kSoftKey, 230}},
      {"Exit", {kSoftKey, 230}},
      {"Select", {kSoftKey, 230}},
      {"Back", {kSoftKey, 230}},
      {"Main screen", {kSoftKey, 230}},
      {"Cancel", {kSoftKey, 230}},
      {"Ok", {kSoftKey, 230}},
      {"Next", {kSoftKey, 230}},
      // Message box and entry dialog buttons: a third of the width.
      {"Ok", {kButton, 150}},
      {"Cancel", {kButton, 150}},
      {"Yes", {kButton, 150}},
      {"No", {kButton, 150}},
      // Main screen: wheel captions left of the centre, result panel.
      {"Focal:", {kButton, 204}},
      {"Aperture:", {kButton, 204}},
      {"Distance:", {kButton, 204}},
      {"Hyperfocal", {kScreen, 270}},
      {"DOF:", {kScreen, 70}},
      {"Min:", {kScreen, 70}},
      {"Max:", {kScreen, 70}},
      {"Hyp:", {kScreen, 70}},
      {"Infinity", {kScreen, 125}},
      {"Infinity", {kBigScreen, 260}},
      // Plan screen: wheel captions and answer labels left of the centre,
      // the stack's heading across the notes, "Use" on the left soft key.
      {"Sharp from:", {kButton, 204}},
      {"to:", {kButton, 204}},
      {"Focus at:", {kButton, 204}},
      {"Needed:", {kButton, 204}},
      {"Set:", {kButton, 204}},
      {"Min:", {kButton, 204}},
      {"Max:", {kButton, 204}},
      {"Focus stack at %1: %2 pictures", {kNormal, 432}},
      {"Use", {kSoftKey, 230}},
      // Equipment screen buttons (beside the pictures, bottom row).
      {"Select the camera...", {kButton, 290}},
      {"Select the lens...", {kButton, 290}},
      {"Select the language...", {kButton, 320}},
      {"ft./in.", {kButton, 176}},
      {"m/cm", {kButton, 176}},
      {"About...", {kButton, 176}},
      {"Help", {kButton, 150}},
      // Tooltips of the list buttons: one line across the screen.
      {"Add", {kTooltip, 470}},
      {"Remove", {kTooltip, 470}},
      {"Edit", {kTooltip, 470}},
      {"Move up", {kTooltip, 470}},
      {"Move down", {kTooltip, 470}},
      // Buttons with an icon on their left.
      {"Select from a list...", {kButton, 313}},
      {"Create manually...", {kButton, 300}},
      {"Add one...", {kButton, 176}},
      {"Add range...", {kButton, 176}},
      {"Remove one", {kButton, 176}},
      {"Remove all", {kButton, 176}},
      {"Define focal values...", {kButton, 362}},
      {"Define aperture values...", {kButton, 362}},
      {"Define distance values...", {kButton, 362}},
      {"Focal: %1...", {kButton, 362}},
      {"Aperture: %1...", {kButton, 362}},
      {"Distance: %1...", {kButton, 362}},
      {"Click to define...", {kButton, 440}},
      {"Real %1 is displayed %2", {kButton, 440}},
      // Labels above the editor buttons.
      {"Name of the camera:", {kNormal, 470}},
      {"Circle of confusion of the camera:", {kNormal, 470}},
      {"Focal equivalence for display:", {kNormal, 470}},
      {"Name of the lens:", {kNormal, 470}},
      // Captions above the two fields of a range entry: half the width.
      {"Real focal:", {kItalic, 235}},
      {"Displayed focal:", {kItalic, 235}},
      {"Width:", {kItalic, 235}},
      {"Height:", {kItalic, 235}},
      {"Min focal", {kItalic, 235}},
      {"Max focal", {kItalic, 235}},
      {"Min aperture", {kItalic, 235}},
      {"Max aperture", {kItalic, 235}},
      {"Min distance", {kItalic, 235}},
      {"Max distance", {kItalic, 235}},
      // Units inside an entry comment.
      {"ft.", {kItalic, 120}},
      {"m", {kItalic, 120}},
      {"%1 camera(s)", {kDynalistSmall, 200}},
      // List rows of the circle of confusion's choice, at the smallest size
      // a row title is drawn, and the figures of a camera row.
      {"Standard print", {kButton, 450}},
      {"Large print or close viewing", {kButton, 450}},
      {"Sensor size...", {kButton, 450}},
      {"Crop factor...", {kButton, 450}},
      {"Other value...", {kButton, 450}},
      {"CoC %1", {kDynalistSmall, 380}},
  };
  return *places;
}

// Dialog titles: one line of the title font across the screen.
const char* const kTitles[] = {
    "My cameras",
    "My lenses",
    "Add a new camera",
    "Edit camera",
    "Edit lens",
    "Manufacturer",
    "Camera",
    "Error",
    "Remove confirmation",
    "Remove lens?",
    "Remove camera?",
    "Invalid value",
    "Existing value",
    "Existing value(s)",
    "Delete value?",
    "Delete values?",
    "Mandatory value",
    "Focal of your lens",
    "Aperture of your lens",
    "Name of your lens",
    "Details of your lens",
    "Lens name",
    "Camera name",
    "Circle of confusion",
    "Focal multiplier",
    "Sensor size",
    "Crop factor",
    "Edit focal values",
    "Edit aperture values",
    "Edit focus distance values",
    "New focal value",
    "New focal values",
    "New aperture value",
    "New aperture values",
    "New distance value",
    "New distance values",
    "Zorvanel",
    "Already running",
    "Data file damaged",
    "Not saved",
    "The panel",
    "The wheels",
    "The zone strip",
    "Amber values",
    "The plan screen",
    "Options",
};

constexpr Place kWholeWidth = {kItalic, 480};

// Typical values for the placeholders, so texts are measured as shown.
std::pair<std::string, std::string> SampleValues(const std::string& key) {
  static const auto* samples =
      new std::map<std::string, std::pair<std::string, std::string>>{
          {"Version: %1", {"1.6", ""}},
          {"Focus stack at %1: %2 pictures", {"f/20", "35"}},
          {"The lens stops down only to %1.", {"f/22", ""}},
          {"A focus stack would need more than %1 pictures.", {"200", ""}},
          {"%1 camera(s)", {"42", ""}},
          {"Focal: %1...", {"70 mm - 200 mm", ""}},
          {"Aperture: %1...", {"f/2.8 - f/22", ""}},
          {"Distance: %1...", {"10 cm - 100 m", ""}},
          {"Real %1 is displayed %2", {"23.3 mm", "35 mm"}},
          {"CoC %1", {"0.019 mm", ""}},
          {"The diagonal of the sensor must be\r\nbetween %1 and %2.",
           {"4 mm", "100 mm"}},
          {"The crop factor must be\r\nbetween %1 and %2.",
           {"\u00D70.44", "\u00D710.8"}},
          {"The circle of confusion must be\r\nbetween %1 and %2.",
           {"0.001 mm", "0.300 mm"}},
          {"Focal values must be greater than %1.", {"0.01 mm", ""}},
          {"Do you want to delete\r\nthe value %1?", {"100 mm", ""}},
          {"Please enter a new focusing distance\r\nfor your lens (%1).",
           {"ft.", ""}},
          {"Enter distance range (%1)", {"ft.", ""}},
          {"The data file could not be read.\r\nWhat could be read is "
           "shown.\r\nThe file was kept as\r\n%1",
           {"ZorvanelData.ptb\r\n.damaged-20261207-120014", ""}},
          {"The data file could not be read\r\nnor kept aside:\r\n%1\r\nIt "
           "will not be replaced.",
           {"Permission denied", ""}},
          {"Your data could not be saved:\r\n%1\r\n\r\nTry again? \"No\" "
           "ends the\r\nprogram without saving.",
           {"No space left on device", ""}},
      };
  const auto it = samples->find(key);
  if (it != samples->end()) return it->second;
  if (key.find("%1") != std::string::npos) return {"2.828", ""};
  return {"", ""};
}

std::string WithSampleValues(std::string text, const std::string& key) {
  const auto [first, second] = SampleValues(key);
  // The remove questions name a camera or a lens.
  const std::string name =
      key.find("remove") != std::string::npos ? "Canon EOS 250D" : first;
  for (size_t at = text.find("%1"); at != std::string::npos;
       at = text.find("%1", at))
    text.replace(at, 2, name);
  for (size_t at = text.find("%2"); at != std::string::npos;
       at = text.find("%2", at))
    text.replace(at, 2, second);
  return text;
}

class TextFitTest : public ::testing::TestWithParam<int>,
                    protected TextMeasure {
 protected:
  // The display scale in percent.
  int Scale() const { return GetParam(); }

  const Font& FontOf(int height) { return ScaledFont(height, Scale()); }

  // Width of the widest line of `text`.
  int Width(const std::string& text, int font) {
    return canvas_.MeasureText(text, FontOf(font)).width;
  }

  // Checks one text at one place: a message is wrapped as the message box
  // wraps it and must then fit the width and leave room for the buttons
  // (message top 60, buttons 70 high and 10 apart on a 588-pixel client).
  void ExpectFits(const std::string& text, const Place& place,
                  const std::string& what) {
    const int width = place.width * Scale() / 100;
    std::string shown = text;
    if (&place == &kWholeWidth) {
      shown = WrapToWidth(canvas_, text, FontOf(place.font), width);
      EXPECT_LE(canvas_.MeasureText(shown, FontOf(place.font)).height,
                (588 - 60 - 70 - 2 * 10) * Scale() / 100)
          << what << " is too tall when wrapped";
    }
    EXPECT_LE(Width(shown, place.font), width)
        << what << " is " << Width(shown, place.font) << " px wide, " << width
        << " px fit";
  }

  std::vector<const Place*> PlacesOf(const std::string& key) {
    static const Place kTitlePlace = {kTitle, 480};
    std::vector<const Place*> found;
    const auto [begin, end] = Places().equal_range(key);
    for (auto it = begin; it != end; ++it) found.push_back(&it->second);
    for (const char* title : kTitles)
      if (key == title) found.push_back(&kTitlePlace);
    if (key == "Version: %1") {
      // As wide as the title in the about box.
      version_place_ = {kNormal, Width("Zorvanel", kTitle) * 100 / Scale()};
      found.push_back(&version_place_);
    }
    if (found.empty()) found.push_back(&kWholeWidth);
    return found;
  }

  void ExpectFitsHelpPage(const std::string& text) {
    const int width = 460 * Scale() / 100;
    const Size wrapped = canvas_.MeasureText(
        WrapToWidth(canvas_, text, FontOf(kItalic), width), FontOf(kItalic));
    EXPECT_LE(wrapped.width, width) << text;
    EXPECT_LE(wrapped.height, (588 - 50 - 3 * 10) * Scale() / 100) << text;
  }

  Place version_place_;
};

TEST_P(TextFitTest, EveryTextFitsItsPlaceInEveryLanguage) {
  const LanguageTable table = ParseLanguageFile(
      testing::ReadFile(std::string(ZV_BIN_DIR) + "/Translation.lang"));
  ASSERT_FALSE(table.entries.empty()) << "Translation.lang was not built";
  for (const auto& [key, texts] : table.entries) {
    if (key == "ANSI_CHARSET" || key == "__licence__") continue;
    for (const Place* place : PlacesOf(key)) {
      ExpectFits(WithSampleValues(key, key), *place, "\"" + key + "\"");
      for (const auto& [language, text] : texts) {
        ExpectFits(WithSampleValues(text, key), *place,
                   table.languages[language] + " \"" + text + "\" for \"" +
                       key + "\"");
      }
    }
  }
  // A help page wraps its text within margins of 10 under its heading.
  int topic_count = 0;
  const HelpTopic* topics = HelpTopics(&topic_count);
  for (int i = 0; i < topic_count; ++i) {
    const auto& texts = table.entries.at(topics[i].text);
    ExpectFitsHelpPage(topics[i].text);
    for (const auto& [language, text] : texts) ExpectFitsHelpPage(text);
  }
  // The about box wraps the licence to the screen's width, below the logo
  // and above the Ok button.
  const int width = 480 * Scale() / 100;
  for (const auto& [language, text] : table.entries.at("__licence__")) {
    const Size wrapped = canvas_.MeasureText(
        WrapToWidth(canvas_, text, FontOf(kItalic), width), FontOf(kItalic));
    EXPECT_LE(wrapped.width, width)
        << table.languages[language] << " licence: " << text;
    EXPECT_LE(wrapped.height, (588 - 40 - 70 - 100) * Scale() / 100)
        << table.languages[language] << " licence: " << text;
  }
}

// The reference screen, half of it, and the scales of the desktop windows
// (640 x 480: 75; 800 x 600 and 1024 x 600: 93; 1200 x 700 and 1366 x 700:
// 109; 1920 x 1040: 162), whose dialogs keep at least the reference width.
INSTANTIATE_TEST_SUITE_P(Scales, TextFitTest,
                         ::testing::Values(100, 50, 75, 93, 109, 162),
                         ::testing::PrintToStringParamName());

}  // namespace
}  // namespace zorvanel
