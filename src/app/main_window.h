#pragma once
// The program's top-level window: the menu bar over Form1, which stays its central part at its
// fixed size, and the windows beside it (Companions, made here for the form). The menus hold the
// very QActions that Form1's picture menu and keys use, so each command has one action and one key
// wherever it is offered:
//
//   «Файл»    Сохранить рисунок… (Ctrl+S), Копировать рисунок (Ctrl+C) -> Form1's PictureMenu
//             Анимация… -> AnimationDialog
//             Открыть настройку… (Ctrl+O), Сохранить настройку… (Ctrl+Shift+S), Недавние
//             настройки -> SetupMenu; a setup file dropped on the window opens too
//             Выход (Ctrl+Q)
//   «Вид»     Карта R(p, q) (Ctrl+G), checked while the map is shown    -> Companions, as are
//             Источники (Ctrl+L), the map's panel, opening the map,        the other windows
//             and the other windows beside the form                        beside the form
//   «Функция» the four functions (with the option buttons), the additional laws and «Своя
//             формула…»                                                 -> FunctionMenu,
//             a law's parameters in LawWindow «Параметры функции»
//   «Справка» Справка (F1) -> HelpWindow at the place of the focused control
//             Что это? (Shift+F1) -> the controls' «Что это?» texts; О программе -> AboutDialog

#include <QMainWindow>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "setup/setup.h"

class AnimationDialog;
class Companions;
class ExposureWindow;
class Form1;
class FunctionMenu;
class HelpWindow;
class LawWindow;
class QAction;
class QMenu;
class SetupMenu;

enum class SetupSource { kFile, kExample };

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  Form1& Form() const { return *form_; }
  // The windows beside the form and the actions of «Вид» that open them.
  Companions& Windows() const { return *companions_; }
  // The help window; none until help was first asked for, then the same one every time.
  HelpWindow* Help() const { return help_; }
  // «Параметры функции»; none until a law was first chosen, then the same one every time.
  LawWindow* LawParameters() const { return law_; }
  FunctionMenu& Functions() const { return *functions_; }

  QAction* HelpAction() const { return helpAction_; }
  QAction* WhatsThisAction() const { return whatsThis_; }
  QAction* AboutAction() const { return about_; }
  QAction* QuitAction() const { return quit_; }

  // Opens the help at the section that explains the control with the keyboard focus, in this
  // window or the map's.
  void ShowContextHelp();
  // «О программе», modal.
  void ShowAbout();
  // Chooses additional law `kind` and shows its parameters.
  void OpenLaw(int32_t kind);
  // «Анимация…»; the dialog, none until first opened.
  void OpenAnimation();
  AnimationDialog* Animation() const { return animation_; }

  // In main_window_setup.cpp. The setup of every window as it stands, or the message of the box
  // that does not read.
  std::variant<Setup, QString> CaptureSetup() const;
  // Puts a checked setup into every window as if typed, opens and closes the windows it names
  // and shades once; a file it names that does not read is the message, and nothing changes.
  std::optional<QString> ApplySetup(const Setup& setup);
  // Reads the setup file (or resource) at `path` and applies it, its messages in a box; a file
  // opened joins «Недавние настройки». True when opened.
  // `kExample`: one of «Примеры», which does not join the recent files.
  bool OpenSetup(const QString& path, SetupSource source = SetupSource::kFile);
  SetupMenu& Setups() const { return *setupMenu_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void AddFileMenu();
  void AddViewMenu();
  void AddBackgroundMenu(QMenu& view);
  void AddFunctionMenu();
  void AddHelpMenu();
  LawWindow& EnsureLawWindow();
  void ShowSetupWindows(const WindowsSetup& windows);
  // In main_window_places.cpp: the windows whose places a setup keeps, by key (none for a window
  // not yet made); their places kept, and put back.
  std::vector<std::pair<std::string, QWidget*>> PlacedWindows() const;
  void CapturePlaces(WindowsSetup& windows) const;
  void RestorePlaces(const WindowsSetup& windows);
  HelpWindow& EnsureHelp();

  Form1* form_ = nullptr;
  Companions* companions_ = nullptr;  // the form's child, made with it
  HelpWindow* help_ = nullptr;        // made when first asked for
  LawWindow* law_ = nullptr;          // made when a law is first chosen
  FunctionMenu* functions_ = nullptr;
  QAction* helpAction_ = nullptr;
  QAction* whatsThis_ = nullptr;
  QAction* about_ = nullptr;
  QAction* quit_ = nullptr;
  ExposureWindow* exposure_ = nullptr;    // made when first opened
  AnimationDialog* animation_ = nullptr;  // made when first opened
  QAction* openExposure_ = nullptr;
  SetupMenu* setupMenu_ = nullptr;
};
