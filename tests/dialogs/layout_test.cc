// Layout numbers of the message box and the about box, worked out by hand
// from the design sizes (margin 10, title 50, button 70 high, ...), and the
// screen sizes on which every screen can be laid out.
#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "dialogs/base_list_dlg.h"
#include "dialogs/edit_value_list_dlg.h"
#include "dialogs/equipment_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/select_list_dlg.h"
#include "platform/screen_size.h"

namespace zorvanel {
namespace {

TEST(MessageBoxLayout, AtFullScale) {
  // A 480 x 640 screen leaves a 480 x 588 dialog; a 40-pixel message.
  const MessageBoxLayout ok =
      CMessageBox::Layout({480, 588}, 100, 40, CMessageBox::Kind::kOk);
  EXPECT_EQ(ok.margin, 10);
  EXPECT_EQ(ok.title_height, 50);
  EXPECT_EQ(ok.button_height, 70);
  EXPECT_EQ(ok.button_width, 160);
  EXPECT_EQ(ok.title, Rect::FromXYWH(0, 0, 480, 50));
  EXPECT_EQ(ok.message, Rect::FromXYWH(0, 60, 480, 40));
  // One centred button below the message: y = 50 + 10 + 40 + 10.
  EXPECT_EQ(ok.first_button, Rect::FromXYWH(160, 110, 160, 70));
  EXPECT_FALSE(ok.second_button_visible);

  // Two buttons with three equal gaps of (480 - 320) / 3 = 53.
  const MessageBoxLayout yes_no =
      CMessageBox::Layout({480, 588}, 100, 40, CMessageBox::Kind::kYesNo);
  EXPECT_EQ(yes_no.first_button, Rect::FromXYWH(53, 110, 160, 70));
  EXPECT_EQ(yes_no.second_button, Rect::FromXYWH(266, 110, 160, 70));
  EXPECT_TRUE(yes_no.second_button_visible);
}

TEST(MessageBoxLayout, AtHalfScale) {
  // 240 x 320 screen: bar 26, dialog 240 x 294; a 20-pixel message.
  const MessageBoxLayout ok =
      CMessageBox::Layout({240, 294}, 50, 20, CMessageBox::Kind::kOk);
  EXPECT_EQ(ok.margin, 5);
  EXPECT_EQ(ok.title_height, 25);
  EXPECT_EQ(ok.button_height, 35);
  EXPECT_EQ(ok.button_width, 80);
  EXPECT_EQ(ok.message, Rect::FromXYWH(0, 30, 240, 20));
  EXPECT_EQ(ok.first_button, Rect::FromXYWH(80, 55, 80, 35));

  // Gaps of (240 - 160) / 3 = 26.
  const MessageBoxLayout ok_cancel =
      CMessageBox::Layout({240, 294}, 50, 20, CMessageBox::Kind::kOkCancel);
  EXPECT_EQ(ok_cancel.first_button, Rect::FromXYWH(26, 55, 80, 35));
  EXPECT_EQ(ok_cancel.second_button, Rect::FromXYWH(132, 55, 80, 35));
}

TEST(MessageBoxLayout, ALongMessageLeavesTheButtonsOnScreen) {
  // 588 - 10 - 70 = 508 is as low as the buttons go.
  const MessageBoxLayout layout =
      CMessageBox::Layout({480, 588}, 100, 600, CMessageBox::Kind::kOkCancel);
  EXPECT_EQ(layout.first_button.top, 508);
  EXPECT_EQ(layout.second_button.bottom, 578);
  EXPECT_EQ(layout.message.Height(), 600);
}

TEST(AboutLayout, AtFullScale) {
  const AboutLayout layout =
      CAboutDlg::Layout({480, 588}, 100, {100, 100}, 200);
  // (480 - 200 - 10 - 100) / 2 = 85; the title follows the logo and a gap.
  EXPECT_EQ(layout.logo, Rect::FromXYWH(85, 10, 100, 100));
  // Title and version (50 + 20) centred against the logo at 10 ... 110.
  EXPECT_EQ(layout.title, Rect::FromXYWH(195, 25, 200, 50));
  EXPECT_EQ(layout.version, Rect::FromXYWH(195, 75, 200, 20));
  // 588 - 40 - 70 - 100 = 378 for the licence below the logo row.
  EXPECT_EQ(layout.licence, Rect::FromXYWH(0, 120, 480, 378));
  EXPECT_EQ(layout.ok_button, Rect::FromXYWH(165, 508, 150, 70));
  EXPECT_EQ(layout.ok_button.bottom, 588 - 10);
}

TEST(AboutLayout, AtHalfScale) {
  const AboutLayout layout = CAboutDlg::Layout({240, 294}, 50, {100, 100}, 100);
  // Logo 50 x 50, gap 5: (240 - 100 - 5 - 50) / 2 = 42.
  EXPECT_EQ(layout.logo, Rect::FromXYWH(42, 5, 50, 50));
  // (10 + 50 - 10 - 25) / 2 = 12.
  EXPECT_EQ(layout.title, Rect::FromXYWH(97, 12, 100, 25));
  EXPECT_EQ(layout.version, Rect::FromXYWH(97, 37, 100, 10));
  // 294 - 20 - 35 - 50 = 189.
  EXPECT_EQ(layout.licence, Rect::FromXYWH(0, 60, 240, 189));
  EXPECT_EQ(layout.ok_button, Rect::FromXYWH(82, 254, 75, 35));
  EXPECT_EQ(layout.ok_button.bottom, 294 - 5);
}

// The programs accept exactly the screens on which the list screens keep
// room for a row above their buttons (a fifth of the width each), and on
// every one of those the other screens' lists and buttons have room too.
TEST(AcceptedScreens, AreThoseEveryScreenCanBeLaidOutOn) {
  for (int height : {48, 64, 200, 333, 640, 1080, 2501, 8192}) {
    for (int width = kMinScreenSide; width <= kMaxScreenSide; width += 7) {
      const Size screen{width, height};
      const int k = DisplayScaleFor(screen);
      const Size client{width, height - Scaled(k, kSoftKeyBarDesignHeight)};
      const BaseListLayout lists = BaseListDlg::Layout(client, k);
      const bool accepted = ScreenSizeProblem(screen).empty();
      ASSERT_EQ(accepted, lists.list.Height() >= lists.item_height)
          << width << "x" << height;
      if (!accepted) continue;
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
