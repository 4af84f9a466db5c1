#include "calc_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

#include "artwork.h"
#include "baked.h"
#include "keyboard.h"

namespace umrido::ui {

namespace {

using art::KeyFace;

// The face each key shows.
KeyFace FaceOf(CalcKey key) {
  switch (key) {
    case CalcKey::SpeedButtonZiffer0:
      return KeyFace::Digit0;
    case CalcKey::SpeedButtonZiffer1:
      return KeyFace::Digit1;
    case CalcKey::SpeedButtonZiffer2:
      return KeyFace::Digit2;
    case CalcKey::SpeedButtonZiffer3:
      return KeyFace::Digit3;
    case CalcKey::SpeedButtonZiffer4:
      return KeyFace::Digit4;
    case CalcKey::SpeedButtonZiffer5:
      return KeyFace::Digit5;
    case CalcKey::SpeedButtonZiffer6:
      return KeyFace::Digit6;
    case CalcKey::SpeedButtonZiffer7:
      return KeyFace::Digit7;
    case CalcKey::SpeedButtonZiffer8:
      return KeyFace::Digit8;
    case CalcKey::SpeedButtonZiffer9:
      return KeyFace::Digit9;
    case CalcKey::SpeedButtonKomma:
      return KeyFace::Comma;
    case CalcKey::SpeedButtonPlus:
      return KeyFace::Plus;
    case CalcKey::SpeedButtonMinus:
      return KeyFace::Minus;
    case CalcKey::SpeedButtonMal:
      return KeyFace::Multiply;
    case CalcKey::SpeedButtonDurch:
      return KeyFace::Divide;
    case CalcKey::SpeedButtonXhochy:
      return KeyFace::Power;
    case CalcKey::SpeedButtonW_y:
      return KeyFace::Root;
    case CalcKey::SpeedButtonIstGleich:
      return KeyFace::Equals;
    case CalcKey::SpeedButtonCE:
      return KeyFace::CE;
    case CalcKey::SpeedButtonShift:
      return KeyFace::Shift;
    case CalcKey::SpeedButtonHyp:
      return KeyFace::Hyp;
    case CalcKey::SpeedButtonDRG:
      return KeyFace::DRG;
    case CalcKey::SpeedButtonExp:
      return KeyFace::Exp;
    case CalcKey::SpeedButtonX_1:
      return KeyFace::Reciprocal;
    case CalcKey::SpeedButtonX_2:
      return KeyFace::Square;
    case CalcKey::SpeedButtonW_2:
      return KeyFace::SquareRoot;
    case CalcKey::SpeedButtonLn:
      return KeyFace::Ln;
    case CalcKey::SpeedButtonLg:
      return KeyFace::Lg;
    case CalcKey::SpeedButtonPi:
      return KeyFace::Pi;
    case CalcKey::SpeedButtonPlusMinus:
      return KeyFace::PlusMinus;
    case CalcKey::SpeedButtonXFak:
      return KeyFace::Factorial;
    case CalcKey::SpeedButtonEhochx:
      return KeyFace::ExpE;
    case CalcKey::SpeedButton10hochx:
      return KeyFace::Exp10;
    case CalcKey::SpeedButtonEuler:
      return KeyFace::Euler;
    case CalcKey::SpeedButtonSin:
      return KeyFace::Sin;
    case CalcKey::SpeedButtonCos:
      return KeyFace::Cos;
    case CalcKey::SpeedButtonTan:
      return KeyFace::Tan;
    case CalcKey::SpeedButtonArcSin:
      return KeyFace::ArcSin;
    case CalcKey::SpeedButtonArcCos:
      return KeyFace::ArcCos;
    case CalcKey::SpeedButtonArcTan:
      return KeyFace::ArcTan;
    case CalcKey::SpeedButtonHypSin:
      return KeyFace::HypSin;
    case CalcKey::SpeedButtonHypCos:
      return KeyFace::HypCos;
    case CalcKey::SpeedButtonHypTan:
      return KeyFace::HypTan;
    case CalcKey::SpeedButtonHypArcSin:
      return KeyFace::HypArcSin;
    case CalcKey::SpeedButtonHypArcCos:
      return KeyFace::HypArcCos;
    case CalcKey::SpeedButtonHypArcTan:
      return KeyFace::HypArcTan;
    case CalcKey::SpeedButtonMplus:
      return KeyFace::MPlus;
    case CalcKey::SpeedButtonMminus:
      return KeyFace::MMinus;
    case CalcKey::SpeedButtonMR:
      return KeyFace::MR;
    case CalcKey::SpeedButtonMC:
      return KeyFace::MC;
    case CalcKey::SpeedButtonInsertCalc:
    case CalcKey::SpeedButtonCopyCalc:
      break;
  }
  return KeyFace::Digit0;
}

// Places above the pad: the two clipboard keys in the top corners, the
// heading between them, the display below with its indicator strip along
// its lower edge.
constexpr QRect kInsertCalc{4, 4, 24, 24};
constexpr QRect kCopyCalc{182, 4, 24, 24};
constexpr QRect kLabelCalc{30, 4, 150, 24};
constexpr QRect kEditCalc{5, 33, 199, 37};
constexpr QRect kIndicatorStrip{8, 59, 193, 10};
constexpr int kImageShiftLeft = 7;
constexpr int kImageHypLeft = 44;
constexpr int kImageDRGLeft = 81;

}  // namespace

PadKey::PadKey(QWidget* parent, CalcKey key) : QAbstractButton(parent), key_(key) {
  const CalcKeyInfo& info = InfoOf(key);
  setObjectName(QLatin1String(info.name));
  setGeometry(kPadColumnLeft[static_cast<std::size_t>(info.column)], kPadRowTop[static_cast<std::size_t>(info.row)],
              kPadKeyWidth, kPadKeyHeight);
  // Focusable, so screen readers hear the ringed key as the focused button;
  // a click still leaves the keyboard where it was.
  setFocusPolicy(Qt::TabFocus);
}

void PadKey::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Drawn for the screen the key is on, so the face stays sharp.
  if (face_.isNull() || face_.devicePixelRatio() != devicePixelRatioF()) {
    face_ = art::KeyFaceOf(FaceOf(key_), devicePixelRatioF());
  }
  const QPixmap& face = face_;
  if (isDown()) {
    p.drawPixmap(1, 1, face);
    p.fillRect(rect(), QColor(0, 0, 0, 40));
  } else {
    p.drawPixmap(0, 0, face);
  }
  if (hasFocus()) {
    // The ring: a dark band of the system's highlight with a white line
    // inside, to stand out on grey, blue and red faces alike.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight).darker(150), 3));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    p.setPen(QPen(Qt::white, 1));
    p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
  }
}

void PadKey::keyPressEvent(QKeyEvent* e) {
  if (auto* panel = qobject_cast<CalcPanel*>(parentWidget())) panel->PadKeyPress(e);
}

void PadKey::focusInEvent(QFocusEvent* e) {
  QAbstractButton::focusInEvent(e);
  update();
}

void PadKey::focusOutEvent(QFocusEvent* e) {
  QAbstractButton::focusOutEvent(e);
  update();
  if (auto* panel = qobject_cast<CalcPanel*>(parentWidget())) panel->PadKeyFocusOut(e->reason());
}

CalcPanel::CalcPanel(QWidget* parent) : Panel(parent, "PanelRechner", kGeometry) {
  labelCalc_ = MakeLabel(this, "LabelCalc", kLabelCalc);

  editCalc_ = new FieldEdit(this);
  editCalc_->setObjectName(QStringLiteral("EditCalc"));
  editCalc_->setGeometry(kEditCalc);
  editCalc_->setFocusPolicy(Qt::StrongFocus);
  // The indicator strip covers the lower part of the field; the text sits
  // above it.
  editCalc_->setTextMargins(2, 0, 2, kIndicatorStrip.height());
  editCalc_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette pal = editCalc_->palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  editCalc_->setPalette(pal);
}

void CalcPanel::BuildPad() {
  if (HasPad()) return;
  // The clipboard keys take their places beside the heading and the display
  // in the order of children, which screen readers follow.
  auto* insert = MakeGlyphButton(this, "SpeedButtonInsertCalc", kInsertCalc, QIcon(), false);
  insert->stackUnder(labelCalc_);
  auto* copy = MakeGlyphButton(this, "SpeedButtonCopyCalc", kCopyCalc, QIcon(), false);
  copy->stackUnder(editCalc_);
  buttons_[static_cast<std::size_t>(CalcKey::SpeedButtonInsertCalc)] = insert;
  buttons_[static_cast<std::size_t>(CalcKey::SpeedButtonCopyCalc)] = copy;

  strip_ = new QWidget(this);
  strip_->setObjectName(QStringLiteral("PanelRechnerDRG"));
  strip_->setGeometry(kIndicatorStrip);
  strip_->setAutoFillBackground(true);
  QPalette stripPal = strip_->palette();
  stripPal.setColor(QPalette::Window, Qt::white);
  strip_->setPalette(stripPal);
  imageShift_ = MakeLabel(strip_, "ImageShift", QRect(QPoint(kImageShiftLeft, 2), art::kIndicatorShiftSize),
                          Qt::AlignLeft | Qt::AlignTop);
  imageHyp_ = MakeLabel(strip_, "ImageHyp", QRect(QPoint(kImageHypLeft, 2), art::kIndicatorHypSize),
                        Qt::AlignLeft | Qt::AlignTop);
  imageDRG_ = MakeLabel(strip_, "ImageDRG", QRect(QPoint(kImageDRGLeft, 2), art::kIndicatorDrgSize),
                        Qt::AlignLeft | Qt::AlignTop);

  for (const CalcKeyInfo& info : CalcKeys()) {
    if (info.row < 0) continue;
    auto* key = new PadKey(this, info.key);
    buttons_[static_cast<std::size_t>(info.key)] = key;
    // The digits carry no hint; screen readers still want to name them.
    if (info.group == CalcKeyGroup::kZiffer && info.key != CalcKey::SpeedButtonKomma) {
      key->setAccessibleName(
          QString::number(static_cast<int>(info.key) - static_cast<int>(CalcKey::SpeedButtonZiffer0)));
    }
  }
  for (int i = 0; i < kCalcKeyCount; ++i) {
    const auto key = static_cast<CalcKey>(i);
    connect(buttons_[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this,
            [this, key] { emit keyClicked(key); });
  }
  // Shown at once if the panel already is (built while in front).
  if (isVisible()) {
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isHidden() || w->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
      w->show();
    }
  }
}

void CalcPanel::SetClipboardGlyphs(const QIcon& paste, const QIcon& copy) {
  if (!HasPad()) return;
  Button(CalcKey::SpeedButtonInsertCalc)->setIcon(paste);
  Button(CalcKey::SpeedButtonCopyCalc)->setIcon(copy);
}

void CalcPanel::DrawIndicators(qreal dpr) {
  if (!HasPad()) return;
  imageShift_->setPixmap(art::Picture("shift", dpr));
  imageHyp_->setPixmap(art::Picture("hyp", dpr));
  imageDRG_->setPixmap(art::Picture("drg", dpr));
}

void CalcPanel::ShowModes(const CalcState& state) {
  if (!HasPad()) return;
  imageShift_->move(kImageShiftLeft, ImageShiftTop(state.ShiftOn));
  imageHyp_->move(kImageHypLeft, ImageHypTop(state.HypOn));
  imageDRG_->move(kImageDRGLeft, ImageDRGTop(state.AngleMode));
  shiftOn_ = state.ShiftOn;
  hypOn_ = state.HypOn;
  // The keys on top first, so a ringed key can hand its focus over before it
  // hides (Qt would move a hidden key's focus on along the Tab chain).
  const QWidget* focused = QApplication::focusWidget();
  for (const CalcKeyInfo& info : CalcKeys()) {
    if (info.layerCell < 0 || !IsKeyOnTop(info.key, state.ShiftOn, state.HypOn)) continue;
    QAbstractButton* b = Button(info.key);
    b->raise();
    b->setVisible(true);
  }
  for (const CalcKeyInfo& info : CalcKeys()) {
    if (info.layerCell < 0 || IsKeyOnTop(info.key, state.ShiftOn, state.HypOn)) continue;
    QAbstractButton* b = Button(info.key);
    if (b == focused) KeyAt(info.row, info.column)->setFocus(Qt::OtherFocusReason);
    b->setVisible(false);
  }
}

QAbstractButton* CalcPanel::KeyAt(int row, int column) const {
  for (const CalcKeyInfo& info : CalcKeys()) {
    if (info.row == row && info.column == column && IsKeyOnTop(info.key, shiftOn_, hypOn_)) return Button(info.key);
  }
  return nullptr;
}

bool CalcPanel::IsPadKey(const QWidget* w) const {
  return w != nullptr && HasPad() && w->parentWidget() == this && qobject_cast<const PadKey*>(w) != nullptr;
}

bool CalcPanel::PadHasFocus() const { return IsPadKey(QApplication::focusWidget()); }

void CalcPanel::FocusPad() {
  if (!HasPad()) return;
  if (QAbstractButton* key = KeyAt(ringRow_, ringColumn_)) key->setFocus(Qt::ShortcutFocusReason);
}

void CalcPanel::MoveRing(int rows, int columns) {
  // The ring stops at the pad's edges.
  ringRow_ = std::clamp(ringRow_ + rows, 0, static_cast<int>(kPadRowTop.size()) - 1);
  ringColumn_ = std::clamp(ringColumn_ + columns, 0, static_cast<int>(kPadColumnLeft.size()) - 1);
  FocusPad();
}

void CalcPanel::PadKeyPress(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  QAbstractButton* key = nullptr;
  if (mods == Qt::NoModifier && e->key() == Qt::Key_Up) {
    MoveRing(-1, 0);
  } else if (mods == Qt::NoModifier && e->key() == Qt::Key_Down) {
    MoveRing(1, 0);
  } else if (mods == Qt::NoModifier && e->key() == Qt::Key_Left) {
    MoveRing(0, -1);
  } else if (mods == Qt::NoModifier && e->key() == Qt::Key_Right) {
    MoveRing(0, 1);
  } else if (mods == Qt::NoModifier && e->key() == Qt::Key_Space) {
    key = KeyAt(ringRow_, ringColumn_);
  } else if (const auto pressed = PadKeyFor(*e, shiftOn_, hypOn_)) {
    key = Button(*pressed);
  } else {
    e->ignore();
    return;
  }
  if (key != nullptr) {
    // The click of the key itself, so the window runs what a mouse click runs.
    keyboardPress_ = true;
    key->click();
    keyboardPress_ = false;
  }
  e->accept();
}

void CalcPanel::PadKeyFocusOut(Qt::FocusReason reason) {
  // A popup or another window takes the keyboard only for a while; a move
  // within the pad or to the display stays in the calculator.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  const QWidget* now = QApplication::focusWidget();
  if (IsPadKey(now) || now == editCalc_) return;
  emit padFocusLeft();
}

}  // namespace umrido::ui
