#pragma once

#include <QRect>
#include <QSize>

// Where the built-in background pictures put their tabs, cards, buttons and
// meters. The windows and pages place their controls on these so that the
// pictures and the controls line up.
namespace ShellGeometry {

// Main window: a dark header band, the navigation strip, the page, a footer.
inline constexpr QSize kMainClientSize(600, 424);
inline constexpr int kHeaderHeight = 48;
inline constexpr QRect kNavStrip(0, 48, 600, 36);
inline constexpr int kStationTabCount = 4;
inline constexpr int kAPTabCount = 3;
// The navigation labels sit centred on these; index 0 is the leftmost tab.
inline constexpr QRect NavTabRect(int index) { return QRect(12 + index * 124, 52, 120, 28); }
inline constexpr QRect kPageRect(8, 88, 584, 312);
inline constexpr QRect kCopyrightRect(8, 405, 584, 16);
// Header controls: the two round buttons and the hidden mode switch.
inline constexpr QRect kBtnHelpRect(538, 12, 24, 24);
inline constexpr QRect kBtnAboutRect(566, 12, 24, 24);
inline constexpr QRect kBtnStationRect(314, 15, 18, 18);
inline constexpr QRect kLbStationRect(336, 14, 100, 20);
inline constexpr QRect kBtnSoftAPRect(440, 15, 18, 18);
inline constexpr QRect kLbSoftAPRect(462, 14, 68, 20);

// Pages (coordinates inside the page): one card, or a left and a right card;
// each card starts with a heading band for its heading label.
inline constexpr QSize kPageSize(584, 312);
inline constexpr QRect kCardFull(4, 4, 576, 304);
inline constexpr QRect kCardLeft(4, 4, 323, 304);
inline constexpr QRect kCardRight(333, 4, 247, 304);
inline constexpr int kHeadingHeight = 26;
// Cards with buttons along the bottom draw a divider above them.
inline constexpr int kButtonBarTop = 268;
// The link page's level meters: ten slots each, 15 apart.
inline constexpr int kMeterTop = 278;
inline constexpr int kSignalMeterLeft = 125;
inline constexpr int kQualityMeterLeft = 393;
inline constexpr int kMeterStep = 15;
inline constexpr int kMeterBars = 10;
inline constexpr QSize kLightSize(12, 16);

// About box.
inline constexpr QSize kAboutClientSize(400, 232);
inline constexpr int kAboutHeaderHeight = 88;
inline constexpr QRect kAboutEmblemRect(22, 16, 56, 56);
inline constexpr QRect kAboutCloseRect(368, 8, 24, 24);

// Statistics chart window: a header band with the close button, then the body.
inline constexpr QSize kChartClientSize(460, 184);
inline constexpr int kChartHeaderHeight = 34;
inline constexpr QRect kChartCloseRect(428, 5, 24, 24);
// The two graphs, with the scale labels in the gap between them.
inline constexpr QRect kChartTxGraph(16, 92, 190, 76);
inline constexpr QRect kChartRxGraph(254, 92, 190, 76);

// Page buttons share one height; their widths follow their captions.
inline constexpr int kPageButtonHeight = 26;
inline constexpr int kPageButtonMinWidth = 84;

}  // namespace ShellGeometry
