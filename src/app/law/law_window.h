#pragma once
// «Параметры функции»: one window, not modal, for the additional law chosen from the «Функция»
// menu. It shows the law's name, its formula, a box and a slider for each parameter (and, for
// the lunar-Lambert law, «L(g) по Мак-Юэну»), the law's source and a link to its help page; for
// «Своя формула» the FormulaPanel instead of the parameters. Each law keeps the values last set
// for it while the program runs.
//
//   Choose(kind)         -> the law's page -> FormControl::ChooseLaw (a pass at once)
//   a slider or a box    -> the law's settings -> FormControl::ChangeLawSettings (one pass a
//   frame);
//                           if an option button was pressed since, the law is chosen again
//   the help link        -> openHelp(page)

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "app/help/help_pages.h"
#include "model/render_state.h"

class FormControl;
class FormulaPanel;
class LawParameterRow;
class QCheckBox;
class QLabel;

class LawWindow final : public QWidget {
  Q_OBJECT
 public:
  LawWindow(FormControl& form, std::function<void(const QString& page)> openHelp,
            QWidget* parent = nullptr);

  // Shows law `kind` (kMinnaert to kFormula), brings the window to the front and chooses the
  // law with its values; the typed formula only once its text compiles.
  void Choose(int32_t kind);
  // A setup's settings for law `kind` (the typed formula's compiled), remembered and shown as
  // if set here; nothing goes to the form.
  void Restore(int32_t kind, const LawSettings& settings);
  // The law shown.
  int32_t Kind() const { return kind_; }
  // The settings the window holds for law `kind`; the typed formula's are FormulaPanel::Applied.
  const LawSettings& Settings(int32_t kind) const;

  // The help section for a control of this window: the typed formula's controls have theirs,
  // every other control opens the page of the law shown.
  HelpPlace ContextHelpPlace(const QWidget* widget) const;

  FormulaPanel& Formula() const { return *formulaPanel_; }

 private:
  void ShowLaw(int32_t kind);
  void ShowLawTexts();
  void KeepOnScreen();
  void OnRowChanged(int row, double value);
  void OnMcEwenToggled(bool checked);
  // The window's settings for its law go to the form: new settings for the chosen law, or the
  // law chosen again.
  void UseSettings(const LawSettings& settings);
  LawSettings& Remembered(int32_t kind);

  FormControl& form_;
  std::function<void(const QString&)> openHelp_;
  int32_t kind_ = 0;
  std::map<int32_t, LawSettings> remembered_;  // every listed law, by kind

  QLabel* name_ = nullptr;
  QLabel* formula_ = nullptr;
  QWidget* lawPanel_ = nullptr;
  std::array<LawParameterRow*, kMaxLawParameters> rows_{};
  QLabel* noParameters_ = nullptr;
  QCheckBox* mcEwen_ = nullptr;
  FormulaPanel* formulaPanel_ = nullptr;
  QLabel* source_ = nullptr;
  QLabel* helpLink_ = nullptr;
};
