#pragma once

#include <QImage>
#include <QString>

#include "ui/shell/art_glyphs.h"

// The built-in button faces: page buttons with an icon and a caption, the
// round buttons of the dark bands, the mode switch and the chart button.
namespace ArtButtons {

enum class Tone { kPrimary, kSecondary };

struct PageButton {
  QString caption;
  ArtGlyphs::Glyph glyph;
  Tone tone;
  bool glyphAfter;  // the icon follows the caption, for forward moves
  // Tighter margins and a smaller icon, for a row of four under a list.
  bool compact = false;
  // No icon: a compact face whose translated caption needs the icon's room.
  bool captionOnly = false;
};

QImage PageFace(const PageButton& button, bool hover, qreal devicePixelRatio);

// The round buttons that stand on a dark band: help, about and close.
enum class Round { kHelp, kAbout, kClose };
QImage RoundFace(Round kind, bool hover, qreal devicePixelRatio);

// The face of a button that cannot act: the face faded to grey, so that it
// does not invite clicks that do nothing.
QImage DisabledFace(const QImage& face);

// The mode switch: lit for the mode in use.
QImage ModeFace(bool enabled, qreal devicePixelRatio);

QImage ChartFace(bool hover, qreal devicePixelRatio);

}  // namespace ArtButtons
