// The fuzz harness: each function feeds one input to the program's code.
#ifndef ZORVANEL_TOOLS_FUZZ_FUZZ_HARNESS_H_
#define ZORVANEL_TOOLS_FUZZ_FUZZ_HARNESS_H_

#include <string>
#include <string_view>

// The code behind the fuzz targets, kept apart from libFuzzer so that the
// inputs a fuzzer once broke the program with can be replayed by an ordinary
// unit test. Each function feeds one input to the program's own code and
// returns an empty string, or a description of the first broken promise.
// Crashes and sanitizer reports are the other failures they look for.
namespace zorvanel::fuzz {

// The bytes as a language file: read into the translator, every language
// selected in turn, texts and font descriptions looked up.
std::string FeedLanguageFile(std::string_view bytes);

// The bytes as ZorvanelData.ptb at start-up: loaded, the selection repaired
// and the results computed at several wheel positions and screen scales.
std::string FeedDataFile(std::string_view bytes);

// The bytes as CameraDB.ptb: loaded, its manufacturer runs built, every
// camera of every run and its kit lens looked up.
std::string FeedCameraDatabase(std::string_view bytes);

// The bytes as typed text for a number: never NaN or infinite, and the
// same number the C library reads from the same decimal text.
std::string FeedDecimal(std::string_view text);

// The bytes as a driver script, run against a small dialog holding a list,
// a button and a text field. Screenshots are not taken (the script may name
// any file).
std::string FeedScript(std::string_view script);

// UTF-8 with no broken sequence; a NUL character counts as valid (glib's
// own check refuses it).
bool IsValidUtf8(std::string_view text);

// The bytes written to a private scratch file; returns its path. Each call
// replaces the content. The file goes away when the process ends normally.
const std::string& WriteScratchFile(std::string_view bytes);

}  // namespace zorvanel::fuzz

#endif  // ZORVANEL_TOOLS_FUZZ_FUZZ_HARNESS_H_
