#include "app/form1.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <cmath>
#include <vector>

#include "app/control_factory.h"
#include "app/control_tooltips.h"
#include "app/input_box_mark.h"
#include "app/layout_fonts.h"
#include "app/layout_table.h"
#include "app/locale_numbers.h"
#include "app/picture_box.h"
#include "app/shape_widget.h"
#include "model/startup_values.h"

namespace {

constexpr int kStartupPeriodMs = 10;    // Timer1
constexpr int kBlinkIntervalMs = 1000;  // Timer2

constexpr const char* kPlusMinus = "± ";
constexpr const char* kGlossyCaption = "Глянцевая";
constexpr int kFirstPlusMinusLabel = 4;  // Label2(4) to Label2(10) stand between the legend boxes
constexpr int kLastPlusMinusLabel = 10;

// The observer arrow's head strokes start this many pixels either side of the shaft.
constexpr int kArrowHeadHalfWidth = 6;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kWindowCaption));
  setWindowIcon(QIcon(QString::fromUtf8(kWindowIcon)));
  setFont(LayoutFont(kWindowFontFamily, kWindowFontPoints));
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

  BuildControls(*this, WindowControls());
  FindControls();
  const std::span<const ControlName> order = TabOrder();
  for (size_t k = 1; k < order.size(); ++k) {
    setTabOrder(Control<QWidget>(order[k - 1].name, order[k - 1].index),
                Control<QWidget>(order[k].name, order[k].index));
  }

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setSingleShot(true);
  timer1_->setInterval(kStartupPeriodMs);
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  timer2_->setInterval(kBlinkIntervalMs);

  ConnectHandlers();
  ConnectKeys();
  GiveToolTips(*this);
  SetUpPictureAdditions();
  RunStartup();
  timer1_->start();
}

template <typename T>
T* Form1::Control(const char* name, int index) const {
  T* control = findChild<T*>(ControlObjectName(name, index));
  Q_ASSERT(control != nullptr);
  return control;
}

void Form1::FindControls() {
  picture1_ = Control<PictureBox>("Picture1");
  label6_ = Control<QLabel>("Label6");
  text1_ = Control<QLineEdit>("Text1");
  text2_ = Control<QLineEdit>("Text2");
  text3_ = Control<QLineEdit>("Text3", 0);
  text4_ = Control<QLineEdit>("Text4", 0);
  text5_ = Control<QLineEdit>("Text5");
  text6_ = Control<QLineEdit>("Text6");
  for (int k = 1; k <= kIsoBandCount; ++k) {
    text7_[k] = Control<QLineEdit>("Text7", k);
    text8_[k] = Control<QLineEdit>("Text8", k);
  }
  for (int k = 0; k <= kIsoBandCount; ++k) shape1_[k] = Control<ShapeWidget>("Shape1", k);
  for (int k = 0; k <= kLastPlusMinusLabel; ++k) label2_[k] = Control<QLabel>("Label2", k);
  for (int k = 1; k <= 4; ++k) {
    option_[k] = Control<QRadioButton>(QStringLiteral("Option%1").arg(k).toUtf8().constData());
  }
  label4_ = Control<QLabel>("Label4");
  image1_ = Control<QLabel>("Image1");
  image4_ = Control<QLabel>("Image4");
  image5_ = Control<QLabel>("Image5");
  image6_ = Control<QLabel>("Image6");
  check1_ = Control<QCheckBox>("Check1");
  check2_ = Control<QCheckBox>("Check2");
  check3_ = Control<QCheckBox>("Check3");
  command1_ = Control<QPushButton>("Command1");
}

void Form1::ConnectHandlers() {
  connect(timer1_, &QTimer::timeout, this, &Form1::OnTimer1Timeout);
  connect(timer2_, &QTimer::timeout, this, &Form1::OnTimer2Timeout);
  connect(check1_, &QCheckBox::stateChanged, this, &Form1::OnCheck1StateChanged);
  connect(check3_, &QCheckBox::stateChanged, this, &Form1::OnCheck3StateChanged);
  for (int k = 1; k <= 4; ++k) {
    // Selected by click, keyboard or program alike; reselecting the selected one does nothing.
    connect(option_[k], &QRadioButton::toggled, this,
            [this, k](bool selected) { OnOptionToggled(k, selected); });
  }
  for (int k = 1; k <= kIsoBandCount; ++k) {
    connect(text8_[k], &QLineEdit::textChanged, this, &Form1::OnLevelTextChanged);
    connect(text7_[k], &QLineEdit::textChanged, this, &Form1::OnHalfWidthTextChanged);
  }
  connect(picture1_, &PictureBox::clicked, this, &Form1::OnPicture1Clicked);
  connect(command1_, &QPushButton::clicked, this, &Form1::OnCommand1Clicked);
  // A parameter box keeps the mark of an input error until its text changes.
  for (QLineEdit* box : {text1_, text2_, text3_, text4_, text5_, text6_}) {
    connect(box, &QLineEdit::textChanged, this, [box] { MarkInputBox(*box, QString()); });
  }
}

// Enter (either key) in a parameter or legend box, and F5 anywhere, press the shade button: the
// same handler, so a marked legend box refuses as the button does.
void Form1::ConnectKeys() {
  std::vector<QLineEdit*> boxes = {text1_, text2_, text3_, text4_, text5_, text6_};
  for (int k = 1; k <= kIsoBandCount; ++k) {
    boxes.push_back(text7_[k]);
    boxes.push_back(text8_[k]);
  }
  for (QLineEdit* box : boxes) {
    connect(box, &QLineEdit::returnPressed, command1_, &QPushButton::click);
  }
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(f5, &QShortcut::activated, command1_, &QPushButton::click);
}

void Form1::RunStartup() {
  // pixelScale, reflectanceKind, isoLevel, isoHalfWidth, background, halfSphere, showIsolines.
  ApplyStartupValues(state_);

  text5_->setText(UserText(kStartupGlossSText));
  image4_->setPixmap(image1_->pixmap());
  // The legend boxes show the stored values; their change handlers ignore these writes.
  for (int row = 0; row < kIsoBandCount; ++row) {
    text8_[LegendControlIndex(row)]->setText(UserText(kStartupLevelTexts[row]));
    text7_[LegendControlIndex(row)]->setText(UserText(kStartupHalfWidthTexts[row]));
  }
  for (int k = kFirstPlusMinusLabel; k <= kLastPlusMinusLabel; ++k) {
    label2_[k]->setText(QString::fromUtf8(kPlusMinus));
  }
  image6_->show();
  image5_->hide();
  image6_->setPixmap(image5_->pixmap());
  option_[2]->setText(QString::fromUtf8(kGlossyCaption));
  picture1_->SetBackgroundColour(
      QColor(state_.backgroundR, state_.backgroundG, state_.backgroundB));
  check1_->setChecked(state_.halfSphere == 1);
  check3_->setChecked(state_.showIsolines == 1);
  PlaceObserverArrow();
}

// The arrow stands upright in the middle of the picture; its y coordinates stay as laid out.
void Form1::PlaceObserverArrow() {
  const int centre = static_cast<int>(std::nearbyint(static_cast<double>(picture1_->Width()))) / 2;
  const std::array<int, kArrowLineCount> startX = {centre, centre + kArrowHeadHalfWidth,
                                                   centre - kArrowHeadHalfWidth};
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine arrow = picture1_->ArrowLineAt(line);
    arrow.p1.setX(startX[line - 1]);
    arrow.p2.setX(centre);
    picture1_->SetArrowLine(line, arrow);
  }
}

void Form1::OnTimer1Timeout() {
  timer1_->stop();
  startupPeriod_ = false;
}
