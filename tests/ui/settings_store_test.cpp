// Reading and checking the five stored values (the window test writes them
// on closing and reads them back).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStringEncoder>

#include "settings_store.h"
#include "ui_test_support.h"

using Raw = umrido::ui::RawSettings;
using Settings = umrido::ui::StoredSettings;

constexpr int kLength = 2;
constexpr int kPressure = 22;
constexpr int kSiPrefix = 0;

// Who holds the settings file's lock when the window closes.
enum Lock { kFree, kFolder, kOtherHost };

Q_DECLARE_METATYPE(Raw)
Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(Lock)

class SettingsStoreTest : public QObject {
  Q_OBJECT

  umrido::test::SettingsSandbox sandbox_;
  QString File() const { return sandbox_.Path() + QStringLiteral("/Taloma/Umrido.conf"); }
  QString LockFile() const { return File() + QStringLiteral(".lock"); }

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
  void init() { QDir(sandbox_.Path() + QStringLiteral("/Taloma")).removeRecursively(); }

  // A close saves only a file that was read cleanly at start and whose lock
  // it gets within about a second; a file not saved keeps whatever the user
  // or another program kept there, and so does a saved one beside our keys.
  void saveOnClose_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Lock>("lock");
    QTest::addColumn<bool>("saved");
    const QByteArray clean("[General]\nNotes=mine\nUCDRG=2\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("no file yet") << QByteArray() << kFree << true;
    QTest::newRow("another key beside ours") << clean << kFree << true;
    QTest::newRow("a folder in the lock's place") << clean << kFolder << false;
    QTest::newRow("a fresh lock of another host") << clean << kOtherHost << false;
    // The start of a program file: stray bytes and an unclosed section.
    QTest::newRow("binary junk") << QByteArray::fromHex("7f454c460201010000000a93ff3dfe0a5b01020a554344") << kFree
                                 << false;
    QTest::newRow("UTF-16") << QByteArray(utf16(u"[General]\r\nUCAktuell1=22\r\nNotes=mine\r\n")) << kFree << false;
    QTest::newRow("section without ]") << QByteArray("[General\nUCAktuell1=22\nNotes=mine\n") << kFree << false;
    QTest::newRow("line without =") << QByteArray("[General]\nUCAktuell1=22\nremember the milk\n") << kFree << false;
    QTest::newRow("undecodable @Variant")
        << QByteArray("[General]\nUCAktuell1=22\nNotes=@Variant(\\0\\0\\0\\x7f\\0)\n") << kFree << false;
  }

  void saveOnClose() {
    QFETCH(QByteArray, file);
    QFETCH(Lock, lock);
    QFETCH(bool, saved);
    if (!file.isEmpty()) Put(File(), file);
    if (lock == kFolder) QVERIFY(QDir().mkpath(LockFile() + QStringLiteral("/inside")));
    if (lock == kOtherHost) Put(LockFile(), QByteArray("4242\numrido\nsome-other-host.example\n"));
    umrido::ui::LoadSettings();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(umrido::ui::SaveSettings(Settings{kPressure, 8, 1, false, false}), saved);
    QVERIFY2(clock.elapsed() < 5000, "the close waited for the lock");
    if (!saved) {
      QCOMPARE(Contents(), file);
      return;
    }
    QCOMPARE(umrido::ui::LoadSettings(), (Settings{kPressure, 27, 1, false, false}));
    QCOMPARE(Contents().contains("Notes=mine"), !file.isEmpty());
    QVERIFY(!QFile::exists(LockFile()));
  }

  void sanitise_data() {
    QTest::addColumn<Raw>("raw");
    QTest::addColumn<Settings>("expected");
    const Settings defaults{kLength, 19, 0, true, true};
    QTest::newRow("all valid, German") << Raw{kPressure, 8, 1, 1, 0} << Settings{kPressure, 8, 1, true, false};
    QTest::newRow("all valid, English") << Raw{kPressure, 27, 2, 0, 1} << Settings{kPressure, 27, 2, false, true};
    QTest::newRow("SI prefixes") << Raw{kSiPrefix, 30, 0, 0, 1} << Settings{kSiPrefix, 30, 0, false, true};
    QTest::newRow("nothing stored") << Raw{} << defaults;
    QTest::newRow("first missing") << Raw{std::nullopt, 8, 1, 1, 0} << defaults;
    QTest::newRow("last missing") << Raw{kPressure, 8, 1, 1, std::nullopt} << defaults;
    QTest::newRow("category 51") << Raw{51, 8, 1, 1, 0} << Settings{kLength, 19, 1, true, false};
    QTest::newRow("category -1") << Raw{-1, 15, 1, 0, 0} << Settings{kLength, 15, 1, false, false};
    QTest::newRow("list position 51") << Raw{kPressure, 51, 1, 1, 0} << Settings{kPressure, 8, 1, true, false};
    QTest::newRow("angle mode 3") << Raw{kPressure, 8, 3, 1, 0} << Settings{kPressure, 8, 0, true, false};
    QTest::newRow("angle mode -1") << Raw{kPressure, 8, -1, 1, 0} << Settings{kPressure, 8, 0, true, false};
    QTest::newRow("SpracheD 2") << Raw{kPressure, 8, 1, 2, 0} << Settings{kPressure, 8, 1, true, false};
    QTest::newRow("ReklameD 7") << Raw{kPressure, 8, 1, 1, 7} << Settings{kPressure, 8, 1, true, true};
    QTest::newRow("German position in English")
        << Raw{kPressure, 8, 1, 0, 0} << Settings{kPressure, 27, 1, false, false};
    QTest::newRow("position of another quantity") << Raw{kLength, 8, 0, 1, 1} << defaults;
  }

  void sanitise() {
    QFETCH(Raw, raw);
    QFETCH(Settings, expected);
    QCOMPARE(umrido::ui::SanitiseSettings(raw), expected);
  }

  void readsOnlyWholeNumbers_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<std::optional<int>>("read");
    QTest::newRow("'12' as text") << QVariant(QStringLiteral("12")) << std::optional(12);
    QTest::newRow("'abc'") << QVariant(QStringLiteral("abc")) << std::optional<int>();
    QTest::newRow("'1.5'") << QVariant(QStringLiteral("1.5")) << std::optional<int>();
    QTest::newRow("4294967296") << QVariant(Q_INT64_C(4294967296)) << std::optional<int>();
    QTest::newRow("-4294967295") << QVariant(Q_INT64_C(-4294967295)) << std::optional<int>();
    QTest::newRow("true") << QVariant(true) << std::optional<int>();
  }

  void readsOnlyWholeNumbers() {
    QFETCH(QVariant, stored);
    QFETCH(std::optional<int>, read);
    sandbox_.Store(QStringLiteral("UCDRG"), stored);
    QSettings store(QStringLiteral("Taloma"), QStringLiteral("Umrido"));
    QCOMPARE(umrido::ui::ReadRawSettings(store)[2], read);
  }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
