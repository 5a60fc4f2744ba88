#include "adapter/thrd_close_form.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "tests/support/process.h"

namespace {

using std::chrono::milliseconds;

// A window thread of its own that runs queued work in order.
class FakeWindowThread : public WindowThread {
 public:
  FakeWindowThread() : thread_([this] { Loop(); }) {}
  ~FakeWindowThread() override {
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }

  void Post(std::function<void()> work) override {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(work));
    }
    wake_.notify_all();
  }
  bool RunSync(std::function<void()> work, Event& stop) override {
    auto done = std::make_shared<Event>();
    Post([work = std::move(work), done] {
      work();
      done->Set();
    });
    return Event::WaitAny({&stop, done.get()}) == 1;
  }
  std::thread::id Id() const { return thread_.get_id(); }

 private:
  void Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return quit_ || !queue_.empty(); });
      if (queue_.empty()) return;
      std::function<void()> work = std::move(queue_.front());
      queue_.pop_front();
      lock.unlock();
      work();
      work = nullptr;
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;  // guarded by mutex_
  bool quit_ = false;                        // guarded by mutex_
  std::thread thread_;
};

// Dialogs stacked over the main window. An asked dialog goes away after the
// stack has been looked at a few more times, or never.
class FakeDialogs : public DialogStack {
 public:
  static constexpr int kNever = -1;

  explicit FakeDialogs(std::thread::id windowThread) : windowThread_(windowThread) {}

  void Open(int looksToClose) {
    stack_.push_back({static_cast<int>(stack_.size()), looksToClose, false});
  }

  Form TopForm() const override {
    CheckThread();
    if (!stack_.empty() && stack_.back().asked && stack_.back().looksToClose != kNever &&
        stack_.back().looksToClose-- == 0) {
      stack_.pop_back();
    }
    if (afterLook) afterLook();
    return stack_.empty() ? nullptr : &stack_.back();
  }
  bool IsMainWindow(Form form) const override {
    CheckThread();
    return form == &stack_.front();
  }
  void AskToClose(Form form) override {
    CheckThread();
    auto* dialog = static_cast<Dialog*>(const_cast<void*>(form));
    dialog->asked = true;
    std::lock_guard lock(mutex_);
    asked_.push_back(dialog->id);
  }

  std::vector<int> Asked() {
    std::lock_guard lock(mutex_);
    return asked_;
  }
  bool OffThread() const { return offThread_; }
  std::size_t Depth() const { return stack_.size(); }

  // Runs on the window thread after every look at the stack.
  std::function<void()> afterLook;

 private:
  struct Dialog {
    int id;
    mutable int looksToClose;
    bool asked;
  };
  void CheckThread() const {
    if (std::this_thread::get_id() != windowThread_) offThread_ = true;
  }

  const std::thread::id windowThread_;
  mutable std::vector<Dialog> stack_;  // window thread only; [0] is the main window
  mutable std::atomic<bool> offThread_{false};
  std::mutex mutex_;
  std::vector<int> asked_;  // guarded by mutex_
};

class CloseFormTest : public ::testing::Test {
 protected:
  CloseFormTest() { dialogs->Open(FakeDialogs::kNever); }
  ~CloseFormTest() override {
    // Nothing of the thread may be left when the window thread goes.
    EXPECT_TRUE(WaitUntil([&] { return thread.expired(); }));
  }

  void Start() {
    thread = CThrdCloseForm::Start(window, dialogs, [this] {
      doneOnWindowThread = std::this_thread::get_id() == window->Id();
      done.Set();
    });
  }

  std::shared_ptr<FakeWindowThread> window = std::make_shared<FakeWindowThread>();
  std::shared_ptr<FakeDialogs> dialogs = std::make_shared<FakeDialogs>(window->Id());
  std::weak_ptr<CThrdCloseForm> thread;
  Event done;
  std::atomic<bool> doneOnWindowThread{false};
};

TEST_F(CloseFormTest, WithNoDialogEndsAtOnceAndRunsItsHandlerOnTheWindowThread) {
  Start();
  ASSERT_TRUE(done.Wait(milliseconds(1000)));
  EXPECT_TRUE(doneOnWindowThread);
  EXPECT_TRUE(dialogs->Asked().empty());
}

// Whatever the window thread does after the look that found no dialog (here:
// a dialog opening) comes after the handler, never between the two.
TEST_F(CloseFormTest, TheHandlerRunsBeforeAnyDialogCanOpenAfterTheLastLook) {
  std::size_t depthAtHandler = 0;
  dialogs->afterLook = [&] {
    dialogs->afterLook = nullptr;
    window->Post([d = dialogs] { d->Open(FakeDialogs::kNever); });
  };
  thread = CThrdCloseForm::Start(window, dialogs, [&] {
    depthAtHandler = dialogs->Depth();
    done.Set();
  });
  ASSERT_TRUE(done.Wait(milliseconds(1000)));
  EXPECT_EQ(depthAtHandler, 1u) << "only the main window";
}

TEST_F(CloseFormTest, ClosesTheTopDialogThenTheNextEachAskedOnce) {
  dialogs->Open(3);
  dialogs->Open(3);
  Start();
  ASSERT_TRUE(done.Wait(milliseconds(2000)));
  EXPECT_EQ(dialogs->Asked(), (std::vector<int>{2, 1}));
  EXPECT_TRUE(doneOnWindowThread);
  EXPECT_FALSE(dialogs->OffThread());
}

TEST_F(CloseFormTest, ADialogThatStaysOpenIsAskedOnceUntilStopped) {
  dialogs->Open(FakeDialogs::kNever);
  Start();
  EXPECT_FALSE(done.Wait(milliseconds(150)));
  EXPECT_EQ(dialogs->Asked(), std::vector<int>{1});
  thread.lock()->Stop();
  ASSERT_TRUE(WaitUntil([&] { return thread.expired(); }));
  EXPECT_FALSE(done.Wait(milliseconds(50))) << "a stopped thread has no completion";
  EXPECT_FALSE(dialogs->OffThread());
}

}  // namespace
