#pragma once

#include <vector>

#include "adapter/wl_records.h"

class QTreeWidget;

// The association list follows the stations without rebuilding itself: rows
// of stations that left are deleted, rows of stations that stay keep their
// place and their selection, and each new station gets one row (a list that
// names a station twice still gives one; a group address, which no station
// has, gets none). The address is in column 1.
namespace StationRows {

inline constexpr int kColMac = 1;

// True when rows were added, so that the list needs sorting. New rows are
// rowHeight high; 0 leaves the height to the view.
bool Update(QTreeWidget& list, const std::vector<APStation>& stations, int rowHeight = 0);

}  // namespace StationRows
