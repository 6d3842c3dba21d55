#include <QCoreApplication>

#include "app/language/core_texts.h"
#include "surface/surface_catalogue.h"

// The titles, origins and parameter captions of surface/surface_catalogue.cpp, word for word,
// marked for lupdate; CoreText translates them under the same context.
[[maybe_unused]] constexpr const char* kSurfaceTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Полусфера"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "полусфера радиуса R на плоскости: на ней p и q — наклоны сферы"),
    QT_TRANSLATE_NOOP("CoreTexts", "Радиус, доля половины стороны"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ваза"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "ваза из обзора методов восстановления формы по тени 1999 года: "
                      "z = √(f(y)² − x²), f(y) = 0,15 − 0,1·y·(6y+1)²·(y−1)²·(3y−2)"),
    QT_TRANSLATE_NOOP("CoreTexts", "Холмы"),
    QT_TRANSLATE_NOOP("CoreTexts", "гауссовы холмы exp(−r²/2σ²), места выбирает затравка"),
    QT_TRANSLATE_NOOP("CoreTexts", "Число холмов"),
    QT_TRANSLATE_NOOP("CoreTexts", "Высота, пикселей"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ширина σ, доля половины стороны"),
    QT_TRANSLATE_NOOP("CoreTexts", "Затравка"),
    QT_TRANSLATE_NOOP("CoreTexts", "Кратер"),
    QT_TRANSLATE_NOOP("CoreTexts", "чаша с валом вокруг и ровная местность дальше"),
    QT_TRANSLATE_NOOP("CoreTexts", "Радиус чаши, доля половины стороны"),
    QT_TRANSLATE_NOOP("CoreTexts", "Глубина, доля радиуса"),
    QT_TRANSLATE_NOOP("CoreTexts", "Высота вала, доля радиуса"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ширина вала, доля радиуса"),
    QT_TRANSLATE_NOOP("CoreTexts", "Конус"),
    QT_TRANSLATE_NOOP("CoreTexts", "прямой круговой конус"),
    QT_TRANSLATE_NOOP("CoreTexts", "Радиус основания, доля половины стороны"),
    QT_TRANSLATE_NOOP("CoreTexts", "Высота, доля радиуса"),
    QT_TRANSLATE_NOOP("CoreTexts", "Хребет"),
    QT_TRANSLATE_NOOP("CoreTexts", "гауссов хребет вдоль прямой через центр"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ширина, пикселей"),
    QT_TRANSLATE_NOOP("CoreTexts", "Направление, градусов от оси x"),
    QT_TRANSLATE_NOOP("CoreTexts", "Рябь"),
    QT_TRANSLATE_NOOP("CoreTexts", "синусоидальная рябь a·sin(2π·s/λ)"),
    QT_TRANSLATE_NOOP("CoreTexts", "Амплитуда, пикселей"),
    QT_TRANSLATE_NOOP("CoreTexts", "Длина волны, пикселей"),
    QT_TRANSLATE_NOOP("CoreTexts", "Фрактальный рельеф"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "спектральный синтез: случайные фазы, амплитуда убывает как |k|^−(H+1)"),
    QT_TRANSLATE_NOOP("CoreTexts", "Показатель шероховатости H"),
    QT_TRANSLATE_NOOP("CoreTexts", "Перепад высот, пикселей"),
};

QString SurfaceTitle(const SurfaceKind& kind) { return CoreText(kind.title); }

QString SurfaceOrigin(const SurfaceKind& kind) { return CoreText(kind.origin); }

QString SurfaceParameterTitle(const SurfaceParameter& parameter) {
  return CoreText(parameter.title);
}
