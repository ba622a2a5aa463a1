// The choice of how to make a new camera: from the database or by hand.
#include "dialogs/camera_creation_mode_dlg.h"

#include "data/camera_database.h"
#include "dialogs/edit_camera_dlg.h"
#include "dialogs/label_fitting.h"
#include "dialogs/message_box.h"
#include "dialogs/select_list_dlg.h"
#include "i18n/translator.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kMargin = 10;
constexpr int kCommentHeight = 135;
constexpr int kFirstButtonTop = 205;
constexpr int kButtonHeight = 90;
constexpr int kCancelWidth = 180;

std::string CameraCountText(int count) {
  return Tr(UiText("%1 camera(s)"), std::to_string(count));
}

// Shows the manufacturers and answers the run chosen, or -1.
int ChooseManufacturer(const CameraDatabase& database) {
  CSelectListDlg makers;
  makers.SetTitle(UiText("Manufacturer"));
  makers.SetComment(UiText("Please select your camera manufacturer"));
  makers.list().ReserveRows(static_cast<int>(database.runs().size()));
  for (const ManufacturerRun& run : database.runs()) {
    makers.list().AddTextRow(run.maker, "", CameraCountText(run.count), -1);
  }
  if (makers.RunModal() != DialogResult::kOk) return -1;
  const int row = makers.list().selected_index();
  if (row < 0 || row >= static_cast<int>(database.runs().size())) return -1;
  return row;
}

// Shows the cameras of one run and answers the database index chosen, or -1.
int ChooseModel(CameraDatabase* database, const ManufacturerRun& run) {
  CSelectListDlg models;
  models.SetTitle(UiText("Camera"));
  models.SetComment(UiText("Please select your camera"));
  Equipment* cameras = database->mutable_equipment();
  models.list().ReserveRows(run.count);
  for (int i = run.first; i < run.first + run.count; ++i) {
    models.list().AddCameraRow(cameras->mutable_cameras(i), -1);
  }
  if (models.RunModal() != DialogResult::kOk) return -1;
  const int row = models.list().selected_index();
  if (row < 0 || row >= run.count) return -1;
  return run.first + row;
}

}  // namespace

CCameraCreationModeDlg::CCameraCreationModeDlg(std::string database_path)
    : database_path_(std::move(database_path)),
      result_camera_(std::make_unique<Camera>()) {
  SetTitle(UiText("Add a new camera"));
}

CCameraCreationModeDlg::~CCameraCreationModeDlg() = default;

CreationModeLayout CCameraCreationModeDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  const int m = Scaled(scale, kMargin);
  const int bh = Scaled(scale, kButtonHeight);
  const int top = Scaled(scale, kFirstButtonTop);
  CreationModeLayout layout;
  layout.title = Rect::FromXYWH(0, 0, w, Scaled(scale, kDialogTitleHeight));
  layout.comment = Rect::FromXYWH(0, Scaled(scale, kDialogTitleHeight) + m, w,
                                  Scaled(scale, kCommentHeight));
  layout.from_list_button = Rect::FromXYWH(m, top, w - 2 * m, bh);
  layout.manual_button = Rect::FromXYWH(m, top + m + bh, w - 2 * m, bh);
  const int cancel_width = Scaled(scale, kCancelWidth);
  layout.cancel_button =
      Rect::FromXYWH(w - m - cancel_width, h - bh, cancel_width, bh);
  return layout;
}

void CCameraCreationModeDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  CreateTitle(Rect{});
  comment_.SetKey(
      UiText("You can select your camera from\r\na list. Or create it "
             "manually. If you\r\nselect the camera from a list, you "
             "will\r\nbe able to modify its properties later."));
  comment_label_.Create(this, kIdComment, Rect{});

  from_list_text_.SetKey(UiText("Select from a list..."));
  from_list_button_.SetText(from_list_text_.text());
  from_list_button_.SetIcon(pictures::kSelectFromList, false);
  from_list_button_.Create(this, kIdFromList, Rect{});

  manual_text_.SetKey(UiText("Create manually..."));
  manual_button_.SetText(manual_text_.text());
  manual_button_.SetIcon(pictures::kCreateManually, false);
  manual_button_.Create(this, kIdManual, Rect{});

  cancel_text_.SetKey(UiText("Cancel"));
  cancel_button_.SetText(cancel_text_.text());
  cancel_button_.Create(this, kIdCancel, Rect{});
  PlaceControls();
}

void CCameraCreationModeDlg::OnScreenResized() { PlaceControls(); }

void CCameraCreationModeDlg::PlaceControls() {
  const CreationModeLayout layout = Layout(ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  SetFittingText(comment_label_, comment_.text(), layout.comment.GetSize());
  comment_label_.SetRect(layout.comment);
  from_list_button_.SetRect(layout.from_list_button);
  manual_button_.SetRect(layout.manual_button);
  cancel_button_.SetRect(layout.cancel_button);
}

void CCameraCreationModeDlg::OnCommand(int command_id) {
  switch (command_id) {
    case kIdManual:
      CreateManually();
      break;
    case kIdFromList:
      if (SelectFromDatabase()) EndDialog(DialogResult::kOk);
      break;
    default:
      CBaseDlg::OnCommand(command_id);
      break;
  }
}

void CCameraCreationModeDlg::CreateManually() {
  CEditCameraDlg editor;
  editor.SetTitle(UiText("Add a new camera"));
  if (editor.RunModal() != DialogResult::kOk) return;
  *result_camera_ = *editor.camera();
  result_lens_.reset();
  EndDialog(DialogResult::kOk);
}

bool CCameraCreationModeDlg::SelectFromDatabase() {
  CameraDatabase database;
  if (!database.Load(database_path_).ok()) {
    CMessageBox::Show(UiText("Error"),
                      UiText("The file CameraDB.ptb is missing or corrupted"));
    return false;
  }
  const int run = ChooseManufacturer(database);
  if (run < 0) return false;
  const int chosen = ChooseModel(&database, database.runs()[run]);
  if (chosen < 0) return false;

  *result_camera_ = database.equipment().cameras(chosen);
  const Lens* lens = database.KitLens(chosen);
  if (lens != nullptr) {
    result_lens_ = std::make_unique<Lens>(*lens);
  } else {
    result_lens_.reset();
  }
  return true;
}

}  // namespace zorvanel
