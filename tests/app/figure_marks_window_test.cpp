// The marks «Вид» draws over the sphere and «Сфера крупно»: a choice shades again with the bands
// as lines and the marks over the picture; the big sphere is the renderer's --scale K picture of
// its size, K the largest at which the default picture fits.

#include <QAction>
#include <QTest>

#include "app/big_sphere/big_sphere_window.h"
#include "form_probe.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_pass.h"
#include "qt_test_registry.h"

class FigureMarksWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void largestScaleFitsTheDefaultPicture() {
    const struct {
      QSize size;
      int scale;
    } kRows[] = {{{393, 337}, 1}, {{785, 700}, 1},   {{786, 674}, 2},
                 {{100, 50}, 1},  {{1200, 2000}, 3}, {{1572, 1348}, 4}};
    for (const auto& row : kRows) QCOMPARE(LargestSphereScale(row.size), row.scale);
  }

  void aChoiceShadesAgainWithItsMarks() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    PictureBox& picture = *Find<PictureBox>(*form, "Picture1");
    const QImage plain = picture.ImageWithArrowShown();
    form->SetOverlayChoice({.outline = true, .sourceMark = true, .contourLines = true});
    QTRY_VERIFY(form->LastPassState()->bandsAsLines == 1);
    QVERIFY(picture.ImageWithArrowShown() != plain);
    form->SetOverlayChoice({});
    QTRY_VERIFY(form->LastPassState()->bandsAsLines == 0);
    QCOMPARE(picture.ImageWithArrowShown(), plain);
  }

  void theBigSphereIsTheScaledPictureOfItsSize() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    WindowsOf(*form).BigSphereAction()->trigger();
    BigSphereWindow* big = WindowsOf(*form).BigSphere();
    QVERIFY(big != nullptr && QTest::qWaitForWindowExposed(big));
    big->resize(800, 700);
    QTRY_COMPARE(big->Picture().Image().size(), QSize(800, 700));
    QTRY_COMPARE(big->Scale(), 2);
    RenderState state = form->LastPassResult()->state;
    state.pixelScale = ScaledPixelScale(2);
    ImageBuffer expected(800, 700);
    RunRasterPass(state, expected, form->LastPassResult()->smoothing);
    const QImage& shown = big->Picture().Image();
    int faults = 0;
    for (int y = 0; y < 700; ++y) {
      for (int x = 0; x < 800; ++x) {
        const Rgb want = expected.At(x, y);
        faults += shown.pixel(x, y) == qRgb(want.r, want.g, want.b) ? 0 : 1;
      }
    }
    QCOMPARE(faults, 0);
    // A pass of the form follows; closing unchecks the action.
    Retype(*Find<QLineEdit>(*form, "Text4_0"), QStringLiteral("50"));
    Press(*form);
    QTRY_VERIFY(big->ShownState()->sourceSlant == form->LastPassState()->sourceSlant);
    big->close();
    QVERIFY(!WindowsOf(*form).BigSphereAction()->isChecked());
  }
};

GAUSS_QTEST_MAIN(FigureMarksWindowTest)
#include "figure_marks_window_test.moc"
