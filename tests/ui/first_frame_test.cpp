// The first frame the window shows, compared pixel for pixel with reference
// pictures in frames/: whatever start-up leaves out or prepares ahead of time,
// the user must see the same window. UMRIDO_RECORD_FRAMES=1 writes the
// references anew (only ever from a build whose pictures are known right).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include "settings_store.h"
#include "ui_test_support.h"
#include "unit_catalogue.h"

class FirstFrameTest : public QObject {
  Q_OBJECT

 private:
  umrido::test::SettingsSandbox sandbox_;

 private slots:
  void initTestCase() {
    // A steady caret: the frame must not depend on when it is taken.
    QApplication::setCursorFlashTime(0);
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
    // Length, as on a first start, in the language's list order.
    const int stored[] = {2, umrido::ListPositionOf(2, german), 0, german, bannerFirst};
    for (std::size_t i = 0; i < 5; ++i) sandbox_.Store(QLatin1String(umrido::ui::kSettingNames[i]), stored[i]);
    auto form = umrido::test::StartWindow();
    QApplication::processEvents();
    // The whole window painted as on the screen, in device pixels.
    const QImage frame = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QStringLiteral(UMRIDO_FRAMES_DIR "/%1@%2x.png")
                             .arg(QString::fromLatin1(QTest::currentDataTag()))
                             .arg(form->devicePixelRatioF());
    if (qEnvironmentVariableIsSet("UMRIDO_RECORD_FRAMES")) {
      QVERIFY(frame.save(name));
      return;
    }
    const QImage reference(name);
    QVERIFY2(!reference.isNull(), qPrintable(name));
    if (frame != reference.convertToFormat(QImage::Format_RGB32)) {
      frame.save(QDir::temp().filePath(QFileInfo(name).fileName()));
      QFAIL(qPrintable(QStringLiteral("differs from %1; taken frame in %2").arg(name, QDir::tempPath())));
    }
  }
};

QTEST_MAIN(FirstFrameTest)
#include "first_frame_test.moc"
