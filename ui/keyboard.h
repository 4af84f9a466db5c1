// The window's keyboard shortcuts. Each runs the engine calls of the mouse
// gesture it stands for. Only keys that type no character and that the
// fields leave alone are used, so every key the fields know keeps its meaning.
#pragma once

#include <QKeySequence>

#include <optional>
#include <vector>

#include "calc_engine.h"

class QKeyEvent;

namespace umrido::ui {

class TFormUC;

struct ShortcutRow {
  QKeySequence key;
  void (*run)(TFormUC&);
};

// The whole table, in the order of the README's keyboard table.
const std::vector<ShortcutRow>& Shortcuts();

// A key of the calculator's pad as the keyboard reaches it while the pad has
// the focus: typed characters (any of `characters`, letters in either case)
// or a key with modifiers.
struct PadKeyRow {
  const char* characters;  // may be empty
  QKeyCombination key;     // Qt::Key_unknown when only characters press it
  CalcKey calcKey;
  // A letter names the cell: it presses whichever of the cell's keys lies on
  // top, as a click on that spot would. Symbols name their own key.
  bool followsLayer;
};

// The whole table, in the order of the README's pad table.
const std::vector<PadKeyRow>& PadKeys();

// The pad key `e` presses with the layer flags given, if any.
std::optional<CalcKey> PadKeyFor(const QKeyEvent& e, bool shiftOn, bool hypOn);

}  // namespace umrido::ui
