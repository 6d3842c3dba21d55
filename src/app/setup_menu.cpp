#include "app/setup_menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <variant>

#include "app/common/remembered_settings.h"
#include "app/language/translated_texts.h"
#include "app/main_window.h"
#include "fileio/whole_file.h"
#include "setup/setup_file.h"

namespace {

const QString kRecentKey = QStringLiteral("recentSetups");

QString Filter() {
  return SetupMenu::tr("Настройки (*.%1);;Все файлы (*)").arg(QLatin1String(kSetupSuffix));
}

}  // namespace

SetupMenu::SetupMenu(QMenu& file, MainWindow& main) : QObject(&main), main_(main) {
  TranslatedTexts& texts = TranslatedTexts::Of(main);
  open_ = file.addAction(QString());
  texts.Keep(open_, &QAction::setText, "SetupMenu",
             QT_TRANSLATE_NOOP("SetupMenu", "Открыть настройку…"));
  open_->setObjectName(QStringLiteral("OpenSetup"));
  open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(open_, &QAction::triggered, this, &SetupMenu::AskOpen);
  save_ = file.addAction(QString());
  texts.Keep(save_, &QAction::setText, "SetupMenu",
             QT_TRANSLATE_NOOP("SetupMenu", "Сохранить настройку…"));
  save_->setObjectName(QStringLiteral("SaveSetup"));
  save_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(save_, &QAction::triggered, this, &SetupMenu::AskSave);
  recent_ = file.addMenu(QString());
  texts.Keep(recent_, &QMenu::setTitle, "SetupMenu",
             QT_TRANSLATE_NOOP("SetupMenu", "Недавние настройки"));
  recent_->setObjectName(QStringLiteral("RecentSetups"));
  connect(recent_, &QMenu::aboutToShow, this, &SetupMenu::ShowRecent);
  ShowRecent();
}

QStringList SetupMenu::RecentFiles() const {
  return RememberedSettings().value(kRecentKey).toStringList();
}

void SetupMenu::Remember(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentFiles();
  files.removeAll(full);
  files.prepend(full);
  while (files.size() > kMaxRecentSetups) files.removeLast();
  RememberedSettings().setValue(kRecentKey, files);
  ShowRecent();
}

void SetupMenu::ShowRecent() {
  recent_->clear();
  const QStringList files = RecentFiles();
  recent_->setEnabled(!files.isEmpty());
  for (qsizetype k = 0; k < files.size(); ++k) {
    const QString path = files[k];
    QAction* item =
        recent_->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
    item->setToolTip(QDir::toNativeSeparators(path));
    connect(item, &QAction::triggered, this, [this, path] { main_.OpenSetup(path); });
  }
}

bool SetupMenu::Save(const QString& path) {
  const std::variant<Setup, QString> setup = main_.CaptureSetup();
  if (const auto* refusal = std::get_if<QString>(&setup)) {
    QMessageBox::warning(&main_, main_.windowTitle(),
                         tr("Настройка не сохранена: %1").arg(*refusal));
    return false;
  }
  const QByteArray bytes = WriteSetup(std::get<Setup>(setup));
  if (const std::optional<WriteFailure> failure = WriteWholeFile(
          path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
          FifoOpening::kFailWithoutReader)) {
    QMessageBox::warning(&main_, main_.windowTitle(),
                         tr("Не удалось записать настройку «%1»: %2")
                             .arg(QDir::toNativeSeparators(path), SystemReason(*failure)));
    return false;
  }
  Remember(path);
  return true;
}

void SetupMenu::AskOpen() {
  const QString path =
      QFileDialog::getOpenFileName(&main_, tr("Открыть настройку"), QString(), Filter());
  if (!path.isEmpty()) main_.OpenSetup(path);
}

void SetupMenu::AskSave() {
  QString path =
      QFileDialog::getSaveFileName(&main_, tr("Сохранить настройку"), QString(), Filter());
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".") + QLatin1String(kSetupSuffix);
  Save(path);
}
