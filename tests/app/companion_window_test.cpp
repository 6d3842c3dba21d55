// A window beside the form tells its action it was shown only once it is, and stops its pass
// before it says it was hidden: the action's check and the window's work stay in step.

#include "app/common/companion_window.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include "qt_test_registry.h"

namespace {

// Records, in order, the window's own steps and the signal as it is sent.
class RecordingWindow final : public CompanionWindow {
 public:
  RecordingWindow() : CompanionWindow(nullptr, Qt::Window) {
    connect(this, &CompanionWindow::ShownChanged, this,
            [this](bool shown) { steps.append(shown ? u"shown"_qs : u"hidden"_qs); });
  }
  QStringList steps;

 protected:
  void OnShown() override { steps.append(u"paint"_qs); }
  void OnHidden() override { steps.append(u"cancel"_qs); }
};

}  // namespace

class CompanionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsThenPaintsAndCancelsThenHides() {
    RecordingWindow window;
    BringForward(window);
    QCOMPARE(window.steps, QStringList({u"shown"_qs, u"paint"_qs}));
    window.hide();
    QCOMPARE(window.steps, QStringList({u"shown"_qs, u"paint"_qs, u"cancel"_qs, u"hidden"_qs}));
    // Opened again from its menu: the same steps again, once.
    BringForward(window);
    BringForward(window);
    QCOMPARE(window.steps.size(), 6);
    QCOMPARE(window.steps.mid(4), QStringList({u"shown"_qs, u"paint"_qs}));
  }

  void aWindowNeverShownSaysNothingWhenHidden() {
    RecordingWindow window;
    window.hide();
    window.close();
    QVERIFY(window.steps.isEmpty());
  }
};

GAUSS_QTEST_MAIN(CompanionWindowTest)
#include "companion_window_test.moc"
