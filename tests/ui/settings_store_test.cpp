// Reading and checking the five stored values (the window test writes them
// on closing and reads them back).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "settings_store.h"
#include "ui_test_support.h"

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

QByteArray Utf16(const char* text) {
  QByteArray bytes("\xff\xfe", 2);
  const QString s = QString::fromLatin1(text);
  bytes.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
  return bytes;
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

  umrido::test::SettingsSandbox sandbox_;
  QString File() const { return sandbox_.Path() + QStringLiteral("/Taloma/Umrido.conf"); }

  void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(sandbox_.Path() + QStringLiteral("/Taloma"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray Contents() const {
    QFile f(File());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void init() {
    QFile::remove(File());
    QFile::remove(File() + QStringLiteral(".lock"));
    QDir(File() + QStringLiteral(".lock")).removeRecursively();
  }

  // A start and a close never write over a file that could not be read
  // cleanly: whatever the user or another program kept there stays.
  void unreadableFileLeftAsItWas_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("binary junk") << QByteArray(
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\n\x93\xff=\xfe\n[\x01\x02\nUCDRG\n",
        23);
    QTest::newRow("UTF-16") << Utf16("[General]\r\nUCAktuell1=22\r\nNotes=mine\r\n");
    QTest::newRow("section without ]") << QByteArray("[General\nUCAktuell1=22\nNotes=mine\n");
    QTest::newRow("line without =") << QByteArray("[General]\nUCAktuell1=22\nremember the milk\n");
    QTest::newRow("undecodable @Variant")
        << QByteArray("[General]\nUCAktuell1=22\nNotes=@Variant(\\0\\0\\0\\x7f\\0)\n");
  }

  void unreadableFileLeftAsItWas() {
    QFETCH(QByteArray, file);
    Put(File(), file);
    umrido::ui::LoadSettings();
    QVERIFY(!umrido::ui::SaveSettings(Make(kPressure, 8, 1, false, false)));
    QCOMPARE(Contents(), file);
  }

  // Closing waits about a second for the lock, then closes without saving.
  void heldLockSkipsTheSave_data() {
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder in the lock's place") << true;
    QTest::newRow("a fresh lock of another host") << false;
  }

  void heldLockSkipsTheSave() {
    QFETCH(bool, folder);
    const QByteArray clean("[General]\nUCDRG=2\n");
    Put(File(), clean);
    const QString lock = File() + QStringLiteral(".lock");
    if (folder) {
      QVERIFY(QDir().mkpath(lock + QStringLiteral("/inside")));
    } else {
      Put(lock, QByteArray("4242\numrido\nsome-other-host.example\n"));
    }
    umrido::ui::LoadSettings();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!umrido::ui::SaveSettings(Make(kPressure, 8, 1, false, false)));
    QVERIFY2(clock.elapsed() < 5000, "the close waited for the lock");
    QCOMPARE(Contents(), clean);
  }

  // A clean file, or none, is written, and what else it held stays.
  void cleanFileSaved_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("another key beside ours") << QByteArray("[General]\nNotes=mine\nUCDRG=2\n");
  }

  void cleanFileSaved() {
    QFETCH(QByteArray, file);
    if (!file.isEmpty()) Put(File(), file);
    umrido::ui::LoadSettings();
    QVERIFY(umrido::ui::SaveSettings(Make(kPressure, 8, 1, false, false)));
    QCOMPARE(umrido::ui::LoadSettings(), Make(kPressure, 27, 1, false, false));
    QCOMPARE(Contents().contains("Notes=mine"), !file.isEmpty());
    QVERIFY(!QFile::exists(File() + QStringLiteral(".lock")));
  }

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
