#include "app/language/core_message_table.h"

#include <QtGlobal>
#include <array>

namespace {

// Word for word as the core writes them: intake/input_messages.cpp, number_text.cpp,
// law_texts.cpp, elevation/elevation_messages.cpp, photoset/*.cpp, recovery/light_check.cpp,
// recover_shape.cpp and setup/*.cpp. A text without a placeholder is a part that other templates
// hold.
constexpr std::array kTemplates = {
    // A parameter box that does not read (the shade command's message box and the box's mark).
    QT_TRANSLATE_NOOP("CoreMessages", "Поле «%1» содержит «%2»: число слишком велико."),
    QT_TRANSLATE_NOOP("CoreMessages", "Поле «%1» не заполнено: введите число."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Поле «%1» содержит «%2»: это не число, дробную часть отделяйте %3."),
    QT_TRANSLATE_NOOP("CoreMessages", "Поле «%1» содержит «%2»: это не число."),
    QT_TRANSLATE_NOOP("CoreMessages", "Поворот по Ox"),
    QT_TRANSLATE_NOOP("CoreMessages", "Поворот по Oy"),
    QT_TRANSLATE_NOOP("CoreMessages", "Поворот по Oz"),
    QT_TRANSLATE_NOOP("CoreMessages", "Наклон источника"),
    QT_TRANSLATE_NOOP("CoreMessages", "точкой"),
    QT_TRANSLATE_NOOP("CoreMessages", "запятой"),
    QT_TRANSLATE_NOOP("CoreMessages", "знаком «%1»"),
    // A legend box that does not read: its mark, and the shade button's refusal.
    QT_TRANSLATE_NOOP("CoreMessages", "%1; в расчёте остаётся %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "«%1» — слишком большое число"),
    QT_TRANSLATE_NOOP("CoreMessages", "поле пусто"),
    QT_TRANSLATE_NOOP("CoreMessages", "«%1» — не число: дробную часть отделяйте %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "«%1» — не число"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Тонирование не выполнено.\n%1 изолинии в строке %2 легенды: %3. Полей с "
                      "ошибкой ещё: %4.\n%5"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Тонирование не выполнено.\n%1 изолинии в строке %2 легенды: %3.\n%4"),
    QT_TRANSLATE_NOOP("CoreMessages", "Уровень"),
    QT_TRANSLATE_NOOP("CoreMessages", "Полуширина"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Исправьте поля, отмеченные красным, и нажмите «Тонировать» снова."),
    QT_TRANSLATE_NOOP("CoreMessages", "Исправьте это поле и нажмите «Тонировать» снова."),
    // A custom formula or a parameter name refused.
    QT_TRANSLATE_NOOP("CoreMessages", "Формула пуста: введите выражение. %1"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Формула знает i, e, g (углы в радианах), ci, ce, cg (их косинусы), pi, "
                      "свои параметры и функции sin, cos, tan, asin, acos, atan, sqrt, exp, ln, "
                      "log10, abs, min, max; степень — ^."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Формула слишком длинная: её длина %1, а допустимо не больше %2 знаков."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Формула не прочитана: в позиции %1 неизвестное имя «%2». %3"),
    QT_TRANSLATE_NOOP("CoreMessages", "Формула не прочитана: в позиции %1 %2."),
    QT_TRANSLATE_NOOP("CoreMessages", "не закрыта скобка"),
    QT_TRANSLATE_NOOP("CoreMessages", "лишняя или пустая скобка"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "выражение оборвано: после знака действия нет слагаемого или множителя"),
    QT_TRANSLATE_NOOP("CoreMessages", "у функции «%1» не то число аргументов"),
    QT_TRANSLATE_NOOP("CoreMessages", "запятая вне скобок функции: формула даёт одно значение"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "неожиданный знак или имя «%1»; проверьте знаки действий, скобки и запятые "
                      "между аргументами функций"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Имя параметра «%1» не годится: оно начинается с латинской буквы, состоит "
                      "из латинских букв, цифр и знаков подчёркивания и не длиннее %2 знаков."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Имя параметра «%1» уже занято переменной, постоянной или функцией формулы."),
    QT_TRANSLATE_NOOP("CoreMessages", "Параметр «%1» назван дважды."),
    QT_TRANSLATE_NOOP("CoreMessages", "У формулы не больше четырёх параметров: лишний — «%1»."),
    QT_TRANSLATE_NOOP("CoreMessages", "Формула не прочитана."),
    // An elevation model that does not read. The reason that holds brackets of its own comes
    // before the general form, which would take its brackets for GDAL's words.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Не удалось прочитать модель рельефа «%1»: это не обычный файл (папка, "
                      "канал или устройство)."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Не удалось прочитать модель рельефа «%1»: файл данных «%2» — это не "
                      "обычный файл (папка, канал или устройство)."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Не удалось прочитать модель рельефа «%1»: в строке %2 вместо числа «%3»."),
    QT_TRANSLATE_NOOP("CoreMessages", "Не удалось прочитать модель рельефа «%1»: %2 (%3)."),
    QT_TRANSLATE_NOOP("CoreMessages", "Не удалось прочитать модель рельефа «%1»: %2."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "шаг сетки должен быть положительным числом, а масштаб высот — конечным"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не найден"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл пуст"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "формат файла не распознан; читаются GeoTIFF, ASCII-сетка, ENVI, PDS, ISIS3 "
                      "и PNG"),
    QT_TRANSLATE_NOOP("CoreMessages", "заголовок файла повреждён или обрезан"),
    QT_TRANSLATE_NOOP("CoreMessages", "в файле нет ни одного канала с данными"),
    QT_TRANSLATE_NOOP("CoreMessages", "канала %1 нет, каналов в файле: %2"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "сетка повёрнута относительно осей координат, такие сетки не читаются"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "шаг сетки в географической привязке равен нулю или не является числом"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "сетка %1 слишком велика; читаются не более %2 млн ячеек и не более %3 "
                      "ячеек по стороне"),
    QT_TRANSLATE_NOOP("CoreMessages", "не хватает памяти для сетки %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "данные не читаются, файл повреждён или обрезан"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "нет ни одной ячейки с высотой, все ячейки помечены как пропуски"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "данных в файле меньше, чем указано в заголовке: нужно %1 байт, в файле %2"),
    // A photo folder that does not read: «file», line N: reason.
    QT_TRANSLATE_NOOP("CoreMessages", "«%1», строка %2: %3."),
    QT_TRANSLATE_NOOP("CoreMessages", "«%1»: %2."),
    QT_TRANSLATE_NOOP("CoreMessages", "файла нет в папке набора"),
    QT_TRANSLATE_NOOP("CoreMessages", "это не обычный файл (папка, канал или устройство)"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл больше %1 МБ, это не список набора снимков"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения (%1)"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не читается (%1)"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не читается как изображение (%1)"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 для %2 из filenames.txt"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n строка"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n строки"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n строк"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n снимок"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n снимка"),
    QT_TRANSLATE_N_NOOP("CoreMessages", "%n снимков"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "нужны три конечных числа через пробел, с точкой в дробной части, а не «%1»"),
    QT_TRANSLATE_NOOP("CoreMessages", "нулевой вектор не задаёт направления"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "источник не со стороны камеры (z ≤ 0), его свет не падает на то, что видит "
                      "камера"),
    QT_TRANSLATE_NOOP("CoreMessages", "яркость источника должна быть больше нуля"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "%1 по %2 — это %3 отсчётов, больше предела в %4 млн отсчётов на набор"),
    QT_TRANSLATE_NOOP("CoreMessages", "размер снимка %1, а у первого, «%2», — %3"),
    QT_TRANSLATE_NOOP("CoreMessages", "размер маски %1, а у снимков — %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "в списке нет ни одного снимка"),
    QT_TRANSLATE_NOOP("CoreMessages", "размер снимка после чтения %1, а не %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "папка не найдена"),
    QT_TRANSLATE_NOOP("CoreMessages", "это не папка"),
    QT_TRANSLATE_NOOP("CoreMessages", "не хватает памяти для снимков набора"),
    // A recovery refused for the memory it would take, and the methods it names.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Восстановление способом «%1» с интегрированием «%2» на сетке %3 × %4 "
                      "заняло бы около %5 МБ памяти, больше предела в %6 МБ; уменьшите сетку или "
                      "выберите другой способ."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Восстановление способом «%1» на сетке %2 × %3 заняло бы около %4 МБ "
                      "памяти, больше предела в %5 МБ; уменьшите сетку или выберите другой "
                      "способ."),
    QT_TRANSLATE_NOOP("CoreMessages", "Фотометрическое стерео (Вудхэм)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Фотометрическое стерео по закону"),
    QT_TRANSLATE_NOOP("CoreMessages", "Форма по затенению (Тсай и Шах)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Форма по затенению (Хорн)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Пуассон, косинусное преобразование"),
    QT_TRANSLATE_NOOP("CoreMessages", "Франкот и Челлаппа (Фурье)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Пуассон на маске"),
    // Sources a recovery cannot use; in a photo folder's message, lower case and without the
    // final stop.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Для фотометрического стерео нужно не меньше трёх источников, задано %1."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Источники %1 и %2 светят с одного направления: задайте им разные наклоны "
                      "или азимуты."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Направления источников лежат в одной плоскости: по их снимкам нормаль не "
                      "определить. Разведите источники по наклону и азимуту."),
    QT_TRANSLATE_NOOP("CoreMessages", "Нет снимка для восстановления."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "для фотометрического стерео нужно не меньше трёх источников, задано %1"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "источники %1 и %2 светят с одного направления: задайте им разные наклоны "
                      "или азимуты"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "направления источников лежат в одной плоскости: по их снимкам нормаль не "
                      "определить. Разведите источники по наклону и азимуту"),
    // A setup file refused (setup/*.cpp): «file» not opened: the reason, for a bad value
    // «key»: the reason, a formula's own message included; and the warning of keys left out.
    QT_TRANSLATE_NOOP("CoreMessages", "Настройка «%1» не открыта: %2."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Настройка «%1»: неизвестные ключи пропущены (файл более новой версии?): %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "текст не читается как JSON (%1): %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "символ %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "после ключа «%1», символ %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "текст обрывается (файл обрезан?)"),
    QT_TRANSLATE_NOOP("CoreMessages", "объект {…} не закрыт (файл обрезан?)"),
    QT_TRANSLATE_NOOP("CoreMessages", "список […] не закрыт (файл обрезан?)"),
    QT_TRANSLATE_NOOP("CoreMessages", "строка не закрыта кавычкой"),
    QT_TRANSLATE_NOOP("CoreMessages", "после ключа нет двоеточия"),
    QT_TRANSLATE_NOOP("CoreMessages", "между значениями нет запятой"),
    QT_TRANSLATE_NOOP("CoreMessages", "число не читается или вне допустимых пределов"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не начинается с объекта {…}"),
    QT_TRANSLATE_NOOP("CoreMessages", "лишний текст после объекта"),
    QT_TRANSLATE_NOOP("CoreMessages", "это не текст JSON"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается объект JSON {…}"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл не открывается (%1)"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл больше %1 КБ — это не настройка"),
    QT_TRANSLATE_NOOP("CoreMessages", "ключ «%1»: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "это настройка не этой программы (ожидается «%1»)"),
    QT_TRANSLATE_NOOP("CoreMessages", "версия не указана"),
    QT_TRANSLATE_NOOP("CoreMessages", "версия %1 не поддерживается (программа читает версию %2)"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается число, а записано %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "число вне допустимых пределов"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 вне пределов от %2 до %3"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 — слишком большое число градусов"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается целое от %1 до %2, а записано %3"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается true или false, а записано %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается строка, а записано %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается %1 чисел, а записано %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 не умещается в 32-битное число"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается объект {…}, а записано %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается список […], а записано %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "у функции «%1» нет такого параметра"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается объект {\"name\": …, \"value\": …}"),
    QT_TRANSLATE_NOOP("CoreMessages", "нет функции «%1»"),
    QT_TRANSLATE_NOOP("CoreMessages", "выбрана своя формула, а её текста нет"),
    QT_TRANSLATE_NOOP("CoreMessages", "нет фона «%1»: white, black или grey"),
    QT_TRANSLATE_NOOP("CoreMessages", "файл «%1» не найден или не читается"),
    QT_TRANSLATE_NOOP("CoreMessages", "источников больше %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "ожидается объект {\"used\", \"slant\", \"tilt\"}"),
    QT_TRANSLATE_NOOP("CoreMessages", "в каталоге нет поверхности «%1»"),
    QT_TRANSLATE_NOOP("CoreMessages", "у поверхности «%1» нет такого параметра"),
};

}  // namespace

std::span<const char* const> CoreMessageTemplates() { return kTemplates; }
