#include "app/law/function_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <utility>

#include "app/common/form_control.h"
#include "app/language/core_texts.h"
#include "app/language/translated_texts.h"
#include "intake/law_texts.h"
#include "photometry/law_catalogue.h"

namespace {

// The four described functions, as the option buttons order them.
constexpr int32_t kDescribedFunctions[] = {kMatte, kGlossy, kRocky, kMirror};

}  // namespace

FunctionMenu::FunctionMenu(QMenu& menu, FormControl& form, std::function<void(int32_t)> openLaw,
                           QObject* parent)
    : QObject(parent), form_(form), openLaw_(std::move(openLaw)) {
  setObjectName(QStringLiteral("FunctionMenuItems"));
  group_ = new QActionGroup(this);
  group_->setExclusive(true);
  for (const int32_t kind : kDescribedFunctions) AddItem(menu, kind);
  menu.addSeparator();
  for (const LawEntry& law : AdditionalLaws()) AddItem(menu, law.kind);
  // The names in the language in use, again when it changes.
  TranslatedTexts::Of(menu).Keep([this] {
    for (const auto& [kind, action] : actions_) {
      QString text = IsAdditionalLaw(kind) ? LawName(kind) : FunctionName(kind);
      if (kind == kFormula) text += QStringLiteral("…");  // it opens a window to type in
      action->setText(text);
    }
  });
  connect(&form_, &FormControl::FunctionChosen, this, &FunctionMenu::CheckChosen);
  CheckChosen();
}

void FunctionMenu::AddItem(QMenu& menu, int32_t kind) {
  QAction* action = menu.addAction(QString());
  action->setObjectName(QStringLiteral("Function_%1").arg(kind));
  action->setCheckable(true);
  group_->addAction(action);
  actions_[kind] = action;
  connect(action, &QAction::triggered, this, [this, kind] { OnTriggered(kind); });
}

QAction* FunctionMenu::Action(int32_t kind) const {
  const auto found = actions_.find(kind);
  return found == actions_.end() ? nullptr : found->second;
}

void FunctionMenu::OnTriggered(int32_t kind) {
  if (IsAdditionalLaw(kind)) {
    openLaw_(kind);
  } else {
    form_.ChooseDescribedFunction(kind);
  }
  CheckChosen();  // the item of the function in force, whether or not the choice took
}

void FunctionMenu::CheckChosen() {
  if (QAction* chosen = Action(form_.State().reflectanceKind)) chosen->setChecked(true);
}
