// The list of cameras, lenses or text rows: a name over two small notes.
#ifndef ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_
#define ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_

#include <memory>
#include <optional>
#include <string>

#include "controls/dyna_list.h"
#include "data/zorvanel.pb.h"
#include "optics/lens_accessor.h"
#include "platform/text_fitter.h"

namespace zorvanel {

// The list of cameras, lenses or plain text entries: one row each, a name in
// a large font over two small notes (bottom left and bottom right).
class CameraDynaList : public CDynaList {
 public:
  // A row with a title and two notes.
  class CBaseItem : public CItem {
   public:
    CBaseItem(const std::string& title, const std::string& left_note,
              const std::string& right_note);
    ~CBaseItem() override;

    const std::string& title() const { return title_; }
    const std::string& left_note() const { return left_note_; }
    const std::string& right_note() const { return right_note_; }
    void SetTexts(const std::string& title, const std::string& left_note,
                  const std::string& right_note);
    // A frame of a picture strip drawn before the title (a language's flag).
    struct Icon {
      int bitmap_id = 0;
      int index = 0;
      int frame_count = 1;
    };
    void SetIcon(const Icon& icon) { icon_ = icon; }
    const std::optional<Icon>& icon() const { return icon_; }
    // Recomputes the texts from the stored message the row shows; plain
    // text rows keep theirs.
    virtual void RefreshTexts() {}

   private:
    std::string title_;
    std::string left_note_;
    std::string right_note_;
    std::optional<Icon> icon_;
  };

  // A row showing a stored camera: its name, its circle of confusion and
  // its focal equivalence ("50 mm -> 75 mm").
  class CCameraItem : public CBaseItem {
   public:
    // A camera of the user's data; the row does not own it.
    explicit CCameraItem(Camera* camera);
    // A camera of the row's own, freed with the row.
    explicit CCameraItem(std::unique_ptr<Camera> camera);
    ~CCameraItem() override;

    Camera* camera() const { return camera_; }
    bool owns_camera() const { return owned_ != nullptr; }
    void RefreshTexts() override;

   private:
    std::unique_ptr<Camera> owned_;
    Camera* camera_;
  };

  // A row showing a stored lens (not owned): its name, its focal range and
  // its aperture range.
  class CLensItem : public CBaseItem {
   public:
    explicit CLensItem(Lens* lens);
    ~CLensItem() override;

    Lens* lens() const { return accessor_.lens(); }
    const LensAccessor& accessor() const { return accessor_; }
    void RefreshTexts() override;

   private:
    LensAccessor accessor_;
  };

  // The three texts of a camera row, and of a lens row.
  static void CameraTexts(const Camera& camera, std::string* title,
                          std::string* left_note, std::string* right_note);
  static void LensTexts(const LensAccessor& lens, std::string* title,
                        std::string* left_note, std::string* right_note);

  CameraDynaList();
  ~CameraDynaList() override;

  // Each inserts a row before `index` (-1 appends) and returns its index.
  int AddTextRow(const std::string& title, const std::string& left_note,
                 const std::string& right_note, int index);
  int AddCameraRow(Camera* camera, int index);
  int AddLensRow(Lens* lens, int index);

  // Recomputes a row's texts from its message after the owner edited it,
  // and shows them.
  void RefreshTexts(int index);

  // The row at i when it exists and is of that kind, else null.
  CBaseItem* GetRow(int index) const;
  CCameraItem* GetCameraRow(int index) const;
  CLensItem* GetLensRow(int index) const;
  Camera* GetCamera(int index) const;
  Lens* GetLens(int index) const;
  // The same for the selected row (null without a selection).
  CBaseItem* GetSelectedRow() const { return GetRow(selected_index()); }
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
  int DrawIcon(Canvas& canvas, const CBaseItem::Icon& icon, const Rect& r);
  void DrawNotes(Canvas& canvas, const CBaseItem& row, const Rect& r,
                 const Font& font, Colour colour);

  TextFitter fitter_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_DYNA_LIST_H_
