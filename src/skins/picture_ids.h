// The ids of the skin pictures in the bundle.
#ifndef ZORVANEL_SKINS_PICTURE_IDS_H_
#define ZORVANEL_SKINS_PICTURE_IDS_H_

// The ids of the skin pictures in the bundle: zv_skingen draws each under
// its id and the screens ask the bitmap cache for it by the same id.
namespace zorvanel::pictures {

// Main screen.
inline constexpr unsigned kWheel = 134;
inline constexpr unsigned kResultPanel = 135;
inline constexpr unsigned kWindowIcon = 152;

// Equipment screen and about box.
inline constexpr unsigned kCamera = 153;
inline constexpr unsigned kLens = 154;
inline constexpr unsigned kFlagStrip = 156;  // one flag per language
inline constexpr unsigned kLogo = 189;

// List dialogs: three-state icon strips in button order, and their skin.
inline constexpr unsigned kListAdd = 158;
inline constexpr unsigned kListRemove = 159;
inline constexpr unsigned kListEdit = 160;
inline constexpr unsigned kListMoveUp = 161;
inline constexpr unsigned kListMoveDown = 162;
inline constexpr unsigned kListButtonSkin = 163;

// Camera creation mode.
inline constexpr unsigned kCreateManually = 165;
inline constexpr unsigned kSelectFromList = 166;

// Text fields.
inline constexpr unsigned kEditFocused = 169;
inline constexpr unsigned kEditIdle = 170;

// Value list editing.
inline constexpr unsigned kAddOne = 178;
inline constexpr unsigned kAddRange = 179;
inline constexpr unsigned kRemoveOne = 183;
inline constexpr unsigned kRemoveAll = 184;

// Lens values.
inline constexpr unsigned kAperture = 180;
inline constexpr unsigned kDistance = 181;
inline constexpr unsigned kFocal = 182;

// Custom buttons: the face and the pressed overlay.
inline constexpr unsigned kButtonSkin = 185;
inline constexpr unsigned kButtonOverlay = 186;

}  // namespace zorvanel::pictures

#endif  // ZORVANEL_SKINS_PICTURE_IDS_H_
