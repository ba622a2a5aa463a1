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

// The file a path stands for once symbolic links are followed, so that a
// save replaces the link's target and keeps the link. A link to nothing
// gives the path it names; a loop gives `path` itself.
std::string FollowLinks(const std::string& path);

// Serialises `message` (required fields are not checked) and replaces the
// file with it atomically: the bytes go to a new file in the target's
// folder (unnamed until it is complete, where the system allows), which is
// flushed to disk and then renamed over the old file (whose permissions it
// keeps). Symbolic links are followed. Where the folder does not allow a
// new file but the old file may be written, the file is rewritten in place
// and flushed instead. When writing fails, the old file is untouched and no
// temporary file remains. Temporaries that a killed process left behind are
// removed first. A failure to flush the folder after the rename is a
// failure too; the new file is then in place.
Status SaveMessageFile(const google::protobuf::MessageLite& message,
                       const std::string& path);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_MESSAGE_FILE_H_
