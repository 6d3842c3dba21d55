#include "app/curves/parameter_values_row.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <variant>

#include "app/curves/parameter_values.h"
#include "app/language/translated_texts.h"
#include "photometry/law_catalogue.h"

ParameterValuesRow::ParameterValuesRow(QWidget* parent) : QWidget(parent) {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  caption_ = new QLabel(this);
  texts.Keep(caption_, &QLabel::setText, "ParameterValues",
             QT_TRANSLATE_NOOP("ParameterValues", "Кривые при значениях"));
  parameter_ = new QComboBox(this);
  parameter_->setObjectName(QStringLiteral("CurveParameter"));
  box_ = new QLineEdit(this);
  box_->setObjectName(QStringLiteral("CurveParameterValues"));
  texts.Keep(box_, &QLineEdit::setPlaceholderText, "ParameterValues",
             QT_TRANSLATE_NOOP("ParameterValues", "например 0,5; 1; 1,5 — Enter"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(caption_);
  layout->addWidget(parameter_);
  layout->addWidget(box_, 1);
  connect(box_, &QLineEdit::returnPressed, this, &ParameterValuesRow::Apply);
  connect(parameter_, &QComboBox::activated, this, [this] {
    if (!values_.empty()) Apply();
  });
}

const LawParameterSpec* ParameterValuesRow::Parameter() const {
  const LawEntry* law = FindLaw(kind_);
  const int chosen = parameter_->currentIndex();
  if (law == nullptr || chosen < 0 || chosen >= static_cast<int>(law->parameters.size())) {
    return nullptr;
  }
  return &law->parameters[static_cast<size_t>(chosen)];
}

void ParameterValuesRow::SetLaw(int32_t kind) {
  if (kind == kind_) return;
  kind_ = kind;
  values_.clear();
  box_->clear();
  parameter_->clear();
  const LawEntry* law = FindLaw(kind);
  if (law != nullptr) {
    for (const LawParameterSpec& spec : law->parameters) {
      parameter_->addItem(
          QString::fromUtf8(spec.name.data(), static_cast<qsizetype>(spec.name.size())));
    }
  }
  const bool some = parameter_->count() > 0;
  setEnabled(some);
  setToolTip(some
                 ? QString()
                 : QCoreApplication::translate("ParameterValues",
                                               "У этой функции нет параметров из каталога законов: "
                                               "выберите закон в «Функции»"));
}

bool ParameterValuesRow::Apply() {
  const LawParameterSpec* spec = Parameter();
  if (spec == nullptr) return false;
  const std::variant<std::vector<double>, QString> read = ReadParameterValues(box_->text(), *spec);
  if (const QString* reason = std::get_if<QString>(&read)) {
    QMessageBox::warning(this, window()->windowTitle(),
                         QCoreApplication::translate("ParameterValues",
                                                     "Значения «%1» не подходят: %2. Кривые не "
                                                     "изменены.")
                             .arg(box_->text(), *reason));
    return false;
  }
  index_ = parameter_->currentIndex();
  values_ = std::get<std::vector<double>>(read);
  emit ValuesChosen();
  return true;
}
