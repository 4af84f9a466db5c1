// The system clipboard as the engines see it: plain text in, plain text out.
// The window implements it over the toolkit's clipboard; tests use a fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace umrido {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // The clipboard's plain text (UTF-8); "" when it holds no text. nullopt when
  // the clipboard cannot be read at all, which callers treat as a failed paste.
  virtual std::optional<std::string> ReadText() = 0;

  // Puts `text` on the clipboard as plain text. Returns false on failure.
  virtual bool WriteText(std::string_view text) = 0;
};

}  // namespace umrido
