// Arbitrary stored values into the settings reader: integers of any size,
// texts, byte strings, missing values. Whatever the store holds, the program
// starts with values in range, and the list position names the stored
// quantity in the stored language.
#include <fuzzer/FuzzedDataProvider.h>

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

QVariant ValueFrom(FuzzedDataProvider& in) {
  const int kind = in.ConsumeIntegralInRange(0, 5);
  if (kind == 0) return QVariant();                                           // missing
  if (kind == 1) return static_cast<int>(in.ConsumeIntegral<std::int8_t>());  // small, often in range
  if (kind == 2) return in.ConsumeIntegral<int>();
  if (kind == 3) return in.ConsumeIntegral<qlonglong>();
  if (kind == 4) return QString::fromLatin1(QByteArray::fromStdString(in.ConsumeRandomLengthString(11)));
  return in.ConsumeIntegral<std::int8_t>() / 3.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString path = dir.path() + "/settings.ini";
  QFile::remove(path);
  FuzzedDataProvider in(data, size);
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
