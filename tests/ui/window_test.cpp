// The window as a whole: start-up from stored settings, shut-down, the
// right-hand panels, the language switch, the status line and the hidden
// banner toggle.
#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include "calc_engine.h"
#include "status_hint.h"
#include "texts.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::CategoryAtListPosition;
using umrido::UnitCatalogue;
using umrido::test::Click;
using umrido::test::Find;
using umrido::test::U8;

namespace {

// Five stored values (invalid: missing) and what the window makes of them.
// Out-of-range and partial stores at the window level; every rule of the
// check is in the settings store test.
const QVariant kMissing;
const struct {
  const char* tag;
  std::array<QVariant, 5> stored;
  int category, listPosition, angleMode;
  bool german, bannerFirst;
} kStartCases[] = {
    {"first start", {kMissing, kMissing, kMissing, kMissing, kMissing}, 2, 19, 0, true, true},
    {"22,8,1,1,1", {22, 8, 1, 1, 1}, 22, 8, 1, true, true},
    {"22,27,2,0,0", {22, 27, 2, 0, 0}, 22, 27, 2, false, false},
    {"missing ReklameD", {22, 27, 2, 0, kMissing}, 2, 19, 0, true, true},
    {"angle mode 3", {22, 8, 3, 1, 0}, 22, 8, 0, true, false},
};

// Releases on the banner after a press inside it: only a release on the
// toggle spot asks, and only OK changes the flag.
const struct {
  const char* tag;
  QPoint release;
  int releases;
  bool answerOk;
  int questions;
  bool bannerFirstAfter;
} kBannerCases[] = {
    {"97,58 OK", {97, 58}, 1, true, 1, false},      {"97,58 Abbrechen", {97, 58}, 1, false, 1, true},
    {"97,58 OK twice", {97, 58}, 2, true, 2, true}, {"98,58", {98, 58}, 1, true, 0, true},
    {"97,57", {97, 57}, 1, true, 0, true},
};

}  // namespace

// The window itself is made by each test, with the settings it needs.
class WindowTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private slots:
  void init() { sandbox_.Clear(); }
  void cleanup() { QVERIFY2(!watchdog_.TakeUnexpected(), "an unexpected dialog opened"); }

  void layoutHasEveryNamedControl() {
    auto form = umrido::test::StartWindow();
    QCOMPARE(form->size(), QSize(614, 451));
    form->BringCalculatorToFront();
    for (const auto& row : umrido::ui::ControlHints()) QVERIFY2(Find(form.get(), row.control), row.control);
    for (const auto& info : umrido::CalcKeys()) QVERIFY2(Find(form.get(), info.name), info.name);
    for (int r = 1; r <= 21; ++r) QVERIFY(Find(form.get(), QStringLiteral("StaticText%1").arg(r).toLatin1()));
  }

  void startUpFromStoredValues_data() { umrido::test::AddIndexRows(kStartCases); }

  void startUpFromStoredValues() {
    QFETCH(int, index);
    const auto& [tag, stored, category, listPosition, angleMode, german, bannerFirst] = kStartCases[index];
    for (std::size_t i = 0; i < 5; ++i) {
      if (stored[i].isValid()) sandbox_.Store(QLatin1String(umrido::ui::kSettingNames[i]), stored[i]);
    }
    auto form = umrido::test::StartWindow();
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    QCOMPARE(Find<QListWidget>(form.get(), "ListBoxUC")->currentRow(), listPosition);
    QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), U8(UnitCatalogue::Category(category)->Name(german)));
    QCOMPARE(Find<QLabel>(form.get(), "LabelV")->text(), U8(UnitCatalogue::Unit(category, 0)->Symbol(german)));
    QCOMPARE(Find(form.get(), "PanelUnit")->height(), UnitCatalogue::Category(category)->stripHeight);
    QCOMPARE(form->Calc().State().AngleMode, angleMode);
    QCOMPARE(form->LanguageFlag(), german);
    QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonD")->isChecked(), german);
    QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonE")->isChecked(), !german);
    QCOMPARE(form->windowTitle(),
             german ? QStringLiteral("UMRIDO (Einheiten-Umrechner)") : QStringLiteral("UMRIDO (Unit-Converter)"));
    QCOMPARE(form->FrontPanel()->objectName(),
             bannerFirst ? QStringLiteral("PanelReklame") : QStringLiteral("PanelRechner"));
    QCOMPARE(QApplication::focusWidget(), Find(form.get(), "EditV"));
    QCOMPARE(Find<QLineEdit>(form.get(), "EditV")->selectedText(), QStringLiteral("1"));
    QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QLineEdit>(form.get(), "EditCalc")->text(), QStringLiteral("0"));
    // The angle mode on the indicator, also when the keys are made after the
    // start.
    form->BringCalculatorToFront();
    const int drgTops[] = {2, -7, -16};
    QCOMPARE(Find(form.get(), "ImageDRG")->y(), drgTops[angleMode]);
    // Closing stores the values in use, whatever was found.
    QVERIFY(form->close());
    const int expected[] = {category, listPosition, angleMode, german, bannerFirst};
    for (std::size_t i = 0; i < 5; ++i) {
      const auto v = sandbox_.Read(QLatin1String(umrido::ui::kSettingNames[i]));
      QVERIFY2(v.has_value(), umrido::ui::kSettingNames[i]);
      QCOMPARE(v->toInt(), expected[i]);
    }
  }

  void closesWhenTheStoreCannotBeWritten() {
    // A regular file where the store's folder should be: nothing can be
    // written, and the window must close all the same.
    QTemporaryDir blocked;
    QFile file(blocked.filePath(QStringLiteral("Taloma")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocked.path());
    auto form = umrido::test::StartWindow();
    QVERIFY(!umrido::ui::SaveSettings(form->CurrentSettings()));
    QVERIFY(form->close());
    QVERIFY(!form->isVisible());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, sandbox_.Path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, sandbox_.Path());
  }

  // Walks through the panel buttons (R: SpeedButtonRechner, I:
  // SpeedButtonInfo), from a start with the banner or the calculator in front.
  void panelButtons_data() {
    QTest::addColumn<bool>("bannerFirst");
    QTest::addColumn<QString>("steps");  // key, front panel, Rechner down, Info down
    QTest::newRow("banner first") << true
                                  << "I Info 0 1, I Reklame 0 0, R Rechner 1 0, I Info 0 1, I Reklame 0 0, "
                                     "I Info 0 1, R Rechner 1 0";
    QTest::newRow("calculator first") << false << "R Rechner 1 0, R Reklame 0 0";
  }

  void panelButtons() {
    QFETCH(bool, bannerFirst);
    QFETCH(QString, steps);
    sandbox_.Store(QStringLiteral("ReklameD"), bannerFirst ? 1 : 0);
    for (std::size_t i = 0; i < 4; ++i)
      sandbox_.Store(QLatin1String(umrido::ui::kSettingNames[i]), std::array{2, 19, 0, 1}[i]);
    auto form = umrido::test::StartWindow();
    for (const QString& step : steps.split(QStringLiteral(", "))) {
      const QStringList s = step.split(QLatin1Char(' '));
      Click(form.get(), s[0] == QLatin1String("R") ? "SpeedButtonRechner" : "SpeedButtonInfo");
      QCOMPARE(form->FrontPanel()->objectName(), QStringLiteral("Panel") + s[1]);
      QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonRechner")->isChecked(), s[2] == QLatin1String("1"));
      QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonInfo")->isChecked(), s[3] == QLatin1String("1"));
    }
  }

  void languageSwitchKeepsTheQuantity_data() {
    QTest::addColumn<int>("germanPosition");
    QTest::addColumn<int>("englishPosition");
    QTest::newRow("Druck 8 / Pressure 27") << 8 << 27;
  }

  void languageSwitchKeepsTheQuantity() {
    QFETCH(int, germanPosition);
    QFETCH(int, englishPosition);
    auto form = umrido::test::StartWindow();
    auto* list = Find<QListWidget>(form.get(), "ListBoxUC");
    umrido::test::ClickListEntry(form.get(), germanPosition);
    const int category = CategoryAtListPosition(germanPosition, true);
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    // Pick a unit on each side and type a value: the switch must keep them.
    umrido::test::PickUnit(form.get(), "ImageN", 20);
    QTest::keyClicks(Find(form.get(), "EditV"), QStringLiteral("7"));
    const QString editV = Find<QLineEdit>(form.get(), "EditV")->text();
    const QString editN = Find<QLineEdit>(form.get(), "EditN")->text();
    const QString labelN = Find<QLabel>(form.get(), "LabelN")->text();
    const int markerN = Find(form.get(), "ImageMarkeN")->y();

    Click(form.get(), "SpeedButtonE");
    QCOMPARE(list->currentRow(), englishPosition);
    QCOMPARE(list->currentItem()->text(), U8(UnitCatalogue::Category(category)->nameEn));
    QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), list->currentItem()->text());
    QCOMPARE(Find<QLabel>(form.get(), "LabelCalc")->text(), QStringLiteral("Calculator"));
    QCOMPARE(Find(form.get(), "EditCalc")->accessibleName(), QStringLiteral("Calculator"));
    QCOMPARE(Find<QLabel>(form.get(), "StaticText1")->text(), U8(UnitCatalogue::Unit(category, 0)->symbolEn));
    Click(form.get(), "SpeedButtonInfo");
    QVERIFY(Find<QPlainTextEdit>(form.get(), "MemoInfo2")->isVisibleTo(form.get()));
    QVERIFY(!Find<QPlainTextEdit>(form.get(), "MemoInfo1")->isVisibleTo(form.get()));
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditV")->text(), editV);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), editN);
    QCOMPARE(Find<QLabel>(form.get(), "LabelN")->text(), labelN);  // kept until the next pick
    QCOMPARE(Find(form.get(), "ImageMarkeN")->y(), markerN);

    Click(form.get(), "SpeedButtonD");
    QCOMPARE(list->currentRow(), germanPosition);
  }

  // Every control's hint in both languages, as listed in hints.tsv: an edit
  // of a text has to be made there too, on purpose.
  void everyHintAsListed() {
    QFile file(QStringLiteral(UMRIDO_TEST_DATA "/hints.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto form = umrido::test::StartWindow();
    // The calculator's keys are made on its first way to the front, here in
    // the language chosen before.
    form->SpeedButtonEClick();
    form->BringCalculatorToFront();
    for (const bool german : {false, true}) {
      if (german) form->SpeedButtonDClick();
      for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        QCOMPARE(umrido::ui::HintOf(Find(form.get(), f[0].toLatin1().constData())), f[german ? 1 : 2]);
      }
    }
  }

  void statusLineShowsTheHint_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("SpeedButtonEnd") << "SpeedButtonEnd" << QString::fromUtf8("Programm beenden ?") << "Program exit ?";
    QTest::newRow("ImageN") << "ImageN" << QString::fromUtf8("Einheit auswählen") << "Select Unit";
    QTest::newRow("LabelV") << "LabelV" << QString() << QString();
    QTest::newRow("LabelUnit in its frame") << "LabelUnit"
                                            << "Aktuelle Kategorie"
                                            << "Actual category";
    // Length, row 3 ("mm"): its name in each language.
    QTest::newRow("StaticText4") << "StaticText4" << U8(UnitCatalogue::Unit(2, 3)->nameDe)
                                 << U8(UnitCatalogue::Unit(2, 3)->nameEn);
  }

  void statusLineShowsTheHint() {
    QFETCH(QString, control);
    QFETCH(QString, german);
    QFETCH(QString, english);
    auto form = umrido::test::StartWindow();
    auto* status = Find<QLabel>(form.get(), "LabelInfo");
    QWidget* w = Find(form.get(), control.toLatin1().constData());
    QVERIFY(w != nullptr);
    umrido::test::HoverOver(w);
    QCOMPARE(status->text(), german);
    // The switch shows the new text at once, with the pointer still there.
    form->SpeedButtonEClick();
    QCOMPARE(status->text(), english);
  }

  void statusLineFollowsCalculatorKeysAndHidesTooltips() {
    auto form = umrido::test::StartWindow();
    Click(form.get(), "SpeedButtonRechner");
    auto* status = Find<QLabel>(form.get(), "LabelInfo");
    umrido::test::HoverOver(Find(form.get(), "SpeedButtonMplus"));
    QCOMPARE(status->text(), QStringLiteral("Wert zum Speicher addierern"));
    umrido::test::HoverOver(Find(form.get(), "SpeedButtonTan"));
    QCOMPARE(status->text(), QStringLiteral("Tangenz"));
    umrido::test::HoverOver(Find(form.get(), "SpeedButtonZiffer7"));
    QCOMPARE(status->text(), QString());
    // Leaving a control for a bare spot of its panel clears the line.
    umrido::test::HoverOver(Find(form.get(), "SpeedButtonEnd"));
    QCOMPARE(status->text(), QStringLiteral("Programm beenden ?"));
    QTest::mouseMove(form.get(), QPoint(535, 438));
    QCOMPARE(status->text(), QString());
    // Not even a tooltip set by hand shows.
    QWidget* tan = Find(form.get(), "SpeedButtonTan");
    tan->setToolTip(QStringLiteral("tip"));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), tan->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(tan, &help);
    QVERIFY(!QToolTip::isVisible());
  }

  // A unit without a name is announced by its symbol.
  void unitRowsWithoutANameAreNamedByTheirSymbol() {
    auto form = umrido::test::StartWindow();
    umrido::test::ClickListEntry(form.get(), 45);  // Wärmeleitfähigkeit: rows 2 to 7 have no name
    QCOMPARE(Find(form.get(), "StaticText1")->accessibleName(), QStringLiteral("Watt pro Meter und Kelvin"));
    QCOMPARE(Find(form.get(), "StaticText2")->accessibleName(), QString::fromUtf8("cal/cm.s°C"));
  }

  // This test runs with the point separator: both the comma key in EditV and
  // the pad's separator key write the point, and a long calculator result
  // reaches EditV rounded with the point.
  void pointSeparatorFromTheRegionalSettings() {
    auto form = umrido::test::StartWindow();
    auto* editV = Find<QLineEdit>(form.get(), "EditV");
    editV->selectAll();
    QTest::keyClicks(editV, QStringLiteral("2,5"));
    QCOMPARE(editV->text(), QStringLiteral("2.5"));
    QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), QStringLiteral("2.5"));
    Click(form.get(), "SpeedButtonRechner");
    for (const char* key : {"SpeedButtonZiffer1", "SpeedButtonKomma", "SpeedButtonZiffer5"}) Click(form.get(), key);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditCalc")->text(), QStringLiteral("1.5"));
    Click(form.get(), "SpeedButtonCE");
    QTest::keyClicks(Find<QLineEdit>(form.get(), "EditCalc"), QStringLiteral("3E50"));
    for (const char* key : {"SpeedButtonX_1", "SpeedButtonCopyCalc", "SpeedButtonInsertV"}) Click(form.get(), key);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3.33333333333333E-51"));
    QCOMPARE(editV->text(), QStringLiteral("3.3333333333E-51"));
  }

  void bannerToggle_data() { umrido::test::AddIndexRows(kBannerCases); }

  void bannerToggle() {
    QFETCH(int, index);
    const auto& c = kBannerCases[index];
    auto form = umrido::test::StartWindow();
    auto* banner = Find(form.get(), "ImageReklame");
    int asked = 0;
    for (int i = 0; i < c.releases; ++i) {
      const bool bannerFirstNow = form->BannerFirst();
      QString seen;
      watchdog_.Expect([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seen = box->text();
        QCOMPARE(box->windowTitle(), QString::fromUtf8("Bestätigen"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("OK"));
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == (c.answerOk ? QStringLiteral("OK") : QStringLiteral("&Abbrechen"))) b->click();
        }
      });
      QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(10, 10));
      QTest::mouseRelease(banner, Qt::LeftButton, {}, c.release);
      asked += watchdog_.TakeAnswered();
      watchdog_.Expect(nullptr);
      // The question names the panel the next start would begin with.
      if (c.questions > 0) {
        QVERIFY(seen.contains(bannerFirstNow ? QStringLiteral("mit dem \"Taschenrechner\" beginnen")
                                             : QStringLiteral("mit dem \"Werbebanner\" beginnen")));
      }
    }
    QCOMPARE(asked, c.questions);
    QCOMPARE(form->BannerFirst(), c.bannerFirstAfter);
    QCOMPARE(form->FrontPanel()->objectName(), QStringLiteral("PanelReklame"));  // shows next start only
    QVERIFY(form->close());
    QCOMPARE(sandbox_.Read(QStringLiteral("ReklameD"))->toInt(), c.bannerFirstAfter ? 1 : 0);
  }

  // A release on the spot without a press on the banner asks nothing (the
  // watchdog fails the test on any dialog).
  void bannerReleaseWithoutPressAsksNothing() {
    auto form = umrido::test::StartWindow();
    QTest::mouseRelease(Find(form.get(), "ImageReklame"), Qt::LeftButton, {}, QPoint(97, 58));
    QVERIFY(form->BannerFirst());
  }

  void tabReachesOnlyTheThreeFields() {
    auto form = umrido::test::StartWindow();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EditV"));
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, (QStringList{"EditN", "EditCalc", "EditV", "EditN", "EditCalc", "EditV"}));
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
