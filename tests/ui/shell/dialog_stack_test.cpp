#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "adapter/thrd_close_form.h"
#include "platform/event.h"
#include "tests/ui/shell/shell_test_env.h"
#include "ui/shell/form_base.h"
#include "ui/shell/form_dialog_stack.h"
#include "ui/shell/qt_window_thread.h"

class DialogStackTest : public QObject {
  Q_OBJECT

 private slots:
  void nestedModalWindowsStackOldestFirst() {
    TFormBase outer;
    TFormBase inner;
    QList<TFormBase*> whileInner;
    TFormBase* topAfterInner = nullptr;
    int innerResult = -1;
    QTimer::singleShot(0, [&] {
      QCOMPARE(TFormBase::TopModalForm(), &outer);
      QTimer::singleShot(0, [&] {
        whileInner = TFormBase::OpenModalForms();
        inner.done(5);
      });
      innerResult = inner.ShowModalTracked();
      topAfterInner = TFormBase::TopModalForm();
      outer.done(TFormBase::kMrOk);
    });
    QCOMPARE(outer.ShowModalTracked(), TFormBase::kMrOk);
    QCOMPARE(innerResult, 5);
    QCOMPARE(whileInner, (QList<TFormBase*>{&outer, &inner}));
    QCOMPARE(topAfterInner, &outer);
    QCOMPARE(TFormBase::TopModalForm(), nullptr);
  }

  void windowDestroyedInItsModalLoopLeavesTheStack() {
    auto* form = new TFormBase;
    QTimer::singleShot(0, [form] { delete form; });
    form->ShowModalTracked();
    QCOMPARE(TFormBase::TopModalForm(), nullptr);
  }

  void closingThreadClosesNestedDialogsTopFirst() {
    auto window = std::make_shared<QtWindowThread>();
    auto dialogs = std::make_shared<FormDialogStack>();
    TFormBase outer;
    TFormBase inner;
    std::atomic<bool> doneOnWindowThread{false};
    std::atomic<bool> done{false};
    int innerResult = -1;
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] {
        CThrdCloseForm::Start(window, dialogs, [&] {
          doneOnWindowThread = QThread::currentThread() == qApp->thread();
          done = true;
        });
      });
      innerResult = inner.ShowModalTracked();
    });
    QCOMPARE(outer.ShowModalTracked(), TFormBase::kMrCancel);
    QCOMPARE(innerResult, TFormBase::kMrCancel);
    QTRY_VERIFY(done);
    QVERIFY(doneOnWindowThread);
  }

  void closingThreadStopsAtTheMainWindow() {
    auto window = std::make_shared<QtWindowThread>();
    TFormBase mainWindow;
    TFormBase dialog;
    auto dialogs = std::make_shared<FormDialogStack>(&mainWindow);
    std::atomic<bool> done{false};
    int dialogResult = -1;
    bool mainStillOpen = false;
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] { CThrdCloseForm::Start(window, dialogs, [&] { done = true; }); });
      dialogResult = dialog.ShowModalTracked();
      QTRY_VERIFY(done);
      mainStillOpen = TFormBase::TopModalForm() == &mainWindow;
      mainWindow.done(TFormBase::kMrOk);
    });
    QCOMPARE(mainWindow.ShowModalTracked(), TFormBase::kMrOk);
    QCOMPARE(dialogResult, TFormBase::kMrCancel);
    QVERIFY(mainStillOpen);
  }

  void staleHandleIsNotTouched() {
    FormDialogStack dialogs;
    TFormBase notShown;
    dialogs.AskToClose(&notShown);
    QVERIFY(!dialogs.IsMainWindow(&notShown));
    QCOMPARE(dialogs.TopForm(), nullptr);
  }

  void runSyncRunsOnTheWindowThread() {
    QtWindowThread window;
    Event stop;
    bool ranHere = false;
    QVERIFY(window.RunSync([&] { ranHere = true; }, stop));
    QVERIFY(ranHere);

    std::atomic<bool> onWindowThread{false};
    std::atomic<bool> answer{false};
    std::thread worker([&] {
      answer = window.RunSync([&] { onWindowThread = QThread::currentThread() == qApp->thread(); },
                              stop);
    });
    while (!answer) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    QVERIFY(onWindowThread);
  }

  void runSyncGivesUpWhenStoppedAndKeepsTheStop() {
    QtWindowThread window;
    Event stop;
    auto ran = std::make_shared<std::atomic<bool>>(false);
    bool answer = true;
    // The window thread is busy here, so only the stop can end the wait.
    std::thread worker([&] { answer = window.RunSync([ran] { *ran = true; }, stop); });
    stop.Set();
    worker.join();
    QVERIFY(!answer);
    QVERIFY(stop.IsSet());
    QVERIFY(!*ran);
    QTRY_VERIFY(*ran);
  }
};

static const bool registered = ShellTestEnv::Register<DialogStackTest>();

#include "dialog_stack_test.moc"
