// The converter without a mouse: the shortcuts from each of the three
// fields, the unit finder, and what a screen reader is told. Runs with the
// comma as decimal separator.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "category_list.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"
#include "unit_finder.h"

using umrido::ListPositionOf;

namespace {

constexpr int kLengthDe = 19;  // German list position of Length, the default
constexpr int kPressure = 22;

// What a screen reader was told: "<event type> <source>", the source being
// the object's name, or the entry's name for a selector entry.
QStringList heard;

QString Heard(QAccessible::Event type, const QString& source) {
  return QString::number(type) + QLatin1Char(' ') + source;
}

void Listen(QAccessibleEvent* e) {
  QAccessibleInterface* iface = e->accessibleInterface();
  QString source = e->object() != nullptr ? e->object()->objectName() : QString();
  if (source.isEmpty() && iface != nullptr) source = iface->text(QAccessible::Name);
  heard << Heard(e->type(), source);
}

bool WasHeard(QAccessible::Event type, const QString& source) { return heard.contains(Heard(type, source)); }

// Keys pressed in `field`, then what the window shows.
constexpr QKeyCombination kTargetDown = Qt::ALT | Qt::SHIFT | Qt::Key_Down;
constexpr QKeyCombination kTargetUp = Qt::ALT | Qt::SHIFT | Qt::Key_Up;
constexpr const char* kBanner = "PanelReklame";
const struct KeyCase {
  const char* tag;
  const char* field;
  std::vector<QKeyCombination> keys;
  int listPosition;
  int rowV, rowN;
  const char* front;
  const char* editN;
} kKeyCases[] = {
    {"Ctrl+Down from EditN", "EditN", {Qt::CTRL | Qt::Key_Down}, kLengthDe + 1, 0, 0, kBanner, "1"},
    {"Ctrl+PgUp from the pad",
     "EditV",
     {Qt::Key_F2, Qt::CTRL | Qt::Key_PageUp},
     kLengthDe - 1,
     0,
     0,
     "PanelRechner",
     "1"},
    {"Ctrl+PgDown stops at the last quantity", "EditV", std::vector<QKeyCombination>(52, Qt::CTRL | Qt::Key_PageDown),
     50, 0, 0, kBanner, "1"},
    {"Alt+Down", "EditV", {Qt::ALT | Qt::Key_Down}, kLengthDe, 1, 0, kBanner, "0,1"},
    {"Alt+Up stops at the first row", "EditV", {Qt::ALT | Qt::Key_Up}, kLengthDe, 0, 0, kBanner, "1"},
    {"Alt+Shift+Down from the pad", "EditV", {Qt::Key_F2, kTargetDown}, kLengthDe, 0, 1, "PanelRechner", "10"},
    {"Alt+Shift+Down to the last row", "EditV", std::vector<QKeyCombination>(22, kTargetDown), kLengthDe, 0, 20,
     kBanner, nullptr},
    {"Alt+Shift+Down then Up", "EditN", {kTargetDown, kTargetUp}, kLengthDe, 0, 0, kBanner, "1"},
    {"F1 twice: information", "EditN", {Qt::Key_F1, Qt::Key_F1}, kLengthDe, 0, 0, "PanelInfo", "1"},
    {"F2 twice: calculator", "EditV", {Qt::Key_F2, Qt::Key_F2}, kLengthDe, 0, 0, "PanelRechner", "1"},
    {"F2 then F4 banner", "EditV", {Qt::Key_F2, Qt::Key_F4}, kLengthDe, 0, 0, kBanner, "1"},
    {"F2 F4 F2 calculator", "EditV", {Qt::Key_F2, Qt::Key_F4, Qt::Key_F2}, kLengthDe, 0, 0, "PanelRechner", "1"},
    {"F5 swap", "EditV", {Qt::ALT | Qt::Key_Down, Qt::Key_F5}, kLengthDe, 0, 1, kBanner, "1"},
    {"F6 paste", "EditN", {Qt::Key_F6}, kLengthDe, 0, 0, kBanner, "7"},
    {"F7 copy", "EditV", {Qt::ALT | Qt::Key_Down, Qt::Key_F7}, kLengthDe, 1, 0, kBanner, "0,1"},
    {"F8 language", "EditV", {Qt::Key_F8}, ListPositionOf(2, false), 0, 0, kBanner, "1"},
};

}  // namespace

class KeyboardTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private:
  QLineEdit* Field(const char* name) const { return Get<QLineEdit>(name); }
  umrido::ui::CategoryList* List() const { return Get<umrido::ui::CategoryList>("ListBoxUC"); }
  const umrido::ConversionState& State() const { return form_->Conversion().State(); }

  // Qt raises accessibility events only while its AT-SPI bridge is on a
  // bus, which it reaches a moment after start. The sanitizer build runs
  // without one (UMRIDO_NO_A11Y_BUS) and skips these checks.
  void ListenToScreenReaderEvents() {
    if (qEnvironmentVariableIsSet("UMRIDO_NO_A11Y_BUS")) QSKIP("no accessibility bus in this build");
    QTRY_VERIFY(QAccessible::isActive());
    heard.clear();
  }

  // The finder's query typed from wherever the focus is, then `enter`.
  void FindUnit(const char* query, Qt::KeyboardModifiers enter = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QVERIFY(form_->Finder() != nullptr && form_->Finder()->isVisible());
    QTest::keyClicks(form_->Finder()->Query(), QString::fromUtf8(query));
    QTest::keyClick(form_->Finder()->Query(), Qt::Key_Return, enter);
  }

 private slots:
  void initTestCase() { QAccessible::installUpdateHandler(Listen); }
  void init() {
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    StartFresh();
  }
  void cleanup() { QVERIFY2(CloseWindow(), "an unexpected dialog opened"); }

  void shortcuts_data() { umrido::test::AddIndexRows(kKeyCases); }
  void shortcuts() {
    QFETCH(int, index);
    const KeyCase& c = kKeyCases[index];
    Field(c.field)->setFocus();
    for (QKeyCombination key : c.keys) QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    QCOMPARE(List()->currentRow(), c.listPosition);
    QCOMPARE(State().RowV, c.rowV);
    QCOMPARE(State().RowN, c.rowN);
    QCOMPARE(form_->FrontPanel()->objectName(), QString::fromLatin1(c.front));
    if (c.editN != nullptr) QCOMPARE(Field("EditN")->text(), QString::fromUtf8(c.editN));
    if (c.listPosition != kLengthDe && form_->LanguageFlag()) QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    if (QTest::currentDataTag() == QByteArray("F7 copy")) QCOMPARE(QGuiApplication::clipboard()->text(), "0,1");
  }

  void convertsPsiToBarByKeyboardAlone() {
    FindUnit("psi");
    QCOMPARE(State().CurrentCategory, kPressure);
    QCOMPARE(List()->currentRow(), ListPositionOf(kPressure, true));
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QTest::keyClick(Field("EditV"), Qt::Key_Backspace);
    QTest::keyClicks(Field("EditV"), QStringLiteral("5"));
    FindUnit("bar", Qt::ShiftModifier);
    QCOMPARE(Field("EditV")->text(), QStringLiteral("5"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("0,34473786"));
    QCOMPARE(Get<QLabel>("LabelN")->text(), QStringLiteral("bar"));
  }

  void finderListsMovesAndCloses() {
    Field("EditN")->setFocus();
    QTest::keyClick(Field("EditN"), Qt::Key_F3);
    umrido::ui::UnitFinder* finder = form_->Finder();
    const QRect place(form_->mapFromGlobal(finder->geometry().topLeft()), finder->size());
    QCOMPARE(place.left(), form_->width() - place.right() - 1);  // centred over the window
    QTest::keyClicks(finder->Query(), QStringLiteral("psi"));
    QCOMPARE(finder->Results()->item(0)->text(),
             QString::fromUtf8("lbf./in²=psi – Pound-force per square inch = psi – Druck"));
    QTest::keyClick(finder->Query(), Qt::Key_Down);
    QCOMPARE(finder->Results()->currentRow(), 1);
    QTest::keyClick(finder->Query(), Qt::Key_Escape);
    QVERIFY(!finder->isVisible());
    QCOMPARE(QApplication::focusWidget(), Field("EditN"));
    QCOMPARE(State().CurrentCategory, 2);
    // In the same quantity a pick keeps the input.
    Field("EditV")->selectAll();
    QTest::keyClicks(Field("EditV"), QStringLiteral("5"));
    FindUnit("km");
    QCOMPARE(State().RowV, 6);
    QCOMPARE(Field("EditV")->text(), QStringLiteral("5"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("5000"));
    // The second "psi" is the one of Stress.
    QTest::keyClick(Field("EditV"), Qt::Key_F3);
    QTest::keyClicks(finder->Query(), QStringLiteral("psi"));
    QTest::keyClick(finder->Query(), Qt::Key_Down);
    QTest::keyClick(finder->Query(), Qt::Key_Return);
    QCOMPARE(State().CurrentCategory, 23);
    QCOMPARE(Get<QLabel>("LabelV")->text(), QString::fromUtf8("lbf./in²=psi"));
    // In English the lines and the field's name are English.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QTest::keyClicks(finder->Query(), QStringLiteral("nauticel"));
    QCOMPARE(finder->Query()->accessibleName(), QStringLiteral("Find unit"));
    QCOMPARE(finder->Results()->item(0)->text(), QString::fromUtf8("n mile – International nauticel mile – Length"));
  }

  void aHeldShortcutRepeats() {
    qt_sendShortcutOverrideEvent(Field("EditV"), 0, Qt::Key_Down, Qt::AltModifier, QString(), /*autorep=*/true);
    QCOMPARE(State().RowV, 1);
  }

  // The selectors' roles, names and entries as a screen reader reads them
  // are in the AT-SPI check; here, that each pick is announced.
  void selectorPicksAreAnnounced() {
    ListenToScreenReaderEvents();
    umrido::test::PickUnit(form_.get(), "ImageV", 6 * 18 + 4);
    QVERIFY(WasHeard(QAccessible::StateChanged, QStringLiteral("Meter (m)")));
    QVERIFY(WasHeard(QAccessible::StateChanged, QStringLiteral("Kilometer (km)")));
    QVERIFY(WasHeard(QAccessible::SelectionWithin, QStringLiteral("ImageV")));
    // An entry's press action picks like a press and release on its row.
    QAccessibleInterface* to = QAccessible::queryAccessibleInterface(Get("ImageN"));
    to->child(7)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Get<QLabel>("LabelN")->text(), QStringLiteral("mile"));
    QVERIFY(WasHeard(QAccessible::StateChanged, QStringLiteral("Statute mile (Meile) (mile)")));
    QVERIFY(WasHeard(QAccessible::SelectionWithin, QStringLiteral("ImageN")));
  }

  void changesAreAnnounced() {
    ListenToScreenReaderEvents();
    QTest::keyClicks(Field("EditV"), QStringLiteral("5"));
    QVERIFY(WasHeard(QAccessible::TextUpdated, QStringLiteral("EditN")));
    QTest::keyClick(Field("EditV"), Qt::Key_Down, Qt::ControlModifier);
    QVERIFY(WasHeard(QAccessible::SelectionAdd, QStringLiteral("ListBoxUC")) ||
            WasHeard(QAccessible::Selection, QStringLiteral("ListBoxUC")));
    QVERIFY(WasHeard(QAccessible::ObjectReorder, QStringLiteral("ImageV")));
    QTest::keyClick(Field("EditV"), Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
    QVERIFY(WasHeard(QAccessible::TextUpdated, QStringLiteral("EditCalc")));
    QVERIFY(WasHeard(QAccessible::Focus, QStringLiteral("SpeedButtonShift")));
  }

  // Keystrokes never reach a covered calculator: Tab passes its display by,
  // and bringing another panel forward hands the keyboard to EditV.
  void aCoveredCalculatorTakesNoKeys() {
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(Field("EditCalc"));
    QVERIFY(display->state().invisible);
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_9, Qt::Key_9, Qt::Key_F2})
      QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(Field("EditCalc")->text(), QStringLiteral("0"));
    QCOMPARE(Field("EditV")->text(), QStringLiteral("99"));
    QVERIFY(!display->state().invisible);
    for (const auto& [away, back] : {std::pair(Qt::Key_F1, Qt::Key_F2), std::pair(Qt::Key_F4, Qt::Key_F2)}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), Field("EditCalc"));
      QTest::keyClick(QApplication::focusWidget(), away);
      QCOMPARE(QApplication::focusWidget(), Field("EditV"));
      QVERIFY(display->state().invisible);
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
      QTest::keyClick(QApplication::focusWidget(), back);
      QCOMPARE(Field("EditCalc")->text(), QStringLiteral("0"));
      QCOMPARE(Field("EditV")->text(), QStringLiteral("7"));
    }
    // From the pad as from the display.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
  }

  // The information text scrolls by Page Up/Down while in front, and
  // Ctrl+Q ends the program as the end button does, settings written.
  void infoTextScrollsAndCtrlQQuits() {
    QTest::keyClick(Field("EditV"), Qt::Key_PageDown);  // nothing to scroll yet
    QTest::keyClick(Field("EditV"), Qt::Key_F1);
    auto* memo = Get<QPlainTextEdit>("MemoInfo1");
    QTest::keyClick(Field("EditV"), Qt::Key_PageDown);
    const int scrolled = memo->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    QTest::keyClick(Field("EditV"), Qt::Key_F4);
    QTest::keyClick(Field("EditV"), Qt::Key_PageUp);
    QCOMPARE(memo->verticalScrollBar()->value(), scrolled);
    QTest::keyClick(Field("EditV"), Qt::Key_F1);
    QTest::keyClick(Field("EditV"), Qt::Key_PageUp);
    QCOMPARE(memo->verticalScrollBar()->value(), 0);
    QTest::keyClick(Field("EditV"), Qt::Key_F8);
    QTest::keyClick(Field("EditV"), Qt::Key_PageDown);
    QVERIFY(Get<QPlainTextEdit>("MemoInfo2")->verticalScrollBar()->value() > 0);
    QTest::keyClick(Field("EditV"), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!form_->isVisible());
    QCOMPARE(sandbox_.Read(QStringLiteral("SpracheD"))->toInt(), 0);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
