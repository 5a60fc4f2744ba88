// Writes every built-in picture (at 1x and 2x), the message box for each
// button and icon choice, the about box and composed window views to
// ORV_GALLERY_DIR, for a person to look at.

#include <QDir>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "tests/ui/shell/shell_test_env.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/form_about.h"
#include "ui/shell/form_msg_box.h"
#include "ui/shell/form_res.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;

QString Dir() { return QStringLiteral(ORV_GALLERY_DIR); }

void Save(const QImage& image, const QString& name) {
  QVERIFY2(image.save(Dir() + QLatin1Char('/') + name + QStringLiteral(".png")), qPrintable(name));
}

// Shows the window offscreen long enough to be painted, then photographs it.
QImage Photograph(QWidget& window) {
  window.show();
  QCoreApplication::processEvents();
  return window.grab().toImage();
}

void Text(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixelSize,
          QFont::Weight weight = QFont::Normal, Qt::Alignment align = Qt::AlignLeft) {
  p.setFont(ArtKit::PixelFont(pixelSize, weight));
  p.setPen(colour);
  p.drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
}

void DrawPicture(QPainter& p, QPoint at, const QImage& picture) { p.drawImage(at, picture); }

// The main window as the pages will assemble it: background, navigation
// captions, a page with its captions, marks and buttons.
QImage MainWindowView(const TFormRes& res, const QString& background, int selected,
                      const QStringList& tabs, const std::function<void(QPainter&)>& page) {
  const qreal ratio = res.Picture(background).devicePixelRatio();
  QImage view(G::kMainClientSize * ratio, QImage::Format_ARGB32_Premultiplied);
  view.setDevicePixelRatio(ratio);
  QPainter p(&view);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPicture(p, QPoint(0, 0), res.Picture(background));
  for (int i = 0; i < tabs.size(); ++i) {
    Text(p, G::NavTabRect(i), tabs[i], i == selected ? Qt::white : ArtKit::kSlate, 13, QFont::Bold,
         Qt::AlignHCenter);
  }
  DrawPicture(p, G::kBtnHelpRect.topLeft(), res.Picture(u"ImgBtnHelpN"));
  DrawPicture(p, G::kBtnAboutRect.topLeft(), res.Picture(u"ImgBtnAboutH"));
  DrawPicture(p, G::kBtnStationRect.topLeft(), res.Picture(u"ImgBtnEnable"));
  Text(p, G::kLbStationRect, QStringLiteral("Station Mode"), Qt::white, 12);
  DrawPicture(p, G::kBtnSoftAPRect.topLeft(), res.Picture(u"ImgBtnDisable"));
  Text(p, G::kLbSoftAPRect, QStringLiteral("AP Mode"), QColor(255, 255, 255, 190), 12);
  Text(p, G::kCopyrightRect, QStringLiteral("Copyright (C) Or-Vane"), ArtKit::kSlate, 11,
       QFont::Normal, Qt::AlignHCenter);
  p.translate(G::kPageRect.topLeft());
  page(p);
  return view;
}

void Row(QPainter& p, const TFormRes& res, int x, int y, const QString& caption,
         const QString& value) {
  DrawPicture(p, QPoint(x - 14, y + 4), res.Picture(u"ImgMark"));
  Text(p, QRect(x, y, 140, 16), caption, ArtKit::kSlate, 12, QFont::DemiBold);
  Text(p, QRect(x + 140, y, 170, 16), value, ArtKit::kInk, 12);
}

void Heading(QPainter& p, const QRect& card, const QString& text) {
  Text(p, QRect(card.left() + 18, card.top(), card.width() - 60, G::kHeadingHeight), text,
       ArtKit::kTealDark, 13, QFont::Bold);
}

}  // namespace

class ShellGalleryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(QDir().mkpath(Dir())); }

  void builtInPictures() {
    for (const qreal ratio : {1.0, 2.0}) {
      const TFormRes res(ratio);
      const QString suffix = ratio > 1 ? QStringLiteral("@2x") : QString();
      for (const QString& name : res.PictureNames()) Save(res.Picture(name), name + suffix);
      const struct {
        const char* name;
        const TImageList& list;
      } lists[] = {{"ImgsType", res.ImgsType()},
                   {"ImgsOvIcon", res.ImgsOvIcon()},
                   {"ImgsOvIconXP", res.ImgsOvIconXP()}};
      for (const auto& list : lists) {
        for (int i = 0; i < list.list.Count(); ++i) {
          Save(list.list.Image(i),
               QStringLiteral("%1_%2%3").arg(QLatin1String(list.name)).arg(i).arg(suffix));
        }
      }
    }
  }

  // Every picture small enough on one sheet, on the card colour and on the
  // dark band, at twice the size so details show.
  void contactSheet() {
    const TFormRes res(2.0);
    QStringList small;
    for (const QString& name : res.PictureNames()) {
      if (res.Picture(name).deviceIndependentSize().width() < 200) small.append(name);
    }
    const int columns = 4;
    const QSize cell(300, 44);
    const int rows = static_cast<int>((small.size() + columns - 1) / columns) + 3;
    QImage sheet(QSize(columns * cell.width(), rows * cell.height()) * 2,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(2);
    QPainter p(&sheet);
    p.fillRect(QRect(QPoint(0, 0), sheet.deviceIndependentSize().toSize()), ArtKit::kSurface);
    for (int i = 0; i < small.size(); ++i) {
      const QPoint at((i % columns) * cell.width(), (i / columns) * cell.height());
      const QImage& picture = res.Picture(small[i]);
      const bool dark = small[i].contains(QStringLiteral("About")) ||
                        small[i].contains(QStringLiteral("Help")) ||
                        small[i].contains(QStringLiteral("Close")) ||
                        small[i].contains(QStringLiteral("Enable")) ||
                        small[i].contains(QStringLiteral("Disable"));
      p.fillRect(QRect(at + QPoint(4, 4), QSize(150, 36)), dark ? ArtKit::kDeepBlue : Qt::white);
      p.drawImage(at + QPoint(10, 22 - picture.deviceIndependentSize().toSize().height() / 2),
                  picture);
      Text(p, QRect(at + QPoint(160, 4), QSize(140, 36)), small[i], ArtKit::kInk, 11);
    }
    int y = (static_cast<int>(small.size() + columns - 1) / columns) * cell.height();
    for (int i = 0; i < res.ImgsType().Count(); ++i) {
      p.fillRect(QRect(4 + i * 70, y + 4, 60, 36), Qt::white);
      p.drawImage(QPoint(12 + i * 70, y + 11), res.ImgsType().Image(i));
    }
    y += cell.height();
    for (int i = 0; i < 3; ++i) {
      p.drawImage(QPoint(12 + i * 40, y + 10), res.ImgsOvIcon().Image(i));
      p.drawImage(QPoint(172 + i * 40, y + 10), res.ImgsOvIconXP().Image(i));
      p.drawPixmap(QPoint(332 + i * 40, y + 6), res.TrayIcon(true, i).pixmap(24));
      p.drawPixmap(QPoint(472 + i * 40, y + 6), res.TrayIcon(false, i).pixmap(24));
    }
    p.end();
    Save(sheet, QStringLiteral("contact_sheet"));
  }

  // The small pictures blown up pixel for pixel, at 1x and 2x, to judge their edges.
  void zoomedIcons() {
    for (const qreal ratio : {1.0, 2.0}) {
      const TFormRes res(ratio);
      QList<QImage> icons;
      for (int i = 0; i < res.ImgsType().Count(); ++i) icons.append(res.ImgsType().Image(i));
      for (int i = 0; i < res.ImgsOvIcon().Count(); ++i) icons.append(res.ImgsOvIcon().Image(i));
      for (int i = 0; i < res.ImgsOvIconXP().Count(); ++i) {
        icons.append(res.ImgsOvIconXP().Image(i));
      }
      icons.append(res.Picture(u"ImgMark"));
      icons.append(res.Picture(u"ImgLight"));
      const int zoom = ratio > 1 ? 4 : 8;
      QImage sheet(QSize(1200, 620), QImage::Format_ARGB32_Premultiplied);
      sheet.fill(Qt::white);
      QPainter p(&sheet);
      int x = 8;
      int y = 8;
      for (const QImage& icon : icons) {
        const QSize size = icon.size() * zoom;
        if (x + size.width() > sheet.width()) {
          x = 8;
          y += 22 * 8 + 16;
        }
        p.drawImage(QRect(QPoint(x, y), size), icon);
        x += size.width() + 16;
      }
      p.end();
      Save(sheet, ratio > 1 ? QStringLiteral("zoom_icons@2x") : QStringLiteral("zoom_icons"));
    }
  }

  void composedViews() {
    const TFormRes res(1.0);
    const QStringList station = {QStringLiteral("Link Info"), QStringLiteral("Site Survey"),
                                 QStringLiteral("Profile"), QStringLiteral("Adapter")};
    const QImage link = MainWindowView(res, QStringLiteral("ImgMainInfo"), 0, station,
                                       [&](QPainter& p) { LinkPage(p, res); });
    Save(link, QStringLiteral("view_link_info"));
    const TFormRes sharp(2.0);
    Save(MainWindowView(sharp, QStringLiteral("ImgMainInfo"), 0, station,
                        [&](QPainter& p) { LinkPage(p, sharp); }),
         QStringLiteral("view_link_info@2x"));
    const QImage survey = MainWindowView(res, QStringLiteral("ImgMainSurvey"), 1, station,
                                         [&](QPainter& p) { SurveyPage(p, res); });
    Save(survey, QStringLiteral("view_site_survey"));
    const QStringList ap = {QStringLiteral("Link Info"), QStringLiteral("Configuration"),
                            QStringLiteral("MAC Filter")};
    const QImage apCfg = MainWindowView(res, QStringLiteral("ImgAPCfg"), 1, ap, [&](QPainter& p) {
      DrawPicture(p, {}, res.Picture(u"ImgFrAPCfg"));
    });
    Save(apCfg, QStringLiteral("view_ap_config"));
    const QImage active = MainWindowView(res, QStringLiteral("ImgMainProfile"), 2, station,
                                         [&](QPainter& p) { ActivePage(p, res); });
    Save(active, QStringLiteral("view_activate"));
  }

  void messageBoxes() {
    const QString text =
        QStringLiteral("The pass phrase must be 8 to 63 characters long.\\nPlease enter it again.");
    for (const int buttons : std::initializer_list<int>{kMbOk, kMbOkCancel, kMbYesNo}) {
      for (const int icon : std::initializer_list<int>{0, kMbIconStop, kMbIconQuestion,
                                                       kMbIconExclamation, kMbIconInformation}) {
        TFormMsgBox box(nullptr, text, buttons | icon);
        Save(Photograph(box),
             QStringLiteral("msgbox_%1").arg(buttons | icon, 2, 16, QLatin1Char('0')));
      }
    }
    TFormMsgBox one(nullptr, QStringLiteral("Saved."), kMbOk);
    Save(Photograph(one), QStringLiteral("msgbox_short"));
  }

  void aboutBox() {
    ShellTestEnv::WriteStrings("[Utility]\r\nProductName=Or-Vane Wireless LAN Utility\r\n");
    const TFormRes res(1.0);
    TFormAbout about;
    Save(Photograph(about), QStringLiteral("about_box"));
    ShellTestEnv::WriteStrings("");
  }

  void chartWindow() {
    const TFormRes res(1.0);
    QImage view(G::kChartClientSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&view);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPicture(p, {}, res.Picture(u"ImgChartBG"));
    DrawPicture(p, G::kChartCloseRect.topLeft(), res.Picture(u"ImgBtnCloseN"));
    Text(p, QRect(38, 0, 200, G::kChartHeaderHeight), QStringLiteral("Data Rate"), Qt::white, 14,
         QFont::Bold);
    const struct {
      QRect graph;
      const char* caption;
      const char* value;
    } rows[] = {{G::kChartTxGraph, "Transmit", "312"}, {G::kChartRxGraph, "Receive", "1024"}};
    for (const auto& row : rows) {
      const int y = G::kChartHeaderHeight + 16;
      DrawPicture(p, QPoint(row.graph.left() + 2, y + 4), res.Picture(u"ImgMark"));
      Text(p, QRect(row.graph.left() + 16, y, 70, 16), QString::fromLatin1(row.caption),
           ArtKit::kSlate, 12, QFont::DemiBold);
      p.fillRect(QRect(row.graph.left() + 90, y - 2, 60, 20), Qt::white);
      Text(p, QRect(row.graph.left() + 94, y, 52, 16), QString::fromLatin1(row.value), ArtKit::kInk,
           12);
      Text(p, QRect(row.graph.left() + 154, y, 40, 16), QStringLiteral("Kbps"), ArtKit::kSlate, 12);
      p.fillRect(row.graph, QColor(96, 112, 128));
      p.fillRect(row.graph.adjusted(2, 2, -2, -2), QColor(0, 65, 1));
    }
    for (int i = 0; i <= 4; ++i) {
      const int y = G::kChartTxGraph.bottom() - 2 - i * (G::kChartTxGraph.height() - 4) / 4;
      Text(p, QRect(G::kChartTxGraph.right() + 1, y - 8, 48, 16),
           i == 0 ? QStringLiteral("0") : QString::number(static_cast<int>(std::pow(10, i))),
           ArtKit::kSlate, 10, QFont::Normal, Qt::AlignHCenter);
    }
    p.end();
    Save(view, QStringLiteral("view_chart"));
  }

 private:
  static void LinkPage(QPainter& p, const TFormRes& res) {
    DrawPicture(p, {}, res.Picture(u"ImgFrLink"));
    Heading(p, G::kCardLeft, QStringLiteral("Wireless Network Status"));
    Heading(p, G::kCardRight, QStringLiteral("Statistics"));
    DrawPicture(p, QPoint(567 - 24, G::kCardRight.top() + 3), res.Picture(u"ImgBtnTChart"));
    const char* left[][2] = {{"Profile Name:", "Home"},
                             {"Network Name (SSID):", "HomeNet"},
                             {"AP MAC Address:", "00:1A:2B:3C:4D:5E"},
                             {"Network Type:", "Infrastructure"},
                             {"Transmission Rate:", "54 Mbps"},
                             {"Security:", "WPA2-PSK"},
                             {"Channel:", "6"},
                             {"IP Address", "192.168.1.23"}};
    for (int i = 0; i < 8; ++i)
      Row(p, res, 22, 38 + 28 * i, QString::fromLatin1(left[i][0]),
          QString::fromLatin1(left[i][1]));
    const char* right[][2] = {{"Transmit Rate:", "312 Kbps"}, {"Receive Rate:", "1024 Kbps"},
                              {"Authentication:", "None"},    {"Network Mode:", "802.11g"},
                              {"Total Transmit:", "18234"},   {"Total Receive:", "40211"},
                              {"Link Quality:", "-58 dBm"}};
    for (int i = 0; i < 7; ++i) {
      Text(p, QRect(345, 38 + 28 * i, 110, 16), QString::fromLatin1(right[i][0]), ArtKit::kSlate,
           12, QFont::DemiBold);
      Text(p, QRect(460, 38 + 28 * i, 110, 16), QString::fromLatin1(right[i][1]), ArtKit::kInk, 12);
    }
    Text(p, QRect(14, G::kMeterTop, 105, 16), QStringLiteral("Signal Strength"), ArtKit::kSlate, 12,
         QFont::DemiBold);
    Text(p, QRect(345, G::kMeterTop, 45, 16), QStringLiteral("Quality"), ArtKit::kSlate, 12,
         QFont::DemiBold);
    for (int i = 0; i < 7; ++i) {
      DrawPicture(p, QPoint(G::kSignalMeterLeft + G::kMeterStep * i, G::kMeterTop),
                  res.Picture(u"ImgLight"));
    }
    for (int i = 0; i < 8; ++i) {
      DrawPicture(p, QPoint(G::kQualityMeterLeft + G::kMeterStep * i, G::kMeterTop),
                  res.Picture(u"ImgLight"));
    }
  }

  static void SurveyPage(QPainter& p, const TFormRes& res) {
    DrawPicture(p, {}, res.Picture(u"ImgSurvey"));
    Heading(p, G::kCardLeft, QStringLiteral("Available Networks"));
    Heading(p, G::kCardRight, QStringLiteral("Network Information"));
    const QRect list(12, 36, 307, 224);
    p.fillRect(list, Qt::white);
    p.setPen(ArtKit::kCardBorder);
    p.drawRect(list.adjusted(0, 0, -1, -1));
    const char* names[] = {"HomeNet", "Cafe-Guest", "office-5", "Peer-Laptop"};
    for (int i = 0; i < 4; ++i) {
      const int y = list.top() + 22 + 24 * i;
      if (i == 1)
        p.fillRect(QRect(list.left() + 1, y, list.width() - 2, 24), QColor(214, 236, 241));
      p.drawImage(QPoint(list.left() + 4, y + 1), res.ImgsType().Image(i == 3   ? 3
                                                                       : i == 1 ? 0
                                                                                : 2));
      Text(p, QRect(list.left() + 56, y, 150, 24), QString::fromLatin1(names[i]), ArtKit::kInk, 12);
    }
    const QImage& connect = res.Picture(u"ImgBtnConnect");
    const QImage& scan = res.Picture(u"ImgBtnScanOn");
    const int connectLeft = 317 - connect.width();
    DrawPicture(p, QPoint(connectLeft, 276), connect);
    DrawPicture(p, QPoint(connectLeft - 8 - scan.width(), 276), scan);
    const char* rows[] = {"Network Type:", "Network Mode:", "Channel:",
                          "Encryption:",   "MAC Address:",  "Surveyed at:"};
    for (int i = 0; i < 6; ++i) {
      Text(p, QRect(345, 40 + 28 * i, 100, 16), QString::fromLatin1(rows[i]), ArtKit::kSlate, 12,
           QFont::DemiBold);
    }
  }

  static void ActivePage(QPainter& p, const TFormRes& res) {
    DrawPicture(p, {}, res.Picture(u"ImgFrActive"));
    Heading(p, G::kCardFull, QStringLiteral("Profile"));
    Text(p, QRect(4, 160, 576, 24),
         QStringLiteral("Your network has been configured successfully!"), ArtKit::kInk, 14,
         QFont::DemiBold, Qt::AlignHCenter);
    const QImage& now = res.Picture(u"ImgBtnActnow");
    const QImage& later = res.Picture(u"ImgBtnActlaterOn");
    DrawPicture(p, QPoint(292 - 8 - now.width(), 276), now);
    DrawPicture(p, QPoint(292 + 8, 276), later);
  }
};

static const bool registered = ShellTestEnv::Register<ShellGalleryTest>();

#include "gallery_test.moc"
