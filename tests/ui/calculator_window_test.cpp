// The calculator panel in the window: the pad with its stacked keys, typing
// into the display, focus and indicators (its clipboard keys are in the
// converter window test). The arithmetic itself is checked in the engine
// tests; here, that clicks and keystrokes reach it and its texts come back.
// Runs with the comma as decimal separator.
#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>

#include "calc_faces.h"
#include "ui_test_support.h"

using umrido::test::AddTextRows;

namespace {

// The keys pressed (the tag), then the sine cell's key on top and the tops of
// the indicators.
const struct {
  const char* tag;
  const char* sineKeyOnTop;
  int shiftTop, hypTop, drgTop;
} kLayerCases[] = {{"5", "SpeedButtonSin", 2, 2, 2},
                   {"Shift DRG", "SpeedButtonArcSin", -7, 2, -7},
                   {"Shift Hyp DRG DRG", "SpeedButtonHypArcSin", -7, -7, -16},
                   {"Shift Hyp Shift DRG DRG DRG", "SpeedButtonHypSin", 2, -7, 2},
                   {"Shift Hyp Shift Hyp", "SpeedButtonSin", 2, 2, 2}};

// Keys typed while the pad has the focus: "↑↓←→" the arrows, "␣" Space,
// "⏎" Enter, "␛" Esc, "⌃" Ctrl with the next character; any other
// character is typed as it is.
void TypeOnPad(const QString& keys) {
  Qt::KeyboardModifiers mods = Qt::NoModifier;
  for (const QChar c : keys) {
    static const QHash<QChar, Qt::Key> kNamed = {{u'↑', Qt::Key_Up},    {u'↓', Qt::Key_Down},  {u'←', Qt::Key_Left},
                                                 {u'→', Qt::Key_Right}, {u'␣', Qt::Key_Space}, {u'⏎', Qt::Key_Return},
                                                 {u'␛', Qt::Key_Escape}};
    if (c == u'⌃') {
      mods = Qt::ControlModifier;
      continue;
    }
    if (kNamed.contains(c))
      QTest::keyClick(QApplication::focusWidget(), kNamed.value(c), mods);
    else
      QTest::keyClick(QApplication::focusWidget(), c.toLatin1(), mods);
    mods = Qt::NoModifier;
  }
}

}  // namespace

class CalculatorWindowTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private:
  QLineEdit* Display() const { return Get<QLineEdit>("EditCalc"); }

  // Clicks the keys of a sequence like "5 + 3 =" on the pad (faces as in
  // the engine tests, one key per word), as a user would: only keys on top
  // of their cell can be clicked.
  void Press(const QString& sequence) {
    for (const QString& face : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const auto key = umrido::testing::KeyForFace(face.toStdString());
      QVERIFY2(key.has_value(), qPrintable(face));
      auto* button = Get<QAbstractButton>(umrido::InfoOf(*key).name);
      QVERIFY2(button->isVisible(), umrido::InfoOf(*key).name);
      QTest::mouseClick(button, Qt::LeftButton);
    }
  }

 private slots:
  void init() {
    StartFresh();
    form_->BringCalculatorToFront();
  }
  void cleanup() { QVERIFY2(CloseWindow(), "an unexpected dialog opened"); }

  // Keys clicked on the pad, then (after "|") text typed into the display
  // given the focus as by Tab. The window must route each click to its handler; the
  // rows of padByKeyboard press the same buttons by their click, so a few
  // sequences are enough here.
  void padSequences_data() {
    const char* const rows[][2] = {{"5 + 3 =", "8"},
                                   {"2 Shift xy 1 0 =", "1024"},
                                   {"5 / =", "Fehler => CE drücken !"},
                                   {"|5-", "5"},
                                   {"|2.5", "2,5"},
                                   {"7 =|+", ""}};
    AddTextRows({"keys", "display"}, rows);
  }

  void padSequences() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    const QStringList clickedThenTyped = keys.split(QLatin1Char('|'));
    Press(clickedThenTyped[0]);
    if (clickedThenTyped.size() > 1) {
      Display()->setFocus(Qt::TabFocusReason);  // without keys before: selects all, typing replaces "0"
      QTest::keyClicks(Display(), clickedThenTyped[1]);
    }
    QCOMPARE(Display()->text(), display);
    // The pad never takes the keyboard: the display keeps it.
    QCOMPARE(QApplication::focusWidget(), Display());
    // Screen readers name the digit keys by their digit.
    QCOMPARE(Get("SpeedButtonZiffer7")->accessibleName(), QStringLiteral("7"));
  }

  // F2 hands the keyboard to the pad, where typed keys press pad keys and
  // the focus stays. Letters name their cell: they press the key on top.
  void padByKeyboard_data() {
    const char* const rows[][2] = {{"2^10=", "1024"},
                                   {"2@", "1,4142135623731"},
                                   {"30s", "0,5"},
                                   {"i0.5s", "30"},
                                   {"h1s", "1,1752011936438"},
                                   {"2iq10=", "1024"},
                                   {"2+3*4⏎", "20"},
                                   {"8/2-1=", "3"},
                                   {"5!", "120"},
                                   {"12␛", "0"},
                                   {"5⌃p␛3⌃p⌃m⌃m⌃r", "2"},
                                   {"5⌃p⌃l⌃r", "0"},
                                   {"4r", "0,25"},
                                   {"ir", "1"},
                                   {"100l", "2"},
                                   {"1n", "0"},
                                   {"in", "1"},
                                   {"p", "3,14159265358979"},
                                   {"60o", "0,5"},
                                   {"45t", "1"},
                                   {"dd100s", "1"},
                                   {"5_", "-5"},
                                   {"12345x", "1,2345000E+4"},
                                   {"↓↓↓→␣", "7"},
                                   {"2+3↓↓↓↓↓↓↓→→→→→→␣", "5"}};
    AddTextRows({"typed", "display"}, rows);
  }

  void padByKeyboard() {
    QFETCH(QString, typed);
    QFETCH(QString, display);
    Get<QLineEdit>("EditV")->setFocus();
    QTest::keyClick(Get("EditV"), Qt::Key_F2);
    TypeOnPad(typed);
    QCOMPARE(Display()->text(), display);
    QWidget* ringed = QApplication::focusWidget();
    QCOMPARE(ringed->parentWidget(), Get("PanelRechner"));
    QVERIFY(ringed != Display() && ringed->isVisible());
  }

  // The ring stays on its cell through the layers, shows, and is what a
  // screen reader reads as the focused button.
  void theRingKeepsItsCell() {
    QTest::keyClick(Get("EditV"), Qt::Key_F2);
    QAbstractButton* shift = Get<QAbstractButton>("SpeedButtonShift");
    QCOMPARE(QApplication::focusWidget(), shift);
    const QImage ringed = shift->grab().toImage();
    QTest::keyClick(shift, Qt::Key_Right);
    QVERIFY(shift->grab().toImage() != ringed);
    TypeOnPad(QStringLiteral("↓↓←"));
    QCOMPARE(QApplication::focusWidget(), Get("SpeedButtonPi"));
    TypeOnPad(QStringLiteral("→i"));
    QCOMPARE(QApplication::focusWidget(), Get("SpeedButtonArcSin"));
    TypeOnPad(QStringLiteral("h"));
    QCOMPARE(QApplication::focusWidget(), Get("SpeedButtonHypArcSin"));
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QCOMPARE(key->role(), QAccessible::Button);
    QVERIFY(key->state().focused);
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("Hyperbolischer Arcus-Sinus"));
  }

  // Tab goes on to the input field, Shift+Tab back to the display; a click
  // on a key hands the keyboard to the display as it always did. Tab from
  // EditN selects all in the display, a click into it places the caret.
  void leavingThePad() {
    Press(QStringLiteral("1 2"));
    QTest::keyClick(Get("EditV"), Qt::Key_F2);
    TypeOnPad(QStringLiteral("3"));  // appends, as a click would: the display kept the keyboard
    QCOMPARE(Display()->text(), QStringLiteral("123"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Display());
    QCOMPARE(Display()->selectedText(), QStringLiteral("123"));
    QTest::keyClick(Display(), Qt::Key_End);
    QTest::keyClick(Get("EditV"), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Get("EditV"));
    QCOMPARE(Get<QLineEdit>("EditV")->selectedText(), QStringLiteral("1"));
    QTest::keyClick(Get("EditV"), Qt::Key_F2);
    TypeOnPad(QStringLiteral("4"));  // the display's "123" was left, so 4 replaces it
    QCOMPARE(Display()->text(), QStringLiteral("4"));
    Press(QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), Display());
    QCOMPARE(Display()->text(), QStringLiteral("45"));
    Field("EditN")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Field("EditN"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Display());
    QCOMPARE(Display()->selectedText(), QStringLiteral("45"));
    QTest::keyClick(Display(), Qt::Key_End);
    Field("EditN")->setFocus(Qt::MouseFocusReason);
    // The middle button moves no caret, so the engine's own rule shows.
    QTest::mouseClick(Display(), Qt::MiddleButton, {}, QPoint(2, 10));
    QCOMPARE(Display()->selectedText(), QString());
    QCOMPARE(form_->Calc().Display().SelStart(), Display()->cursorPosition());
  }

  void failureTextFollowsTheLanguage() {
    form_->SpeedButtonEClick();
    Press(QStringLiteral("5 / ="));
    QCOMPARE(Display()->text(), QStringLiteral("Error => press CE !"));
    Press(QStringLiteral("CE"));
    QCOMPARE(Display()->text(), QStringLiteral("0"));
  }

  void stackedKeysAndIndicators_data() { umrido::test::AddIndexRows(kLayerCases); }

  void stackedKeysAndIndicators() {
    QFETCH(int, index);
    const auto& [keys, sineKeyOnTop, shiftTop, hypTop, drgTop] = kLayerCases[index];
    Press(QLatin1String(keys));
    for (const char* name : {"SpeedButtonSin", "SpeedButtonArcSin", "SpeedButtonHypSin", "SpeedButtonHypArcSin"})
      QCOMPARE(Get(name)->isVisible(), sineKeyOnTop == std::string_view(name));
    QCOMPARE(Get("ImageShift")->y(), shiftTop);
    QCOMPARE(Get("ImageHyp")->y(), hypTop);
    QCOMPARE(Get("ImageDRG")->y(), drgTop);
  }

  // A key held down is drawn a shade darker (and a pixel lower right).
  void aHeldKeyIsShaded() {
    auto* key = Get<QAbstractButton>("SpeedButtonZiffer5");
    const auto brightness = [key] {
      const QImage image = key->grab().toImage();
      qint64 sum = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
      return sum / (qint64{image.width()} * image.height());
    };
    const qint64 up = brightness();
    key->setDown(true);
    QVERIFY(brightness() < up * 9 / 10);
  }

  // A held key repeats its press, and its release is undone only once, at
  // the last release.
  void aHeldKeyIsUndoneAtTheLastRelease() {
    Press(QStringLiteral("5"));
    QTest::mouseClick(Display(), Qt::LeftButton, {}, QPoint(2, 10));  // caret before the 5
    QTest::keyPress(Display(), Qt::Key_E, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"), /*autorep=*/true);
    QApplication::sendEvent(Display(), &repeat);
    QCOMPARE(Display()->text(), QStringLiteral("E5"));
    QTest::keyRelease(Display(), Qt::Key_E, Qt::NoModifier);
    QCOMPARE(Display()->text(), QStringLiteral("5"));
  }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
