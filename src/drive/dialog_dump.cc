// The driver's "dump": the top dialog and its controls written as JSON.
#include "drive/dialog_dump.h"

#include <type_traits>
#include <vector>

#include "platform/dialog.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace zorvanel {

namespace {

nlohmann::json ToJson(const DescriptionValue& value) {
  return std::visit(
      [](const auto& v) -> nlohmann::json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, Description>) {
          return ToJson(v);
        } else if constexpr (std::is_same_v<T, std::vector<Description>>) {
          nlohmann::json list = nlohmann::json::array();
          for (const Description& item : v) list.push_back(ToJson(item));
          return list;
        } else {
          return v;
        }
      },
      value);
}

void CollectDescendants(const Window* window, std::vector<const Window*>* out) {
  for (const Window* child : window->children()) {
    out->push_back(child);
    CollectDescendants(child, out);
  }
}

}  // namespace

nlohmann::json ToJson(const Description& description) {
  nlohmann::json out = nlohmann::json::object();
  for (const DescriptionField& field : description.fields()) {
    out[field.name] = ToJson(field.value);
  }
  return out;
}

nlohmann::json DumpTopDialog(const Shell& shell) {
  nlohmann::json dump = nlohmann::json::object();
  const Dialog* top = shell.TopDialog();
  if (top == nullptr) {
    dump["dialog"] = nullptr;
    dump["title"] = "";
    dump["softkeys"] = {"", ""};
    dump["controls"] = nlohmann::json::array();
    return dump;
  }
  dump["dialog"] = top->ClassName();
  dump["title"] = top->Title();
  dump["softkeys"] = {top->soft_keys().left_text, top->soft_keys().right_text};
  std::vector<const Window*> descendants;
  CollectDescendants(top, &descendants);
  nlohmann::json controls = nlohmann::json::array();
  for (const Window* window : descendants) {
    Description control;
    window->Describe(control);
    controls.push_back(ToJson(control));
  }
  dump["controls"] = std::move(controls);
  Description added;
  for (const Window* window : descendants) window->AddToDump(added);
  top->AddToDump(added);
  dump.update(ToJson(added));
  return dump;
}

}  // namespace zorvanel
