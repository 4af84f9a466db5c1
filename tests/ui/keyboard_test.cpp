// The converter without a mouse: the shortcuts from each of the three
// fields, the unit finder, and what a screen reader is told. Runs with the
// comma as decimal separator.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "all_units_panel.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"
#include "unit_finder.h"

using umrido::test::Keys;

namespace {

constexpr int kLengthDe = 19;  // German list position of Length, the default
constexpr int kPressure = 22;

// What a screen reader was told: "<event type> <source>", the source being
// the object's name, or the entry's name for a selector entry; and, for the
// entries, "<event type> <group>/<entry>". `spoken`: the window's news.
QStringList heard;
QStringList heardInGroups;
QStringList spoken;

QString Heard(QAccessible::Event type, const QString& source) {
  return QString::number(type) + QLatin1Char(' ') + source;
}

void Listen(QAccessibleEvent* e) {
  // As Qt's AT-SPI bridge, drop the events of an invalid interface.
  QAccessibleInterface* iface = e->accessibleInterface();
  if (iface == nullptr) return;
  QString source = e->object() != nullptr ? e->object()->objectName() : QString();
  if (source.isEmpty()) source = iface->text(QAccessible::Name);
  heard << Heard(e->type(), source);
  if (e->object() == nullptr && iface->parent() != nullptr)
    heardInGroups << Heard(e->type(), iface->parent()->text(QAccessible::Name) + QLatin1Char('/') + source);
  if (e->type() == QAccessible::ObjectShow && source == QLatin1String("Announcement"))
    spoken << iface->text(QAccessible::Name);
}

bool WasHeard(QAccessible::Event type, const QString& source) { return heard.contains(Heard(type, source)); }

// Keys pressed in `field`, then what the window shows.
constexpr QKeyCombination kTargetDown = Qt::ALT | Qt::SHIFT | Qt::Key_Down;
constexpr const char* kBanner = "PanelReklame";
constexpr const char* kCalc = "PanelRechner";
const struct KeyCase {
  const char* tag;
  const char* field;
  Keys keys;
  int listPosition;
  int rowV, rowN;
  const char* front;
  const char* editN;
} kKeyCases[] = {
    {"Ctrl+Down from EditN", "EditN", {Qt::CTRL | Qt::Key_Down}, kLengthDe + 1, 0, 0, kBanner, "1"},
    {"Ctrl+PgUp from the pad", "EditV", {Qt::Key_F2, Qt::CTRL | Qt::Key_PageUp}, kLengthDe - 1, 0, 0, kCalc, "1"},
    {"Ctrl+PgDown stops at the end", "EditV", Keys(52, Qt::CTRL | Qt::Key_PageDown), 50, 0, 0, kBanner, "1"},
    {"Alt+Down", "EditV", {Qt::ALT | Qt::Key_Down}, kLengthDe, 1, 0, kBanner, "0,1"},
    {"Alt+Up stops at the first row", "EditV", {Qt::ALT | Qt::Key_Up}, kLengthDe, 0, 0, kBanner, "1"},
    {"Alt+Shift+Down from the pad", "EditV", {Qt::Key_F2, kTargetDown}, kLengthDe, 0, 1, kCalc, "10"},
    {"Alt+Shift+Down to the last row", "EditV", Keys(22, kTargetDown), kLengthDe, 0, 20, kBanner, nullptr},
    {"Alt+Shift+Down then Up", "EditN", {kTargetDown, Qt::ALT | Qt::SHIFT | Qt::Key_Up}, kLengthDe, 0, 0, kBanner, "1"},
    {"F1 twice: information", "EditN", {Qt::Key_F1, Qt::Key_F1}, kLengthDe, 0, 0, "PanelInfo", "1"},
    {"F2 twice: calculator", "EditV", {Qt::Key_F2, Qt::Key_F2}, kLengthDe, 0, 0, kCalc, "1"},
    {"F2 then F4 banner", "EditV", {Qt::Key_F2, Qt::Key_F4}, kLengthDe, 0, 0, kBanner, "1"},
    {"F2 F4 F2 calculator", "EditV", {Qt::Key_F2, Qt::Key_F4, Qt::Key_F2}, kLengthDe, 0, 0, kCalc, "1"},
    {"F5 swap", "EditV", {Qt::ALT | Qt::Key_Down, Qt::Key_F5}, kLengthDe, 0, 1, kBanner, "1"},
    {"F6 paste", "EditN", {Qt::Key_F6}, kLengthDe, 0, 0, kBanner, "7"},
    {"F7 copy", "EditV", {Qt::ALT | Qt::Key_Down, Qt::Key_F7}, kLengthDe, 1, 0, kBanner, "0,1"},
    {"F8 language", "EditV", {Qt::Key_F8}, umrido::ListPositionOf(2, false), 0, 0, kBanner, "1"},
    {"F9 all units", "EditN", {Qt::Key_F9}, kLengthDe, 0, 0, "PanelAlleEinheiten", "1"},
    {"F9 F2 calculator", "EditV", {Qt::Key_F9, Qt::Key_F2}, kLengthDe, 0, 0, kCalc, "1"},
    {"F2 F9 F4 banner", "EditV", {Qt::Key_F2, Qt::Key_F9, Qt::Key_F4}, kLengthDe, 0, 0, kBanner, "1"},
};

// Keys pressed from EditV (its "1" selected), and the news a screen reader
// then speaks, each once.
const struct NewsCase {
  const char* tag;
  Keys keys;
  QStringList spoken;
} kNewsCases[] = {
    {"typing: the result once the typing pauses", {Qt::Key_2, Qt::Key_5}, {QStringLiteral("Ergebnis: 25")}},
    {"F5: both sides",
     {Qt::ALT | Qt::Key_Down, Qt::Key_F5},
     {QStringLiteral("Von: Dezimeter. Ergebnis: 0,1"), QStringLiteral("Von: Meter. Nach: Dezimeter. Ergebnis: 1")}},
    {"F8 twice: nothing changed", {Qt::Key_F8, Qt::Key_F8}, {}},
    {"nothing changed, nothing said", {Qt::ALT | Qt::Key_Up, Qt::Key_F5}, {}},
};

}  // namespace

class KeyboardTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private:
  // Qt raises accessibility events only while its AT-SPI bridge is on a
  // bus, which it reaches a moment after start. The sanitizer build runs
  // without one (UMRIDO_NO_A11Y_BUS) and skips these checks.
  void ListenToScreenReaderEvents() {
    if (qEnvironmentVariableIsSet("UMRIDO_NO_A11Y_BUS")) QSKIP("no accessibility bus in this build");
    QTRY_VERIFY(QAccessible::isActive());
    heard.clear();
    spoken.clear();
  }

  // The finder opened from wherever the focus is, `query` typed into it,
  // then `then` pressed there.
  void FindUnit(const char* query, const Keys& then = {Qt::Key_Return}) {
    PressKeys({Qt::Key_F3});
    QVERIFY(form_->Finder() != nullptr && form_->Finder()->isVisible());
    QTest::keyClicks(form_->Finder()->Query(), QString::fromUtf8(query));
    PressKeys(then, form_->Finder()->Query());
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
    PressKeys(c.keys);
    QCOMPARE(Get<QListWidget>("ListBoxUC")->currentRow(), c.listPosition);
    QCOMPARE(State().RowV, c.rowV);
    QCOMPARE(State().RowN, c.rowN);
    QCOMPARE(form_->FrontPanel()->objectName(), QString::fromLatin1(c.front));
    if (c.editN != nullptr) QCOMPARE(Field("EditN")->text(), QString::fromUtf8(c.editN));
    if (c.listPosition != kLengthDe && form_->LanguageFlag()) QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    if (QTest::currentDataTag() == QByteArray("F7 copy")) QCOMPARE(QGuiApplication::clipboard()->text(), "0,1");
  }

  void finderListsMovesAndCloses() {
    Field("EditN")->setFocus();
    FindUnit("psi", {});
    umrido::ui::UnitFinder* finder = form_->Finder();
    const QRect place(finder->mapTo(form_.get(), QPoint(0, 0)), finder->size());
    QCOMPARE(place.left(), form_->width() - place.right() - 1);  // centred over the window
    QCOMPARE(finder->Results()->item(0)->text(),
             QString::fromUtf8("lbf./in²=psi – Pound-force per square inch = psi – Druck"));
    QCOMPARE(finder->Highlighted(), 0);
    PressKeys({Qt::Key_Down}, finder->Query());
    QCOMPARE(finder->Highlighted(), 1);
    PressKeys({Qt::Key_Up, Qt::Key_Up}, finder->Query());
    QCOMPARE(finder->Highlighted(), 0);
    PressKeys({Qt::Key_PageDown}, finder->Query());
    QCOMPARE(finder->Highlighted(), finder->Results()->count() - 1);
    PressKeys({Qt::Key_Escape}, finder->Query());
    QVERIFY(!finder->isVisible());
    QCOMPARE(QApplication::focusWidget(), Field("EditN"));
    QCOMPARE(State().CurrentCategory, 2);
    // The second "psi" is the one of Stress.
    FindUnit("psi", {Qt::Key_Down, Qt::Key_Return});
    QCOMPARE(State().CurrentCategory, 23);
    QCOMPARE(Get<QLabel>("LabelV")->text(), QString::fromUtf8("lbf./in²=psi"));
    // In English the lines and the field's name are English.
    PressKeys({Qt::Key_F8});
    FindUnit("nauticel", {});
    QCOMPARE(finder->Query()->accessibleName(), QStringLiteral("Find unit"));
    QCOMPARE(finder->Results()->item(0)->text(), QString::fromUtf8("n mile – International nauticel mile – Length"));
  }

  // psi in bar by keyboard alone. After any pick in the finder the next
  // digit replaces the input, in the current quantity and after a change of
  // quantity alike.
  void finderPicksLeaveTheInputSelected() {
    QTest::keyClicks(Field("EditV"), QStringLiteral("12"));
    QTest::keyClick(Field("EditV"), Qt::Key_Left);
    FindUnit("psi");
    QCOMPARE(State().CurrentCategory, kPressure);
    FindUnit("bar", {Qt::SHIFT | Qt::Key_Return});
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QCOMPARE(Field("EditV")->text(), QStringLiteral("5"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("0,34473786"));
    // From the result field, after the copy button's key.
    QTest::keyClick(Field("EditV"), Qt::Key_F7);
    QCOMPARE(QApplication::focusWidget(), Field("EditN"));
    FindUnit("kcal");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QCOMPARE(Field("EditV")->text(), QStringLiteral("2"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("8373,6"));
    FindUnit("kj", {Qt::SHIFT | Qt::Key_Return});
    QCOMPARE(Field("EditV")->selectedText(), QStringLiteral("2"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("8,3736"));
  }

  // The finder is named; the field keeps the focus and the highlighted
  // result is reported as the list's selection, not as a focus. (Its place
  // in the tree, the list's role and name, the focused field and the emptied
  // list are read by a real client in ui_atspi_check.)
  void finderAsAScreenReaderSeesIt() {
    ListenToScreenReaderEvents();
    FindUnit("bar", {Qt::Key_Down});
    umrido::ui::UnitFinder* finder = form_->Finder();
    QCOMPARE(QAccessible::queryAccessibleInterface(finder)->text(QAccessible::Name), QStringLiteral("Einheit suchen"));
    QCOMPARE(QApplication::focusWidget(), finder->Query());
    QVERIFY(QAccessible::queryAccessibleInterface(finder->Results())->child(1)->state().selected);
    QVERIFY(WasHeard(QAccessible::SelectionAdd, QStringLiteral("UnitFinderResults")));
    QVERIFY(!WasHeard(QAccessible::Focus, QStringLiteral("UnitFinderResults")));
    // The window's shortcuts wait, as behind a popup.
    PressKeys({Qt::Key_F8}, finder->Query());
    QVERIFY(form_->LanguageFlag());
    QVERIFY(finder->isVisible());
    // A click elsewhere closes the finder and changes nothing else.
    QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, Get("ListBoxUC")->mapTo(form_.get(), QPoint(20, 5)));
    QVERIFY(!finder->isVisible());
    QCOMPARE(State().CurrentCategory, 2);
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
  }

  void aHeldShortcutRepeats() {
    qt_sendShortcutOverrideEvent(Field("EditV"), 0, Qt::Key_Down, Qt::AltModifier, QString(), /*autorep=*/true);
    QCOMPARE(State().RowV, 1);
  }

  // The marked rows say so; the focused row and, while in front, the new
  // values are told. (The table's role, name, size, headers and cells are
  // read by a real client in ui_atspi_check.)
  void allUnitsTableAsAScreenReaderReadsIt() {
    ListenToScreenReaderEvents();
    QTest::keyClick(Field("EditV"), Qt::Key_F9);
    QTableView* table = form_->AllUnits()->Table();
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Description), QStringLiteral("Von Nach"));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_End);
    QVERIFY(WasHeard(QAccessible::Focus, QStringLiteral("TableAlleEinheiten")));
    heard.clear();
    TypeIntoEditV("5");
    QVERIFY(WasHeard(QAccessible::TableModelChanged, QStringLiteral("TableAlleEinheiten")));
    QVERIFY(WasHeard(QAccessible::NameChanged, form_->AllUnits()->Model()->Value(20)));
    QTest::keyClick(Field("EditV"), Qt::Key_F1);
    heard.clear();
    QTest::keyClicks(Field("EditV"), QStringLiteral("5"));
    QVERIFY(!WasHeard(QAccessible::TableModelChanged, QStringLiteral("TableAlleEinheiten")));
  }

  // Each change is said once where the focus is not: a notification in the
  // status bar. (Orca's words for a new target unit, a new quantity and the
  // language switch, and the silence about a selection that comes and goes
  // with the focus on Tab and back, are heard in ui_orca_check.)
  void newsIsSpokenOnce_data() { umrido::test::AddIndexRows(kNewsCases); }
  void newsIsSpokenOnce() {
    QFETCH(int, index);
    const NewsCase& c = kNewsCases[index];
    ListenToScreenReaderEvents();
    Field("EditV")->selectAll();
    for (QKeyCombination key : c.keys) {
      PressKeys({key});
      QTest::qWait(50);  // typing fast
    }
    QTRY_COMPARE_WITH_TIMEOUT(spoken, c.spoken, 3000);
    QTest::qWait(c.spoken.isEmpty() ? 1200 : 500);  // nothing more comes
    QCOMPARE(spoken, c.spoken);
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
  }

  // With the pad's focus each key pressed is told by the display's text; a
  // click on a key hands the display the focus, where the reader reads it
  // itself: nothing is told beside. (Shortcuts from the pad are pressed in
  // ui_atspi_check.)
  void calculatorIsToldOnlyAwayFromItsDisplay() {
    ListenToScreenReaderEvents();
    QTest::keyClick(Field("EditV"), Qt::Key_F2);
    spoken.clear();
    for (const char* key : {"2", "^", "1", "0", "="}) {
      QTest::keyClicks(QApplication::focusWidget(), QLatin1String(key));
      QTest::qWait(20);
    }
    QTRY_COMPARE(spoken.value(spoken.size() - 1), QStringLiteral("1024"));
    QCOMPARE(spoken.first(), QStringLiteral("2"));
    QVERIFY(QApplication::focusWidget() != Field("EditCalc"));
    spoken.clear();
    Get<QAbstractButton>("SpeedButtonZiffer7")->click();
    QCOMPARE(QApplication::focusWidget(), Field("EditCalc"));
    QTest::keyClicks(Field("EditCalc"), QStringLiteral("3"));
    QTest::qWait(100);
    QCOMPARE(spoken, QStringList());
  }

  // Each pick is announced. After a new quantity every entry a client has
  // read reports its new name, rows no longer used are gone, and a swap's
  // events say which side each entry is on. (The selectors' roles, names and
  // entries, the names after a language switch and the events of a new
  // quantity's marker are read by a real client in ui_atspi_check.)
  void selectorEntriesAsAScreenReaderHearsThem() {
    ListenToScreenReaderEvents();
    umrido::test::PickUnit(form_.get(), "ImageV", 6 * 18 + 4);
    QVERIFY(WasHeard(QAccessible::SelectionWithin, QStringLiteral("ImageV")));
    // An entry's press action picks like a press and release on its row.
    QAccessibleInterface* to = QAccessible::queryAccessibleInterface(Get("ImageN"));
    to->child(7)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Get<QLabel>("LabelN")->text(), QStringLiteral("mile"));
    QVERIFY(WasHeard(QAccessible::StateChanged, QStringLiteral("Statute mile (Meile) (mile)")));
    QVERIFY(WasHeard(QAccessible::SelectionWithin, QStringLiteral("ImageN")));
    QAccessibleInterface* from = QAccessible::queryAccessibleInterface(Get("ImageV"));
    for (int row = 0; row < from->childCount(); ++row) from->child(row)->text(QAccessible::Name);
    // Power, the next quantity, has 17 units.
    const QString watt = QStringLiteral("Joule pro Sekunde = Watt (J/s = W)");
    const QString kilowatt = QStringLiteral("Kilowatt (kW)");
    QTest::keyClick(Field("EditV"), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(from->childCount(), 17);
    QVERIFY(WasHeard(QAccessible::ObjectReorder, QStringLiteral("ImageV")));
    QVERIFY(WasHeard(QAccessible::NameChanged, kilowatt));
    QCOMPARE(heard.filter(QRegularExpression(QLatin1Char('^') + Heard(QAccessible::ObjectDestroyed, QString()))).size(),
             2 * (21 - 17));
    QTest::keyClick(Field("EditV"), Qt::Key_Down, Qt::AltModifier);
    heardInGroups.clear();
    QTest::keyClick(Field("EditV"), Qt::Key_F5);
    QVERIFY(heardInGroups.contains(Heard(QAccessible::StateChanged, QStringLiteral("Von/") + watt)));
    QVERIFY(heardInGroups.contains(Heard(QAccessible::StateChanged, QStringLiteral("Nach/") + kilowatt)));
  }

  // The window is a frame named by its title; its status bar holds the
  // news; the strip shows its two selectors only; the fields read whole.
  void treeAsAScreenReaderReadsIt() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("UMRIDO (Einheiten-Umrechner)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Get("PanelStatus"))->role(), QAccessible::StatusBar);
    QAccessibleInterface* news = QAccessible::queryAccessibleInterface(Get("Announcement"));
    QCOMPARE(news->role(), QAccessible::Notification);
    QCOMPARE(news->parent()->object(), Get("PanelStatus"));
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(Get("PanelUnit"));
    QCOMPARE(strip->childCount(), 2);
    QCOMPARE(strip->child(1)->object(), Get("ImageN"));
    QCOMPARE(strip->indexOfChild(strip->child(1)), 1);
    QTest::keyClick(Field("EditV"), Qt::Key_F1);
    QCOMPARE(Get("MemoInfo1")->accessibleName(), QStringLiteral("Information"));
    QCOMPARE(Get("MemoInfo2")->accessibleName(), QStringLiteral("Information"));
    // "0,01" has one attribute run over all of it, so it is read whole.
    TypeIntoEditV("0,01");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(Field("EditV"))->textInterface();
    int start = -1;
    int end = -1;
    text->attributes(3, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 4));
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("0,01"));
  }

  // Keystrokes never reach a covered calculator: Tab passes its display by,
  // and bringing another panel forward hands the keyboard to EditV.
  void aCoveredCalculatorTakesNoKeys() {
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(Field("EditCalc"));
    QVERIFY(display->state().invisible);
    PressKeys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_9, Qt::Key_9, Qt::Key_F2});
    QCOMPARE(Field("EditCalc")->text(), QStringLiteral("0"));
    QCOMPARE(Field("EditV")->text(), QStringLiteral("99"));
    QVERIFY(!display->state().invisible);
    for (Qt::Key away : {Qt::Key_F1, Qt::Key_F4}) {
      PressKeys({Qt::SHIFT | Qt::Key_Backtab});
      QCOMPARE(QApplication::focusWidget(), Field("EditCalc"));
      PressKeys({away});
      QCOMPARE(QApplication::focusWidget(), Field("EditV"));
      QVERIFY(display->state().invisible);
      PressKeys({Qt::Key_7, Qt::Key_F2});
      QCOMPARE(Field("EditCalc")->text(), QStringLiteral("0"));
      QCOMPARE(Field("EditV")->text(), QStringLiteral("7"));
    }
    // From the pad as from the display.
    PressKeys({Qt::Key_F1});
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
  }

  // The information text scrolls by Page Up/Down while in front, and
  // Ctrl+Q ends the program as the end button does, settings written.
  void infoTextScrollsAndCtrlQQuits() {
    PressKeys({Qt::Key_PageDown, Qt::Key_F1}, Field("EditV"));  // nothing to scroll before
    auto* memo = Get<QPlainTextEdit>("MemoInfo1");
    PressKeys({Qt::Key_PageDown}, Field("EditV"));
    const int scrolled = memo->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    PressKeys({Qt::Key_F4, Qt::Key_PageUp}, Field("EditV"));
    QCOMPARE(memo->verticalScrollBar()->value(), scrolled);
    PressKeys({Qt::Key_F1, Qt::Key_PageUp}, Field("EditV"));
    QCOMPARE(memo->verticalScrollBar()->value(), 0);
    PressKeys({Qt::Key_F8, Qt::Key_PageDown}, Field("EditV"));
    QVERIFY(Get<QPlainTextEdit>("MemoInfo2")->verticalScrollBar()->value() > 0);
    PressKeys({Qt::CTRL | Qt::Key_Q}, Field("EditV"));
    QVERIFY(!form_->isVisible());
    QCOMPARE(sandbox_.Read(QStringLiteral("SpracheD"))->toInt(), 0);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
