// What screen readers see of the unit strip: each selector is a group of
// choices ("Von"/"Nach", "From"/"To") whose entries name the units of the
// current quantity and whose checked entry is the marked row; the strip
// shows only its two selectors (its captions would name each unit a second
// and third time). The window is a frame named by its title, the status bar
// a status bar. Everything else of the window speaks through Qt's own
// interfaces.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "converter.h"

namespace umrido::ui {

// Installs the interfaces; once per process, before the window is built.
void InstallAccessibility();

// The group names of the two selectors.
QString SelectorGroupName(Side side, bool german);

// Tell screen readers that a selector's marker moved from `oldRow` to
// `newRow`, and that the strip's rows now hold other units (a new quantity
// or language): `oldCount` entries were shown before, `newCount` now. Cost
// nothing while no screen reader listens.
void AnnounceMarker(QWidget* selector, UnitRow oldRow, UnitRow newRow);
void AnnounceUnitsRewritten(QWidget* strip, int oldCount, int newCount);

// Says what changed without moving the focus. Screen readers move on with
// the focus and read only what happens there, so a result, a unit or a
// quantity changed by a shortcut would go unheard. A notification inside the
// status bar is spoken the moment it shows, wherever the focus is, and
// without a role name (Orca does so; it is also what AT-SPI clients list
// as the window's latest news). Invisible and without size on screen.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* statusBar);

  // Asks for `compose` to be run `delay` ms from now (restarted by each
  // request, never later than a pending earlier one), and its text, unless
  // empty, spoken. While no screen reader listens, `compose` still runs
  // (it keeps the owner's record of what was told) but nothing is sent.
  void Request(int delay);
  std::function<QString()> compose;

  // The last text spoken, for the accessible interface.
  QString Text() const { return text_; }

 private:
  void Speak();

  QTimer timer_;
  QString text_;
};

}  // namespace umrido::ui
