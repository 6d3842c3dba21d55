// MainWindow's windows' places in a setup: each shown window's client area kept by its key, and
// put back when a setup is opened, a place off every screen brought onto the main window's
// screen (common/window_arrangement.h). A setup that keeps no places moves nothing.

#include <QGuiApplication>
#include <QScreen>

#include "app/big_sphere/big_sphere_window.h"
#include "app/common/window_arrangement.h"
#include "app/companions.h"
#include "app/curves/compare_window.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/profile_window.h"
#include "app/exposure/exposure_window.h"
#include "app/law/law_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/surface/surface_window.h"

std::vector<std::pair<std::string, QWidget*>> MainWindow::PlacedWindows() const {
  return {{"main", const_cast<MainWindow*>(this)},
          {"map", companions_->MapWindow()},
          {"surface", companions_->Surface()},
          {"law", law_},
          {"exposure", exposure_},
          {"bigSphere", companions_->BigSphere()},
          {"phaseCurve", companions_->PhaseCurve()},
          {"compare", companions_->Compare()},
          {"profile", companions_->Profile()}};
}

void MainWindow::CapturePlaces(WindowsSetup& windows) const {
  for (const auto& [key, window] : PlacedWindows()) {
    if (window == nullptr || !window->isVisible()) continue;
    const QRect area = window->geometry();
    windows.places[key] = {area.x(), area.y(), area.width(), area.height()};
  }
}

void MainWindow::RestorePlaces(const WindowsSetup& windows) {
  if (windows.places.empty()) return;
  std::vector<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    screens.push_back(screen->availableGeometry());
  }
  const QRect mainScreen = screen()->availableGeometry();
  for (const auto& [key, window] : PlacedWindows()) {
    const auto place = windows.places.find(key);
    if (window == nullptr || place == windows.places.end()) continue;
    const WindowPlace& kept = place->second;
    // No smaller than the window can be, so that a place brought onto a screen still fits there.
    const QSize least = QSize(kept.width, kept.height)
                            .expandedTo(window->minimumSize())
                            .expandedTo(window->minimumSizeHint());
    QRect area = KeptPlaceOnScreens(QRect(QPoint(kept.x, kept.y), least), screens, mainScreen);
    if (window == this) area.setSize(size());  // the main window keeps its own size
    window->setGeometry(area);
  }
}
