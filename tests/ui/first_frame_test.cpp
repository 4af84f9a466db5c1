// The first frame the window shows: whatever start-up leaves out or prepares
// ahead of time, the user must see the same window. Renderings of this build
// are compared with each other, which holds on any system; the whole frame is
// compared with reference pictures in frames/ only where Qt's version and the
// font standing in for Arial are those of frames/taken_with.txt.
// UMRIDO_RECORD_FRAMES=1 writes the references and that file anew (only ever
// from a build whose pictures are known right).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QToolButton>

#include "baked.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

namespace {

QImage Pixels(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class FirstFrameTest : public QObject {
  Q_OBJECT

  umrido::test::SettingsSandbox sandbox_;

  // The window as started on Length, as on a first start, in the language's
  // list order, with its first frame painted.
  std::unique_ptr<umrido::ui::TFormUC> Start(bool german, bool bannerFirst) {
    const int stored[] = {2, umrido::ListPositionOf(2, german), 0, german, bannerFirst};
    for (std::size_t i = 0; i < 5; ++i) sandbox_.Store(QLatin1String(umrido::ui::kSettingNames[i]), stored[i]);
    // A steady caret: the frame must not depend on when it is taken.
    QApplication::setCursorFlashTime(0);
    auto form = umrido::test::StartWindow();
    QApplication::processEvents();
    return form;
  }

 private slots:
  // The calculator made at start (in front) and made when it first comes to
  // the front later look alike; the banner shows its drawing pixel for pixel.
  void latePanelsLookAsMadeAtStart() {
    auto early = Start(true, false);
    const QImage calculatorAtStart = Pixels(umrido::test::Find<QWidget>(early.get(), "PanelRechner"));
    early.reset();

    auto late = Start(true, true);
    auto* banner = umrido::test::Find<QWidget>(late.get(), "ImageReklame");
    const qreal dpr = late->devicePixelRatioF();
    const QImage drawn = umrido::art::DrawnPicture("banner", dpr).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(Pixels(banner).copy(QRect(QPoint(0, 0), drawn.size())), drawn);
    umrido::test::Find<QToolButton>(late.get(), "SpeedButtonRechner")->click();
    QApplication::processEvents();
    QCOMPARE(Pixels(umrido::test::Find<QWidget>(late.get(), "PanelRechner")), calculatorAtStart);
  }

  void sameAsReference_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("bannerFirst");
    // At pixel ratio 2 the pictures matter, not the language again.
    for (bool german : {true, false}) {
      if (!german && qApp->devicePixelRatio() != 1) continue;
      for (bool banner : {true, false})
        QTest::addRow("%s-%s", german ? "de" : "en", banner ? "banner" : "calculator") << german << banner;
    }
  }

  void sameAsReference() {
    QFETCH(bool, german);
    QFETCH(bool, bannerFirst);
    auto form = Start(german, bannerFirst);
    // The whole window painted as on the screen, in device pixels.
    const QImage frame = Pixels(form.get());
    const QString name = QStringLiteral(UMRIDO_FRAMES_DIR "/%1@%2x.png")
                             .arg(QString::fromLatin1(QTest::currentDataTag()))
                             .arg(form->devicePixelRatioF());
    QFile takenWith(QStringLiteral(UMRIDO_FRAMES_DIR "/taken_with.txt"));
    // Qt's version and the font the window's Arial resolves to, as
    // "6.4.2|Liberation Sans|Bold".
    const QFontInfo font(form->font());
    const QString here = QStringLiteral("%1|%2|%3").arg(QLatin1String(qVersion()), font.family(), font.styleName());
    if (qEnvironmentVariableIsSet("UMRIDO_RECORD_FRAMES")) {
      QVERIFY(frame.save(name));
      QVERIFY(takenWith.open(QIODevice::WriteOnly));
      takenWith.write((here + QLatin1Char('\n')).toUtf8());
      return;
    }
    QVERIFY2(takenWith.open(QIODevice::ReadOnly), qPrintable(takenWith.fileName()));
    const QString there = QString::fromUtf8(takenWith.readAll()).trimmed();
    if (here != there) {
      QSKIP(qPrintable(QStringLiteral("the reference frames were taken with Qt and font %1, this system renders "
                                      "with %2; the checks of this build against itself still ran")
                           .arg(there, here)));
    }
    const QImage reference(name);
    if (frame != reference.convertToFormat(QImage::Format_RGB32)) {
      frame.save(QDir::temp().filePath(QFileInfo(name).fileName()));
      QFAIL(qPrintable(QStringLiteral("differs from %1; taken frame in %2").arg(name, QDir::tempPath())));
    }
  }
};

QTEST_MAIN(FirstFrameTest)
#include "first_frame_test.moc"
