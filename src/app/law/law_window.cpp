#include "app/law/law_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

#include "app/common/control_whats_this.h"
#include "app/common/form_control.h"
#include "app/common/window_placement.h"
#include "app/language/core_texts.h"
#include "app/language/translated_texts.h"
#include "app/law/formula_panel.h"
#include "app/law/law_descriptions.h"
#include "app/law/law_parameter_row.h"
#include "intake/law_texts.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr int kNamePoints = 12;
constexpr int kWindowWidth = 640;

QLabel* MakeLabel(QWidget* parent, const char* objectName) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setWordWrap(true);
  return label;
}

}  // namespace

LawWindow::LawWindow(FormControl& form, std::function<void(const QString&)> openHelp,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), openHelp_(std::move(openHelp)) {
  setObjectName(QStringLiteral("LawWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "LawWindow", QT_TRANSLATE_NOOP("LawWindow", "Параметры функции"));
  for (const LawEntry& law : AdditionalLaws()) Remembered(law.kind) = StartLawSettings(law.kind);
  // A described function has no parameters here: the window would go on showing the law before.
  connect(&form_, &FormControl::FunctionChosen, this, [this](int32_t kind) {
    if (!IsAdditionalLaw(kind)) hide();
  });

  name_ = MakeLabel(this, "LawName");
  QFont nameFont = name_->font();
  nameFont.setPointSize(kNamePoints);
  nameFont.setBold(true);
  name_->setFont(nameFont);
  formula_ = MakeLabel(this, "LawFormula");
  formula_->setTextFormat(Qt::RichText);

  lawPanel_ = new QWidget(this);
  lawPanel_->setObjectName(QStringLiteral("LawParameters"));
  auto* grid = new QGridLayout(lawPanel_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(2, 1);
  for (int row = 0; row < kMaxLawParameters; ++row) {
    rows_[row] = new LawParameterRow(*grid, row, QStringLiteral("Law"), /*named=*/false, this);
    connect(rows_[row], &LawParameterRow::ValueChanged, this,
            [this, row](double value) { OnRowChanged(row, value); });
  }
  noParameters_ = MakeLabel(lawPanel_, "LawNoParameters");
  TranslatedTexts::Of(*this).Keep(
      "LawWindow", QT_TRANSLATE_NOOP("LawWindow", "У этого закона нет параметров."),
      [object = noParameters_](const QString& text) { object->setText(text); });
  grid->addWidget(noParameters_, kMaxLawParameters, 0, 1, 3);
  mcEwen_ = new QCheckBox(lawPanel_);
  TranslatedTexts::Of(*this).Keep(mcEwen_, &QAbstractButton::setText, "LawWindow",
                                  QT_TRANSLATE_NOOP("LawWindow", "L(g) по Мак-Юэну"));
  mcEwen_->setObjectName(QStringLiteral("LawMcEwen"));
  grid->addWidget(mcEwen_, kMaxLawParameters + 1, 0, 1, 3);
  connect(mcEwen_, &QCheckBox::toggled, this, &LawWindow::OnMcEwenToggled);

  formulaPanel_ = new FormulaPanel(this);
  connect(formulaPanel_, &FormulaPanel::FormulaApplied, this,
          [this] { form_.ChooseLaw(kFormula, *formulaPanel_->Applied()); });
  connect(formulaPanel_, &FormulaPanel::ValuesChanged, this,
          [this] { UseSettings(*formulaPanel_->Applied()); });

  source_ = MakeLabel(this, "LawSource");
  source_->setTextFormat(Qt::RichText);
  helpLink_ = MakeLabel(this, "LawHelpLink");
  helpLink_->setTextFormat(Qt::RichText);
  helpLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(helpLink_, &QLabel::linkActivated, this,
          [this](const QString& page) { openHelp_(page); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
  layout->addWidget(formula_);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(lawPanel_);
  layout->addWidget(formulaPanel_);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(source_);
  layout->addWidget(helpLink_);
  layout->addStretch(1);
  setFixedWidth(kWindowWidth);
  GiveWhatsThis(*this);
  TranslatedTexts::Of(*this).Keep([this] { ShowLawTexts(); });
}

LawSettings& LawWindow::Remembered(int32_t kind) { return remembered_[kind]; }

const LawSettings& LawWindow::Settings(int32_t kind) const { return remembered_.at(kind); }

void LawWindow::Choose(int32_t kind) {
  if (!IsAdditionalLaw(kind)) return;
  ShowLaw(kind);
  show();
  KeepOnScreen();
  if (kind != kFormula) {
    form_.ChooseLaw(kind, Remembered(kind));
  } else if (formulaPanel_->Applied() || formulaPanel_->Compile()) {
    // A formula applied before is chosen again as it stands; otherwise the box's text is tried.
    form_.ChooseLaw(kFormula, *formulaPanel_->Applied());
  }
  // In front once the pass has shown the picture, which takes the focus back if it had it.
  raise();
  activateWindow();
}

void LawWindow::Restore(int32_t kind, const LawSettings& settings) {
  if (!IsAdditionalLaw(kind)) return;
  if (kind == kFormula) {
    formulaPanel_->Restore(settings);
  } else {
    Remembered(kind) = settings;
  }
  ShowLaw(kind);
}

// A window grown for a law with more rows moves up, or left, rather than leave the screen.
void LawWindow::KeepOnScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  const QRect frame = frameGeometry();
  const QPoint at = pos() + (FrameKeptWithin(frame, shown->availableGeometry()) - frame.topLeft());
  if (at != pos()) move(at);
}

// The law's name, formula, source, help link and parameter captions in the language in use.
void LawWindow::ShowLawTexts() {
  if (!IsAdditionalLaw(kind_)) return;
  name_->setText(LawName(kind_));
  formula_->setText(LawFormulaHtml(kind_));
  source_->setText(QCoreApplication::translate("LawWindow", "Источник: ") + LawSourceText(kind_));
  helpLink_->setText(QCoreApplication::translate("LawWindow", "<a href=\"%1\">Справка: %2</a>")
                         .arg(LawHelpPage(kind_), name_->text().toHtmlEscaped()));
  if (kind_ == kFormula) return;
  const int count = static_cast<int>(FindLaw(kind_)->parameters.size());
  for (int row = 0; row < count && row < kMaxLawParameters; ++row) {
    rows_[row]->SetCaption(LawParameterName(kind_, row));
  }
}

void LawWindow::ShowLaw(int32_t kind) {
  kind_ = kind;
  const LawEntry& law = *FindLaw(kind);
  const LawSettings& settings = Remembered(kind);
  ShowLawTexts();

  const bool typed = kind == kFormula;
  formulaPanel_->setVisible(typed);
  lawPanel_->setVisible(!typed);
  const int count = static_cast<int>(law.parameters.size());
  for (int row = 0; row < kMaxLawParameters; ++row) {
    const bool used = !typed && row < count;
    rows_[row]->SetShown(used);
    if (!used) continue;
    rows_[row]->SetRange(law.parameters[row], /*anyFiniteValue=*/false);
    rows_[row]->SetValue(settings.parameters[row]);
  }
  noParameters_->setVisible(!typed && count == 0);
  mcEwen_->setVisible(kind == kLunarLambert);
  {
    const QSignalBlocker quiet(mcEwen_);
    mcEwen_->setChecked(settings.lunarLambertMcEwen);
  }
  if (kind == kLunarLambert) OnMcEwenToggled(settings.lunarLambertMcEwen);
  // As high as the law's rows and wrapped texts need at the window's fixed width.
  layout()->activate();
  resize(width(), layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                : sizeHint().height());
}

void LawWindow::OnRowChanged(int row, double value) {
  LawSettings& settings = Remembered(kind_);
  settings.parameters[row] = value;
  UseSettings(settings);
}

// L(g) takes the place of the fixed L, whose box and slider rest meanwhile.
void LawWindow::OnMcEwenToggled(bool checked) {
  rows_[kLunarLambertL]->ValueBox().setEnabled(!checked);
  rows_[kLunarLambertL]->Slider().setEnabled(!checked);
  LawSettings& settings = Remembered(kLunarLambert);
  if (settings.lunarLambertMcEwen == checked) return;
  settings.lunarLambertMcEwen = checked;
  UseSettings(settings);
}

void LawWindow::UseSettings(const LawSettings& settings) {
  if (form_.State().reflectanceKind == kind_) {
    form_.ChangeLawSettings(settings);
  } else {
    form_.ChooseLaw(kind_, settings);
  }
}

HelpPlace LawWindow::ContextHelpPlace(const QWidget* widget) const {
  if (const std::optional<HelpPlace> place = HelpPlaceOf(widget)) return *place;
  return HelpPlace{LawHelpPage(kind_), QStringLiteral("parameters")};
}
