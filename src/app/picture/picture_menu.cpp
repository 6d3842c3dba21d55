#include "app/picture/picture_menu.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

#include "app/picture/picture_export.h"

namespace {

const QString kPngFilter = QStringLiteral("Рисунок PNG (*.png)");
const QString kBmpFilter = QStringLiteral("Рисунок BMP (*.bmp)");

}  // namespace

PictureMenu::PictureMenu(QWidget& picture, QWidget& window, ImageSource image)
    : QObject(&window),
      window_(window),
      image_(std::move(image)),
      pickPath_([this] { return AskPath(); }),
      menu_(new QMenu(&picture)) {
  save_ = new QAction(QStringLiteral("Сохранить рисунок…"), this);
  save_->setShortcut(QKeySequence::Save);
  connect(save_, &QAction::triggered, this, &PictureMenu::Save);
  copy_ = new QAction(QStringLiteral("Копировать рисунок"), this);
  copy_->setShortcut(QKeySequence::Copy);
  connect(copy_, &QAction::triggered, this, &PictureMenu::Copy);
  AddAction(save_);
  AddAction(copy_);
  SetPictureReady(false);

  picture.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&picture, &QWidget::customContextMenuRequested, this,
          [this, &picture](QPoint at) { menu_->popup(picture.mapToGlobal(at)); });
}

void PictureMenu::AddAction(QAction* action) {
  action->setShortcutVisibleInContextMenu(true);
  menu_->addAction(action);
  window_.addAction(action);  // a window shortcut: a focused text box's own keys come first
}

void PictureMenu::SetPictureReady(bool ready) {
  save_->setEnabled(ready);
  copy_->setEnabled(ready);
}

bool PictureMenu::SaveTo(const QString& path, const QString& filterSuffix) {
  const std::optional<QString> name = PictureFileName(path, filterSuffix);
  const std::optional<QString> failure =
      name ? WritePictureFile(image_(), *name) : UnsupportedExtensionReason();
  if (!failure) {
    lastPath_ = *name;
    return true;
  }
  QMessageBox::warning(&window_, window_.windowTitle(),
                       SaveFailureMessage(name.value_or(path), *failure));
  return false;
}

void PictureMenu::Save() {
  if (!save_->isEnabled()) return;
  const SaveChoice choice = pickPath_();
  if (!choice.path.isEmpty()) SaveTo(choice.path, choice.filterSuffix);
}

void PictureMenu::Copy() {
  if (!copy_->isEnabled()) return;
  QGuiApplication::clipboard()->setImage(image_());
}

// The file dialog: PNG by default, BMP if chosen; a name typed without an ending gets the
// chosen format's (here, and again in SaveTo should a dialog not add it).
PictureMenu::SaveChoice PictureMenu::AskPath() {
  const QString start =
      lastPath_.isEmpty() ? QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                                .filePath(proposedName_)
                          : lastPath_;
  QFileDialog dialog(&window_, QStringLiteral("Сохранить рисунок"), start);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({kPngFilter, kBmpFilter});
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (start.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
    dialog.selectNameFilter(kBmpFilter);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
  }
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == kBmpFilter ? QStringLiteral("bmp") : QStringLiteral("png"));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() == kBmpFilter
                                                   ? QStringLiteral("bmp")
                                                   : QStringLiteral("png")};
}
