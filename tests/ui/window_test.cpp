// The window as a whole: start-up from stored settings, shut-down, the
// right-hand panels, the language switch, the status line and the hidden
// banner toggle.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include "calc_engine.h"
#include "status_hint.h"
#include "texts.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::CategoryAtListPosition;
using umrido::ListPositionOf;
using umrido::UnitCatalogue;
using umrido::test::Find;
using umrido::ui::TFormUC;

namespace {

QString U8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void Click(QWidget* form, const char* name) {
  auto* b = Find<QAbstractButton>(form, name);
  QVERIFY2(b != nullptr, name);
  QTest::mouseClick(b, Qt::LeftButton);
}

QString ListText(QWidget* form) {
  auto* list = Find<QListWidget>(form, "ListBoxUC");
  return list->currentItem() ? list->currentItem()->text() : QString();
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<umrido::test::SettingsSandbox> sandbox_;
  std::unique_ptr<umrido::test::ModalWatchdog> watchdog_;

 private slots:
  void initTestCase() {
    sandbox_ = std::make_unique<umrido::test::SettingsSandbox>();
    watchdog_ = std::make_unique<umrido::test::ModalWatchdog>();
  }
  void init() { sandbox_->Clear(); }
  void cleanup() { QVERIFY2(!watchdog_->TakeUnexpected(), "an unexpected dialog opened"); }

  void layoutHasEveryNamedControl() {
    auto form = umrido::test::StartWindow();
    QCOMPARE(form->size(), TFormUC::kClientSize);
    for (const auto& row : umrido::ui::ControlHints()) QVERIFY2(Find(form.get(), row.control), row.control);
    for (const auto& info : umrido::CalcKeys()) QVERIFY2(Find(form.get(), info.name), info.name);
    for (int r = 1; r <= 21; ++r) QVERIFY(Find(form.get(), QStringLiteral("StaticText%1").arg(r).toLatin1()));
  }

  void firstStartShowsDefaultsAndStoresThem() {
    {
      auto form = umrido::test::StartWindow();
      QCOMPARE(form->Conversion().State().CurrentCategory, 2);
      QCOMPARE(Find<QListWidget>(form.get(), "ListBoxUC")->currentRow(), 19);
      QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), U8(UnitCatalogue::Category(2)->nameDe));
      QVERIFY(Find<QToolButton>(form.get(), "SpeedButtonD")->isChecked());
      QVERIFY(!Find<QToolButton>(form.get(), "SpeedButtonE")->isChecked());
      QCOMPARE(form->FrontPanel()->objectName(), QStringLiteral("PanelReklame"));
      QCOMPARE(form->windowTitle(), QString::fromUtf8("UMRIDO (Einheiten-Umrechner)"));
      QCOMPARE(Find<QLineEdit>(form.get(), "EditV")->text(), QStringLiteral("1"));
      QCOMPARE(QApplication::focusWidget(), Find(form.get(), "EditV"));
      QCOMPARE(Find<QLineEdit>(form.get(), "EditV")->selectedText(), QStringLiteral("1"));
      QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), QStringLiteral("1"));
      QCOMPARE(Find<QLineEdit>(form.get(), "EditCalc")->text(), QStringLiteral("0"));
      QCOMPARE(Find(form.get(), "PanelUnit")->height(), UnitCatalogue::Category(2)->stripHeight);
      QVERIFY(form->close());
    }
    const int expected[] = {2, 19, 0, 1, 1};
    for (std::size_t i = 0; i < 5; ++i) {
      const auto v = sandbox_->Read(QLatin1String(umrido::ui::kSettingNames[i]));
      QVERIFY2(v.has_value(), umrido::ui::kSettingNames[i]);
      QCOMPARE(v->toInt(), expected[i]);
    }
  }

  void startUpFromStoredValues_data() {
    QTest::addColumn<QVariantList>("stored");  // five values; invalid = missing
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("listPosition");
    QTest::addColumn<int>("angleMode");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("bannerFirst");
    const QVariant missing;
    const int druck = 22;
    QTest::newRow("22,8,1,1,1") << QVariantList{druck, 8, 1, 1, 1} << druck << 8 << 1 << true << true;
    QTest::newRow("22,27,2,0,0") << QVariantList{druck, 27, 2, 0, 0} << druck << 27 << 2 << false << false;
    QTest::newRow("missing ReklameD") << QVariantList{druck, 27, 2, 0, missing} << 2 << 19 << 0 << true << true;
    QTest::newRow("missing UCAktuell1") << QVariantList{missing, 27, 2, 0, 0} << 2 << 19 << 0 << true << true;
    QTest::newRow("UCDRG not a number") << QVariantList{druck, 27, QStringLiteral("x"), 0, 0} << 2 << 19 << 0 << true
                                        << true;
    QTest::newRow("category 51") << QVariantList{51, 8, 1, 1, 1} << 2 << 19 << 1 << true << true;
    QTest::newRow("angle mode 3") << QVariantList{druck, 8, 3, 1, 0} << druck << 8 << 0 << true << false;
    QTest::newRow("SpracheD 2") << QVariantList{druck, 8, 1, 2, 1} << druck << 8 << 1 << true << true;
    QTest::newRow("ReklameD -1") << QVariantList{druck, 8, 1, 1, -1} << druck << 8 << 1 << true << true;
    QTest::newRow("list position 99") << QVariantList{druck, 99, 0, 1, 1} << druck << 8 << 0 << true << true;
    QTest::newRow("position of another quantity")
        << QVariantList{druck, 19, 0, 1, 1} << druck << 8 << 0 << true << true;
  }

  void startUpFromStoredValues() {
    QFETCH(QVariantList, stored);
    for (int i = 0; i < 5; ++i) {
      if (stored[i].isValid())
        sandbox_->Store(QLatin1String(umrido::ui::kSettingNames[static_cast<std::size_t>(i)]), stored[i]);
    }
    QFETCH(int, category);
    QFETCH(int, listPosition);
    QFETCH(int, angleMode);
    QFETCH(bool, german);
    QFETCH(bool, bannerFirst);
    auto form = umrido::test::StartWindow();
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    QCOMPARE(Find<QListWidget>(form.get(), "ListBoxUC")->currentRow(), listPosition);
    QCOMPARE(CategoryAtListPosition(listPosition, german), category);
    QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), U8(UnitCatalogue::Category(category)->Name(german)));
    QCOMPARE(Find<QLabel>(form.get(), "LabelV")->text(), U8(UnitCatalogue::Unit(category, 0)->Symbol(german)));
    QCOMPARE(Find(form.get(), "PanelUnit")->height(), UnitCatalogue::Category(category)->stripHeight);
    QCOMPARE(form->Calc().State().AngleMode, angleMode);
    QCOMPARE(Find(form.get(), "ImageDRG")->y(), umrido::ImageDRGTop(angleMode));
    QCOMPARE(form->LanguageFlag(), german);
    QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonE")->isChecked(), !german);
    QCOMPARE(form->FrontPanel()->objectName(),
             bannerFirst ? QStringLiteral("PanelReklame") : QStringLiteral("PanelRechner"));
    QVERIFY(!Find<QToolButton>(form.get(), "SpeedButtonRechner")->isChecked());
    QVERIFY(!Find<QToolButton>(form.get(), "SpeedButtonInfo")->isChecked());
  }

  void settingsRoundTrip() {
    umrido::ui::StoredSettings before;
    {
      auto form = umrido::test::StartWindow();
      Click(form.get(), "SpeedButtonE");
      auto* list = Find<QListWidget>(form.get(), "ListBoxUC");
      const int pressure = ListPositionOf(22, false);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(pressure)).center());
      Click(form.get(), "SpeedButtonDRG");
      Click(form.get(), "SpeedButtonDRG");
      before = form->CurrentSettings();
      QCOMPARE(before.category, 22);
      QCOMPARE(before.listPosition, pressure);
      QCOMPARE(before.angleMode, 2);
      QVERIFY(!before.german);
      Click(form.get(), "SpeedButtonEnd");
      QVERIFY(!form->isVisible());
    }
    auto again = umrido::test::StartWindow();
    QCOMPARE(again->CurrentSettings(), before);
    QCOMPARE(again->windowTitle(), QStringLiteral("UMRIDO (Unit-Converter)"));
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
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, sandbox_->Path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, sandbox_->Path());
  }

  void panelButtons_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("bannerFirst");
    QTest::addColumn<QString>("front");
    QTest::addColumn<bool>("rechnerDown");
    QTest::addColumn<bool>("infoDown");
    QTest::newRow("Info") << QStringList{"SpeedButtonInfo"} << true << "PanelInfo" << false << true;
    QTest::newRow("Info Info") << QStringList{"SpeedButtonInfo", "SpeedButtonInfo"} << true << "PanelReklame" << false
                               << false;
    QTest::newRow("Rechner Info") << QStringList{"SpeedButtonRechner", "SpeedButtonInfo"} << true << "PanelInfo"
                                  << false << true;
    QTest::newRow("Rechner Info Info") << QStringList{"SpeedButtonRechner", "SpeedButtonInfo", "SpeedButtonInfo"}
                                       << true << "PanelReklame" << false << false;
    QTest::newRow("calculator first, Rechner")
        << QStringList{"SpeedButtonRechner"} << false << "PanelRechner" << true << false;
    QTest::newRow("calculator first, Rechner Rechner")
        << QStringList{"SpeedButtonRechner", "SpeedButtonRechner"} << false << "PanelReklame" << false << false;
    QTest::newRow("Info Rechner") << QStringList{"SpeedButtonInfo", "SpeedButtonRechner"} << true << "PanelRechner"
                                  << true << false;
  }

  void panelButtons() {
    QFETCH(QStringList, clicks);
    QFETCH(bool, bannerFirst);
    QFETCH(QString, front);
    QFETCH(bool, rechnerDown);
    QFETCH(bool, infoDown);
    if (!bannerFirst) {
      const std::array<int, 5> calculatorFirst = {2, 19, 0, 1, 0};
      for (std::size_t i = 0; i < 5; ++i)
        sandbox_->Store(QLatin1String(umrido::ui::kSettingNames[i]), calculatorFirst[i]);
    }
    auto form = umrido::test::StartWindow();
    for (const QString& name : clicks) Click(form.get(), name.toLatin1().constData());
    QCOMPARE(form->FrontPanel()->objectName(), front);
    QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonRechner")->isChecked(), rechnerDown);
    QCOMPARE(Find<QToolButton>(form.get(), "SpeedButtonInfo")->isChecked(), infoDown);
  }

  void languageSwitchKeepsTheQuantity_data() {
    QTest::addColumn<int>("germanPosition");
    QTest::addColumn<int>("englishPosition");
    QTest::newRow("Druck 8 / Pressure 27") << 8 << 27;
    QTest::newRow("SI-Vorsaetze 30 / SI-Prefix 30") << 30 << 30;
    QTest::newRow("Laenge 19 / Length 15") << 19 << 15;
  }

  void languageSwitchKeepsTheQuantity() {
    QFETCH(int, germanPosition);
    QFETCH(int, englishPosition);
    auto form = umrido::test::StartWindow();
    auto* list = Find<QListWidget>(form.get(), "ListBoxUC");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(germanPosition)).center());
    const int category = CategoryAtListPosition(germanPosition, true);
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    // Pick a unit on each side and type a value: the switch must keep them.
    auto* imageN = Find(form.get(), "ImageN");
    QTest::mousePress(imageN, Qt::LeftButton, {}, QPoint(8, 20));
    QTest::mouseRelease(imageN, Qt::LeftButton, {}, QPoint(8, 20));
    QTest::keyClicks(Find(form.get(), "EditV"), QStringLiteral("7"));
    const QString editV = Find<QLineEdit>(form.get(), "EditV")->text();
    const QString editN = Find<QLineEdit>(form.get(), "EditN")->text();
    const QString labelN = Find<QLabel>(form.get(), "LabelN")->text();
    const int markerN = Find(form.get(), "ImageMarkeN")->y();

    Click(form.get(), "SpeedButtonE");
    QCOMPARE(list->currentRow(), englishPosition);
    QCOMPARE(ListText(form.get()), U8(UnitCatalogue::Category(category)->nameEn));
    QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), ListText(form.get()));
    QCOMPARE(form->windowTitle(), QStringLiteral("UMRIDO (Unit-Converter)"));
    QCOMPARE(Find<QLabel>(form.get(), "LabelCalc")->text(), QStringLiteral("Calculator"));
    QCOMPARE(Find<QLabel>(form.get(), "StaticText1")->text(), U8(UnitCatalogue::Unit(category, 0)->symbolEn));
    QVERIFY(Find<QPlainTextEdit>(form.get(), "MemoInfo2")->isVisibleTo(form.get()));
    QVERIFY(!Find<QPlainTextEdit>(form.get(), "MemoInfo1")->isVisibleTo(form.get()));
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditV")->text(), editV);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), editN);
    QCOMPARE(Find<QLabel>(form.get(), "LabelN")->text(), labelN);  // kept until the next pick
    QCOMPARE(Find(form.get(), "ImageMarkeN")->y(), markerN);

    Click(form.get(), "SpeedButtonE");  // already English: nothing changes
    QCOMPARE(list->currentRow(), englishPosition);
    Click(form.get(), "SpeedButtonD");
    QCOMPARE(list->currentRow(), germanPosition);
    QCOMPARE(Find<QLabel>(form.get(), "LabelUnit")->text(), U8(UnitCatalogue::Category(category)->nameDe));
    QCOMPARE(form->Conversion().State().CurrentCategory, category);
    QCOMPARE(Find<QLineEdit>(form.get(), "EditN")->text(), editN);
    QVERIFY(Find<QToolButton>(form.get(), "SpeedButtonD")->isChecked());
    QVERIFY(!Find<QToolButton>(form.get(), "SpeedButtonE")->isChecked());
  }

  void statusLineShowsTheHint_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("SpeedButtonEnd") << "SpeedButtonEnd" << QString::fromUtf8("Programm beenden ?") << "Program exit ?";
    QTest::newRow("SpeedButtonSwap") << "SpeedButtonSwap"
                                     << "Tauschen"
                                     << "Swap";
    QTest::newRow("EditN") << "EditN"
                           << "Ergebnis"
                           << "Result";
    QTest::newRow("ImageN") << "ImageN" << QString::fromUtf8("Einheit auswählen") << "Select Unit";
    QTest::newRow("LabelUnit") << "LabelUnit"
                               << "Aktuelle Kategorie"
                               << "Actual category";
    QTest::newRow("LabelV") << "LabelV"
                            << ""
                            << "";
    QTest::newRow("ImageReklame") << "ImageReklame"
                                  << ""
                                  << "";
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
    QVERIFY(Find(form.get(), "SpeedButtonTan")->toolTip().isEmpty());
  }

  void bannerToggle_data() {
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("releases");
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("bannerFirstAfter");
    QTest::newRow("97,58 OK") << QPoint(97, 58) << 1 << true << 1 << false;
    QTest::newRow("97,58 Abbrechen") << QPoint(97, 58) << 1 << false << 1 << true;
    QTest::newRow("97,58 OK twice") << QPoint(97, 58) << 2 << true << 2 << true;
    QTest::newRow("98,58") << QPoint(98, 58) << 1 << true << 0 << true;
    QTest::newRow("97,57") << QPoint(97, 57) << 1 << true << 0 << true;
  }

  void bannerToggle() {
    QFETCH(QPoint, release);
    QFETCH(int, releases);
    QFETCH(bool, answerOk);
    QFETCH(int, questions);
    QFETCH(bool, bannerFirstAfter);
    auto form = umrido::test::StartWindow();
    auto* banner = Find(form.get(), "ImageReklame");
    int asked = 0;
    for (int i = 0; i < releases; ++i) {
      const bool bannerFirstNow = form->BannerFirst();
      QString seen;
      watchdog_->Expect([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seen = box->text();
        QCOMPARE(box->windowTitle(), QString::fromUtf8("Bestätigen"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("OK"));
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == (answerOk ? QStringLiteral("OK") : QStringLiteral("&Abbrechen"))) b->click();
        }
      });
      QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(10, 10));
      QTest::mouseRelease(banner, Qt::LeftButton, {}, release);
      asked += watchdog_->TakeAnswered();
      watchdog_->Expect(nullptr);
      if (questions > 0) {
        QCOMPARE(seen.split(QLatin1Char('\n')), umrido::ui::BannerQuestionLines(bannerFirstNow));
      }
    }
    QCOMPARE(asked, questions);
    QCOMPARE(form->BannerFirst(), bannerFirstAfter);
    QCOMPARE(form->FrontPanel()->objectName(), QStringLiteral("PanelReklame"));  // shows next start only
    QVERIFY(form->close());
    QCOMPARE(sandbox_->Read(QStringLiteral("ReklameD"))->toInt(), bannerFirstAfter ? 1 : 0);
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
