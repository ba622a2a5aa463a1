#ifndef ZORVANEL_DATA_MESSAGE_FILE_H_
#define ZORVANEL_DATA_MESSAGE_FILE_H_

#include <google/protobuf/message_lite.h>

#include <string>

namespace zorvanel {

// Reads the whole file and parses it into `message` (cleared first). Returns
// true when the file was read and parsed completely, with every required
// field present. A file that cannot be opened or read leaves the message as
// it was; malformed or incomplete content leaves what was parsed before the
// fault.
bool LoadMessageFile(google::protobuf::MessageLite* message,
                     const std::string& path);

// Serialises `message` (required fields are not checked) and replaces the
// file with it atomically: the bytes go to a new file in the same folder
// (unnamed until it is complete, where the system allows), which is flushed
// to disk and then renamed over the old file (whose permissions it keeps).
// When writing fails it returns false, the old file is untouched and no
// temporary file remains. Temporaries that a killed process left behind are
// removed first. A failure to flush the folder after the rename also returns
// false; the new file is then in place.
bool SaveMessageFile(const google::protobuf::MessageLite& message,
                     const std::string& path);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_MESSAGE_FILE_H_
