#pragma once

#include <QFrame>
#include <QPointer>
#include <cstdint>

class CNICAdapter;
class QImage;
class QLabel;

// Base of every page. The main window and the wizard host drive the page
// protocol; the page loads its texts and fits its caption/value rows.
class TPropertyPageFrame : public QFrame {
  Q_OBJECT

 public:
  // How a page is entered or left.
  enum Direction { kDirTab = 0, kDirNext = 1, kDirBack = 2 };
  // AdapterChanged events.
  enum AdapterEvent { kAdapterAttached = 1, kAdapterDetached = 2 };

  explicit TPropertyPageFrame(QWidget* parent = nullptr);

  // The page that was current before this one was entered going forward.
  TPropertyPageFrame* BackLink() const { return backLink_; }

  // The mark before a caption, or nullptr without control or template.
  virtual QLabel* AddMarkImage(QWidget* control, const QImage& templ);
  // Labels, check boxes, panels and list-view columns from the string file.
  virtual void LoadStrings(const QString& section);
  // Fits the caption to its text and stretches the value from 6 pixels after
  // it to the right edge.
  virtual void FitLabel(QLabel* caption, QWidget* value, int rightEdge);
  virtual void InitPage() {}
  virtual void DonePage() {}
  virtual void ResetPage() {}
  // False keeps the page from being shown.
  virtual bool EnterPage(TPropertyPageFrame* previous, int direction, int request);
  // False keeps the page current.
  virtual bool LeavePage(TPropertyPageFrame* next, int direction, int request);
  // event: kAdapterAttached or kAdapterDetached; funcMode 0 station, 1 access point.
  virtual void AdapterChanged(CNICAdapter* /*adapter*/, int /*event*/, int /*funcMode*/) {}
  // code: a notification code forwarded by the main window (3, 4, 7 or 8).
  virtual void AdapterNotify(CNICAdapter* /*adapter*/, int /*code*/, intptr_t /*arg*/) {}

 private:
  QPointer<TPropertyPageFrame> backLink_;
};
