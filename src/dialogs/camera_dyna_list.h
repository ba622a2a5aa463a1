// The list of cameras, lenses or text rows: a name over two small notes.
#ifndef ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_
#define ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_

#include <memory>
#include <optional>
#include <string>

#include "controls/row_list.h"
#include "data/zorvanel.pb.h"
#include "platform/text_fitter.h"

namespace zorvanel {

// The texts of one row: a name over two small notes.
struct ListRowTexts {
  std::string title;
  std::string left_note;
  std::string right_note;
};

// A frame of a picture strip drawn before a row's title (a language's flag).
struct ListRowIcon {
  int bitmap_id = 0;
  int index = 0;
  int frame_count = 1;
};

// One row of a CameraDynaList: a stored camera, a stored lens (neither
// owned) or texts of its own. A camera's or a lens's texts are made from
// it when the row is drawn, so a row of the user's data costs a few
// pointers whatever the number of rows.
struct CameraListRow {
  struct Fixed {
    ListRowTexts texts;
    std::optional<ListRowIcon> icon;
  };
  Camera* camera = nullptr;
  Lens* lens = nullptr;
  std::unique_ptr<Fixed> fixed;
};

// The list of cameras, lenses or plain text entries: one row each, a name in
// a large font over two small notes (bottom left and bottom right).
class CameraDynaList : public CRowList<CameraListRow> {
 public:
  // The three texts of a camera row, and of a lens row.
  static ListRowTexts CameraTexts(const Camera& camera);
  static ListRowTexts LensTexts(const Lens& lens);

  CameraDynaList();
  ~CameraDynaList() override;

  // Each inserts a row before `index` (-1 appends) and returns its index.
  int AddTextRow(const std::string& title, const std::string& left_note,
                 const std::string& right_note, int index);
  int AddCameraRow(Camera* camera, int index);
  int AddLensRow(Lens* lens, int index);

  // Shows a row's texts anew after the owner edited its camera or lens.
  void RefreshTexts(int index);
  // A text row's icon; nothing for other rows.
  void SetRowIcon(int index, const ListRowIcon& icon);

  // The texts row `index` shows (empty without a row).
  ListRowTexts TextsOf(int index) const;
  // The row's camera or lens when it shows one, else null.
  Camera* GetCamera(int index) const;
  Lens* GetLens(int index) const;
  // The same for the selected row (null without a selection).
  Camera* GetSelectedCamera() const { return GetCamera(selected_index()); }
  Lens* GetSelectedLens() const { return GetLens(selected_index()); }

  // The registry names of the two row fonts.
  static constexpr const char* kTitleFont = "Dynalist";
  static constexpr const char* kNoteFont = "DynalistSmall";
  // Defines the two row fonts (the first definition wins).
  static void DefineRowFonts();

 protected:
  void DrawRow(Canvas& canvas, const Rect& cell, int index,
               Colour text) override;
  // Typed letters are matched against the row's title.
  std::string SearchText(int index) const override;
  // {"title", "left", "right", "selected"}
  void DescribeRow(int index, Description& row) const override;

 private:
  // Draws the icon at the left of `r`; answers where the texts start.
  int DrawIcon(Canvas& canvas, const ListRowIcon& icon, const Rect& r);
  void DrawNotes(Canvas& canvas, const ListRowTexts& texts, const Rect& r,
                 const Font& font, Colour colour);

  TextFitter fitter_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_
