// The five values the program keeps between runs, in the per-user settings
// store under "Taloma"/"Umrido".
#pragma once

#include <array>
#include <optional>

class QSettings;

namespace umrido::ui {

struct StoredSettings {
  int category = 2;         // "UCAktuell1": the quantity shown (Length)
  int listPosition = 19;    // "UCListBox1": its entry in the list of the stored language
  int angleMode = 0;        // "UCDRG": DEG
  bool german = true;       // "SpracheD"
  bool bannerFirst = true;  // "ReklameD"

  bool operator==(const StoredSettings& o) const {
    return category == o.category && listPosition == o.listPosition && angleMode == o.angleMode && german == o.german &&
           bannerFirst == o.bannerFirst;
  }
};

// The value names, in the order they are read and written.
inline constexpr std::array<const char*, 5> kSettingNames = {"UCAktuell1", "UCListBox1", "UCDRG", "SpracheD",
                                                             "ReklameD"};

// The values as found in the store, in the order of kSettingNames; nullopt
// where a value is missing or is no 32-bit integer.
using RawSettings = std::array<std::optional<int>, 5>;

// Turns what was found into what the program starts with:
// - any value missing: all five defaults together;
// - a value out of its range (ids and positions 0-50, angle mode 0-2, flags
//   0/1) falls back to its own default;
// - a list position that does not name the stored quantity in the stored
//   language is replaced by that quantity's position, so list, heading and
//   strip agree.
StoredSettings SanitiseSettings(const RawSettings& raw);

// Reads the five values from `store` (top level of the store).
RawSettings ReadRawSettings(QSettings& store);

enum class SaveOutcome {
  kSaved,
  kUnreadable,  // the store reported a format or access error: left as it was
  kLocked,      // its lock file stayed taken for the time allowed
  kFailed,      // writing failed
};

// How long closing waits for the settings lock before it gives up saving.
inline constexpr int kSettingsLockWaitMs = 1000;

// Writes the five values (flags as 1/0) and flushes, atomically as QSettings
// does, unless the store could not be read cleanly (then nothing is written,
// so nothing that was kept there is lost) or its lock cannot be had within
// `lockWaitMs`.
SaveOutcome WriteSettings(QSettings& store, const StoredSettings& settings, int lockWaitMs);

// Whether every key of `store` could be read without a format or access error
// and every value decoded.
bool ReadCleanly(QSettings& store);

// The same over the program's own store. A store that LoadSettings could not
// read cleanly is not written by SaveSettings either. SaveSettings says on
// stderr, in one line, why nothing was saved; the caller carries on regardless.
StoredSettings LoadSettings();
bool SaveSettings(const StoredSettings& settings);

}  // namespace umrido::ui
