// The calculator panel in the window: the pad with its stacked keys, typing
// into the display, focus, indicators, and the clipboard between calculator,
// converter and the system.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "calc_engine.h"
#include "ui_test_support.h"

using umrido::CalcKey;
using umrido::test::Find;
using umrido::test::WithSeparator;

namespace {

// Key faces as written in key sequences, and the key each one names.
const QHash<QString, const char*>& Faces() {
  static const QHash<QString, const char*> faces = {
      {"0", "SpeedButtonZiffer0"},   {"1", "SpeedButtonZiffer1"},     {"2", "SpeedButtonZiffer2"},
      {"3", "SpeedButtonZiffer3"},   {"4", "SpeedButtonZiffer4"},     {"5", "SpeedButtonZiffer5"},
      {"6", "SpeedButtonZiffer6"},   {"7", "SpeedButtonZiffer7"},     {"8", "SpeedButtonZiffer8"},
      {"9", "SpeedButtonZiffer9"},   {",", "SpeedButtonKomma"},       {"+", "SpeedButtonPlus"},
      {"-", "SpeedButtonMinus"},     {"*", "SpeedButtonMal"},         {"/", "SpeedButtonDurch"},
      {"=", "SpeedButtonIstGleich"}, {"CE", "SpeedButtonCE"},         {"SHIFT", "SpeedButtonShift"},
      {"HYP", "SpeedButtonHyp"},     {"DRG", "SpeedButtonDRG"},       {"EXP", "SpeedButtonExp"},
      {"x^y", "SpeedButtonXhochy"},  {"x!", "SpeedButtonXFak"},       {"sqrt", "SpeedButtonW_2"},
      {"SIN", "SpeedButtonSin"},     {"ARCSIN", "SpeedButtonArcSin"}, {"M+", "SpeedButtonMplus"},
      {"MR", "SpeedButtonMR"},       {"+/-", "SpeedButtonPlusMinus"},
  };
  return faces;
}

}  // namespace

class CalculatorWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<umrido::test::SettingsSandbox> sandbox_;
  std::unique_ptr<umrido::test::ModalWatchdog> watchdog_;
  std::unique_ptr<umrido::ui::TFormUC> form_;

  QLineEdit* Display() const { return Find<QLineEdit>(form_.get(), "EditCalc"); }

  // Clicks the keys of a sequence like "5 + 3 =" on the pad, as a user
  // would: only keys on top of their cell can be clicked.
  void Press(const QString& sequence) {
    for (const QString& face : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const char* name = Faces().value(face, nullptr);
      QVERIFY2(name != nullptr, qPrintable(face));
      auto* key = Find<QAbstractButton>(form_.get(), name);
      QVERIFY2(key->isVisible(), name);
      QTest::mouseClick(key, Qt::LeftButton);
    }
  }

 private slots:
  void initTestCase() {
    sandbox_ = std::make_unique<umrido::test::SettingsSandbox>();
    watchdog_ = std::make_unique<umrido::test::ModalWatchdog>();
  }
  void init() {
    sandbox_->Clear();
    form_ = umrido::test::StartWindow();
    form_->SpeedButtonRechnerClick();
  }
  void cleanup() {
    form_.reset();
    QVERIFY2(!watchdog_->TakeUnexpected(), "an unexpected dialog opened");
  }

  // One sequence per group of keys: the window must route each to its handler.
  void padSequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");  // "," stands for the platform separator
    QTest::newRow("5 + 3 =") << "5 + 3 ="
                             << "8";
    QTest::newRow("2 SHIFT x^y 1 0 =") << "2 SHIFT x^y 1 0 ="
                                       << "1024";
    QTest::newRow("5 SHIFT x!") << "5 SHIFT x!"
                                << "120";
    QTest::newRow("3 0 SIN") << "3 0 SIN"
                             << "0,5";
    QTest::newRow("2 + 9 sqrt =") << "2 + 9 sqrt ="
                                  << "5";
    QTest::newRow("5 M+ CE 3 M+ MR") << "5 M+ CE 3 M+ MR"
                                     << "8";
    QTest::newRow("1 2 3 4 5 EXP") << "1 2 3 4 5 EXP"
                                   << "1,2345000E+4";
    QTest::newRow("5 / = (German)") << "5 / =" << QString::fromUtf8("Fehler => CE drücken !");
  }

  void padSequences() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    Press(keys);
    const QString expected = display.startsWith(QLatin1String("Fehler")) ? display : WithSeparator(display);
    QCOMPARE(Display()->text(), expected);
    // The pad never takes the keyboard: the display keeps it.
    QCOMPARE(QApplication::focusWidget(), Display());
  }

  void failureTextFollowsTheLanguage() {
    form_->SpeedButtonEClick();
    Press(QStringLiteral("5 / ="));
    QCOMPARE(Display()->text(), QStringLiteral("Error => press CE !"));
    Press(QStringLiteral("CE"));
    QCOMPARE(Display()->text(), QStringLiteral("0"));
    QCOMPARE(Display()->selectedText(), QStringLiteral("0"));
  }

  void stackedKeysAndIndicators_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("sineKeyOnTop");
    QTest::addColumn<int>("shiftTop");
    QTest::addColumn<int>("hypTop");
    QTest::newRow("none") << ""
                          << "SpeedButtonSin" << 2 << 2;
    QTest::newRow("SHIFT") << "SHIFT"
                           << "SpeedButtonArcSin" << -7 << 2;
    QTest::newRow("SHIFT HYP") << "SHIFT HYP"
                               << "SpeedButtonHypArcSin" << -7 << -7;
    QTest::newRow("SHIFT HYP SHIFT") << "SHIFT HYP SHIFT"
                                     << "SpeedButtonHypSin" << 2 << -7;
    QTest::newRow("SHIFT HYP SHIFT HYP") << "SHIFT HYP SHIFT HYP"
                                         << "SpeedButtonSin" << 2 << 2;
  }

  void stackedKeysAndIndicators() {
    QFETCH(QString, keys);
    QFETCH(QString, sineKeyOnTop);
    QFETCH(int, shiftTop);
    QFETCH(int, hypTop);
    Press(keys);
    for (const char* name : {"SpeedButtonSin", "SpeedButtonArcSin", "SpeedButtonHypSin", "SpeedButtonHypArcSin"}) {
      QCOMPARE(Find(form_.get(), name)->isVisible(), sineKeyOnTop == QLatin1String(name));
    }
    QCOMPARE(Find(form_.get(), "ImageShift")->y(), shiftTop);
    QCOMPARE(Find(form_.get(), "ImageHyp")->y(), hypTop);
  }

  void angleModeIndicator_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("top");
    QTest::newRow("DEG") << 0 << 2;
    QTest::newRow("RAD") << 1 << -7;
    QTest::newRow("GRAD") << 2 << -16;
    QTest::newRow("back to DEG") << 3 << 2;
  }

  void angleModeIndicator() {
    QFETCH(int, presses);
    QFETCH(int, top);
    for (int i = 0; i < presses; ++i) Press(QStringLiteral("DRG"));
    QCOMPARE(Find(form_.get(), "ImageDRG")->y(), top);
    QCOMPARE(form_->Calc().State().AngleMode, presses % 3);
  }

  void typingIntoTheDisplay_data() {
    QTest::addColumn<QString>("before");  // pad keys first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("display");
    QTest::newRow("5-") << ""
                        << "5-"
                        << "5";
    QTest::newRow("-5") << ""
                        << "-5"
                        << "-5";
    QTest::newRow("2.5") << ""
                         << "2.5"
                         << "2,5";
    QTest::newRow("+ after =") << "7 ="
                               << "+"
                               << "";
    QTest::newRow("x dropped") << ""
                               << "4x2"
                               << "42";
  }

  void typingIntoTheDisplay() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, display);
    Press(before);
    Display()->setFocus(Qt::TabFocusReason);  // selects all: typing replaces "0"
    QTest::keyClicks(Display(), typed);
    QCOMPARE(Display()->text(), WithSeparator(display));
    QCOMPARE(Display()->text(), QString::fromStdString(form_->Calc().Display().Text()));
  }

  void focusFromTabSelectsAllAndAClickPlacesTheCaret() {
    auto* editN = Find<QLineEdit>(form_.get(), "EditN");
    Press(QStringLiteral("1 2 3"));
    editN->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(editN, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Display());
    QCOMPARE(Display()->selectedText(), QStringLiteral("123"));
    editN->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(Display(), Qt::LeftButton, {}, QPoint(2, 10));
    QCOMPARE(Display()->selectedText(), QString());
    QCOMPARE(form_->Calc().Display().SelLength(), 0);
    QCOMPARE(form_->Calc().Display().SelStart(), Display()->cursorPosition());
  }

  void clipboardKeys_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("display");
    QTest::newRow("12,5") << "12,5"
                          << "12,5";
    QTest::newRow("letters") << "abc"
                             << "Input-Fehler => CE drücken!";
    QTest::newRow("empty") << ""
                           << "Input-Fehler => CE drücken!";
  }

  void clipboardKeys() {
    QFETCH(QString, clipboard);
    QFETCH(QString, display);
    const bool failure = display.startsWith(QLatin1String("Input"));
    QGuiApplication::clipboard()->setText(failure ? clipboard : WithSeparator(clipboard));
    QTest::mouseClick(Find(form_.get(), "SpeedButtonInsertCalc"), Qt::LeftButton);
    QCOMPARE(Display()->text(), failure ? display : WithSeparator(display));
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Find(form_.get(), "SpeedButtonCopyCalc"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), Display()->text());
    QCOMPARE(Display()->selectedText(), Display()->text());
  }

  void valuesTravelBetweenConverterAndCalculator() {
    // Converter result into the calculator.
    auto* imageV = Find(form_.get(), "ImageV");
    auto* imageN = Find(form_.get(), "ImageN");
    QTest::mousePress(imageV, Qt::LeftButton, {}, QPoint(8, 18 * 6 + 4));  // km
    QTest::mouseRelease(imageV, Qt::LeftButton, {}, QPoint(8, 18 * 6 + 4));
    QTest::mousePress(imageN, Qt::LeftButton, {}, QPoint(8, 18 * 7 + 4));  // mile
    QTest::mouseRelease(imageN, Qt::LeftButton, {}, QPoint(8, 18 * 7 + 4));
    auto* editV = Find<QLineEdit>(form_.get(), "EditV");
    editV->setFocus();
    editV->selectAll();
    QTest::keyClicks(editV, QStringLiteral("5"));
    QTest::mouseClick(Find(form_.get(), "SpeedButtonCopyN"), Qt::LeftButton);
    QTest::mouseClick(Find(form_.get(), "SpeedButtonInsertCalc"), Qt::LeftButton);
    QCOMPARE(Display()->text(), WithSeparator(QStringLiteral("3,106856")));
    QCOMPARE(QApplication::focusWidget(), Display());

    // Calculator value into the converter.
    Press(QStringLiteral("CE 2 5"));
    QTest::mouseClick(Find(form_.get(), "SpeedButtonCopyCalc"), Qt::LeftButton);
    QTest::mouseClick(Find(form_.get(), "SpeedButtonInsertV"), Qt::LeftButton);
    QCOMPARE(editV->text(), QStringLiteral("25"));
    QCOMPARE(QApplication::focusWidget(), editV);
    QVERIFY(!form_->Calc().Display().HasFocus());
  }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
