#include "app/map/sources_panel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "figure/figure_style.h"
#include "gradient/light_sources.h"
#include "intake/number_text.h"

namespace {

// The extra sources' first aims: 30 degrees from the view axis, a third of a turn apart.
constexpr std::array<LightAim, 2> kStartAims{{{30.0, 120.0}, {30.0, 240.0}}};
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
          "окна); источники 2 и 3 задаются наклоном от оси наблюдения и поворотом вокруг неё. "
          "Когда "
          "указатель на карте, для каждого источника рисуется изофота через эту ориентацию, а "
          "точки "
          "пересечения изофот отмечаются кольцами."));
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
  for (int k = 0; k < kExtraCount; ++k) {
    ExtraRow& row = rows_.at(static_cast<size_t>(k));
    const int number = k + 2;
    const int line = k + 2;
    row.aim = kStartAims.at(static_cast<size_t>(k));
    row.use = new QCheckBox(QString::number(number), this);
    row.use->setObjectName(QStringLiteral("Source%1").arg(number));
    texts.Keep("SourcesPanel", QT_TRANSLATE_NOOP("SourcesPanel", "Добавить источник %1 на карту"),
               [use = row.use, number](const QString& text) { use->setToolTip(text.arg(number)); });
    row.slant = AngleBox(QStringLiteral("Source%1Slant").arg(number), row.aim.slantDegrees,
                         kSlantTip, this);
    row.tilt =
        AngleBox(QStringLiteral("Source%1Tilt").arg(number), row.aim.tiltDegrees, kTiltTip, this);
    grid->addWidget(Swatch(number - 1, this), line, 0);
    grid->addWidget(row.use, line, 1);
    grid->addWidget(row.slant, line, 2);
    grid->addWidget(new QLabel(QStringLiteral("°"), this), line, 3);
    grid->addWidget(row.tilt, line, 4);
    grid->addWidget(new QLabel(QStringLiteral("°"), this), line, 5);
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
  grid->addWidget(litByAll_, kExtraCount + 2, 0, 1, 6);
  grid->setRowStretch(kExtraCount + 3, 1);
  connect(litByAll_, &QCheckBox::toggled, this, &SourcesPanel::Changed);
}

std::vector<UsedSource> SourcesPanel::ExtraSources() const {
  std::vector<UsedSource> sources;
  for (size_t k = 0; k < rows_.size(); ++k) {
    if (rows_.at(k).use->isChecked()) {
      sources.push_back({static_cast<int>(k) + 2, rows_.at(k).aim});
    }
  }
  return sources;
}

bool SourcesPanel::LitByAllChecked() const { return litByAll_->isChecked(); }

std::array<SourceSetup, 2> SourcesPanel::Setups() const {
  std::array<SourceSetup, 2> setups{};
  for (size_t k = 0; k < rows_.size(); ++k) {
    const ExtraRow& row = rows_.at(k);
    setups.at(k) = {row.use->isChecked(), row.aim.slantDegrees, row.aim.tiltDegrees};
  }
  return setups;
}

void SourcesPanel::Restore(const std::array<SourceSetup, 2>& sources, bool litByAll) {
  for (size_t k = 0; k < rows_.size(); ++k) {
    ExtraRow& row = rows_.at(k);
    row.slant->setText(ShortestText(sources.at(k).slant));
    row.tilt->setText(ShortestText(sources.at(k).tilt));
    row.use->setChecked(sources.at(k).used);
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
