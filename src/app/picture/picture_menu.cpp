#include "app/picture/picture_menu.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>
#include <vector>

#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "app/picture/picture_export.h"
#include "figure/legend_beside.h"

namespace {

// The file dialog's filters, the first the default, and the extension each gives a name.
struct SaveFilter {
  QString name;
  QString suffix;
};

const std::vector<SaveFilter>& SaveFilters() {
  static const std::vector<SaveFilter> kFilters = {
      {QCoreApplication::translate("PictureMenu", "Рисунок PNG (*.png)"), QStringLiteral("png")},
      {QCoreApplication::translate("PictureMenu", "Рисунок BMP (*.bmp)"), QStringLiteral("bmp")},
      {QCoreApplication::translate("PictureMenu", "Рисунок SVG (*.svg)"), QStringLiteral("svg")},
      {QCoreApplication::translate("PictureMenu", "Документ PDF (*.pdf)"), QStringLiteral("pdf")},
  };
  return kFilters;
}

// The filter named `name`; the first (PNG) if none is.
const SaveFilter& FilterNamed(const QString& name) {
  for (const SaveFilter& filter : SaveFilters()) {
    if (filter.name == name) return filter;
  }
  return SaveFilters().front();
}

// The filter whose extension ends `path` (any letter case); the first (PNG) if none does.
const SaveFilter& FilterOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  for (const SaveFilter& filter : SaveFilters()) {
    if (suffix.compare(filter.suffix, Qt::CaseInsensitive) == 0) return filter;
  }
  return SaveFilters().front();
}

}  // namespace

PictureMenu::PictureMenu(QWidget& picture, QWidget& window, ImageSource image, LayersSource layers)
    : QObject(&window),
      window_(window),
      image_(std::move(image)),
      layers_(std::move(layers)),
      pickPath_([this] { return AskPath(); }),
      menu_(new QMenu(&picture)) {
  save_ = new QAction(this);
  TranslatedTexts::Of(window_).Keep(save_, &QAction::setText, "PictureMenu",
                                    QT_TRANSLATE_NOOP("PictureMenu", "Сохранить рисунок…"));
  save_->setShortcut(QKeySequence::Save);
  connect(save_, &QAction::triggered, this, &PictureMenu::Save);
  copy_ = new QAction(this);
  TranslatedTexts::Of(window_).Keep(copy_, &QAction::setText, "PictureMenu",
                                    QT_TRANSLATE_NOOP("PictureMenu", "Копировать рисунок"));
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
  // The legend's entry stays last, under its separator.
  if (legendSeparator_ != nullptr) {
    menu_->insertAction(legendSeparator_, action);
  } else {
    menu_->addAction(action);
  }
  window_.addAction(action);  // a window shortcut: a focused text box's own keys come first
}

void PictureMenu::OfferLegend(LegendSource legend) {
  legend_ = std::move(legend);
  legendAction_ = new QAction(this);
  legendAction_->setCheckable(true);
  TranslatedTexts::Of(window_).Keep(
      legendAction_, &QAction::setText, "FigureLegend",
      QT_TRANSLATE_NOOP("FigureLegend", "Легенда уровней на рисунке"));
  legendSeparator_ = menu_->addSeparator();
  menu_->addAction(legendAction_);
}

std::optional<FigureLegend> PictureMenu::ChosenLegend() const {
  if (legendAction_ == nullptr || !legendAction_->isChecked()) return std::nullopt;
  return legend_();
}

QImage PictureMenu::ImageToGive() const {
  const std::optional<FigureLegend> legend = ChosenLegend();
  return legend ? WithLegendBeside(image_(), *legend, UserLocale()) : image_();
}

PictureLayers PictureMenu::LayersToGive() const {
  PictureLayers layers = layers_();
  const std::optional<FigureLegend> legend = ChosenLegend();
  if (!legend) return layers;
  LegendFigure figure =
      LegendFigureBeside(layers.raster, std::move(layers.overlay), *legend, UserLocale());
  return {std::move(figure.raster), std::move(figure.overlay)};
}

void PictureMenu::SetPictureReady(bool ready) {
  save_->setEnabled(ready);
  copy_->setEnabled(ready);
}

bool PictureMenu::SaveTo(const QString& path, const QString& filterSuffix) {
  const std::optional<QString> name = PictureFileName(path, filterSuffix);
  std::optional<QString> failure = UnsupportedExtensionReason();
  if (name)
    failure = IsFigureFileName(*name) ? WriteFigureFile(LayersToGive(), *name)
                                      : WritePictureFile(ImageToGive(), *name);
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
  QGuiApplication::clipboard()->setImage(ImageToGive());
}

// The file dialog: PNG by default, or the format of the name last saved; a name typed without an
// ending gets the chosen format's (here, and again in SaveTo should a dialog not add it).
PictureMenu::SaveChoice PictureMenu::AskPath() {
  const QString start =
      lastPath_.isEmpty() ? QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                                .filePath(proposedName_)
                          : lastPath_;
  QFileDialog dialog(&window_, QCoreApplication::translate("PictureMenu", "Сохранить рисунок"),
                     start);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList names;
  for (const SaveFilter& filter : SaveFilters()) names.append(filter.name);
  dialog.setNameFilters(names);
  const SaveFilter& startFilter = FilterOfPath(start);
  dialog.selectNameFilter(startFilter.name);
  dialog.setDefaultSuffix(startFilter.suffix);
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(FilterNamed(filter).suffix);
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().constFirst(), FilterNamed(dialog.selectedNameFilter()).suffix};
}
