#include "ui/station/site_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "adapter/wl_library.h"
#include "model/wl_text.h"
#include "ui/controls/grid_line_delegate.h"
#include "ui/shell/art_icons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/form_res.h"
#include "ui/shell/ssid_text.h"

namespace {

constexpr int kTextPixelSize = 12;
constexpr int kImageColumnWidth = 46;
constexpr int kSsidColumnWidth = 100;
constexpr int kChannelColumnWidth = 62;
constexpr int kSignalColumnWidth = 59;
constexpr int32_t kMaxSsidBytes = 32;
const QColor kGridLine(226, 233, 239);

int32_t ChannelOf(int32_t frequency) {
  const WLLibrary& library = WLLib();
  return library.IsLoaded() ? library.Api().ORVWL_FrequencyToChannel(frequency) : 0;
}

template <typename T>
int Order(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

// A row keeps its entry by value, so removing the row is all it takes to
// free it, and no row points into a list the adapter manager may reuse.
class SiteList::Row : public QTreeWidgetItem {
 public:
  static constexpr int kType = QTreeWidgetItem::UserType + 2;

  Row(const SiteSurveyEntry& entry, int columns)
      : QTreeWidgetItem(kType), entry_(entry), channel_(ChannelOf(entry.Frequency)) {
    // The length field comes from the library: never more than the buffer.
    const auto length =
        static_cast<std::size_t>(std::clamp<int32_t>(entry.SsidLength, 0, kMaxSsidBytes));
    ssid_ = SsidDisplayText(std::string_view(reinterpret_cast<const char*>(entry.Ssid), length));
    setText(kColSsid, ssid_);
    if (columns > kColChannel) {
      setText(kColChannel, QString::number(channel_));
      setText(kColSignal, QStringLiteral("%1%").arg(SignalToPercent(entry.Signal)));
      setTextAlignment(kColChannel, Qt::AlignRight | Qt::AlignVCenter);
      setTextAlignment(kColSignal, Qt::AlignRight | Qt::AlignVCenter);
    }
  }

  const SiteSurveyEntry& Entry() const { return entry_; }
  int32_t Channel() const { return channel_; }
  const QString& Ssid() const { return ssid_; }

 private:
  SiteSurveyEntry entry_;
  int32_t channel_;
  QString ssid_;
};

SiteList::SiteList(Columns columns, QWidget* parent) : TSortLv(parent) {
  setObjectName(QStringLiteral("LvSite"));
  setFont(ArtKit::PixelFont(kTextPixelSize));
  header()->setFont(ArtKit::PixelFont(kTextPixelSize, QFont::DemiBold));
  if (columns == Columns::kFull) {
    setColumnCount(4);
    setHeaderLabels(
        {QString(), QStringLiteral("SSID"), QStringLiteral("Channel"), QStringLiteral("Signal")});
    setColumnWidth(kColSsid, kSsidColumnWidth);
    setColumnWidth(kColChannel, kChannelColumnWidth);
    setColumnWidth(kColSignal, kSignalColumnWidth);
    SetSortColumn(kColSignal);
    SetIncrease(false);
  } else {
    setColumnCount(2);
    setHeaderLabels({QString(), QStringLiteral("SSID")});
    SetSortColumn(kColSsid);
  }
  setColumnWidth(kColImage, kImageColumnWidth);
  header()->setSectionResizeMode(kColImage, QHeaderView::Fixed);
  header()->setStretchLastSection(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setAllColumnsShowFocus(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformRowHeights(true);
  setItemDelegate(new TGridLineDelegate(kGridLine, this));
  // The selection stays marked while another control has the focus.
  QPalette colours = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Highlight, ArtKit::kTeal);
    colours.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  setPalette(colours);
  SetSkipSort1(kColImage);
  SetOnCompare(
      [this](const QTreeWidgetItem& a, const QTreeWidgetItem& b) { return Compare(a, b); });
  connect(this, &TSortLv::ColumnClick, this, [this](int column) {
    if (column != kColImage) Sort();
  });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit RowActivated(); });
}

void SiteList::LoadPictures() {
  const qreal ratio = devicePixelRatioF();
  SetIncBMP(ArtIcons::SortMark(true, ratio));
  SetDecBMP(ArtIcons::SortMark(false, ratio));
  icons_.clear();
  const TFormRes* res = TFormRes::Instance();
  if (res == nullptr) return;
  const TImageList& types = res->ImgsType();
  setIconSize(types.Size());
  for (int i = 0; i < types.Count(); ++i) {
    // A selected row keeps its picture as it is rather than tinted.
    const QPixmap picture = QPixmap::fromImage(types.Image(i));
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    icons_.append(icon);
  }
  for (int i = 0; i < topLevelItemCount(); ++i) {
    auto* row = static_cast<Row*>(topLevelItem(i));
    row->setIcon(kColImage, icons_.value(PictureIndex(row->Entry())));
  }
}

void SiteList::Fill(const std::vector<SiteSurveyEntry>& entries) {
  clear();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(entries.size()));
  for (const SiteSurveyEntry& entry : entries) {
    auto* row = new Row(entry, columnCount());
    row->setIcon(kColImage, icons_.value(PictureIndex(entry)));
    MarkAssociated(*row);
    rows.append(row);
  }
  addTopLevelItems(rows);
  Sort();
}

const SiteSurveyEntry* SiteList::Selected() const {
  const QList<QTreeWidgetItem*> rows = selectedItems();
  if (rows.isEmpty() || rows.front()->type() != Row::kType) return nullptr;
  return &static_cast<const Row*>(rows.front())->Entry();
}

void SiteList::SetAssociated(const uint8_t (&bssid)[6]) {
  if (std::memcmp(associated_, bssid, sizeof associated_) == 0) return;
  std::memcpy(associated_, bssid, sizeof associated_);
  for (int i = 0; i < topLevelItemCount(); ++i) MarkAssociated(*static_cast<Row*>(topLevelItem(i)));
  emit AssociatedChanged();
}

void SiteList::SetHighlightColour(const QColor& colour) {
  highlight_ = colour;
  for (int i = 0; i < topLevelItemCount(); ++i) MarkAssociated(*static_cast<Row*>(topLevelItem(i)));
}

const SiteSurveyEntry& SiteList::EntryOf(const QTreeWidgetItem& row) {
  return static_cast<const Row&>(row).Entry();
}

const QString& SiteList::SsidOf(const QTreeWidgetItem& row) {
  return static_cast<const Row&>(row).Ssid();
}

bool SiteList::IsAssociated(const SiteSurveyEntry& entry) const {
  static constexpr uint8_t kNone[6] = {};
  return std::memcmp(associated_, kNone, sizeof kNone) != 0 &&
         std::memcmp(entry.Bssid, associated_, sizeof associated_) == 0;
}

int SiteList::PictureIndex(const SiteSurveyEntry& entry) {
  return (entry.SecurityCode != 0 ? 2 : 0) + (entry.InfrastructureMode != 1 ? 1 : 0);
}

void SiteList::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && currentItem() != nullptr) {
    event->accept();
    emit RowActivated();
    return;
  }
  TSortLv::keyPressEvent(event);
}

int SiteList::Compare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const {
  const auto& left = static_cast<const Row&>(a);
  const auto& right = static_cast<const Row&>(b);
  int order = 0;
  switch (SortColunm()) {
    case kColSsid:
      order = left.Ssid().compare(right.Ssid(), Qt::CaseInsensitive);
      break;
    case kColChannel:
      order = Order(left.Channel(), right.Channel());
      break;
    case kColSignal:
      order = Order(left.Entry().Signal, right.Entry().Signal);
      break;
    default:
      order = a.text(SortColunm()).compare(b.text(SortColunm()));
      break;
  }
  return Increase() ? order : -order;
}

void SiteList::MarkAssociated(Row& row) const {
  const QBrush background = IsAssociated(row.Entry()) ? QBrush(highlight_) : QBrush();
  for (int column = 0; column < columnCount(); ++column) row.setBackground(column, background);
}
