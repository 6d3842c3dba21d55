#include "app/form/control_tooltips.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

#include "app/common/locale_numbers.h"
#include "app/form/layout_table.h"
#include "app/language/translated_texts.h"
#include "model/render_state.h"

namespace {

struct Tip {
  const char* control;
  const char* text;  // "%1", "%2": numbers, written in the user's format
  double first = 0.0;
  double second = 0.0;
};

constexpr Tip kTips[] = {
    {"Text1",
     QT_TRANSLATE_NOOP("Form1", "Поворот наблюдателя вокруг оси Ox, градусы; обычно от −90 до 90")},
    {"Text2", QT_TRANSLATE_NOOP(
                  "Form1", "Поворот наблюдателя вокруг оси Oy, градусы; обычно от −180 до 180")},
    {"Text3_0", QT_TRANSLATE_NOOP(
                    "Form1", "Поворот наблюдателя вокруг оси Oz, градусы; обычно от −180 до 180")},
    {"Text4_0",
     QT_TRANSLATE_NOOP(
         "Form1",
         "Наклон источника света от направления на наблюдателя, градусы (фазовый угол g); обычно "
         "от 0 до 180")},
    {"Text5",
     QT_TRANSLATE_NOOP("Form1",
                       "Доля блика s в глянцевой функции, без единиц; обычно от 0 (матовая) до 1"),
     0.0, 1.0},
    {"Text6",
     QT_TRANSLATE_NOOP(
         "Form1",
         "Показатель n блика в глянцевой функции, без единиц; обычно от 1 до 100: чем больше, "
         "тем уже блик")},
    {"Option1", QT_TRANSLATE_NOOP("Form1", "Матовая поверхность (закон Ламберта): ф = cos i")},
    {"Option2",
     QT_TRANSLATE_NOOP(
         "Form1", "Глянцевая поверхность: матовое рассеяние и блик с долей s и показателем n")},
    {"Option3",
     QT_TRANSLATE_NOOP(
         "Form1", "Каменистая поверхность: ф = cos i / cos e; рельеф заметен при наклонном свете")},
    {"Option4",
     QT_TRANSLATE_NOOP("Form1", "Зеркальная поверхность: ф = 1 только там, где i = e и g = i + e")},
    {"Check1", QT_TRANSLATE_NOOP(
                   "Form1", "Тонировать только полушарие шара с z ≥ 0; без отметки — весь шар")},
    {"Check2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "Каждый пиксель — среднее четырёх отсчётов 2×2: края глаже, расчёт вчетверо дольше")},
    {"Check3",
     QT_TRANSLATE_NOOP(
         "Form1", "Изолинии — цветные полосы легенды; без отметки — светлые полосы на сером тоне")},
    // The pictures of the angles' signs: which way a positive angle turns.
    {"Image1",
     QT_TRANSLATE_NOOP("Form1",
                       "Положительный поворот по Ox сдвигает поверхность шара на рисунке вниз")},
    {"Image2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "Положительный поворот по Oy (при повороте по Ox, равном 0) поворачивает изображение шара "
         "против часовой стрелки")},
    {"Image3",
     QT_TRANSLATE_NOOP("Form1",
                       "Положительный поворот по Oz сдвигает поверхность шара на рисунке вправо")},
    {"Image4", QT_TRANSLATE_NOOP(
                   "Form1", "Положительный наклон источника сдвигает самое яркое место шара вниз")},
};

constexpr const char* kLevelTip = QT_TRANSLATE_NOOP(
    "Form1", "Уровень изолинии: значение ф, вокруг которого лежит полоса; обычно от %1 до %2");
constexpr const char* kHalfWidthTip = QT_TRANSLATE_NOOP(
    "Form1",
    "Полуширина полосы изолинии: полоса — уровень ± полуширина, без единиц; обычно от %1 до %2");
constexpr double kHalfWidthLow = 0.001;
constexpr double kHalfWidthHigh = 0.05;

QString Numbered(const char* text, double first, double second) {
  QString tip = QCoreApplication::translate("Form1", text);
  if (tip.contains(QStringLiteral("%1"))) tip = tip.arg(DoubleText(first), DoubleText(second));
  return tip;
}

void GiveToolTipsNow(QWidget& form) {
  for (const Tip& tip : kTips) {
    if (auto* control = form.findChild<QWidget*>(QString::fromUtf8(tip.control))) {
      SetOwnToolTip(*control, Numbered(tip.text, tip.first, tip.second));
    }
  }
  for (int row = 0; row < kIsoBandCount; ++row) {
    const int index = LegendControlIndex(row);
    if (auto* level = form.findChild<QWidget*>(ControlObjectName("Text8", index))) {
      SetOwnToolTip(*level, Numbered(kLevelTip, 0.0, 1.0));
    }
    if (auto* halfWidth = form.findChild<QWidget*>(ControlObjectName("Text7", index))) {
      SetOwnToolTip(*halfWidth, Numbered(kHalfWidthTip, kHalfWidthLow, kHalfWidthHigh));
    }
  }
}

}  // namespace

// Given again, in the new language, when it changes.
void GiveToolTips(QWidget& form) {
  TranslatedTexts::Of(form).Keep([&form] { GiveToolTipsNow(form); });
}
