#pragma once
// The program's top-level window: the menu bar over Form1, which stays its central part at its
// fixed size. The menus hold the very QActions that Form1's picture menu and keys use, so each
// command has one action and one key wherever it is offered:
//
//   «Файл»    Сохранить рисунок… (Ctrl+S), Копировать рисунок (Ctrl+C) -> Form1's PictureMenu
//             Выход (Ctrl+Q)
//   «Вид»     Карта R(p, q) (Ctrl+G), checked while the map is shown    -> Form1::OpenMapAction
//   «Справка» Справка (F1) -> HelpWindow at the place of the focused control
//             Что это? (Shift+F1) -> the controls' «Что это?» texts; О программе -> AboutDialog

#include <QMainWindow>

class Form1;
class HelpWindow;
class QAction;
class QMenu;

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  Form1& Form() const { return *form_; }
  // The help window; none until help was first asked for, then the same one every time.
  HelpWindow* Help() const { return help_; }

  QAction* HelpAction() const { return helpAction_; }
  QAction* WhatsThisAction() const { return whatsThis_; }
  QAction* AboutAction() const { return about_; }
  QAction* QuitAction() const { return quit_; }

  // Opens the help at the section that explains the control with the keyboard focus, in this
  // window or the map's.
  void ShowContextHelp();
  // «О программе», modal.
  void ShowAbout();

 private:
  void AddFileMenu();
  void AddViewMenu();
  void AddHelpMenu();
  HelpWindow& EnsureHelp();

  Form1* form_ = nullptr;
  HelpWindow* help_ = nullptr;  // made when first asked for
  QAction* helpAction_ = nullptr;
  QAction* whatsThis_ = nullptr;
  QAction* about_ = nullptr;
  QAction* quit_ = nullptr;
};
