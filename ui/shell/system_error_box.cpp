#include "ui/shell/system_error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

void ShowSystemErrorBox(const std::string& text) {
  static int argc = 1;
  static char name[] = "orvane-wlan";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  if (QCoreApplication::instance() == nullptr) app = std::make_unique<QApplication>(argc, argv);
  QMessageBox box(QMessageBox::Critical, QObject::tr("Error"), QString::fromLocal8Bit(text),
                  QMessageBox::Ok);
  box.exec();
}
