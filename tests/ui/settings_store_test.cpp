// Reading and checking the five stored values (the window test writes them
// on closing and reads them back).
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "settings_store.h"

using umrido::ui::RawSettings;
using umrido::ui::SanitiseSettings;
using umrido::ui::StoredSettings;

Q_DECLARE_METATYPE(RawSettings)
Q_DECLARE_METATYPE(StoredSettings)

namespace {

constexpr int kLength = 2;
constexpr int kPressure = 22;
constexpr int kSiPrefix = 0;

// The fields in order: category, list position, angle mode, German, banner first.
StoredSettings Make(int category, int position, int angle, bool german, bool banner) {
  return StoredSettings{category, position, angle, german, banner};
}

// A settings file in `dir`; its destruction writes it.
std::unique_ptr<QSettings> Store(const QTemporaryDir& dir) {
  return std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.conf")), QSettings::IniFormat);
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void sanitise_data() {
    QTest::addColumn<RawSettings>("raw");
    QTest::addColumn<StoredSettings>("expected");
    const StoredSettings defaults = Make(kLength, 19, 0, true, true);
    QTest::newRow("all valid, German") << RawSettings{kPressure, 8, 1, 1, 0} << Make(kPressure, 8, 1, true, false);
    QTest::newRow("all valid, English") << RawSettings{kPressure, 27, 2, 0, 1} << Make(kPressure, 27, 2, false, true);
    QTest::newRow("SI prefixes") << RawSettings{kSiPrefix, 30, 0, 0, 1} << Make(kSiPrefix, 30, 0, false, true);
    QTest::newRow("nothing stored") << RawSettings{} << defaults;
    QTest::newRow("first missing") << RawSettings{std::nullopt, 8, 1, 1, 0} << defaults;
    QTest::newRow("last missing") << RawSettings{kPressure, 8, 1, 1, std::nullopt} << defaults;
    QTest::newRow("category 51") << RawSettings{51, 8, 1, 1, 0} << Make(kLength, 19, 1, true, false);
    QTest::newRow("category -1") << RawSettings{-1, 15, 1, 0, 0} << Make(kLength, 15, 1, false, false);
    QTest::newRow("list position 51") << RawSettings{kPressure, 51, 1, 1, 0} << Make(kPressure, 8, 1, true, false);
    QTest::newRow("angle mode 3") << RawSettings{kPressure, 8, 3, 1, 0} << Make(kPressure, 8, 0, true, false);
    QTest::newRow("angle mode -1") << RawSettings{kPressure, 8, -1, 1, 0} << Make(kPressure, 8, 0, true, false);
    QTest::newRow("SpracheD 2") << RawSettings{kPressure, 8, 1, 2, 0} << Make(kPressure, 8, 1, true, false);
    QTest::newRow("ReklameD 7") << RawSettings{kPressure, 8, 1, 1, 7} << Make(kPressure, 8, 1, true, true);
    QTest::newRow("German position in English")
        << RawSettings{kPressure, 8, 1, 0, 0} << Make(kPressure, 27, 1, false, false);
    QTest::newRow("position of another quantity") << RawSettings{kLength, 8, 0, 1, 1} << defaults;
  }

  void sanitise() {
    QFETCH(RawSettings, raw);
    QFETCH(StoredSettings, expected);
    QCOMPARE(SanitiseSettings(raw), expected);
  }

  void readsOnlyWholeNumbers_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("value");
    QTest::newRow("'12' as text") << QVariant(QStringLiteral("12")) << true << 12;
    QTest::newRow("'abc'") << QVariant(QStringLiteral("abc")) << false << 0;
    QTest::newRow("'1.5'") << QVariant(QStringLiteral("1.5")) << false << 0;
    QTest::newRow("4294967296") << QVariant(Q_INT64_C(4294967296)) << false << 0;
    QTest::newRow("-4294967295") << QVariant(Q_INT64_C(-4294967295)) << false << 0;
    QTest::newRow("true") << QVariant(true) << false << 0;
  }

  void readsOnlyWholeNumbers() {
    QFETCH(QVariant, stored);
    QFETCH(bool, readable);
    QFETCH(int, value);
    QTemporaryDir dir;
    Store(dir)->setValue(QStringLiteral("UCDRG"), stored);
    const RawSettings raw = umrido::ui::ReadRawSettings(*Store(dir));
    QCOMPARE(raw[2].has_value(), readable);
    if (readable) QCOMPARE(*raw[2], value);
  }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
