#pragma once

#include <QDialog>
#include <QList>

class QImage;
class QLabel;

// Base of the program's own windows: texts from the string file, position
// and visibility overrides from the settings file, and the open-dialog stack
// that lets the utility close all its dialogs at once.
class TFormBase : public QDialog {
  Q_OBJECT

 public:
  // Modal results.
  static constexpr int kMrNone = 0;
  static constexpr int kMrOk = 1;
  static constexpr int kMrCancel = 2;

  // Borderless and centred on the screen unless the window decides otherwise.
  explicit TFormBase(QWidget* parent = nullptr);
  ~TFormBase() override;

  // Position and visibility overrides for every control the component owns,
  // from the settings sections "<section>_CtrlPos" and "<section>_Visible";
  // pages inside use "<section>_<page name>".
  virtual void ApplyLayout(QWidget* component, const QString& section);
  virtual void ApplyControlPos(QWidget* control, const QString& section);
  // The same overrides for a control built after the window's own were
  // applied, found by its place among the window's pages.
  void ApplyLateLayout(QWidget* control);
  // The mark before a caption, or nullptr without control or template.
  virtual QLabel* AddMarkImage(QWidget* control, const QImage& templ);
  virtual void LoadStrings(const QString& section);
  // Fits the label to its text; returns the new width.
  virtual int FitLabel(QLabel* label);

  // Runs the window modally while it stands on the open-dialog stack.
  int ShowModalTracked();
  // The newest window on the open-dialog stack, or nullptr.
  static TFormBase* TopModalForm();
  // The open-dialog stack, oldest first.
  static QList<TFormBase*> OpenModalForms();

  // Centres the window over the owner's window when that is showing,
  // otherwise on the screen.
  void CenterOver(const QWidget* owner);

 public slots:
  // Closing the window answers Cancel, as any modal form's close does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One control's overrides within the section of the component holding it.
  void LayOut(QWidget* control, const QString& section);

  bool positioned_ = false;
};
