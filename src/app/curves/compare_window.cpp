#include "app/curves/compare_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/core_texts.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_menu.h"
#include "figure/compared_row.h"
#include "figure/figure_frame.h"
#include "intake/law_texts.h"
#include "intake/number_text.h"
#include "model/startup_values.h"
#include "pass/raster_pass.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr int32_t kStartKinds[kMaxComparedLaws] = {kMatte,    kLommelSeeliger, kOrenNayar,
                                                   kMinnaert, kHapke,          kGlossy};

// "name=value; name=value" in the user's number format: the parameter's index and value.
struct NamedValue {
  QString name;
  double value;
};

std::optional<std::vector<NamedValue>> ReadParameters(const QString& text) {
  std::vector<NamedValue> values;
  for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
    const qsizetype equals = part.indexOf(u'=');
    if (equals <= 0) return std::nullopt;
    const NumberReading<double> value =
        ReadDouble(part.mid(equals + 1).trimmed().toStdString(), UserNumberFormat());
    if (!value.Ok()) return std::nullopt;
    values.push_back({part.left(equals).trimmed(), value.value});
  }
  return values;
}

}  // namespace

CompareWindow::CompareWindow(JobRunner& jobs, QWidget* parent)
    : CompanionWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("CompareWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "CompareWindow",
                                  QT_TRANSLATE_NOOP("CompareWindow", "Сравнить законы"));
  auto* controls = new QGridLayout;
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("CompareCount"));
  count_->setRange(2, kMaxComparedLaws);
  count_->setValue(3);
  controls->addWidget(
      TranslatedLabel(*this, "CompareWindow", QT_TRANSLATE_NOOP("CompareWindow", "Сфер:")), 0, 0);
  controls->addWidget(count_, 0, 1);
  for (int k = 0; k < kMaxComparedLaws; ++k) {
    functions_[k] = new QComboBox(this);
    functions_[k]->setObjectName(QStringLiteral("CompareFunction%1").arg(k + 1));
    for (const int32_t kind : {kMatte, kGlossy, kRocky, kMirror}) {
      functions_[k]->addItem(FunctionName(kind), kind);
    }
    for (const LawEntry& law : AdditionalLaws()) {
      if (law.kind == kFormula) continue;
      functions_[k]->addItem(FunctionName(law.kind), law.kind);
    }
    functions_[k]->setCurrentIndex(functions_[k]->findData(kStartKinds[k]));
    parameters_[k] = new QLineEdit(this);
    parameters_[k]->setObjectName(QStringLiteral("CompareParameters%1").arg(k + 1));
    TranslatedTexts::Of(*this).Keep(
        parameters_[k], &QLineEdit::setPlaceholderText, "CompareWindow",
        QT_TRANSLATE_NOOP("CompareWindow", "параметры: k=0,7; sigma=20"));
    controls->addWidget(functions_[k], 1 + k / 3, 2 * (k % 3));
    controls->addWidget(parameters_[k], 1 + k / 3, 2 * (k % 3) + 1);
    connect(functions_[k], &QComboBox::currentIndexChanged, this, &CompareWindow::Paint);
    connect(parameters_[k], &QLineEdit::editingFinished, this, &CompareWindow::Paint);
  }
  // The functions' names in the language in use; the row's captions take them at its next paint.
  TranslatedTexts::Of(*this).Keep([this] {
    for (QComboBox* functions : functions_) {
      for (int item = 0; item < functions->count(); ++item) {
        functions->setItemText(item, FunctionName(functions->itemData(item).toInt()));
      }
    }
  });
  connect(count_, &QSpinBox::valueChanged, this, &CompareWindow::Paint);
  const QSize row = ComparedRowSize({kDefaultPictureWidth, kDefaultPictureHeight}, 3, 3);
  picture_ = new PictureBox(row, this);
  picture_->setObjectName(QStringLiteral("ComparePicture"));
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(picture_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(scroll, 1);
  menu_ = new PictureMenu(
      *picture_, *this, [this] { return picture_->ImageWithArrowShown(); },
      [this] {
        const QSize sphere(kDefaultPictureWidth, kDefaultPictureHeight);
        const QStringList captions = captions_;
        const int columns = std::min(3, static_cast<int>(captions.size()));
        // The spheres alone on white, the captions drawn again as text over them.
        return PictureLayers{
            ComparedRowRaster(images_, columns), [sphere, captions, columns](QPainter& painter) {
              PaintComparedCaptions(painter, sphere, captions, columns, StandaloneFigureFont());
            }};
      });
  menu_->SetProposedName(QCoreApplication::translate("CompareWindow", "законы.png"));
  pass_ = new BackgroundPass(jobs, *picture_, this);
  pass_->setObjectName(QStringLiteral("ComparePass"));
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  resize(row.width() + 40, row.height() + 160);
}

void CompareWindow::SetSlot(int index, int32_t kind, const QString& parameters) {
  const QSignalBlocker quiet(functions_.at(index));
  functions_.at(index)->setCurrentIndex(functions_.at(index)->findData(kind));
  parameters_.at(index)->setText(parameters);
  Paint();
}

void CompareWindow::SetCount(int count) { count_->setValue(count); }

void CompareWindow::ShowPass(const LastPass& pass) {
  requested_ = pass;
  Paint();
}

void CompareWindow::CancelPass() { pass_->Cancel(); }

std::optional<RenderState> CompareWindow::SlotState(int index, const RenderState& pass) {
  QLineEdit& box = *parameters_.at(index);
  RenderState state = pass;
  state.reflectanceKind = functions_.at(index)->currentData().toInt();
  state.law = StartLawSettings(state.reflectanceKind);
  const std::optional<std::vector<NamedValue>> values = ReadParameters(box.text());
  const LawEntry* law = FindLaw(state.reflectanceKind);
  QString refusal;
  if (!values)
    refusal = QCoreApplication::translate("CompareWindow", "Пишите параметры так: k=0,7; sigma=20");
  for (const NamedValue& named : values.value_or(std::vector<NamedValue>{})) {
    if (state.reflectanceKind == kGlossy && (named.name == u"s" || named.name == u"n")) {
      (named.name == u"s" ? state.glossS : state.glossN) = named.value;
      continue;
    }
    const std::optional<int> at =
        law ? FindLawParameter(*law, named.name.toStdString()) : std::nullopt;
    if (!at || !InLawRange(law->parameters[static_cast<size_t>(*at)], named.value)) {
      refusal = QCoreApplication::translate(
                    "CompareWindow", "Нет такого параметра или значение вне его пределов: «%1»")
                    .arg(named.name);
      break;
    }
    state.law.parameters[static_cast<size_t>(*at)] = named.value;
  }
  MarkInputBox(box, refusal);
  if (!refusal.isEmpty()) return std::nullopt;
  return state;
}

void CompareWindow::Paint() {
  for (int k = 0; k < kMaxComparedLaws; ++k) {
    const bool used = k < count_->value();
    functions_[k]->setVisible(used);
    parameters_[k]->setVisible(used);
  }
  if (!requested_ || !isVisible()) return;
  auto states = std::make_shared<std::vector<RenderState>>();
  QStringList captions;
  for (int k = 0; k < count_->value(); ++k) {
    std::optional<RenderState> state = SlotState(k, requested_->state);
    if (!state) return;  // the marked box says why; the row shown stays
    states->push_back(*state);
    QString caption = functions_[k]->currentText();
    if (!parameters_[k]->text().trimmed().isEmpty())
      caption += QStringLiteral(", ") + parameters_[k]->text().trimmed();
    captions << caption;
  }
  const int ratio = picture_->ScreenPixelRatio();
  const QSize sphere(kDefaultPictureWidth, kDefaultPictureHeight);
  const int columns = std::min(3, static_cast<int>(states->size()));
  auto images = std::make_shared<std::vector<QImage>>();
  const bool smoothing = requested_->smoothing;
  pass_->Start(
      [states, images, ratio, sphere, smoothing] {
        for (RenderState& state : *states) {
          state.pixelScale = ScaledPixelScale(ratio);
          QImage image = BlankPictureImage(sphere, ratio);
          ImagePicture picture(image);
          RunRasterPass(state, picture, smoothing);
          images->push_back(image);
        }
      },
      [this, states, images, captions, columns] {
        states_ = *states;
        captions_ = captions;
        images_ = *images;
        const QImage row = ComparedRowImage(*images, captions, columns, StandaloneFigureFont());
        picture_->resize(row.deviceIndependentSize().toSize());
        picture_->SetImage(row);
        menu_->SetPictureReady(true);
        emit RowShown();
      });
}

void CompareWindow::OnShown() { Paint(); }

void CompareWindow::OnHidden() { pass_->Cancel(); }
