// The converter side of the window: choosing quantities, picking units on the
// selectors, typing into EditV, swapping, and the clipboard buttons. Runs
// once with the comma and once with the point as decimal separator.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::CategoryAtListPosition;
using umrido::UnitCatalogue;
using umrido::test::Find;
using umrido::test::WithSeparator;

namespace {

QString U8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kLength = 2;
constexpr int kKm = 6;
constexpr int kMile = 7;

}  // namespace

class ConverterWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<umrido::test::SettingsSandbox> sandbox_;
  std::unique_ptr<umrido::test::ModalWatchdog> watchdog_;
  std::unique_ptr<umrido::ui::TFormUC> form_;

  QLineEdit* EditV() const { return Find<QLineEdit>(form_.get(), "EditV"); }
  QLineEdit* EditN() const { return Find<QLineEdit>(form_.get(), "EditN"); }
  QString LabelV() const { return Find<QLabel>(form_.get(), "LabelV")->text(); }
  QString LabelN() const { return Find<QLabel>(form_.get(), "LabelN")->text(); }
  QListWidget* List() const { return Find<QListWidget>(form_.get(), "ListBoxUC"); }

  void ClickListEntry(int position) {
    QListWidget* list = List();
    list->scrollToItem(list->item(position));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(position)).center());
  }

  // Press and release on a selector, the release at `releaseAt` (which may
  // lie outside: the selector keeps the pointer while a button is down).
  void Pick(const char* selector, int y, Qt::MouseButton button = Qt::LeftButton, QPoint releaseAt = {}) {
    QWidget* image = Find(form_.get(), selector);
    QTest::mousePress(image, button, {}, QPoint(8, y));
    QTest::mouseRelease(image, button, {}, releaseAt.isNull() ? QPoint(8, y) : releaseAt);
  }

  void Click(const char* name) { QTest::mouseClick(Find(form_.get(), name), Qt::LeftButton); }

 private slots:
  void initTestCase() {
    sandbox_ = std::make_unique<umrido::test::SettingsSandbox>();
    watchdog_ = std::make_unique<umrido::test::ModalWatchdog>();
  }
  void init() {
    sandbox_->Clear();
    form_ = umrido::test::StartWindow();
  }
  void cleanup() {
    form_.reset();
    QVERIFY2(!watchdog_->TakeUnexpected(), "an unexpected dialog opened");
  }

  void separatorFollowsTheRegionalSettings() {
    // The German run must really see a comma, or half the rows prove nothing.
    if (qgetenv("LC_ALL").startsWith("de_")) QCOMPARE(umrido::test::Separator(), QLatin1Char(','));
    QCOMPARE(QLatin1Char(form_->Conversion().Separator()), umrido::test::Separator());
  }

  void choosingAQuantityByMouse_data() {
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0;
    QTest::newRow("8 Druck") << 8;
    QTest::newRow("30 SI-Vorsaetze") << 30;
    QTest::newRow("50") << 50;
    QTest::newRow("19 Laenge, already selected") << 19;
  }

  void choosingAQuantityByMouse() {
    QFETCH(int, position);
    // Leave the default state first, so the choice has something to reset.
    Pick("ImageV", 40);
    QTest::keyClicks(EditV(), QStringLiteral("42"));
    ClickListEntry(position);
    const auto* category = UnitCatalogue::Category(CategoryAtListPosition(position, true));
    QCOMPARE(form_->Conversion().State().CurrentCategory, category->id);
    QCOMPARE(Find<QLabel>(form_.get(), "LabelUnit")->text(), U8(category->nameDe));
    QCOMPARE(Find(form_.get(), "PanelUnit")->height(), 18 * category->unitCount + 8);
    for (int r = 0; r < category->unitCount; ++r) {
      auto* cell = Find<QLabel>(form_.get(), QStringLiteral("StaticText%1").arg(r + 1).toLatin1());
      QCOMPARE(cell->text(), U8(category->units[r].symbolDe));
      QVERIFY(cell->y() + cell->height() <= 18 * category->unitCount + 8);
    }
    QCOMPARE(LabelV(), U8(category->units[0].symbolDe));
    QCOMPARE(LabelN(), LabelV());
    QCOMPARE(Find(form_.get(), "ImageMarkeV")->y(), 11);
    QCOMPARE(Find(form_.get(), "ImageMarkeN")->y(), 11);
    QCOMPARE(EditV()->text(), QStringLiteral("1"));
    QCOMPARE(EditN()->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), EditV());
  }

  void choosingAQuantityByKeyboard_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("19 Down") << 19 << int(Qt::Key_Down) << 20;
    QTest::newRow("8 Up") << 8 << int(Qt::Key_Up) << 7;
    QTest::newRow("3 Home") << 3 << int(Qt::Key_Home) << 0;
  }

  void choosingAQuantityByKeyboard() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    ClickListEntry(start);
    List()->setFocus(Qt::MouseFocusReason);  // the list keeps the keyboard after a click
    QTest::keyClick(List(), Qt::Key(key));
    QCOMPARE(List()->currentRow(), expected);
    QCOMPARE(form_->Conversion().State().CurrentCategory, CategoryAtListPosition(expected, true));
    QCOMPARE(Find<QLabel>(form_.get(), "LabelUnit")->text(), List()->currentItem()->text());
  }

  void selectorPressAndRelease_data() {
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("row");
    QTest::newRow("ImageV y 17") << "ImageV" << 17 << int(Qt::LeftButton) << QPoint() << 0;
    QTest::newRow("ImageV y 18") << "ImageV" << 18 << int(Qt::LeftButton) << QPoint() << 1;
    QTest::newRow("ImageN y 143") << "ImageN" << 143 << int(Qt::LeftButton) << QPoint() << 7;
    QTest::newRow("ImageN y 143 right button") << "ImageN" << 143 << int(Qt::RightButton) << QPoint() << 7;
    QTest::newRow("ImageV y 110 released outside") << "ImageV" << 110 << int(Qt::LeftButton) << QPoint(300, -60) << 6;
  }

  void selectorPressAndRelease() {
    QFETCH(QString, selector);
    QFETCH(int, y);
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, row);
    const bool source = selector == QLatin1String("ImageV");
    QWidget* image = Find(form_.get(), selector.toLatin1());
    QWidget* marker = Find(form_.get(), source ? "ImageMarkeV" : "ImageMarkeN");
    const QString labelBefore = source ? LabelV() : LabelN();

    QTest::mousePress(image, Qt::MouseButton(button), {}, QPoint(8, y));
    QCOMPARE(marker->y(), 18 * row + 11);                 // the marker moves at the press
    QCOMPARE(source ? LabelV() : LabelN(), labelBefore);  // the unit only at the release
    QTest::mouseRelease(image, Qt::MouseButton(button), {}, releaseAt.isNull() ? QPoint(8, y) : releaseAt);
    QCOMPARE(source ? LabelV() : LabelN(), U8(UnitCatalogue::Unit(kLength, row)->symbolDe));
    QCOMPARE(source ? form_->Conversion().State().FactorV : form_->Conversion().State().FactorN,
             UnitCatalogue::Unit(kLength, row)->factor);
  }

  void conversionAndSwap() {
    // 5 km in miles shows 3,106856; the swap converts that text back.
    Pick("ImageV", 18 * kKm + 4);
    Pick("ImageN", 18 * kMile + 4);
    EditV()->selectAll();
    QTest::keyClicks(EditV(), QStringLiteral("5"));
    QCOMPARE(EditN()->text(), WithSeparator(QStringLiteral("3,106856")));
    Click("SpeedButtonSwap");
    QCOMPARE(EditV()->text(), WithSeparator(QStringLiteral("3,106856")));
    QCOMPARE(EditV()->selectedText(), EditV()->text());
    QCOMPARE(EditN()->text(), WithSeparator(QStringLiteral("5,0000001")));
    QCOMPARE(LabelV(), QStringLiteral("mile"));
    QCOMPARE(LabelN(), QStringLiteral("km"));
    QCOMPARE(Find(form_.get(), "ImageMarkeV")->y(), 18 * kMile + 11);
    QCOMPARE(Find(form_.get(), "ImageMarkeN")->y(), 18 * kKm + 11);
  }

  void typingIntoEditV_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("editV");  // "," stands for the platform separator
    QTest::addColumn<QString>("editN");
    QTest::newRow("1E5") << "1E5"
                         << "1E5"
                         << "100000";
    QTest::newRow("1e") << "1e"
                        << "1E"
                        << "1";
    QTest::newRow("-5") << "-5"
                        << "-5"
                        << "-5";
    QTest::newRow("-") << "-"
                       << "-"
                       << "?!";
    QTest::newRow("5-") << "5-"
                        << "5"
                        << "5";
    QTest::newRow("point key") << "2.5"
                               << "2,5"
                               << "2,5";
    QTest::newRow("comma key") << "2,5"
                               << "2,5"
                               << "2,5";
    QTest::newRow("second separator") << "1.2,3"
                                      << "1,23"
                                      << "1,23";
    QTest::newRow("lone separator") << "."
                                    << ","
                                    << "0";
    QTest::newRow("letters dropped") << "a7b"
                                     << "7"
                                     << "7";
    QTest::newRow("1E5 then Home Delete") << "1E5\x01\x7f"
                                          << "1E"
                                          << "1";
    QTest::newRow("backspace to empty") << "4\b"
                                        << ""
                                        << "?!";
    QTest::newRow("123456789") << "123456789"
                               << "123456789"
                               << "1,2345679E8";
  }

  void typingIntoEditV() {
    QFETCH(QString, keys);
    QFETCH(QString, editV);
    QFETCH(QString, editN);
    EditV()->setFocus();
    EditV()->selectAll();
    for (QChar c : keys) {
      // \x01 and \x7f stand for the Home and Delete keys, \b for backspace.
      if (c == QChar(1)) {
        QTest::keyClick(EditV(), Qt::Key_Home);
      } else if (c == QChar(0x7f)) {
        QTest::keyClick(EditV(), Qt::Key_Delete);
      } else if (c == QChar('\b')) {
        QTest::keyClick(EditV(), Qt::Key_Backspace);
      } else {
        QTest::keyClicks(EditV(), QString(c));
      }
    }
    QCOMPARE(EditV()->text(), WithSeparator(editV));
    QCOMPARE(EditN()->text(), WithSeparator(editN));
    // The screen and the engine agree on text and caret.
    QCOMPARE(EditV()->text(), QString::fromStdString(form_->Conversion().EditV().Text()));
    QCOMPARE(EditV()->cursorPosition(),
             form_->Conversion().EditV().SelStart() + form_->Conversion().EditV().SelLength());
  }

  void caretMovesReachTheEngine() {
    EditV()->selectAll();
    QTest::keyClicks(EditV(), QStringLiteral("123"));
    QTest::keyClick(EditV(), Qt::Key_Left);
    QTest::keyClick(EditV(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(form_->Conversion().EditV().SelStart(), 1);
    QCOMPARE(form_->Conversion().EditV().SelLength(), 1);
    QTest::keyClicks(EditV(), QStringLiteral("9"));
    QCOMPARE(EditV()->text(), QStringLiteral("193"));
  }

  void insertButtonPastesTheClipboard_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("editV");
    QTest::addColumn<QString>("editN");
    QTest::newRow("' 12 '") << " 12 "
                            << " 12 "
                            << "12";
    QTest::newRow("+3") << "+3"
                        << "+3"
                        << "3";
    QTest::newRow("letters") << "abc"
                             << "0"
                             << "0";  // back to the text before the last keystroke
    QTest::newRow("empty") << ""
                           << ""
                           << "?!";
  }

  void insertButtonPastesTheClipboard() {
    QFETCH(QString, clipboard);
    QFETCH(QString, editV);
    QFETCH(QString, editN);
    QGuiApplication::clipboard()->setText(clipboard);
    Click("SpeedButtonInsertV");
    QCOMPARE(EditV()->text(), editV);
    QCOMPARE(EditN()->text(), editN);
    QCOMPARE(QApplication::focusWidget(), EditV());
  }

  void pasteAndCutByKeyboard() {
    QGuiApplication::clipboard()->setText(QStringLiteral("25"));
    EditV()->selectAll();
    QTest::keySequence(EditV(), QKeySequence::Paste);
    QCOMPARE(EditV()->text(), QStringLiteral("25"));
    QCOMPARE(EditN()->text(), QStringLiteral("25"));
    EditV()->setSelection(0, 1);
    QTest::keySequence(EditV(), QKeySequence::Cut);
    QCOMPARE(EditV()->text(), QStringLiteral("5"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2"));
  }

  void copyButtonCopiesTheResult() {
    Pick("ImageV", 18 * kKm + 4);
    Pick("ImageN", 18 * kMile + 4);
    EditV()->selectAll();
    QTest::keyClicks(EditV(), QStringLiteral("5"));
    Click("SpeedButtonCopyN");
    QCOMPARE(QGuiApplication::clipboard()->text(), WithSeparator(QStringLiteral("3,106856")));
    QCOMPARE(QApplication::focusWidget(), EditN());
    QCOMPARE(EditN()->selectedText(), EditN()->text());
    // A failed result is copied as it stands.
    EditV()->setFocus();
    EditV()->selectAll();
    QTest::keyClick(EditV(), Qt::Key_Backspace);
    Click("SpeedButtonCopyN");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("?!"));
  }

  void editNIsReadOnly() {
    EditN()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(EditN(), QStringLiteral("9"));
    QTest::keyClick(EditN(), Qt::Key_Backspace);
    QCOMPARE(EditN()->text(), QStringLiteral("1"));
  }
};

QTEST_MAIN(ConverterWindowTest)
#include "converter_window_test.moc"
