// The converter side of the window: choosing quantities, picking units on the
// selectors, typing into EditV, swapping, and the clipboard buttons. Runs with
// the comma as decimal separator (the point's differences are in the window
// test). What the engine makes of
// the input is checked in the core tests; here, that events reach it and its
// results reach the widgets.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::UnitCatalogue;
using umrido::test::PickUnit;
using umrido::test::U8;

namespace {

constexpr int kLength = 2;
constexpr int kKm = 6;
constexpr int kMile = 7;

// Press at height y, release at releaseAt (default: the press point; the
// selector keeps the pointer while a button is down): the Length row picked.
const struct {
  const char* tag;
  const char* selector;
  int y;
  Qt::MouseButton button;
  QPoint releaseAt;
  int row;
} kSelectorCases[] = {
    {"ImageV y 17", "ImageV", 17, Qt::LeftButton, {}, 0},
    {"ImageV y 18", "ImageV", 18, Qt::LeftButton, {}, 1},
    {"ImageN y 143", "ImageN", 143, Qt::LeftButton, {}, 7},
    {"ImageN y 143 right button", "ImageN", 143, Qt::RightButton, {}, 7},
    {"ImageV y 110 released outside", "ImageV", 110, Qt::LeftButton, {300, -60}, 6},
};

}  // namespace

class ConverterWindowTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private:
  QString LabelV() const { return Get<QLabel>("LabelV")->text(); }
  QString LabelN() const { return Get<QLabel>("LabelN")->text(); }

 private slots:
  void init() { StartFresh(); }
  void cleanup() { QVERIFY2(CloseWindow(), "an unexpected dialog opened"); }

  void choosingAQuantityByMouse_data() {
    QTest::addColumn<int>("position");
    for (int position : {0, 8, 30, 50, 19}) QTest::newRow(qPrintable(QString::number(position))) << position;
  }

  void choosingAQuantityByMouse() {
    QFETCH(int, position);
    // Leave the default state first, so the choice has something to reset.
    PickUnit(form_.get(), "ImageV", 40);
    QTest::keyClicks(Field("EditV"), QStringLiteral("42"));
    // The right button chooses nothing, not even the quantity in use again.
    umrido::test::ClickListEntry(form_.get(), 19, Qt::RightButton);
    QCOMPARE(Field("EditV")->text(), QStringLiteral("42"));
    umrido::test::ClickListEntry(form_.get(), position);
    const auto* category = UnitCatalogue::Category(umrido::CategoryAtListPosition(position, true));
    QCOMPARE(Get<QLabel>("LabelUnit")->text(), U8(category->nameDe));
    QCOMPARE(Get("PanelUnit")->height(), category->stripHeight);
    for (int r = 0; r < category->unitCount; ++r)
      QCOMPARE(Get<QLabel>(QStringLiteral("StaticText%1").arg(r + 1).toLatin1())->text(),
               U8(category->units[r].symbolDe));
    QCOMPARE(LabelV(), U8(category->units[0].symbolDe));
    QCOMPARE(LabelN(), LabelV());
    for (const char* marker : {"ImageMarkeV", "ImageMarkeN"}) QCOMPARE(Get(marker)->y(), 11);
    for (const char* field : {"EditV", "EditN"}) QCOMPARE(Field(field)->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
  }

  void selectorPressAndRelease_data() { umrido::test::AddIndexRows(kSelectorCases); }

  void selectorPressAndRelease() {
    QFETCH(int, index);
    const auto& [tag, selector, y, button, releaseAt, row] = kSelectorCases[index];
    const bool source = selector == std::string_view("ImageV");
    QWidget* image = Get(selector);
    QWidget* marker = Get(source ? "ImageMarkeV" : "ImageMarkeN");
    const QString labelBefore = source ? LabelV() : LabelN();

    QTest::mousePress(image, button, {}, QPoint(8, y));
    QCOMPARE(marker->y(), 18 * row + 11);                 // the marker moves at the press
    QCOMPARE(source ? LabelV() : LabelN(), labelBefore);  // the unit only at the release
    QTest::mouseRelease(image, button, {}, releaseAt.isNull() ? QPoint(8, y) : releaseAt);
    QCOMPARE(source ? LabelV() : LabelN(), U8(UnitCatalogue::Unit(kLength, row)->symbolDe));
  }

  // A quick second click arrives as a double click instead of a press: on
  // another row it picks that row all the same.
  void doubleClickPicksLikeAPress() {
    PickUnit(form_.get(), "ImageV", 20);
    const QPointF at(8, 60);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, Get("ImageV")->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(Get("ImageV"), &second);
    QTest::mouseRelease(Get("ImageV"), Qt::LeftButton, {}, at.toPoint());
    QCOMPARE(LabelV(), QStringLiteral("mm"));
  }

  // 5 km in miles, through the copy button, the swap and the calculator's
  // clipboard keys. Only the field with the focus shows a selection; the
  // other keeps its own (the engine's) for when the focus comes back.
  void conversionCopyAndSwap() {
    PickUnit(form_.get(), "ImageV", 18 * kKm + 4);
    PickUnit(form_.get(), "ImageN", 18 * kMile + 4);
    TypeIntoEditV("5");
    Click("SpeedButtonCopyN");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3,106856"));
    QCOMPARE(QApplication::focusWidget(), Field("EditN"));
    QCOMPARE(Field("EditN")->selectedText(), Field("EditN")->text());
    Click("SpeedButtonSwap");
    QCOMPARE(Field("EditV")->text(), QStringLiteral("3,106856"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("5,0000001"));
    QCOMPARE(LabelV(), QStringLiteral("mile"));
    QCOMPARE(LabelN(), QStringLiteral("km"));
    QCOMPARE(Get("ImageMarkeV")->y(), 18 * kMile + 11);
    QCOMPARE(Get("ImageMarkeN")->y(), 18 * kKm + 11);
    QCOMPARE(QApplication::focusWidget(), Field("EditN"));
    QVERIFY(!Field("EditV")->hasSelectedText());
    QCOMPARE(form_->Conversion().EditV().SelLength(), 8);
    QTest::keyClick(Field("EditN"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QCOMPARE(Field("EditV")->selectedText(), Field("EditV")->text());
    QVERIFY(!Field("EditN")->hasSelectedText());

    form_->BringCalculatorToFront();
    Click("SpeedButtonInsertCalc");
    QCOMPARE(Field("EditCalc")->text(), QStringLiteral("3,106856"));
    QCOMPARE(QApplication::focusWidget(), Field("EditCalc"));
    // 1/3E50 shows in 20 characters; it reaches EditV rounded to 16, not cut.
    Click("SpeedButtonCE");
    QTest::keyClicks(Field("EditCalc"), QStringLiteral("3E50"));
    for (const char* key : {"SpeedButtonX_1", "SpeedButtonCopyCalc"}) Click(key);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3,33333333333333E-51"));
    QCOMPARE(Field("EditCalc")->selectedText(), Field("EditCalc")->text());
    Click("SpeedButtonInsertV");
    QCOMPARE(Field("EditV")->text(), QStringLiteral("3,3333333333E-51"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("5,36448E-51"));  // in km
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QVERIFY(!form_->Calc().Display().HasFocus());
  }

  // Typed characters, the point key, the caret keys, paste and cut all reach
  // the engine; EditN shows its result. The clipboard holds the fourth
  // column before the keys, the fifth after.
  void typingIntoEditV_data() {
    // ^ stands for Home, ~ for Delete, < for Backspace, { for Left, [ for
    // Shift+Left, V for Ctrl+V, X for Ctrl+X; "," is the separator of this run.
    const char* const rows[][5] = {{"1e5", "1E5", "100000", "", ""},
                                   {"5-", "5", "5", "", ""},
                                   {"2.5", "2,5", "2,5", "", ""},
                                   {"1E5^~", "1E", "1", "", ""},
                                   {"4<", "", "?!", "", ""},
                                   {"12^E", "12", "12", "", ""},
                                   {"123456789", "123456789", "1,2345679E8", "", ""},
                                   {"123{[9", "193", "193", "", ""},
                                   {"V", "25", "25", "25", "25"},
                                   {"25[X", "2", "2", "", "5"},
                                   // A refused paste brings back the text and the caret of
                                   // before the last keystroke, on screen too.
                                   {"12^3V", "12", "12", "--", "--"}};
    umrido::test::AddTextRows({"keys", "editV", "editN", "clipboard", "clipboardAfter"}, rows);
  }

  void typingIntoEditV() {
    QFETCH(QString, keys);
    QFETCH(QString, editV);
    QFETCH(QString, editN);
    QFETCH(QString, clipboard);
    QFETCH(QString, clipboardAfter);
    QGuiApplication::clipboard()->setText(clipboard);
    TypeIntoEditV("");  // the focus and all selected; the keys follow
    const QKeyCombination specials[] = {Qt::Key_Home,        Qt::Key_Delete,           Qt::Key_Backspace,
                                        Qt::Key_Left,        Qt::SHIFT | Qt::Key_Left, Qt::CTRL | Qt::Key_V,
                                        Qt::CTRL | Qt::Key_X};
    for (QChar c : keys) {
      const int special = QStringLiteral("^~<{[VX").indexOf(c);
      if (special < 0)
        QTest::keyClicks(Field("EditV"), QString(c));
      else
        QTest::keyClick(Field("EditV"), specials[special].key(), specials[special].keyboardModifiers());
    }
    QCOMPARE(Field("EditV")->text(), editV);
    QCOMPARE(Field("EditN")->text(), editN);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    // The screen shows the engine's caret.
    QCOMPARE(Field("EditV")->cursorPosition(),
             form_->Conversion().EditV().SelStart() + form_->Conversion().EditV().SelLength());
  }

  // A click into EditV keeps the caret (only the keyboard selects all), and
  // the middle button changes nothing: it would paste the X11 selection
  // behind the engine's back. Ctrl+A selects all.
  void mouseAndSelectAllInEditV() {
    TypeIntoEditV("123");
    Field("EditN")->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(Field("EditV"), Qt::MiddleButton, {}, QPoint(2, 12));
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QCOMPARE(Field("EditV")->selectedText(), QString());
    QCOMPARE(Field("EditV")->cursorPosition(), 3);
    QTest::keyClick(Field("EditV"), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Field("EditV")->selectedText(), QStringLiteral("123"));
    QTest::keyClick(Field("EditV"), Qt::Key_Delete, Qt::ControlModifier);  // not a Delete of ours
    QCOMPARE(Field("EditV")->text(), QStringLiteral("123"));
  }

  // A picture on the clipboard is no text: the field is emptied. (What the
  // engine refuses, and how, is in the core tests and typingIntoEditV.)
  void insertButtonTakesNoPicture() {
    auto* mime = new QMimeData;
    mime->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(mime);
    Click("SpeedButtonInsertV");
    QCOMPARE(Field("EditV")->text(), QString());
    QCOMPARE(Field("EditN")->text(), QStringLiteral("?!"));
  }

  void editNIsReadOnlyButCopies() {
    QVERIFY(Field("EditN")->isReadOnly());  // screen readers announce it so
    Field("EditN")->setFocus(Qt::TabFocusReason);
    PressKeys({Qt::Key_9, Qt::Key_Backspace}, Field("EditN"));
    QCOMPARE(Field("EditN")->text(), QStringLiteral("1"));
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(Field("EditN"), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1"));
  }
};

QTEST_MAIN(ConverterWindowTest)
#include "converter_window_test.moc"
