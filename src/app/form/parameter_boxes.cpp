#include "app/form/parameter_boxes.h"

#include <QLineEdit>

#include "app/common/input_box_mark.h"
#include "app/form/control_lookup.h"
#include "messages/translated_message.h"

namespace {

// By ShadeField: rotations about Ox, Oy, Oz, the slant, s and n.
constexpr std::array<ControlName, kShadeFieldCount> kBoxNames = {{
    {"Text1"},
    {"Text2"},
    {"Text3", 0},
    {"Text4", 0},
    {"Text5"},
    {"Text6"},
}};

}  // namespace

ParameterBoxes::ParameterBoxes(const QWidget& window) {
  for (size_t field = 0; field < boxes_.size(); ++field) {
    QLineEdit* box = &FindControl<QLineEdit>(window, kBoxNames[field].name, kBoxNames[field].index);
    boxes_[field] = box;
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { MarkInputBox(*box, QString()); });
  }
}

std::string ParameterBoxes::Text(ShadeField field) const { return Box(field).text().toStdString(); }

ShadeInputs ParameterBoxes::Inputs() const {
  return ShadeInputs{Text(ShadeField::kRotX),   Text(ShadeField::kRotY),
                     Text(ShadeField::kRotZ),   Text(ShadeField::kSlant),
                     Text(ShadeField::kGlossS), Text(ShadeField::kGlossN)};
}

void ParameterBoxes::Mark(const InputError& error) const {
  MarkInputBox(Box(error.field), TranslatedMessage(error.said));
}
