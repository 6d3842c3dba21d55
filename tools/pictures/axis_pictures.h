#pragma once
// The window's three 20x20 signs of the observer's rotations about Ox, Oy and Oz, as pixel art.

#include <QImage>

QImage DrawAxisX();
QImage DrawAxisY();
QImage DrawAxisZ();
