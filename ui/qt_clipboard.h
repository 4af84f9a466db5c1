// The engines' clipboard over the system clipboard, plain text only.
#pragma once

#include "clipboard.h"

namespace umrido::ui {

class QtClipboard final : public Clipboard {
 public:
  std::optional<std::string> ReadText() override;
  bool WriteText(std::string_view text) override;
};

}  // namespace umrido::ui
