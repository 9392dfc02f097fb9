#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Line drawings on a 24 x 24 design grid, scaled into whatever box a picture gives them.
enum class Glyph {
    Line, Rectangle, Freehand, Circle, Arrow, Triangle, Eraser, Text, Trash, Clip, Hand, Bucket,
    ZoomIn, ZoomOut, ZoomReset, AutoFocus, BrightnessDown, BrightnessUp, Rotate, RotateBack, Freeze,
    Record, Camera, Gear, Printer, Flower,
    FolderFilm, FolderPhoto, Play, Pause, Stop, Rewind, FastForward, Volume,
    Previous, Next, Slideshow, Thumbnails, Clock,
    Info, Minimize, Maximize, Close, ChevronDown, ChevronRight, ChevronLeft
};

// Draws the glyph into box (a square works best) with ink; the record glyph keeps its red dot.
void paintGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &ink);
