// The constant table of the 51 quantities and their 573 units.
//
// Everything here is compile-time data: no lookup allocates, and every lookup
// is safe for any integer argument (an id or row out of range finds nothing).
#pragma once

#include <string_view>

namespace umrido {

// Names one quantity, 0 to 50. The ids follow neither language's list order.
using CategoryId = int;
// The row of a unit in the strip of its quantity; row 0 is the base unit.
using UnitRow = int;

inline constexpr int kCategoryCount = 51;
inline constexpr int kUnitTotal = 573;
inline constexpr int kMaxUnitsPerCategory = 21;
inline constexpr int kStripPitch = 18;          // pixels per strip row
inline constexpr int kStripTopMargin = 8;       // pixels above the first row
inline constexpr CategoryId kTemperature = 30;  // the one quantity with offsets

// One unit. Texts are UTF-8; a name may be empty, a symbol never is.
struct UnitEntry {
  std::string_view symbolDe;
  std::string_view symbolEn;
  std::string_view nameDe;
  std::string_view nameEn;
  double factor;  // how many of this unit make one base unit (> 0)
  double offset;  // added after the factor; non-zero in Temperature only

  constexpr std::string_view Symbol(bool german) const { return german ? symbolDe : symbolEn; }
  constexpr std::string_view Name(bool german) const { return german ? nameDe : nameEn; }
};

// One quantity with its units, indexed by UnitRow.
struct CategoryEntry {
  CategoryId id;
  std::string_view nameDe;
  std::string_view nameEn;
  int listPositionDe;
  int listPositionEn;
  int unitCount;    // 2 to 21
  int stripHeight;  // 18 * unitCount + 8 pixels
  const UnitEntry* units;

  constexpr std::string_view Name(bool german) const { return german ? nameDe : nameEn; }
};

class UnitCatalogue {
 public:
  // The quantity with this id, or nullptr for an id outside 0 to 50.
  static const CategoryEntry* Category(CategoryId id);

  // The unit at (id, row), or nullptr when the id names no quantity or the
  // row is negative or not below that quantity's unit count.
  static const UnitEntry* Unit(CategoryId id, UnitRow row);
};

// The quantity shown at `position` (0 = top) of the German (german = true) or
// English list, or -1 for a position outside 0 to 50.
CategoryId CategoryAtListPosition(int position, bool german);

// The inverse: the list position of `id` in that language's list, or -1 for
// an id outside 0 to 50.
int ListPositionOf(CategoryId id, bool german);

// The strip height for a quantity with `unitCount` units.
constexpr int StripHeightFor(int unitCount) { return kStripPitch * unitCount + kStripTopMargin; }

}  // namespace umrido
