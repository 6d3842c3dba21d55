#include "app/common/control_whats_this.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QWidget>

#include "app/language/translated_texts.h"

namespace {

constexpr const char* kSelfShadowText = QT_TRANSLATE_NOOP(
    "Form1",
    "<b>Зона самозатенения</b><br>Этим цветом показана узкая полоса вдоль линии ф = 0 с "
    "освещённой стороны: за ней поверхность уходит в собственную тень.");

struct WhatsThis {
  const char* control;  // an objectName, or the name of a control array
  const char* text;
};

// Exact names come before array names: Shape1_0 is the picture's backdrop, not a swatch.
constexpr WhatsThis kTexts[] = {
    {"Command1",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Тонировать</b><br>Рисует шар заново по значениям полей. То же делают Enter в поле "
         "ввода и F5.")},
    {"Picture1",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Рисунок</b><br>Сфера Гаусса радиусом 100 пикселей: тон или изолинии функции "
         "ф(i, e, g). После тонирования указатель над шаром показывает углы i, e, g и ф; правая "
         "кнопка — сохранить или копировать рисунок.")},
    {"Shape1_0",
     QT_TRANSLATE_NOOP("Form1", "<b>Рисунок</b><br>Поле, на котором рисуется сфера Гаусса.")},
    {"Text1",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Поворот наблюдения по Ox</b>, градусы<br>Положительный угол поднимает точку зрения к "
         "полюсу: поверхность шара на рисунке уходит вниз. Обычно от −90 до 90.")},
    {"Text2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Поворот наблюдения по Oy</b>, градусы<br>При повороте по Ox, равном 0, положительный "
         "угол поворачивает изображение шара против часовой стрелки. Обычно от −180 до 180.")},
    {"Text3_0",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Поворот наблюдения по Oz</b>, градусы<br>Положительный угол сдвигает поверхность шара "
         "на рисунке вправо. Обычно от −180 до 180.")},
    {"Text4_0",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Наклон источника</b>, градусы<br>Угол между источником света и направлением на "
         "наблюдателя, он же фазовый угол g. Положительный наклон сдвигает яркое место вниз. "
         "Обычно от 0 до 180.")},
    {"Image1",
     QT_TRANSLATE_NOOP(
         "Form1", "<b>Знаки поворота по Ox</b><br>Положительный угол сдвигает поверхность вниз.")},
    {"Image2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Знаки поворота по Oy</b><br>Положительный угол (при повороте по Ox, равном 0) "
         "поворачивает изображение против часовой стрелки.")},
    {"Image3",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Знаки поворота по Oz</b><br>Положительный угол сдвигает поверхность вправо.")},
    {"Image4",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Знаки наклона источника</b><br>Положительный наклон сдвигает яркое место вниз.")},
    {"Option1",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Матовая поверхность</b><br>Закон Ламберта: ф = cos i, яркость зависит только от угла "
         "падения.")},
    {"Option2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Глянцевая поверхность</b><br>Матовое рассеяние и блик: доля блика s и показатель n "
         "задаются в полях рядом.")},
    {"Text5",
     QT_TRANSLATE_NOOP("Form1",
                       "<b>s — доля блика</b><br>От 0 (матовая поверхность) до 1 (один блик).")},
    {"Text6",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>n — показатель блика</b><br>Обычно от 1 до 100: чем больше n, тем уже и ярче блик.")},
    {"Option3",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Каменистая поверхность</b><br>ф = cos i / cos e, как у грунта лунных морей; рельеф "
         "заметен только при наклонном освещении.")},
    {"Option4", QT_TRANSLATE_NOOP("Form1",
                                  "<b>Зеркальная поверхность</b><br>ф = 1 только там, где i = e и "
                                  "g = i + e: маленькое пятно "
                                  "посередине между полюсом и источником.")},
    {"Check1",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Половину шара</b><br>Тонировать только полушарие, обращённое к наблюдателю (z ≥ 0); "
         "без отметки — весь шар.")},
    {"Check2",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Сглаживание</b><br>Каждый пиксель — среднее четырёх отсчётов 2×2: края глаже, расчёт "
         "вчетверо дольше.")},
    {"Check3",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Изолинии в цвете</b><br>Отмечено — полосы легенды рисуются её цветами; без отметки — "
         "светлые полосы на сером тоне.")},
    {"Text8",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Уровень изолинии</b><br>Значение ф, вокруг которого лежит полоса этой строки легенды; "
         "обычно от 0 до 1.")},
    {"Text7",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Полуширина полосы</b><br>Полоса изолинии — уровень ± полуширина; обычно от 0,001 до "
         "0,05.")},
    {"Shape1",
     QT_TRANSLATE_NOOP(
         "Form1", "<b>Цвет изолинии</b><br>Цвет, которым рисуется полоса этой строки легенды.")},
    {"Shape2", kSelfShadowText},
    {"Label9", kSelfShadowText},
    // «Параметры функции».
    {"LawValue",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Значение параметра</b><br>Число в пределах, указанных в справке о законе; значение "
         "вне пределов поле не принимает и краснеет. Новое значение сразу тонирует шар.")},
    {"LawSlider",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Ползунок параметра</b><br>Пробегает пределы параметра; шар тонируется по ходу, не "
         "чаще одного прохода за кадр.")},
    {"LawMcEwen",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>L(g) по Мак-Юэну</b><br>Вес L не задаётся, а вычисляется по фазовому углу g "
         "(многочлен Мак-Юэна для Луны, 1996).")},
    {"LawHelpLink",
     QT_TRANSLATE_NOOP("Form1",
                       "<b>Справка о законе</b><br>Формула, параметры, пределы и источник.")},
    {"FormulaStart",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Начать с</b><br>Вписывает в поле формулу закона меню «Функция» с его параметрами; "
         "«Применить» рисует тот же шар, что и закон.")},
    {"FormulaBox",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Формула ф</b><br>Выражение от i, e, g (радианы), ci, ce, cg, pi и своих параметров. "
         "Enter или «Применить» читает его и тонирует.")},
    {"FormulaApply",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Применить</b><br>Читает формулу и имена параметров; прочитанная формула сразу "
         "тонирует, ошибка показывается под полем с номером позиции.")},
    {"FormulaName",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Имя параметра</b><br>Латинские буквы, цифры и _, начинается с буквы; пустая строка "
         "не участвует. Новое имя вступает в силу по «Применить».")},
    {"FormulaValue",
     QT_TRANSLATE_NOOP(
         "Form1",
         "<b>Значение параметра формулы</b><br>Любое конечное число; при применённой формуле "
         "сразу тонирует шар.")},
    {"FormulaSlider",
     QT_TRANSLATE_NOOP(
         "Form1", "<b>Ползунок параметра формулы</b><br>От −10 до 10; шар тонируется по ходу.")},
};

QString TextOfName(const QString& name) {
  for (const WhatsThis& entry : kTexts) {
    if (name == QLatin1String(entry.control)) {
      return QCoreApplication::translate("Form1", entry.text);
    }
  }
  return {};
}

}  // namespace

QString WhatsThisOfControl(const QString& objectName) {
  if (QString text = TextOfName(objectName); !text.isEmpty()) return text;
  static const QRegularExpression kArrayIndex(QStringLiteral("_\\d+$"));
  const QString arrayName = QString(objectName).remove(kArrayIndex);
  return arrayName == objectName ? QString() : TextOfName(arrayName);
}

// Given again, in the new language, when it changes.
void GiveWhatsThis(QWidget& form) {
  TranslatedTexts::Of(form).Keep([&form] {
    for (QWidget* control : form.findChildren<QWidget*>()) {
      const QString text = WhatsThisOfControl(control->objectName());
      if (!text.isEmpty()) control->setWhatsThis(text);
    }
  });
}
