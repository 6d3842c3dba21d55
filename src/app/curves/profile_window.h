#pragma once
// «Профиль»: phi along a line dragged with Shift on the sphere or the map, as a plot: the
// function's phi, the painted value and, on the map with more sources, each one's phi. The line
// stays marked over its picture while the window is open. Under the plot, Minnaert's k that the
// profile's limb darkening reads (curves/minnaert_fit.h).

#include <QWidget>
#include <functional>
#include <vector>

#include "curves/profile.h"

class PlotView;
class QLabel;
class QPushButton;

class ProfileWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit ProfileWindow(QWidget* parent = nullptr);

  // The plot's title in the language in use: asked again when the language changes, the plot
  // then drawn again.
  using Title = std::function<QString()>;

  void ShowProfile(const std::vector<ProfileSample>& samples, Title title);
  // Samples of the photometric equator: against the emission angle, which the CSV holds too.
  void ShowEquatorProfile(const std::vector<ProfileSample>& samples, Title title);
  PlotView& View() const { return *view_; }
  QPushButton& EquatorButton() const { return *equator_; }
  // «Закон Миннарта по профилю: k = …», empty when the profile has too few lit, seen samples.
  QString MinnaertText() const;

 signals:
  // The window was closed: its line is no longer marked.
  void Closed();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void Plot();

  PlotView* view_ = nullptr;
  std::vector<ProfileSample> samples_;
  bool equatorShown_ = false;
  Title title_;
  QPushButton* equator_ = nullptr;
  QLabel* minnaert_ = nullptr;
};
