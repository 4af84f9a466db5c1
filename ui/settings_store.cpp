#include "settings_store.h"

#include <QSettings>
#include <QString>
#include <QVariant>

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

bool WriteSettings(QSettings& store, const StoredSettings& s) {
  const std::array<int, 5> values = {s.category, s.listPosition, s.angleMode, s.german ? 1 : 0, s.bannerFirst ? 1 : 0};
  for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
    store.setValue(QLatin1String(kSettingNames[i]), values[i]);
  }
  store.sync();
  return store.status() == QSettings::NoError;
}

StoredSettings LoadSettings() {
  QSettings store(QStringLiteral("Taloma"), QStringLiteral("Umrido"));
  return SanitiseSettings(ReadRawSettings(store));
}

bool SaveSettings(const StoredSettings& settings) {
  QSettings store(QStringLiteral("Taloma"), QStringLiteral("Umrido"));
  return WriteSettings(store, settings);
}

}  // namespace umrido::ui
