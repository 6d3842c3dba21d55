// Shading as the angles change: Up, Down and the wheel in an angle box, drags on the sphere and on
// the map. Each lands on the picture the button paints for the same texts, and a burst of changes
// runs one pass per frame, the last change included.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "app/form/angle_steps.h"
#include "app/form/pass_throttle.h"
#include "app/map/gradient_map_window.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

constexpr int kPassWaitMs = 5000;

const PassThrottle& Throttle(const Form1& form) {
  return *Find<PassThrottle>(form, QStringLiteral("PassThrottle"));
}

// Waits until no change waits for its pass.
bool Settled(const Form1& form) {
  return QTest::qWaitFor([&] { return !Throttle(form).Pending(); }, kPassWaitMs);
}

// The picture the button paints on a fresh window with `box` holding `text`.
QImage PressedPicture(const QString& box, const QString& text) {
  auto form = OpenForm();
  Retype(*Find<QLineEdit>(*form, box), text);
  Press(*form);
  return Find<PictureBox>(*form, QStringLiteral("Picture1"))->Image();
}

void Wheel(QWidget& target, int notches, Qt::KeyboardModifiers modifiers) {
  const QPointF at(target.width() / 2.0, target.height() / 2.0);
  QWheelEvent event(at, target.mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&target, &event);
}

void Mouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), QPointF(target.mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

// A left-button drag from `from` through each step of `path`, then the release.
void Drag(QWidget& target, QPoint from, const QList<QPoint>& path) {
  Mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
  for (const QPoint& to : path) Mouse(target, QEvent::MouseMove, to, Qt::LeftButton);
  Mouse(target, QEvent::MouseButtonRelease, path.isEmpty() ? from : path.last(), Qt::NoButton);
}

}  // namespace

class LiveShadingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void steppedTexts_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("expected");  // empty: the text does not read
    const QLocale c = QLocale::c();
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("fine step, no noise") << c << "30" << 0.1 << "30.1";
    QTest::newRow("russian comma") << russian << "30" << 0.1 << "30,1";
    QTest::newRow("down to zero") << c << "1" << -1.0 << "0";
    QTest::newRow("down through zero") << c << "0.05" << -0.1 << "-0.05";
    QTest::newRow("back to zero, not -0") << c << "-0.1" << 0.1 << "0";
    QTest::newRow("not a number") << c << "3O" << 1.0 << "";
    QTest::newRow("other separator") << c << "30,5" << 1.0 << "";
  }

  void steppedTexts() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, degrees);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    const std::optional<QString> stepped = SteppedAngleText(text, degrees);
    QCOMPARE(stepped.value_or(QString()), expected);
  }

  // Up in a box, or the wheel over it, steps it and paints what the button paints for the new text.
  void steps_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("notches");  // 0: one press of Up
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");
    using M = Qt::KeyboardModifiers;
    QTest::newRow("Up in Ox") << "Text1" << 0 << M() << "31";
    QTest::newRow("Ox wheel up") << "Text1" << 1 << M() << "31";
    QTest::newRow("Ox wheel down, Shift") << "Text1" << -1 << M(Qt::ShiftModifier) << "20";
    QTest::newRow("Ox wheel up, Ctrl") << "Text1" << 1 << M(Qt::ControlModifier) << "30.1";
    QTest::newRow("Oz three notches, Ctrl") << "Text3_0" << 3 << M(Qt::ControlModifier) << "0.3";
    QTest::newRow("slant wheel down") << "Text4_0" << -1 << M() << "-1";
  }

  void steps() {
    QFETCH(QString, box);
    QFETCH(int, notches);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);
    auto form = OpenForm();
    auto* target = Find<QLineEdit>(*form, box);
    if (box != QStringLiteral("Text1")) target->setText(QStringLiteral("0"));
    if (notches == 0) QTest::keyClick(target, Qt::Key_Up, modifiers);
    if (notches != 0) Wheel(*target, notches, modifiers);
    QCOMPARE(target->text(), expected);
    QVERIFY(Settled(*form));
    QCOMPARE(Find<PictureBox>(*form, QStringLiteral("Picture1"))->Image(),
             PressedPicture(box, expected));
  }

  // Right turns about Oz and down about Ox, both by half a degree a pixel: 20 right and 10 down
  // give Oz +10 and Ox +5.
  void dragOnSphereTurnsTheView() {
    auto form = OpenForm();
    auto* picture = Find<PictureBox>(*form, QStringLiteral("Picture1"));
    auto* oz = Find<QLineEdit>(*form, QStringLiteral("Text3_0"));
    oz->setText(QStringLiteral("0"));
    Drag(*picture, QPoint(100, 100), {QPoint(108, 103), QPoint(120, 110)});
    QCOMPARE(oz->text(), QStringLiteral("10"));
    QCOMPARE(Find<QLineEdit>(*form, QStringLiteral("Text1"))->text(), QStringLiteral("35"));
    QVERIFY(Settled(*form));
    auto button = OpenForm();
    Retype(*Find<QLineEdit>(*button, QStringLiteral("Text1")), QStringLiteral("35"));
    Retype(*Find<QLineEdit>(*button, QStringLiteral("Text3_0")), QStringLiteral("10"));
    Press(*button);
    QCOMPARE(picture->Image(), Find<PictureBox>(*button, QStringLiteral("Picture1"))->Image());
    QCOMPARE(form->State(), button->State());
  }

  // The source lies at q = −tan σ with q upwards: dragging down lowers it, raising the slant.
  void dragOnMapMovesTheSource() {
    auto form = OpenForm();
    auto* slant = Find<QLineEdit>(*form, QStringLiteral("Text4_0"));
    slant->setText(QStringLiteral("20"));
    Find<QAction>(*form, QStringLiteral("OpenGradientMap"))->trigger();
    auto* map = form->findChild<GradientMapWindow*>();
    QVERIFY(map != nullptr);
    Drag(map->Picture(), QPoint(50, 50), {QPoint(50, 58)});
    QCOMPARE(slant->text(), QStringLiteral("24"));
    QVERIFY(Settled(*form));
    QVERIFY(map->MapState() != nullptr);
    QCOMPARE(*map->MapState(), form->State());
    Drag(map->Picture(), QPoint(50, 50), {QPoint(50, 30)});
    QCOMPARE(slant->text(), QStringLiteral("14"));
  }

  void burstOfWheelStepsRunsOnePassPerFrame() {
    auto form = OpenForm();
    auto* ox = Find<QLineEdit>(*form, QStringLiteral("Text1"));
    // Delivered back to back, as a fast wheel does within one frame.
    for (int k = 0; k < 100; ++k) Wheel(*ox, 1, Qt::NoModifier);
    QCOMPARE(ox->text(), QStringLiteral("130"));
    QCOMPARE(Throttle(*form).PassCount(), 1);  // the first step's, at once
    QVERIFY(Settled(*form));
    QCOMPARE(Throttle(*form).PassCount(), 2);  // all the others gathered into one
    QCOMPARE(Find<PictureBox>(*form, QStringLiteral("Picture1"))->Image(),
             PressedPicture(QStringLiteral("Text1"), QStringLiteral("130")));
  }

  // A pass that runs an event loop (a message box) past its frame's end: a change made during it
  // is not run inside it, but gets its own pass once it returns.
  void changeDuringAPassThatOutlivesItsFrame() {
    int passes = 0;
    int depth = 0;
    int deepest = 0;
    PassThrottle* throttle = nullptr;
    PassThrottle run(
        [&] {
          ++passes;
          deepest = std::max(deepest, ++depth);
          if (passes == 1) {
            throttle->Request();
            QTest::qWait(3 * PassThrottle::kFrameMs);
          }
          --depth;
        },
        nullptr);
    throttle = &run;
    run.Request();
    QCOMPARE(deepest, 1);
    QVERIFY(run.Pending());
    QTRY_COMPARE_WITH_TIMEOUT(passes, 2, kPassWaitMs);
    QVERIFY(!run.Pending());
  }

  // A box that does not read is left as it is and shades nothing; typing shades only on Enter.
  void unreadableBoxAndTypingDoNotShade() {
    auto form = OpenForm();
    auto* ox = Find<QLineEdit>(*form, QStringLiteral("Text1"));
    Retype(*ox, QStringLiteral("3O"));
    QTest::keyClick(ox, Qt::Key_Up);
    Wheel(*ox, 1, Qt::NoModifier);
    QCOMPARE(ox->text(), QStringLiteral("3O"));
    Retype(*ox, QStringLiteral("40"));
    QTest::qWait(3 * PassThrottle::kFrameMs);
    QCOMPARE(Throttle(*form).PassCount(), 0);
    QVERIFY(!form->LastPassResult().has_value());
  }
};

GAUSS_QTEST_MAIN(LiveShadingTest)
#include "live_shading_test.moc"
