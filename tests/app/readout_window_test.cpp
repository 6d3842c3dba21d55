// The readout under the pointer: its wording in the user's format, where the window shows and
// hides it, and that it reads the last pass's copy and leaves the picture alone.

#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <limits>

#include "app/picture/readout_overlay.h"
#include "app/picture/readout_text.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

const QPoint kSphereCentre(196, 168);

// Qt drops a move to where the pointer already is, so the pointer comes from a pixel aside.
void Hover(PictureBox* picture, QPoint at) {
  QTest::mouseMove(picture, at + QPoint(1, 1));
  QTest::mouseMove(picture, at);
}

QStringList ExpectedLines(const RenderState& last, QPoint at) {
  const std::optional<Readout> readout = ReadoutAtPixel(last, 393, 337, at.x(), at.y());
  return readout ? ReadoutLines(*readout, last, QLocale()) : QStringList();
}

// While it lives, the widget sees none of the pointer's moves, entries or exits, as a window
// blocked by a dialog sees none.
class MovesUnseen final : public QObject {
 public:
  explicit MovesUnseen(QWidget& widget) : widget_(widget) { widget_.installEventFilter(this); }
  ~MovesUnseen() override { widget_.removeEventFilter(this); }
  MovesUnseen(const MovesUnseen&) = delete;
  MovesUnseen& operator=(const MovesUnseen&) = delete;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    const QEvent::Type type = event->type();
    return type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::Leave;
  }

 private:
  QWidget& widget_;
};

}  // namespace

class ReadoutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void wording_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("zone");  // PhiZoneKind
    QTest::addColumn<bool>("gradient");
    QTest::addColumn<float>("functionPhi");
    QTest::addColumn<float>("phi");  // as painted
    QTest::addColumn<QStringList>("lines");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("band, Russian, map")
        << russian << int(PhiZoneKind::kBand) << true << 0.7031F << 0.7031F
        << QStringList{"i = 45,3°   e = 0,0°   g = 20,0°", "ф = 0,703", "изолиния 0,7 ± 0,015",
                       "точка (0,123; 0,000; 1234,568)", "p = 0,250; q = -1,500"};
    QTest::newRow("self-shadow, C")
        << QLocale::c() << int(PhiZoneKind::kSelfShadow) << false << 0.7031F << 0.7031F
        << QStringList{"i = 45.3°   e = 0.0°   g = 20.0°", "ф = 0.703", "зона самозатенения",
                       "точка (0.123, 0.000, 1234.568)"};
    QTest::newRow("deep shadow") << QLocale::c() << int(PhiZoneKind::kDeepShadow) << false << -0.5F
                                 << -0.5F << QStringList{"глубокая тень", "ф = -0.500"};
    // The function's own value, and the bounded one the colouring used where they differ.
    QTest::newRow("above the bound") << russian << int(PhiZoneKind::kTone) << false << 1.18F << 1.0F
                                     << QStringList{"ф = 1,180 (на рисунке 1,000)"};
    QTest::newRow("+inf") << russian << int(PhiZoneKind::kTone) << false << inf << 1.0F
                          << QStringList{"ф = +∞ (на рисунке 1,000)"};
    QTest::newRow("-inf") << russian << int(PhiZoneKind::kDeepShadow) << false << -inf << -inf
                          << QStringList{"ф = −∞"};
    QTest::newRow("nan") << russian << int(PhiZoneKind::kDeepShadow) << false << nan << nan
                         << QStringList{"ф = не определено"};
    QTest::newRow("huge") << russian << int(PhiZoneKind::kTone) << false << 1e30F << 1.0F
                          << QStringList{"ф = 1,000E+30 (на рисунке 1,000)"};
  }

  // The band's level and half-width come from the state given, not from any box.
  void wording() {
    QFETCH(QLocale, locale);
    QFETCH(int, zone);
    QFETCH(bool, gradient);
    QFETCH(float, functionPhi);
    QFETCH(float, phi);
    QFETCH(QStringList, lines);
    RenderState last = StartupState();
    last.isoHalfWidth[2] = 0.015F;
    Readout readout;
    readout.angleI = 45.25;
    readout.angleE = -0.01;
    readout.angleG = 20.0;
    readout.reading.functionPhi = functionPhi;
    readout.reading.phi = phi;
    readout.reading.zone = PhiZone{PhiZoneKind(zone), 2};
    readout.reading.surfacePoint = {0.1234F, -0.0001F, 1234.5678F};
    if (gradient) readout.gradient = Gradient{0.25, -1.5};
    const QStringList shown = ReadoutLines(readout, last, locale);
    for (const QString& line : lines) QVERIFY2(shown.contains(line), qPrintable(shown.join('|')));
    QCOMPARE(shown.size(), gradient ? 5 : 4);
    for (const QString& line : shown)
      QVERIFY2(!line.contains("inf") && !line.contains("nan"), qPrintable(line));
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
    QCOMPARE(overlay->Lines(), ExpectedLines(*form->LastPassState(), upperLeft));
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

  // Odd inputs give odd values: they read in Russian words and signs, and the box stays within
  // the picture however long a line it is given.
  void oddValuesStayRussianAndInside_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("slant");
    QTest::addColumn<QString>("line");  // a line the readout at the centre shows
    QTest::newRow("glossy s = 1e39") << 2 << "1e39"
                                     << "0"
                                     << "ф = −∞";
    QTest::newRow("slant 200") << 1 << "0.5"
                               << "200"
                               << "g = 160.0°";
    QTest::newRow("slant -30") << 1 << "0.5"
                               << "-30"
                               << "g = 30.0°";
  }

  void oddValuesStayRussianAndInside() {
    QFETCH(int, option);
    QFETCH(QString, s);
    QFETCH(QString, slant);
    QFETCH(QString, line);
    auto form = OpenForm();
    form->show();
    Find<QRadioButton>(*form, QStringLiteral("Option%1").arg(option))->click();
    Retype(*Find<QLineEdit>(*form, "Text5"), s);
    Retype(*Find<QLineEdit>(*form, "Text4_0"), slant);
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    auto* overlay = picture->findChild<ReadoutOverlay*>();
    Hover(picture, kSphereCentre);
    const QString shown = overlay->Lines().join('|');
    QVERIFY2(shown.contains(line), qPrintable(shown));
    QVERIFY2(!shown.contains("inf") && !shown.contains("nan"), qPrintable(shown));
    QVERIFY(picture->rect().contains(overlay->geometry()));
  }

  // A slant of 1e30 degrees still gives a phase angle of 0 to 180; a line far wider than the
  // picture is cut, and the box keeps within the picture in every corner.
  void boxNeverOutgrowsThePicture() {
    auto form = OpenForm();
    form->show();
    Retype(*Find<QLineEdit>(*form, "Text4_0"), "1e30");
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    auto* overlay = picture->findChild<ReadoutOverlay*>();
    Hover(picture, kSphereCentre);
    QVERIFY(overlay->isVisible());
    const QString angles = overlay->Lines().first();
    const double g = QLocale::c().toDouble(angles.section("g = ", 1).chopped(1));
    QVERIFY2(g >= 0.0 && g <= 180.0 && angles.size() < 40, qPrintable(angles));
    const QStringList wide = {QString(5000, u'8'), QStringLiteral("ф = ") + QString(300, u'9')};
    for (const QPoint& at : {QPoint(5, 5), QPoint(380, 5), QPoint(5, 330), QPoint(380, 330)}) {
      overlay->ShowLines(wide, at);
      QVERIFY(picture->rect().contains(overlay->geometry()));
      QCOMPARE(overlay->Lines(), wide);
      QVERIFY(overlay->ShownLines().first().endsWith(QStringLiteral("…")));
    }
  }

  // While a dialog is open the picture sees no move of the pointer; once the dialog closes, the
  // readout is that of where the pointer rests then, or gone if it rests off the picture.
  void refreshedOnceADialogCloses_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("restsAt");  // on the picture, once the dialog has opened
    QTest::newRow("legend refusal, another pixel") << "Text8_3"
                                                   << "x" << QPoint(240, 210);
    QTest::newRow("input error, another pixel") << "Text1"
                                                << "abc" << QPoint(150, 120);
    QTest::newRow("input error, off the picture") << "Text2"
                                                  << "" << QPoint(500, 120);
  }

  void refreshedOnceADialogCloses() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QPoint, restsAt);
    auto form = OpenForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    auto* overlay = picture->findChild<ReadoutOverlay*>();
    Hover(picture, kSphereCentre);
    QCOMPARE(overlay->Lines(), ExpectedLines(*form->LastPassState(), kSphereCentre));
    Find<QLineEdit>(*form, box)->setText(text);
    // The pointer moves on while the dialog blocks the window: the picture sees no move of it.
    {
      MovesUnseen unseen(*picture);
      QCursor::setPos(picture->mapToGlobal(restsAt));
      QCoreApplication::processEvents();
    }
    QCOMPARE(overlay->Lines(), ExpectedLines(*form->LastPassState(), kSphereCentre));
    {
      MessageBoxWatch watch;
      Press(*form);
      QCOMPARE(watch.texts().size(), 1);
    }
    const QStringList expected = ExpectedLines(*form->LastPassState(), restsAt);
    QCOMPARE(overlay->isVisible(), !expected.isEmpty());
    if (!expected.isEmpty()) QCOMPARE(overlay->Lines(), expected);
  }

  // What the boxes hold after the pass plays no part: the readout reads the pass's own copy.
  void readsTheLastPassNotTheBoxes() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    const RenderState afterPass = form->State();
    Find<QLineEdit>(*form, "Text7_4")->setText("0.001");  // would take the centre off its band
    Find<QLineEdit>(*form, "Text1")->setText("-60");      // read only by the next pass
    QCOMPARE(*form->LastPassState(), afterPass);
    Hover(Find<PictureBox>(*form, "Picture1"), kSphereCentre);
    auto* overlay = Find<PictureBox>(*form, "Picture1")->findChild<ReadoutOverlay*>();
    QCOMPARE(overlay->Lines(), ExpectedLines(afterPass, kSphereCentre));
    QVERIFY(overlay->Lines().contains("изолиния 0.5 ± 0.005"));
  }
};

GAUSS_QTEST_MAIN(ReadoutWindowTest)
#include "readout_window_test.moc"
