#include <QDir>
#include <QFile>
#include <QTest>

#include "core/fa_global_var.h"
#include "tests/ui/shell/shell_test_env.h"
#include "ui/shell/form_res.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

QString Folder(const std::string& name) {
  return QString::fromLocal8Bit(ShellTestEnv::ProgramDir() + name);
}

QImage Solid(QSize size, const QColor& colour) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  return picture;
}

// Every picture the windows and pages ask the store for.
const char* const kPictureNames[] = {
    "ImgMainInfo",    "ImgMainSurvey",    "ImgMainProfile",   "ImgMainAdapter",
    "ImgAPInfo",      "ImgAPCfg",         "ImgAPFilter",      "ImgFrLink",
    "ImgSurvey",      "ImgFrProfile",     "ImgAdapter",       "ImgFrProfSet",
    "ImgFrActive",    "ImgFrAPInfo",      "ImgFrAPCfg",       "ImgFrAPFilter",
    "ImgAboutBG",     "ImgChartBG",       "ImgMark",          "ImgLight",
    "ImgBtnAboutN",   "ImgBtnAboutH",     "ImgBtnHelpN",      "ImgBtnHelpH",
    "ImgBtnCloseN",   "ImgBtnCloseH",     "ImgBtnEnable",     "ImgBtnDisable",
    "ImgBtnTChart",   "ImgBtnTChartOn",   "ImgBtnAct",        "ImgBtnActOn",
    "ImgBtnActlater", "ImgBtnActlaterOn", "ImgBtnActnow",     "ImgBtnActnowOn",
    "ImgBtnAdd",      "ImgBtnAddOn",      "ImgBtnApply",      "ImgBtnApplyOn",
    "ImgBtnBack",     "ImgBtnBackOn",     "ImgBtnBrowse",     "ImgBtnBrowseOn",
    "ImgBtnCancel",   "ImgBtnCancelOn",   "ImgBtnChart",      "ImgBtnChartOn",
    "ImgBtnConnect",  "ImgBtnConnectOn",  "ImgBtnDelete",     "ImgBtnDeleteOn",
    "ImgBtnEdit",     "ImgBtnEditOn",     "ImgBtnExit",       "ImgBtnExitOn",
    "ImgBtnNext",     "ImgBtnNextOn",     "ImgBtnRefresh",    "ImgBtnRefreshOn",
    "ImgBtnSave",     "ImgBtnSaveOn",     "ImgBtnScan",       "ImgBtnScanOn",
    "ImgBtnSelect",   "ImgBtnSelectOn",   "ImgBtnShare",      "ImgBtnShareOn",
    "ImgBtnStart",    "ImgBtnStartOn",    "ImgBtnStatistics", "ImgBtnStatisticsOn"};

}  // namespace

class FormResTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ShellTestEnv::WriteSettings("[Setting]\r\n"); }

  void holdsEveryPictureInComponentOrder() {
    const TFormRes res(1.0);
    QStringList expected;
    for (const char* name : kPictureNames) expected.append(QString::fromLatin1(name));
    QCOMPARE(res.PictureNames(), expected);
    for (const QString& name : expected) QVERIFY2(!res.Picture(name).isNull(), qPrintable(name));
    QVERIFY(res.Picture(u"ImgNoSuchPicture").isNull());
  }

  void backgroundsFitTheWindowAndPageGeometry() {
    const TFormRes res(1.0);
    for (const char* name : {"ImgMainInfo", "ImgAPFilter"}) {
      QCOMPARE(res.Picture(QString::fromLatin1(name)).size(), G::kMainClientSize);
    }
    for (int i = 7; i < 16; ++i) {
      QCOMPARE(res.Picture(QString::fromLatin1(kPictureNames[i])).size(), G::kPageSize);
    }
    QCOMPARE(res.Picture(u"ImgLight").size(), G::kLightSize);
    // Pages place their buttons by the face's width; one height serves them all.
    QCOMPARE(res.Picture(u"ImgBtnSave").height(), G::kPageButtonHeight);
    QCOMPARE(res.Picture(u"ImgBtnSave").size(), res.Picture(u"ImgBtnSaveOn").size());
  }

  // The main window takes its size from its background before drawing it.
  void pictureSizeMatchesWhatWouldBeDrawnOrLoaded() {
    const TFormRes drawn(2.0);
    QCOMPARE(drawn.PictureSize(u"ImgMainInfo"), G::kMainClientSize);
    QCOMPARE(drawn.Picture(u"ImgMainInfo").deviceIndependentSize().toSize(), G::kMainClientSize);
    QCOMPARE(drawn.PictureSize(u"ImgBtnSave"), drawn.Picture(u"ImgBtnSave").size() / 2);
    QVERIFY(drawn.PictureSize(u"ImgNoSuch").isEmpty());

    QVERIFY(QDir().mkpath(Folder("skin")));
    QVERIFY(Solid(QSize(300, 200), Qt::red).save(Folder("skin/main.png")));
    ShellTestEnv::WriteSettings(
        "[Setting]\r\nRes_Path=skin\r\n[FormRes_TImage]\r\nImgMainInfo=main.png\r\n");
    const TFormRes replaced(1.0);
    QCOMPARE(replaced.PictureSize(u"ImgMainInfo"), QSize(300, 200));
  }

  void imageListsHaveTheirSizesAndCounts() {
    const TFormRes res(1.0);
    QCOMPARE(res.ImgsType().Count(), 4);
    for (int i = 0; i < 4; ++i) QCOMPARE(res.ImgsType().Image(i).size(), QSize(44, 22));
    QCOMPARE(res.ImgsNull().Count(), 0);
    QCOMPARE(res.ImgsNull().Size().height(), 22);
    QCOMPARE(res.ImgsOvIcon().Count(), 3);
    QCOMPARE(res.ImgsOvIconXP().Count(), 3);
    QVERIFY(res.ImgsOvIcon().Image(0) != res.ImgsOvIconXP().Image(0));
    QVERIFY(res.ImgsType().Image(0) != res.ImgsType().Image(2));
    QVERIFY(res.ImgsType().Image(4).isNull());
  }

  void drawsAtTheRequestedPixelRatio() {
    const TFormRes sharp(2.0);
    const QImage& mark = sharp.Picture(u"ImgMark");
    QCOMPARE(mark.devicePixelRatio(), 2.0);
    QCOMPARE(mark.size(), QSize(16, 16));
    QCOMPARE(mark.deviceIndependentSize().toSize(), QSize(8, 8));
    QCOMPARE(sharp.ImgsType().Image(0).size(), QSize(88, 44));
  }

  void oneInstanceIsReachable() {
    QCOMPARE(TFormRes::Instance(), nullptr);
    {
      const TFormRes res(1.0);
      QCOMPARE(TFormRes::Instance(), &res);
    }
    QCOMPARE(TFormRes::Instance(), nullptr);
  }

  void pageButtonsDrawTheStringFilesCaption() {
    ShellTestEnv::WriteStrings("");
    const int englishSave = TFormRes(1.0).Picture(u"ImgBtnSave").width();
    ShellTestEnv::WriteStrings(
        "[FormRes]\r\nImgBtnSave=Hinzuf\xC3\xBCgen und speichern\r\n"
        "ImgBtnAdd=Hinzuf\xC3\xBCgen und speichern\r\n");
    const TFormRes res(1.0);
    const int save = res.Picture(u"ImgBtnSave").width();
    QVERIFY(save > englishSave);
    QCOMPARE(res.Picture(u"ImgBtnSaveOn").width(), save);
    // The compact face of the same caption keeps its tighter margins and,
    // translated, gives up its icon: the row of four under the list must fit.
    QVERIFY(qAbs(save - res.Picture(u"ImgBtnAdd").width() - 32) <= 2);
    ShellTestEnv::WriteStrings("");
  }

  void missingResourceFolderKeepsEveryPicture() {
    const TFormRes builtIn(1.0);
    ShellTestEnv::WriteSettings(
        "[Setting]\r\nRes_Path=NoSuchFolder\r\n[FormRes_TImage]\r\nImgMark=mark.png\r\n");
    const TFormRes res(1.0);
    for (const QString& name : builtIn.PictureNames()) {
      QVERIFY2(res.Picture(name) == builtIn.Picture(name), qPrintable(name));
    }
  }

  void folderReplacesOnlyPicturesWhoseFilesExist() {
    const TFormRes builtIn(1.0);
    QVERIFY(QDir().mkpath(Folder("skin")));
    QVERIFY(Solid(QSize(10, 10), Qt::red).save(Folder("skin/mark.png")));
    QVERIFY(Solid(QSize(90, 26), Qt::blue).save(Folder("skin/save.bmp")));
    QVERIFY(Solid(QSize(44, 22), Qt::green).save(Folder("skin/rows.png")));
    // A Windows-style folder name, a missing file, an image list and a file that is no picture.
    ShellTestEnv::WriteSettings(
        "[Setting]\r\nRes_Path=skin\\\r\n[FormRes_TImage]\r\nImgMark=mark.png\r\n"
        "ImgBtnSave=save.bmp\r\nImgLight=missing.png\r\nImgsType=rows.png\r\n"
        "ImgBtnEdit=notes.txt\r\n");
    QFile notes(Folder("skin/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();

    const TFormRes res(2.0);
    QCOMPARE(res.Picture(u"ImgMark").size(), QSize(10, 10));
    QCOMPARE(res.Picture(u"ImgMark").pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(res.Picture(u"ImgBtnSave").pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(res.Picture(u"ImgLight").devicePixelRatio(), 2.0);
    QVERIFY(!res.Picture(u"ImgBtnEdit").isNull());
    QCOMPARE(res.Picture(u"ImgBtnEdit").devicePixelRatio(), 2.0);
    QCOMPARE(res.ImgsType().Image(0).size(), QSize(88, 44));
  }
};

static const bool registered = ShellTestEnv::Register<FormResTest>();

#include "form_res_test.moc"
