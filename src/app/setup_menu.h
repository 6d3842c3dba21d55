#pragma once
// «Файл»'s setups: «Открыть настройку…» (Ctrl+O) and «Сохранить настройку…» (Ctrl+Shift+S) with
// their file dialogs, and «Недавние настройки», the last files opened or saved (at most eight,
// newest first). That list, kept with QSettings, is all the program remembers between runs.
//
//   save: MainWindow::CaptureSetup -> WriteSetup -> WriteWholeFile (the old file kept on failure)
//   open, a recent file: MainWindow::OpenSetup

#include <QObject>
#include <QString>
#include <QStringList>

class MainWindow;
class QAction;
class QMenu;

inline constexpr int kMaxRecentSetups = 8;

class SetupMenu final : public QObject {
  Q_OBJECT
 public:
  // Adds the items to `file`.
  SetupMenu(QMenu& file, MainWindow& main);

  QAction* OpenAction() const { return open_; }
  QAction* SaveAction() const { return save_; }
  QMenu* RecentMenu() const { return recent_; }

  // Writes the window's setup to `path`; a failure is said in a message box. True when written.
  bool Save(const QString& path);
  // Puts `path` first in the recent files.
  void Remember(const QString& path);
  QStringList RecentFiles() const;

 private:
  void AskOpen();
  void AskSave();
  void ShowRecent();

  MainWindow& main_;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QMenu* recent_ = nullptr;
};
