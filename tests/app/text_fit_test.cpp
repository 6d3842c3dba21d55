// Every caption fits its control at 96 dpi in either language: the main window, «Параметры
// функции» (a law and the typed formula), the map with «Источники», the surface window and
// «Восстановление формы». Each visible button, label, group box, combo box item and tab is
// measured with the control's own font and style against the room the control gives its text.
// Russian is measured too: it is the layout's own language, so a misfit there means the measure
// is wrong, not the window.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

#include "app/form/form1.h"
#include "app/form/wrapping_check_box.h"
#include "app/language/language.h"
#include "app/law/law_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/recovery/recovery_window.h"
#include "app/surface/surface_window.h"
#include "form_probe.h"
#include "model/render_state.h"
#include "qt_test_registry.h"

namespace {

QString Named(const QWidget& widget, const QString& text) {
  return QStringLiteral("%1 %2 «%3»")
      .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName(), text);
}

// How far the ink of `text` reaches in `widget`'s font from where the text starts, its widest
// line, the mnemonic's & left out. Ink, not advance: the last glyph's side bearing may pass the
// edge without a pixel of the text clipped.
int TextWidth(const QWidget& widget, const QString& text) {
  QString shown = text;
  shown.replace(QLatin1String("&&"), QStringLiteral("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
  int widest = 0;
  for (const QString& line : shown.split(QLatin1Char('\n'))) {
    widest = std::max(widest, widget.fontMetrics().tightBoundingRect(line).right() + 1);
  }
  return widest;
}

// A push button's text is drawn inside its bevel's margins.
bool ButtonFits(const QPushButton& button) {
  const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  const int iconRoom = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
  return TextWidth(button, button.text()) + iconRoom + margin <= button.width();
}

// A caption wrapped over the lines of its box, as WrappingCheckBox draws it.
bool WrappingFits(const WrappingCheckBox& box) {
  const QRect room = box.CaptionRect();
  const QRect needed = box.fontMetrics().boundingRect(
      room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, box.text());
  return needed.width() <= room.width() && needed.height() <= room.height();
}

bool LabelFits(const QLabel& label) {
  if (label.wordWrap()) return label.heightForWidth(label.width()) <= label.height();
  if (Qt::mightBeRichText(label.text()) && label.textFormat() != Qt::PlainText) {
    QTextDocument document;
    document.setDefaultFont(label.font());
    document.setDocumentMargin(0);
    document.setHtml(label.text());
    return document.idealWidth() <= label.contentsRect().width() + 1;
  }
  return TextWidth(label, label.text()) + 2 * label.margin() <= label.contentsRect().width();
}

// The room of a closed combo box's text: its edit field as the style lays it out.
int ComboTextRoom(const QComboBox& box) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  option.editable = box.isEditable();
  option.frame = box.hasFrame();
  return box.style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
      .width();
}

// Every visible text of `window` that does not fit, named with its control.
QStringList Misfits(const QWidget& window) {
  QStringList found;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      if (!button->text().isEmpty() && !ButtonFits(*button))
        found << Named(*button, button->text());
    } else if (auto* wrapping = qobject_cast<WrappingCheckBox*>(widget)) {
      if (!WrappingFits(*wrapping)) found << Named(*wrapping, wrapping->text());
    } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
      auto* box = qobject_cast<QAbstractButton*>(widget);
      if (!box->text().isEmpty() && box->sizeHint().width() > box->width())
        found << Named(*box, box->text());
    } else if (auto* tool = qobject_cast<QToolButton*>(widget)) {
      if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && !tool->text().isEmpty() &&
          tool->sizeHint().width() > tool->width())
        found << Named(*tool, tool->text());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->text().isEmpty() && !LabelFits(*label)) found << Named(*label, label->text());
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      if (!group->title().isEmpty() && group->minimumSizeHint().width() > group->width())
        found << Named(*group, group->title());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      const int room = ComboTextRoom(*combo);
      for (int k = 0; k < combo->count(); ++k) {
        if (TextWidth(*combo, combo->itemText(k)) > room)
          found << Named(*combo, combo->itemText(k));
      }
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
      const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
      for (int k = 0; k < tabs->count(); ++k) {
        if (TextWidth(*tabs, tabs->tabText(k)) + space > tabs->tabRect(k).width())
          found << Named(*tabs, tabs->tabText(k));
      }
    }
  }
  return found;
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { UseLanguage(Language::kRussian); }

  void everyTextFits_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("ru") << int(Language::kRussian);
    QTest::newRow("en") << int(Language::kEnglish);
  }

  void everyTextFits() {
    QFETCH(int, language);
    QVERIFY(UseLanguage(static_cast<Language>(language)));
    QCOMPARE(QApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
    auto main = OpenMainWindow();
    main->show();
    Companions& windows = main->Windows();
    windows.OpenMapAction()->trigger();
    windows.SourcesAction()->trigger();
    windows.SurfaceAction()->trigger();
    windows.OpenRecovery();
    QApplication::processEvents();

    QStringList misfits = Misfits(*main);
    const std::vector<QWidget*> others = {windows.MapWindow(), windows.Surface(),
                                          windows.Recovery()};
    for (QWidget* window : others) {
      QVERIFY(window != nullptr && window->isVisible());
      misfits << Misfits(*window);
    }
    // «Параметры функции» on a law with parameters, then on the typed formula.
    for (const int32_t kind : {int32_t{kCookTorrance}, int32_t{kFormula}}) {
      main->OpenLaw(kind);
      QApplication::processEvents();
      QVERIFY(main->LawParameters()->isVisible());
      misfits << Misfits(*main->LawParameters());
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
  }
};

GAUSS_QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
