#include "app/map/sources_panel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "figure/figure_style.h"
#include "gradient/light_sources.h"
#include "intake/number_text.h"

namespace {

LightAim StartAim(size_t index) {
  const SourceSetup& start = kStartExtraSources.at(index);
  return {start.slant, start.tilt};
}

constexpr int kBoxWidth = 56;
constexpr int kSwatchSize = 12;

QLabel* Swatch(int source, QWidget* parent) {
  auto* swatch = new QLabel(parent);
  const QColor colour = kSourceColours.at(static_cast<size_t>(source));
  swatch->setFixedSize(kSwatchSize, kSwatchSize);
  swatch->setStyleSheet(QStringLiteral("background: rgb(%1, %2, %3); border: 1px solid #555;")
                            .arg(colour.red())
                            .arg(colour.green())
                            .arg(colour.blue()));
  return swatch;
}

QLineEdit* AngleBox(const QString& name, double value, const char* tip, QWidget* parent) {
  auto* box = new QLineEdit(DoubleText(value), parent);
  box->setObjectName(name);
  box->setFixedWidth(kBoxWidth);
  box->setAlignment(Qt::AlignRight);
  TranslatedTexts::Of(*parent).Keep(box, &QWidget::setToolTip, "SourcesPanel", tip);
  return box;
}

// A text quoted in a box's mark is cut after this many characters.
constexpr qsizetype kQuotedCharacters = 40;

// An angle reads as the described slant box reads its text: a value too large for its radians
// to fit a 32-bit float would give the source no direction at all.
NumberReading<double> ReadSourceAngle(const QString& text) {
  return ReadAngleDegrees(text.toStdString(), UserNumberFormat());
}

QString AngleMark(const QString& text, NumberError error, double kept) {
  const QString quoted =
      text.size() > kQuotedCharacters ? text.left(kQuotedCharacters) + QStringLiteral("…") : text;
  const QString reason =
      error == NumberError::kOverflow
          ? QCoreApplication::translate("SourcesPanel", "— слишком большое число градусов")
          : QCoreApplication::translate("SourcesPanel", "не читается как число градусов");
  return QCoreApplication::translate("SourcesPanel", "«%1» %2; угол остаётся %3°")
      .arg(quoted, reason, DoubleText(kept));
}

constexpr const char* kSlantTip =
    QT_TRANSLATE_NOOP("SourcesPanel", "Наклон источника от оси наблюдения, градусы");
constexpr const char* kTiltTip = QT_TRANSLATE_NOOP(
    "SourcesPanel", "Поворот источника вокруг оси наблюдения, градусы; 0 — плоскость источника 1");

}  // namespace

SourcesPanel::SourcesPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("SourcesPanel"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(static_cast<QGroupBox*>(this), &QGroupBox::setTitle, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Источники"));
  texts.Keep(
      static_cast<QWidget*>(this), &QWidget::setWhatsThis, "SourcesPanel",
      QT_TRANSLATE_NOOP(
          "SourcesPanel",
          "Источники света для фотометрического стерео. Источник 1 — описанный (наклон из главного "
          "окна); источники 2–8 задаются наклоном от оси наблюдения и поворотом вокруг неё, "
          "источники с 4-го добавляет кнопка «Добавить». Когда указатель на карте, для каждого "
          "источника рисуется изофота через эту ориентацию, а точки пересечения изофот "
          "отмечаются кольцами."));
  auto* grid = new QGridLayout(this);
  grid->addWidget(Swatch(0, this), 0, 0);
  auto* first = new QLabel(this);
  texts.Keep(first, &QLabel::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "1: наклон из главного окна"));
  texts.Keep(first, &QWidget::setToolTip, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel",
                               "Источник 1 — описанный: его наклон задаёт главное окно, "
                               "поворот 0°; им тонируются шар и карта"));
  grid->addWidget(first, 0, 1, 1, 5);
  auto* slantHeading = new QLabel(this);
  texts.Keep(slantHeading, &QLabel::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "наклон"));
  grid->addWidget(slantHeading, 1, 2);
  auto* tiltHeading = new QLabel(this);
  texts.Keep(tiltHeading, &QLabel::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "поворот"));
  grid->addWidget(tiltHeading, 1, 4);
  for (int k = 0; k < kMaxExtraSources; ++k) {
    ExtraRow& row = rows_.at(static_cast<size_t>(k));
    const int number = k + 2;
    const int line = k + 2;
    row.aim = StartAim(static_cast<size_t>(k));
    row.use = new QCheckBox(QString::number(number), this);
    row.use->setObjectName(QStringLiteral("Source%1").arg(number));
    texts.Keep("SourcesPanel", QT_TRANSLATE_NOOP("SourcesPanel", "Добавить источник %1 на карту"),
               [use = row.use, number](const QString& text) { use->setToolTip(text.arg(number)); });
    row.slant = AngleBox(QStringLiteral("Source%1Slant").arg(number), row.aim.slantDegrees,
                         kSlantTip, this);
    row.tilt =
        AngleBox(QStringLiteral("Source%1Tilt").arg(number), row.aim.tiltDegrees, kTiltTip, this);
    row.swatch = Swatch(number - 1, this);
    row.degrees = {new QLabel(QStringLiteral("°"), this), new QLabel(QStringLiteral("°"), this)};
    grid->addWidget(row.swatch, line, 0);
    grid->addWidget(row.use, line, 1);
    grid->addWidget(row.slant, line, 2);
    grid->addWidget(row.degrees[0], line, 3);
    grid->addWidget(row.tilt, line, 4);
    grid->addWidget(row.degrees[1], line, 5);
    connect(row.use, &QCheckBox::toggled, this, &SourcesPanel::Changed);
    connect(row.slant, &QLineEdit::textChanged, this,
            [this, &row] { OnTextEdited(row, *row.slant, row.aim.slantDegrees); });
    connect(row.tilt, &QLineEdit::textChanged, this,
            [this, &row] { OnTextEdited(row, *row.tilt, row.aim.tiltDegrees); });
  }
  litByAll_ = new QCheckBox(this);
  texts.Keep(litByAll_, &QAbstractButton::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Освещено всеми"));
  litByAll_->setObjectName(QStringLiteral("LitByAll"));
  texts.Keep(
      litByAll_, &QWidget::setWhatsThis, "SourcesPanel",
      QT_TRANSLATE_NOOP(
          "SourcesPanel",
          "Штриховка ориентаций, которые освещены всеми используемыми источниками (cos i > 0 для "
          "каждого): только их фотометрическое стерео может восстановить."));
  texts.Keep(litByAll_, &QWidget::setToolTip, "SourcesPanel",
             QT_TRANSLATE_NOOP(
                 "SourcesPanel",
                 "Заштриховать ориентации, освещённые всеми источниками (cos i > 0 для каждого)"));
  add_ = new QPushButton(this);
  add_->setObjectName(QStringLiteral("SourcesAdd"));
  texts.Keep(add_, &QAbstractButton::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Добавить"));
  texts.Keep(add_, &QWidget::setToolTip, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Добавить ещё один источник (всего до восьми)"));
  remove_ = new QPushButton(this);
  remove_->setObjectName(QStringLiteral("SourcesRemove"));
  texts.Keep(remove_, &QAbstractButton::setText, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Убрать"));
  texts.Keep(remove_, &QWidget::setToolTip, "SourcesPanel",
             QT_TRANSLATE_NOOP("SourcesPanel", "Убрать последний добавленный источник"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(remove_);
  grid->addWidget(litByAll_, kMaxExtraSources + 2, 0, 1, 6);
  grid->addLayout(buttons, kMaxExtraSources + 3, 0, 1, 6);
  grid->setRowStretch(kMaxExtraSources + 4, 1);
  connect(litByAll_, &QCheckBox::toggled, this, &SourcesPanel::Changed);
  connect(add_, &QPushButton::clicked, this, &SourcesPanel::AddSource);
  connect(remove_, &QPushButton::clicked, this, &SourcesPanel::RemoveSource);
  ShowRows(kFixedExtraSources);
}

void SourcesPanel::AddSource() {
  if (count_ == kMaxExtraSources) return;
  ShowRows(count_ + 1);
  rows_.at(static_cast<size_t>(count_ - 1)).use->setChecked(true);  // emits Changed
}

void SourcesPanel::RemoveSource() {
  if (count_ == kFixedExtraSources) return;
  const bool used = rows_.at(static_cast<size_t>(count_ - 1)).use->isChecked();
  QSignalBlocker quiet(this);
  ShowRows(count_ - 1);
  if (used) {
    quiet.unblock();
    emit Changed();
  }
}

void SourcesPanel::ShowRows(int count) {
  count_ = count;
  for (size_t k = 0; k < rows_.size(); ++k) {
    ExtraRow& row = rows_.at(k);
    const bool shown = static_cast<int>(k) < count;
    if (!shown) SetRow(row, kStartExtraSources.at(k));
    for (QWidget* widget :
         {static_cast<QWidget*>(row.swatch), static_cast<QWidget*>(row.use),
          static_cast<QWidget*>(row.slant), static_cast<QWidget*>(row.tilt),
          static_cast<QWidget*>(row.degrees[0]), static_cast<QWidget*>(row.degrees[1])}) {
      widget->setVisible(shown);
    }
  }
  add_->setEnabled(count_ < kMaxExtraSources);
  remove_->setEnabled(count_ > kFixedExtraSources);
}

void SourcesPanel::SetRow(ExtraRow& row, const SourceSetup& setup) {
  row.slant->setText(ShortestText(setup.slant));
  row.tilt->setText(ShortestText(setup.tilt));
  row.use->setChecked(setup.used);
}

std::vector<UsedSource> SourcesPanel::ExtraSources() const {
  std::vector<UsedSource> sources;
  for (size_t k = 0; k < static_cast<size_t>(count_); ++k) {
    if (rows_.at(k).use->isChecked()) {
      sources.push_back({static_cast<int>(k) + 2, rows_.at(k).aim});
    }
  }
  return sources;
}

bool SourcesPanel::LitByAllChecked() const { return litByAll_->isChecked(); }

std::vector<SourceSetup> SourcesPanel::Setups() const {
  std::vector<SourceSetup> setups;
  for (size_t k = 0; k < static_cast<size_t>(count_); ++k) {
    const ExtraRow& row = rows_.at(k);
    setups.push_back({row.use->isChecked(), row.aim.slantDegrees, row.aim.tiltDegrees});
  }
  return setups;
}

void SourcesPanel::Restore(const std::vector<SourceSetup>& sources, bool litByAll) {
  const size_t count = std::clamp(sources.size(), static_cast<size_t>(kFixedExtraSources),
                                  static_cast<size_t>(kMaxExtraSources));
  ShowRows(static_cast<int>(count));
  for (size_t k = 0; k < count; ++k) {
    SetRow(rows_.at(k), k < sources.size() ? sources.at(k) : kStartExtraSources.at(k));
  }
  litByAll_->setChecked(litByAll);
}

// A text that reads gives the angle its value; one that does not, or one too large, marks the
// box, and the angle keeps its last value.
void SourcesPanel::OnTextEdited(ExtraRow& row, QLineEdit& box, double& value) {
  const NumberReading<double> reading = ReadSourceAngle(box.text());
  const QString tip =
      QCoreApplication::translate("SourcesPanel", &box == row.slant ? kSlantTip : kTiltTip);
  if (!reading.Ok()) {
    MarkInputBox(box, AngleMark(box.text(), reading.error, value));
    return;
  }
  MarkInputBox(box, QString());
  box.setToolTip(tip);
  if (reading.value == value) return;
  value = reading.value;
  if (row.use->isChecked()) emit Changed();
}
