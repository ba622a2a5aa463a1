#ifndef ZORVANEL_DATA_MESSAGE_FILE_H_
#define ZORVANEL_DATA_MESSAGE_FILE_H_

#include <google/protobuf/message_lite.h>

#include <string>

namespace zorvanel {

// What reading a message file found.
enum class MessageFileState {
  kParsed,      // read and parsed (required fields are not checked here)
  kMissing,     // no file of that name: nothing changed
  kUnreadable,  // not a regular file, no access, a read error or too large:
                // nothing changed
  kMalformed,   // read, but the bytes do not parse: the message keeps what
                // was parsed before the fault
};

// Reads the whole file (a regular file of at most 256 MiB, opened without
// ever blocking) and parses it into `message`, cleared first when the file
// was read. `error` (optional) gets the system's errno of an unreadable file.
MessageFileState ReadMessageFile(google::protobuf::MessageLite* message,
                                 const std::string& path, int* error = nullptr);

// ReadMessageFile that only answers whether the file was read and parsed
// completely, with every required field present.
bool LoadMessageFile(google::protobuf::MessageLite* message,
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
// and flushed instead. When writing fails it returns false with the
// system's errno in `error` (optional); the old file is untouched and no
// temporary file remains. Temporaries that a killed process left behind are
// removed first. A failure to flush the folder after the rename also returns
// false; the new file is then in place.
bool SaveMessageFile(const google::protobuf::MessageLite& message,
                     const std::string& path, int* error = nullptr);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_MESSAGE_FILE_H_
