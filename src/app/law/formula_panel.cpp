#include "app/law/formula_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>
#include <string>
#include <vector>

#include "app/common/input_box_mark.h"
#include "app/language/core_texts.h"
#include "app/language/translated_texts.h"
#include "app/law/bounded_undo.h"
#include "app/law/law_parameter_row.h"
#include "intake/law_texts.h"
#include "messages/translated_message.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "photometry/starter_formulas.h"

namespace {

// The formula a fresh window offers: the matte function.
constexpr const char* kFirstFormula = "cos(i)";
constexpr int kKindRole = Qt::UserRole;
const QColor kErrorColour(176, 0, 0);
// What the box's undo history may record (characters inserted and removed, about 1 MB): a few
// pastes of a whole formula can be undone, and pasting again and again takes no more memory.
constexpr qsizetype kUndoBudget = 16 * qsizetype{kMaxFormulaLength};

// What the box and the error say of a formula longer than kMaxFormulaLength; empty within it.
QString TooLongMessage(qsizetype length) {
  if (length <= qsizetype{kMaxFormulaLength}) return {};
  return QCoreApplication::translate("FormulaPanel",
                                     "Формула длиннее %1 знаков (в ней %2): сократите её.")
      .arg(kMaxFormulaLength)
      .arg(length);
}

}  // namespace

FormulaPanel::FormulaPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FormulaPanel"));
  start_ = new QComboBox(this);
  start_->setObjectName(QStringLiteral("FormulaStart"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(start_, &QComboBox::setPlaceholderText, "FormulaPanel",
             QT_TRANSLATE_NOOP("FormulaPanel", "формула закона…"));
  for (const LawEntry& law : AdditionalLaws()) {
    if (StarterFormula(law.kind).empty()) continue;
    start_->addItem(QString(), law.kind);
  }
  texts.Keep([box = start_] {
    for (int k = 0; k < box->count(); ++k) box->setItemText(k, LawName(box->itemData(k).toInt()));
  });
  start_->setCurrentIndex(-1);
  auto* startLabel = new QLabel(this);
  texts.Keep(startLabel, &QLabel::setText, "FormulaPanel",
             QT_TRANSLATE_NOOP("FormulaPanel", "Начать с:"));
  startLabel->setBuddy(start_);

  formula_ = new QLineEdit(QString::fromLatin1(kFirstFormula), this);
  formula_->setObjectName(QStringLiteral("FormulaBox"));
  // No cut at QLineEdit's usual 32767 characters: a longer text stays whole and is said to be
  // too long.
  formula_->setMaxLength(std::numeric_limits<int>::max());
  new BoundedUndo(*formula_, kUndoBudget);
  auto* formulaLabel = new QLabel(this);
  texts.Keep(formulaLabel, &QLabel::setText, "FormulaPanel",
             QT_TRANSLATE_NOOP("FormulaPanel", "ф ="));
  formulaLabel->setBuddy(formula_);
  apply_ = new QPushButton(this);
  texts.Keep(apply_, &QPushButton::setText, "FormulaPanel",
             QT_TRANSLATE_NOOP("FormulaPanel", "Применить"));
  apply_->setObjectName(QStringLiteral("FormulaApply"));

  auto* parameters = new QWidget(this);
  auto* grid = new QGridLayout(parameters);
  grid->setContentsMargins(0, 0, 0, 0);
  const LawParameterSpec sliderRange{"", kSliderLowest, kSliderHighest, 0.0};
  for (int row = 0; row < kMaxFormulaParameters; ++row) {
    rows_[row] = new LawParameterRow(*grid, row, QStringLiteral("Formula"), /*named=*/true, this);
    rows_[row]->SetRange(sliderRange, /*anyFiniteValue=*/true);
    rows_[row]->SetValue(0.0);
    texts.Keep(rows_[row]->NameBox(), &QLineEdit::setPlaceholderText, "FormulaPanel",
               QT_TRANSLATE_NOOP("FormulaPanel", "имя"));
    connect(rows_[row], &LawParameterRow::ValueChanged, this,
            [this, row](double value) { OnValueChanged(row, value); });
    connect(rows_[row]->NameBox(), &QLineEdit::returnPressed, this, &FormulaPanel::OnApply);
    connect(&rows_[row]->ValueBox(), &QLineEdit::returnPressed, this, &FormulaPanel::OnApply);
  }

  error_ = new QLabel(this);
  error_->setObjectName(QStringLiteral("FormulaError"));
  error_->setWordWrap(true);
  QPalette palette = error_->palette();
  palette.setColor(QPalette::WindowText, kErrorColour);
  error_->setPalette(palette);
  error_->hide();

  auto* startRow = new QHBoxLayout;
  startRow->addWidget(startLabel);
  startRow->addWidget(start_, 1);
  auto* formulaRow = new QHBoxLayout;
  formulaRow->addWidget(formulaLabel);
  formulaRow->addWidget(formula_, 1);
  formulaRow->addWidget(apply_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(startRow);
  layout->addLayout(formulaRow);
  layout->addWidget(error_);
  auto* parametersLabel = new QLabel(this);
  texts.Keep(parametersLabel, &QLabel::setText, "FormulaPanel",
             QT_TRANSLATE_NOOP("FormulaPanel", "Параметры формулы (имя и значение):"));
  layout->addWidget(parametersLabel);
  layout->addWidget(parameters);

  connect(start_, &QComboBox::activated, this, &FormulaPanel::OnStartChosen);
  connect(formula_, &QLineEdit::returnPressed, this, &FormulaPanel::OnApply);
  connect(formula_, &QLineEdit::textEdited, this, &FormulaPanel::OnFormulaEdited);
  connect(apply_, &QPushButton::clicked, this, &FormulaPanel::OnApply);
}

QString FormulaPanel::ErrorText() const { return error_->isHidden() ? QString() : error_->text(); }

// The law's formula with its parameters' names and start values; applied by «Применить».
void FormulaPanel::OnStartChosen(int index) {
  const LawEntry* law = FindLaw(start_->itemData(index, kKindRole).toInt());
  if (law == nullptr) return;
  formula_->setText(QString::fromUtf8(StarterFormula(law->kind).data(),
                                      static_cast<qsizetype>(StarterFormula(law->kind).size())));
  formula_->setCursorPosition(0);  // long formulas show their beginning
  MarkInputBox(*formula_, QString());
  for (int row = 0; row < kMaxFormulaParameters; ++row) {
    const bool used = row < static_cast<int>(law->parameters.size());
    const LawParameterSpec* parameter = used ? &law->parameters[row] : nullptr;
    rows_[row]->NameBox()->setText(
        used ? QString::fromLatin1(parameter->name.data(),
                                   static_cast<qsizetype>(parameter->name.size()))
             : QString());
    MarkInputBox(*rows_[row]->NameBox(), QString());
    rows_[row]->SetValue(used ? parameter->startValue : 0.0);
  }
}

// An edit takes the box's mark away, unless the formula is now too long: that is said at once,
// in the mark and the error, and no longer once it is short enough again.
void FormulaPanel::OnFormulaEdited() {
  const QString tooLong = TooLongMessage(formula_->text().size());
  MarkInputBox(*formula_, tooLong);
  if (!tooLong.isEmpty() || tooLongShown_) ShowError(tooLong);
  tooLongShown_ = !tooLong.isEmpty();
}

void FormulaPanel::Restore(const LawSettings& settings) {
  static const std::vector<std::string> kNoNames;
  const std::vector<std::string>& names =
      settings.formula ? settings.formula->ParameterNames() : kNoNames;
  formula_->setText(settings.formula ? QString::fromStdString(settings.formula->Text())
                                     : QString());
  formula_->setCursorPosition(0);
  MarkInputBox(*formula_, QString());
  for (int row = 0; row < kMaxFormulaParameters; ++row) {
    const bool used = row < static_cast<int>(names.size());
    rows_[row]->NameBox()->setText(used ? QString::fromStdString(names[row]) : QString());
    MarkInputBox(*rows_[row]->NameBox(), QString());
    rows_[row]->SetValue(used ? settings.parameters[row] : 0.0);
    parameterOfRow_[row] = used ? row : -1;
  }
  error_->hide();
  tooLongShown_ = false;
  applied_ = settings.formula ? std::optional<LawSettings>(settings) : std::nullopt;
}

std::optional<LawSettings> FormulaPanel::Compile() {
  if (const QString tooLong = TooLongMessage(formula_->text().size()); !tooLong.isEmpty()) {
    ShowError(tooLong);
    MarkInputBox(*formula_, tooLong);
    formula_->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
  }
  std::vector<std::string> names;
  std::array<int, kMaxFormulaParameters> parameterOfRow{-1, -1, -1, -1};
  LawSettings settings;
  for (int row = 0; row < kMaxFormulaParameters; ++row) {
    QLineEdit& nameBox = *rows_[row]->NameBox();
    MarkInputBox(nameBox, QString());
    const QString name = nameBox.text().trimmed();
    if (name.isEmpty()) continue;
    // A fifth name is refused by the compiler: its index is never used.
    parameterOfRow[row] = static_cast<int>(names.size());
    if (names.size() < kMaxFormulaParameters)
      settings.parameters[names.size()] = rows_[row]->Value();
    names.push_back(name.toStdString());
  }
  const CompiledFormula compiled = CompileFormula(formula_->text().toStdString(), names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    const QString message = TranslatedMessage(FormulaErrorSaid(*error));
    ShowError(message);
    QLineEdit* marked = formula_;
    for (int row = 0; row < kMaxFormulaParameters; ++row) {
      if (parameterOfRow[row] >= 0 && error->kind != FormulaErrorKind::kUnknownName &&
          error->kind != FormulaErrorKind::kSyntax && error->kind != FormulaErrorKind::kEmpty &&
          rows_[row]->NameBox()->text().trimmed().toStdString() == error->name) {
        marked = rows_[row]->NameBox();
      }
    }
    MarkInputBox(*marked, message);
    marked->setFocus(Qt::OtherFocusReason);
    if (marked == formula_ && error->position > 0) formula_->setCursorPosition(error->position - 1);
    return std::nullopt;
  }
  ShowError(QString());
  MarkInputBox(*formula_, QString());
  settings.formula = std::get<std::shared_ptr<const CustomFormula>>(compiled);
  applied_ = settings;
  parameterOfRow_ = parameterOfRow;
  return settings;
}

void FormulaPanel::OnApply() {
  if (Compile()) emit FormulaApplied();
}

void FormulaPanel::OnValueChanged(int row, double value) {
  const int parameter = parameterOfRow_[row];
  if (!applied_ || parameter < 0) return;
  applied_->parameters[parameter] = value;
  emit ValuesChanged();
}

void FormulaPanel::ShowError(const QString& text) {
  error_->setText(text);
  error_->setVisible(!text.isEmpty());
  // The window grows or shrinks with the message rather than squeeze the rows.
  QWidget* shown = window();
  if (shown == this || shown->layout() == nullptr) return;
  shown->layout()->activate();
  shown->resize(shown->width(), shown->layout()->hasHeightForWidth()
                                    ? shown->layout()->totalHeightForWidth(shown->width())
                                    : shown->sizeHint().height());
}
