// The window's keyboard shortcuts. Each runs the engine calls of the mouse
// gesture it stands for. Only keys that type no character and that the
// fields leave alone are used, so every key the fields know keeps its meaning.
#pragma once

#include <QKeySequence>

#include <vector>

namespace umrido::ui {

class TFormUC;

struct ShortcutRow {
  QKeySequence key;
  void (*run)(TFormUC&);
};

// The whole table, in the order of the README's keyboard table.
const std::vector<ShortcutRow>& Shortcuts();

}  // namespace umrido::ui
