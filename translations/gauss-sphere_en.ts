<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Тревелум на сфере Гаусса&lt;/h3&gt;&lt;p&gt;Версия %1&lt;/p&gt;&lt;p&gt;Карта отражательной способности поверхности на сфере Гаусса: тон, изолинии и зоны тени функции ф(i, e, g) при заданных поворотах наблюдения и наклоне источника, а также карта R(p, q) в градиентном пространстве.&lt;/p&gt;&lt;p&gt;Qt %2 (программа собрана с Qt %3).&lt;/p&gt;&lt;p&gt;Лицензия MIT. © 2026 The Gauss Sphere developers. Программа распространяется «как есть», без каких-либо гарантий; полный текст лицензии — в файле LICENSE.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Источники формул&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Матовая поверхность: закон Ламберта, ф = cos i.&lt;/li&gt;&lt;li&gt;Глянцевая поверхность: диффузная часть и блик вида (n + 1)/2 · s · cos&lt;sup&gt;n&lt;/sup&gt;, как в модели Фонга (Phong, 1975).&lt;/li&gt;&lt;li&gt;Каменистая поверхность: ф = cos i / cos e, как у фотометрической функции лунных морей.&lt;/li&gt;&lt;li&gt;Зеркальная поверхность: закон отражения, i = e и g = i + e.&lt;/li&gt;&lt;li&gt;Карта отражательной способности и градиентное пространство: B. K. P. Horn, &lt;i&gt;Robot Vision&lt;/i&gt;, MIT Press, 1986, гл. 10–11.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Travelum on the Gaussian sphere&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;The reflectance map of a surface on the Gaussian sphere: the tone, isolines and shadow zones of the function φ(i, e, g) for the given view rotations and source slant, and the map R(p, q) in gradient space.&lt;/p&gt;&lt;p&gt;Qt %2 (built with Qt %3).&lt;/p&gt;&lt;p&gt;MIT licence. © 2026 The Gauss Sphere developers. The program is provided “as is”, without warranty of any kind; the full licence text is in the file LICENSE.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sources of the formulas&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Matte surface: Lambert's law, φ = cos i.&lt;/li&gt;&lt;li&gt;Glossy surface: a diffuse part and a highlight of the form (n + 1)/2 · s · cos&lt;sup&gt;n&lt;/sup&gt;, as in Phong's model (Phong, 1975).&lt;/li&gt;&lt;li&gt;Rocky surface: φ = cos i / cos e, like the photometric function of the lunar maria.&lt;/li&gt;&lt;li&gt;Mirror surface: the law of reflection, i = e and g = i + e.&lt;/li&gt;&lt;li&gt;Reflectance map and gradient space: B. K. P. Horn, &lt;i&gt;Robot Vision&lt;/i&gt;, MIT Press, 1986, ch. 10–11.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Кадры %1 и %2 попали бы в один файл «%3»; ни один кадр не записан.</source>
        <translation>Frames %1 and %2 would both be written to the file “%3”; no frame was written.</translation>
    </message>
    <message>
        <source>Имя кадра «%1» длиннее %2 байт — файл с таким именем не создать; ни один кадр не записан.</source>
        <translation>The frame name “%1” is longer than %2 bytes, which no file name can be; no frame was written.</translation>
    </message>
    <message>
        <source>Сфера</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>Карта R(p, q)</source>
        <translation>Map R(p, q)</translation>
    </message>
    <message>
        <source>Изображения поверхности</source>
        <translation>Surface images</translation>
    </message>
    <message>
        <source>Сравнение законов</source>
        <translation>Law comparison</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>анимация.gif</source>
        <translation>animation.gif</translation>
    </message>
    <message>
        <source>Обзор…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Что менять:</source>
        <translation>Vary:</translation>
    </message>
    <message>
        <source>Рисунок:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>От:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>До:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Кадров:</source>
        <translation>Frames:</translation>
    </message>
    <message>
        <source>Задержка кадра, 1/100 с:</source>
        <translation>Frame delay, 1/100 s:</translation>
    </message>
    <message>
        <source>Файл (.gif или .png):</source>
        <translation>File (.gif or .png):</translation>
    </message>
    <message>
        <source>Файл анимации</source>
        <translation>Animation file</translation>
    </message>
    <message>
        <source>Анимация GIF (*.gif);;Нумерованные файлы PNG (*.png)</source>
        <translation>GIF animation (*.gif);;Numbered PNG files (*.png)</translation>
    </message>
    <message>
        <source>Не удалось сохранить анимацию в файл «%1»: %2.</source>
        <translation>Could not save the animation to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Выберите файл анимации.</source>
        <translation>Choose the animation file.</translation>
    </message>
    <message>
        <source>Анимация пишется в файл GIF (.gif) или в нумерованные файлы PNG (имя с %03d и .png).</source>
        <translation>The animation is written to a GIF file (.gif) or to numbered PNG files (a name with %03d and .png).</translation>
    </message>
    <message>
        <source>%1 кадров %2×%3 — слишком много точек для одного GIF (не больше %4 млн); запишите нумерованные PNG.</source>
        <translation>%1 frames of %2×%3 are too many pixels for one GIF (at most %4 million); write numbered PNG files.</translation>
    </message>
    <message>
        <source>Кадр не удалось записать в формате PNG.</source>
        <translation>A frame could not be written as PNG.</translation>
    </message>
    <message>
        <source>кадры не удалось закодировать в GIF</source>
        <translation>the frames could not be encoded as GIF</translation>
    </message>
    <message>
        <source>Поле «%1» должно содержать число, а не «%2».</source>
        <translation>The box “%1” must hold a number, not “%2”.</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>До</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Этого рисунка уже нет: выберите другой.</source>
        <translation>That picture is gone: choose another.</translation>
    </message>
    <message>
        <source>Кадры рисуются…</source>
        <translation>Painting the frames…</translation>
    </message>
    <message>
        <source>Отмена…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>Отменено: ничего не записано.</source>
        <translation>Cancelled: nothing written.</translation>
    </message>
    <message>
        <source>Записано кадров: %1 (%2).</source>
        <translation>Frames written: %1 (%2).</translation>
    </message>
    <message>
        <source>«%1» должно лежать в пределах от %2 до %3.</source>
        <translation>“%1” must lie between %2 and %3.</translation>
    </message>
    <message>
        <source>Поворот вокруг Ox, °</source>
        <translation>Rotation about Ox, °</translation>
    </message>
    <message>
        <source>Поворот вокруг Oy, °</source>
        <translation>Rotation about Oy, °</translation>
    </message>
    <message>
        <source>Поворот вокруг Oz, °</source>
        <translation>Rotation about Oz, °</translation>
    </message>
    <message>
        <source>Наклон источника, °</source>
        <translation>Source slant, °</translation>
    </message>
    <message>
        <source>Источник %1: наклон, °</source>
        <translation>Source %1: slant, °</translation>
    </message>
    <message>
        <source>Источник %1: поворот, °</source>
        <translation>Source %1: tilt, °</translation>
    </message>
    <message>
        <source>Глянцевая: s</source>
        <translation>Glossy: s</translation>
    </message>
    <message>
        <source>Глянцевая: n</source>
        <translation>Glossy: n</translation>
    </message>
    <message>
        <source>Яркость k</source>
        <translation>Brightness k</translation>
    </message>
</context>
<context>
    <name>BallLightsBox</name>
    <message>
        <source>Шар-зеркало</source>
        <translation>Mirror ball</translation>
    </message>
    <message>
        <source>Направления на источники по снимкам зеркального шара, по одному на источник: в папке filenames.txt со списком снимков и mask.png, где шар не чёрный. Центр и радиус шара дают маска, блик на каждом снимке — нормаль, а закон отражения — направление на источник.</source>
        <translation>The directions to the sources from photographs of a mirror ball, one a source: the folder holds filenames.txt listing the photographs and mask.png, not black on the ball. The mask gives the ball's centre and radius, the highlight on each photograph a normal, and the law of reflection the direction to the source.</translation>
    </message>
    <message>
        <source>Папка шара…</source>
        <translation>Ball folder…</translation>
    </message>
    <message>
        <source>Записать…</source>
        <translation>Write…</translation>
    </message>
    <message>
        <source>Записать направления в light_directions.txt</source>
        <translation>Write the directions to light_directions.txt</translation>
    </message>
    <message>
        <source>Для снимков</source>
        <translation>For the photographs</translation>
    </message>
    <message>
        <source>Освещать этими источниками снимки, выбранные из папки</source>
        <translation>Light the photographs chosen from a folder by these sources</translation>
    </message>
    <message>
        <source>%1: источников %2</source>
        <translation>%1: %2 sources</translation>
    </message>
    <message>
        <source>%1: наклон %2°, поворот %3°</source>
        <translation>%1: slant %2°, tilt %3°</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»: %2.</source>
        <translation>Could not save the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Папка снимков зеркального шара</source>
        <translation>Folder of mirror-ball photographs</translation>
    </message>
    <message>
        <source>Записать направления на источники</source>
        <translation>Write the directions to the sources</translation>
    </message>
    <message>
        <source>Текст (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
</context>
<context>
    <name>BigSphereWindow</name>
    <message>
        <source>Сфера крупно</source>
        <translation>Large sphere</translation>
    </message>
    <message>
        <source>сфера.png</source>
        <translation>sphere.png</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Сравнить законы</source>
        <translation>Compare laws</translation>
    </message>
    <message>
        <source>Сфер:</source>
        <translation>Spheres:</translation>
    </message>
    <message>
        <source>параметры: k=0,7; sigma=20</source>
        <translation>parameters: k=0.7; sigma=20</translation>
    </message>
    <message>
        <source>законы.png</source>
        <translation>laws.png</translation>
    </message>
    <message>
        <source>Пишите параметры так: k=0,7; sigma=20</source>
        <translation>Write the parameters like this: k=0.7; sigma=20</translation>
    </message>
    <message>
        <source>Нет такого параметра или значение вне его пределов: «%1»</source>
        <translation>No such parameter, or a value out of its bounds: “%1”</translation>
    </message>
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>Быстрый марш восстанавливает форму по затенению только под источником на оси наблюдения (наклон 0°).</source>
        <translation>Fast marching recovers the shape from shading only under a source on the view axis (slant 0°).</translation>
    </message>
    <message>
        <source>Форма по затенению (быстрый марш)</source>
        <translation>Shape from shading (fast marching)</translation>
    </message>
    <message>
        <source>нужна одна гамма или таблица от 2 до %1 значений, по одному в строке</source>
        <translation>one gamma or a table of 2 to %1 values is needed, one a line</translation>
    </message>
    <message>
        <source>гамма — число больше 0 и не больше 10, а не «%1»</source>
        <translation>the gamma is a number above 0 and at most 10, not “%1”</translation>
    </message>
    <message>
        <source>значение таблицы — конечное число не меньше 0, а не «%1»</source>
        <translation>a value of the table is a finite number of at least 0, not “%1”</translation>
    </message>
    <message>
        <source>значения таблицы не должны убывать: больше света — не меньшее значение</source>
        <translation>the table's values must not fall: more light, no smaller value</translation>
    </message>
    <message>
        <source>Поле «%1» содержит «%2»: число слишком велико.</source>
        <translation>The box “%1” holds “%2”: the number is too large.</translation>
    </message>
    <message>
        <source>Поле «%1» не заполнено: введите число.</source>
        <translation>The box “%1” is empty: enter a number.</translation>
    </message>
    <message>
        <source>Поле «%1» содержит «%2»: это не число, дробную часть отделяйте %3.</source>
        <translation>The box “%1” holds “%2”: this is not a number; separate the fraction with %3.</translation>
    </message>
    <message>
        <source>Поле «%1» содержит «%2»: это не число.</source>
        <translation>The box “%1” holds “%2”: this is not a number.</translation>
    </message>
    <message>
        <source>Поворот по Ox</source>
        <translation>Rotation about Ox</translation>
    </message>
    <message>
        <source>Поворот по Oy</source>
        <translation>Rotation about Oy</translation>
    </message>
    <message>
        <source>Поворот по Oz</source>
        <translation>Rotation about Oz</translation>
    </message>
    <message>
        <source>Наклон источника</source>
        <translation>Source slant</translation>
    </message>
    <message>
        <source>точкой</source>
        <translation>a point</translation>
    </message>
    <message>
        <source>запятой</source>
        <translation>a comma</translation>
    </message>
    <message>
        <source>знаком «%1»</source>
        <translation>the sign “%1”</translation>
    </message>
    <message>
        <source>%1; в расчёте остаётся %2</source>
        <translation>%1; the computation keeps %2</translation>
    </message>
    <message>
        <source>«%1» — слишком большое число</source>
        <translation>“%1” is too large a number</translation>
    </message>
    <message>
        <source>поле пусто</source>
        <translation>the box is empty</translation>
    </message>
    <message>
        <source>«%1» — не число: дробную часть отделяйте %2</source>
        <translation>“%1” is not a number: separate the fraction with %2</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>Тонирование не выполнено.
%1 изолинии в строке %2 легенды: %3. Полей с ошибкой ещё: %4.
%5</source>
        <translation>Shading not done.
%1 of the isoline in legend row %2: %3. More boxes in error: %4.
%5</translation>
    </message>
    <message>
        <source>Тонирование не выполнено.
%1 изолинии в строке %2 легенды: %3.
%4</source>
        <translation>Shading not done.
%1 of the isoline in legend row %2: %3.
%4</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Полуширина</source>
        <translation>Half-width</translation>
    </message>
    <message>
        <source>Исправьте поля, отмеченные красным, и нажмите «Тонировать» снова.</source>
        <translation>Correct the boxes marked in red and press “Shade” again.</translation>
    </message>
    <message>
        <source>Исправьте это поле и нажмите «Тонировать» снова.</source>
        <translation>Correct this box and press “Shade” again.</translation>
    </message>
    <message>
        <source>Формула пуста: введите выражение. %1</source>
        <translation>The formula is empty: enter an expression. %1</translation>
    </message>
    <message>
        <source>Формула знает i, e, g (углы в радианах), ci, ce, cg (их косинусы), pi, свои параметры и функции sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max; степень — ^.</source>
        <translation>A formula knows i, e, g (angles in radians), ci, ce, cg (their cosines), pi, its own parameters and the functions sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max; the power is ^.</translation>
    </message>
    <message>
        <source>Формула слишком длинная: её длина %1, а допустимо не больше %2 знаков.</source>
        <translation>The formula is too long: it has %1 characters, and at most %2 are allowed.</translation>
    </message>
    <message>
        <source>Формула не прочитана: в позиции %1 неизвестное имя «%2». %3</source>
        <translation>The formula does not read: at position %1, the unknown name “%2”. %3</translation>
    </message>
    <message>
        <source>Формула не прочитана: в позиции %1 %2.</source>
        <translation>The formula does not read: at position %1, %2.</translation>
    </message>
    <message>
        <source>не закрыта скобка</source>
        <translation>a bracket is not closed</translation>
    </message>
    <message>
        <source>лишняя или пустая скобка</source>
        <translation>a bracket too many, or an empty one</translation>
    </message>
    <message>
        <source>выражение оборвано: после знака действия нет слагаемого или множителя</source>
        <translation>the expression breaks off: an operator has no operand after it</translation>
    </message>
    <message>
        <source>у функции «%1» не то число аргументов</source>
        <translation>the function “%1” has the wrong number of arguments</translation>
    </message>
    <message>
        <source>запятая вне скобок функции: формула даёт одно значение</source>
        <translation>a comma outside a function's brackets: a formula gives one value</translation>
    </message>
    <message>
        <source>неожиданный знак или имя «%1»; проверьте знаки действий, скобки и запятые между аргументами функций</source>
        <translation>an unexpected sign or name “%1”; check the operators, the brackets and the commas between a function's arguments</translation>
    </message>
    <message>
        <source>Имя параметра «%1» не годится: оно начинается с латинской буквы, состоит из латинских букв, цифр и знаков подчёркивания и не длиннее %2 знаков.</source>
        <translation>The parameter name “%1” will not do: a name starts with a Latin letter, holds Latin letters, digits and underscores, and is at most %2 characters long.</translation>
    </message>
    <message>
        <source>Имя параметра «%1» уже занято переменной, постоянной или функцией формулы.</source>
        <translation>The parameter name “%1” is already taken by a variable, a constant or a function of the formula.</translation>
    </message>
    <message>
        <source>Параметр «%1» назван дважды.</source>
        <translation>The parameter “%1” is named twice.</translation>
    </message>
    <message>
        <source>У формулы не больше четырёх параметров: лишний — «%1».</source>
        <translation>A formula has at most four parameters: “%1” is one too many.</translation>
    </message>
    <message>
        <source>Формула не прочитана.</source>
        <translation>The formula does not read.</translation>
    </message>
    <message>
        <source>Не удалось прочитать модель рельефа «%1»: файл данных «%2» — это не обычный файл (папка, канал или устройство).</source>
        <translation>Could not read the elevation model “%1”: its data file “%2” is not a regular file (a folder, a pipe or a device).</translation>
    </message>
    <message>
        <source>Не удалось прочитать модель рельефа «%1»: в строке %2 вместо числа «%3».</source>
        <translation>Could not read the elevation model “%1”: line %2 holds “%3” where a number should be.</translation>
    </message>
    <message>
        <source>Не удалось прочитать модель рельефа «%1»: это не обычный файл (папка, канал или устройство).</source>
        <translation>Could not read the elevation model “%1”: it is not a regular file (a folder, a pipe or a device).</translation>
    </message>
    <message>
        <source>Не удалось прочитать модель рельефа «%1»: %2 (%3).</source>
        <translation>Could not read the elevation model “%1”: %2 (%3).</translation>
    </message>
    <message>
        <source>Не удалось прочитать модель рельефа «%1»: %2.</source>
        <translation>Could not read the elevation model “%1”: %2.</translation>
    </message>
    <message>
        <source>шаг сетки должен быть положительным числом, а масштаб высот — конечным</source>
        <translation>the grid spacing must be a positive number and the height scale a finite one</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>the file is not found</translation>
    </message>
    <message>
        <source>файл не открывается для чтения</source>
        <translation>the file does not open for reading</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>формат файла не распознан; читаются GeoTIFF, ASCII-сетка, ENVI, PDS, ISIS3 и PNG</source>
        <translation>the file's format is not recognised; GeoTIFF, ASCII grid, ENVI, PDS, ISIS3 and PNG are read</translation>
    </message>
    <message>
        <source>заголовок файла повреждён или обрезан</source>
        <translation>the file's header is damaged or cut short</translation>
    </message>
    <message>
        <source>в файле нет ни одного канала с данными</source>
        <translation>the file has no band of data</translation>
    </message>
    <message>
        <source>канала %1 нет, каналов в файле: %2</source>
        <translation>there is no band %1; bands in the file: %2</translation>
    </message>
    <message>
        <source>сетка повёрнута относительно осей координат, такие сетки не читаются</source>
        <translation>the grid is rotated against the coordinate axes; such grids are not read</translation>
    </message>
    <message>
        <source>шаг сетки в географической привязке равен нулю или не является числом</source>
        <translation>the grid spacing in the georeference is zero or not a number</translation>
    </message>
    <message>
        <source>сетка %1 слишком велика; читаются не более %2 млн ячеек и не более %3 ячеек по стороне</source>
        <translation>the grid %1 is too large; at most %2 million cells and at most %3 cells a side are read</translation>
    </message>
    <message>
        <source>не хватает памяти для сетки %1</source>
        <translation>not enough memory for the grid %1</translation>
    </message>
    <message>
        <source>данные не читаются, файл повреждён или обрезан</source>
        <translation>the data do not read; the file is damaged or cut short</translation>
    </message>
    <message>
        <source>нет ни одной ячейки с высотой, все ячейки помечены как пропуски</source>
        <translation>no cell has a height; every cell is marked no-data</translation>
    </message>
    <message>
        <source>данных в файле меньше, чем указано в заголовке: нужно %1 байт, в файле %2</source>
        <translation>the file holds less data than its header says: %1 bytes needed, %2 in the file</translation>
    </message>
    <message>
        <source>«%1», строка %2: %3.</source>
        <translation>“%1”, line %2: %3.</translation>
    </message>
    <message>
        <source>«%1»: %2.</source>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>файла нет в папке набора</source>
        <translation>the file is not in the set's folder</translation>
    </message>
    <message>
        <source>это не обычный файл (папка, канал или устройство)</source>
        <translation>it is not a regular file (a folder, a pipe or a device)</translation>
    </message>
    <message>
        <source>файл больше %1 МБ, это не список набора снимков</source>
        <translation>the file is larger than %1 MB; it is not a list of a photo set</translation>
    </message>
    <message>
        <source>файл не открывается для чтения (%1)</source>
        <translation>the file does not open for reading (%1)</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>the file does not read (%1)</translation>
    </message>
    <message>
        <source>файл не читается как изображение (%1)</source>
        <translation>the file does not read as an image (%1)</translation>
    </message>
    <message>
        <source>%1 для %2 из filenames.txt</source>
        <translation>%1 for %2 in filenames.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n строка</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n строки</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n строк</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n снимок</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n снимка</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n снимков</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>нужны три конечных числа через пробел, с точкой в дробной части, а не «%1»</source>
        <translation>three finite numbers are needed, separated by blanks, with a point before the fraction, not “%1”</translation>
    </message>
    <message>
        <source>нулевой вектор не задаёт направления</source>
        <translation>a zero vector gives no direction</translation>
    </message>
    <message>
        <source>источник не со стороны камеры (z ≤ 0), его свет не падает на то, что видит камера</source>
        <translation>the source is not on the camera's side (z ≤ 0): its light does not fall on what the camera sees</translation>
    </message>
    <message>
        <source>яркость источника должна быть больше нуля</source>
        <translation>a source's intensity must be greater than zero</translation>
    </message>
    <message>
        <source>%1 по %2 — это %3 отсчётов, больше предела в %4 млн отсчётов на набор</source>
        <translation>%1 of %2 make %3 samples, more than the limit of %4 million samples a set</translation>
    </message>
    <message>
        <source>размер снимка %1, а у первого, «%2», — %3</source>
        <translation>the image is %1, and the first, “%2”, is %3</translation>
    </message>
    <message>
        <source>размер маски %1, а у снимков — %2</source>
        <translation>the mask is %1, and the images are %2</translation>
    </message>
    <message>
        <source>в списке нет ни одного снимка</source>
        <translation>the list names no image</translation>
    </message>
    <message>
        <source>размер снимка после чтения %1, а не %2</source>
        <translation>the image is %1 once read, not %2</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>the folder is not found</translation>
    </message>
    <message>
        <source>маски нет, а по ней находятся центр и радиус шара</source>
        <translation>there is no mask, and the ball's centre and radius are found from it</translation>
    </message>
    <message>
        <source>в маске нет шара: она вся чёрная</source>
        <translation>the mask holds no ball: it is all black</translation>
    </message>
    <message>
        <source>на шаре нет блика: шар тёмный, или блик вне маски</source>
        <translation>no highlight on the ball: the ball is dark, or the highlight is outside the mask</translation>
    </message>
    <message>
        <source>это не папка</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>не хватает памяти для снимков набора</source>
        <translation>not enough memory for the set's images</translation>
    </message>
    <message>
        <source>Восстановление способом «%1» с интегрированием «%2» на сетке %3 × %4 заняло бы около %5 МБ памяти, больше предела в %6 МБ; уменьшите сетку или выберите другой способ.</source>
        <translation>Recovery by “%1” integrated by “%2” on a %3 × %4 grid would take about %5 MB of memory, more than the limit of %6 MB; make the grid smaller or choose another method.</translation>
    </message>
    <message>
        <source>Восстановление способом «%1» на сетке %2 × %3 заняло бы около %4 МБ памяти, больше предела в %5 МБ; уменьшите сетку или выберите другой способ.</source>
        <translation>Recovery by “%1” on a %2 × %3 grid would take about %4 MB of memory, more than the limit of %5 MB; make the grid smaller or choose another method.</translation>
    </message>
    <message>
        <source>Фотометрическое стерео (Вудхэм)</source>
        <translation>Photometric stereo (Woodham)</translation>
    </message>
    <message>
        <source>Фотометрическое стерео по закону</source>
        <translation>Photometric stereo by the law</translation>
    </message>
    <message>
        <source>Фотометрическое стерео без бликов и теней</source>
        <translation>Photometric stereo without highlights and shadows</translation>
    </message>
    <message>
        <source>Форма по затенению (Тсай и Шах)</source>
        <translation>Shape from shading (Tsai and Shah)</translation>
    </message>
    <message>
        <source>Форма по затенению (Хорн)</source>
        <translation>Shape from shading (Horn)</translation>
    </message>
    <message>
        <source>Пуассон, косинусное преобразование</source>
        <translation>Poisson, cosine transform</translation>
    </message>
    <message>
        <source>Франкот и Челлаппа (Фурье)</source>
        <translation>Frankot and Chellappa (Fourier)</translation>
    </message>
    <message>
        <source>Пуассон на маске</source>
        <translation>Poisson on the mask</translation>
    </message>
    <message>
        <source>Для фотометрического стерео нужно не меньше трёх источников, задано %1.</source>
        <translation>Photometric stereo needs at least three sources; given: %1.</translation>
    </message>
    <message>
        <source>Источники %1 и %2 светят с одного направления: задайте им разные наклоны или азимуты.</source>
        <translation>Sources %1 and %2 shine from the same direction: give them different slants or tilts.</translation>
    </message>
    <message>
        <source>Направления источников лежат в одной плоскости: по их снимкам нормаль не определить. Разведите источники по наклону и азимуту.</source>
        <translation>The sources' directions lie in one plane: their images cannot determine the normal. Spread the sources in slant and tilt.</translation>
    </message>
    <message>
        <source>Нет снимка для восстановления.</source>
        <translation>There is no image to recover from.</translation>
    </message>
    <message>
        <source>для фотометрического стерео нужно не меньше трёх источников, задано %1</source>
        <translation>photometric stereo needs at least three sources; given: %1</translation>
    </message>
    <message>
        <source>источники %1 и %2 светят с одного направления: задайте им разные наклоны или азимуты</source>
        <translation>sources %1 and %2 shine from the same direction: give them different slants or tilts</translation>
    </message>
    <message>
        <source>направления источников лежат в одной плоскости: по их снимкам нормаль не определить. Разведите источники по наклону и азимуту</source>
        <translation>the sources' directions lie in one plane: their images cannot determine the normal. Spread the sources in slant and tilt</translation>
    </message>
    <message>
        <source>Настройка «%1» не открыта: %2.</source>
        <translation>Setup “%1” was not opened: %2.</translation>
    </message>
    <message>
        <source>Настройка «%1»: неизвестные ключи пропущены (файл более новой версии?): %2</source>
        <translation>Setup “%1”: unknown keys were left out (a file from a newer version?): %2</translation>
    </message>
    <message>
        <source>текст не читается как JSON (%1): %2</source>
        <translation>the text does not read as JSON (%1): %2</translation>
    </message>
    <message>
        <source>символ %1</source>
        <translation>character %1</translation>
    </message>
    <message>
        <source>после ключа «%1», символ %2</source>
        <translation>after the key “%1”, character %2</translation>
    </message>
    <message>
        <source>текст обрывается (файл обрезан?)</source>
        <translation>the text breaks off (is the file cut short?)</translation>
    </message>
    <message>
        <source>объект {…} не закрыт (файл обрезан?)</source>
        <translation>an object {…} is not closed (is the file cut short?)</translation>
    </message>
    <message>
        <source>список […] не закрыт (файл обрезан?)</source>
        <translation>a list […] is not closed (is the file cut short?)</translation>
    </message>
    <message>
        <source>строка не закрыта кавычкой</source>
        <translation>a string is not closed by a quotation mark</translation>
    </message>
    <message>
        <source>после ключа нет двоеточия</source>
        <translation>a key has no colon after it</translation>
    </message>
    <message>
        <source>между значениями нет запятой</source>
        <translation>a comma is missing between values</translation>
    </message>
    <message>
        <source>число не читается или вне допустимых пределов</source>
        <translation>a number does not read or is out of range</translation>
    </message>
    <message>
        <source>файл не начинается с объекта {…}</source>
        <translation>the file does not begin with an object {…}</translation>
    </message>
    <message>
        <source>лишний текст после объекта</source>
        <translation>extra text after the object</translation>
    </message>
    <message>
        <source>это не текст JSON</source>
        <translation>this is not JSON text</translation>
    </message>
    <message>
        <source>ожидается объект JSON {…}</source>
        <translation>a JSON object {…} is expected</translation>
    </message>
    <message>
        <source>файл не открывается (%1)</source>
        <translation>the file does not open (%1)</translation>
    </message>
    <message>
        <source>файл больше %1 КБ — это не настройка</source>
        <translation>the file is larger than %1 KB: it is not a setup</translation>
    </message>
    <message>
        <source>ключ «%1»: %2</source>
        <translation>key “%1”: %2</translation>
    </message>
    <message>
        <source>это настройка не этой программы (ожидается «%1»)</source>
        <translation>this setup is not this program's (“%1” is expected)</translation>
    </message>
    <message>
        <source>версия не указана</source>
        <translation>no version is given</translation>
    </message>
    <message>
        <source>версия %1 не поддерживается (программа читает версию %2)</source>
        <translation>version %1 is not supported (the program reads version %2)</translation>
    </message>
    <message>
        <source>ожидается число, а записано %1</source>
        <translation>a number is expected, but %1 is written</translation>
    </message>
    <message>
        <source>число вне допустимых пределов</source>
        <translation>the number is out of range</translation>
    </message>
    <message>
        <source>%1 вне пределов от %2 до %3</source>
        <translation>%1 is outside the range from %2 to %3</translation>
    </message>
    <message>
        <source>%1 — слишком большое число градусов</source>
        <translation>%1 is too large a number of degrees</translation>
    </message>
    <message>
        <source>ожидается целое от %1 до %2, а записано %3</source>
        <translation>a whole number from %1 to %2 is expected, but %3 is written</translation>
    </message>
    <message>
        <source>ожидается true или false, а записано %1</source>
        <translation>true or false is expected, but %1 is written</translation>
    </message>
    <message>
        <source>ожидается строка, а записано %1</source>
        <translation>a string is expected, but %1 is written</translation>
    </message>
    <message>
        <source>ожидается %1 чисел, а записано %2</source>
        <translation>%1 numbers are expected, but the list holds %2</translation>
    </message>
    <message>
        <source>%1 не умещается в 32-битное число</source>
        <translation>%1 does not fit into a 32-bit number</translation>
    </message>
    <message>
        <source>ожидается объект {…}, а записано %1</source>
        <translation>an object {…} is expected, but %1 is written</translation>
    </message>
    <message>
        <source>ожидается список […], а записано %1</source>
        <translation>a list […] is expected, but %1 is written</translation>
    </message>
    <message>
        <source>у функции «%1» нет такого параметра</source>
        <translation>the function “%1” has no such parameter</translation>
    </message>
    <message>
        <source>ожидается объект {"name": …, "value": …}</source>
        <translation>an object {"name": …, "value": …} is expected</translation>
    </message>
    <message>
        <source>нет функции «%1»</source>
        <translation>there is no function “%1”</translation>
    </message>
    <message>
        <source>выбрана своя формула, а её текста нет</source>
        <translation>the own formula is chosen, but its text is missing</translation>
    </message>
    <message>
        <source>нет фона «%1»: white, black или grey</source>
        <translation>there is no background “%1”: white, black or grey</translation>
    </message>
    <message>
        <source>файл «%1» не найден или не читается</source>
        <translation>the file “%1” is not found or does not read</translation>
    </message>
    <message>
        <source>источников больше %1</source>
        <translation>more than %1 sources</translation>
    </message>
    <message>
        <source>ожидается объект {"used", "slant", "tilt"}</source>
        <translation>an object {"used", "slant", "tilt"} is expected</translation>
    </message>
    <message>
        <source>в каталоге нет поверхности «%1»</source>
        <translation>the catalogue has no surface “%1”</translation>
    </message>
    <message>
        <source>у поверхности «%1» нет такого параметра</source>
        <translation>the surface “%1” has no such parameter</translation>
    </message>
    <message>
        <source>это не обычный файл (канал, устройство или папка)</source>
        <translation>it is not a regular file (a pipe, a device or a folder)</translation>
    </message>
    <message>
        <source>записан в файле дважды</source>
        <translation>it is written twice in the file</translation>
    </message>
    <message>
        <source>строка содержит символ NUL</source>
        <translation>the text holds a NUL character</translation>
    </message>
    <message>
        <source>нет профиля по «%1»: sphere, equator или map</source>
        <translation>there is no profile along “%1”: sphere, equator or map</translation>
    </message>
    <message>
        <source>концы линии профиля не указаны</source>
        <translation>the ends of the profile's line are not given</translation>
    </message>
    <message>
        <source>«%1», строка %2 («%3»): %4.</source>
        <translation>“%1”, line %2 (“%3”): %4.</translation>
    </message>
    <message>
        <source>нужны три числа через запятую: g, значение и σ</source>
        <translation>three numbers separated by commas are needed: g, the value and σ</translation>
    </message>
    <message>
        <source>нужны два числа через запятую: g и значение</source>
        <translation>two numbers separated by commas are needed: g and the value</translation>
    </message>
    <message>
        <source>фазовый угол — число градусов от 0 до 180</source>
        <translation>the phase angle is a number of degrees from 0 to 180</translation>
    </message>
    <message>
        <source>яркость — конечное число больше 0</source>
        <translation>the brightness is a finite number above 0</translation>
    </message>
    <message>
        <source>звёздная величина — конечное число</source>
        <translation>the magnitude is a finite number</translation>
    </message>
    <message>
        <source>σ — конечное число больше 0</source>
        <translation>σ is a finite number above 0</translation>
    </message>
    <message>
        <source>файл наблюдений больше 1 МБ</source>
        <translation>the file of observations is larger than 1 MB</translation>
    </message>
    <message>
        <source>в строке байт NUL</source>
        <translation>the line holds a NUL byte</translation>
    </message>
    <message>
        <source>нужен заголовок g,brightness или g,magnitude, с ,sigma для погрешностей</source>
        <translation>the header g,brightness or g,magnitude is needed, with ,sigma for the errors</translation>
    </message>
    <message>
        <source>больше 10000 наблюдений</source>
        <translation>more than 10000 observations</translation>
    </message>
    <message>
        <source>строки после этих не проверялись</source>
        <translation>the lines after these were not checked</translation>
    </message>
    <message>
        <source>в файле нет наблюдений</source>
        <translation>the file holds no observations</translation>
    </message>
    <message>
        <source>не назван ни один параметр подбора</source>
        <translation>no parameter to fit is named</translation>
    </message>
    <message>
        <source>наблюдений меньше, чем подбираемых параметров</source>
        <translation>there are fewer observations than parameters to fit</translation>
    </message>
    <message>
        <source>модель не вычисляется в начале подбора</source>
        <translation>the model cannot be computed at the start of the fit</translation>
    </message>
    <message>
        <source>H, G и H, G1, G2 — две системы: подбирается одна из них</source>
        <translation>H, G and H, G1, G2 are two systems: one of them is fitted</translation>
    </message>
    <message>
        <source>«%1» не входит в систему звёздных величин</source>
        <translation>“%1” is not part of the magnitude system</translation>
    </message>
    <message>
        <source>у зеркальной функции нет фазовой кривой</source>
        <translation>the mirror function has no phase curve</translation>
    </message>
    <message>
        <source>«%1» — не параметр, который можно подобрать для этой функции и этих наблюдений</source>
        <translation>“%1” is not a parameter that can be fitted for this function and these observations</translation>
    </message>
    <message>
        <source>по звёздным величинам закон подбирается вместе с H</source>
        <translation>a law is fitted to magnitudes together with H</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>%1 — ни %2, ни %3</source>
        <translation>%1 is neither %2 nor %3</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Матовая</source>
        <translation>Matte</translation>
    </message>
    <message>
        <source>Глянцевая</source>
        <translation>Glossy</translation>
    </message>
    <message>
        <source>Каменистая</source>
        <translation>Rocky</translation>
    </message>
    <message>
        <source>Зеркальная</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Миннарт</source>
        <translation>Minnaert</translation>
    </message>
    <message>
        <source>Показатель k</source>
        <translation>Exponent k</translation>
    </message>
    <message>
        <source>Ломмель — Зелигер</source>
        <translation>Lommel–Seeliger</translation>
    </message>
    <message>
        <source>Лунно-ламбертова</source>
        <translation>Lunar–Lambert</translation>
    </message>
    <message>
        <source>Вес L</source>
        <translation>Weight L</translation>
    </message>
    <message>
        <source>Орен — Наяр</source>
        <translation>Oren–Nayar</translation>
    </message>
    <message>
        <source>Шероховатость σ, °</source>
        <translation>Roughness σ, °</translation>
    </message>
    <message>
        <source>Хапке</source>
        <translation>Hapke</translation>
    </message>
    <message>
        <source>Альбедо однократного рассеяния w</source>
        <translation>Single-scattering albedo w</translation>
    </message>
    <message>
        <source>Амплитуда оппозиционного эффекта B₀</source>
        <translation>Opposition effect amplitude B₀</translation>
    </message>
    <message>
        <source>Ширина оппозиционного эффекта h</source>
        <translation>Opposition effect width h</translation>
    </message>
    <message>
        <source>Асимметрия индикатрисы ξ</source>
        <translation>Phase function asymmetry ξ</translation>
    </message>
    <message>
        <source>Блинн — Фонг</source>
        <translation>Blinn–Phong</translation>
    </message>
    <message>
        <source>Доля блика s</source>
        <translation>Highlight share s</translation>
    </message>
    <message>
        <source>Показатель n</source>
        <translation>Exponent n</translation>
    </message>
    <message>
        <source>Кук — Торранс</source>
        <translation>Cook–Torrance</translation>
    </message>
    <message>
        <source>Наклон микрограней m</source>
        <translation>Microfacet slope m</translation>
    </message>
    <message>
        <source>Отражение по нормали F₀</source>
        <translation>Normal-incidence reflectance F₀</translation>
    </message>
    <message>
        <source>Своя формула</source>
        <translation>Own formula</translation>
    </message>
    <message>
        <source>Полусфера</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>полусфера радиуса R на плоскости: на ней p и q — наклоны сферы</source>
        <translation>a hemisphere of radius R on a plane: its p and q are the sphere's slopes</translation>
    </message>
    <message>
        <source>Радиус, доля половины стороны</source>
        <translation>Radius, fraction of half the side</translation>
    </message>
    <message>
        <source>Ваза</source>
        <translation>Vase</translation>
    </message>
    <message>
        <source>ваза из обзора методов восстановления формы по тени 1999 года: z = √(f(y)² − x²), f(y) = 0,15 − 0,1·y·(6y+1)²·(y−1)²·(3y−2)</source>
        <translation>the vase of the 1999 survey of shape from shading: z = √(f(y)² − x²), f(y) = 0.15 − 0.1·y·(6y+1)²·(y−1)²·(3y−2)</translation>
    </message>
    <message>
        <source>Холмы</source>
        <translation>Hills</translation>
    </message>
    <message>
        <source>гауссовы холмы exp(−r²/2σ²), места выбирает затравка</source>
        <translation>Gaussian hills exp(−r²/2σ²), placed by the seed</translation>
    </message>
    <message>
        <source>Число холмов</source>
        <translation>Number of hills</translation>
    </message>
    <message>
        <source>Высота, пикселей</source>
        <translation>Height, pixels</translation>
    </message>
    <message>
        <source>Ширина σ, доля половины стороны</source>
        <translation>Width σ, fraction of half the side</translation>
    </message>
    <message>
        <source>Затравка</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Кратер</source>
        <translation>Crater</translation>
    </message>
    <message>
        <source>чаша с валом вокруг и ровная местность дальше</source>
        <translation>a bowl with a rim around it and flat ground beyond</translation>
    </message>
    <message>
        <source>Радиус чаши, доля половины стороны</source>
        <translation>Bowl radius, fraction of half the side</translation>
    </message>
    <message>
        <source>Глубина, доля радиуса</source>
        <translation>Depth, fraction of the radius</translation>
    </message>
    <message>
        <source>Высота вала, доля радиуса</source>
        <translation>Rim height, fraction of the radius</translation>
    </message>
    <message>
        <source>Ширина вала, доля радиуса</source>
        <translation>Rim width, fraction of the radius</translation>
    </message>
    <message>
        <source>Конус</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>прямой круговой конус</source>
        <translation>a right circular cone</translation>
    </message>
    <message>
        <source>Радиус основания, доля половины стороны</source>
        <translation>Base radius, fraction of half the side</translation>
    </message>
    <message>
        <source>Высота, доля радиуса</source>
        <translation>Height, fraction of the radius</translation>
    </message>
    <message>
        <source>Хребет</source>
        <translation>Ridge</translation>
    </message>
    <message>
        <source>гауссов хребет вдоль прямой через центр</source>
        <translation>a Gaussian ridge along a line through the centre</translation>
    </message>
    <message>
        <source>Ширина, пикселей</source>
        <translation>Width, pixels</translation>
    </message>
    <message>
        <source>Направление, градусов от оси x</source>
        <translation>Direction, degrees from the x axis</translation>
    </message>
    <message>
        <source>Рябь</source>
        <translation>Ripples</translation>
    </message>
    <message>
        <source>синусоидальная рябь a·sin(2π·s/λ)</source>
        <translation>sinusoidal ripples a·sin(2π·s/λ)</translation>
    </message>
    <message>
        <source>Амплитуда, пикселей</source>
        <translation>Amplitude, pixels</translation>
    </message>
    <message>
        <source>Длина волны, пикселей</source>
        <translation>Wavelength, pixels</translation>
    </message>
    <message>
        <source>Фрактальный рельеф</source>
        <translation>Fractal terrain</translation>
    </message>
    <message>
        <source>спектральный синтез: случайные фазы, амплитуда убывает как |k|^−(H+1)</source>
        <translation>spectral synthesis: random phases, the amplitude falls as |k|^−(H+1)</translation>
    </message>
    <message>
        <source>Показатель шероховатости H</source>
        <translation>Roughness exponent H</translation>
    </message>
    <message>
        <source>Перепад высот, пикселей</source>
        <translation>Relief, pixels</translation>
    </message>
    <message>
        <source>Средний наклон θ̄, °</source>
        <translation>Mean slope θ̄, °</translation>
    </message>
    <message>
        <source>Амплитуда когерентного обратного рассеяния B_C0</source>
        <translation>Coherent backscatter amplitude B_C0</translation>
    </message>
    <message>
        <source>Ширина когерентного обратного рассеяния h_C</source>
        <translation>Coherent backscatter width h_C</translation>
    </message>
    <message>
        <source>Приближение H(x), год: 1981 или 2002</source>
        <translation>H(x) approximation, year: 1981 or 2002</translation>
    </message>
    <message>
        <source>Хапке с шероховатостью</source>
        <translation>Hapke with roughness</translation>
    </message>
</context>
<context>
    <name>FigureLegend</name>
    <message>
        <source>Уровни φ</source>
        <translation>Levels of φ</translation>
    </message>
    <message>
        <source>Серый тон, φ</source>
        <translation>Grey tone, φ</translation>
    </message>
    <message>
        <source>экспозиция %1</source>
        <translation>exposure %1</translation>
    </message>
    <message>
        <source>Легенда уровней на рисунке</source>
        <translation>Levels' legend on the picture</translation>
    </message>
</context>
<context>
    <name>CurvePlots</name>
    <message>
        <source>Фазовая кривая: %1</source>
        <translation>Phase curve: %1</translation>
    </message>
    <message>
        <source>g, градусов</source>
        <translation>g, degrees</translation>
    </message>
    <message>
        <source>−2,5·lg Φ(g)</source>
        <translation>−2.5·lg Φ(g)</translation>
    </message>
    <message>
        <source>сфера Ламберта</source>
        <translation>Lambert sphere</translation>
    </message>
    <message>
        <source>сфера Ломмеля — Зелигера</source>
        <translation>Lommel–Seeliger sphere</translation>
    </message>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>расстояние, пикселей</source>
        <translation>distance, pixels</translation>
    </message>
    <message>
        <source>ф</source>
        <translation>φ</translation>
    </message>
    <message>
        <source>ф рисунка</source>
        <translation>φ painted</translation>
    </message>
    <message>
        <source>ф%1</source>
        <translation>φ%1</translation>
    </message>
    <message>
        <source>e, градусов (к источнику — плюс)</source>
        <translation>e, degrees (positive towards the source)</translation>
    </message>
    <message>
        <source>Фазовые кривые</source>
        <translation>Phase curves</translation>
    </message>
    <message>
        <source>Профили</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>V(1, 1, g), зв. вел.</source>
        <translation>V(1, 1, g), mag</translation>
    </message>
    <message>
        <source>Наблюдения и подобранная модель: %1</source>
        <translation>Observations and the fitted model: %1</translation>
    </message>
    <message>
        <source>Наблюдения и модель: %1</source>
        <translation>Observations and the model: %1</translation>
    </message>
    <message>
        <source>наблюдения</source>
        <translation>observations</translation>
    </message>
    <message>
        <source>Невязки: наблюдение минус модель</source>
        <translation>Residuals: observed minus model</translation>
    </message>
    <message>
        <source>невязки</source>
        <translation>residuals</translation>
    </message>
    <message>
        <source>Фазовые кривые: %1</source>
        <translation>Phase curves: %1</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Луна в полнолуние: Ломмель — Зелигер, g = 0°</source>
        <translation>The full Moon: Lommel–Seeliger, g = 0°</translation>
    </message>
    <message>
        <source>Луна при фазе 60°: Ломмель — Зелигер</source>
        <translation>The Moon at phase 60°: Lommel–Seeliger</translation>
    </message>
    <message>
        <source>Край диска у Миннарта</source>
        <translation>Minnaert's limb</translation>
    </message>
    <message>
        <source>Блик, бегущий за наблюдателем</source>
        <translation>A highlight that follows the observer</translation>
    </message>
    <message>
        <source>Уплощение шероховатой поверхности (Орен — Наяр)</source>
        <translation>A rough surface looks flatter (Oren–Nayar)</translation>
    </message>
    <message>
        <source>Два источника в градиентном пространстве</source>
        <translation>Two sources in gradient space</translation>
    </message>
    <message>
        <source>Три источника в градиентном пространстве</source>
        <translation>Three sources in gradient space</translation>
    </message>
    <message>
        <source>Кратер при низком Солнце</source>
        <translation>A crater under a low Sun</translation>
    </message>
    <message>
        <source>Фотометрическое стерео на глянцевой вазе</source>
        <translation>Photometric stereo on a glossy vase</translation>
    </message>
</context>
<context>
    <name>ExposureWindow</name>
    <message>
        <source>Яркость</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>k от 0,1 до 10: тон рисуется по k·ф</source>
        <translation>k from 0.1 to 10: the tone is painted from k·φ</translation>
    </message>
    <message>
        <source>По максимуму</source>
        <translation>To the maximum</translation>
    </message>
    <message>
        <source>Тон рисуется по k·ф, чтобы ф больше 1 (яркий край диска) не сливался с белым. Изолинии, зоны и показания под указателем — по самому ф.</source>
        <translation>The tone is painted from k·φ, so that φ above 1 (a bright limb) does not merge into white. Isolines, zones and the readout under the pointer follow φ itself.</translation>
    </message>
    <message>
        <source>k — число от %1 до %2; остаётся %3</source>
        <translation>k is a number from %1 to %2; %3 stays</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>файл превысил допустимый размер</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>нет прав на запись в эту папку или в этот файл</source>
        <translation>no permission to write to this folder or file</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>канал никто не читает, или устройство недоступно</source>
        <translation>no one reads the pipe, or the device is unavailable</translation>
    </message>
    <message>
        <source>читающая сторона канала закрылась, не дочитав рисунок</source>
        <translation>the reading end of the pipe closed before the whole picture was read</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
    <message>
        <source>файловая система отказала в записи</source>
        <translation>the file system refused the write</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Поворот наблюдателя вокруг оси Ox, градусы; обычно от −90 до 90</source>
        <translation>Rotation of the observer about the Ox axis, degrees; usually from −90 to 90</translation>
    </message>
    <message>
        <source>Поворот наблюдателя вокруг оси Oy, градусы; обычно от −180 до 180</source>
        <translation>Rotation of the observer about the Oy axis, degrees; usually from −180 to 180</translation>
    </message>
    <message>
        <source>Поворот наблюдателя вокруг оси Oz, градусы; обычно от −180 до 180</source>
        <translation>Rotation of the observer about the Oz axis, degrees; usually from −180 to 180</translation>
    </message>
    <message>
        <source>Наклон источника света от направления на наблюдателя, градусы (фазовый угол g); обычно от 0 до 180</source>
        <translation>Slant of the light source from the direction to the observer, degrees (the phase angle g); usually from 0 to 180</translation>
    </message>
    <message>
        <source>Доля блика s в глянцевой функции, без единиц; обычно от 0 (матовая) до 1</source>
        <translation>Share s of the highlight in the glossy function, no unit; usually from 0 (matte) to 1</translation>
    </message>
    <message>
        <source>Показатель n блика в глянцевой функции, без единиц; обычно от 1 до 100: чем больше, тем уже блик</source>
        <translation>Exponent n of the highlight in the glossy function, no unit; usually from 1 to 100: the larger, the narrower the highlight</translation>
    </message>
    <message>
        <source>Матовая поверхность (закон Ламберта): ф = cos i</source>
        <translation>Matte surface (Lambert's law): φ = cos i</translation>
    </message>
    <message>
        <source>Глянцевая поверхность: матовое рассеяние и блик с долей s и показателем n</source>
        <translation>Glossy surface: matte scattering and a highlight with share s and exponent n</translation>
    </message>
    <message>
        <source>Каменистая поверхность: ф = cos i / cos e; рельеф заметен при наклонном свете</source>
        <translation>Rocky surface: φ = cos i / cos e; relief shows under oblique light</translation>
    </message>
    <message>
        <source>Зеркальная поверхность: ф = 1 только там, где i = e и g = i + e</source>
        <translation>Mirror surface: φ = 1 only where i = e and g = i + e</translation>
    </message>
    <message>
        <source>Тонировать только полушарие шара с z ≥ 0; без отметки — весь шар</source>
        <translation>Shade only the hemisphere with z ≥ 0; unchecked, the whole sphere</translation>
    </message>
    <message>
        <source>Каждый пиксель — среднее четырёх отсчётов 2×2: края глаже, расчёт вчетверо дольше</source>
        <translation>Each pixel is the mean of 2×2 samples: smoother edges, four times the work</translation>
    </message>
    <message>
        <source>Изолинии — цветные полосы легенды; без отметки — светлые полосы на сером тоне</source>
        <translation>Isolines in the legend's colours; unchecked, light bands over the grey tone</translation>
    </message>
    <message>
        <source>Положительный поворот по Ox сдвигает поверхность шара на рисунке вниз</source>
        <translation>A positive rotation about Ox moves the sphere's surface down in the picture</translation>
    </message>
    <message>
        <source>Положительный поворот по Oy (при повороте по Ox, равном 0) поворачивает изображение шара против часовой стрелки</source>
        <translation>A positive rotation about Oy (with the rotation about Ox at 0) turns the sphere's image anticlockwise</translation>
    </message>
    <message>
        <source>Положительный поворот по Oz сдвигает поверхность шара на рисунке вправо</source>
        <translation>A positive rotation about Oz moves the sphere's surface right in the picture</translation>
    </message>
    <message>
        <source>Положительный наклон источника сдвигает самое яркое место шара вниз</source>
        <translation>A positive source slant moves the brightest spot of the sphere down</translation>
    </message>
    <message>
        <source>Уровень изолинии: значение ф, вокруг которого лежит полоса; обычно от %1 до %2</source>
        <translation>Isoline level: the value of φ the band lies around; usually from %1 to %2</translation>
    </message>
    <message>
        <source>Полуширина полосы изолинии: полоса — уровень ± полуширина, без единиц; обычно от %1 до %2</source>
        <translation>Half-width of the isoline band: the band is the level ± the half-width, no unit; usually from %1 to %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Зона самозатенения&lt;/b&gt;&lt;br&gt;Этим цветом показана узкая полоса вдоль линии ф = 0 с освещённой стороны: за ней поверхность уходит в собственную тень.</source>
        <translation>&lt;b&gt;Self-shadow zone&lt;/b&gt;&lt;br&gt;This colour shows a narrow band along the line φ = 0 on its lit side: beyond it the surface turns into its own shadow.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Тонировать&lt;/b&gt;&lt;br&gt;Рисует шар заново по значениям полей. То же делают Enter в поле ввода и F5.</source>
        <translation>&lt;b&gt;Shade&lt;/b&gt;&lt;br&gt;Paints the sphere again from the values in the boxes. Enter in a box and F5 do the same.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Рисунок&lt;/b&gt;&lt;br&gt;Сфера Гаусса радиусом 100 пикселей: тон или изолинии функции ф(i, e, g). После тонирования указатель над шаром показывает углы i, e, g и ф; правая кнопка — сохранить или копировать рисунок.</source>
        <translation>&lt;b&gt;Picture&lt;/b&gt;&lt;br&gt;The Gaussian sphere, 100 pixels in radius: the tone or isolines of the function φ(i, e, g). After shading, the pointer over the sphere shows the angles i, e, g and φ; the right button saves or copies the picture.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Рисунок&lt;/b&gt;&lt;br&gt;Поле, на котором рисуется сфера Гаусса.</source>
        <translation>&lt;b&gt;Picture&lt;/b&gt;&lt;br&gt;The field the Gaussian sphere is painted on.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Поворот наблюдения по Ox&lt;/b&gt;, градусы&lt;br&gt;Положительный угол поднимает точку зрения к полюсу: поверхность шара на рисунке уходит вниз. Обычно от −90 до 90.</source>
        <translation>&lt;b&gt;View rotation about Ox&lt;/b&gt;, degrees&lt;br&gt;A positive angle raises the viewpoint towards the pole: the sphere's surface moves down in the picture. Usually from −90 to 90.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Поворот наблюдения по Oy&lt;/b&gt;, градусы&lt;br&gt;При повороте по Ox, равном 0, положительный угол поворачивает изображение шара против часовой стрелки. Обычно от −180 до 180.</source>
        <translation>&lt;b&gt;View rotation about Oy&lt;/b&gt;, degrees&lt;br&gt;With the rotation about Ox at 0, a positive angle turns the sphere's image anticlockwise. Usually from −180 to 180.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Поворот наблюдения по Oz&lt;/b&gt;, градусы&lt;br&gt;Положительный угол сдвигает поверхность шара на рисунке вправо. Обычно от −180 до 180.</source>
        <translation>&lt;b&gt;View rotation about Oz&lt;/b&gt;, degrees&lt;br&gt;A positive angle moves the sphere's surface right in the picture. Usually from −180 to 180.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Наклон источника&lt;/b&gt;, градусы&lt;br&gt;Угол между источником света и направлением на наблюдателя, он же фазовый угол g. Положительный наклон сдвигает яркое место вниз. Обычно от 0 до 180.</source>
        <translation>&lt;b&gt;Source slant&lt;/b&gt;, degrees&lt;br&gt;The angle between the light source and the direction to the observer, the phase angle g. A positive slant moves the bright spot down. Usually from 0 to 180.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Знаки поворота по Ox&lt;/b&gt;&lt;br&gt;Положительный угол сдвигает поверхность вниз.</source>
        <translation>&lt;b&gt;Signs of the rotation about Ox&lt;/b&gt;&lt;br&gt;A positive angle moves the surface down.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Знаки поворота по Oy&lt;/b&gt;&lt;br&gt;Положительный угол (при повороте по Ox, равном 0) поворачивает изображение против часовой стрелки.</source>
        <translation>&lt;b&gt;Signs of the rotation about Oy&lt;/b&gt;&lt;br&gt;A positive angle (with the rotation about Ox at 0) turns the image anticlockwise.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Знаки поворота по Oz&lt;/b&gt;&lt;br&gt;Положительный угол сдвигает поверхность вправо.</source>
        <translation>&lt;b&gt;Signs of the rotation about Oz&lt;/b&gt;&lt;br&gt;A positive angle moves the surface right.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Знаки наклона источника&lt;/b&gt;&lt;br&gt;Положительный наклон сдвигает яркое место вниз.</source>
        <translation>&lt;b&gt;Signs of the source slant&lt;/b&gt;&lt;br&gt;A positive slant moves the bright spot down.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Матовая поверхность&lt;/b&gt;&lt;br&gt;Закон Ламберта: ф = cos i, яркость зависит только от угла падения.</source>
        <translation>&lt;b&gt;Matte surface&lt;/b&gt;&lt;br&gt;Lambert's law: φ = cos i, the brightness depends on the angle of incidence alone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Глянцевая поверхность&lt;/b&gt;&lt;br&gt;Матовое рассеяние и блик: доля блика s и показатель n задаются в полях рядом.</source>
        <translation>&lt;b&gt;Glossy surface&lt;/b&gt;&lt;br&gt;Matte scattering and a highlight: the highlight's share s and exponent n are set in the boxes beside it.</translation>
    </message>
    <message>
        <source>&lt;b&gt;s — доля блика&lt;/b&gt;&lt;br&gt;От 0 (матовая поверхность) до 1 (один блик).</source>
        <translation>&lt;b&gt;s, the highlight's share&lt;/b&gt;&lt;br&gt;From 0 (a matte surface) to 1 (the highlight alone).</translation>
    </message>
    <message>
        <source>&lt;b&gt;n — показатель блика&lt;/b&gt;&lt;br&gt;Обычно от 1 до 100: чем больше n, тем уже и ярче блик.</source>
        <translation>&lt;b&gt;n, the highlight's exponent&lt;/b&gt;&lt;br&gt;Usually from 1 to 100: the larger n, the narrower and brighter the highlight.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Каменистая поверхность&lt;/b&gt;&lt;br&gt;ф = cos i / cos e, как у грунта лунных морей; рельеф заметен только при наклонном освещении.</source>
        <translation>&lt;b&gt;Rocky surface&lt;/b&gt;&lt;br&gt;φ = cos i / cos e, like the soil of the lunar maria; relief shows only under oblique light.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Зеркальная поверхность&lt;/b&gt;&lt;br&gt;ф = 1 только там, где i = e и g = i + e: маленькое пятно посередине между полюсом и источником.</source>
        <translation>&lt;b&gt;Mirror surface&lt;/b&gt;&lt;br&gt;φ = 1 only where i = e and g = i + e: a small spot halfway between the pole and the source.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Половину шара&lt;/b&gt;&lt;br&gt;Тонировать только полушарие, обращённое к наблюдателю (z ≥ 0); без отметки — весь шар.</source>
        <translation>&lt;b&gt;Half the sphere&lt;/b&gt;&lt;br&gt;Shade only the hemisphere facing the observer (z ≥ 0); unchecked, the whole sphere.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Сглаживание&lt;/b&gt;&lt;br&gt;Каждый пиксель — среднее четырёх отсчётов 2×2: края глаже, расчёт вчетверо дольше.</source>
        <translation>&lt;b&gt;Smoothing&lt;/b&gt;&lt;br&gt;Each pixel is the mean of 2×2 samples: smoother edges, four times the work.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Изолинии в цвете&lt;/b&gt;&lt;br&gt;Отмечено — полосы легенды рисуются её цветами; без отметки — светлые полосы на сером тоне.</source>
        <translation>&lt;b&gt;Isolines in colour&lt;/b&gt;&lt;br&gt;Checked, the legend's bands are painted in its colours; unchecked, light bands over the grey tone.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Уровень изолинии&lt;/b&gt;&lt;br&gt;Значение ф, вокруг которого лежит полоса этой строки легенды; обычно от 0 до 1.</source>
        <translation>&lt;b&gt;Isoline level&lt;/b&gt;&lt;br&gt;The value of φ around which this legend row's band lies; usually from 0 to 1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Полуширина полосы&lt;/b&gt;&lt;br&gt;Полоса изолинии — уровень ± полуширина; обычно от 0,001 до 0,05.</source>
        <translation>&lt;b&gt;Band half-width&lt;/b&gt;&lt;br&gt;The isoline band is the level ± the half-width; usually from 0.001 to 0.05.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Цвет изолинии&lt;/b&gt;&lt;br&gt;Цвет, которым рисуется полоса этой строки легенды.</source>
        <translation>&lt;b&gt;Isoline colour&lt;/b&gt;&lt;br&gt;The colour this legend row's band is painted in.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Значение параметра&lt;/b&gt;&lt;br&gt;Число в пределах, указанных в справке о законе; значение вне пределов поле не принимает и краснеет. Новое значение сразу тонирует шар.</source>
        <translation>&lt;b&gt;Parameter value&lt;/b&gt;&lt;br&gt;A number within the bounds given in the law's help; a value out of bounds is refused and the box turns red. A new value shades the sphere at once.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ползунок параметра&lt;/b&gt;&lt;br&gt;Пробегает пределы параметра; шар тонируется по ходу, не чаще одного прохода за кадр.</source>
        <translation>&lt;b&gt;Parameter slider&lt;/b&gt;&lt;br&gt;Runs over the parameter's bounds; the sphere is shaded as it moves, at most one pass a frame.</translation>
    </message>
    <message>
        <source>&lt;b&gt;L(g) по Мак-Юэну&lt;/b&gt;&lt;br&gt;Вес L не задаётся, а вычисляется по фазовому углу g (многочлен Мак-Юэна для Луны, 1996).</source>
        <translation>&lt;b&gt;L(g) after McEwen&lt;/b&gt;&lt;br&gt;The weight L is not set but computed from the phase angle g (McEwen's polynomial for the Moon, 1996).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Справка о законе&lt;/b&gt;&lt;br&gt;Формула, параметры, пределы и источник.</source>
        <translation>&lt;b&gt;About the law&lt;/b&gt;&lt;br&gt;Formula, parameters, bounds and source.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Начать с&lt;/b&gt;&lt;br&gt;Вписывает в поле формулу закона меню «Функция» с его параметрами; «Применить» рисует тот же шар, что и закон.</source>
        <translation>&lt;b&gt;Start from&lt;/b&gt;&lt;br&gt;Writes the formula of a law from the “Function” menu, with its parameters, into the box; “Apply” paints the same sphere as the law.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Формула ф&lt;/b&gt;&lt;br&gt;Выражение от i, e, g (радианы), ci, ce, cg, pi и своих параметров. Enter или «Применить» читает его и тонирует.</source>
        <translation>&lt;b&gt;Formula φ&lt;/b&gt;&lt;br&gt;An expression in i, e, g (radians), ci, ce, cg, pi and its own parameters. Enter or “Apply” reads it and shades.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Применить&lt;/b&gt;&lt;br&gt;Читает формулу и имена параметров; прочитанная формула сразу тонирует, ошибка показывается под полем с номером позиции.</source>
        <translation>&lt;b&gt;Apply&lt;/b&gt;&lt;br&gt;Reads the formula and the parameter names; a formula that reads shades at once, an error is shown under the box with its position.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Имя параметра&lt;/b&gt;&lt;br&gt;Латинские буквы, цифры и _, начинается с буквы; пустая строка не участвует. Новое имя вступает в силу по «Применить».</source>
        <translation>&lt;b&gt;Parameter name&lt;/b&gt;&lt;br&gt;Latin letters, digits and _, starting with a letter; an empty row takes no part. A new name takes effect on “Apply”.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Значение параметра формулы&lt;/b&gt;&lt;br&gt;Любое конечное число; при применённой формуле сразу тонирует шар.</source>
        <translation>&lt;b&gt;Formula parameter value&lt;/b&gt;&lt;br&gt;Any finite number; with the formula applied it shades the sphere at once.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ползунок параметра формулы&lt;/b&gt;&lt;br&gt;От −10 до 10; шар тонируется по ходу.</source>
        <translation>&lt;b&gt;Formula parameter slider&lt;/b&gt;&lt;br&gt;From −10 to 10; the sphere is shaded as it moves.</translation>
    </message>
    <message>
        <source>Поверхность</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>ф (i,e,g) =</source>
        <translation>φ (i,e,g) =</translation>
    </message>
    <message>
        <source>НАБЛЮДАТЕЛЬ</source>
        <translation>OBSERVER</translation>
    </message>
    <message>
        <source>Поворот наблюдения по Ox</source>
        <translation>View rotation about Ox</translation>
    </message>
    <message>
        <source>°           по Оy</source>
        <translation>°       about Oy</translation>
    </message>
    <message>
        <source>°          по Оz</source>
        <translation>°      about Oz</translation>
    </message>
    <message>
        <source>Наклон источника</source>
        <translation>Source slant</translation>
    </message>
    <message>
        <source>Матовая  функция отражательной способности ф = cos( i )</source>
        <translation>Matte  reflectance function φ = cos( i )</translation>
    </message>
    <message>
        <source>Глянцевая     s=</source>
        <translation>Glossy         s=</translation>
    </message>
    <message>
        <source>Зеркальная: ф = 1 только когда i = e и g = i + e</source>
        <translation>Mirror: φ = 1 only when i = e and g = i + e</translation>
    </message>
    <message>
        <source>Каменистая ф = cos( i ) / cos(e). Заметна при наклонном освещении.</source>
        <translation>Rocky φ = cos( i ) / cos(e). Shows under oblique light.</translation>
    </message>
    <message>
        <source>ОТОБРАЖАТЬ  ИЗОЛИНИИ ОСВЕЩЁННОСТИ В ЦВЕТЕ</source>
        <translation>SHOW  ISOPHOTES IN COLOUR</translation>
    </message>
    <message>
        <source>В этой зоне поверхность становится самозатеняющейся</source>
        <translation>In this zone the surface shadows itself</translation>
    </message>
    <message>
        <source>Тонировать</source>
        <translation>Shade</translation>
    </message>
    <message>
        <source>Половину шара</source>
        <translation>Half the sphere</translation>
    </message>
    <message>
        <source>Сглаживание 2x2 субпикселя</source>
        <translation>Smoothing, 2x2 subpixels</translation>
    </message>
    <message>
        <source>Версия 1.1 от 09.I.2014 года</source>
        <translation>Version 1.1 of 9 January 2014</translation>
    </message>
    <message>
        <source>Глянцевая</source>
        <translation>Glossy</translation>
    </message>
    <message>
        <source>Карта R(p, q)</source>
        <translation>Map R(p, q)</translation>
    </message>
    <message>
        <source>Источники</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Сфера крупно</source>
        <translation>Large sphere</translation>
    </message>
    <message>
        <source>Фазовая кривая</source>
        <translation>Phase curve</translation>
    </message>
    <message>
        <source>Сравнить законы</source>
        <translation>Compare laws</translation>
    </message>
    <message>
        <source>Профиль по сфере</source>
        <translation>Profile across the sphere</translation>
    </message>
    <message>
        <source>Потемнение к краю по фотометрическому экватору</source>
        <translation>Limb darkening along the photometric equator</translation>
    </message>
    <message>
        <source>Профиль по карте</source>
        <translation>Profile across the map</translation>
    </message>
    <message>
        <source>Профиль по поверхности, источник %1</source>
        <translation>Profile across the surface, source %1</translation>
    </message>
    <message>
        <source>Тревелум на сфере Гаусса</source>
        <translation>Travelum on the Gaussian sphere</translation>
    </message>
</context>
<context>
    <name>FormulaPanel</name>
    <message>
        <source>Формула длиннее %1 знаков (в ней %2): сократите её.</source>
        <translation>The formula is longer than %1 characters (it has %2): shorten it.</translation>
    </message>
    <message>
        <source>формула закона…</source>
        <translation>a law’s formula…</translation>
    </message>
    <message>
        <source>Начать с:</source>
        <translation>Start from:</translation>
    </message>
    <message>
        <source>ф =</source>
        <translation>φ =</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>имя</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Параметры формулы (имя и значение):</source>
        <translation>Formula parameters (name and value):</translation>
    </message>
</context>
<context>
    <name>GradientMapWindow</name>
    <message>
        <source>Карта отражательной способности R(p, q)</source>
        <translation>Reflectance map R(p, q)</translation>
    </message>
    <message>
        <source>карта.png</source>
        <translation>map.png</translation>
    </message>
    <message>
        <source>Исходный масштаб</source>
        <translation>Default scale</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка — Тревелум на сфере Гаусса</source>
        <translation>Help — Travelum on the Gaussian sphere</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Язык / Language</source>
        <translation>Язык / Language</translation>
    </message>
</context>
<context>
    <name>LawDescriptions</name>
    <message>
        <source>ф = μ&lt;sub&gt;0&lt;/sub&gt;&lt;sup&gt;k&lt;/sup&gt; · μ&lt;sup&gt;k−1&lt;/sup&gt;</source>
        <translation>φ = μ&lt;sub&gt;0&lt;/sub&gt;&lt;sup&gt;k&lt;/sup&gt; · μ&lt;sup&gt;k−1&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>ф = 2μ&lt;sub&gt;0&lt;/sub&gt; / (μ&lt;sub&gt;0&lt;/sub&gt; + μ)</source>
        <translation>φ = 2μ&lt;sub&gt;0&lt;/sub&gt; / (μ&lt;sub&gt;0&lt;/sub&gt; + μ)</translation>
    </message>
    <message>
        <source>ф = L · 2μ&lt;sub&gt;0&lt;/sub&gt; / (μ&lt;sub&gt;0&lt;/sub&gt; + μ) + (1 − L) · μ&lt;sub&gt;0&lt;/sub&gt;&lt;br&gt;по Мак-Юэну: L(g) = 1 − 0,019g + 0,000242g&lt;sup&gt;2&lt;/sup&gt; − 0,00000146g&lt;sup&gt;3&lt;/sup&gt;, g в градусах, L от 0 до 1</source>
        <translation>φ = L · 2μ&lt;sub&gt;0&lt;/sub&gt; / (μ&lt;sub&gt;0&lt;/sub&gt; + μ) + (1 − L) · μ&lt;sub&gt;0&lt;/sub&gt;&lt;br&gt;after McEwen: L(g) = 1 − 0.019g + 0.000242g&lt;sup&gt;2&lt;/sup&gt; − 0.00000146g&lt;sup&gt;3&lt;/sup&gt;, g in degrees, L from 0 to 1</translation>
    </message>
    <message>
        <source>ф = μ&lt;sub&gt;0&lt;/sub&gt; · (1 + (B/A) · max(0, cos Δφ) · sin α · tg β)&lt;br&gt;A = 1 − 0,5σ&lt;sup&gt;2&lt;/sup&gt;/(σ&lt;sup&gt;2&lt;/sup&gt; + 0,33), B = 0,45σ&lt;sup&gt;2&lt;/sup&gt;/(σ&lt;sup&gt;2&lt;/sup&gt; + 0,09), α = max(i, e), β = min(i, e)</source>
        <translation>φ = μ&lt;sub&gt;0&lt;/sub&gt; · (1 + (B/A) · max(0, cos Δφ) · sin α · tan β)&lt;br&gt;A = 1 − 0.5σ&lt;sup&gt;2&lt;/sup&gt;/(σ&lt;sup&gt;2&lt;/sup&gt; + 0.33), B = 0.45σ&lt;sup&gt;2&lt;/sup&gt;/(σ&lt;sup&gt;2&lt;/sup&gt; + 0.09), α = max(i, e), β = min(i, e)</translation>
    </message>
    <message>
        <source>ф ∝ μ&lt;sub&gt;0&lt;/sub&gt;/(μ&lt;sub&gt;0&lt;/sub&gt; + μ) · [(1 + B(g)) P(g) + H(μ&lt;sub&gt;0&lt;/sub&gt;) H(μ) − 1], ф = 1 при i = e = g = 0&lt;br&gt;B(g) = B&lt;sub&gt;0&lt;/sub&gt; / (1 + tg(g/2) / h), P — Хеньи — Гринстейн с асимметрией ξ,&lt;br&gt;H(x) = (1 + 2x) / (1 + 2γx), γ = √(1 − w)</source>
        <translation>φ ∝ μ&lt;sub&gt;0&lt;/sub&gt;/(μ&lt;sub&gt;0&lt;/sub&gt; + μ) · [(1 + B(g)) P(g) + H(μ&lt;sub&gt;0&lt;/sub&gt;) H(μ) − 1], φ = 1 at i = e = g = 0&lt;br&gt;B(g) = B&lt;sub&gt;0&lt;/sub&gt; / (1 + tan(g/2) / h), P is Henyey–Greenstein with asymmetry ξ,&lt;br&gt;H(x) = (1 + 2x) / (1 + 2γx), γ = √(1 − w)</translation>
    </message>
    <message>
        <source>B. Hapke. Bidirectional reflectance spectroscopy. 1. Theory. &lt;i&gt;Journal of Geophysical Research&lt;/i&gt;, 86, 1981; B(g) — в форме из части 4, &lt;i&gt;Icarus&lt;/i&gt;, 67, 1986.</source>
        <translation>B. Hapke. Bidirectional reflectance spectroscopy. 1. Theory. &lt;i&gt;Journal of Geophysical Research&lt;/i&gt;, 86, 1981; B(g) in the form of part 4, &lt;i&gt;Icarus&lt;/i&gt;, 67, 1986.</translation>
    </message>
    <message>
        <source>ф = (1 − s) μ&lt;sub&gt;0&lt;/sub&gt; + s · cos&lt;sup&gt;n&lt;/sup&gt; θ&lt;sub&gt;h&lt;/sub&gt;</source>
        <translation>φ = (1 − s) μ&lt;sub&gt;0&lt;/sub&gt; + s · cos&lt;sup&gt;n&lt;/sup&gt; θ&lt;sub&gt;h&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>ф = (1 − s) μ&lt;sub&gt;0&lt;/sub&gt; + s · D F G / (4μ), лепесток делится на своё значение при i = e = g = 0&lt;br&gt;D — Бекманн с наклоном m, F — Шлик с F&lt;sub&gt;0&lt;/sub&gt;, G — затенение микрогранями</source>
        <translation>φ = (1 − s) μ&lt;sub&gt;0&lt;/sub&gt; + s · D F G / (4μ), the lobe divided by its value at i = e = g = 0&lt;br&gt;D is Beckmann with slope m, F is Schlick with F&lt;sub&gt;0&lt;/sub&gt;, G is microfacet shadowing</translation>
    </message>
    <message>
        <source>ф — выражение от i, e, g, ci, ce, cg и до четырёх своих параметров</source>
        <translation>φ is an expression in i, e, g, ci, ce, cg and up to four parameters of its own</translation>
    </message>
    <message>
        <source>Формулу читает и вычисляет библиотека muparser.</source>
        <translation>The formula is read and evaluated by the muparser library.</translation>
    </message>
    <message>
        <source>ф ∝ μ&lt;sub&gt;0e&lt;/sub&gt;/(μ&lt;sub&gt;0e&lt;/sub&gt; + μ&lt;sub&gt;e&lt;/sub&gt;) · [(1 + B(g)) P(g) + H(μ&lt;sub&gt;0e&lt;/sub&gt;) H(μ&lt;sub&gt;e&lt;/sub&gt;) − 1] · (1 + B&lt;sub&gt;C&lt;/sub&gt;(g)) · S(i, e, g), ф = 1 при i = e = g = 0&lt;br&gt;μ&lt;sub&gt;0e&lt;/sub&gt;, μ&lt;sub&gt;e&lt;/sub&gt;, S — косинусы и затенение шероховатой поверхности со средним наклоном θ̄;&lt;br&gt;B&lt;sub&gt;C&lt;/sub&gt;(g) = B&lt;sub&gt;C0&lt;/sub&gt; (1 + (1 − e&lt;sup&gt;−z&lt;/sup&gt;)/z) / (2(1 + z)&lt;sup&gt;2&lt;/sup&gt;), z = tg(g/2) / h&lt;sub&gt;C&lt;/sub&gt;;&lt;br&gt;H(x) 1981 года: (1 + 2x)/(1 + 2γx); 2002 года: 1/(1 − wx(r&lt;sub&gt;0&lt;/sub&gt; + (1 − 2r&lt;sub&gt;0&lt;/sub&gt;x)/2 · ln((1 + x)/x))), r&lt;sub&gt;0&lt;/sub&gt; = (1 − γ)/(1 + γ)</source>
        <translation>φ ∝ μ&lt;sub&gt;0e&lt;/sub&gt;/(μ&lt;sub&gt;0e&lt;/sub&gt; + μ&lt;sub&gt;e&lt;/sub&gt;) · [(1 + B(g)) P(g) + H(μ&lt;sub&gt;0e&lt;/sub&gt;) H(μ&lt;sub&gt;e&lt;/sub&gt;) − 1] · (1 + B&lt;sub&gt;C&lt;/sub&gt;(g)) · S(i, e, g), φ = 1 at i = e = g = 0&lt;br&gt;μ&lt;sub&gt;0e&lt;/sub&gt;, μ&lt;sub&gt;e&lt;/sub&gt;, S: the cosines and shadowing of a rough surface of mean slope θ̄;&lt;br&gt;B&lt;sub&gt;C&lt;/sub&gt;(g) = B&lt;sub&gt;C0&lt;/sub&gt; (1 + (1 − e&lt;sup&gt;−z&lt;/sup&gt;)/z) / (2(1 + z)&lt;sup&gt;2&lt;/sup&gt;), z = tan(g/2) / h&lt;sub&gt;C&lt;/sub&gt;;&lt;br&gt;H(x) of 1981: (1 + 2x)/(1 + 2γx); of 2002: 1/(1 − wx(r&lt;sub&gt;0&lt;/sub&gt; + (1 − 2r&lt;sub&gt;0&lt;/sub&gt;x)/2 · ln((1 + x)/x))), r&lt;sub&gt;0&lt;/sub&gt; = (1 − γ)/(1 + γ)</translation>
    </message>
</context>
<context>
    <name>LawWindow</name>
    <message>
        <source>Не число: остаётся %1</source>
        <translation>Not a number: %1 stays</translation>
    </message>
    <message>
        <source>Вне пределов от %1 до %2: остаётся %3</source>
        <translation>Outside %1 to %2: %3 stays</translation>
    </message>
    <message>
        <source>Параметры функции</source>
        <translation>Function parameters</translation>
    </message>
    <message>
        <source>У этого закона нет параметров.</source>
        <translation>This law has no parameters.</translation>
    </message>
    <message>
        <source>L(g) по Мак-Юэну</source>
        <translation>L(g) after McEwen</translation>
    </message>
    <message>
        <source>Источник: </source>
        <translation>Source: </translation>
    </message>
    <message>
        <source>&lt;a href="%1"&gt;Справка: %2&lt;/a&gt;</source>
        <translation>&lt;a href="%1"&gt;Help: %2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Только %1 или %2: остаётся %3</source>
        <translation>Only %1 or %2: %3 stays</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Анимация…</source>
        <translation>Animation…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Яркость…</source>
        <translation>Brightness…</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Чёрный</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Серый</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Фон рисунка</source>
        <translation>Picture background</translation>
    </message>
    <message>
        <source>Фу&amp;нкция</source>
        <translation>Fu&amp;nction</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Что это?</source>
        <translation>What's This?</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Настройка «%1» не открыта: %2</source>
        <translation>Setup “%1” was not opened: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать наблюдения «%1»: %2</source>
        <translation>Could not read the observations «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ObservationsPanel</name>
    <message>
        <source>Открыть наблюдения…</source>
        <translation>Open observations…</translation>
    </message>
    <message>
        <source>Подобрать</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Что подобрать, через запятую: параметры закона (как в «Параметрах функции») с albedo для яркостей или H для звёздных величин; или H,G; или H,G1,G2</source>
        <translation>What to fit, separated by commas: the law's parameters (as in “Function parameters”) with albedo for brightness or H for magnitudes; or H,G; or H,G1,G2</translation>
    </message>
    <message>
        <source>Наблюдения фазовой кривой</source>
        <translation>Observations of a phase curve</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv *.txt);;Все файлы (*)</source>
        <translation>CSV tables (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>%1: точек %2</source>
        <translation>%1: %2 points</translation>
    </message>
    <message>
        <source> (на границе)</source>
        <translation>(at its bound)</translation>
    </message>
    <message>
        <source>%1; χ² = %2 при %3 степенях свободы</source>
        <translation>%1; χ² = %2 with %3 degrees of freedom</translation>
    </message>
</context>
<context>
    <name>OverlayMenu</name>
    <message>
        <source>Изолинии линиями</source>
        <translation>Isolines as lines</translation>
    </message>
    <message>
        <source>Контур диска</source>
        <translation>Disc outline</translation>
    </message>
    <message>
        <source>Источник на сфере</source>
        <translation>Source on the sphere</translation>
    </message>
    <message>
        <source>Толщина линий</source>
        <translation>Line width</translation>
    </message>
</context>
<context>
    <name>PhaseCurveWindow</name>
    <message>
        <source>Фазовая кривая</source>
        <translation>Phase curve</translation>
    </message>
    <message>
        <source>В звёздных величинах</source>
        <translation>In magnitudes</translation>
    </message>
    <message>
        <source>У зеркальной функции фазовой кривой нет: её яркость сосредоточена в одной точке.</source>
        <translation>The mirror function has no phase curve: its brightness is concentrated in one point.</translation>
    </message>
    <message>
        <source>Функция темна на всём диске при g = 0.</source>
        <translation>The function is dark over the whole disc at g = 0.</translation>
    </message>
    <message>
        <source>Альбедо Ламберта A_L:</source>
        <translation>Lambert's albedo A_L:</translation>
    </message>
    <message>
        <source>Альбедо однократного рассеяния w:</source>
        <translation>Single-scattering albedo w:</translation>
    </message>
    <message>
        <source>Масштаб закона — его w в «Параметрах функции»</source>
        <translation>The law's scale is its w in “Function parameters”</translation>
    </message>
    <message>
        <source>Нормальное альбедо (I/F при i = e = g = 0):</source>
        <translation>Normal albedo (I/F at i = e = g = 0):</translation>
    </message>
    <message>
        <source>Кривая</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Наблюдения</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Геометрическое альбедо p = %1, фазовый интеграл q = 2∫Φ(g) sin g dg = %2, сферическое альбедо A = p·q = %3</source>
        <translation>Geometric albedo p = %1, phase integral q = 2∫Φ(g) sin g dg = %2, spherical albedo A = p·q = %3</translation>
    </message>
    <message>
        <source>Альбедо — число от 0 до 1.</source>
        <translation>The albedo is a number from 0 to 1.</translation>
    </message>
    <message>
        <source>Альбедо — число не меньше 0.</source>
        <translation>The albedo is a number of at least 0.</translation>
    </message>
    <message>
        <source>Оппозиция: 0–10°</source>
        <translation>Opposition: 0–10°</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>рисунок не удалось записать в формате %1</source>
        <translation>the picture could not be written as %1</translation>
    </message>
    <message>
        <source>рисунок сохраняется только в файл PNG (.png), BMP (.bmp), SVG (.svg) или PDF (.pdf)</source>
        <translation>a picture is saved only to a PNG (.png), BMP (.bmp), SVG (.svg) or PDF (.pdf) file</translation>
    </message>
    <message>
        <source>Не удалось сохранить рисунок в файл «%1»: %2.</source>
        <translation>Could not save the picture to the file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок BMP (*.bmp)</source>
        <translation>BMP picture (*.bmp)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>сфера.png</source>
        <translation>sphere.png</translation>
    </message>
</context>
<context>
    <name>ParameterValues</name>
    <message>
        <source>значений больше %1</source>
        <translation>more than %1 values</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>%1 = %2 вне диапазона от %3 до %4</source>
        <translation>%1 = %2 is outside the range %3 to %4</translation>
    </message>
    <message>
        <source>Кривые при значениях</source>
        <translation>Curves at the values of</translation>
    </message>
    <message>
        <source>например 0,5; 1; 1,5 — Enter</source>
        <translation>such as 0.5; 1; 1.5, then Enter</translation>
    </message>
    <message>
        <source>У этой функции нет параметров из каталога законов: выберите закон в «Функции»</source>
        <translation>This function has no parameters in the laws' catalogue: choose a law from “Function”</translation>
    </message>
    <message>
        <source>Значения «%1» не подходят: %2. Кривые не изменены.</source>
        <translation>The values “%1” will not do: %2. The curves are unchanged.</translation>
    </message>
</context>
<context>
    <name>PlotAxes</name>
    <message>
        <source>по оси %1 нужны и минимум, и максимум (или ни того, ни другого — диапазон сам)</source>
        <translation>the %1 axis needs both a minimum and a maximum (or neither, for the automatic range)</translation>
    </message>
    <message>
        <source>«%1» по оси %2 — не число</source>
        <translation>“%1” on the %2 axis is not a number</translation>
    </message>
    <message>
        <source>минимум по оси %1 должен быть меньше максимума</source>
        <translation>the minimum of the %1 axis must be below its maximum</translation>
    </message>
    <message>
        <source>звёздные величины — уже логарифм яркости; логарифмическая шкала нужна только для яркости</source>
        <translation>magnitudes are a logarithm of the brightness already; a logarithmic scale is for brightness only</translation>
    </message>
    <message>
        <source>на графике есть значения меньше нуля: у них нет логарифма</source>
        <translation>the plot has values below zero, which have no logarithm</translation>
    </message>
    <message>
        <source>на графике нет значений больше нуля</source>
        <translation>the plot has no values above zero</translation>
    </message>
    <message>
        <source>логарифмическая шкала по y невозможна: %1</source>
        <translation>a logarithmic y axis is not possible: %1</translation>
    </message>
    <message>
        <source>на логарифмической шкале минимум по y должен быть больше нуля</source>
        <translation>on a logarithmic scale the minimum of y must be above zero</translation>
    </message>
    <message>
        <source>Лог. y</source>
        <translation>Log y</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Диапазоны осей по данным, шкала y линейная</source>
        <translation>The axes' ranges from the data, a linear y scale</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>график сохраняется только в файл PNG (.png), SVG (.svg) или PDF (.pdf)</source>
        <translation>a plot is saved only to a PNG (.png), SVG (.svg) or PDF (.pdf) file</translation>
    </message>
    <message>
        <source>график не удалось нарисовать</source>
        <translation>the plot could not be drawn</translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation>Save plot…</translation>
    </message>
    <message>
        <source>Сохранить данные (CSV)…</source>
        <translation>Save data (CSV)…</translation>
    </message>
    <message>
        <source>кривая.csv</source>
        <translation>curve.csv</translation>
    </message>
    <message>
        <source>кривая.png</source>
        <translation>curve.png</translation>
    </message>
    <message>
        <source>Данные CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Рисунок SVG (*.svg);;Документ PDF (*.pdf)</source>
        <translation>PNG picture (*.png);;SVG picture (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>Не удалось сохранить график в файл «%1»: %2.</source>
        <translation>Could not save the plot to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить данные в файл «%1»: %2.</source>
        <translation>Could not save the data to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Сохранить график размером…</source>
        <translation>Save plot at a size…</translation>
    </message>
    <message>
        <source>Сохранить график размером</source>
        <translation>Save plot at a size</translation>
    </message>
    <message>
        <source>Ширина × высота, пикселей:</source>
        <translation>Width × height, pixels:</translation>
    </message>
    <message>
        <source>Размер «%1» не подходит: %2.</source>
        <translation>The size “%1” will not do: %2.</translation>
    </message>
    <message>
        <source>размер — ширина и высота в пикселях от %1 до %2, например 1600×900</source>
        <translation>a size is a width and a height in pixels from %1 to %2, such as 1600×900</translation>
    </message>
    <message>
        <source>Диапазон осей не изменён: %1.</source>
        <translation>The axes' ranges are unchanged: %1.</translation>
    </message>
</context>
<context>
    <name>PointerReadout</name>
    <message>
        <source>изолиния %1 ± %2</source>
        <translation>isoline %1 ± %2</translation>
    </message>
    <message>
        <source>зона самозатенения</source>
        <translation>self-shadow zone</translation>
    </message>
    <message>
        <source>полутень</source>
        <translation>penumbra</translation>
    </message>
    <message>
        <source>глубокая тень</source>
        <translation>deep shadow</translation>
    </message>
    <message>
        <source>тон</source>
        <translation>tone</translation>
    </message>
    <message>
        <source>точка (%1%4%2%4%3)</source>
        <translation>point (%1%4%2%4%3)</translation>
    </message>
    <message>
        <source>ф%1 = %2</source>
        <translation>φ%1 = %2</translation>
    </message>
    <message>
        <source>не определено</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>ф = %1</source>
        <translation>φ = %1</translation>
    </message>
    <message>
        <source> (на рисунке %1)</source>
        <translation> (%1 in the picture)</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>По фотометрическому экватору</source>
        <translation>Along the photometric equator</translation>
    </message>
    <message>
        <source>Большой круг через точки, обращённые к наблюдателю и к источнику: вдоль него читают потемнение к краю</source>
        <translation>The great circle through the points facing the observer and the source: limb darkening is read along it</translation>
    </message>
    <message>
        <source>Закон Миннарта по профилю: k = %1 ± %2, B₀ = %3 (наклон lg(μ·ф) по lg(μ₀·μ), точек %4)</source>
        <translation>Minnaert's law from the profile: k = %1 ± %2, B₀ = %3 (the slope of lg(μ·φ) against lg(μ₀·μ), %4 points)</translation>
    </message>
</context>
<context>
    <name>RecoveryControls</name>
    <message>
        <source>Форма по затенению (быстрый марш)</source>
        <translation>Shape from shading (fast marching)</translation>
    </message>
    <message>
        <source>Фотометрическое стерео без бликов и теней</source>
        <translation>Photometric stereo without highlights and shadows</translation>
    </message>
    <message>
        <source>Снимки</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Снимки окна «Поверхность»</source>
        <translation>Images of the “Surface” window</translation>
    </message>
    <message>
        <source>Снимки из папки</source>
        <translation>Images from a folder</translation>
    </message>
    <message>
        <source>Папка снимков…</source>
        <translation>Image folder…</translation>
    </message>
    <message>
        <source>нет (64 бита)</source>
        <translation>none (64 bits)</translation>
    </message>
    <message>
        <source>8 бит</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>16 бит</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <source>Шум, уровней серого:</source>
        <translation>Noise, grey levels:</translation>
    </message>
    <message>
        <source>Зерно шума:</source>
        <translation>Noise seed:</translation>
    </message>
    <message>
        <source>Квантование:</source>
        <translation>Quantisation:</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Фотометрическое стерео (Вудхэм)</source>
        <translation>Photometric stereo (Woodham)</translation>
    </message>
    <message>
        <source>Фотометрическое стерео по закону</source>
        <translation>Photometric stereo by the law</translation>
    </message>
    <message>
        <source>Форма по затенению (Тсай и Шах)</source>
        <translation>Shape from shading (Tsai and Shah)</translation>
    </message>
    <message>
        <source>Форма по затенению (Хорн)</source>
        <translation>Shape from shading (Horn)</translation>
    </message>
    <message>
        <source>Пуассон, косинусное преобразование</source>
        <translation>Poisson, cosine transform</translation>
    </message>
    <message>
        <source>Франкот и Челлаппа (Фурье)</source>
        <translation>Frankot and Chellappa (Fourier)</translation>
    </message>
    <message>
        <source>Пуассон на маске</source>
        <translation>Poisson on the mask</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Метод:</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>Интегрирование:</source>
        <translation>Integration:</translation>
    </message>
    <message>
        <source>%1: %2 снимков %3×%4</source>
        <translation>%1: %2 images %3×%4</translation>
    </message>
    <message>
        <source>Папка снимков</source>
        <translation>Image folder</translation>
    </message>
</context>
<context>
    <name>RecoveryWindow</name>
    <message>
        <source>Источники шара освещают снимки из папки: сначала выберите папку снимков.</source>
        <translation>The ball's sources light photographs from a folder: choose a folder of photographs first.</translation>
    </message>
    <message>
        <source>Снимков %1, а источников шара %2: каждому снимку нужен свой источник.</source>
        <translation>%1 photographs but %2 ball sources: each photograph needs a source of its own.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Отброшено отсчётов (блики и тени):&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Samples left out (highlights and shadows):&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Неоднозначных точек:&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Ambiguous points:&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>авто</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>шкала до</source>
        <translation>scale to</translation>
    </message>
    <message>
        <source>Сохранить высоту…</source>
        <translation>Save height…</translation>
    </message>
    <message>
        <source>Сохранить карту нормалей…</source>
        <translation>Save normal map…</translation>
    </message>
    <message>
        <source>Сохранить альбедо…</source>
        <translation>Save albedo…</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Save report…</translation>
    </message>
    <message>
        <source>Сохранить карту ошибок…</source>
        <translation>Save error map…</translation>
    </message>
    <message>
        <source>ошибки.png</source>
        <translation>errors.png</translation>
    </message>
    <message>
        <source>истинная поверхность неизвестна, карты ошибок нет</source>
        <translation>the true surface is unknown: there is no error map</translation>
    </message>
    <message>
        <source>GeoTIFF (*.tif *.tiff);;Сетка ASCII (*.asc)</source>
        <translation>GeoTIFF (*.tif *.tiff);;ASCII grid (*.asc)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Текст (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>высота пишется в файл .tif или .asc</source>
        <translation>the height is written to a .tif or .asc file</translation>
    </message>
    <message>
        <source>не удалось закодировать данные</source>
        <translation>the data could not be encoded</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»: %2.</source>
        <translation>Could not save the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Точка (столбец %1, строка %2): </source>
        <translation>Point (column %1, row %2): </translation>
    </message>
    <message>
        <source>восстановлено p = %1, q = %2</source>
        <translation>recovered p = %1, q = %2</translation>
    </message>
    <message>
        <source>не восстановлена</source>
        <translation>not recovered</translation>
    </message>
    <message>
        <source>; истинно p = %1, q = %2</source>
        <translation>; true p = %1, q = %2</translation>
    </message>
    <message>
        <source>; угол между нормалями %1°</source>
        <translation>; angle between the normals %1°</translation>
    </message>
    <message>
        <source>Восстановление формы</source>
        <translation>Shape recovery</translation>
    </message>
    <message>
        <source>Альбедо</source>
        <translation>Albedo</translation>
    </message>
    <message>
        <source>Карта нормалей</source>
        <translation>Normal map</translation>
    </message>
    <message>
        <source>Иглы нормалей на снимке 1</source>
        <translation>Normal needles on image 1</translation>
    </message>
    <message>
        <source>Высота, освещённая законом</source>
        <translation>Height lit by the law</translation>
    </message>
    <message>
        <source>Ошибка нормалей</source>
        <translation>Normal error</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>свет: наклон</source>
        <translation>light: slant</translation>
    </message>
    <message>
        <source>азимут</source>
        <translation>azimuth</translation>
    </message>
    <message>
        <source>Щелчок по рисунку выбирает точку: её нормаль отмечается на карте.</source>
        <translation>A click on the picture picks a point: its normal is marked on the map.</translation>
    </message>
    <message>
        <source>Нажмите «Восстановить»: снимки — те, что показывает окно «Поверхность», по одному на источник (добавьте источники в «Источниках», Ctrl+L; стерео нужно три).</source>
        <translation>Press “Recover”: the images are those the “Surface” window shows, one a source (add sources in “Sources”, Ctrl+L; stereo needs three).</translation>
    </message>
    <message>
        <source>Истинная поверхность неизвестна: ошибки не измерить.&lt;br&gt;Восстановлено пикселей: %1</source>
        <translation>The true surface is unknown: the errors cannot be measured.&lt;br&gt;Pixels recovered: %1</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Угловая ошибка нормалей, средняя:&lt;/td&gt;&lt;td&gt;%1°&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Угловая ошибка нормалей, медиана:&lt;/td&gt;&lt;td&gt;%2°&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;СКО высоты (средние совмещены):&lt;/td&gt;&lt;td&gt;%3 (%4 % размаха)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Средняя ошибка высоты:&lt;/td&gt;&lt;td&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Разброс ошибки высоты:&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Средняя ошибка градиента:&lt;/td&gt;&lt;td&gt;%7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Восстановлено пикселей:&lt;/td&gt;&lt;td&gt;%8&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Mean angular error of the normals:&lt;/td&gt;&lt;td&gt;%1°&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Median angular error of the normals:&lt;/td&gt;&lt;td&gt;%2°&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;RMS height error (means aligned):&lt;/td&gt;&lt;td&gt;%3 (%4 % of the range)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Mean height error:&lt;/td&gt;&lt;td&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Spread of the height error:&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Mean gradient error:&lt;/td&gt;&lt;td&gt;%7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Pixels recovered:&lt;/td&gt;&lt;td&gt;%8&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Истинная поверхность неизвестна: карта ошибок не строится.</source>
        <translation>The true surface is unknown: no error map is drawn.</translation>
    </message>
    <message>
        <source>высота.tif</source>
        <translation>height.tif</translation>
    </message>
    <message>
        <source>нормали.png</source>
        <translation>normals.png</translation>
    </message>
    <message>
        <source>альбедо.png</source>
        <translation>albedo.png</translation>
    </message>
    <message>
        <source>отчёт.txt</source>
        <translation>report.txt</translation>
    </message>
    <message>
        <source>Нет снимков: откройте поверхность или папку снимков.</source>
        <translation>No images: open a surface or an image folder.</translation>
    </message>
</context>
<context>
    <name>ReliefView</name>
    <message>
        <source>Рельеф в 3D</source>
        <translation>Relief in 3-D</translation>
    </message>
    <message>
        <source>Истинная поверхность (сетка)</source>
        <translation>True surface (mesh)</translation>
    </message>
    <message>
        <source>Высоты в истинном масштабе; истинная поверхность сдвинута к средней высоте восстановленной. Точки без ответа — на уровне самой низкой. Мышь поворачивает, колесо приближает.</source>
        <translation>Heights at their true scale; the true surface is moved to the mean height of the recovered one. Points without an answer lie at the lowest level. The mouse turns the view, the wheel zooms.</translation>
    </message>
    <message>
        <source>Рельеф в 3D…</source>
        <translation>Relief in 3-D…</translation>
    </message>
</context>
<context>
    <name>SetupMenu</name>
    <message>
        <source>Настройки (*.%1);;Все файлы (*)</source>
        <translation>Setups (*.%1);;All files (*)</translation>
    </message>
    <message>
        <source>Открыть настройку…</source>
        <translation>Open setup…</translation>
    </message>
    <message>
        <source>Сохранить настройку…</source>
        <translation>Save setup…</translation>
    </message>
    <message>
        <source>Недавние настройки</source>
        <translation>Recent setups</translation>
    </message>
    <message>
        <source>Настройка не сохранена: %1</source>
        <translation>Setup not saved: %1</translation>
    </message>
    <message>
        <source>Не удалось записать настройку «%1»: %2</source>
        <translation>Could not write the setup “%1”: %2</translation>
    </message>
    <message>
        <source>Открыть настройку</source>
        <translation>Open setup</translation>
    </message>
    <message>
        <source>Сохранить настройку</source>
        <translation>Save setup</translation>
    </message>
</context>
<context>
    <name>SourcesPanel</name>
    <message>
        <source>— слишком большое число градусов</source>
        <translation>is too many degrees</translation>
    </message>
    <message>
        <source>не читается как число градусов</source>
        <translation>does not read as a number of degrees</translation>
    </message>
    <message>
        <source>«%1» %2; угол остаётся %3°</source>
        <translation>“%1” %2; the angle stays %3°</translation>
    </message>
    <message>
        <source>Наклон источника от оси наблюдения, градусы</source>
        <translation>Slant of the source from the view axis, degrees</translation>
    </message>
    <message>
        <source>Поворот источника вокруг оси наблюдения, градусы; 0 — плоскость источника 1</source>
        <translation>Tilt of the source about the view axis, degrees; 0 is the plane of source 1</translation>
    </message>
    <message>
        <source>Источники</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Источники света для фотометрического стерео. Источник 1 — описанный (наклон из главного окна); источники 2–8 задаются наклоном от оси наблюдения и поворотом вокруг неё, источники с 4-го добавляет кнопка «Добавить». Когда указатель на карте, для каждого источника рисуется изофота через эту ориентацию, а точки пересечения изофот отмечаются кольцами.</source>
        <translation>Light sources for photometric stereo. Source 1 is the described one (its slant from the main window); sources 2 to 8 are given by a slant from the view axis and a tilt about it, and “Add” adds the sources from the 4th on. While the pointer is on the map, each source's isophote through that orientation is drawn, and the isophotes' crossings are marked with rings.</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Добавить ещё один источник (всего до восьми)</source>
        <translation>Add one more source (up to eight in all)</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Убрать последний добавленный источник</source>
        <translation>Remove the source added last</translation>
    </message>
    <message>
        <source>1: наклон из главного окна</source>
        <translation>1: the main window's slant</translation>
    </message>
    <message>
        <source>Источник 1 — описанный: его наклон задаёт главное окно, поворот 0°; им тонируются шар и карта</source>
        <translation>Source 1 is the described one: the main window sets its slant, its tilt is 0°; the sphere and the map are shaded by it</translation>
    </message>
    <message>
        <source>наклон</source>
        <translation>slant</translation>
    </message>
    <message>
        <source>поворот</source>
        <translation>tilt</translation>
    </message>
    <message>
        <source>Добавить источник %1 на карту</source>
        <translation>Add source %1 to the map</translation>
    </message>
    <message>
        <source>Освещено всеми</source>
        <translation>Lit by all</translation>
    </message>
    <message>
        <source>Штриховка ориентаций, которые освещены всеми используемыми источниками (cos i &gt; 0 для каждого): только их фотометрическое стерео может восстановить.</source>
        <translation>Hatches the orientations lit by every source in use (cos i &gt; 0 for each): only these can photometric stereo recover.</translation>
    </message>
    <message>
        <source>Заштриховать ориентации, освещённые всеми источниками (cos i &gt; 0 для каждого)</source>
        <translation>Hatch the orientations lit by all sources (cos i &gt; 0 for each)</translation>
    </message>
</context>
<context>
    <name>SurfaceControls</name>
    <message>
        <source>«%1» не читается как число; остаётся %2</source>
        <translation>“%1” does not read as a number; %2 stays</translation>
    </message>
    <message>
        <source>%1 — вне пределов от %2 до %3; остаётся %4</source>
        <translation>%1 is outside %2 to %3; %4 stays</translation>
    </message>
    <message>
        <source>Поверхность</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Ширина, клеток</source>
        <translation>Width, cells</translation>
    </message>
    <message>
        <source>Высота, клеток</source>
        <translation>Height, cells</translation>
    </message>
    <message>
        <source>Множитель всех высот; отрицательный переворачивает рельеф</source>
        <translation>Factor of every height; a negative one turns the relief upside down</translation>
    </message>
    <message>
        <source>Масштаб высот</source>
        <translation>Height scale</translation>
    </message>
    <message>
        <source>Тени рельефа</source>
        <translation>Cast shadows</translation>
    </message>
    <message>
        <source>Клетки, которые рельеф заслоняет от источника, — глубокая тень</source>
        <translation>Cells the relief hides from the source are in deep shadow</translation>
    </message>
    <message>
        <source>Альбедо…</source>
        <translation>Albedo…</translation>
    </message>
    <message>
        <source>Рисунок в оттенках серого, растянутый на поверхность: белое — альбедо 1</source>
        <translation>A greyscale picture stretched over the surface: white is albedo 1</translation>
    </message>
    <message>
        <source>Без альбедо</source>
        <translation>No albedo</translation>
    </message>
    <message>
        <source>Открыть модель рельефа…</source>
        <translation>Open elevation model…</translation>
    </message>
    <message>
        <source>Восстановление формы…</source>
        <translation>Shape recovery…</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>это не обычный файл (папка, канал или устройство)</source>
        <translation>it is not a regular file (a folder, a pipe or a device)</translation>
    </message>
    <message>
        <source>Не удалось прочитать рисунок альбедо «%1»: %2</source>
        <translation>Could not read the albedo picture “%1”: %2</translation>
    </message>
    <message>
        <source>Альбедо: %1</source>
        <translation>Albedo: %1</translation>
    </message>
    <message>
        <source>Не удалось открыть модель рельефа «%1»: %2</source>
        <translation>Could not open the elevation model “%1”: %2</translation>
    </message>
    <message>
        <source>Модель: %1</source>
        <translation>Model: %1</translation>
    </message>
    <message>
        <source>Рисунок альбедо</source>
        <translation>Albedo picture</translation>
    </message>
    <message>
        <source>Рисунки (*.png *.bmp *.jpg *.jpeg *.tif *.tiff *.gif *.pgm *.ppm);;Все файлы (*)</source>
        <translation>Pictures (*.png *.bmp *.jpg *.jpeg *.tif *.tiff *.gif *.pgm *.ppm);;All files (*)</translation>
    </message>
    <message>
        <source>Модель рельефа</source>
        <translation>Elevation model</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>SurfaceImageView</name>
    <message>
        <source>поверхность-%1.png</source>
        <translation>surface-%1.png</translation>
    </message>
    <message>
        <source>Источник 1: наклон %1°</source>
        <translation>Source 1: slant %1°</translation>
    </message>
    <message>
        <source>Источник %1: наклон %2°, поворот %3°</source>
        <translation>Source %1: slant %2°, tilt %3°</translation>
    </message>
    <message>
        <source>Ось y (q) — вверх, как на карте и на сфере при повороте по Ox −90°; при +90° сфера рисует +y вниз, зеркально по вертикали.</source>
        <translation>The y axis (q) points up, as on the map and on the sphere at a rotation about Ox of −90°; at +90° the sphere draws +y down, mirrored top to bottom.</translation>
    </message>
</context>
<context>
    <name>SurfaceReadout</name>
    <message>
        <source>, в тени рельефа</source>
        <translation>, in a cast shadow</translation>
    </message>
</context>
<context>
    <name>SurfaceWindow</name>
    <message>
        <source>Поверхность</source>
        <translation>Surface</translation>
    </message>
</context>
<context>
    <name>WindowsMenu</name>
    <message>
        <source>&amp;Окна</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>Расположить рядом</source>
        <translation>Arrange side by side</translation>
    </message>
    <message>
        <source>Открытые окна (%1) не помещаются рядом на этом экране (%2×%3): закройте какие-нибудь из них.</source>
        <translation>The open windows (%1) do not fit side by side on this screen (%2×%3): close some of them.</translation>
    </message>
</context>
</TS>
