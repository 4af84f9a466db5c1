// The all-units panel: how it comes to the front and goes back, what its
// table shows after each kind of change, and what clicks and keys in it do.
// Runs with the comma as decimal separator.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPaintEvent>
#include <QToolButton>
#include <QToolTip>

#include "all_units_panel.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

using umrido::test::Keys;
using umrido::test::U8;
using umrido::ui::AllUnitsModel;

constexpr int kPressure = 22;
constexpr int kPsi = 13;
constexpr int kBar = 3;
constexpr int kKPa = 1;

class AllUnitsTest : public QObject, umrido::test::WindowFixture {
  Q_OBJECT

 private:
  AllUnitsModel* Model() const { return form_->AllUnits()->Model(); }
  QTableView* Table() const { return form_->AllUnits()->Table(); }
  QString Cell(int row, int column) const { return Model()->index(row, column).data().toString(); }

  // Pressure with psi as the source and 5 typed, the table in front.
  void FivePsiInTheTable() {
    umrido::test::ClickListEntry(form_.get(), umrido::ListPositionOf(kPressure, true));
    umrido::test::PickUnit(form_.get(), "ImageV", 18 * kPsi + 4);
    TypeIntoEditV("5");
    PressKeys({Qt::Key_F9});
  }

  // The table holds the current quantity's units in the strip's order and
  // language, EditN's text in the target's row, and marks exactly the source
  // and target rows.
  void CheckTableFollows() {
    const umrido::CategoryEntry* category = umrido::UnitCatalogue::Category(State().CurrentCategory);
    const bool german = form_->LanguageFlag();
    QCOMPARE(Model()->rowCount(), category->unitCount);
    for (int row = 0; row < category->unitCount; ++row) {
      QCOMPARE(Cell(row, AllUnitsModel::kSymbol), U8(category->units[row].Symbol(german)));
      QCOMPARE(Cell(row, AllUnitsModel::kName), U8(category->units[row].Name(german)));
      const bool marked = row == State().RowV || row == State().RowN;
      QCOMPARE(Model()->index(row, AllUnitsModel::kValue).data(Qt::FontRole).value<QFont>().bold(), marked);
    }
    QCOMPARE(Cell(State().RowN, AllUnitsModel::kValue), Field("EditN")->text());
    QCOMPARE(Model()->headerData(AllUnitsModel::kValue, Qt::Horizontal).toString(),
             german ? QStringLiteral("Wert") : QStringLiteral("Value"));
    QCOMPARE(form_->AllUnits()->Heading()->text(),
             german ? QStringLiteral("Alle Einheiten") : QStringLiteral("All units"));
  }

 private slots:
  void init() { StartFresh(); }
  void cleanup() { QVERIFY2(CloseWindow(), "an unexpected dialog opened"); }

  // Each kind of change, made while the table is in front; and one made
  // behind another panel, caught up when the table comes back.
  void followsEveryChange_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("typed");
    QTest::newRow("keystroke") << Keys{} << QStringLiteral("12,5");
    QTest::newRow("failed input") << Keys{} << QStringLiteral("-");
    QTest::newRow("source pick") << Keys{Qt::ALT | Qt::Key_Down} << QString();
    QTest::newRow("target pick") << Keys{Qt::ALT | Qt::SHIFT | Qt::Key_Down} << QString();
    QTest::newRow("swap") << Keys{Qt::ALT | Qt::Key_Down, Qt::Key_F5} << QString();
    QTest::newRow("quantity") << Keys{Qt::CTRL | Qt::Key_Up} << QStringLiteral("3");
    // Druck (8) to Masse, flächenbezogen (24): from 21 units to 21 others.
    QTest::newRow("quantity of as many units") << Keys(16, Qt::CTRL | Qt::Key_Down) << QString();
    QTest::newRow("language") << Keys{Qt::Key_F8} << QString();
    QTest::newRow("language and back") << Keys{Qt::ALT | Qt::SHIFT | Qt::Key_Down, Qt::Key_F8, Qt::Key_F8} << QString();
    QTest::newRow("behind") << Keys{Qt::Key_F9, Qt::CTRL | Qt::Key_Down, Qt::Key_F9} << QString();
  }

  void followsEveryChange() {
    QFETCH(Keys, keys);
    QFETCH(QString, typed);
    FivePsiInTheTable();
    PressKeys(keys);
    if (!typed.isEmpty()) TypeIntoEditV(qPrintable(typed));
    CheckTableFollows();
  }

  // A keystroke draws the new values.
  void drawsTheNewValues() {
    FivePsiInTheTable();
    QTest::qWait(20);
    struct PaintWatch : QObject {
      QRegion painted;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
      }
    } watch;
    Table()->viewport()->installEventFilter(&watch);
    TypeIntoEditV("7");
    QTRY_VERIFY(watch.painted.contains(Table()->visualRect(Model()->index(kBar, AllUnitsModel::kValue))));
  }

  // A click or Return picks the target; Ctrl+C copies a row's value.
  void clicksAndKeysInTheTable() {
    // Nothing of the panel exists before it is first asked for.
    QVERIFY(form_->AllUnits() == nullptr);
    FivePsiInTheTable();
    // The value and symbol columns keep their width; the name takes the rest.
    for (int c : {AllUnitsModel::kValue, AllUnitsModel::kSymbol})
      QCOMPARE(Table()->horizontalHeader()->sectionResizeMode(c), QHeaderView::Fixed);
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {},
                      Table()->visualRect(Model()->index(kKPa, AllUnitsModel::kName)).center());
    QCOMPARE(State().RowN, kKPa);
    QCOMPARE(Field("EditN")->text(), QStringLiteral("34,473786"));
    Table()->setFocus();
    // Each key and the row it goes to (-1: a page away).
    const std::pair<QKeyCombination, int> moves[] = {{Qt::Key_End, 20}, {Qt::Key_Up, 19},  {Qt::Key_PageUp, -1},
                                                     {Qt::Key_Home, 0}, {Qt::Key_Down, 1}, {Qt::Key_PageDown, -1}};
    for (const auto& [key, expected] : moves) {
      const int before = Table()->currentIndex().row();
      PressKeys({key});
      const int row = Table()->currentIndex().row();
      QVERIFY2(expected >= 0 ? row == expected : std::abs(row - before) > 5, qPrintable(QString::number(row)));
    }
    PressKeys({Qt::Key_Home, Qt::CTRL | Qt::Key_C});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("34473,786"));
    PressKeys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    QCOMPARE(State().RowN, kBar);
    QCOMPARE(Field("EditN")->text(), QStringLiteral("0,34473786"));
    QVERIFY(Table()->hasFocus());

    // The whole table, for a spreadsheet, in the interface language.
    PressKeys({Qt::Key_F8});
    QTest::mouseClick(form_->AllUnits()->CopyKey(), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[kBar], QStringLiteral("0,34473786\tbar\tBar"));
    QCOMPARE(lines[18], QStringLiteral("0,35153479\tkgf/cm²\tKilogram-force per square centimeter"));
  }

  // F9 goes back to what was in front, with the panel buttons as they were;
  // the table takes the keyboard only while in front.
  void panelsAndFocus() {
    PressKeys({Qt::Key_F2, Qt::Key_F9});
    QVERIFY(!Get<QToolButton>("SpeedButtonRechner")->isChecked());
    QCOMPARE(Table()->focusPolicy(), Qt::StrongFocus);
    Table()->setFocus();
    PressKeys({Qt::Key_F1});
    QCOMPARE(form_->FrontPanel()->objectName(), QStringLiteral("PanelInfo"));
    QCOMPARE(QApplication::focusWidget(), Field("EditV"));
    QCOMPARE(Table()->focusPolicy(), Qt::NoFocus);
    PressKeys({Qt::Key_F9, Qt::Key_F9});
    QCOMPARE(form_->FrontPanel()->objectName(), QStringLiteral("PanelInfo"));
    QVERIFY(Get<QToolButton>("SpeedButtonInfo")->isChecked());
  }

  void resultMenuLeadsThere() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), Field("EditN")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Field("EditN"), &event);
    auto* menu = Get<QMenu>("EditNMenu");
    QVERIFY(menu != nullptr);
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.last()->text().startsWith(QStringLiteral("Alle Einheiten anzeigen")));
    actions.last()->trigger();
    menu->close();
    QCOMPARE(form_->FrontPanel()->objectName(), QStringLiteral("PanelAlleEinheiten"));
  }

  // Names cut short show whole as tool tips, the one exception to the
  // status line.
  void toolTipsShowWholeNames() {
    FivePsiInTheTable();
    const QPoint at = Table()->visualRect(Model()->index(6, AllUnitsModel::kName)).center();
    QHelpEvent help(QEvent::ToolTip, at, Table()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(Table()->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromUtf8("Atmosphäre absolut (ata) = Atmosphäre techn. (at)"));
  }
};

QTEST_MAIN(AllUnitsTest)
#include "all_units_test.moc"
