// Compares what a driver script printed with what it should print.
//
//   e2e_match EXPECTED ACTUAL
//
// Line by line, the same number of lines. An expected line that is a JSON
// object matches an actual JSON line holding at least its keys with the same
// values (objects compared the same way inside; arrays element by element,
// same length), so a script states only what it checks. Any other line must
// be equal. Exits 0 on a match; otherwise says where and exits 1.

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

std::vector<std::string> ReadLines(const std::string& path, bool* ok) {
  std::ifstream in(path);
  *ok = static_cast<bool>(in);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// True when `actual` holds `expected`; otherwise `where` names the first
// difference by its path ("main.large: want "29.5 m", got "29.6 m"").
bool Contains(const json& actual, const json& expected, const std::string& path,
              std::string* where) {
  if (expected.is_object() && actual.is_object()) {
    for (const auto& [key, value] : expected.items()) {
      const std::string inner = path.empty() ? key : path + "." + key;
      if (!actual.contains(key)) {
        *where = inner + ": missing";
        return false;
      }
      if (!Contains(actual[key], value, inner, where)) return false;
    }
    return true;
  }
  if (expected.is_array() && actual.is_array() &&
      expected.size() == actual.size()) {
    for (size_t i = 0; i < expected.size(); ++i) {
      const std::string inner = path + "[" + std::to_string(i) + "]";
      if (!Contains(actual[i], expected[i], inner, where)) return false;
    }
    return true;
  }
  if (actual == expected) return true;
  *where = path + ": want " + expected.dump() + ", got " + actual.dump();
  return false;
}

bool LinesMatch(const std::string& expected, const std::string& actual,
                std::string* why) {
  if (expected.empty() || expected.front() != '{') return expected == actual;
  const json want = json::parse(expected, nullptr, false);
  if (want.is_discarded()) {
    *why = "the expected line is not valid JSON";
    return false;
  }
  const json got = json::parse(actual, nullptr, false);
  if (got.is_discarded()) return false;
  return Contains(got, want, "", why);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: e2e_match EXPECTED ACTUAL\n";
    return 2;
  }
  bool expected_ok = false;
  bool actual_ok = false;
  const std::vector<std::string> expected = ReadLines(argv[1], &expected_ok);
  const std::vector<std::string> actual = ReadLines(argv[2], &actual_ok);
  if (!expected_ok || !actual_ok) {
    std::cerr << "e2e_match: cannot read " << (expected_ok ? argv[2] : argv[1])
              << "\n";
    return 2;
  }
  const size_t common = std::min(expected.size(), actual.size());
  for (size_t i = 0; i < common; ++i) {
    std::string why;
    if (!LinesMatch(expected[i], actual[i], &why)) {
      std::cerr << "line " << i + 1 << " differs"
                << (why.empty() ? "" : " (" + why + ")") << "\n"
                << "  expected: " << expected[i] << "\n"
                << "  actual:   " << actual[i] << "\n";
      return 1;
    }
  }
  if (expected.size() != actual.size()) {
    std::cerr << "expected " << expected.size() << " lines, got "
              << actual.size() << "\n";
    const std::vector<std::string>& longer =
        expected.size() > actual.size() ? expected : actual;
    std::cerr << "  first extra line ("
              << (expected.size() > actual.size() ? "expected" : "actual")
              << "): " << longer[common] << "\n";
    return 1;
  }
  return 0;
}
