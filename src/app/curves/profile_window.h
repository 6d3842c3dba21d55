#pragma once
// «Профиль»: phi along a line dragged with Shift on the sphere or the map, as a plot: the
// function's phi, the painted value and, on the map with more sources, each one's phi. The line
// stays marked over its picture while the window is open.

#include <QWidget>
#include <vector>

#include "curves/profile.h"

class PlotView;
class QPushButton;

class ProfileWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit ProfileWindow(QWidget* parent = nullptr);

  void ShowProfile(const std::vector<ProfileSample>& samples, const QString& title);
  // Samples of the photometric equator: against the emission angle, which the CSV holds too.
  void ShowEquatorProfile(const std::vector<ProfileSample>& samples, const QString& title);
  PlotView& View() const { return *view_; }
  QPushButton& EquatorButton() const { return *equator_; }

 signals:
  // The window was closed: its line is no longer marked.
  void Closed();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  PlotView* view_ = nullptr;
  QPushButton* equator_ = nullptr;
};
