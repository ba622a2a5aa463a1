#ifndef ZORVANEL_DATA_DATA_ROOT_H_
#define ZORVANEL_DATA_DATA_ROOT_H_

#include "data/zorvanel.pb.h"

namespace zorvanel {

// The user's data for the whole process: options, cameras, lenses and the
// selection. Created empty on first use; never null.
Zorvanel* GetData();

// Makes the data empty again, as at process start (for tests).
void ResetData();

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_DATA_ROOT_H_
