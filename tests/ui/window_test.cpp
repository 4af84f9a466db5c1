// The window as a whole: start-up from stored settings, shut-down, the
// right-hand panels, the language switch, the status line and the hidden
// banner toggle.
#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>

#include "category_list.h"
#include "status_hint.h"
#include "texts.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::UnitCatalogue;
using umrido::test::U8;

// Five stored values (invalid: missing) and what the window makes of them;
// every rule of the check is in the settings store test.
const struct {
  const char* tag;
  std::array<QVariant, 5> stored;
  int category, listPosition, angleMode;
  bool german, bannerFirst;
} kStartCases[] = {
    {"first start", {}, 2, 19, 0, true, true},
    {"22,8,1,1,1", {22, 8, 1, 1, 1}, 22, 8, 1, true, true},
    {"22,27,2,0,0", {22, 27, 2, 0, 0}, 22, 27, 2, false, false},
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

// Tests that need stored values store them and start the window again.
class WindowTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private slots:
  void init() { StartFresh(); }
  void cleanup() { QVERIFY2(CloseWindow(), "an unexpected dialog opened"); }

  void startUpFromStoredValues_data() { umrido::test::AddIndexRows(kStartCases); }

  void startUpFromStoredValues() {
    QFETCH(int, index);
    const auto& [tag, stored, category, listPosition, angleMode, german, bannerFirst] = kStartCases[index];
    for (std::size_t i = 0; i < 5; ++i) {
      if (stored[i].isValid()) sandbox_.Store(QLatin1String(umrido::ui::kSettingNames[i]), stored[i]);
    }
    Restart();
    QCOMPARE(Get<umrido::ui::CategoryList>("ListBoxUC")->currentRow(), listPosition);
    QCOMPARE(Get<QLabel>("LabelUnit")->text(), U8(UnitCatalogue::Category(category)->Name(german)));
    QCOMPARE(Get<QLabel>("LabelV")->text(), U8(UnitCatalogue::Unit(category, 0)->Symbol(german)));
    QCOMPARE(Get("PanelUnit")->height(), UnitCatalogue::Category(category)->stripHeight);
    QCOMPARE(Get<QToolButton>("SpeedButtonD")->isChecked(), german);
    QCOMPARE(form_->windowTitle(),
             german ? QStringLiteral("UMRIDO (Einheiten-Umrechner)") : QStringLiteral("UMRIDO (Unit-Converter)"));
    QCOMPARE(form_->FrontPanel()->objectName(),
             bannerFirst ? QStringLiteral("PanelReklame") : QStringLiteral("PanelRechner"));
    QCOMPARE(QApplication::focusWidget(), Get("EditV"));
    // Asked for by name: where the family stands in for Arial in bold anyway,
    // the frame comparison could not tell.
    QVERIFY(form_->font().bold() && form_->font().pixelSize() == 13 && form_->font().family() == "Arial");
    // The angle mode on the indicator, also when the keys are made after the
    // start.
    form_->BringCalculatorToFront();
    const int drgTops[] = {2, -7, -16};
    QCOMPARE(Get("ImageDRG")->y(), drgTops[angleMode]);
    // Closing stores the values in use, whatever was found.
    QVERIFY(form_->close());
    const int expected[] = {category, listPosition, angleMode, german, bannerFirst};
    for (std::size_t i = 0; i < 5; ++i) {
      const auto v = sandbox_.Read(QLatin1String(umrido::ui::kSettingNames[i]));
      QVERIFY2(v.has_value(), umrido::ui::kSettingNames[i]);
      QCOMPARE(v->toInt(), expected[i]);
    }
  }

  // Walks through the panel buttons from the start with the banner in front
  // (R: SpeedButtonRechner, I: SpeedButtonInfo).
  void panelButtons() {
    // key, front panel, Rechner down, Info down
    const QString steps = QStringLiteral(
        "I Info 0 1, I Reklame 0 0, R Rechner 1 0, I Info 0 1, I Reklame 0 0, I Info 0 1, R Rechner 1 0, R Reklame 0 "
        "0");
    for (const QString& step : steps.split(QStringLiteral(", "))) {
      const QStringList s = step.split(QLatin1Char(' '));
      Click(s[0] == QLatin1String("R") ? "SpeedButtonRechner" : "SpeedButtonInfo");
      QCOMPARE(form_->FrontPanel()->objectName(), QStringLiteral("Panel") + s[1]);
      QCOMPARE(Get<QToolButton>("SpeedButtonRechner")->isChecked(), s[2] == QLatin1String("1"));
      QCOMPARE(Get<QToolButton>("SpeedButtonInfo")->isChecked(), s[3] == QLatin1String("1"));
    }
  }

  void languageSwitchKeepsTheQuantity() {
    const int germanPosition = 8, englishPosition = 27;  // Druck, Pressure
    auto* list = Get<umrido::ui::CategoryList>("ListBoxUC");
    umrido::test::ClickListEntry(form_.get(), germanPosition);
    const int category = umrido::CategoryAtListPosition(germanPosition, true);
    // Pick a unit and type a value: the switch must keep them.
    umrido::test::PickUnit(form_.get(), "ImageN", 20);
    QTest::keyClicks(Get("EditV"), QStringLiteral("7"));
    const QString editN = Get<QLineEdit>("EditN")->text();
    const QString labelN = Get<QLabel>("LabelN")->text();

    Click("SpeedButtonE");
    QCOMPARE(list->currentRow(), englishPosition);
    QCOMPARE(list->currentItem()->text(), U8(UnitCatalogue::Category(category)->nameEn));
    QCOMPARE(Get<QLabel>("LabelUnit")->text(), list->currentItem()->text());
    QCOMPARE(Get<QLabel>("LabelCalc")->text(), QStringLiteral("Calculator"));
    QCOMPARE(Get("EditCalc")->accessibleName(), QStringLiteral("Calculator"));
    QCOMPARE(Get<QLabel>("StaticText1")->text(), U8(UnitCatalogue::Unit(category, 0)->symbolEn));
    QCOMPARE(form_->Conversion().State().CurrentCategory, category);
    QCOMPARE(Get<QLineEdit>("EditN")->text(), editN);
    QCOMPARE(Get<QLabel>("LabelN")->text(), labelN);  // kept until the next pick

    Click("SpeedButtonD");
    QCOMPARE(list->currentRow(), germanPosition);
  }

  // Every control's hint in both languages, as listed in hints.tsv: an edit
  // of a text has to be made there too, on purpose.
  void everyHintAsListed() {
    QFile file(QStringLiteral(UMRIDO_TEST_DATA "/hints.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The calculator's keys are made on their first way to the front, here in
    // the language chosen before; the all-units panel writes its texts when it
    // comes to the front.
    form_->SpeedButtonEClick();
    for (const bool german : {false, true}) {
      if (german) form_->SpeedButtonDClick();
      form_->ShowAllUnits();
      form_->BringCalculatorToFront();
      for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        QCOMPARE(umrido::ui::HintOf(Get(f[0].toLatin1().constData())), f[german ? 1 : 2]);
      }
    }
  }

  void statusLineShowsTheHint_data() {
    // LabelUnit's hint is its frame's; StaticText4 is the Length row "mm".
    const char* const rows[][3] = {{"LabelV", "", ""},
                                   {"LabelUnit", "Aktuelle Kategorie", "Actual category"},
                                   {"StaticText4", "Millimeter", "Millimeter"}};
    umrido::test::AddTextRows({"control", "german", "english"}, rows);
  }

  void statusLineShowsTheHint() {
    QFETCH(QString, control);
    QFETCH(QString, german);
    QFETCH(QString, english);
    auto* status = Get<QLabel>("LabelInfo");
    umrido::test::HoverOver(Get(control.toLatin1().constData()));
    QCOMPARE(status->text(), german);
    // The switch shows the new text at once, with the pointer still there.
    form_->SpeedButtonEClick();
    QCOMPARE(status->text(), english);
  }

  // Leaving a control for a bare spot of its panel clears the line. A control
  // that takes the keyboard by Tab or by a shortcut shows its hint as pointing
  // at it would; the pointer's next move shows what it points at.
  void statusLineFollowsPointerAndKeyboard() {
    auto* status = Get<QLabel>("LabelInfo");
    umrido::test::HoverOver(Get("SpeedButtonEnd"));
    QCOMPARE(status->text(), QStringLiteral("Programm beenden ?"));
    QTest::mouseMove(form_.get(), QPoint(535, 438));
    QCOMPARE(status->text(), QString());
    QTest::keyClick(Get("EditV"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Get("EditN"));
    QCOMPARE(status->text(), QStringLiteral("Ergebnis"));
    QTest::keyClick(Get("EditN"), Qt::Key_Backtab);
    QCOMPARE(status->text(), QStringLiteral("Eingabe"));
    umrido::test::HoverOver(Get("SpeedButtonSwap"));
    QCOMPARE(status->text(), QStringLiteral("Tauschen"));
    Get("EditCalc")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(status->text(), QStringLiteral("Tauschen"));  // not by the keyboard
    QTest::keyClick(Get("EditCalc"), Qt::Key_F5);          // swap: the focus stays
    QCOMPARE(status->text(), QStringLiteral("Tauschen"));
    QTest::keyClick(Get("EditCalc"), Qt::Key_Down, Qt::ControlModifier);  // next quantity: EditV takes it
    QCOMPARE(QApplication::focusWidget(), Get("EditV"));
    QCOMPARE(status->text(), QStringLiteral("Eingabe"));
  }

  // A unit without a name is announced by its symbol.
  void unitEntriesWithoutANameAreNamedByTheirSymbol() {
    umrido::test::ClickListEntry(form_.get(), 45);  // Wärmeleitfähigkeit: rows 2 to 7 have no name
    QAccessibleInterface* from = QAccessible::queryAccessibleInterface(Get("ImageV"));
    QVERIFY(from->child(0)->text(QAccessible::Name).startsWith(QStringLiteral("Watt pro Meter und Kelvin (")));
    QCOMPARE(from->child(1)->text(QAccessible::Name), QString::fromUtf8("cal/cm.s°C"));
  }

  // This test runs with the point separator: both the comma key in EditV and
  // the pad's separator key write the point.
  void pointSeparatorFromTheRegionalSettings() {
    TypeIntoEditV("2,5");
    QCOMPARE(Field("EditV")->text(), QStringLiteral("2.5"));
    QCOMPARE(Get<QLineEdit>("EditN")->text(), QStringLiteral("2.5"));
    Click("SpeedButtonRechner");
    for (const char* key : {"SpeedButtonZiffer1", "SpeedButtonKomma", "SpeedButtonZiffer5"}) Click(key);
    QCOMPARE(Get<QLineEdit>("EditCalc")->text(), QStringLiteral("1.5"));
  }

  void bannerToggle_data() { umrido::test::AddIndexRows(kBannerCases); }

  void bannerToggle() {
    QFETCH(int, index);
    const auto& c = kBannerCases[index];
    auto* banner = Get("ImageReklame");
    // A release without a press on the banner asks nothing (the watchdog
    // fails the test on any dialog).
    QTest::mouseRelease(banner, Qt::LeftButton, {}, c.release);
    int asked = 0;
    for (int i = 0; i < c.releases; ++i) {
      const bool bannerFirstNow = form_->BannerFirst();
      QString seen;
      watchdog_.Expect([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seen = box->text();
        QCOMPARE(box->windowTitle(), QString::fromUtf8("Bestätigen"));
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == (c.answerOk ? QStringLiteral("OK") : QStringLiteral("&Abbrechen"))) b->click();
        }
      });
      QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(10, 10));
      QTest::mouseRelease(banner, Qt::LeftButton, {}, c.release);
      asked += watchdog_.TakeAnswered();
      watchdog_.Expect(nullptr);
      // The question names the panel the next start would begin with.
      QCOMPARE(seen.contains(bannerFirstNow ? QStringLiteral("mit dem \"Taschenrechner\" beginnen")
                                            : QStringLiteral("mit dem \"Werbebanner\" beginnen")),
               c.questions > 0);
    }
    QCOMPARE(asked, c.questions);
    QCOMPARE(form_->BannerFirst(), c.bannerFirstAfter);
    QCOMPARE(form_->FrontPanel()->objectName(), QStringLiteral("PanelReklame"));  // shows next start only
    QVERIFY(form_->close());
    QCOMPARE(sandbox_.Read(QStringLiteral("ReklameD"))->toInt(), c.bannerFirstAfter ? 1 : 0);
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
