// Renders every control in each of its states to PNG files, for a person to
// look at: ORV_GALLERY_DIR/<control>_<state>.png and overview.png.

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "tests/ui/controls/test_faces.h"
#include "ui/controls/color_button.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/paint_panel.h"
#include "ui/controls/sort_lv.h"
#include "ui/controls/triface_btn.h"
#include "ui/controls/triface_label.h"

namespace {

const QSize kFaceSize(96, 30);
const QColor kSlate(80, 100, 121);

// A page-like background: a soft vertical gradient with a faint diagonal
// pattern, so anything that should show through a shaped button does.
class Stage : public QWidget {
 public:
  explicit Stage(QSize size) { resize(size); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor(236, 242, 248));
    ground.setColorAt(1, QColor(200, 214, 230));
    painter.fillRect(rect(), ground);
    painter.setPen(QColor(255, 255, 255, 110));
    for (int x = -height(); x < width(); x += 8) painter.drawLine(x, height(), x + height(), 0);
  }
};

void Enter(QWidget& widget) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&widget, &enter);
}

// Focus as a keyboard user gives it, which is when Qt styles show it.
void TabInto(QWidget& widget) {
  QTest::keyClick(widget.window(), Qt::Key_Tab);
  QVERIFY(widget.hasFocus());
}

// A rectangular face, for the states that show the corner focus marks.
QImage SquareFace(QSize size, const QColor& top, const QColor& bottom) {
  QImage face(size, QImage::Format_RGB32);
  QPainter painter(&face);
  QLinearGradient shade(0, 0, 0, size.height());
  shade.setColorAt(0, top.lighter(130));
  shade.setColorAt(0.45, top);
  shade.setColorAt(1, bottom);
  painter.fillRect(face.rect(), shade);
  painter.setPen(bottom.darker(150));
  painter.drawRect(face.rect().adjusted(0, 0, -1, -1));
  return face;
}

struct Shot {
  QString name;
  QImage image;
};

class GalleryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(QDir().mkpath(Dir())); }

  void pictureButtons() {
    const QString caption = QStringLiteral("Connect");
    ShootButton<TTrifaceBtn>(QStringLiteral("triface_btn"), caption);
    ShootButton<TFABitmapBtn>(QStringLiteral("fa_bitmap_btn"), caption);
  }

  void colorButton() {
    QImage glyph(16, 16, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
      QPainter painter(&glyph);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(QColor(30, 110, 40), 2.5));
      painter.drawPolyline(QPolygonF({{3, 8.5}, {6.5, 12}, {13, 4}}));
    }
    const auto make = [&](Stage& stage) {
      auto* button = new TColorButton(&stage);
      button->setText(QStringLiteral("Apply"));
      button->SetGlyphs({glyph});
      button->setGeometry(10, 10, 96, 28);
      return button;
    };
    Shoot(QStringLiteral("color_button_normal"), make, [](TColorButton&) {});
    Shoot(QStringLiteral("color_button_pressed"), make, [](TColorButton& b) { b.setDown(true); });
    Shoot(QStringLiteral("color_button_default"), make,
          [](TColorButton& b) { b.setDefault(true); });
    Shoot(QStringLiteral("color_button_focused"), make, [](TColorButton& b) { TabInto(b); });
    Shoot(QStringLiteral("color_button_disabled"), make,
          [](TColorButton& b) { b.setEnabled(false); });
  }

  void hoverLabels() {
    const auto make = [](Stage& stage) {
      auto* label = new TTrifaceLabel(QStringLiteral("Site Survey"), &stage);
      QFont font = label->font();
      font.setBold(true);
      font.setPixelSize(14);
      label->setFont(font);
      label->setGeometry(10, 8, 110, 24);
      label->SetFontCr(TTrifaceLabel::kFontCrNormal, kSlate);
      label->SetFontCr(TTrifaceLabel::kFontCrOver, QColor(20, 110, 220));
      label->SetFontCr(TTrifaceLabel::kFontCrDown, QColor(10, 60, 140));
      return label;
    };
    const QSize size(130, 40);
    Shoot(
        QStringLiteral("triface_label_normal"), make, [](TTrifaceLabel&) {}, size);
    Shoot(
        QStringLiteral("triface_label_hover"), make, [](TTrifaceLabel& l) { Enter(l); }, size);
    Shoot(
        QStringLiteral("triface_label_pressed"), make,
        [](TTrifaceLabel& l) { QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5)); }, size);
    Shoot(
        QStringLiteral("triface_label_offset"), make,
        [](TTrifaceLabel& l) {
          QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5));
          l.SetOffsetTop(2);
        },
        size);
    Shoot(
        QStringLiteral("triface_label_focused"), make, [](TTrifaceLabel& l) { TabInto(l); }, size);
  }

  void ellipsisLabels() {
    const auto make = [](Stage& stage) {
      auto* label = new TEllipsisLabel(&stage);
      label->setFrameStyle(QFrame::Box | QFrame::Plain);
      label->setGeometry(10, 8, 170, 24);
      label->setText(QStringLiteral("Wireless network connected to the access point"));
      return label;
    };
    const QSize size(190, 40);
    Shoot(
        QStringLiteral("ellipsis_label_plain"), make, [](TEllipsisLabel&) {}, size);
    Shoot(
        QStringLiteral("ellipsis_label_end"), make,
        [](TEllipsisLabel& l) { l.SetEllipsisEnd(true); }, size);
    Shoot(
        QStringLiteral("ellipsis_label_word"), make,
        [](TEllipsisLabel& l) { l.SetEllipsisWord(true); }, size);
    Shoot(
        QStringLiteral("ellipsis_label_path"), make,
        [](TEllipsisLabel& l) {
          l.setText(QStringLiteral("C:\\Program Files\\Or-Vane\\Certificates\\client.pem"));
          l.SetEllipsisPath(true);
        },
        size);
    Shoot(
        QStringLiteral("ellipsis_label_wrapped"), make,
        [](TEllipsisLabel& l) {
          l.setGeometry(10, 8, 170, 2 * l.fontMetrics().lineSpacing() + 4);
          l.setWordWrap(true);
          l.setText(
              QStringLiteral("The network is secured. Enter the key that the access "
                             "point expects before connecting to it."));
          l.SetEllipsisEnd(true);
        },
        QSize(190, 56));
  }

  void sortList() {
    const auto make = [](Stage& stage) {
      auto* list = new TSortLv(&stage);
      list->setGeometry(8, 8, 284, 124);
      list->setHeaderLabels(
          {QString(), QStringLiteral("SSID"), QStringLiteral("Channel"), QStringLiteral("Signal")});
      list->header()->resizeSection(0, 24);
      list->header()->resizeSection(1, 110);
      list->header()->resizeSection(2, 66);
      list->header()->setStretchLastSection(false);
      list->header()->resizeSection(3, 70);
      list->SetIncBMP(SortArrow(true, QColor(70, 90, 110)));
      list->SetDecBMP(SortArrow(false, QColor(70, 90, 110)));
      list->SetSkipSort1(0);
      list->SetSortColumn(3);
      list->setAllColumnsShowFocus(true);
      const QList<QStringList> networks = {
          {QStringLiteral("HomeNet"), QStringLiteral("6"), QStringLiteral("-48")},
          {QStringLiteral("Cafe-Guest"), QStringLiteral("11"), QStringLiteral("-71")},
          {QStringLiteral("office-5"), QStringLiteral("1"), QStringLiteral("-60")},
          {QStringLiteral("Library"), QStringLiteral("3"), QStringLiteral("-83")}};
      for (const QStringList& network : networks) {
        new QTreeWidgetItem(list, QStringList{QString()} + network);
      }
      list->SetOnCompare([list](const QTreeWidgetItem& a, const QTreeWidgetItem& b) {
        const int column = list->SortColunm();
        const int order = column == 1 ? a.text(1).compare(b.text(1), Qt::CaseInsensitive)
                                      : a.text(column).toInt() - b.text(column).toInt();
        return list->Increase() ? order : -order;
      });
      list->Sort();
      list->setCurrentItem(list->topLevelItem(0));
      return list;
    };
    const QSize size(300, 140);
    Shoot(
        QStringLiteral("sort_lv_ascending"), make, [](TSortLv&) {}, size);
    Shoot(
        QStringLiteral("sort_lv_descending"), make,
        [](TSortLv& l) {
          l.SetIncrease(false);
          l.Sort();
        },
        size);
    Shoot(
        QStringLiteral("sort_lv_ssid"), make,
        [](TSortLv& l) {
          l.SetSortColumn(1);
          l.Sort();
        },
        size);
  }

  void paintPanel() {
    const auto make = [](Stage& stage) {
      auto* panel = new TPaintPanel(&stage);
      panel->setGeometry(10, 10, 190, 76);
      return panel;
    };
    const QSize size(210, 96);
    Shoot(
        QStringLiteral("paint_panel_own"), make, [](TPaintPanel&) {}, size);
    Shoot(
        QStringLiteral("paint_panel_on_paint"), make,
        [](TPaintPanel& panel) {
          panel.SetOnPaint([](TPaintPanel& sender, QPainter& canvas) {
            canvas.fillRect(sender.rect(), QColor(18, 32, 48));
            canvas.setPen(QColor(40, 70, 95));
            for (int y = 12; y < sender.height(); y += 16) canvas.drawLine(0, y, sender.width(), y);
            canvas.setRenderHint(QPainter::Antialiasing);
            canvas.setPen(QPen(QColor(80, 220, 120), 2));
            QPainterPath line;
            line.moveTo(0, 60);
            for (int x = 10; x <= sender.width(); x += 10)
              line.lineTo(x, 36 + 22 * std::sin(x / 23.0));
            canvas.drawPath(line);
          });
        },
        size);
  }

  void cleanupTestCase() {
    // Everything on one sheet, each picture under its name.
    const int columns = 4;
    const int cellWidth = 310;
    QList<int> rowHeights;
    for (qsizetype i = 0; i < shots_.size(); ++i) {
      if (i % columns == 0) rowHeights.append(0);
      rowHeights.last() = std::max(rowHeights.last(), shots_[i].image.height() + 22);
    }
    int total = 0;
    for (const int height : rowHeights) total += height;
    QImage sheet(columns * cellWidth, total + 8, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int top = 4;
    for (qsizetype i = 0; i < shots_.size(); ++i) {
      const int left = static_cast<int>(i % columns) * cellWidth + 4;
      painter.setPen(Qt::black);
      painter.drawText(QRect(left, top, cellWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                       shots_[i].name);
      painter.drawImage(left, top + 18, shots_[i].image);
      if (i % columns == columns - 1) top += rowHeights[i / columns];
    }
    painter.end();
    QVERIFY(sheet.save(Dir() + QStringLiteral("/overview.png")));
  }

 private:
  static QString Dir() { return QStringLiteral(ORV_GALLERY_DIR); }

  template <typename Button>
  void ShootButton(const QString& name, const QString& caption) {
    const QColor top(58, 128, 206), bottom(18, 66, 140);
    const auto make = [&](Stage& stage) {
      auto* button = new Button(&stage);
      button->move(12, 10);
      button->setText(caption);
      QPalette colours = button->palette();
      colours.setColor(QPalette::ButtonText, Qt::white);
      colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(235, 235, 235));
      button->setPalette(colours);
      button->SetFaces(RoundedFace(kFaceSize, top, bottom));
      button->SetFacesOver(RoundedFace(kFaceSize, QColor(86, 160, 236), QColor(30, 96, 180)));
      button->SetFacesDown(RoundedFace(kFaceSize, QColor(30, 86, 160), QColor(10, 40, 96)));
      button->SetFacesDisable(RoundedFace(kFaceSize, QColor(176, 182, 190), QColor(128, 134, 142)));
      button->SetAutoShape(true);
      return button;
    };
    Shoot(name + QStringLiteral("_normal"), make, [](Button&) {});
    Shoot(name + QStringLiteral("_hover"), make, [](Button& b) { Enter(b); });
    Shoot(name + QStringLiteral("_pressed"), make, [](Button& b) { b.setDown(true); });
    Shoot(name + QStringLiteral("_disabled"), make, [](Button& b) { b.setEnabled(false); });
    Shoot(name + QStringLiteral("_only_faces_hover"), make, [](Button& b) {
      b.SetFacesOver(QImage());
      Enter(b);
    });
    Shoot(name + QStringLiteral("_focused"), make, [&](Button& b) {
      b.SetFaces(SquareFace(kFaceSize, top, bottom));
      b.SetNoFocusRect(false);
      TabInto(b);
    });
  }

  // Builds the control on a stage of its own, puts it into the state, and
  // saves what the window shows.
  template <typename Make, typename State>
  void Shoot(const QString& name, const Make& make, const State& state,
             QSize size = QSize(120, 50)) {
    Stage stage(size);
    auto* control = make(stage);
    stage.show();
    QVERIFY(QTest::qWaitForWindowActive(&stage));
    // An active window gives its first control the focus; only the focused
    // states should show it.
    control->clearFocus();
    state(*control);
    const QImage image = stage.grab().toImage();
    QVERIFY(image.save(Dir() + QLatin1Char('/') + name + QStringLiteral(".png")));
    shots_.append({name, image});
  }

  QList<Shot> shots_;
};

}  // namespace

QTEST_MAIN(GalleryTest)
#include "gallery_test.moc"
