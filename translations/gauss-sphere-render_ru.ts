<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>RenderUsage</name>
    <message>
        <source>Paints the picture of one press of the shade button on a freshly started window and writes it as binary PPM (P6), PNG or BMP, or as an SVG or PDF figure, chosen by the file's extension or by --format, to a file or to standard output; or prints what the picture shows at one pixel. Numbers use "." as decimal separator.</source>
        <translation>Рисует картинку одного нажатия кнопки «Тонировать» в только что открытом окне и записывает её как двоичный PPM (P6), PNG или BMP либо как рисунок SVG или PDF, выбранный по расширению файла или по --format, в файл или на стандартный вывод; или выводит, что картинка показывает в одном пикселе. Десятичный разделитель чисел — «.».</translation>
    </message>
    <message>
        <source>Usage: %1 [options] -o FILE(.ppm|.png|.bmp|.svg|.pdf)
  or:  %1 [options] [--format ppm|png|bmp|svg|pdf] -o FILE|-
  or:  %1 [options] --readout X,Y</source>
        <translation>Использование: %1 [параметры] -o FILE(.ppm|.png|.bmp|.svg|.pdf)
     или:      %1 [параметры] [--format ppm|png|bmp|svg|pdf] -o FILE|-
     или:      %1 [параметры] --readout X,Y</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Grey tones instead of colour isolines.</source>
        <translation>Оттенки серого вместо цветных изолиний.</translation>
    </message>
    <message>
        <source>The grey tone alone, the way to a plain grey image: no isoline bands, no self-shadow or fringe zones, no contour lines, whatever the legend; phi &lt; 0 is black.</source>
        <translation>Только серый тон, путь к простому серому изображению: без полос изолиний, зон собственной тени и каймы, без контурных линий, что бы ни стояло в легенде; phi &lt; 0 — чёрный.</translation>
    </message>
    <message>
        <source>The whole sphere instead of its half.</source>
        <translation>Вся сфера вместо её половины.</translation>
    </message>
    <message>
        <source>2x2 sub-pixel smoothing.</source>
        <translation>Сглаживание 2x2 по подпикселям.</translation>
    </message>
    <message>
        <source>Paint the reflectance map R(p,q) in gradient space instead of the sphere: 50 pixels a unit (times --scale), p to the right, q upwards, the origin at the centre, with axes, their numbered ticks, the letters p and q and the conventions N = (-p, -q, 1). It is seen from +z, so --rot-x, --rot-y, --rot-z and --whole-sphere are ignored (with a warning).</source>
        <translation>Рисовать вместо сферы карту отражательной способности R(p,q) в пространстве градиентов: 50 пикселей на единицу (умножить на --scale), p вправо, q вверх, начало координат в центре, с осями, их числовыми делениями, буквами p и q и соглашением N = (-p, -q, 1). Карта видна с +z, поэтому --rot-x, --rot-y, --rot-z и --whole-sphere не учитываются (с предупреждением).</translation>
    </message>
    <message>
        <source>With --gradient-space: hatch the orientations every source lights (all cos i &gt; 0).</source>
        <translation>С --gradient-space: заштриховать ориентации, освещённые всеми источниками (все cos i &gt; 0).</translation>
    </message>
    <message>
        <source>With --gradient-space: mark the source's point S (a ring and its label) and its dashed shadow line cos i = 0 (drawn also with --light, --through or --lit-by-all).</source>
        <translation>С --gradient-space: отметить точку источника S (кольцо и подпись) и его штриховую линию тени cos i = 0 (рисуются и с --light, --through или --lit-by-all).</translation>
    </message>
    <message>
        <source>With --surface: paint the cells whose ray towards the source meets the terrain as deep shadow.</source>
        <translation>С --surface: рисовать глубокой тенью клетки, чей луч к источнику встречает рельеф.</translation>
    </message>
    <message>
        <source>Print the catalogue of surfaces with their parameters, and nothing else.</source>
        <translation>Вывести каталог поверхностей с их параметрами и ничего больше.</translation>
    </message>
    <message>
        <source>Write the function's disc-integrated phase curve instead of the picture: the brightness of the whole sphere seen from +z against the phase angle g, 0 to 180 degrees, normalised to 1 at g = 0, in 64-bit on a fine grid of the disc; -o FILE.csv (columns g and brightness) or .png / .svg, a plot beside the Lambert and Lommel-Seeliger spheres' closed forms, with the phase integral q.</source>
        <translation>Записать вместо картинки фазовую кривую функции, проинтегрированную по диску: яркость всей сферы, видимой с +z, в зависимости от фазового угла g от 0 до 180 градусов, нормированную на 1 при g = 0, в 64 битах на мелкой сетке диска; -o FILE.csv (столбцы g и яркость) или .png / .svg, график рядом с точными формулами сфер Ламберта и Ломмеля–Зеелигера, с фазовым интегралом q.</translation>
    </message>
    <message>
        <source>Draw the seven levels as contour lines in their legend colours over the grey tone, instead of tinted bands (the sphere or the map).</source>
        <translation>Рисовать семь уровней линиями уровня цветами легенды поверх серого тона вместо окрашенных полос (на сфере или на карте).</translation>
    </message>
    <message>
        <source>Outline the sphere's disc, black or, on a black background, white.</source>
        <translation>Обвести диск сферы чёрным или, на чёрном фоне, белым.</translation>
    </message>
    <message>
        <source>Mark with a sun where the direction to the light source meets the sphere, when the view shows that point.</source>
        <translation>Отметить солнцем точку, где направление на источник света встречает сферу, если эта точка видна.</translation>
    </message>
    <message>
        <source>Rotation of the observer about Ox, degrees (default 30).</source>
        <translation>Поворот наблюдателя вокруг Ox, градусы (по умолчанию 30).</translation>
    </message>
    <message>
        <source>Rotation about Oy, degrees (default 0).</source>
        <translation>Поворот вокруг Oy, градусы (по умолчанию 0).</translation>
    </message>
    <message>
        <source>Rotation about Oz, degrees (default 0).</source>
        <translation>Поворот вокруг Oz, градусы (по умолчанию 0).</translation>
    </message>
    <message>
        <source>Slant of the light source, degrees (default 0).</source>
        <translation>Наклон источника света, градусы (по умолчанию 0).</translation>
    </message>
    <message>
        <source>matte, glossy, rocky or mirror (default matte), or an additional law: %1.</source>
        <translation>matte (матовая), glossy (глянцевая), rocky (каменистая) или mirror (зеркальная), по умолчанию matte, или дополнительный закон: %1.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>a typed formula, --formula</source>
        <translation>своя формула, --formula</translation>
    </message>
    <message>
        <source>A parameter of an additional law; repeat for each. %1.</source>
        <translation>Параметр дополнительного закона; повторить для каждого. %1.</translation>
    </message>
    <message>
        <source>%1 to %2, default %3</source>
        <translation>от %1 до %2, по умолчанию %3</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусы</translation>
    </message>
    <message>
        <source>or L=mcewen for McEwen's L(g)</source>
        <translation>или L=mcewen для L(g) Мак-Юэна</translation>
    </message>
    <message>
        <source>up to four names of its own, any finite value</source>
        <translation>до четырёх собственных имён, любое конечное значение</translation>
    </message>
    <message>
        <source>The formula of --function formula: phi in i, e, g (true angles in radians, 0 to pi), their cosines ci, ce, cg, pi and its parameters, with sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max and ^; e.g. "ci^k * ce^(k-1)" --param k=0.7. One that does not read is refused with a message (in the --language) naming the position and the unknown name.</source>
        <translation>Формула для --function formula: phi от i, e, g (истинные углы в радианах, от 0 до pi), их косинусов ci, ce, cg, pi и своих параметров, с sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max и ^; например "ci^k * ce^(k-1)" --param k=0.7. Формула, которая не читается, отклоняется с сообщением (на языке --language), называющим позицию и неизвестное имя.</translation>
    </message>
    <message>
        <source>Glossy weight s (default 0.5); other functions ignore it, with a warning.</source>
        <translation>Вес блеска s (по умолчанию 0.5); другие функции его не учитывают, с предупреждением.</translation>
    </message>
    <message>
        <source>Glossy exponent n (default 16); other functions ignore it, with a warning.</source>
        <translation>Показатель блеска n (по умолчанию 16); другие функции его не учитывают, с предупреждением.</translation>
    </message>
    <message>
        <source>Seven isoline levels, top legend row first (default 0.9,...,0.3).</source>
        <translation>Семь уровней изолиний, начиная с верхней строки легенды (по умолчанию 0.9,...,0.3).</translation>
    </message>
    <message>
        <source>Seven isoline half-widths (default 0.005 each).</source>
        <translation>Семь полуширин изолиний (по умолчанию по 0.005).</translation>
    </message>
    <message>
        <source>Picture size in pixels, 1 to 10000 each (default 393x337 times --scale).</source>
        <translation>Размер картинки в пикселях, каждый от 1 до 10000 (по умолчанию 393x337, умноженное на --scale).</translation>
    </message>
    <message>
        <source>Magnification, a whole number from 1 to 16 (default 1): the sphere is drawn with a radius of 100*K pixels and the gradient-space map with 50*K pixels a unit; the default size grows with it to 393K x 337K.</source>
        <translation>Увеличение, целое число от 1 до 16 (по умолчанию 1): сфера рисуется радиусом 100*K пикселей, а карта в пространстве градиентов с 50*K пикселями на единицу; размер по умолчанию растёт с ним до 393K x 337K.</translation>
    </message>
    <message>
        <source>Exposure of the grey tone, 0.1 to 10 (default 1): the tone is formed from K times phi, so that a phi above 1 (a bright limb) shows below white at K below 1; the isoline bands, zones and --readout keep phi itself. auto chooses K so that the brightest finite phi of the picture is painted white.</source>
        <translation>Экспозиция серого тона, от 0.1 до 10 (по умолчанию 1): тон образуется из K, умноженного на phi, так что phi больше 1 (яркий край) при K меньше 1 показывается темнее белого; полосы изолиний, зоны и --readout сохраняют само phi. auto выбирает K так, чтобы самое яркое конечное phi картинки было белым.</translation>
    </message>
    <message>
        <source>white (default), black or grey: the colour the picture is cleared in, off the sphere.</source>
        <translation>white (белый, по умолчанию), black (чёрный) или grey (серый): цвет, которым картинка заливается вне сферы.</translation>
    </message>
    <message>
        <source>1 to 4 (default 1): contour lines, the outline, isophotes, rings and shadow lines are drawn N times as wide, for a projector.</source>
        <translation>От 1 до 4 (по умолчанию 1): линии уровня, контур, изофоты, кольца и линии тени рисуются в N раз толще, для проектора.</translation>
    </message>
    <message>
        <source>Threads the pass runs on, 1 to 256 (default: the CPUs this process may run on). The picture is the same for any number.</source>
        <translation>Число потоков прохода, от 1 до 256 (по умолчанию: процессоры, на которых может работать этот процесс). Картинка одна и та же при любом числе.</translation>
    </message>
    <message>
        <source>Instead of writing a picture, print the readout of picture pixel X,Y (0,0 at the top left, Y downwards) after the pass as one line: "i=I e=E g=G phi=PHI painted=PAINTED zone=ZONE point=X,Y,Z" (angles in degrees, G the phase angle from 0 to 180; PHI the function's own value, PAINTED the value the colouring used, which the upper bound 1 may have lowered; inf, -inf or nan where not finite, 1.000e+06 from a million on; ZONE is band:K, self-shadow, fringe, deep-shadow or tone), with " p=P q=Q" added for the gradient-space map, or "background" off the sphere. -o is not needed then; if given, it is checked as a failed write would be (its folder must exist and be writable), and nothing is written to it.</source>
        <translation>Вместо записи картинки вывести после прохода одной строкой показания пикселя X,Y картинки (0,0 вверху слева, Y вниз): "i=I e=E g=G phi=PHI painted=PAINTED zone=ZONE point=X,Y,Z" (углы в градусах, G — фазовый угол от 0 до 180; PHI — значение самой функции, PAINTED — значение, по которому раскрашено, его могла понизить верхняя граница 1; inf, -inf или nan, где значение не конечно, 1.000e+06 начиная с миллиона; ZONE — band:K, self-shadow, fringe, deep-shadow или tone), с добавкой " p=P q=Q" для карты в пространстве градиентов, или "background" вне сферы. -o тогда не нужен; если он задан, он проверяется, как проверилась бы запись (его папка должна существовать и быть доступной для записи), и в него ничего не записывается.</translation>
    </message>
    <message>
        <source>With --gradient-space: one more light source, SLANT degrees from the view axis and TILT degrees turned about it (0 is the plane of the described source, --slant), each read as --slant is (a value too large for it is refused); repeat for up to eight sources in all. Its S and dashed shadow line are drawn (cyan, magenta, lime, orange, sky blue, violet, pink in turn; the described source's in yellow), and --readout adds its phi as phi2= (phi3=, ...).</source>
        <translation>С --gradient-space: ещё один источник света, SLANT градусов от оси взгляда и повёрнутый на TILT градусов вокруг неё (0 — плоскость описанного источника, --slant), каждый угол читается как --slant (слишком большое значение отклоняется); повторить, всего до восьми источников. Рисуются его S и штриховая линия тени (по очереди голубым, пурпурным, салатовым, оранжевым, небесно-синим, фиолетовым, розовым; описанного источника — жёлтым), а --readout добавляет его phi как phi2= (phi3=, ...).</translation>
    </message>
    <message>
        <source>With --gradient-space: draw each source's isophote (the curve of equal phi) through the orientation P,Q, and white rings where the first two isophotes cross (the orientations two images cannot tell apart); with a third source or more, red rings at those every further isophote shares.</source>
        <translation>С --gradient-space: провести изофоту каждого источника (кривую равного phi) через ориентацию P,Q и белые кольца там, где пересекаются первые две изофоты (ориентации, которые два изображения не различают); с третьим источником и следующими — красные кольца в тех из них, через которые проходят изофоты всех следующих.</translation>
    </message>
    <message>
        <source>Paint the image of a surface z(x, y) instead of the sphere: E = R(p, q) at every pixel, one pixel a cell, p and q by central differences, the map's phi and colours (see --list-surfaces for the catalogue), or an elevation model's file. It is seen from +z, so --rot-x, --rot-y, --rot-z and --whole-sphere are ignored (with a warning).</source>
        <translation>Рисовать вместо сферы изображение поверхности z(x, y): E = R(p, q) в каждом пикселе, один пиксель на клетку, p и q центральными разностями, phi и цвета карты (каталог — см. --list-surfaces), или файл цифровой модели рельефа. Она видна с +z, поэтому --rot-x, --rot-y, --rot-z и --whole-sphere игнорируются (с предупреждением).</translation>
    </message>
    <message>
        <source>The catalogue surface's grid, 1 to 4096 each (default 256x256).</source>
        <translation>Сетка поверхности из каталога, каждый размер от 1 до 4096 (по умолчанию 256x256).</translation>
    </message>
    <message>
        <source>A parameter of the catalogue surface; repeat for each.</source>
        <translation>Параметр поверхности из каталога; повторить для каждого.</translation>
    </message>
    <message>
        <source>Vertical exaggeration: the heights times K (default 1).</source>
        <translation>Вертикальное преувеличение: высоты, умноженные на K (по умолчанию 1).</translation>
    </message>
    <message>
        <source>A greyscale image (stretched to the surface) whose grey 0 to 255 is an albedo 0 to 1: each pixel's phi is times its albedo.</source>
        <translation>Полутоновое изображение (растянутое на поверхность), чей серый от 0 до 255 — альбедо от 0 до 1: phi каждого пикселя умножается на его альбедо.</translation>
    </message>
    <message>
        <source>With --surface: write the image under source K, 1 (the described one, default), 2 to 8 (the --light ones); with --recover sfs-tsai-shah, sfs-horn or sfs-fmm, the image shape from shading reads.</source>
        <translation>С --surface: записать изображение при источнике K: 1 (описанный, по умолчанию), от 2 до 8 (источники --light); с --recover sfs-tsai-shah, sfs-horn или sfs-fmm — изображение, по которому форма восстанавливается по затенению.</translation>
    </message>
    <message>
        <source>With --phase-curve: the step of the phase angle, 0.1 to 30 degrees (default 1).</source>
        <translation>С --phase-curve: шаг фазового угла, от 0.1 до 30 градусов (по умолчанию 1).</translation>
    </message>
    <message>
        <source>Write phi along the line between two picture pixels (of the sphere, the map or a surface) instead of the picture: -o FILE.csv (columns x, y, phi, painted and phi2, phi3, ... with --light on the map or a surface; the values the readout gives at those pixels), or .png / .svg, a plot. equator instead: along the sphere's photometric equator, a tenth of a degree apart, against the emission angle e signed towards the source (columns e, x, y, phi, painted).</source>
        <translation>Записать вместо картинки phi вдоль отрезка между двумя пикселями картинки (сферы, карты или поверхности): -o FILE.csv (столбцы x, y, phi, painted и phi2, phi3, ... с --light на карте или поверхности; значения, которые в этих пикселях дают показания), или .png / .svg, график. equator вместо отрезка: вдоль фотометрического экватора сферы через каждую десятую градуса, по углу отражения e со знаком (к источнику плюс; столбцы e, x, y, phi, painted).</translation>
    </message>
    <message>
        <source>Paint 2 to 6 spheres side by side instead of one, each with its own function and parameters (e.g. matte,lommel-seeliger,oren-nayar:sigma=40) and everything else as given, captioned, in one picture of -o's format.</source>
        <translation>Рисовать от 2 до 6 сфер рядом вместо одной, каждую со своей функцией и параметрами (например matte,lommel-seeliger,oren-nayar:sigma=40), всё остальное как задано, с подписями, в одной картинке формата -o.</translation>
    </message>
    <message>
        <source>Write an animation instead of one picture: FRAMES pictures (2 to 600) with NAME stepped evenly from FROM to TO (slant, rot-x, rot-y, rot-z, exposure, or a parameter of the law as --param names it), as -o FILE.gif (one palette from all frames, looping) or numbered PNG files -o FILE_%03d.png (frames counted from 0).</source>
        <translation>Записать вместо одной картинки анимацию: FRAMES картинок (от 2 до 600), где NAME равномерно меняется от FROM до TO (slant, rot-x, rot-y, rot-z, exposure или параметр закона, как его называет --param), как -o FILE.gif (одна палитра из всех кадров, по кругу) или нумерованные файлы PNG -o FILE_%03d.png (кадры считаются от 0).</translation>
    </message>
    <message>
        <source>With --sweep: each GIF frame is shown N hundredths of a second (default 10).</source>
        <translation>С --sweep: каждый кадр GIF показывается N сотых долей секунды (по умолчанию 10).</translation>
    </message>
    <message>
        <source>With --surface or --images: recover the shape from its images instead of writing a picture: ps (Woodham's photometric stereo from the described source and each --light), ps-law (the same fitted with the job's law), ps-robust (Woodham's with the samples a matte fit cannot explain left out, highlights and shadows' edges, counted as rejected_samples=), sfs-tsai-shah, sfs-horn or sfs-fmm (shape from shading of the described source's image, or --source's, or of the first photograph; sfs-fmm, fast marching, under a source on the view axis only). Prints the errors against the true surface, one name=value a line (mean_angular_error_deg, median_angular_error_deg, depth_rms, depth_rms_percent, mean_depth_error, std_depth_error, mean_gradient_error, recovered_pixels; ps-law adds ambiguous_cells, the cells two orientations fit as well); with --images, which has no true surface, recovered_pixels alone.</source>
        <translation>С --surface или --images: вместо записи картинки восстановить форму по её изображениям: ps (фотометрическое стерео Вудхэма по описанному источнику и каждому --light), ps-law (то же с подгонкой под закон задания), ps-robust (то же без отсчётов, которые матовая подгонка не объясняет: бликов и краёв теней, их число выводится как rejected_samples=), sfs-tsai-shah, sfs-horn или sfs-fmm (форма по затенению изображения описанного источника, или источника --source, или первой фотографии; sfs-fmm, быстрый марш, — только под источником на оси наблюдения). Выводит ошибки относительно истинной поверхности, по одной name=value в строке (mean_angular_error_deg, median_angular_error_deg, depth_rms, depth_rms_percent, mean_depth_error, std_depth_error, mean_gradient_error, recovered_pixels; ps-law добавляет ambiguous_cells — клетки, которым одинаково хорошо подходят две ориентации); с --images, где истинной поверхности нет, — только recovered_pixels.</translation>
    </message>
    <message>
        <source>With --recover, instead of --surface: a folder of photographs as the common photometric stereo sets lay them out: filenames.txt (one image a line: PNG of 8 or 16 bits, grey or colour, or another format Qt reads), light_directions.txt (one "x y z" line an image, x to the right, y up, z towards the camera, z &gt; 0), optionally light_intensities.txt (one "r g b" line an image, each channel divided by it) and mask.png (black: no data). Colour becomes the mean of the channels. A set too large to hold (pixels times images beyond a cap the message names) is refused before any pixel is read, and a folder that does not read is a message (in the --language) naming the file.</source>
        <translation>С --recover, вместо --surface: папка фотографий, разложенных так, как в распространённых наборах для фотометрического стерео: filenames.txt (по изображению в строке: PNG в 8 или 16 бит, серое или цветное, или другой формат, который читает Qt), light_directions.txt (по строке "x y z" на изображение, x вправо, y вверх, z к камере, z &gt; 0), по желанию light_intensities.txt (по строке "r g b" на изображение, каждый канал делится на неё) и mask.png (чёрное: нет данных). Цвет становится средним каналов. Набор, слишком большой, чтобы его держать (пиксели, умноженные на изображения, сверх предела, который называет сообщение), отклоняется до чтения первого пикселя, а папка, которая не читается, — это сообщение (на языке --language) с именем файла.</translation>
    </message>
    <message>
        <source>Instead of a picture, the lights of a photometric stereo set from photographs of a mirror ball, one a light: DIR holds filenames.txt (one image a line) and mask.png (the ball: every cell not black). Prints one "x y z" line an image, in light_directions.txt's terms (x to the right, y up, z towards the camera, unit length), the light the highlight reflects into the camera. A folder that does not read, a mask without a ball or an image without a highlight is a message (in the --language) naming the file.</source>
        <translation>Вместо картинки: источники набора для фотометрического стерео по фотографиям зеркального шара, по одной на источник: в DIR лежат filenames.txt (по изображению в строке) и mask.png (шар: все клетки, кроме чёрных). Выводит по строке "x y z" на изображение, как в light_directions.txt (x вправо, y вверх, z к камере, единичной длины): источник, который блик отражает в камеру. Папка, которая не читается, маска без шара или изображение без блика — это сообщение (на языке --language) с именем файла.</translation>
    </message>
    <message>
        <source>With --recover ps, ps-law or ps-robust: fc (Frankot-Chellappa), dct (the cosine-transform Poisson solution, default) or poisson (on the recovered cells only).</source>
        <translation>С --recover ps, ps-law или ps-robust: fc (Франкот–Челлаппа), dct (решение уравнения Пуассона косинусным преобразованием, по умолчанию) или poisson (только на восстановленных клетках).</translation>
    </message>
    <message>
        <source>With --recover --surface: Gaussian noise of SIGMA grey levels in the images.</source>
        <translation>С --recover --surface: гауссов шум в SIGMA уровней серого на изображениях.</translation>
    </message>
    <message>
        <source>With --recover --surface: the images rounded to 8 or 16 bits.</source>
        <translation>С --recover --surface: изображения, округлённые до 8 или 16 бит.</translation>
    </message>
    <message>
        <source>With --recover: the recovered height as a GeoTIFF (.tif) or an ASCII grid (.asc).</source>
        <translation>С --recover: восстановленная высота как GeoTIFF (.tif) или сетка ASCII (.asc).</translation>
    </message>
    <message>
        <source>With --recover: the recovered normals as an RGB normal map (.png).</source>
        <translation>С --recover: восстановленные нормали как карта нормалей RGB (.png).</translation>
    </message>
    <message>
        <source>With --recover: the recovered albedo (.png).</source>
        <translation>С --recover: восстановленное альбедо (.png).</translation>
    </message>
    <message>
        <source>Output file. Its extension, .ppm, .png, .bmp, .svg or .pdf in any letter case, chooses the format; any other is refused unless --format is given. SVG and PDF are figures: the pass's pixels as one image at their own resolution, and over them what the raster formats draw into the pixels (the map's axes, numbers and marks) as vector lines and text; the page is the picture's size divided by --scale (CSS pixels in SVG, points in PDF). With "-o -" the picture goes to standard output (PPM unless --format says otherwise). A regular file is replaced whole or, if the write fails, left as it was; an existing FIFO or character device (or a link to one) is written to as a stream and never replaced.</source>
        <translation>Выходной файл. Его расширение, .ppm, .png, .bmp, .svg или .pdf в любом регистре, выбирает формат; любое другое отклоняется, если не задан --format. SVG и PDF — это рисунки: пиксели прохода одним изображением в их собственном разрешении, а поверх них то, что растровые форматы рисуют в пиксели (оси карты, числа и отметки), векторными линиями и текстом; страница — размер картинки, делённый на --scale (пиксели CSS в SVG, пункты в PDF). С "-o -" картинка идёт на стандартный вывод (PPM, если --format не говорит иного). Обычный файл заменяется целиком или, если запись не удалась, остаётся как был; существующий FIFO или символьное устройство (или ссылка на него) записывается потоком и никогда не заменяется.</translation>
    </message>
    <message>
        <source>Start from a setup file saved by the window (.gsetup): its angles, function, law, legend, switches, exposure, background and overlay, and its map's sources for --gradient-space or --surface. Every other option given overrides it; --function drops its law.</source>
        <translation>Начать с файла настройки, сохранённого окном (.gsetup): его углы, функция, закон, легенда, переключатели, экспозиция, фон и наложения, а для --gradient-space или --surface и источники его карты. Любой другой заданный параметр его переопределяет; --function отменяет его закон.</translation>
    </message>
    <message>
        <source>Write the setup of the options given, as the window saves one, to FILE (replaced whole or left as it was); with no -o or --readout nothing else is written.</source>
        <translation>Записать настройку заданных параметров, как её сохраняет окно, в FILE (заменяется целиком или остаётся как был); без -o и --readout больше ничего не записывается.</translation>
    </message>
    <message>
        <source>The language of this usage text and of the messages about a formula, an elevation model, a photo folder, sources or a setup file that does not read: en (English, default) or ru (Russian); the other messages and the reports keep their words.</source>
        <translation>Язык этой справки и сообщений о формуле, модели рельефа, папке снимков, источниках или файле настройки, которые не читаются: en (английский, по умолчанию) или ru (русский); остальные сообщения и отчёты своих слов не меняют.</translation>
    </message>
    <message>
        <source>ppm, png, bmp, svg or pdf: the picture format, whatever the output file's extension (by default the extension chooses it, and standard output gets PPM).</source>
        <translation>ppm, png, bmp, svg или pdf: формат картинки, каким бы ни было расширение выходного файла (по умолчанию его выбирает расширение, а стандартный вывод получает PPM).</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает версию.</translation>
    </message>
    <message>
        <source>Exit status: 0 when the picture is written or the readout printed, 2 on a bad option or one that does not apply to the run (the message names the option it does not go with), a bad number, a readout pixel outside the picture, an output file of no known format, a folder of --images that does not read (nothing is written then) or a failed write (a full disk, a quota, a file-size limit, an I/O error: the message names the file and the reason, and a regular file keeps its old bytes).
</source>
        <translation>Код возврата: 0, когда картинка записана или показания выведены; 2 при неверном параметре или параметре, неприменимом к этому запуску (сообщение называет параметр, с которым он несовместим), неверном числе, пикселе показаний вне картинки, выходном файле неизвестного формата, папке --images, которая не читается (тогда ничего не записывается), или неудачной записи (заполненный диск, квота, предел размера файла, ошибка ввода-вывода: сообщение называет файл и причину, а обычный файл сохраняет свои прежние байты).
</translation>
    </message>
    <message>
        <source>With --phase-curve: observed points, a CSV file with the header g,brightness or g,magnitude (reduced magnitude), with ,sigma for each point's standard error, then a row a point (g in degrees, 0 to 180; brightness on the geometric albedo's scale); lines starting with # are notes. Drawn with the law on its scale (--law-albedo; for magnitudes H at the brightest point) in a .png or .svg plot, or -o FILE.csv: g, observed, sigma, model and residual. A file with a bad line is refused, each bad line named.</source>
        <translation>С --phase-curve: наблюдённые точки, файл CSV с заголовком g,brightness или g,magnitude (приведённая звёздная величина), с ,sigma для стандартной погрешности каждой точки, затем строка на точку (g в градусах, от 0 до 180; яркость в масштабе геометрического альбедо); строки, начинающиеся с #, — примечания. Рисуются вместе с законом в его масштабе (--law-albedo; для звёздных величин H по самой яркой точке) на графике .png или .svg, или -o FILE.csv: g, наблюдение, sigma, модель и невязка. Файл с неверной строкой отвергается, каждая неверная строка названа.</translation>
    </message>
    <message>
        <source>With --observations: fit by weighted least squares (Levenberg-Marquardt) the function's parameters named (as --param names them), with albedo (its scale, for brightness) or H (for magnitudes); or H,G (the IAU H, G system) or H,G1,G2. Prints each NAME=VALUE +- uncertainty (from the covariance scaled by the reduced chi-square) and the chi-square; the CSV's model is the fitted one.</source>
        <translation>С --observations: подобрать взвешенным методом наименьших квадратов (Левенберга — Марквардта) названные параметры функции (как их называет --param), с albedo (её масштаб, для яркостей) или H (для звёздных величин); или H,G (система H, G МАС) или H,G1,G2. Выводит каждое NAME=VALUE +- погрешность (из ковариации, умноженной на приведённый хи-квадрат) и хи-квадрат; модель в CSV — подобранная.</translation>
    </message>
    <message>
        <source>With --albedos or --observations: the law on its physical scale: Lambert's albedo of the matte function, the single-scattering albedo of lommel-seeliger (its radiance factor w/4 mu0/(mu0+mu)), for every other function but hapke (whose scale is its --param w) its radiance factor at i = e = g = 0 (default 1). The picture stays normalised.</source>
        <translation>С --albedos или --observations: закон в его физическом масштабе: альбедо Ламберта для матовой функции, альбедо однократного рассеяния для lommel-seeliger (её коэффициент яркости w/4 mu0/(mu0+mu)), для любой другой функции, кроме hapke (её масштаб — её --param w), — её коэффициент яркости при i = e = g = 0 (по умолчанию 1). Рисунок остаётся нормированным.</translation>
    </message>
    <message>
        <source>With --phase-curve: also print the law's absolute photometry on standard output, geometric_albedo=p phase_integral=q spherical_albedo=A (A = p q, q by Gauss-Legendre quadrature), the law on its physical scale (--law-albedo).</source>
        <translation>С --phase-curve: вывести ещё и абсолютную фотометрию закона в стандартный вывод, geometric_albedo=p phase_integral=q spherical_albedo=A (A = p q, q по квадратуре Гаусса — Лежандра), закон в его физическом масштабе (--law-albedo).</translation>
    </message>
    <message>
        <source>Draw beside the picture, at its right and not over it, the legend of the seven levels: each level's colour, its value and its half-width, as the window's legend shows them; with --grey, --contour-lines or --plain also the grey tone's bar, numbered in phi (under the --exposure). The picture grows by the legend's width.</source>
        <translation>Нарисовать рядом с картинкой, справа от неё, а не поверх, легенду семи уровней: цвет каждого уровня, его значение и полуширину, как их показывает легенда окна; с --grey, --contour-lines или --plain ещё и шкалу серого тона с числами в phi (при --exposure). Картинка становится шире на ширину легенды.</translation>
    </message>
    <message>
        <source>With --recover --surface: the map of the angle between each recovered and true normal (.png), dark blue for none to red for the scale's top and above, grey where nothing was recovered, with its colour bar numbered in degrees.</source>
        <translation>С --recover --surface: карта угла между восстановленной и истинной нормалью в каждой точке (.png), от тёмно-синего (нет ошибки) до красного (верх шкалы и больше), серая там, где ничего не восстановлено, с цветовой шкалой в градусах.</translation>
    </message>
    <message>
        <source>With --error-out: the top of its colour scale, 0.1 to 180 degrees, the same in every run so that two maps can be put side by side; auto (default): a round number above 95% of the errors.</source>
        <translation>С --error-out: верх её цветовой шкалы, от 0.1 до 180 градусов, один и тот же при каждом запуске, чтобы две карты можно было положить рядом; auto (по умолчанию): круглое число выше 95% ошибок.</translation>
    </message>
    <message>
        <source>1981 or 2002 only</source>
        <translation>только 1981 или 2002</translation>
    </message>
    <message>
        <source>With --phase-curve: the curve from 0 to DEG degrees, 1 to 180 (default 180); below 180 a close look at the opposition surge, with no phase integral.</source>
        <translation>С --phase-curve: кривая от 0 до DEG градусов, от 1 до 180 (по умолчанию 180); меньше 180 — крупный план оппозиционного всплеска, без фазового интеграла.</translation>
    </message>
</context>
</TS>
