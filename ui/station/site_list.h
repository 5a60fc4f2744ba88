#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <cstdint>
#include <vector>

#include "adapter/wl_records.h"
#include "ui/controls/sort_lv.h"

// The list of networks a scan found, shared by the site survey page and the
// profile wizard's network-type page. Every row owns a copy of its entry,
// freed with the row (clear() frees them all). A header click sorts by that
// column: channel and signal (raw dBm) as numbers, the SSID without letter
// case; column 0, the picture, never sorts.
class SiteList : public TSortLv {
  Q_OBJECT

 public:
  enum Column { kColImage = 0, kColSsid = 1, kColChannel = 2, kColSignal = 3 };
  // Which columns the list shows: the picture and the SSID, or all four.
  enum class Columns { kSsidOnly, kFull };

  // The design highlight of the associated network.
  static inline const QColor kAssociatedColour{234, 244, 247};

  explicit SiteList(Columns columns = Columns::kFull, QWidget* parent = nullptr);

  // Row pictures from the image store's ImgsType and the header's sort
  // marks; call when the image store exists (InitPage).
  void LoadPictures();

  // Replaces every row with one per entry, in the order given, then sorts
  // with the present column and direction. Nothing is selected afterwards.
  void Fill(const std::vector<SiteSurveyEntry>& entries);

  // The entry of the selected row, or nullptr without a selection.
  const SiteSurveyEntry* Selected() const;

  // Rows whose BSSID is this one are drawn on the highlight colour; all zero
  // highlights none. The list repaints only when the BSSID changes.
  void SetAssociated(const uint8_t (&bssid)[6]);
  void SetHighlightColour(const QColor& colour);

  // The entry a row owns and its SSID as shown; every row of the list has them.
  static const SiteSurveyEntry& EntryOf(const QTreeWidgetItem& row);
  static const QString& SsidOf(const QTreeWidgetItem& row);
  // Whether the entry is the associated network's.
  bool IsAssociated(const SiteSurveyEntry& entry) const;

  // The ImgsType index of an entry: +2 when secured, +1 when not
  // infrastructure.
  static int PictureIndex(const SiteSurveyEntry& entry);

 signals:
  // A row was double-clicked, or Enter was pressed on the current row.
  void RowActivated();
  // The associated network changed.
  void AssociatedChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Row;

  int Compare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const;
  void MarkAssociated(Row& row) const;

  QList<QIcon> icons_;
  uint8_t associated_[6] = {};
  QColor highlight_ = kAssociatedColour;
};
