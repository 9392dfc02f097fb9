#pragma once

#include <QImage>
#include <QSize>

// Small landscape pictures that preview what a colour effect or a mask does to the camera picture.
enum class EffectPreview { Color, BlackWhite, Negative, Mosaic };
enum class MaskPreview { Circle, Rectangle, Left, Top };

QImage effectScene(QSize size, EffectPreview effect);
QImage maskScene(QSize size, MaskPreview mask);
