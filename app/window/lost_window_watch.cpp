// Watching a dialog's native window: Qt's own destruction of it, and the X server's word.
#include "app/window/lost_window_watch.h"

#include <xcb/xcb.h>

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

namespace {

constexpr char kWindowLost[] = "nativeWindowLost";

class LostWindowWatch : public QObject {
 public:
  explicit LostWindowWatch(QDialog* dialog) : QObject(dialog), dialog_(dialog) {
    dialog->installEventFilter(this);
    // Another program's XDestroyWindow reaches Qt as no event it acts on, so the window's
    // presence is asked for while the dialog waits.
    poll_.setInterval(1000);
    connect(&poll_, &QTimer::timeout, this, [this] {
      if (!NativeWindowExists(dialog_)) {
        Lost();
      }
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::Show) {
      closing_ = false;
      WatchSurface();
      poll_.start();
    } else if (watched == dialog_ && event->type() == QEvent::Hide) {
      poll_.stop();
    } else if (watched == surface_ && event->type() == QEvent::Close) {
      // An answered dialog closes its window, and closing destroys it: that is no loss.
      closing_ = true;
    } else if (event->type() == QEvent::PlatformSurface && !closing_ &&
               static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                   QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
      // Queued: the dialog must not be hidden while its window is half destroyed.
      QTimer::singleShot(0, this, [this] { Lost(); });
    }
    return false;
  }

 private:
  void WatchSurface() {
    QWindow* window = dialog_->windowHandle();
    if (window != nullptr && window != surface_) {
      window->installEventFilter(this);
      surface_ = window;
    }
  }

  void Lost() {
    poll_.stop();
    // The dialog cannot be shown again on a window that is gone; its owner makes a new one.
    dialog_->setProperty(kWindowLost, true);
    // Rejected even when Qt already counts the dialog hidden, so that its waiting ends.
    dialog_->reject();
  }

  QDialog* dialog_;
  QWindow* surface_ = nullptr;
  QTimer poll_;
  bool closing_ = false;
};

}  // namespace

bool WindowWasLost(const QDialog* dialog) {
  return dialog->property(kWindowLost).toBool();
}

void RejectWhenWindowIsLost(QDialog* dialog) {
  new LostWindowWatch(dialog);
}

bool NativeWindowExists(QWidget* widget) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || widget->windowHandle() == nullptr ||
      !widget->testAttribute(Qt::WA_WState_Created)) {
    return true;
  }
  xcb_connection_t* connection = x11->connection();
  const xcb_get_window_attributes_cookie_t cookie =
      xcb_get_window_attributes(connection, static_cast<xcb_window_t>(widget->winId()));
  xcb_generic_error_t* error = nullptr;
  std::free(xcb_get_window_attributes_reply(connection, cookie, &error));
  const bool exists = error == nullptr;
  std::free(error);
  return exists;
}
