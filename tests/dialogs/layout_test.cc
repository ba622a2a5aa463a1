// Tests of every screen's layout and of the screen sizes the program accepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/about_dlg.h"
#include "dialogs/base_list_dlg.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "dialogs/edit_camera_dlg.h"
#include "dialogs/edit_lens_dlg.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/edit_value_list_dlg.h"
#include "dialogs/equipment_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/select_list_dlg.h"
#include "platform/screen_size.h"

namespace zorvanel {
namespace {

// The client areas of a 480 x 640 and a 240 x 320 screen, at their scales.
struct Client {
  Size size;
  int scale;
};
constexpr Client kClients[] = {{{480, 588}, 100}, {{240, 294}, 50}};

// What a dialog gets of a whole screen: its column of the dialog area.
Client DialogClientOf(Size screen) {
  const int k = DisplayScaleFor(screen);
  const Rect area{0, 0, screen.width,
                  screen.height - Scaled(k, kSoftKeyBarHeight)};
  return {DialogColumn(area, k).GetSize(), k};
}

bool Inside(const Rect& inner, Size outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.right <= outer.width &&
         inner.bottom <= outer.height;
}

// The parts one screen shows, by name.
struct Part {
  std::string name;
  Rect rect;
};
using Parts = std::vector<Part>;

// Every shown part has room, lies inside the client and covers no other.
void ExpectApart(const std::string& screen, const Parts& parts, Size client) {
  for (size_t i = 0; i < parts.size(); ++i) {
    const Part& a = parts[i];
    EXPECT_FALSE(a.rect.IsEmpty()) << screen << ": " << a.name;
    EXPECT_TRUE(Inside(a.rect, client)) << screen << ": " << a.name;
    for (size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_TRUE(a.rect.Intersect(parts[j].rect).IsEmpty())
          << screen << ": " << a.name << " covers " << parts[j].name;
    }
  }
}

Parts WithButtons(Parts parts, const std::string& name, const auto& buttons) {
  for (size_t i = 0; i < buttons.size(); ++i) {
    parts.push_back({name + " " + std::to_string(i), buttons[i]});
  }
  return parts;
}

// The screens' parts on the screens the program accepts, from the smallest
// portrait screen to desktop windows wider than high.
TEST(ScreenLayouts, EveryPartHasRoomOnScreenAndCoversNoOther) {
  std::vector<Client> clients = {{{480, 588}, 100},
                                 {{240, 294}, 50},
                                 {{640, 441}, 75},
                                 {{960, 1176}, 200},
                                 {{482, 588}, 100}};
  for (const Size screen : {Size{1920, 1040}, Size{1366, 700}, Size{1200, 700},
                            Size{1024, 600}, Size{800, 600}, Size{640, 480}}) {
    clients.push_back(DialogClientOf(screen));
  }
  for (const Client& c : clients) {
    const Size z = c.size;
    const int k = c.scale;
    const std::string at =
        " at " + std::to_string(z.width) + "x" + std::to_string(z.height);
    const BaseListLayout lists = BaseListDlg::Layout(z, k);
    ExpectApart("lists" + at,
                WithButtons({{"list", lists.list}}, "button", lists.buttons),
                z);
    const SelectListLayout select = CSelectListDlg::Layout(z, k);
    ExpectApart("select" + at,
                {{"comment", select.comment}, {"list", select.list}}, z);
    const EditCameraLayout camera = CEditCameraDlg::Layout(z, k);
    ExpectApart("camera" + at,
                WithButtons(WithButtons({}, "caption", camera.captions),
                            "button", camera.buttons),
                z);
    const EditLensLayout lens = CEditLensDlg::Layout(z, k);
    ExpectApart("lens" + at,
                {{"caption", lens.caption},
                 {"name", lens.name_button},
                 {"focal", lens.focal_button},
                 {"aperture", lens.aperture_button},
                 {"distance", lens.distance_button}},
                z);
    const EditValueListLayout values = CEditValueListDlg::Layout(z, k);
    ExpectApart("values" + at,
                WithButtons({{"list", values.list}}, "button", values.buttons),
                z);
    const EquipmentLayout equipment = CEquipmentDlg::Layout(z, k);
    ExpectApart("equipment" + at,
                {{"camera", equipment.camera_button},
                 {"lens", equipment.lens_button},
                 {"language", equipment.language_button},
                 {"units", equipment.units_button},
                 {"about", equipment.about_button},
                 {"camera picture", equipment.camera_picture},
                 {"lens picture", equipment.lens_picture}},
                z);
    const CreationModeLayout creation = CCameraCreationModeDlg::Layout(z, k);
    ExpectApart("creation" + at,
                {{"comment", creation.comment},
                 {"from list", creation.from_list_button},
                 {"manual", creation.manual_button},
                 {"cancel", creation.cancel_button}},
                z);
    for (const EntryLayout kind :
         {EntryLayout::kSingleNumber, EntryLayout::kSingleText,
          EntryLayout::kTwoFields, EntryLayout::kTwoCaptioned,
          EntryLayout::kCommentTwoCaptioned}) {
      const EditValueLayout entry = CEditValueDlg::Layout(kind, z, k);
      Parts parts = {{"field 1", entry.field1},
                     {"ok", entry.ok_button},
                     {"cancel", entry.cancel_button}};
      if (entry.comment_visible) parts.push_back({"comment", entry.comment});
      if (entry.captions_visible) {
        parts.push_back({"caption 1", entry.caption1});
        parts.push_back({"caption 2", entry.caption2});
      }
      if (entry.field2_visible) parts.push_back({"field 2", entry.field2});
      ExpectApart("entry " + std::to_string(static_cast<int>(kind)) + at, parts,
                  z);
    }
  }
}

TEST(ScreenLayouts, ListButtonsAreSquareInOneCentredRowUnderTheList) {
  for (const Client& c : kClients) {
    for (const int extra : {0, 2}) {
      const Size client{c.size.width + extra, c.size.height};
      const BaseListLayout l = BaseListDlg::Layout(client, c.scale);
      EXPECT_EQ(l.buttons[0].left, client.width - l.buttons[4].right);
      for (const Rect& button : l.buttons) {
        EXPECT_EQ(button.Width(), button.Height());
        EXPECT_EQ(button.top, l.list.bottom);
        EXPECT_EQ(button.bottom, client.height);
      }
    }
  }
}

TEST(ScreenLayouts, EntryShowsThePartsItsKindNames) {
  const Size client{480, 588};
  auto shown = [&](EntryLayout kind) {
    const EditValueLayout l = CEditValueDlg::Layout(kind, client, 100);
    return std::vector<bool>{l.comment_visible, l.captions_visible,
                             l.field2_visible};
  };
  using Shown = std::vector<bool>;
  EXPECT_EQ(shown(EntryLayout::kSingleNumber), (Shown{true, false, false}));
  EXPECT_EQ(shown(EntryLayout::kSingleText), (Shown{true, false, false}));
  EXPECT_EQ(shown(EntryLayout::kTwoFields), (Shown{true, false, true}));
  EXPECT_EQ(shown(EntryLayout::kTwoCaptioned), (Shown{false, true, true}));
  EXPECT_EQ(shown(EntryLayout::kCommentTwoCaptioned),
            (Shown{true, true, true}));
  // A number needs less room than a name.
  EXPECT_LT(CEditValueDlg::Layout(EntryLayout::kSingleNumber, client, 100)
                .field1.Width(),
            CEditValueDlg::Layout(EntryLayout::kSingleText, client, 100)
                .field1.Width());
}

TEST(MessageBoxLayout, ButtonsFollowTheMessageCentredOrMirrored) {
  for (const Client& c : kClients) {
    const int message_height = c.scale / 2;
    for (const CMessageBox::Kind kind :
         {CMessageBox::Kind::kOk, CMessageBox::Kind::kOkCancel, CMessageBox::Kind::kYesNo}) {
      const MessageBoxLayout l =
          CMessageBox::Layout(c.size, c.scale, message_height, kind);
      EXPECT_EQ(l.title.top, 0);
      EXPECT_GT(l.message.top, l.title.bottom);
      EXPECT_EQ(l.message.Height(), message_height);
      EXPECT_GT(l.first_button.top, l.message.bottom);
      EXPECT_TRUE(Inside(l.first_button, c.size));
      EXPECT_EQ(l.second_button_visible, kind != CMessageBox::Kind::kOk);
      if (kind == CMessageBox::Kind::kOk) {
        EXPECT_EQ(l.first_button.left, c.size.width - l.first_button.right);
      } else {
        EXPECT_EQ(l.second_button.top, l.first_button.top);
        EXPECT_LT(l.first_button.right, l.second_button.left);
        // Equal gaps at the sides and between the buttons, but for the
        // pixels a third leaves over.
        EXPECT_NEAR(l.first_button.left, c.size.width - l.second_button.right,
                    2);
        EXPECT_NEAR(l.first_button.left,
                    l.second_button.left - l.first_button.right, 2);
      }
    }
  }
}

TEST(MessageBoxLayout, ALongMessageLeavesTheButtonsOnScreen) {
  const MessageBoxLayout layout =
      CMessageBox::Layout({480, 588}, 100, 600, CMessageBox::Kind::kOkCancel);
  EXPECT_TRUE(Inside(layout.first_button, {480, 588}));
  EXPECT_TRUE(Inside(layout.second_button, {480, 588}));
  EXPECT_GT(layout.second_button.bottom, 588 - layout.button_height);
  EXPECT_EQ(layout.message.Height(), 600);
}


TEST(AboutLayout, LogoAndTitleCentredTogetherAboveTheLicenceAndOk) {
  for (const Client& c : kClients) {
    const int title_width = 2 * c.scale;
    const AboutLayout l =
        CAboutDlg::Layout(c.size, c.scale, {100, 100}, title_width);
    EXPECT_EQ(l.logo.Width(), c.scale);  // the logo follows the scale
    EXPECT_EQ(l.title.Width(), title_width);
    EXPECT_LT(l.logo.right, l.title.left);
    EXPECT_NEAR(l.logo.left, c.size.width - l.title.right, 1);
    // Title and version stand beside the logo, one above the other.
    EXPECT_EQ(l.version.left, l.title.left);
    EXPECT_EQ(l.version.top, l.title.bottom);
    EXPECT_GE(l.title.top, l.logo.top);
    EXPECT_LE(l.version.bottom, l.logo.bottom);
    // The licence takes the whole width between the logo row and the button.
    EXPECT_GT(l.licence.top, l.logo.bottom);
    EXPECT_EQ(l.licence.Width(), c.size.width);
    EXPECT_LT(l.licence.bottom, l.ok_button.top);
    EXPECT_NEAR(l.ok_button.left, c.size.width - l.ok_button.right, 1);
    EXPECT_EQ(l.ok_button.bottom, c.size.height - l.margin);
  }
}

// The programs accept every screen whose sides are in range, and on each the
// dialogs, in their column (DialogColumn), keep room: the list screens for a
// row above their buttons (a fifth of the column each), the other screens'
// lists and buttons too.
TEST(AcceptedScreens, AreThoseEveryScreenCanBeLaidOutOn) {
  EXPECT_FALSE(ScreenSizeProblem({kMinScreenSide - 1, 640}).empty());
  EXPECT_FALSE(ScreenSizeProblem({640, kMaxScreenSide + 1}).empty());
  for (int height : {48, 64, 200, 333, 640, 1080, 2501, 8192}) {
    for (int width = kMinScreenSide; width <= kMaxScreenSide; width += 7) {
      const Size screen{width, height};
      const auto [client, k] = DialogClientOf(screen);
      const BaseListLayout lists = BaseListDlg::Layout(client, k);
      ASSERT_TRUE(ScreenSizeProblem(screen).empty()) << width << "x" << height;
      ASSERT_GE(lists.list.Height(), lists.item_height)
          << width << "x" << height;
      const EditValueListLayout values = CEditValueListDlg::Layout(client, k);
      const EquipmentLayout equipment = CEquipmentDlg::Layout(client, k);
      for (const Rect& r : {CSelectListDlg::Layout(client, k).list, values.list,
                            values.buttons.back(), equipment.language_button,
                            equipment.units_button}) {
        ASSERT_FALSE(r.IsEmpty()) << width << "x" << height;
      }
      ASSERT_LE(equipment.language_button.bottom, equipment.units_button.top)
          << width << "x" << height;
    }
  }
}

}  // namespace
}  // namespace zorvanel
