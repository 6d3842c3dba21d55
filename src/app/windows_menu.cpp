#include "app/windows_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "app/common/window_arrangement.h"
#include "app/common/window_placement.h"
#include "app/language/translated_texts.h"

void AddWindowsMenu(QMainWindow& main) {
  TranslatedTexts& texts = TranslatedTexts::Of(main);
  QMenu* windows = main.menuBar()->addMenu(QString());
  texts.Keep(windows, &QMenu::setTitle, "WindowsMenu", QT_TRANSLATE_NOOP("WindowsMenu", "&Окна"));
  windows->setObjectName(QStringLiteral("WindowsMenu"));
  QAction* arrange = windows->addAction(QString());
  texts.Keep(arrange, &QAction::setText, "WindowsMenu",
             QT_TRANSLATE_NOOP("WindowsMenu", "Расположить рядом"));
  arrange->setObjectName(QStringLiteral("ArrangeWindows"));
  QObject::connect(arrange, &QAction::triggered, &main, [&main] { ArrangeOpenWindows(main); });
}

std::vector<QWidget*> OpenWindows(QWidget& main) {
  std::vector<QWidget*> open{&main};
  for (QWidget* window : main.findChildren<QWidget*>()) {
    const Qt::WindowType type = window->windowType();
    if (window->isWindow() && window->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
        qobject_cast<QMessageBox*>(window) == nullptr) {
      open.push_back(window);
    }
  }
  return open;
}

bool ArrangeOpenWindows(QWidget& main) {
  const std::vector<QWidget*> open = OpenWindows(main);
  const QMargins mainFrame = FrameMarginsOr(main.frameGeometry(), main.geometry(), QMargins());
  std::vector<ArrangedWindow> measured;
  for (QWidget* window : open) {
    const QMargins frame = FrameMarginsOr(window->frameGeometry(), window->geometry(), mainFrame);
    // The main window keeps its size; the others may shrink to what their layouts need.
    const QSize least = window == &main
                            ? window->size()
                            : window->minimumSizeHint().expandedTo(window->minimumSize());
    const QSize most = window == &main ? window->size() : window->maximumSize();
    measured.push_back({least.expandedTo(QSize(1, 1)), most, frame});
  }
  const QRect available = main.screen()->availableGeometry();
  const std::optional<std::vector<QRect>> placed = ArrangeSideBySide(measured, available);
  if (!placed) {
    QMessageBox::warning(
        &main, main.windowTitle(),
        QCoreApplication::translate("WindowsMenu",
                                    "Открытые окна (%1) не помещаются рядом на этом экране "
                                    "(%2×%3): закройте какие-нибудь из них.")
            .arg(open.size())
            .arg(available.width())
            .arg(available.height()));
    return false;
  }
  for (size_t k = 0; k < open.size(); ++k) {
    const QRect& client = (*placed)[k];
    if (open[k] != &main) open[k]->resize(client.size());
    open[k]->move(client.topLeft() - QPoint(measured[k].frame.left(), measured[k].frame.top()));
  }
  return true;
}
