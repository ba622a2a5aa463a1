#include "data/data_root.h"

namespace zorvanel {

Zorvanel* GetData() {
  static Zorvanel data;
  return &data;
}

void ResetData() { GetData()->Clear(); }

}  // namespace zorvanel
