#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <memory>

#include "app/entry_guard.h"
#include "core/fa_global_var.h"
#include "core/instance_check.h"
#include "core/start_flags.h"
#include "platform/debug_log.h"
#include "platform/system_info.h"
#include "ui/shell/form_main.h"
#include "ui/shell/form_res.h"
#include "ui/shell/system_error_box.h"

namespace {

// The standard exception box; before the application exists it gets one of its
// own. Where nobody can see a box, nobody could close it either.
void ShowExceptionBox(const std::string& message) {
  if (QCoreApplication::instance() == nullptr) {
    if (TaskBarPresent()) ShowSystemErrorBox(message);
    return;
  }
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                        QString::fromLocal8Bit(message));
}

// A service instance started outside a graphical session has no screen: it runs
// all the same, drawing nowhere, instead of failing to open one.
void UseOffscreenWithoutDisplay() {
  if (!TaskBarPresent() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  GlobalDebugLog();  // opens the log before anything else can write to it
  // Released in reverse order: the image store outlives the main window, and
  // the instance mutex goes last.
  std::unique_ptr<NamedMutex> instanceMutex;
  std::unique_ptr<QApplication> app;
  std::unique_ptr<TFormRes> imageStore;
  RunGuarded(
      [&] {
        const uint32_t startFlags = ParseStartFlags(argc, argv);
        CFAGlobalVar& global = FAGlobal();
        global.SetLoadErrorHandler(ShowSystemErrorBox);
        if (!global.Startup(startFlags)) return;

        if (startFlags & kStartClose) {
          DebugLog("PM_CLOSE");
          NotifyInstance(global.MutexName(), global.NotifyChannel(), PM_CLOSE);
          return;
        }

        instanceMutex = CheckSingleInstance(global.MutexName(), global.NotifyChannel());
        if (!instanceMutex) return;

        UseOffscreenWithoutDisplay();
        app = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QString::fromLocal8Bit(global.AppTitle()));
        // Lets the desktop match the windows and the tray icon to the launcher entry.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.WlanUtility"));
        QApplication::setQuitOnLastWindowClosed(false);
        imageStore = std::make_unique<TFormRes>();
        TFormMain::Timing timing;
        timing.pagesOnDemand = true;
        TFormMain window(timing);
        window.Start(startFlags);
        if (startFlags & kStartUI) {
          window.show();
          // On the screen now, not after the work already queued for the loop
          // (the first adapter attach among it).
          QGuiApplication::sync();
        }
        QApplication::exec();
      },
      ShowExceptionBox);
  imageStore.reset();
  return 0;
}
