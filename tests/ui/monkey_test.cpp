// Thousands of random user gestures against the real window, with the
// window's consistency checked after every one: markers on existing rows,
// labels showing symbols of the current quantity, the input a readable number
// text, the result a fresh conversion of the input, the strip as tall as the
// quantity needs, the calculator display free of "nan"/"inf".
//
// The run is deterministic for a seed. UMRIDO_MONKEY_SEED overrides the
// default seed and UMRIDO_MONKEY_EVENTS the number of events; every failure
// names the seed, the event index and the last few events, so a failing run
// can be replayed exactly.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "calc_engine.h"
#include "converter.h"
#include "number_format.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::test::Find;
using umrido::ui::TFormUC;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultEvents = 4000;

QString U8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::uint64_t SeedFromEnvironment() {
  bool ok = false;
  const std::uint64_t seed = qEnvironmentVariable("UMRIDO_MONKEY_SEED").toULongLong(&ok, 0);
  return ok ? seed : kDefaultSeed;
}

int EventCountFromEnvironment() {
  bool ok = false;
  const int n = qEnvironmentVariableIntValue("UMRIDO_MONKEY_EVENTS", &ok);
  return ok && n > 0 ? n : kDefaultEvents;
}

// Answers the banner's confirmation box (alternately OK and abort, so the
// setting really toggles now and then) and closes any other modal dialog,
// remembering it: the window must never open one.
class DialogAnswerer : public QObject {
 public:
  DialogAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::Check);
    timer_.start();
  }
  int answered = 0;
  QString unexpected;  // class and name of the first unexpected dialog

 private:
  void Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box != nullptr && box->objectName() == QLatin1String("BannerQuestion")) {
      QAbstractButton* answer = box->escapeButton();
      if (answered % 2 == 0) answer = box->defaultButton();
      ++answered;
      if (answer != nullptr) {
        answer->click();
      } else {
        box->reject();
      }
      return;
    }
    if (unexpected.isEmpty()) {
      unexpected = QString::fromLatin1(modal->metaObject()->className()) + QLatin1Char(' ') + modal->objectName();
    }
    modal->close();
  }

  QTimer timer_;
};

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<umrido::test::SettingsSandbox> sandbox_;
  std::unique_ptr<DialogAnswerer> dialogs_;
  std::unique_ptr<TFormUC> form_;
  std::mt19937_64 rng_;
  std::uint64_t seed_ = kDefaultSeed;
  std::deque<QString> recent_;  // descriptions of the last few events

  // What the run reached, so a monkey that stopped reaching anything fails.
  struct Reach {
    QSet<int> quantities;
    QSet<QString> inputs;
    QSet<QString> displays;
    bool english = false;
    int failedConversions = 0;
    int calculatorFailures = 0;
    int pickedRowsAboveZero = 0;
  } reach_;

  void Record() {
    const auto& state = form_->Conversion().State();
    reach_.quantities.insert(state.CurrentCategory);
    reach_.inputs.insert(QString::fromStdString(form_->Conversion().EditV().Text()));
    const std::string display = form_->Calc().Display().Text();
    reach_.displays.insert(QString::fromStdString(display));
    reach_.english = reach_.english || !form_->LanguageFlag();
    if (form_->Conversion().EditN().Text() == umrido::kConversionFailed) ++reach_.failedConversions;
    if (umrido::IsFailureText(display)) ++reach_.calculatorFailures;
    if (state.RowV > 0 && state.RowN > 0) ++reach_.pickedRowsAboveZero;
  }

  // A uniformly chosen integer in [lo, hi]; the modulo bias is irrelevant
  // here, and unlike the standard distributions it is the same everywhere.
  int Uniform(int lo, int hi) { return lo + static_cast<int>(rng_() % static_cast<std::uint64_t>(hi - lo + 1)); }
  bool Chance(int percent) { return Uniform(0, 99) < percent; }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(N) - 1))];
  }

  void Note(const QString& what) {
    recent_.push_back(what);
    if (recent_.size() > 8) recent_.pop_front();
  }

  QString Where(int index) const {
    QString s = QStringLiteral("seed %1 (UMRIDO_MONKEY_SEED), event %2; last events:").arg(seed_).arg(index);
    for (const QString& e : recent_) s += QStringLiteral("\n    ") + e;
    return s;
  }

  QWidget* W(const char* name) const { return Find(form_.get(), name); }

  // The topmost widget at a window pixel, or nullptr for the window itself.
  QWidget* WidgetAt(QPoint p) const { return form_->childAt(p); }

  // Press at `at` and release at `releaseAt` (window pixels). The press goes to
  // the widget under the pointer and the release to the same widget, as the
  // implicit pointer grab of a real press would deliver it.
  void PressRelease(QPoint at, QPoint releaseAt, Qt::MouseButton button) {
    QWidget* target = WidgetAt(at);
    if (target == nullptr) target = form_.get();
    Note(QStringLiteral("%1 press at (%2,%3) on %4 [%5], release at (%6,%7)")
             .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"))
             .arg(at.x())
             .arg(at.y())
             .arg(target->objectName(), QLatin1String(target->metaObject()->className()))
             .arg(releaseAt.x())
             .arg(releaseAt.y()));
    QPointer<QWidget> guard(target);
    QTest::mousePress(target, button, {}, Local(target, at));
    if (guard.isNull() || form_ == nullptr) return;
    QTest::mouseRelease(target, button, {}, Local(target, releaseAt));
  }

  // `at` (window pixels) in `w`'s coordinates. QTest takes the point (0, 0)
  // for "the widget's centre", which on a selector would be row 10; the pixel
  // beside it lies in the same row and the same knob column.
  QPoint Local(QWidget* w, QPoint at) const {
    const QPoint local = w->mapFrom(form_.get(), at);
    return local.isNull() ? QPoint(1, 0) : local;
  }

  void ClickWidget(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint centre = w->mapTo(form_.get(), w->rect().center());
    PressRelease(centre, centre, button);
  }

  QPoint RandomPixel() { return {Uniform(0, form_->width() - 1), Uniform(0, form_->height() - 1)}; }

  // ------------------------------------------------------------ the events

  void RandomMouse() {
    QPoint at = RandomPixel();
    // The end button would close the window; another event instead.
    for (int tries = 0; tries < 10 && WidgetAt(at) == W("SpeedButtonEnd"); ++tries) at = RandomPixel();
    if (WidgetAt(at) == W("SpeedButtonEnd")) return;
    const QPoint release = Chance(80) ? at : RandomPixel();
    PressRelease(at, release, Chance(75) ? Qt::LeftButton : Qt::RightButton);
  }

  void SelectorClick() {
    const bool source = Chance(50);
    QWidget* selector = W(source ? "ImageV" : "ImageN");
    // Only the part of the selector inside the strip can be pressed.
    const int visible = W("PanelUnit")->height() - selector->y();
    const QPoint local(Uniform(0, selector->width() - 1), Uniform(0, visible - 1));
    const QPoint at = selector->mapTo(form_.get(), local);
    const QPoint release = Chance(85) ? at : RandomPixel();
    PressRelease(at, release, Chance(70) ? Qt::LeftButton : Qt::RightButton);
  }

  void PadKeyClick() {
    if (form_->FrontPanel() != W("PanelRechner")) {
      // Bring the calculator forward the way a user would.
      ClickWidget(W("SpeedButtonRechner"));
      return;
    }
    // Only keys on top of their cell can be hit.
    for (int tries = 0; tries < 20; ++tries) {
      const auto& info = umrido::CalcKeys()[static_cast<std::size_t>(Uniform(0, umrido::kCalcKeyCount - 1))];
      QWidget* key = W(info.name);
      if (key == nullptr) continue;
      const QPoint centre = key->mapTo(form_.get(), key->rect().center());
      if (WidgetAt(centre) != key) continue;
      PressRelease(centre, centre, Chance(95) ? Qt::LeftButton : Qt::RightButton);
      return;
    }
  }

  void KeyPress() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != form_.get()) target = form_.get();
    struct Key {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      const char* text;  // typed text, nullptr for a key that types nothing
    };
    static const Key kKeys[] = {
        {Qt::Key_0, {}, "0"},
        {Qt::Key_1, {}, "1"},
        {Qt::Key_2, {}, "2"},
        {Qt::Key_3, {}, "3"},
        {Qt::Key_4, {}, "4"},
        {Qt::Key_5, {}, "5"},
        {Qt::Key_6, {}, "6"},
        {Qt::Key_7, {}, "7"},
        {Qt::Key_8, {}, "8"},
        {Qt::Key_9, {}, "9"},
        {Qt::Key_9, {}, "9"},
        {Qt::Key_1, {}, "1"},
        {Qt::Key_Comma, {}, ","},
        {Qt::Key_Period, {}, "."},
        {Qt::Key_Minus, {}, "-"},
        {Qt::Key_Minus, {}, "-"},
        {Qt::Key_Plus, Qt::ShiftModifier, "+"},
        {Qt::Key_E, Qt::ShiftModifier, "E"},
        {Qt::Key_E, {}, "e"},
        {Qt::Key_E, Qt::ShiftModifier, "E"},
        {Qt::Key_A, {}, "a"},
        {Qt::Key_X, Qt::ShiftModifier, "X"},
        {Qt::Key_Space, {}, " "},
        {Qt::Key_Backspace, {}, "\b"},
        {Qt::Key_Backspace, {}, "\b"},
        {Qt::Key_Delete, {}, nullptr},
        {Qt::Key_Delete, {}, nullptr},
        {Qt::Key_Left, {}, nullptr},
        {Qt::Key_Right, {}, nullptr},
        {Qt::Key_Left, Qt::ShiftModifier, nullptr},
        {Qt::Key_Right, Qt::ShiftModifier, nullptr},
        {Qt::Key_Up, {}, nullptr},
        {Qt::Key_Down, {}, nullptr},
        {Qt::Key_Home, {}, nullptr},
        {Qt::Key_End, {}, nullptr},
        {Qt::Key_Home, Qt::ShiftModifier, nullptr},
        {Qt::Key_End, Qt::ShiftModifier, nullptr},
        {Qt::Key_Tab, {}, nullptr},
        {Qt::Key_Backtab, Qt::ShiftModifier, nullptr},
        {Qt::Key_V, Qt::ControlModifier, "\x16"},
        {Qt::Key_V, Qt::ControlModifier, "\x16"},
        {Qt::Key_X, Qt::ControlModifier, "\x18"},
        {Qt::Key_C, Qt::ControlModifier, "\x03"},
        {Qt::Key_A, Qt::ControlModifier, "\x01"},
        {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
        {Qt::Key_Return, {}, "\r"},
        {Qt::Key_Escape, {}, "\x1b"},
    };
    const Key& k = Pick(kKeys);
    const QString text = k.text != nullptr ? QString::fromLatin1(k.text) : QString();
    Note(QStringLiteral("key %1 mod %2 into %3")
             .arg(QKeySequence(k.key).toString())
             .arg(int(k.modifiers))
             .arg(target->objectName()));
    QPointer<QWidget> guard(target);
    // QTest::keyClick would derive the text itself; sending the events keeps
    // the typed text exactly as listed (control characters included).
    QTest::sendKeyEvent(QTest::Press, target, k.key, text, k.modifiers);
    if (!guard.isNull()) QTest::sendKeyEvent(QTest::Release, target, k.key, text, k.modifiers);
  }

  void SetClipboard() {
    static const char* const kTexts[] = {
        "12",
        " 12 ",
        "+3",
        "-3,5",
        "-3.5",
        "1E5",
        "1e999",
        "1E-5000",
        "1E5000",
        "",
        "abc",
        "E",
        "-",
        ",",
        ".",
        "1,2,3",
        "--5",
        "0x10",
        "5\n6",
        "NaN",
        "inf",
        "-inf",
        "12345678901234567890",
        "1,5E-7",
        "99999999",
        "\t7",
        "-0",
        "1E4931",
        "-1,2345678E-4932",
    };
    QString text;
    if (Chance(60)) {
      text = QString::fromLatin1(Pick(kTexts));
    } else {
      static const char kChars[] = "0123456789,.-+Ee xa";
      const int length = Uniform(0, 18);
      for (int i = 0; i < length; ++i) text += QLatin1Char(kChars[Uniform(0, static_cast<int>(sizeof kChars) - 2)]);
    }
    Note(QStringLiteral("clipboard := \"%1\"").arg(text));
    QGuiApplication::clipboard()->setText(text);
  }

  void ListByMouse() {
    auto* list = Find<QListWidget>(form_.get(), "ListBoxUC");
    QListWidgetItem* item = list->item(Uniform(0, list->count() - 1));
    list->scrollToItem(item);
    const QPoint centre = list->viewport()->mapTo(form_.get(), list->visualItemRect(item).center());
    PressRelease(centre, centre, Chance(85) ? Qt::LeftButton : Qt::RightButton);
  }

  void ListByKeyboard() {
    auto* list = Find<QListWidget>(form_.get(), "ListBoxUC");
    static const Qt::Key kKeys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Down,    Qt::Key_Home,
                                    Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
    const Qt::Key key = Pick(kKeys);
    Note(QStringLiteral("list key %1").arg(QKeySequence(key).toString()));
    // The list keeps the keyboard after a click on it.
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(list, key);
  }

  void NamedButton() {
    static const char* const kButtons[] = {"SpeedButtonSwap",    "SpeedButtonSwap", "SpeedButtonInsertV",
                                           "SpeedButtonCopyN",   "SpeedButtonD",    "SpeedButtonE",
                                           "SpeedButtonRechner", "SpeedButtonInfo"};
    ClickWidget(W(Pick(kButtons)));
  }

  void Hover() {
    const QPoint at = RandomPixel();
    Note(QStringLiteral("move to (%1,%2)").arg(at.x()).arg(at.y()));
    QTest::mouseMove(form_.get(), at);
  }

  void BannerToggleSpot() {
    if (form_->FrontPanel() != W("PanelReklame")) return;
    QWidget* banner = W("ImageReklame");
    const QPoint spot = banner->mapTo(form_.get(), QPoint(97, 58));
    const QPoint press = banner->mapTo(form_.get(), QPoint(Uniform(0, banner->width() - 1), 10));
    PressRelease(press, spot, Qt::LeftButton);
  }

  // Ends the program and starts it again from what it stored.
  void Restart() {
    Note(QStringLiteral("end button, then a new start"));
    QTest::mouseClick(W("SpeedButtonEnd"), Qt::LeftButton);
    form_.reset();
    form_ = umrido::test::StartWindow();
  }

  void RandomEvent() {
    const int roll = Uniform(0, 999);
    if (roll < 180) {
      RandomMouse();
    } else if (roll < 330) {
      SelectorClick();
    } else if (roll < 460) {
      PadKeyClick();
    } else if (roll < 760) {
      KeyPress();
    } else if (roll < 810) {
      SetClipboard();
    } else if (roll < 850) {
      ListByMouse();
    } else if (roll < 880) {
      ListByKeyboard();
    } else if (roll < 950) {
      NamedButton();
    } else if (roll < 993) {
      Hover();
    } else if (roll < 997) {
      BannerToggleSpot();
    } else {
      Restart();
    }
  }

  // --------------------------------------------------------- the invariants

  // Empty when the window is consistent, else what is wrong.
  QString Inconsistency() const {
    const auto& conversion = form_->Conversion();
    const umrido::ConversionState& state = conversion.State();
    const umrido::CategoryEntry* category = umrido::UnitCatalogue::Category(state.CurrentCategory);
    if (category == nullptr) return QStringLiteral("no quantity %1").arg(state.CurrentCategory);
    const int units = category->unitCount;
    const char separator = conversion.Separator();

    for (const char* name : {"ImageMarkeV", "ImageMarkeN"}) {
      const int y = W(name)->y();
      if (y < 11 || (y - 11) % 18 != 0 || (y - 11) / 18 >= units) {
        return QStringLiteral("%1 at y %2, quantity %3 has %4 units").arg(name).arg(y).arg(category->id).arg(units);
      }
    }
    if (W("ImageMarkeV")->y() != umrido::MarkerTop(state.RowV) ||
        W("ImageMarkeN")->y() != umrido::MarkerTop(state.RowN)) {
      return QStringLiteral("markers at %1/%2, rows %3/%4")
          .arg(W("ImageMarkeV")->y())
          .arg(W("ImageMarkeN")->y())
          .arg(state.RowV)
          .arg(state.RowN);
    }

    if (W("PanelUnit")->height() != umrido::StripHeightFor(units)) {
      return QStringLiteral("strip %1 high for %2 units").arg(W("PanelUnit")->height()).arg(units);
    }

    // A language switch keeps the labels' symbols until the next pick, so
    // either language's symbol of the quantity is fine.
    for (const char* name : {"LabelV", "LabelN"}) {
      const QString shown = Find<QLabel>(form_.get(), name)->text();
      bool known = false;
      for (int r = 0; r < units && !known; ++r) {
        known = shown == U8(category->units[r].symbolDe) || shown == U8(category->units[r].symbolEn);
      }
      if (!known) return QStringLiteral("%1 shows \"%2\", no symbol of quantity %3").arg(name, shown).arg(category->id);
    }

    auto* list = Find<QListWidget>(form_.get(), "ListBoxUC");
    const bool german = form_->LanguageFlag();
    if (list->currentRow() != umrido::ListPositionOf(category->id, german)) {
      return QStringLiteral("list on row %1 for quantity %2").arg(list->currentRow()).arg(category->id);
    }
    if (Find<QLabel>(form_.get(), "LabelUnit")->text() != U8(category->Name(german))) {
      return QStringLiteral("LabelUnit \"%1\" for quantity %2")
          .arg(Find<QLabel>(form_.get(), "LabelUnit")->text())
          .arg(category->id);
    }

    const QString editV = Find<QLineEdit>(form_.get(), "EditV")->text();
    const QString editN = Find<QLineEdit>(form_.get(), "EditN")->text();
    const std::string v = editV.toStdString();
    if (editV != QString::fromStdString(conversion.EditV().Text()) ||
        editN != QString::fromStdString(conversion.EditN().Text())) {
      return QStringLiteral("fields \"%1\"/\"%2\" differ from the converter's").arg(editV, editN);
    }
    if (editV.size() > umrido::kNumberFieldLimit) return QStringLiteral("EditV \"%1\" too long").arg(editV);
    if (!editV.isEmpty() && editV != QLatin1String("-") && !umrido::ParseNumber(v, separator)) {
      return QStringLiteral("EditV \"%1\" is no number").arg(editV);
    }
    if (editN != QLatin1String("?!") && !umrido::ParseNumber(editN.toStdString(), separator)) {
      return QStringLiteral("EditN \"%1\" is no number").arg(editN);
    }
    const QString fresh = QString::fromStdString(umrido::Berechnung(state, v, separator));
    if (editN != fresh) {
      return QStringLiteral("EditN \"%1\" but \"%2\" converts to \"%3\" (quantity %4, %5 -> %6)")
          .arg(editN, editV, fresh)
          .arg(category->id)
          .arg(state.FactorV, 0, 'g', 17)
          .arg(state.FactorN, 0, 'g', 17);
    }

    const auto& calculator = form_->Calc();
    const QString display = Find<QLineEdit>(form_.get(), "EditCalc")->text();
    if (display != QString::fromStdString(calculator.Display().Text())) {
      return QStringLiteral("display \"%1\" differs from the calculator's").arg(display);
    }
    const std::string d = display.toStdString();
    if (!umrido::IsFailureText(d)) {
      const QString lower = display.toLower();
      if (lower.contains(QLatin1String("nan")) || lower.contains(QLatin1String("inf"))) {
        return QStringLiteral("display \"%1\"").arg(display);
      }
      if (!display.isEmpty() && display != QLatin1String("-") && !umrido::ParseNumber(d, calculator.Separator())) {
        return QStringLiteral("display \"%1\" is no number").arg(display);
      }
    }
    return {};
  }

 private slots:
  void initTestCase() {
    sandbox_ = std::make_unique<umrido::test::SettingsSandbox>();
    sandbox_->Clear();
    dialogs_ = std::make_unique<DialogAnswerer>();
    seed_ = SeedFromEnvironment();
    rng_.seed(seed_);
    qInfo("monkey seed %llu (set UMRIDO_MONKEY_SEED to replay another)", static_cast<unsigned long long>(seed_));
  }

  void cleanupTestCase() {
    form_.reset();
    dialogs_.reset();
  }

  void randomGestures() {
    form_ = umrido::test::StartWindow();
    const QString first = Inconsistency();
    QVERIFY2(first.isEmpty(), qPrintable(QStringLiteral("at start: ") + first));
    const int events = EventCountFromEnvironment();
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < events; ++i) {
      RandomEvent();
      if (!form_->isVisible()) {
        // Nothing but the end button may close the window.
        QVERIFY2(false, qPrintable(QStringLiteral("the window closed; ") + Where(i)));
      }
      // Let posted work run (painting, deferred layout) as the event loop would.
      QCoreApplication::processEvents();
      QVERIFY2(dialogs_->unexpected.isEmpty(),
               qPrintable(QStringLiteral("unexpected dialog %1; ").arg(dialogs_->unexpected) + Where(i)));
      const QString wrong = Inconsistency();
      QVERIFY2(wrong.isEmpty(), qPrintable(wrong + QStringLiteral("; ") + Where(i)));
      Record();
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    qInfo(
        "%d events in %lld ms: %lld quantities, %lld inputs, %lld displays, %d failed conversions, "
        "%d calculator failures, %d banner questions",
        events, static_cast<long long>(ms), static_cast<long long>(reach_.quantities.size()),
        static_cast<long long>(reach_.inputs.size()), static_cast<long long>(reach_.displays.size()),
        reach_.failedConversions, reach_.calculatorFailures, dialogs_->answered);
    // Loose floors for any seed of the default length: the checks above
    // mean little if the gestures stopped reaching the window's states.
    if (events >= kDefaultEvents) {
      QVERIFY2(reach_.quantities.size() >= 10, "few quantities reached");
      QVERIFY2(reach_.inputs.size() >= 30, "few input texts reached");
      QVERIFY2(reach_.displays.size() >= 30, "few calculator displays reached");
      QVERIFY2(reach_.english, "the language never switched");
      QVERIFY2(reach_.failedConversions > 0, "no conversion ever failed");
      QVERIFY2(reach_.calculatorFailures > 0, "no calculator key ever failed");
      QVERIFY2(reach_.pickedRowsAboveZero > 0, "no unit other than the base unit was ever picked on both sides");
    }
  }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
