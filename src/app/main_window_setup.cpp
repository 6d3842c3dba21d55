// MainWindow's setups (setup/setup.h): every window's controls gathered into one, and a checked
// setup put back into them, the windows it names opened or closed, and one pass.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

#include "app/companions.h"
#include "app/exposure/exposure_window.h"
#include "app/form/form1.h"
#include "app/law/formula_panel.h"
#include "app/law/law_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/map/sources_panel.h"
#include "app/setup_menu.h"
#include "app/setup_open.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_window.h"
#include "messages/translated_message.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "photoset/observation_file.h"
#include "setup/setup_file.h"

namespace {

// The compiled formula of a checked setup, its parameters' values in order; none without one.
std::optional<LawSettings> FormulaSettings(const FormulaSetup& formula) {
  if (formula.text.empty()) return std::nullopt;
  std::vector<std::string> names;
  LawSettings settings;
  for (size_t k = 0; k < formula.parameters.size() && k < kMaxFormulaParameters; ++k) {
    names.push_back(formula.parameters[k].name);
    settings.parameters[k] = formula.parameters[k].value;
  }
  CompiledFormula compiled = CompileFormula(formula.text, names);
  if (auto* made = std::get_if<std::shared_ptr<const CustomFormula>>(&compiled)) {
    settings.formula = std::move(*made);
    return settings;
  }
  return std::nullopt;
}

// The setup's settings of its additional law.
LawSettings ChosenLawSettings(const Setup& setup, const std::optional<LawSettings>& formula) {
  if (setup.sphere.reflectanceKind == kFormula && formula) return *formula;
  LawSettings settings;
  settings.parameters = setup.law.parameters;
  settings.lunarLambertMcEwen =
      setup.sphere.reflectanceKind == kLunarLambert && setup.law.lunarLambertMcEwen;
  return settings;
}

bool Shown(const QWidget* window) { return window != nullptr && window->isVisible(); }

// A checkable action that opens or closes a window, brought to `shown`.
void Toggle(QAction& action, bool shown) {
  if (action.isChecked() != shown) action.trigger();
}

}  // namespace

std::variant<Setup, QString> MainWindow::CaptureSetup() const {
  Setup setup;
  if (const std::optional<QString> refusal = form_->FillSetup(setup)) return *refusal;
  // A formula applied in «Параметры функции» is kept while another function is chosen.
  if (setup.law.formula.text.empty() && law_ != nullptr && law_->Formula().Applied()) {
    const LawSettings& applied = *law_->Formula().Applied();
    setup.law.formula.text = applied.formula->Text();
    const std::vector<std::string>& names = applied.formula->ParameterNames();
    for (size_t k = 0; k < names.size(); ++k) {
      setup.law.formula.parameters.push_back({names[k], applied.parameters[k]});
    }
  }
  if (const GradientMapWindow* map = companions_->MapWindow()) {
    setup.map.sources = map->Sources().Setups();
    setup.map.litByAll = map->Sources().LitByAllChecked();
    setup.map.zoom = map->Figure().Zoom().Zoom();
    setup.map.centreP = map->Figure().Zoom().Centre().p;
    setup.map.centreQ = map->Figure().Zoom().Centre().q;
  }
  const SurfaceWindow* surface = companions_->Surface();
  setup.surface = surface != nullptr ? surface->Controls().Setup() : StartSurfaceSetup();
  WindowsSetup& windows = setup.windows;
  windows.map = Shown(companions_->MapWindow());
  windows.sources = windows.map && companions_->SourcesAction()->isChecked();
  windows.surface = Shown(companions_->Surface());
  windows.law = Shown(law_);
  windows.exposure = Shown(exposure_);
  windows.bigSphere = companions_->BigSphereAction()->isChecked();
  windows.phaseCurve = companions_->PhaseCurveAction()->isChecked();
  windows.compare = companions_->CompareAction()->isChecked();
  CapturePlaces(windows);
  setup.curves = companions_->CurvesOf();
  return setup;
}

std::optional<QString> MainWindow::ApplySetup(const Setup& setup) {
  // The observed points are read first too: a file that no longer reads changes nothing.
  std::optional<ObservationSet> points;
  if (!setup.curves.observationsPath.empty()) {
    const QString path = QString::fromStdString(setup.curves.observationsPath);
    ObservationReading read = ReadObservationFile(path);
    if (const auto* messages = std::get_if<std::vector<Message>>(&read)) {
      QStringList lines;
      for (const Message& message : *messages) lines << TranslatedMessage(message);
      return QCoreApplication::translate("MainWindow", "Не удалось прочитать наблюдения «%1»: %2")
          .arg(QDir::toNativeSeparators(path), lines.join(QLatin1Char('\n')));
    }
    points = std::get<ObservationSet>(std::move(read));
  }
  // The files the surface names are read first: one that does not read changes nothing.
  if (setup.surface != StartSurfaceSetup() || setup.windows.surface ||
      companions_->Surface() != nullptr) {
    if (std::optional<QString> refusal =
            companions_->EnsureSurfaceWindow().Controls().Restore(setup.surface)) {
      return refusal;
    }
  }
  const std::optional<LawSettings> formula = FormulaSettings(setup.law.formula);
  const int32_t kind = setup.sphere.reflectanceKind;
  const LawSettings law = ChosenLawSettings(setup, formula);
  form_->ApplySetup(setup, law);
  if (IsAdditionalLaw(kind) || formula || law_ != nullptr) {
    LawWindow& window = EnsureLawWindow();
    window.Restore(kFormula, formula.value_or(LawSettings{}));
    if (IsAdditionalLaw(kind)) window.Restore(kind, law);
  }
  if (setup.map != MapSetup{} || setup.windows.map || setup.windows.sources ||
      companions_->MapWindow() != nullptr) {
    GradientMapWindow& map = companions_->EnsureMapWindow();
    map.Sources().Restore(setup.map.sources, setup.map.litByAll);
    map.Figure().SetZoom(setup.map.zoom, Gradient{setup.map.centreP, setup.map.centreQ});
  }
  ShowSetupWindows(setup.windows);
  form_->Shade();
  if (setup.picture.autoExposure) form_->ShadeAtBrightestExposure();
  if (exposure_ != nullptr) exposure_->ShowExposure(form_->State().exposure);
  companions_->RestoreCurves(setup.curves, points);
  RestorePlaces(setup.windows);
  return std::nullopt;
}

void MainWindow::ShowSetupWindows(const WindowsSetup& windows) {
  Toggle(*companions_->OpenMapAction(), windows.map || windows.sources);
  if (companions_->MapWindow() != nullptr) companions_->MapWindow()->ShowSources(windows.sources);
  Toggle(*companions_->SurfaceAction(), windows.surface);
  Toggle(*companions_->BigSphereAction(), windows.bigSphere);
  Toggle(*companions_->PhaseCurveAction(), windows.phaseCurve);
  Toggle(*companions_->CompareAction(), windows.compare);
  if (windows.exposure) {
    openExposure_->trigger();
  } else if (exposure_ != nullptr) {
    exposure_->close();
  }
  if (windows.law && law_ != nullptr && IsAdditionalLaw(law_->Kind())) {
    law_->show();
  } else if (law_ != nullptr) {
    law_->hide();
  }
}

bool MainWindow::OpenSetup(const QString& path, SetupSource source) {
  const SetupOutcome outcome = OpenSetupFile(path);
  if (const auto* refusal = std::get_if<QString>(&outcome)) {
    QMessageBox::warning(this, windowTitle(), *refusal);
    return false;
  }
  const SetupReading& reading = std::get<SetupReading>(outcome);
  if (const std::optional<QString> refusal = ApplySetup(reading.setup)) {
    QMessageBox::warning(this, windowTitle(),
                         tr("Настройка «%1» не открыта: %2").arg(path, *refusal));
    return false;
  }
  if (source == SetupSource::kFile) setupMenu_->Remember(path);
  if (!reading.warning.isEmpty()) QMessageBox::information(this, windowTitle(), reading.warning);
  return true;
}

// A setup file dropped on the window opens, as «Открыть настройку…» would open it.
static QString DroppedSetup(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return path.endsWith(QStringLiteral(".") + QLatin1String(kSetupSuffix), Qt::CaseInsensitive)
             ? path
             : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedSetup(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedSetup(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenSetup(path);
}
