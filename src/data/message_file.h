// Reads a stored message from a file and saves one, or any bytes, atomically
// in its place.
#ifndef ZORVANEL_DATA_MESSAGE_FILE_H_
#define ZORVANEL_DATA_MESSAGE_FILE_H_

#include <google/protobuf/message_lite.h>

#include <string>

#include "platform/status.h"

namespace zorvanel {

// Reads the whole file (a regular file of at most 256 MiB, opened without
// ever blocking, see ReadRegularFile) and parses it into `message`, cleared
// first when the file was read. Required fields are not checked. The
// failures: ENOENT when there is no such file and EBADMSG when the bytes do
// not parse (the message keeps what was parsed before the fault); any other
// failure left the message unchanged.
Status ReadMessageFile(google::protobuf::MessageLite* message,
                       const std::string& path);

// The file a save of `path` replaces: symbolic links are followed, so that
// the link stays and its target gets the new content; a link to nothing
// gives the path it names. A link to something that is not a regular file
// (a folder, a device) gives `path` itself, as does a loop: what the link
// names is never replaced, the link is.
std::string SaveTarget(const std::string& path);

// Serialises `message` (required fields are not checked) and replaces the
// file with it atomically: the bytes go to a new file in the target's
// folder (unnamed until it is complete, where the system allows), which is
// flushed to disk and then renamed over the old file (whose permissions it
// keeps). Symbolic links are followed as SaveTarget says. Where the folder does
// not allow a new file but the old file may be written, the file is rewritten
// in place and flushed instead. When writing fails, the old file is untouched
// and no temporary file remains. Temporaries that a killed process left behind
// are removed first. A failure to flush the folder after the rename is a
// failure too; the new file is then in place.
Status SaveMessageFile(const google::protobuf::MessageLite& message,
                       const std::string& path);

// Replaces the file at `path` with `bytes` the same way: a file that is
// there stays whole until the new one is complete.
Status SaveBytesFile(const std::string& bytes, const std::string& path);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_MESSAGE_FILE_H_
