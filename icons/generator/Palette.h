#pragma once

#include <QColor>

// One palette for every picture, so buttons, frame pieces and overlays read as one set on the
// (48, 48, 48) window interior.
namespace Palette {

inline const QColor frame(48, 48, 48);
inline const QColor frameEdge(84, 84, 84);
inline const QColor frameGrip(110, 110, 110);

inline const QColor card(58, 58, 58);
inline const QColor cardEdge(78, 78, 78);
inline const QColor well(32, 32, 32);
inline const QColor wellEdge(72, 72, 72);

inline const QColor popupBody(44, 44, 44);
inline const QColor popupEdge(96, 96, 96);

inline const QColor plateRest(255, 255, 255, 18);
inline const QColor plateHover(255, 255, 255, 50);
inline const QColor plateHoverEdge(255, 255, 255, 96);
inline const QColor accent(45, 123, 224);
inline const QColor accentEdge(110, 170, 255);
inline const QColor accentLight(77, 163, 255);

inline const QColor inkRest(214, 214, 214);
inline const QColor inkActive(255, 255, 255);
inline const QColor inkDim(150, 150, 150);

inline const QColor record(232, 72, 77);
inline const QColor danger(214, 64, 58);
inline const QColor dangerPressed(168, 42, 38);

inline const QColor osdBody(18, 18, 18, 196);
inline const QColor osdEdge(255, 255, 255, 64);
inline const QColor osdTick(128, 128, 128);
inline const QColor osdMarker(255, 201, 64);

inline const QColor lightButton(220, 220, 220);
inline const QColor lightButtonHover(242, 242, 242);
inline const QColor lightButtonPressed(184, 211, 245);
inline const QColor lightButtonEdge(150, 150, 150);

} // namespace Palette
