#pragma once

#include "Glyphs.h"

#include <QImage>

// The three pictures of every button: Normal at rest, Over while hovered, Click while pressed or
// checked. Rest is a faint plate, hover a lighter outlined plate, pressed the accent colour.
enum class ButtonState { Normal, Over, Click };

QColor inkFor(ButtonState state);

QImage glyphButton(QSize size, Glyph glyph, qreal glyphSize, ButtonState state, qreal radius = 5);
QImage tileButton(QSize size, const QImage &tile, ButtonState state);
QImage swatchButton(QSize size, const QColor &colour, ButtonState state);
QImage noFillButton(QSize size, ButtonState state);
QImage widthButton(QSize size, int level, ButtonState state);
QImage tabButton(QSize size, ButtonState state);
QImage groupTitleButton(QSize size, bool open, ButtonState state);
QImage captionButton(QSize size, ButtonState state);
QImage titleBarButton(QSize size, Glyph glyph, ButtonState state, bool closes);
QImage sideButton(QSize size, Glyph chevron, ButtonState state);
