#pragma once
// The «Функция» menu: the four described functions, checked in step with the option buttons, a
// separator, the additional laws and «Своя формула…», all in one exclusive group. A described
// function is chosen as its option button is pressed; a law opens its «Параметры функции».
// Whichever way the function changes, FormControl::FunctionChosen checks its item; a law that was
// not chosen (a formula that does not compile) leaves the check where the function is.
//
//   item  -> FormControl::ChooseDescribedFunction | openLaw(kind)
//   FormControl::FunctionChosen(kind) -> that item checked

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>

class FormControl;
class QAction;
class QActionGroup;
class QMenu;

class FunctionMenu final : public QObject {
  Q_OBJECT
 public:
  FunctionMenu(QMenu& menu, FormControl& form, std::function<void(int32_t kind)> openLaw,
               QObject* parent);

  // The item of function `kind`, a described function or a listed law; nullptr for another kind.
  QAction* Action(int32_t kind) const;

 private:
  void AddItem(QMenu& menu, int32_t kind);
  void OnTriggered(int32_t kind);
  void CheckChosen();

  FormControl& form_;
  std::function<void(int32_t)> openLaw_;
  QActionGroup* group_ = nullptr;
  std::map<int32_t, QAction*> actions_;
};
