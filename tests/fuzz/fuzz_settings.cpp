// Arbitrary stored values into the settings reader: integers of any size,
// texts, byte strings, missing values. Whatever the store holds, the program
// starts with values in range, and the list position names the stored
// quantity in the stored language.
#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings_store.h"
#include "unit_catalogue.h"

namespace {

QVariant ValueFrom(const std::uint8_t*& p, const std::uint8_t* end) {
  auto byte = [&]() -> std::uint8_t { return p < end ? *p++ : 0; };
  switch (byte() % 6) {
    case 0:
      return QVariant();  // missing
    case 1:
      return static_cast<int>(static_cast<std::int8_t>(byte()));  // small, often in range
    case 2: {
      std::uint32_t v = 0;
      for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
      return static_cast<int>(v);
    }
    case 3: {
      std::uint64_t v = 0;
      for (int i = 0; i < 8; ++i) v = (v << 8) | byte();
      return static_cast<qlonglong>(v);
    }
    case 4: {
      const int n = byte() % 12;
      QByteArray b;
      for (int i = 0; i < n; ++i) b.append(static_cast<char>(byte()));
      return QString::fromLatin1(b);
    }
    default:
      return static_cast<double>(static_cast<std::int8_t>(byte())) / 3.0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString path = dir.path() + "/settings.ini";
  QFile::remove(path);
  const std::uint8_t* p = data;
  const std::uint8_t* end = data + size;
  {
    QSettings store(path, QSettings::IniFormat);
    for (const char* name : umrido::ui::kSettingNames) {
      const QVariant v = ValueFrom(p, end);
      if (v.isValid()) store.setValue(name, v);
    }
  }
  QSettings store(path, QSettings::IniFormat);
  const umrido::ui::StoredSettings s = umrido::ui::SanitiseSettings(umrido::ui::ReadRawSettings(store));
  if (s.category < 0 || s.category >= umrido::kCategoryCount) std::abort();
  if (s.angleMode < 0 || s.angleMode > 2) std::abort();
  if (umrido::CategoryAtListPosition(s.listPosition, s.german) != s.category) std::abort();
  return 0;
}
