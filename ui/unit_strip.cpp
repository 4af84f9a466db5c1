#include "unit_strip.h"

#include "accessibility.h"
#include "status_hint.h"

namespace umrido::ui {

namespace {

constexpr int kRowLeft = 25;
constexpr QSize kRowSize{96, kStripPitch};
constexpr QRect kSelectorV{5, kStripTopMargin, 16, 380};
constexpr QRect kSelectorN{125, kStripTopMargin, 16, 380};
constexpr int kMarkerLeftV = 8;
constexpr int kMarkerLeftN = 128;

}  // namespace

UnitStrip::UnitStrip(QWidget* parent) : Panel(parent, "PanelUnit", QRect(kPosition, QSize(kWidth, kInitialHeight))) {
  const QColor pale = PaleColour(palette());
  for (int r = 0; r < kMaxUnitsPerCategory; ++r) {
    auto* cell = new QLabel(this);
    cell->setObjectName(QStringLiteral("StaticText%1").arg(r + 1));
    cell->setGeometry(QRect(QPoint(kRowLeft, kStripTopMargin + kStripPitch * r), kRowSize));
    cell->setAlignment(Qt::AlignCenter);
    cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cell->setLineWidth(1);
    cell->setAutoFillBackground(true);
    QPalette pal = cell->palette();
    pal.setColor(QPalette::Window, r % 2 == 0 ? pale : QColor(Qt::white));
    pal.setColor(QPalette::WindowText, Qt::black);
    cell->setPalette(pal);
    cell->setCursor(Qt::ArrowCursor);
    cell->setFocusPolicy(Qt::NoFocus);
    cell->setTextInteractionFlags(Qt::NoTextInteraction);
    rows_[static_cast<std::size_t>(r)] = cell;
  }
  imageV_ = new PictureLabel(this, "ImageV", kSelectorV);
  imageN_ = new PictureLabel(this, "ImageN", kSelectorN);
  for (Side side : {Side::V, Side::N}) {
    PictureLabel* selector = Selector(side);
    connect(selector, &PictureLabel::pressed, this,
            [this, side](Qt::MouseButton, QPoint pos) { emit pressed(side, pos.y()); });
    connect(selector, &PictureLabel::released, this, &UnitStrip::released);
  }
  markeV_ = new QLabel(this);
  markeV_->setObjectName(QStringLiteral("ImageMarkeV"));
  markeN_ = new QLabel(this);
  markeN_->setObjectName(QStringLiteral("ImageMarkeN"));
  for (QLabel* m : {markeV_, markeN_}) {
    m->resize(9, 9);
    // The dot lies on the knob; pressing it presses the selector beneath.
    m->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  SetMarkers(0, 0);
}

void UnitStrip::SetKnobPicture(const QPixmap& column) {
  imageV_->setPixmap(column);
  imageN_->setPixmap(column);
}

void UnitStrip::SetMarkerPicture(const QPixmap& marker) {
  markeV_->setPixmap(marker);
  markeN_->setPixmap(marker);
}

void UnitStrip::SetRow(int row, const QString& caption, const QString& hint) {
  QLabel* cell = Row(row);
  cell->setText(caption);
  SetHint(cell, hint, hint.isEmpty() ? caption : hint);
}

void UnitStrip::SetMarkers(UnitRow rowV, UnitRow rowN) {
  const UnitRow oldV = MarkedRow(Side::V);
  const UnitRow oldN = MarkedRow(Side::N);
  markeV_->move(kMarkerLeftV, MarkerTop(rowV));
  markeN_->move(kMarkerLeftN, MarkerTop(rowN));
  AnnounceMarker(imageV_, oldV, rowV);
  AnnounceMarker(imageN_, oldN, rowN);
}

void UnitStrip::SetStripHeight(int height) { resize(kWidth, height); }

void UnitStrip::PressRow(Side side, UnitRow row) {
  emit pressed(side, row * kRowPitch);
  emit released();
}

}  // namespace umrido::ui
