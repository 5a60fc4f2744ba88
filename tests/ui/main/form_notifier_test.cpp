// The notifier as the worker threads use it: posted codes, codes sent and
// waited for, sends given up on, and sources that were disconnected.

#include <QTest>
#include <atomic>
#include <thread>

#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/event.h"
#include "platform/text.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/form_main.h"
#include "ui/shell/form_notifier.h"
#include "ui/shell/property_page_frame.h"

namespace {

QString CurrentPageName(const TFormMain& window) { return window.CurrentPage()->objectName(); }

}  // namespace

class FormNotifierTest : public QObject {
  Q_OBJECT

 private slots:
  void postedCodesRunOnTheWindowThreadLater() {
    TFormMain window;
    auto notifier = FormNotifier::Create(&window);
    std::thread([&] { notifier->Post(PM_SHOWPAGE, 2); }).join();
    QCOMPARE(CurrentPageName(window), QStringLiteral("FrameLinkInfo1"));
    QTRY_COMPARE(CurrentPageName(window), QStringLiteral("FrameProfile1"));
  }

  void sentCodesWaitForTheWindowsAnswer() {
    TFormMain window;
    auto notifier = FormNotifier::Create(&window);
    Event stop;
    // On the window thread itself the code runs at once.
    QCOMPARE(notifier->Send(PM_SHOWPAGE, 2, stop), intptr_t{0});
    QCOMPARE(CurrentPageName(window), QStringLiteral("FrameProfile1"));

    std::atomic<bool> answered{false};
    std::atomic<intptr_t> answer{-1};
    std::thread sender([&] {
      answer = notifier->Send(PM_SHOWPAGE, 1, stop);
      answered = true;
    });
    QTRY_VERIFY(answered);
    sender.join();
    QCOMPARE(answer.load(), intptr_t{0});
    QCOMPARE(CurrentPageName(window), QStringLiteral("FrameLinkInfo1"));
  }

  void aStoppedSenderGivesUpWithoutTheWindow() {
    TFormMain window;
    auto notifier = FormNotifier::Create(&window);
    Event stop;
    stop.Set();
    // The window thread is busy joining the sender: only the stop can end the wait.
    std::atomic<intptr_t> answer{-1};
    std::thread([&] { answer = notifier->Send(PM_SHOWPAGE, 2, stop); }).join();
    QCOMPARE(answer.load(), intptr_t{0});
  }

  void aDisconnectedSourceReachesNothing() {
    TFormMain window;
    auto notifier = FormNotifier::Create(&window);
    auto control = FormNotifier::Create(&window);
    notifier->Post(PM_SHOWPAGE, 2);
    notifier->Disconnect();
    Event stop;
    QCOMPARE(notifier->Send(PM_SHOWPAGE, 2, stop), intptr_t{0});
    // Codes are delivered in order: once the later one has run, so would the earlier.
    control->Post(PM_SHOWPAGE, 3);
    QTRY_COMPARE(window.CurrentLabel()->objectName(), QStringLiteral("LbSiteSurvey"));
    QVERIFY(UiTest::FindChild<QWidget>(window, "FrameProfile1")->isHidden());
  }

  void theWindowGoingFirstLeavesTheNotifierHarmless() {
    auto window = std::make_unique<TFormMain>();
    auto notifier = FormNotifier::Create(window.get());
    notifier->Post(PM_SHOWPAGE, 2);
    window.reset();
    Event stop;
    std::atomic<intptr_t> answer{-1};
    std::thread sender([&] { answer = notifier->Send(PM_SHOWPAGE, 2, stop); });
    QTRY_COMPARE(answer.load(), intptr_t{0});
    sender.join();
  }
};

static const bool registered = UiTestEnv::Register<FormNotifierTest>();

#include "form_notifier_test.moc"
