#include "ui/ap/station_rows.h"

#include <QList>
#include <QSet>
#include <QTreeWidget>

#include "ui/ap/mac_address_text.h"

namespace StationRows {

bool Update(QTreeWidget& list, const std::vector<APStation>& stations, int rowHeight) {
  QStringList arrived;
  arrived.reserve(static_cast<qsizetype>(stations.size()));
  QSet<QString> unlisted;
  unlisted.reserve(static_cast<qsizetype>(stations.size()));
  for (const APStation& station : stations) {
    // A group address (multicast, broadcast) is never a station's own.
    if ((station.Mac[0] & 0x01) != 0) continue;
    QString mac = MacAddressText::Shown(station.Mac);
    if (!unlisted.contains(mac)) {
      unlisted.insert(mac);
      arrived.append(std::move(mac));
    }
  }
  for (int row = list.topLevelItemCount() - 1; row >= 0; --row) {
    if (!unlisted.remove(list.topLevelItem(row)->text(kColMac))) delete list.takeTopLevelItem(row);
  }
  if (unlisted.isEmpty()) return false;
  QList<QTreeWidgetItem*> rows;
  rows.reserve(unlisted.size());
  for (const QString& mac : std::as_const(arrived)) {
    if (!unlisted.contains(mac)) continue;
    auto* row = new QTreeWidgetItem(QStringList{QString(), mac});
    row->setTextAlignment(kColMac, Qt::AlignCenter);
    if (rowHeight > 0) row->setSizeHint(kColMac, QSize(0, rowHeight));
    rows.append(row);
  }
  list.addTopLevelItems(rows);
  return true;
}

}  // namespace StationRows
