#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <limits>

#include "unit_catalogue.h"

namespace umrido::ui {

namespace {

constexpr StoredSettings kDefaults{};

std::optional<int> ToInt32(const QVariant& v) {
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  // Text stores hand back strings; native numbers come back as numbers. Both
  // must hold a whole number within 32 bits.
  const qlonglong n = v.toString().trimmed().toLongLong(&ok);
  if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(n);
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Whether the store is a file that QSettings guards with a lock file beside
// it; the registry and the macOS preferences have locks of their own.
bool IsLockedFile(const QSettings& store) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
  return store.format() != QSettings::NativeFormat;
#else
  Q_UNUSED(store);
  return true;
#endif
}

// Whether the program's store could not be read cleanly at start. QSettings
// keeps a parsed file for the whole process and tells of a format error only
// the one store object that parsed it, so a later object would find nothing
// wrong; the finding of the start is kept here.
bool startStoreUnclean = false;

}  // namespace

StoredSettings SanitiseSettings(const RawSettings& raw) {
  for (const auto& v : raw) {
    if (!v) return kDefaults;
  }
  StoredSettings s;
  s.category = InRange(*raw[0], 0, kCategoryCount - 1) ? *raw[0] : kDefaults.category;
  s.listPosition = InRange(*raw[1], 0, kCategoryCount - 1) ? *raw[1] : kDefaults.listPosition;
  s.angleMode = InRange(*raw[2], 0, 2) ? *raw[2] : kDefaults.angleMode;
  s.german = InRange(*raw[3], 0, 1) ? *raw[3] == 1 : kDefaults.german;
  s.bannerFirst = InRange(*raw[4], 0, 1) ? *raw[4] == 1 : kDefaults.bannerFirst;
  if (CategoryAtListPosition(s.listPosition, s.german) != s.category) {
    s.listPosition = ListPositionOf(s.category, s.german);
  }
  return s;
}

RawSettings ReadRawSettings(QSettings& store) {
  RawSettings raw;
  for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
    raw[i] = ToInt32(store.value(QLatin1String(kSettingNames[i])));
  }
  return raw;
}

bool ReadCleanly(QSettings& store) {
  // Sections are parsed when first asked for, so a bad line shows only once
  // every key has been read. A value that does not decode (a @Variant of an
  // unknown type) raises no error but would be written back as @Invalid().
  const QStringList keys = store.allKeys();
  for (const QString& key : keys) {
    if (!store.value(key).isValid()) return false;
  }
  return store.status() == QSettings::NoError;
}

SaveOutcome WriteSettings(QSettings& store, const StoredSettings& s, int lockWaitMs) {
  // Whatever could not be read would be lost (or mangled) by writing the file
  // anew, so it stays as it is.
  if (!ReadCleanly(store)) return SaveOutcome::kUnreadable;
  if (IsLockedFile(store)) {
    // QSettings waits for its lock without a limit (for ever where the lock is
    // a folder, half a minute where another host holds it), so the lock is
    // tried first with a limit. It is let go again at once: QSettings takes it
    // itself, and would wait on a lock of this very process.
    const QString file = store.fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) {
      return lock.error() == QLockFile::LockFailedError ? SaveOutcome::kLocked : SaveOutcome::kFailed;
    }
  }
  const std::array<int, 5> values = {s.category, s.listPosition, s.angleMode, s.german ? 1 : 0, s.bannerFirst ? 1 : 0};
  for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
    store.setValue(QLatin1String(kSettingNames[i]), values[i]);
  }
  store.sync();
  return store.status() == QSettings::NoError ? SaveOutcome::kSaved : SaveOutcome::kFailed;
}

StoredSettings LoadSettings() {
  QSettings store(QStringLiteral("Taloma"), QStringLiteral("Umrido"));
  const RawSettings raw = ReadRawSettings(store);
  startStoreUnclean = !ReadCleanly(store);
  return SanitiseSettings(raw);
}

bool SaveSettings(const StoredSettings& settings) {
  QSettings store(QStringLiteral("Taloma"), QStringLiteral("Umrido"));
  const SaveOutcome outcome =
      startStoreUnclean ? SaveOutcome::kUnreadable : WriteSettings(store, settings, kSettingsLockWaitMs);
  const QByteArray name = QFile::encodeName(QDir::toNativeSeparators(store.fileName()));
  switch (outcome) {
    case SaveOutcome::kSaved:
      return true;
    case SaveOutcome::kUnreadable:
      std::fprintf(stderr, "umrido: settings not saved: %s could not be read cleanly and is left as it was\n",
                   name.constData());
      break;
    case SaveOutcome::kLocked:
      std::fprintf(stderr, "umrido: settings not saved: %s.lock is held by another program\n", name.constData());
      break;
    case SaveOutcome::kFailed:
      std::fprintf(stderr, "umrido: settings not saved: %s could not be written\n", name.constData());
      break;
  }
  return false;
}

}  // namespace umrido::ui
