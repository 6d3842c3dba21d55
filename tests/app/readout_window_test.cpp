// The readout under the pointer: its wording in the user's format, where the window shows and
// hides it, and that it reads the last pass's copy and leaves the picture alone.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/readout_overlay.h"
#include "app/readout_text.h"
#include "form_probe.h"

namespace {

const QPoint kSphereCentre(196, 168);

void Press(Form1& form) { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); }

// Qt drops a move to where the pointer already is, so the pointer comes from a pixel aside.
void Hover(PictureBox* picture, QPoint at) {
  QTest::mouseMove(picture, at + QPoint(1, 1));
  QTest::mouseMove(picture, at);
}

QStringList ExpectedLines(const RenderState& last, QPoint at) {
  const std::optional<Readout> readout = ReadoutAtPixel(last, 393, 337, at.x(), at.y());
  return readout ? ReadoutLines(*readout, last, QLocale()) : QStringList();
}

}  // namespace

class ReadoutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void wording_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("zone");  // PhiZoneKind
    QTest::addColumn<bool>("gradient");
    QTest::addColumn<QStringList>("lines");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("band, Russian, map")
        << russian << int(PhiZoneKind::kBand) << true
        << QStringList{"i = 45,3°   e = 0,0°   g = 20,0°", "ф = 0,703", "изолиния 0,7 ± 0,015",
                       "точка (0,123; 0,000; 1234,568)", "p = 0,250; q = -1,500"};
    QTest::newRow("self-shadow, C")
        << QLocale::c() << int(PhiZoneKind::kSelfShadow) << false
        << QStringList{"i = 45.3°   e = 0.0°   g = 20.0°", "ф = 0.703", "зона самозатенения",
                       "точка (0.123, 0.000, 1234.568)"};
    QTest::newRow("deep shadow") << QLocale::c() << int(PhiZoneKind::kDeepShadow) << false
                                 << QStringList{"глубокая тень"};
  }

  // The band's level and half-width come from the state given, not from any box.
  void wording() {
    QFETCH(QLocale, locale);
    QFETCH(int, zone);
    QFETCH(bool, gradient);
    QFETCH(QStringList, lines);
    RenderState last = StartupState();
    last.isoHalfWidth[2] = 0.015F;
    Readout readout;
    readout.angleI = 45.25;
    readout.angleE = -0.01;
    readout.angleG = 20.0;
    readout.reading.phi = 0.7031F;
    readout.reading.zone = PhiZone{PhiZoneKind(zone), 2};
    readout.reading.surfacePoint = {0.1234F, -0.0001F, 1234.5678F};
    if (gradient) readout.gradient = Gradient{0.25, -1.5};
    const QStringList shown = ReadoutLines(readout, last, locale);
    for (const QString& line : lines) QVERIFY2(shown.contains(line), qPrintable(shown.join('|')));
    QCOMPARE(shown.size(), gradient ? 5 : 4);
  }

  // Nothing before the first pass or over the background; over the sphere the readout of the
  // pixel under the pointer, in the corner away from it, until the pointer leaves or a new pass
  // starts. The picture's pixels stay as they are.
  void showsOverTheSphereOnly() {
    auto form = OpenForm();
    form->show();
    auto* picture = Find<PictureBox>(*form, "Picture1");
    auto* overlay = picture->findChild<ReadoutOverlay*>();
    QVERIFY(overlay != nullptr);
    Hover(picture, kSphereCentre);
    QVERIFY(!overlay->isVisible());

    Press(*form);
    const QImage image = picture->Image();
    const QImage shown = picture->ComposedImage();
    const QPoint upperLeft(150, 120);
    Hover(picture, upperLeft);
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->Lines(), ExpectedLines(*form->lastPassState(), upperLeft));
    QVERIFY(overlay->geometry().top() > kSphereCentre.y());  // lower right, away from it
    QVERIFY(overlay->geometry().left() > kSphereCentre.x());
    QVERIFY(picture->rect().contains(overlay->geometry()));
    Hover(picture, kSphereCentre + QPoint(40, 30));
    QVERIFY(overlay->geometry().right() < kSphereCentre.x());  // upper left now

    Hover(picture, QPoint(5, 330));
    QVERIFY(!overlay->isVisible());
    Hover(picture, kSphereCentre);
    QEvent leave(QEvent::Leave);  // the offscreen platform sends no Leave of its own
    QCoreApplication::sendEvent(picture, &leave);
    QVERIFY(!overlay->isVisible());
    Hover(picture, kSphereCentre);
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_Return);  // a new pass
    QVERIFY(!overlay->isVisible());
    QCOMPARE(picture->Image(), image);
    QCOMPARE(picture->ComposedImage(), shown);
  }

  // What the boxes hold after the pass plays no part: the readout reads the pass's own copy.
  void readsTheLastPassNotTheBoxes() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    const RenderState afterPass = form->renderState();
    Find<QLineEdit>(*form, "Text7_4")->setText("0.001");  // would take the centre off its band
    Find<QLineEdit>(*form, "Text1")->setText("-60");      // read only by the next pass
    QCOMPARE(*form->lastPassState(), afterPass);
    Hover(Find<PictureBox>(*form, "Picture1"), kSphereCentre);
    auto* overlay = Find<PictureBox>(*form, "Picture1")->findChild<ReadoutOverlay*>();
    QCOMPARE(overlay->Lines(), ExpectedLines(afterPass, kSphereCentre));
    QVERIFY(overlay->Lines().contains("изолиния 0.5 ± 0.005"));
  }
};

QTEST_MAIN(ReadoutWindowTest)
#include "readout_window_test.moc"
