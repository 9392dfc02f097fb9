#pragma once

#include "Glyphs.h"

#include <QImage>

// Overlay pictures drawn over the camera picture: dark translucent badges with white drawings, so
// they read on any picture. Captioned badges keep everything right of their icon area plain.
QImage osdBadge(QSize size);
QImage osdGlyph(QSize size, Glyph glyph, int iconArea);
QImage osdTile(QSize size, const QImage &tile, int iconArea);

enum class BrightnessPiece { Min, Max, Short, Long, Bar, BarCenter };
QImage brightnessPiece(BrightnessPiece piece);
