#include "app/overlay_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/common/form_control.h"
#include "app/language/translated_texts.h"

namespace {

struct Switch {
  const char* title;
  const char* objectName;
  bool OverlayChoice::*field;
};

constexpr Switch kSwitches[] = {
    {QT_TRANSLATE_NOOP("OverlayMenu", "Изолинии линиями"), "ContourLines",
     &OverlayChoice::contourLines},
    {QT_TRANSLATE_NOOP("OverlayMenu", "Контур диска"), "DiscOutline", &OverlayChoice::outline},
    {QT_TRANSLATE_NOOP("OverlayMenu", "Источник на сфере"), "SourceMark",
     &OverlayChoice::sourceMark},
};

}  // namespace

void AddOverlayActions(QMenu& view, FormControl& form) {
  for (const Switch& item : kSwitches) {
    QAction* action = view.addAction(QString());
    TranslatedTexts::Of(view).Keep(action, &QAction::setText, "OverlayMenu", item.title);
    action->setObjectName(QString::fromLatin1(item.objectName));
    action->setCheckable(true);
    action->setChecked(form.Overlay().*item.field);
    const auto field = item.field;
    QObject::connect(action, &QAction::triggered, &form, [&form, field](bool on) {
      OverlayChoice choice = form.Overlay();
      choice.*field = on;
      form.SetOverlayChoice(choice);
    });
    QObject::connect(
        &form, &FormControl::OverlayChoiceChanged, action,
        [action, field](const OverlayChoice& choice) { action->setChecked(choice.*field); });
  }
  QMenu* widths = view.addMenu(QString());
  TranslatedTexts::Of(view).Keep(widths, &QMenu::setTitle, "OverlayMenu",
                                 QT_TRANSLATE_NOOP("OverlayMenu", "Толщина линий"));
  widths->setObjectName(QStringLiteral("LineWidthMenu"));
  auto* group = new QActionGroup(widths);
  for (int width = kMinLineWidth; width <= kMaxLineWidth; ++width) {
    QAction* action = widths->addAction(QString::number(width));
    action->setObjectName(QStringLiteral("LineWidth_%1").arg(width));
    action->setCheckable(true);
    action->setChecked(form.Overlay().lineWidth == width);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, &form, [&form, width] {
      OverlayChoice choice = form.Overlay();
      choice.lineWidth = width;
      form.SetOverlayChoice(choice);
    });
    QObject::connect(&form, &FormControl::OverlayChoiceChanged, action,
                     [action, width](const OverlayChoice& choice) {
                       action->setChecked(choice.lineWidth == width);
                     });
  }
}
