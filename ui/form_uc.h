// The main window `FormUC`: header with the two number fields, the quantity
// list, the unit strip, the three right-hand panels and the status bar.
//
// The window owns the converter and the calculator and keeps no rules of its
// own: each user action is one method below that passes the gesture to an
// engine and then mirrors the engine's fields, labels and markers on screen.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>

#include <memory>

#include "calc_engine.h"
#include "converter.h"
#include "qt_clipboard.h"
#include "settings_store.h"

namespace umrido::ui {

class Backdrop;
class CalcPanel;
class CategoryList;
class FieldEdit;
class Panel;
class PictureLabel;
class UnitFinder;
class UnitStrip;

class TFormUC : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{614, 451};

  // Builds the window and runs the start-up sequence with the settings read
  // from the program's settings store.
  explicit TFormUC(QWidget* parent = nullptr);
  ~TFormUC() override;

  // The converter side.
  void ListBoxUCClick(int position);
  void ImageVMouseDown(int y) { ImageMouseDown(Side::V, y); }
  void ImageNMouseDown(int y) { ImageMouseDown(Side::N, y); }
  void ImageMouseUp();
  void SpeedButtonSwapClick();
  void SpeedButtonInsertVClick();
  void SpeedButtonCopyNClick();

  // Any key of the calculator panel: the engine hands it to its group's
  // handler; the window only shows the outcome.
  void CalcKeyClick(CalcKey key);

  // Panels, language, end.
  void SpeedButtonRechnerClick();
  void SpeedButtonInfoClick();
  void SpeedButtonDClick();
  void SpeedButtonEClick();
  void SpeedButtonEndClick();
  void ImageReklameMouseUp(QPoint pos);

  // Keyboard ways to the same gestures (keyboard.cpp, unit_finder.cpp).
  // The quantity `delta` entries down the list, as a click there would pick it.
  void StepQuantity(int delta);
  // The side's marker `delta` rows down, stopping at the first and last unit,
  // as a press and release on that row.
  void StepUnit(Side side, int delta);
  // A press and release on `row` of the side's selector.
  void PickRow(Side side, UnitRow row);
  // The list click of the unit's quantity unless it is the current one, then
  // the pick of the unit's row on `side`.
  void PickUnit(CategoryId category, UnitRow row, Side side);
  void BringCalculatorToFront();
  void BringInfoToFront();
  void BringBannerToFront();
  // Gives the calculator's pad the keyboard while the calculator is in front.
  void FocusCalculatorPad();
  // A page of the information text up (-1) or down (1) while it is in front.
  void ScrollInfoText(int pages);
  // The end button's click.
  void QuitByKeyboard();
  void SwitchLanguage();
  // Opens the unit finder over the window; built on first use.
  void ShowUnitFinder();
  UnitFinder* Finder() const { return finder_; }

  // Writers shared by several actions.
  void LabelTextSchreiben();
  void AlleTexteSchreiben();
  void PanelUnitHoeheAnpassen();

  // What the window holds, for the status of the program and its tests.
  const Converter& Conversion() const { return *converter_; }
  const Calculator& Calc() const { return *calculator_; }
  bool LanguageFlag() const { return languageFlag_; }
  bool BannerFirst() const { return bannerFirst_; }
  // The values FormClose stores.
  StoredSettings CurrentSettings() const;
  // Which of the three right-hand panels lies in front.
  QWidget* FrontPanel() const;

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  void showEvent(QShowEvent* e) override;

 private:
  // Start-up and shut-down.
  void BuildLayout();
  void BuildHeader();
  void BuildList();
  void BuildRightPanels();
  // The two information texts, made when their panel first comes forward.
  void BuildInfoTexts();
  void BuildStatusBar();
  void ConnectActions();
  void FormCreate(const StoredSettings& settings);
  void FormClose();
  void CentreOnScreen();
  // Draws every picture of the window for the current pixel ratio.
  void BilderZeichnen();

  // Mouse on the strip's selectors.
  void ImageMouseDown(Side side, int y);

  // Key and focus events of the three text fields.
  bool EditVKey(QKeyEvent* e);
  bool EditNKey(QKeyEvent* e);
  bool EditCalcKey(QKeyEvent* e);
  void EditCalcKeyUp(QKeyEvent* e);
  void EditVFocusIn(Qt::FocusReason reason);
  void EditNFocusIn(Qt::FocusReason reason);
  void EditCalcFocusIn(Qt::FocusReason reason);
  void FieldFocusOut(QWidget* field, Qt::FocusReason reason);
  void PadFocusLeft();
  void FieldSelectionMoved(QWidget* field);

  // Mirrors of the engines' state on screen.
  void MirrorConverter();
  void MirrorCalculator();
  void MirrorFocus();

  void RaisePanel(QWidget* panel);
  void InstallShortcuts();
  // Shows the information text of the current language, once it is made.
  void ShowInfoText();
  // Draws the banner for the current pixel ratio unless it already is.
  void EnsureBanner();
  // Builds the calculator's keys on their first way to the front.
  void EnsureCalculatorPad();
  // The hints of `root`'s controls in the current language.
  void WriteHints(const QWidget& root);
  // The status line shows `hint`; the hint of the control under the pointer
  // again (after its text changed); the hint of the control that just took
  // the keyboard.
  void ShowHint(const QString& hint);
  void RefreshHint();
  void ShowFocusHint();
  // Moves the focus as Tab (next) or Shift+Tab does; false if it stays.
  bool TabFocus(bool next);

  std::unique_ptr<Converter> converter_;
  std::unique_ptr<Calculator> calculator_;
  QtClipboard clipboard_;
  bool languageFlag_ = true;
  bool bannerFirst_ = true;
  bool mirroring_ = false;
  qreal dpr_ = 1.0;
  qreal bannerDpr_ = 0.0;  // pixel ratio the banner was drawn for; 0 = not yet
  bool screenWatched_ = false;
  UnitFinder* finder_ = nullptr;

  QPixmap decoration_;

  Backdrop* imageBack_ = nullptr;
  QLabel* imageMalen_ = nullptr;
  CalcPanel* panelRechner_ = nullptr;
  Panel* panelInfo_ = nullptr;
  Panel* panelReklame_ = nullptr;
  UnitStrip* panelUnit_ = nullptr;
  Panel* panelListe_ = nullptr;
  Panel* panelHeader_ = nullptr;
  Panel* panelStatus_ = nullptr;

  QToolButton* speedButtonInsertV_ = nullptr;
  FieldEdit* editV_ = nullptr;
  QLabel* labelV_ = nullptr;
  QToolButton* speedButtonSwap_ = nullptr;
  FieldEdit* editN_ = nullptr;
  QLabel* labelN_ = nullptr;
  QToolButton* speedButtonCopyN_ = nullptr;

  QLabel* labelUnit_ = nullptr;
  CategoryList* listBoxUC_ = nullptr;

  QPlainTextEdit* memoInfo1_ = nullptr;
  QPlainTextEdit* memoInfo2_ = nullptr;
  PictureLabel* imageReklame_ = nullptr;
  bool reklamePressed_ = false;

  QToolButton* speedButtonD_ = nullptr;
  QToolButton* speedButtonE_ = nullptr;
  QLabel* labelInfo_ = nullptr;
  QToolButton* speedButtonRechner_ = nullptr;
  QToolButton* speedButtonInfo_ = nullptr;
  QToolButton* speedButtonEnd_ = nullptr;
};

}  // namespace umrido::ui
