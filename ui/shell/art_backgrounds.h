#pragma once

#include <QImage>

// The built-in background pictures of the windows and pages, drawn to the
// places ShellGeometry names.
namespace ArtBackgrounds {

// What a page background shows besides its plain ground.
enum PageFeature {
  kSplit = 0x01,         // a left and a right card instead of one
  kLeftButtons = 0x02,   // a button bar along the bottom of the left (or only) card
  kRightButtons = 0x04,  // a button bar along the bottom of the right card
  kMeters = 0x08,        // the two ten-slot level meters of the link page
  kSuccess = 0x10,       // the emblem of a finished configuration
};

// The main window with its navigation strip; the selected tab is lit.
QImage MainWindow(int tabCount, int selectedTab, qreal devicePixelRatio);
QImage Page(int features, qreal devicePixelRatio);
QImage AboutBox(qreal devicePixelRatio);
QImage ChartWindow(qreal devicePixelRatio);

}  // namespace ArtBackgrounds
