// The companion windows' actions, the map's and the big sphere's windows, and the form's passes
// handed to every window that follows them.

#include "app/companions.h"

#include <QAction>
#include <utility>

#include "app/big_sphere/big_sphere_window.h"
#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/common/key_pass_through.h"
#include "app/curves/compare_window.h"
#include "app/curves/phase_curve_window.h"
#include "app/form/form1.h"
#include "app/form/live_shading.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_menu.h"
#include "app/surface/surface_window.h"

Companions& Companions::Attach(Form1& form) { return *new Companions(form); }

Companions::Companions(Form1& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("Companions"));
  openMap_ = MadeAction("OpenGradientMap", QT_TRANSLATE_NOOP("Form1", "Карта R(p, q)"));
  openMap_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  OpensAndCloses(openMap_, &Companions::OpenGradientMap,
                 [this]() -> QWidget* { return mapWindow_; });
  form.PictureContextMenu().AddAction(openMap_);
  showSources_ = MadeAction("ShowSources", QT_TRANSLATE_NOOP("Form1", "Источники"));
  showSources_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(showSources_, &QAction::triggered, this, &Companions::OnShowSourcesTriggered);
  openBigSphere_ = MadeAction("OpenBigSphere", QT_TRANSLATE_NOOP("Form1", "Сфера крупно"));
  openBigSphere_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  OpensAndCloses(openBigSphere_, &Companions::OpenBigSphere,
                 [this]() -> QWidget* { return bigSphere_; });
  openSurface_ = MadeAction("OpenSurface", QT_TRANSLATE_NOOP("Form1", "Поверхность"));
  openSurface_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  LeaveKeyToWindow(form, openSurface_->shortcut());
  OpensAndCloses(openSurface_, &Companions::OpenSurface, [this]() -> QWidget* { return surface_; });
  SetUpCurves();
  connect(&form, &Form1::PassShown, this, &Companions::ShowPass);
  connect(&form, &Form1::PassesCancelled, this, &Companions::CancelPasses);
  connect(&form, &Form1::OverlayChoiceChanged, this, [this](const OverlayChoice& choice) {
    if (mapWindow_ != nullptr) mapWindow_->SetOverlayChoice(choice);
    SetPlotLineWidth(choice.lineWidth);
  });
}

// A checkable action named `name` whose text follows the language.
QAction* Companions::MadeAction(const char* name, const char* text) {
  auto* action = new QAction(this);
  TranslatedTexts::Of(form_).Keep(action, &QAction::setText, "Form1", text);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(true);
  return action;
}

// Checked, `action` opens its window; unchecked, it closes the one `made` gives, if any.
void Companions::OpensAndCloses(QAction* action, void (Companions::*open)(),
                                std::function<QWidget*()> made) {
  connect(action, &QAction::triggered, this, [this, open, made = std::move(made)](bool show) {
    if (show) {
      (this->*open)();
    } else if (QWidget* window = made()) {
      window->close();
    }
  });
}

// The map's window is made when first asked for, or hidden for a setup's sources, and shows the
// last pass, if there was one; it then follows every pass until the program ends.
GradientMapWindow& Companions::EnsureMapWindow() {
  if (mapWindow_ == nullptr) {
    mapWindow_ = new GradientMapWindow(form_.Jobs(), *showSources_, &form_);
    CompanionPlacement::Follow(*mapWindow_, *form_.window());
    mapWindow_->SetOverlayChoice(form_.Overlay());
    connect(mapWindow_, &GradientMapWindow::ShownChanged, openMap_, &QAction::setChecked);
    connect(mapWindow_, &GradientMapWindow::ShadeRequested, this, [this] { form_.PressShade(); });
    form_.Live().FollowMap(mapWindow_->Picture());
    mapWindow_->ContextMenu().AddAction(openSurface_);
    LeaveKeyToWindow(*mapWindow_, openSurface_->shortcut());
    if (surface_ != nullptr) surface_->LinkMap(*mapWindow_);
    if (form_.LastPassResult()) mapWindow_->ShowPass(*form_.LastPassResult());
  }
  return *mapWindow_;
}

void Companions::OpenGradientMap() {
  EnsureMapWindow();
  BringForward(*mapWindow_);
}

// In the map the action shows or hides the panel; where the map is not shown (the main window's
// menu or key) it opens the map with its panel, whatever the check said.
void Companions::OnShowSourcesTriggered(bool show) {
  const bool mapShown = mapWindow_ != nullptr && mapWindow_->isVisible();
  if (!mapShown) OpenGradientMap();
  mapWindow_->ShowSources(show || !mapShown);
}

// Made when first asked for; it follows every pass while it is shown.
void Companions::OpenBigSphere() {
  if (bigSphere_ == nullptr) {
    bigSphere_ = new BigSphereWindow(form_.Jobs(), &form_);
    CompanionPlacement::Follow(*bigSphere_, *form_.window());
    connect(bigSphere_, &BigSphereWindow::ShownChanged, openBigSphere_, &QAction::setChecked);
    connect(bigSphere_, &BigSphereWindow::ShadeRequested, this, [this] { form_.PressShade(); });
    form_.Live().FollowSphere(bigSphere_->Picture());
    bigSphere_->ContextMenu().AddAction(openMap_);
    if (form_.LastPassResult()) bigSphere_->ShowPass(*form_.LastPassResult(), form_.Overlay());
  }
  BringForward(*bigSphere_);
}

void Companions::ShowPass(const LastPass& pass) {
  const bool surfaceShown = surface_ != nullptr && surface_->isVisible();
  const bool bigShown = bigSphere_ != nullptr && bigSphere_->isVisible();
  if (mapWindow_ != nullptr || surfaceShown || bigShown) form_.Picture().repaint();
  if (bigShown) bigSphere_->ShowPass(pass, form_.Overlay());
  ShowPassInCurves(pass);
  if (surfaceShown) surface_->ShowPass(pass);
  if (mapWindow_ != nullptr) mapWindow_->ShowPass(pass);
}

void Companions::CancelPasses() {
  if (bigSphere_ != nullptr) bigSphere_->CancelPass();
  if (phaseCurve_ != nullptr) phaseCurve_->CancelPass();
  if (compare_ != nullptr) compare_->CancelPass();
  if (mapWindow_ != nullptr) mapWindow_->CancelPass();
  if (surface_ != nullptr) surface_->CancelPass();
}
