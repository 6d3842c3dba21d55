#pragma once
// The window's three 20x20 signs of the observer's rotations about Ox, Oy and Oz, as pixel art.

#include <QImage>

QImage drawAxisX();
QImage drawAxisY();
QImage drawAxisZ();
