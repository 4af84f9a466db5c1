// Shared by the engine tests: a clipboard in memory, and the comma-to-point
// rewrite that runs a case with the other separator.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "clipboard.h"

namespace umrido::testing {

// A clipboard that holds one text, or cannot be read at all (nullopt), or
// refuses writes.
class FakeClipboard : public Clipboard {
 public:
  std::optional<std::string> content = std::string();
  bool writable = true;
  std::optional<std::string> ReadText() override { return content; }
  bool WriteText(std::string_view text) override {
    if (writable) content = std::string(text);
    return writable;
  }
};

// `s` with every comma turned into a point.
inline std::string WithPoint(std::string s) {
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

}  // namespace umrido::testing
