#pragma once

#include <QImage>

// The small built-in pictures: the caption mark, the meter light, the list
// row pictures and the tray icons.
namespace ArtIcons {

QImage Mark(qreal devicePixelRatio);
QImage Light(qreal devicePixelRatio);
// The mark a sorted list's header shows: a triangle pointing up (ascending) or down.
QImage SortMark(bool ascending, qreal devicePixelRatio);

// A 44 × 22 list row picture: the kind of network and whether it is protected.
QImage NetworkRow(bool secured, bool adHoc, qreal devicePixelRatio);

// Tray icon states, in the order of the tray image lists.
enum TrayState { kTrayNotConnected = 0, kTrayConnected = 1, kTrayAccessPoint = 2 };
inline constexpr int kTrayStateCount = 3;
// The older look is flat with hard edges; the newer one is a glossy tile.
QImage Tray(bool newerLook, int state, int size, qreal devicePixelRatio);

}  // namespace ArtIcons
