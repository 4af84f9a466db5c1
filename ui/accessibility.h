// What screen readers see of the unit strip: each selector is a group of
// choices ("Von"/"Nach", "From"/"To") whose entries name the units of the
// current quantity and whose checked entry is the marked row. Everything
// else of the window speaks through Qt's own interfaces.
#pragma once

#include <QString>

#include "converter.h"

class QWidget;

namespace umrido::ui {

// Installs the interfaces; once per process, before the window is built.
void InstallAccessibility();

// The group names of the two selectors.
QString SelectorGroupName(Side side, bool german);

// Tell screen readers that a selector's marker moved from `oldRow` to
// `newRow`, and that the strip now holds other units (a new quantity or
// language). Cost nothing while no screen reader listens.
void AnnounceMarker(QWidget* selector, UnitRow oldRow, UnitRow newRow);
void AnnounceUnitsRewritten(QWidget* strip);

}  // namespace umrido::ui
