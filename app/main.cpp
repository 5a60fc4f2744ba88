#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "core/debug_log.h"
#include "core/fa_global_var.h"
#include "core/instance_check.h"
#include "core/start_flags.h"
#include "ui/shell/form_main.h"
#include "ui/shell/form_res.h"
#include "ui/shell/system_error_box.h"

namespace {

void ShowExceptionBox(const QString& message) {
  if (QCoreApplication::instance() == nullptr) return;
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
}

}  // namespace

int main(int argc, char** argv) {
  GlobalDebugLog();  // opens the log before anything else can write to it
  const uint32_t startFlags = ParseStartFlags(argc, argv);

  CFAGlobalVar& global = FAGlobal();
  global.SetLoadErrorHandler(ShowSystemErrorBox);
  if (!global.Startup(startFlags)) return 0;

  if (startFlags & kStartClose) {
    DebugLog("PM_CLOSE");
    BroadcastNotify(global.NotifyChannel(), PM_CLOSE);
    return 0;
  }

  const std::unique_ptr<NamedMutex> instanceMutex =
      CheckSingleInstance(global.MutexName(), global.NotifyChannel());
  if (!instanceMutex) return 0;

  std::unique_ptr<QApplication> app;
  std::unique_ptr<TFormRes> imageStore;
  try {
    app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QString::fromLocal8Bit(global.AppTitle()));
    QApplication::setQuitOnLastWindowClosed(false);
    imageStore = std::make_unique<TFormRes>();
    TFormMain window;
    window.Start(startFlags);
    if (startFlags & kStartUI) window.show();
    QApplication::exec();
  } catch (const std::exception& e) {
    ShowExceptionBox(QString::fromLocal8Bit(e.what()));
    DebugLog("Exception(WinMain): %s", e.what());
  } catch (...) {
    DebugLog("Exception(WinMain)");
    ShowExceptionBox(QString());
  }
  // The image store outlives the main window and goes before the mutex.
  imageStore.reset();
  return 0;
}
