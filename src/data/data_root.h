// Loads the user's data file and repairs what would be unsafe to work on.
#ifndef ZORVANEL_DATA_DATA_ROOT_H_
#define ZORVANEL_DATA_DATA_ROOT_H_

#include <string>

#include "data/zorvanel.pb.h"
#include "platform/status.h"

namespace zorvanel {

// Reads the user's data file into `data` (ReadMessageFile, with its
// failures) and makes what was read safe to work on: camera-lens links that
// are not answered by a link back are cut and a selection that names no
// element is brought into range (-1 when its list is empty). After a parse
// that failed part way (EBADMSG), the bytes the parser kept without placing
// them are dropped as well: written back, they would make the file
// unreadable. Broken values are dropped too (DropBrokenValues); a file that
// held some, or held nothing at all (an empty file), reads as EBADMSG.
Status LoadDataFile(Zorvanel* data, const std::string& path);

// Drops what the program never stores and a damaged or foreign file may
// hold: numbers that are not finite (list entries go, single values are
// cleared to their defaults) and NUL characters in names. Whether anything
// was dropped.
bool DropBrokenValues(Zorvanel* data);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_DATA_ROOT_H_
