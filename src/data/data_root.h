#ifndef ZORVANEL_DATA_DATA_ROOT_H_
#define ZORVANEL_DATA_DATA_ROOT_H_

#include "data/zorvanel.pb.h"

namespace zorvanel {

// The user's data for the whole process: options, cameras, lenses and the
// selection. Created empty on first use; never null.
Zorvanel* GetData();

// Makes the data empty again, as at process start (for tests).
void ResetData();

// Makes freshly loaded data safe to work on: camera-lens links that are not
// answered by a link back are cut and a selection that names no element is
// brought into range (-1 when its list is empty). After a parse that failed
// part way (`parse_failed`), the bytes the parser kept without placing them
// are dropped as well: written back, they would make the file unreadable.
void RepairLoadedData(Zorvanel* data, bool parse_failed);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_DATA_ROOT_H_
