#include "app/form/form1.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <vector>

#include "app/common/control_whats_this.h"
#include "app/common/locale_numbers.h"
#include "app/form/control_factory.h"
#include "app/form/control_lookup.h"
#include "app/form/control_tooltips.h"
#include "app/form/form_link.h"
#include "app/form/layout_fonts.h"
#include "app/form/layout_table.h"
#include "app/form/legend_panel.h"
#include "app/form/live_shading.h"
#include "app/form/observer_arrow_view.h"
#include "app/form/parameter_boxes.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "app/picture/picture_box.h"
#include "model/startup_values.h"
#include "pass/job_runner.h"

namespace {

constexpr int kStartupPeriodMs = 10;  // Timer1
constexpr const char* kGlossyCaption = QT_TRANSLATE_NOOP("Form1", "Глянцевая");
constexpr int kOptionCount = 4;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  control_ = new FormLink(*this);
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle, "Form1",
                                  kWindowCaption);
  setWindowIcon(QIcon(QString::fromUtf8(kWindowIcon)));
  setFont(LayoutFont(kWindowFontFamily, kWindowFontPoints));
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

  BuildControls(*this, WindowControls());
  FindControls();
  const std::span<const ControlName> order = TabOrder();
  for (size_t k = 1; k < order.size(); ++k) {
    setTabOrder(&FindControl<QWidget>(*this, order[k - 1].name, order[k - 1].index),
                &FindControl<QWidget>(*this, order[k].name, order[k].index));
  }

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setSingleShot(true);
  timer1_->setInterval(kStartupPeriodMs);
  arrow_ = new ObserverArrowView(*picture1_, *label6_, this);

  ConnectHandlers();
  ConnectKeys();
  GiveToolTips(*this);
  GiveWhatsThis(*this);
  SetUpPictureAdditions();
  jobs_ = std::make_unique<JobRunner>();
  spherePass_ = new BackgroundPass(*jobs_, *picture1_, this);
  spherePass_->setObjectName(QStringLiteral("SpherePass"));
  live_ = new LiveShading(
      *parameters_, *picture1_, [this] { OnCommand1Clicked(); }, this);
  RunStartup();
  timer1_->start();
}

// The runner stops first: its pass ends at its next block and reports to nothing. A form that is
// a window of its own is hidden as its base class goes, after its members: live shading, which
// reads the parameter boxes, stops watching first.
Form1::~Form1() {
  jobs_.reset();
  delete live_;
}

void Form1::FindControls() {
  parameters_ = std::make_unique<ParameterBoxes>(*this);
  legend_ = std::make_unique<LegendPanel>(*this);
  picture1_ = &FindControl<PictureBox>(*this, "Picture1");
  label6_ = &FindControl<QLabel>(*this, "Label6");
  for (int k = 1; k <= kOptionCount; ++k) {
    option_[k] =
        &FindControl<QRadioButton>(*this, QStringLiteral("Option%1").arg(k).toUtf8().constData());
  }
  label4_ = &FindControl<QLabel>(*this, "Label4");
  image1_ = &FindControl<QLabel>(*this, "Image1");
  image4_ = &FindControl<QLabel>(*this, "Image4");
  image5_ = &FindControl<QLabel>(*this, "Image5");
  image6_ = &FindControl<QLabel>(*this, "Image6");
  check1_ = &FindControl<QCheckBox>(*this, "Check1");
  check2_ = &FindControl<QCheckBox>(*this, "Check2");
  check3_ = &FindControl<QCheckBox>(*this, "Check3");
  command1_ = &FindControl<QPushButton>(*this, "Command1");
}

void Form1::ConnectHandlers() {
  connect(timer1_, &QTimer::timeout, this, &Form1::OnTimer1Timeout);
  connect(check1_, &QCheckBox::stateChanged, this, &Form1::OnCheck1StateChanged);
  connect(check3_, &QCheckBox::stateChanged, this, &Form1::OnCheck3StateChanged);
  for (int k = 1; k <= kOptionCount; ++k) {
    // Selected by click, keyboard or program alike; reselecting the selected one does nothing.
    connect(option_[k], &QRadioButton::toggled, this,
            [this, k](bool selected) { OnOptionToggled(k, selected); });
  }
  for (LegendColumn column : kLegendColumns) {
    for (int row = 0; row < kIsoBandCount; ++row) {
      connect(&legend_->Box(column, row), &QLineEdit::textChanged, this,
              [this, column] { OnLegendTextChanged(column); });
    }
  }
  connect(picture1_, &PictureBox::clicked, this, &Form1::OnPicture1Clicked);
  connect(command1_, &QPushButton::clicked, this, &Form1::OnCommand1Clicked);
}

// Enter (either key) in a parameter or legend box, and F5 anywhere, press the shade button: the
// same handler, so a marked legend box refuses as the button does.
void Form1::ConnectKeys() {
  std::vector<QLineEdit*> boxes(parameters_->All().begin(), parameters_->All().end());
  for (QLineEdit* box : legend_->Boxes()) boxes.push_back(box);
  for (QLineEdit* box : boxes) {
    connect(box, &QLineEdit::returnPressed, command1_, &QPushButton::click);
  }
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(f5, &QShortcut::activated, command1_, &QPushButton::click);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &Form1::CancelPasses);
}

void Form1::RunStartup() {
  // pixelScale, reflectanceKind, isoLevel, isoHalfWidth, background, halfSphere, showIsolines.
  ApplyStartupValues(state_);

  parameters_->Box(ShadeField::kGlossS).setText(UserText(kStartupGlossSText));
  image4_->setPixmap(image1_->pixmap());
  // The legend boxes show the stored values; their change handlers ignore these writes.
  legend_->ShowStartupTexts();
  image6_->show();
  image5_->hide();
  image6_->setPixmap(image5_->pixmap());
  SetOption2Caption(kGlossyCaption);
  picture1_->SetBackgroundColour(
      QColor(state_.backgroundR, state_.backgroundG, state_.backgroundB));
  check1_->setChecked(state_.halfSphere == 1);
  check3_->setChecked(state_.showIsolines == 1);
  arrow_->Place();
}

void Form1::OnTimer1Timeout() {
  timer1_->stop();
  startupPeriod_ = false;
}
