// The readout under the pointer: its wording in the user's format, and in the window, where it
// shows, where it hides, and that it reads the last pass's copy and leaves the picture alone.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/readout_overlay.h"
#include "app/readout_text.h"
#include "form_probe.h"
#include "shading/readout.h"

namespace {

const QPoint kSphereCentre(196, 168);
const QPoint kUpperLeftOnSphere(150, 120);
const QPoint kBackground(5, 330);

ReadoutOverlay* Overlay(const Form1& form) {
  auto* overlay = Find<PictureBox>(form, "Picture1")->findChild<ReadoutOverlay*>();
  if (overlay == nullptr) qFatal("no readout box");
  return overlay;
}

void Press(Form1& form) { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); }

// Qt drops a move to where the pointer already is, so the pointer comes from a pixel aside.
void Hover(PictureBox* picture, QPoint at) {
  QTest::mouseMove(picture, at + QPoint(1, 1));
  QTest::mouseMove(picture, at);
}

QStringList ExpectedLines(const Form1& form, QPoint at) {
  const RenderState& last = *form.lastPassState();
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
    QTest::addColumn<float>("phi");
    QTest::addColumn<bool>("gradient");
    QTest::addColumn<QStringList>("lines");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("band, Russian")
        << russian << int(PhiZoneKind::kBand) << 0.7031F << false
        << QStringList{"i = 45,3°   e = 0,0°   g = 20,0°", "ф = 0,703", "изолиния 0,7 ± 0,015",
                       "точка (0,123; 0,000; 1234,568)"};
    QTest::newRow("self-shadow, C")
        << QLocale::c() << int(PhiZoneKind::kSelfShadow) << 0.002F << false
        << QStringList{"i = 45.3°   e = 0.0°   g = 20.0°", "ф = 0.002", "зона самозатенения",
                       "точка (0.123, 0.000, 1234.568)"};
    QTest::newRow("fringe") << QLocale::c() << int(PhiZoneKind::kFringe) << -0.0001F << false
                            << QStringList{"ф = 0.000", "полутень"};
    QTest::newRow("deep shadow, no number")
        << QLocale::c() << int(PhiZoneKind::kDeepShadow) << std::nanf("") << false
        << QStringList{"ф = —", "глубокая тень"};
    QTest::newRow("tone on the map, Russian")
        << russian << int(PhiZoneKind::kTone) << 0.5F << true
        << QStringList{"ф = 0,500", "тон", "p = 0,250; q = -1,500"};
  }

  // The band's level and half-width come from the state given, not from any box.
  void wording() {
    QFETCH(QLocale, locale);
    QFETCH(int, zone);
    QFETCH(float, phi);
    QFETCH(bool, gradient);
    QFETCH(QStringList, lines);
    RenderState last = StartupState();
    last.isoHalfWidth[2] = 0.015F;
    Readout readout;
    readout.angleI = 45.25;
    readout.angleE = -0.01;
    readout.angleG = 20.0;
    readout.reading.phi = phi;
    readout.reading.zone = PhiZone{PhiZoneKind(zone), zone == int(PhiZoneKind::kBand) ? 2 : -1};
    readout.reading.surfacePoint = {0.1234F, -0.0001F, 1234.5678F};
    if (gradient) readout.gradient = Gradient{0.25, -1.5};
    const QStringList shown = ReadoutLines(readout, last, locale);
    for (const QString& line : lines) QVERIFY2(shown.contains(line), qPrintable(shown.join('|')));
    QCOMPARE(shown.size(), gradient ? 5 : 4);
  }

  // Nothing before the first pass or over the background; the readout of the pixel under the
  // pointer over the sphere, in the corner away from it; the picture's pixels stay as they are.
  void showsOverTheSphereOnly() {
    auto form = OpenForm();
    form->show();
    auto* picture = Find<PictureBox>(*form, "Picture1");
    ReadoutOverlay* overlay = Overlay(*form);
    Hover(picture, kSphereCentre);
    QVERIFY(!overlay->isVisible());

    Press(*form);
    const QImage image = picture->Image();
    const QImage shown = picture->ComposedImage();
    Hover(picture, kUpperLeftOnSphere);
    QTRY_VERIFY(overlay->isVisible());
    QCOMPARE(overlay->Lines(), ExpectedLines(*form, kUpperLeftOnSphere));
    QVERIFY(overlay->geometry().left() > kSphereCentre.x());  // lower right, away from it
    QVERIFY(overlay->geometry().top() > kSphereCentre.y());
    QVERIFY(picture->rect().contains(overlay->geometry()));

    Hover(picture, kSphereCentre + QPoint(40, 30));
    QTRY_COMPARE(overlay->Lines(), ExpectedLines(*form, kSphereCentre + QPoint(40, 30)));
    QVERIFY(overlay->geometry().right() < kSphereCentre.x());  // upper left now
    Hover(picture, kBackground);
    QTRY_VERIFY(!overlay->isVisible());
    QCOMPARE(picture->Image(), image);
    QCOMPARE(picture->ComposedImage(), shown);
  }

  void hidesOnLeavingAndOnANewPass() {
    auto form = OpenForm();
    form->show();
    auto* picture = Find<PictureBox>(*form, "Picture1");
    ReadoutOverlay* overlay = Overlay(*form);
    Press(*form);
    Hover(picture, kSphereCentre);
    QTRY_VERIFY(overlay->isVisible());
    QEvent leave(QEvent::Leave);  // the offscreen platform sends no Leave of its own
    QCoreApplication::sendEvent(picture, &leave);
    QVERIFY(!overlay->isVisible());

    Hover(picture, kSphereCentre);
    QTRY_VERIFY(overlay->isVisible());
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_Return);  // a new pass
    QVERIFY(!overlay->isVisible());
  }

  // What the boxes hold after the pass plays no part: the readout reads the pass's own copy.
  void readsTheLastPassNotTheBoxes() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    const RenderState afterPass = form->renderState();
    const QStringList before = ExpectedLines(*form, kSphereCentre);
    Find<QLineEdit>(*form, "Text8_7")->setText("0.35");  // the live state changes
    Find<QLineEdit>(*form, "Text1")->setText("-60");     // read only by the next pass
    QCOMPARE_NE(form->renderState(), afterPass);
    QCOMPARE(*form->lastPassState(), afterPass);
    Hover(Find<PictureBox>(*form, "Picture1"), kSphereCentre);
    QTRY_COMPARE(Overlay(*form)->Lines(), before);
  }
};

QTEST_MAIN(ReadoutWindowTest)
#include "readout_window_test.moc"
