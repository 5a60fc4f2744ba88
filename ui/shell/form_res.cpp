#include "ui/shell/form_res.h"

#include <QGuiApplication>
#include <QPixmap>
#include <filesystem>
#include <string>

#include "core/fa_global_var.h"
#include "ui/shell/art_backgrounds.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_icons.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace fs = std::filesystem;
using ArtButtons::PageButton;
using ArtButtons::Tone;
using ArtGlyphs::Glyph;
namespace G = ShellGeometry;

TFormRes* gInstance = nullptr;

// Settings written on Windows name folders with backslashes.
std::string WithSlashes(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

struct PageButtonFace {
  const char* name;  // between "ImgBtn" and the optional "On"
  const char* caption;
  Glyph glyph;
  Tone tone;
  bool glyphAfter = false;
  bool compact = false;
};

// The page buttons carry their caption in the picture (string file section
// "FormRes", by picture name): pages never set one.
// The profile list's four stand in one row under the list, so they are compact.
const PageButtonFace kPageButtons[] = {
    {"Act", "Activate", Glyph::kPower, Tone::kPrimary, false, true},
    {"Actlater", "Activate Later", Glyph::kClock, Tone::kSecondary},
    {"Actnow", "Activate Now", Glyph::kPower, Tone::kPrimary},
    {"Add", "Add", Glyph::kPlus, Tone::kPrimary, false, true},
    {"Apply", "Apply", Glyph::kCheck, Tone::kPrimary},
    {"Back", "Back", Glyph::kArrowLeft, Tone::kSecondary},
    {"Browse", "Browse", Glyph::kFolder, Tone::kSecondary},
    {"Cancel", "Cancel", Glyph::kCross, Tone::kSecondary},
    {"Chart", "Chart", Glyph::kLineChart, Tone::kPrimary},
    {"Connect", "Connect", Glyph::kSignal, Tone::kPrimary},
    {"Delete", "Delete", Glyph::kTrash, Tone::kSecondary, false, true},
    {"Edit", "Edit", Glyph::kPencil, Tone::kSecondary, false, true},
    {"Exit", "Exit", Glyph::kExit, Tone::kSecondary},
    {"Next", "Next", Glyph::kArrowRight, Tone::kPrimary, true},
    {"Refresh", "Refresh", Glyph::kRefresh, Tone::kPrimary},
    {"Save", "Save", Glyph::kDisk, Tone::kPrimary},
    {"Scan", "Scan", Glyph::kRadar, Tone::kPrimary},
    {"Select", "Select", Glyph::kPointer, Tone::kSecondary},
    {"Share", "Share", Glyph::kQrCode, Tone::kSecondary},
    {"Start", "Start", Glyph::kPlay, Tone::kPrimary},
    {"Statistics", "Statistics", Glyph::kBars, Tone::kPrimary},
};

QString Name(const char* name) { return QString::fromLatin1(name); }

}  // namespace

TFormRes::TFormRes(qreal devicePixelRatio) : TFormRes(devicePixelRatio, FAGlobal()) {}

TFormRes::TFormRes(qreal devicePixelRatio, const CFAGlobalVar& global)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio
             : qGuiApp != nullptr ? qGuiApp->devicePixelRatio()
                                  : 1.0),
      imgsType_(QSize(44, 22)),
      imgsNull_(QSize(16, 22)),
      imgsOvIcon_(QSize(16, 16)),
      imgsOvIconXP_(QSize(16, 16)) {
  AddPictures(ratio_, global);
  FindReplacementFiles(global);
  gInstance = this;
}

TFormRes::~TFormRes() {
  if (gInstance == this) gInstance = nullptr;
}

TFormRes* TFormRes::Instance() { return gInstance; }

const QImage& TFormRes::Picture(QStringView name) const {
  static const QImage none;
  const auto found = pictures_.find(name);
  if (found == pictures_.end()) return none;
  const Entry& entry = found->second;
  if (!entry.picture) {
    // A file that is no picture keeps the built-in one, as a missing file does.
    QImage replacement;
    if (!entry.file.isEmpty() && replacement.load(entry.file)) {
      entry.picture = std::move(replacement);
    } else {
      entry.picture = entry.draw();
    }
  }
  return *entry.picture;
}

QSize TFormRes::PictureSize(QStringView name) const {
  const auto found = pictures_.find(name);
  if (found == pictures_.end()) return {};
  const Entry& entry = found->second;
  if (!entry.picture && entry.file.isEmpty() && entry.size.isValid()) return entry.size;
  return Picture(name).deviceIndependentSize().toSize();
}

QIcon TFormRes::TrayIcon(bool newerLook, int index) const {
  QIcon& icon = trayIcons_[{newerLook, index}];
  if (icon.isNull()) {
    for (int size : {16, 20, 22, 24, 32, 48, 64}) {
      icon.addPixmap(QPixmap::fromImage(ArtIcons::Tray(newerLook, index, size, 1.0)));
    }
  }
  return icon;
}

void TFormRes::Add(const QString& name, std::function<QImage()> draw, QSize size) {
  names_.append(name);
  pictures_.insert_or_assign(name, Entry{std::move(draw), {}, std::nullopt, size});
}

void TFormRes::AddPictures(qreal ratio, const CFAGlobalVar& global) {
  using namespace ArtBackgrounds;
  const char* station[] = {"ImgMainInfo", "ImgMainSurvey", "ImgMainProfile", "ImgMainAdapter"};
  for (int i = 0; i < G::kStationTabCount; ++i) {
    Add(
        Name(station[i]), [=] { return MainWindow(G::kStationTabCount, i, ratio); },
        G::kMainClientSize);
  }
  const char* accessPoint[] = {"ImgAPInfo", "ImgAPCfg", "ImgAPFilter"};
  for (int i = 0; i < G::kAPTabCount; ++i) {
    Add(
        Name(accessPoint[i]), [=] { return MainWindow(G::kAPTabCount, i, ratio); },
        G::kMainClientSize);
  }

  const struct {
    const char* name;
    int features;
  } pages[] = {
      {"ImgFrLink", kSplit | kMeters},
      {"ImgSurvey", kSplit | kLeftButtons},
      {"ImgFrProfile", kSplit | kLeftButtons},
      {"ImgAdapter", kLeftButtons},
      {"ImgFrProfSet", kLeftButtons},
      {"ImgFrActive", kSuccess | kLeftButtons},
      {"ImgFrAPInfo", kSplit | kRightButtons},
      {"ImgFrAPCfg", kSplit | kLeftButtons | kRightButtons},
      {"ImgFrAPFilter", kLeftButtons},
  };
  for (const auto& page : pages) {
    Add(Name(page.name), [features = page.features, ratio] { return Page(features, ratio); });
  }
  Add(QStringLiteral("ImgAboutBG"), [=] { return AboutBox(ratio); });
  Add(QStringLiteral("ImgChartBG"), [=] { return ChartWindow(ratio); });
  Add(QStringLiteral("ImgMark"), [=] { return ArtIcons::Mark(ratio); });
  Add(QStringLiteral("ImgLight"), [=] { return ArtIcons::Light(ratio); });

  using ArtButtons::Round;
  const auto round = [ratio](Round kind, bool hot) {
    return [=] { return ArtButtons::RoundFace(kind, hot, ratio); };
  };
  Add(QStringLiteral("ImgBtnAboutN"), round(Round::kAbout, false));
  Add(QStringLiteral("ImgBtnAboutH"), round(Round::kAbout, true));
  Add(QStringLiteral("ImgBtnHelpN"), round(Round::kHelp, false));
  Add(QStringLiteral("ImgBtnHelpH"), round(Round::kHelp, true));
  Add(QStringLiteral("ImgBtnCloseN"), round(Round::kClose, false));
  Add(QStringLiteral("ImgBtnCloseH"), round(Round::kClose, true));
  Add(QStringLiteral("ImgBtnEnable"), [=] { return ArtButtons::ModeFace(true, ratio); });
  Add(QStringLiteral("ImgBtnDisable"), [=] { return ArtButtons::ModeFace(false, ratio); });
  Add(QStringLiteral("ImgBtnTChart"), [=] { return ArtButtons::ChartFace(false, ratio); });
  Add(QStringLiteral("ImgBtnTChartOn"), [=] { return ArtButtons::ChartFace(true, ratio); });

  for (const PageButtonFace& face : kPageButtons) {
    const QString name = QStringLiteral("ImgBtn") + Name(face.name);
    // A translation draws its own word; the face grows with it. The compact
    // row of four has no room to grow, so translated ones give up the icon.
    const QString caption =
        QString::fromLocal8Bit(global.TextRead("FormRes", name.toStdString(), face.caption));
    const bool translated = caption != Name(face.caption);
    const PageButton button{caption,         face.glyph,   face.tone,
                            face.glyphAfter, face.compact, face.compact && translated};
    Add(name, [=] { return ArtButtons::PageFace(button, false, ratio); });
    Add(name + QStringLiteral("On"), [=] { return ArtButtons::PageFace(button, true, ratio); });
  }
}

const TImageList& TFormRes::ImgsType() const {
  DrawImageLists();
  return imgsType_;
}

const TImageList& TFormRes::ImgsNull() const {
  DrawImageLists();
  return imgsNull_;
}

const TImageList& TFormRes::ImgsOvIcon() const {
  DrawImageLists();
  return imgsOvIcon_;
}

const TImageList& TFormRes::ImgsOvIconXP() const {
  DrawImageLists();
  return imgsOvIconXP_;
}

void TFormRes::DrawImageLists() const {
  if (listsDrawn_) return;
  listsDrawn_ = true;
  // Row picture index: bit 1 protected, bit 0 ad hoc.
  for (int index = 0; index < 4; ++index) {
    imgsType_.Add(ArtIcons::NetworkRow((index & 2) != 0, (index & 1) != 0, ratio_));
  }
  for (int state = 0; state < ArtIcons::kTrayStateCount; ++state) {
    imgsOvIcon_.Add(ArtIcons::Tray(false, state, 16, ratio_));
    imgsOvIconXP_.Add(ArtIcons::Tray(true, state, 16, ratio_));
  }
}

void TFormRes::FindReplacementFiles(const CFAGlobalVar& global) {
  const std::string resPath = global.InfoRead("Setting", "Res_Path", "");
  if (resPath.empty()) return;
  std::string folder = global.ProgramDir() + WithSlashes(resPath);
  if (folder.back() != '/') folder += '/';
  if (!IsDirectory(folder)) return;
  for (const QString& name : std::as_const(names_)) {
    const std::string file = global.InfoRead("FormRes_TImage", name.toStdString(), "");
    if (file.empty()) continue;
    const std::string path = folder + WithSlashes(file);
    if (IsRegularFile(path)) pictures_.find(name)->second.file = QString::fromLocal8Bit(path);
  }
}
