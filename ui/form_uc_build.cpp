// Building the window: the fixed layout, the wiring of every control to its
// action, the start-up sequence and shut-down.
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include "accessibility.h"
#include "artwork.h"
#include "baked.h"
#include "calc_panel.h"
#include "category_list.h"
#include "field_edit.h"
#include "form_uc.h"
#include "panels.h"
#include "status_hint.h"
#include "texts.h"
#include "unit_strip.h"

namespace umrido::ui {

namespace {

// Regions of the client area.
constexpr QRect kImageBack{0, 0, 622, 478};
constexpr QRect kImageMalen{20, 106, 160, 32};
constexpr QRect kRightPanel{407, 55, 210, 347};
constexpr QRect kPanelListe{0, 55, 211, 347};
constexpr QRect kPanelHeader{-8, 0, 625, 35};
constexpr QRect kPanelStatus{-8, 423, 625, 32};

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(role, colour);
  w->setPalette(pal);
}

}  // namespace

TFormUC::TFormUC(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FormUC"));
  setWindowTitle(FromUtf8(kApplicationTitle));
  // The program sets the icon for the whole application; making it again
  // would cost as much as the rest of the window's pictures.
  if (QGuiApplication::windowIcon().isNull()) setWindowIcon(art::ApplicationIcon());
  setFixedSize(kClientSize);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  font.setBold(true);
  setFont(font);
  Paint(this, QPalette::Window, art::DesktopColor());
  setAutoFillBackground(true);
  dpr_ = devicePixelRatioF();
  InstallAccessibility();

  // A text field lays out its text in the application's font once while it
  // is made, before it takes the window's. Lent the window's font for that
  // moment, the program loads no font the window does not show.
  const QFont applicationFont = QApplication::font();
  QApplication::setFont(font);
  BuildLayout();
  QApplication::setFont(applicationFont);
  ConnectActions();
  InstallShortcuts();
  FormCreate(LoadSettings());
  CentreOnScreen();
  // The input field is first in keyboard order and has the keyboard when
  // the window first becomes active.
  editV_->setFocus(Qt::OtherFocusReason);
}

TFormUC::~TFormUC() {
  // The controls outlive the engines by a moment (Qt deletes children after
  // this body and the members); focus changes or signals on their way out
  // must not reach the window any more.
  for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

void TFormUC::BuildLayout() {
  // Creation order is stacking order: later regions lie above earlier ones.
  imageBack_ = new Backdrop(this, "ImageBack", kImageBack);
  imageMalen_ = MakeLabel(this, "ImageMalen", kImageMalen, Qt::AlignLeft | Qt::AlignTop);
  BuildRightPanels();
  panelUnit_ = new UnitStrip(this);
  BuildList();
  BuildHeader();
  BuildStatusBar();

  // Only the three text fields take part in keyboard navigation.
  setFocusPolicy(Qt::NoFocus);
  QWidget::setTabOrder(editV_, editN_);
  QWidget::setTabOrder(editN_, panelRechner_->Display());
}

void TFormUC::BuildHeader() {
  panelHeader_ = new Panel(this, "PanelHeader", kPanelHeader, Panel::Bevel::Lowered, Panel::Bevel::Raised);
  const QColor pale = PaleColour(palette());
  speedButtonInsertV_ =
      MakeGlyphButton(panelHeader_, "SpeedButtonInsertV", {12, 6, 24, 24}, GlyphIcon(art::Glyph::Paste), false);

  editV_ = new FieldEdit(panelHeader_);
  editV_->setObjectName(QStringLiteral("EditV"));
  editV_->setGeometry(40, 6, 149, 24);
  Paint(editV_, QPalette::Base, Qt::white);
  Paint(editV_, QPalette::Text, Qt::black);

  auto* bevelV = new BevelFrame(panelHeader_, "BevelV", {192, 6, 109, 24});
  labelV_ = MakeLabel(bevelV, "LabelV", {0, 0, 109, 23});
  speedButtonSwap_ =
      MakeGlyphButton(panelHeader_, "SpeedButtonSwap", {306, 6, 24, 24}, GlyphIcon(art::Glyph::Swap), false);

  editN_ = new FieldEdit(panelHeader_);
  editN_->setObjectName(QStringLiteral("EditN"));
  editN_->setGeometry(335, 6, 143, 24);
  editN_->setReadOnly(true);
  Paint(editN_, QPalette::Base, pale);
  Paint(editN_, QPalette::Text, Qt::black);

  auto* bevelN = new BevelFrame(panelHeader_, "BevelN", {482, 6, 109, 24});
  labelN_ = MakeLabel(bevelN, "LabelN", {0, 0, 109, 23});
  speedButtonCopyN_ =
      MakeGlyphButton(panelHeader_, "SpeedButtonCopyN", {595, 6, 24, 24}, GlyphIcon(art::Glyph::Copy), false);

  for (QLabel* l : {labelV_, labelN_}) {
    l->setAutoFillBackground(true);
    Paint(l, QPalette::Window, pale);
  }
  for (FieldEdit* e : {editV_, editN_}) {
    e->setFocusPolicy(Qt::StrongFocus);
    // The engine enforces the 16-character limit for the user; the program
    // itself may write longer texts.
    e->setMaxLength(32767);
  }
}

void TFormUC::BuildList() {
  panelListe_ = new Panel(this, "PanelListe", kPanelListe);
  auto* bevelUnit = new BevelFrame(panelListe_, "BevelUnit", {4, 3, 203, 25});
  labelUnit_ = MakeLabel(bevelUnit, "LabelUnit", {0, 1, 203, 22});
  labelUnit_->setAutoFillBackground(true);
  Paint(labelUnit_, QPalette::Window, PaleColour(palette()));

  listBoxUC_ = new CategoryList(panelListe_);
  listBoxUC_->setObjectName(QStringLiteral("ListBoxUC"));
  listBoxUC_->setGeometry(4, 34, 202, 309);
  // The tab key passes the list by; a click chooses a quantity, which hands
  // the keyboard on to EditV.
  listBoxUC_->setFocusPolicy(Qt::ClickFocus);
}

void TFormUC::BuildRightPanels() {
  panelRechner_ = new CalcPanel(this);

  panelInfo_ = new Panel(this, "PanelInfo", kRightPanel);
  auto* bevel1 = new BevelFrame(panelInfo_, "Bevel1", {4, 3, 199, 25});
  auto* labelInfo1 = MakeLabel(bevel1, "LabelInfo1", {0, 1, 199, 22});
  labelInfo1->setText(FromUtf8(kInfoHeading));
  labelInfo1->setAutoFillBackground(true);
  Paint(labelInfo1, QPalette::Window, PaleColour(palette()));

  panelReklame_ = new Panel(this, "PanelReklame", kRightPanel);
  new BevelFrame(panelReklame_, "BevelReklame", {4, 4, 200, 340});
  imageReklame_ = new PictureLabel(panelReklame_, "ImageReklame", {QPoint(6, 6), art::kBannerSize});
}

void TFormUC::BuildInfoTexts() {
  memoInfo1_ = new QPlainTextEdit(panelInfo_);
  memoInfo1_->setObjectName(QStringLiteral("MemoInfo1"));
  memoInfo2_ = new QPlainTextEdit(panelInfo_);
  memoInfo2_->setObjectName(QStringLiteral("MemoInfo2"));
  for (QPlainTextEdit* memo : {memoInfo1_, memoInfo2_}) {
    memo->setGeometry(4, 34, 199, 310);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
  }
  memoInfo1_->setPlainText(InfoText(true));
  memoInfo2_->setPlainText(InfoText(false));
}

void TFormUC::BuildStatusBar() {
  panelStatus_ = new Panel(this, "PanelStatus", kPanelStatus, Panel::Bevel::Raised);
  speedButtonD_ =
      MakeGlyphButton(panelStatus_, "SpeedButtonD", {9, 3, 24, 24}, GlyphIcon(art::Glyph::FlagGerman), true);
  speedButtonE_ =
      MakeGlyphButton(panelStatus_, "SpeedButtonE", {35, 3, 24, 24}, GlyphIcon(art::Glyph::FlagUnion), true);
  speedButtonD_->setChecked(true);
  auto* bevelStatus = new BevelFrame(panelStatus_, "BevelStatus", {61, 4, 480, 22});
  labelInfo_ = MakeLabel(bevelStatus, "LabelInfo", {3, 1, 473, 18});
  speedButtonRechner_ =
      MakeGlyphButton(panelStatus_, "SpeedButtonRechner", {545, 3, 24, 24}, GlyphIcon(art::Glyph::Calculator), true);
  speedButtonInfo_ =
      MakeGlyphButton(panelStatus_, "SpeedButtonInfo", {571, 3, 24, 24}, GlyphIcon(art::Glyph::Info), true);
  speedButtonEnd_ =
      MakeGlyphButton(panelStatus_, "SpeedButtonEnd", {597, 3, 24, 24}, GlyphIcon(art::Glyph::End), false);
}

void TFormUC::ConnectActions() {
  connect(listBoxUC_, &CategoryList::userSelected, this, &TFormUC::ListBoxUCClick);
  connect(panelUnit_, &UnitStrip::pressed, this, &TFormUC::ImageMouseDown);
  connect(panelUnit_, &UnitStrip::released, this, &TFormUC::ImageMouseUp);
  connect(speedButtonSwap_, &QToolButton::clicked, this, &TFormUC::SpeedButtonSwapClick);
  connect(speedButtonInsertV_, &QToolButton::clicked, this, &TFormUC::SpeedButtonInsertVClick);
  connect(speedButtonCopyN_, &QToolButton::clicked, this, &TFormUC::SpeedButtonCopyNClick);
  connect(speedButtonRechner_, &QToolButton::clicked, this, &TFormUC::SpeedButtonRechnerClick);
  connect(speedButtonInfo_, &QToolButton::clicked, this, &TFormUC::SpeedButtonInfoClick);
  connect(speedButtonD_, &QToolButton::clicked, this, &TFormUC::SpeedButtonDClick);
  connect(speedButtonE_, &QToolButton::clicked, this, &TFormUC::SpeedButtonEClick);
  connect(speedButtonEnd_, &QToolButton::clicked, this, &TFormUC::SpeedButtonEndClick);

  connect(imageReklame_, &PictureLabel::pressed, this, [this] { reklamePressed_ = true; });
  connect(imageReklame_, &PictureLabel::released, this, [this](Qt::MouseButton, QPoint pos) {
    if (!reklamePressed_) return;
    reklamePressed_ = false;
    ImageReklameMouseUp(pos);
  });

  FieldEdit* editCalc = panelRechner_->Display();
  connect(editV_, &FieldEdit::keyPressed, this, [this](QKeyEvent* e) { e->setAccepted(EditVKey(e)); });
  connect(editN_, &FieldEdit::keyPressed, this, [this](QKeyEvent* e) { e->setAccepted(EditNKey(e)); });
  connect(editCalc, &FieldEdit::keyPressed, this, [this](QKeyEvent* e) { e->setAccepted(EditCalcKey(e)); });
  connect(editCalc, &FieldEdit::keyReleased, this, &TFormUC::EditCalcKeyUp);
  connect(editV_, &FieldEdit::focusEntered, this, &TFormUC::EditVFocusIn);
  connect(editN_, &FieldEdit::focusEntered, this, &TFormUC::EditNFocusIn);
  connect(editCalc, &FieldEdit::focusEntered, this, &TFormUC::EditCalcFocusIn);
  for (FieldEdit* field : {editV_, editN_, editCalc}) {
    connect(field, &FieldEdit::focusLeft, this, [this, field](Qt::FocusReason r) { FieldFocusOut(field, r); });
    connect(field, &QLineEdit::selectionChanged, this, [this, field] { FieldSelectionMoved(field); });
    connect(field, &QLineEdit::cursorPositionChanged, this, [this, field] { FieldSelectionMoved(field); });
  }

  connect(panelRechner_, &CalcPanel::keyClicked, this, &TFormUC::CalcKeyClick);
  connect(panelRechner_, &CalcPanel::padFocusLeft, this, &TFormUC::PadFocusLeft);
}

void TFormUC::FormCreate(const StoredSettings& settings) {
  // 1. The status line follows the pointer: the controls' hints are status
  // tips, which Qt passes up to the window (event()).
  // 2. Both markers show the same dot.
  panelUnit_->SetMarkerPicture(art::Marker(dpr_));
  // 3. The calculator's clipboard keys carry the header's pictures.
  panelRechner_->SetClipboardGlyphs(speedButtonInsertV_->icon(), speedButtonCopyN_->icon());
  // 4. 51 entries whose texts come with the other texts.
  listBoxUC_->SetCount(kCategoryCount);
  // 5. The decimal separator of the user's regional settings.
  const QString point = QLocale::system().decimalPoint();
  const bool decimalIsPoint = DetectDecimalIsPoint(point.isEmpty() ? '.' : point.at(0).toLatin1());
  // 6. The stored settings (already checked for range and agreement).
  listBoxUC_->SetRowQuietly(settings.listPosition);
  languageFlag_ = settings.german;
  bannerFirst_ = settings.bannerFirst;
  speedButtonD_->setChecked(languageFlag_);
  speedButtonE_->setChecked(!languageFlag_);
  if (!bannerFirst_) RaisePanel(panelRechner_);
  panelRechner_->setVisible(!bannerFirst_);
  // 7.-9. Fresh engines: factors 1, offsets 0, "1" in both fields, the
  // calculator at "0" in the stored angle mode.
  converter_ = std::make_unique<Converter>(decimalIsPoint, languageFlag_, settings.category);
  calculator_ = std::make_unique<Calculator>(decimalIsPoint, languageFlag_);
  calculator_->SetAngleMode(settings.angleMode);
  // 10.-12. The strip, every text, the base unit on both labels.
  LabelTextSchreiben();
  AlleTexteSchreiben();
  // 13. The selectors and the background with its frames (and the other
  // pictures, all drawn for the screen's pixel ratio).
  BilderZeichnen();
  // 14. The strip's height.
  PanelUnitHoeheAnpassen();
  MirrorConverter();
  MirrorCalculator();
}

void TFormUC::BilderZeichnen() {
  dpr_ = devicePixelRatioF();
  panelUnit_->SetMarkerPicture(art::Marker(dpr_));
  panelUnit_->SetKnobPicture(art::KnobColumn(palette(), dpr_));
  decoration_ = art::DecorationBitmap(palette(), dpr_);
  imageMalen_->setPixmap(decoration_);
  const CategoryEntry* category = UnitCatalogue::Category(converter_->State().CurrentCategory);
  imageBack_->SetDecoration(decoration_);
  imageBack_->SetStripHeight(category ? category->stripHeight : UnitStrip::kInitialHeight);
  if (FrontPanel() == panelReklame_) EnsureBanner();
  panelRechner_->DrawIndicators(dpr_);
}

void TFormUC::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Moved to a screen of another pixel density, the pictures are drawn anew.
  if (windowHandle() != nullptr && !screenWatched_) {
    screenWatched_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
      if (devicePixelRatioF() != dpr_) BilderZeichnen();
    });
  }
}

StoredSettings TFormUC::CurrentSettings() const {
  StoredSettings s;
  s.category = converter_->State().CurrentCategory;
  s.listPosition = listBoxUC_->currentRow();
  s.angleMode = calculator_->State().AngleMode;
  s.german = languageFlag_;
  s.bannerFirst = bannerFirst_;
  return s;
}

void TFormUC::FormClose() {
  // A store that cannot be written loses these values and nothing else; the
  // window closes all the same.
  SaveSettings(CurrentSettings());
}

void TFormUC::closeEvent(QCloseEvent* e) {
  FormClose();
  e->accept();
}

void TFormUC::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace umrido::ui
