#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

class ChannelListener;
class QLabel;

// The main window. It listens for the show and close notifications of other
// instances, hides instead of closing, and ends the application only when told.
class TFormMain : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // Start operation: keeps the start flags and begins listening.
  void Start(uint32_t startFlags);
  uint32_t StartFlags() const { return startFlags_; }

  // A notification code and its argument, on the window thread.
  void HandleNotify(int code, int arg);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowWindow();

  uint32_t startFlags_ = 0;
  QLabel* status_ = nullptr;
  std::unique_ptr<ChannelListener> listener_;
};
