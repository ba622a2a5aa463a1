// What a command works on: the user's camera and lens, read from the data
// file without taking the program's lock and without writing anything.
#include "cli/command_kit.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include "app/paths.h"
#include "data/data_root.h"
#include "data/equipment.h"
#include "data/names.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/decimal.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Edits (insert, remove, replace) from one text to the other.
size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                         diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// A name shares a word with what was asked, or is a few typing slips away.
bool IsClose(const std::string& name, const std::string& wanted) {
  size_t start = 0;
  while (start < wanted.size()) {
    size_t end = wanted.find(' ', start);
    if (end == std::string::npos) end = wanted.size();
    if (end - start >= 2 &&
        name.find(wanted.substr(start, end - start)) != std::string::npos) {
      return true;
    }
    start = end + 1;
  }
  return EditDistance(name, wanted) <= 3;
}

std::string NameList(std::span<const std::string> names,
                     const std::vector<int>& which) {
  std::string list;
  for (int i : which) list += (list.empty() ? "" : ", ") + Quoted(names[i]);
  return list;
}

Expected<int> PickLanguage(std::string_view wanted) {
  std::string known;
  for (int i = 0; i < GetLanguageCount(); ++i) {
    if (Lower(LanguageName(i)) == Lower(wanted) ||
        Lower(OwnLanguageName(i)) == Lower(wanted)) {
      return i;
    }
    known += (known.empty() ? "" : ", ") + LanguageName(i);
  }
  if (GetLanguageCount() == 0) known = "English only: no language file";
  return Status::Failure("unknown language " + Quoted(wanted) + " (" + known +
                         ")");
}

template <typename Item>
std::vector<std::string> ShownNames(
    const google::protobuf::RepeatedPtrField<Item>& items) {
  std::vector<std::string> names;
  for (const Item& item : items) {
    names.push_back(ShownName(item, NameSeparator::kSpace));
  }
  return names;
}

Status ReadUserData(const std::string& folder, Zorvanel* data) {
  const std::string path = DataFilePath(folder);
  const Status read = LoadDataFile(data, path);
  if (read.ok()) return read;
  if (read.error() == ENOENT) {
    return Status::Failure("no data file at " + path +
                           ": start zorvanel once to make a camera and a lens");
  }
  return Status::Failure("cannot read " + path + ": " + read.Reason());
}

// The camera asked for, else the current one; its paired lens comes with
// it unless a lens is asked for too.
Status PickCameraAndLens(const CommandArgs& args, const Equipment& equipment,
                         CommandKit* kit) {
  int camera = equipment.current_camera();
  int lens = equipment.current_lens();
  if (args.camera) {
    const Expected<int> found =
        FindNamed(ShownNames(equipment.cameras()), *args.camera, "camera");
    if (!found.ok()) return found.status();
    camera = *found;
    if (equipment.cameras(camera).lens_index() >= 0) {
      lens = equipment.cameras(camera).lens_index();
    }
  }
  if (args.lens) {
    const Expected<int> found =
        FindNamed(ShownNames(equipment.lenses()), *args.lens, "lens");
    if (!found.ok()) return found.status();
    lens = *found;
  }
  if (camera < 0 || camera >= equipment.cameras_size()) {
    return Status::Failure("no camera is chosen: give --camera");
  }
  if (lens < 0 || lens >= equipment.lenses_size()) {
    return Status::Failure("no lens is chosen: give --lens");
  }
  kit->camera = equipment.cameras(camera);
  kit->lens = equipment.lenses(lens);
  return Status();
}

Status PickCircleOfConfusion(const CommandArgs& args, CommandKit* kit) {
  if (args.coc) {
    const std::optional<double> typed =
        ReadTypedNumber(*args.coc, kMillimetreUnit);
    if (!typed || !kCircleOfConfusionRange.Contains(*typed)) {
      return Status::Failure("--coc must be a number of millimetres from " +
                             FormatFixed(kCircleOfConfusionRange.low, 3) +
                             " to " +
                             FormatFixed(kCircleOfConfusionRange.high, 1) +
                             ", not " + Quoted(*args.coc));
    }
    kit->coc_mm = *typed;
    return Status();
  }
  kit->coc_mm = kit->camera.circle_of_confusion();
  if (!(kit->coc_mm >= kDefinedCircleOfConfusion)) {
    return Status::Failure(
        "the camera " + Quoted(ShownName(kit->camera, NameSeparator::kSpace)) +
        " has no circle of confusion: give --coc MM");
  }
  return Status();
}

}  // namespace

Expected<int> FindNamed(std::span<const std::string> names,
                        std::string_view wanted, std::string_view what) {
  const std::string key = Lower(wanted);
  std::vector<int> equal, holding, close;
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    const std::string name = Lower(names[i]);
    if (name == key) equal.push_back(i);
    if (!key.empty() && name.find(key) != std::string::npos) {
      holding.push_back(i);
    }
    if (IsClose(name, key)) close.push_back(i);
  }
  if (equal.size() == 1) return equal[0];
  if (equal.empty() && holding.size() == 1) return holding[0];
  const std::string asked = std::string(what) + " " + Quoted(wanted);
  if (!equal.empty() || !holding.empty()) {
    return Status::Failure(asked + " is ambiguous: " +
                           NameList(names, equal.empty() ? holding : equal));
  }
  if (close.empty()) {
    return Status::Failure("no " + asked + " in your list");
  }
  return Status::Failure("no " + asked +
                         " in your list; close: " + NameList(names, close));
}

Expected<std::vector<double>> ReadValueList(std::string_view option,
                                            std::string_view text,
                                            ValueKind kind, UnitSystem units) {
  std::vector<double> values;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string_view entry = text.substr(
        start, comma == std::string_view::npos ? text.npos : comma - start);
    const std::optional<double> typed =
        ReadTypedNumber(entry, TypedUnit(kind), TypedPrefixes(kind));
    const double stored =
        typed ? StoredFromTyped(kind, *typed, units) : kNoValue;
    if (!IsAcceptableValue(kind, stored)) {
      return Status::Failure(std::string(option) + ": " + Quoted(entry) +
                             " is not a value from " +
                             FormatFixed(kMinimumValue, 3) + " to " +
                             FormatFixed(MaximumValue(kind), 0));
    }
    values.push_back(stored);
    if (comma == std::string_view::npos) return values;
    start = comma + 1;
  }
}

Expected<CommandKit> LoadCommandKit(const CommandArgs& args,
                                    const std::string& executable_folder) {
  if (!args.folder.empty()) {
    if (Status folder = CheckDataFolder(args.folder); !folder.ok()) {
      return folder;
    }
  }
  const ProgramFolders folders =
      ResolveProgramFolders(executable_folder, args.folder);
  // Without the file the texts stay in English.
  static_cast<void>(LoadTranslations(TranslationPath(folders.shipped)));
  Zorvanel data;
  if (Status read = ReadUserData(folders.data, &data); !read.ok()) return read;
  CommandKit kit;
  kit.options = data.options();
  int language = data.options().language();
  if (args.language) {
    const Expected<int> picked = PickLanguage(*args.language);
    if (!picked.ok()) return picked.status();
    language = *picked;
  }
  SetLanguage(language);
  kit.units = args.units ? *args.units : ToUnitSystem(data.options().units());
  if (Status picked = PickCameraAndLens(args, data.equipment(), &kit);
      !picked.ok()) {
    return picked;
  }
  if (Status coc = PickCircleOfConfusion(args, &kit); !coc.ok()) return coc;
  return kit;
}

}  // namespace zorvanel
