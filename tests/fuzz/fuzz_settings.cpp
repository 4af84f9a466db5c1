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

#include "fuzz_reader.h"
#include "settings_store.h"
#include "unit_catalogue.h"

namespace {

QVariant ValueFrom(umrido::testing::FuzzReader& in) {
  const int kind = in.Byte() % 6;
  if (kind == 0) return QVariant();                                             // missing
  if (kind == 1) return static_cast<int>(static_cast<std::int8_t>(in.Byte()));  // small, often in range
  if (kind == 4) return QString::fromLatin1(QByteArray::fromStdString(in.Bytes(12)));
  if (kind == 5) return static_cast<double>(static_cast<std::int8_t>(in.Byte())) / 3.0;
  std::uint64_t v = 0;
  for (int i = 0; i < (kind == 2 ? 4 : 8); ++i) v = (v << 8) | in.Byte();
  return kind == 2 ? QVariant(static_cast<int>(static_cast<std::uint32_t>(v))) : QVariant(static_cast<qlonglong>(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString path = dir.path() + "/settings.ini";
  QFile::remove(path);
  umrido::testing::FuzzReader in{data, size};
  {
    QSettings store(path, QSettings::IniFormat);
    for (const char* name : umrido::ui::kSettingNames) {
      const QVariant v = ValueFrom(in);
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
