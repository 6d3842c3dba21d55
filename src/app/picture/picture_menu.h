#pragma once
// The picture's context menu: «Сохранить рисунок…» (the standard Save key: PNG, BMP, or an SVG or
// PDF figure) and «Копировать рисунок» (the standard Copy key, a raster), both unavailable until
// there is a picture. The keys work
// anywhere in the window, except that a text box keeps its own Copy key while it has the focus.
// More actions can join the menu later (AddAction).

#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "app/picture/picture_export.h"
#include "figure/level_legend.h"

class QAction;
class QMenu;
class QWidget;

class PictureMenu final : public QObject {
  Q_OBJECT
 public:
  // The picture to save or copy, composed when asked.
  using ImageSource = std::function<QImage()>;
  // The same picture in layers, for an SVG or PDF file.
  using LayersSource = std::function<PictureLayers()>;
  // The file to save to as typed (empty when the user cancels) and the chosen filter's
  // extension, "png", "bmp", "svg" or "pdf", which a name without one gets.
  struct SaveChoice {
    QString path;
    QString filterSuffix = QStringLiteral("png");
  };
  using PathPicker = std::function<SaveChoice()>;
  // The legend of the picture shown (none before a pass).
  using LegendSource = std::function<std::optional<FigureLegend>()>;

  // The menu opens on `picture`; the actions' keys are the `window`'s.
  PictureMenu(QWidget& picture, QWidget& window, ImageSource image, LayersSource layers);

  QMenu* Menu() const { return menu_; }
  QAction* SaveAction() const { return save_; }
  QAction* CopyAction() const { return copy_; }
  // Adds `action` at the end of the menu, above the legend's entry; its key works in the window.
  void AddAction(QAction* action);
  // Adds the check entry «Легенда уровней на рисунке», off: while it is on, the picture saved or
  // copied has `legend` beside it (figure/legend_beside.h).
  void OfferLegend(LegendSource legend);
  QAction* LegendAction() const { return legendAction_; }
  // Save and copy are available once there is a picture.
  void SetPictureReady(bool ready);
  // The file name the dialog first proposes, in the user's pictures folder («сфера.png» unless
  // set).
  void SetProposedName(const QString& name) { proposedName_ = name; }
  // Replaces the file dialog (tests pick the path themselves).
  void SetPathPicker(PathPicker picker) { pickPath_ = std::move(picker); }

  // Writes the picture to `path`, with "." + `filterSuffix` added if it has no extension; a name
  // with an extension other than .png, .bmp, .svg or .pdf, or a failure, is reported in a message
  // box and nothing is written. True when written.
  bool SaveTo(const QString& path, const QString& filterSuffix = QStringLiteral("png"));
  void Save();
  void Copy();

 private:
  SaveChoice AskPath();
  // The legend to draw beside the picture: none unless the entry is on and a pass was shown.
  std::optional<FigureLegend> ChosenLegend() const;
  QImage ImageToGive() const;
  PictureLayers LayersToGive() const;

  QWidget& window_;
  ImageSource image_;
  LayersSource layers_;
  PathPicker pickPath_;
  QMenu* menu_ = nullptr;
  QAction* save_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* legendAction_ = nullptr;
  QAction* legendSeparator_ = nullptr;
  LegendSource legend_;
  QString lastPath_;
  QString proposedName_ = QCoreApplication::translate("PictureMenu", "сфера.png");
};
