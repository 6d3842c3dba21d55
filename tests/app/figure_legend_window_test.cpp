// The legend drawn beside a saved picture says what the window's legend panel says: each row's
// swatch colour and "level ± half-width" as the boxes show them after a pass (in the user's
// number format, white swatches while the isolines are grey). Its menu entry is off at first and
// then leaves the saved picture as it was; on, the picture is saved with the legend beside it.

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/common/locale_numbers.h"
#include "app/form/shape_widget.h"
#include "app/picture/picture_menu.h"
#include "figure/level_legend.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

QLineEdit& Box(const Form1& form, const char* column, int row) {
  return *Find<QLineEdit>(
      form, QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row == 0 ? 7 : row));
}

QImage Saved(Form1& form, const QString& path) {
  if (!form.PictureContextMenu().SaveTo(path)) qFatal("the save failed");
  return QImage(path).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class FigureLegendWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void legendSaysWhatThePanelShows() {
    auto form = OpenForm();
    // Values the start-up legend does not hold, typed in the Russian format.
    Retype(Box(*form, "Text8", 0), QStringLiteral("0,95"));
    Retype(Box(*form, "Text7", 0), QStringLiteral("0,02"));
    Retype(Box(*form, "Text8", 4), QStringLiteral("0,123456"));
    Retype(Box(*form, "Text7", 6), QStringLiteral("0,0075"));
    for (const bool colour : {true, false}) {
      if (!colour) QTest::mouseClick(Find<QCheckBox>(*form, "Check3"), Qt::LeftButton);
      Press(*form);
      QVERIFY(form->LastPassState() != nullptr);
      const FigureLegend legend = FigureLegendOf(*form->LastPassState(), UserLocale());
      QVERIFY(legend.levels.has_value());
      QCOMPARE(legend.toneExposure.has_value(), !colour);
      for (int row = 0; row < kIsoBandCount; ++row) {
        const LevelLegendRow& drawn = (*legend.levels)[row];
        QCOMPARE(LevelRowText(drawn), Box(*form, "Text8", row).text() + QStringLiteral(" ± ") +
                                          Box(*form, "Text7", row).text());
        const auto* swatch =
            Find<ShapeWidget>(*form, QStringLiteral("Shape1_%1").arg(row == 0 ? 7 : row));
        QCOMPARE(drawn.colour, swatch->FillColour());
      }
    }
  }

  void menuEntryIsOffAndThenAddsTheLegendBeside() {
    auto form = OpenForm();
    Press(*form);
    PictureMenu& menu = form->PictureContextMenu();
    QVERIFY(menu.LegendAction() != nullptr && !menu.LegendAction()->isChecked());
    QTemporaryDir folder;
    const QImage plain = Saved(*form, folder.filePath(QStringLiteral("plain.png")));
    menu.LegendAction()->setChecked(true);
    const QImage legend = Saved(*form, folder.filePath(QStringLiteral("legend.png")));
    QVERIFY(legend.width() > plain.width());
    QVERIFY(legend.height() >= plain.height());
    QCOMPARE(legend.copy(0, 0, plain.width(), plain.height()), plain);
    menu.LegendAction()->setChecked(false);
    QCOMPARE(Saved(*form, folder.filePath(QStringLiteral("again.png"))), plain);
  }
};

GAUSS_QTEST_MAIN(FigureLegendWindowTest)
#include "figure_legend_window_test.moc"
