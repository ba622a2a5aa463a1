// The operations on the user's cameras and lenses: choose, pair, add, remove.
#ifndef ZORVANEL_DATA_EQUIPMENT_H_
#define ZORVANEL_DATA_EQUIPMENT_H_

#include <string>

#include "data/zorvanel.pb.h"
#include "optics/units.h"

namespace zorvanel {

// Makes camera `index` current, and its paired lens with it. Nothing happens
// for an index without a camera.
void ChooseCamera(Equipment* equipment, int index);
// Makes lens `index` current and pairs it with the current camera, first
// unpairing the previous partners of both. Without a current camera only
// the lens becomes current. Nothing happens for an index without a lens.
void ChooseLens(Equipment* equipment, int index);

// Either list of the equipment, for the code that treats cameras and lenses
// alike. Each element may be paired with one of the other list.
enum class EquipmentList { kCameras, kLenses };

// The list whose elements pair with those of `list`.
EquipmentList OtherList(EquipmentList list);

int ItemCount(const Equipment& equipment, EquipmentList list);
// The stored selection of the list, as stored (it may be stale).
int CurrentItem(const Equipment& equipment, EquipmentList list);
// The element of the other list paired with element `index`, or -1.
int PartnerOf(const Equipment& equipment, EquipmentList list, int index);
// The name lists and questions show (ShownName).
std::string ItemName(const Equipment& equipment, EquipmentList list, int index);
// SwapCameras or SwapLenses, RemoveCamera or RemoveLens, ChooseCamera or
// ChooseLens.
void SwapItems(Equipment* equipment, EquipmentList list, int i, int j);
void RemoveItem(Equipment* equipment, EquipmentList list, int index);
void ChooseItem(Equipment* equipment, EquipmentList list, int index);

// The selected camera and lens, or null when the selection names none (no
// selection, or an index past the end of its list). Reading never changes
// the equipment.
const Camera* SelectedCamera(const Equipment& equipment);
const Lens* SelectedLens(const Equipment& equipment);
// Both name an element: what the results of the main screen need.
bool CameraAndLensSelected(const Equipment& equipment);

// For code about to work on the selected camera or lens whatever the stored
// selection says: a stale index is brought back into range and stored; an
// empty list first receives one default element. So the result is never
// null. It stays valid until the list changes.
Camera* EnsureSelectedCamera(Equipment* equipment);
Lens* EnsureSelectedLens(Equipment* equipment);

// Exchange two neighbours in the list; the pairing links of their partners and
// the selection follow them. Nothing happens unless both indices are valid and
// different.
void SwapCameras(Equipment* equipment, int i, int j);
void SwapLenses(Equipment* equipment, int i, int j);

// Remove one element (nothing happens for an invalid index). Its pairing is
// broken, the partner itself stays; a removed selection becomes -1 and a
// selection behind it keeps pointing at the same element.
void RemoveCamera(Equipment* equipment, int index);
void RemoveLens(Equipment* equipment, int index);

// Appends a copy of `tmpl`. With `tmpl_lens` a copy of that lens is appended
// too, paired with the new camera, and its wheel lists are regenerated
// (focals from its min/max focal with the camera's multiplier when that is
// set; apertures from the lens's own widest f-number, the first of its
// `apertures`, to its narrowest, the last when there are two, else f/22,
// and f/2.8 to f/22 when it names none; distances to 100 m on the series
// of `units`, from 0.1 m or the first value at or beyond the lens's nearest
// focus). Without it the camera comes unpaired. Returns the new
// camera.
Camera* AddCamera(Equipment* equipment, const Camera& tmpl,
                  const Lens* tmpl_lens, UnitSystem units);

// Appends an unpaired copy of `tmpl` and returns it.
Lens* AddLens(Equipment* equipment, const Lens& tmpl);

// True when every pairing link that names an existing element is answered by
// a link back (camera i -> lens j implies lens j -> camera i, and conversely).
bool PairingIsConsistent(const Equipment& equipment);

// Breaks every in-range link that is not answered by a link back (sets it to
// -1), so that a damaged file cannot make later operations move the wrong
// partner. Symmetric pairs are left alone.
void RepairPairing(Equipment* equipment);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_EQUIPMENT_H_
