#pragma once
// Shares the window system's clipboard with the desktop's: what a user
// copies elsewhere can be pasted into a dialog, and what a dialog copies
// (Ctrl+C in an edit, a list's copy command) can be pasted elsewhere.

#include <QObject>

#include <optional>
#include <string>

namespace platform::qt {

class ClipboardBridge {
 public:
  ClipboardBridge();
  ~ClipboardBridge();
  ClipboardBridge(const ClipboardBridge&) = delete;
  ClipboardBridge& operator=(const ClipboardBridge&) = delete;

  // The window system has no notice of a copy, so each turn that handled
  // input or messages hands on a text that changed since the last one.
  void PublishToDesktop();

 private:
  void TakeFromDesktop();

  std::optional<std::string> published_;
  QMetaObject::Connection connection_;
};

}  // namespace platform::qt
