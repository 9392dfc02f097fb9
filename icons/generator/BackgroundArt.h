#pragma once

#include <QImage>

// Window frame pieces, the tool panel, control bars, slider parts and pop-up window backgrounds.
enum class FramePiece { TopMid, TopRight, MidLeft, MidMid, MidRight, BotLeft, BotMid, BotRight };
enum class PanelPiece { Top, Mid, Bottom };

QImage framePiece(FramePiece piece, QSize size);
QImage panelPiece(PanelPiece piece, QSize size);
QImage controlBar(QSize size);
QImage scrollTrack(QSize size);
QImage scrollHandle(QSize size);
QImage thumbnailStrip(QSize size);
QImage volumeGroove(QSize size);
QImage intervalGroove(QSize size);
QImage sliderKnob(QSize size);
QImage popupBackground(QSize size, const QImage &emblem = QImage());
QImage startupPicture(QSize size);
