#include "app/form/control_factory.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/form/layout_fonts.h"
#include "app/form/line_widget.h"
#include "app/form/shape_widget.h"
#include "app/form/wrapping_check_box.h"
#include "app/language/translated_texts.h"
#include "app/picture/picture_box.h"

namespace {

QString Text(const ControlSpec& spec) { return QString::fromUtf8(spec.text); }

// A caption set now in the language in use, and again whenever it changes. A control without
// one keeps what the program writes in it (the legend's "± "), language changes or not.
template <typename Widget, typename Base>
void KeepCaption(const ControlSpec& spec, Widget* widget, void (Base::*set)(const QString&)) {
  if (*spec.text == '\0') return;
  TranslatedTexts::Of(*widget).Keep(widget, set, "Form1", spec.text);
}

QWidget* MakeShape(const ControlSpec& spec, QWidget* parent) {
  auto* shape = new ShapeWidget(parent);
  shape->SetBorder(ResolveColour(spec.border, shape->palette()), spec.borderPixels);
  shape->SetFillColour(ResolveColour(spec.fill, shape->palette()));
  return shape;
}

QWidget* MakePictureBox(const ControlSpec& spec, QWidget* parent) {
  auto* picture = new PictureBox(ControlPixelRect(spec).size(), parent);
  picture->SetBackgroundColour(ResolveColour(spec.fill, picture->palette()));
  picture->SetFillColour(ResolveColour(spec.fill, picture->palette()));
  return picture;
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  KeepCaption(spec, label, &QLabel::setText);
  label->setAlignment(spec.alignment);
  label->setWordWrap(spec.wrap);
  return label;
}

QWidget* MakeImage(const ControlSpec& spec, QWidget* parent) {
  auto* image = new QLabel(parent);
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // unscaled, from the top-left corner
  if (spec.picture != nullptr) image->setPixmap(QPixmap(QString::fromUtf8(spec.picture)));
  return image;
}

QWidget* MakeTextBox(const ControlSpec& spec, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setText(Text(spec));
  box->setAlignment(spec.alignment);
  return box;
}

QWidget* MakeOptionButton(const ControlSpec& spec, QWidget* parent) {
  auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
  if (group == nullptr) group = new QButtonGroup(parent);  // all option buttons, one selected
  auto* option = new QRadioButton(parent);
  KeepCaption(spec, option, &QAbstractButton::setText);
  group->addButton(option);
  option->setChecked(spec.checked);
  return option;
}

QWidget* MakeCheckBox(const ControlSpec& spec, QWidget* parent) {
  auto* check = new WrappingCheckBox(parent);
  KeepCaption(spec, check, &QAbstractButton::setText);
  check->setChecked(spec.checked);
  return check;
}

QWidget* MakeCommandButton(const ControlSpec& spec, QWidget* parent) {
  auto* button = new QPushButton(parent);
  KeepCaption(spec, button, &QAbstractButton::setText);
  button->setAutoDefault(false);
  return button;
}

QWidget* MakeLine(const ControlSpec& spec, QWidget* parent) {
  auto* line = new LineWidget(parent);
  line->SetColour(ResolveColour(spec.fill, line->palette()));
  return line;
}

QWidget* MakeFrame(const ControlSpec& spec, QWidget* parent) {
  auto* frame = new QGroupBox(parent);
  KeepCaption(spec, frame, &QGroupBox::setTitle);
  return frame;
}

// "Line2" is line 2 of the arrow.
int ArrowLineNumber(const ControlSpec& spec) { return QString::fromUtf8(spec.name).mid(4).toInt(); }

void AddArrowLine(const ControlSpec& spec, QWidget* container) {
  auto* picture = qobject_cast<PictureBox*>(container);
  Q_ASSERT(picture != nullptr);
  ArrowLine line;
  line.p1 = QPoint(TwipsToPixels(spec.left), TwipsToPixels(spec.top));
  line.p2 = QPoint(TwipsToPixels(spec.x2), TwipsToPixels(spec.y2));
  line.visible = spec.visible;
  picture->SetArrowLine(ArrowLineNumber(spec), line);
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::kShape:
      return MakeShape(spec, parent);
    case ControlKind::kPictureBox:
      return MakePictureBox(spec, parent);
    case ControlKind::kLabel:
      return MakeLabel(spec, parent);
    case ControlKind::kImage:
      return MakeImage(spec, parent);
    case ControlKind::kTextBox:
      return MakeTextBox(spec, parent);
    case ControlKind::kOptionButton:
      return MakeOptionButton(spec, parent);
    case ControlKind::kCheckBox:
      return MakeCheckBox(spec, parent);
    case ControlKind::kCommandButton:
      return MakeCommandButton(spec, parent);
    case ControlKind::kLine:
      return MakeLine(spec, parent);
    case ControlKind::kFrame:
      return MakeFrame(spec, parent);
    case ControlKind::kArrowLine:
      break;
  }
  return nullptr;
}

}  // namespace

QRect ControlPixelRect(const ControlSpec& spec) {
  if (spec.kind == ControlKind::kLine || spec.kind == ControlKind::kArrowLine) {
    const int x1 = TwipsToPixels(std::min(spec.left, spec.x2));
    const int x2 = TwipsToPixels(std::max(spec.left, spec.x2));
    const int y = TwipsToPixels(std::min(spec.top, spec.y2));
    return QRect(x1, y, x2 - x1, spec.borderPixels);
  }
  return QRect(TwipsToPixels(spec.left), TwipsToPixels(spec.top), TwipsToPixels(spec.width),
               TwipsToPixels(spec.height));
}

void BuildControls(QWidget& window, std::span<const ControlSpec> controls) {
  for (const ControlSpec& spec : controls) {
    QWidget* container = &window;
    if (spec.container != nullptr) {
      container = window.findChild<QWidget*>(QString::fromUtf8(spec.container));
      Q_ASSERT(container != nullptr);  // containers come before what they hold
    }
    if (spec.kind == ControlKind::kArrowLine) {
      AddArrowLine(spec, container);
      continue;
    }
    QWidget* widget = MakeWidget(spec, container);
    widget->setObjectName(ControlObjectName(spec.name, spec.index));
    widget->setGeometry(ControlPixelRect(spec));
    if (spec.font.family != nullptr)
      widget->setFont(LayoutFont(spec.font.family, spec.font.points));
    if (!spec.visible) widget->hide();
  }
}
