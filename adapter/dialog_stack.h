#pragma once

// The program's open modal windows, most recent on top, as a worker thread may
// see them: through opaque handles, on the window thread only.
class DialogStack {
 public:
  using Form = const void*;

  virtual ~DialogStack() = default;
  // The top of the stack, or nullptr when no window is recorded.
  virtual Form TopForm() const = 0;
  virtual bool IsMainWindow(Form form) const = 0;
  // Asks the form to close as its own close button would; it may refuse or
  // take its time.
  virtual void AskToClose(Form form) = 0;
};
