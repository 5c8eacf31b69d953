#include "ui/desktop/WindowManager.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace belote {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// Reads the X events before Qt does, and lets them all go on to Qt.
class X11Watch : public QAbstractNativeEventFilter {
 public:
  enum class Kind { Frame, Close };

  static X11Watch* Get() {
    static X11Watch* watch = []() -> X11Watch* {
      auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                     : nullptr;
      if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
      auto* w = new X11Watch(x11->connection());
      qGuiApp->installNativeEventFilter(w);
      return w;
    }();
    return watch;
  }

  void Add(QWidget* window, Kind kind, std::function<void(QMargins)> call) {
    watched_.push_back({window, kind, std::move(call)});
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
      case XCB_PROPERTY_NOTIFY: {
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (change->atom == frameExtents_)
          Tell(change->window, Kind::Frame, Extents(change->window));
        break;
      }
      case XCB_CLIENT_MESSAGE: {
        const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (request->type == protocols_ && request->data.data32[0] == deleteWindow_)
          Tell(request->window, Kind::Close, {});
        break;
      }
      default:
        break;
    }
    return false;
  }

 private:
  struct Watched {
    QPointer<QWidget> window;
    Kind kind;
    std::function<void(QMargins)> call;
  };

  explicit X11Watch(xcb_connection_t* connection)
      : connection_(connection),
        frameExtents_(Atom(connection, "_NET_FRAME_EXTENTS")),
        protocols_(Atom(connection, "WM_PROTOCOLS")),
        deleteWindow_(Atom(connection, "WM_DELETE_WINDOW")) {}

  // The frame's width on each side, as the window manager wrote it.
  QMargins Extents(xcb_window_t id) const {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_, 0, id, frameExtents_, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
    QMargins frame;
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
      const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply));
      frame = QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                       static_cast<int>(sides[1]), static_cast<int>(sides[3]));
    }
    std::free(reply);
    return frame;
  }

  void Tell(xcb_window_t id, Kind kind, QMargins frame) {
    std::erase_if(watched_, [](const Watched& w) { return w.window.isNull(); });
    for (const Watched& w : watched_) {
      // The window's own id is known once it is on the screen; asking for it
      // earlier would give every widget of the table a window of its own.
      if (w.kind != kind || static_cast<xcb_window_t>(w.window->internalWinId()) != id) continue;
      // After Qt has read the same event: no close request is handled inside
      // the window system's.
      QTimer::singleShot(0, w.window, [call = w.call, frame] { call(frame); });
    }
  }

  xcb_connection_t* connection_;
  xcb_atom_t frameExtents_;
  xcb_atom_t protocols_;
  xcb_atom_t deleteWindow_;
  std::vector<Watched> watched_;
};

}  // namespace

void WhenFrameKnown(QWidget* window, std::function<void(QMargins)> known) {
  if (X11Watch* watch = X11Watch::Get())
    watch->Add(window, X11Watch::Kind::Frame, std::move(known));
}

void WhenCloseAsked(QWidget* window, std::function<void()> asked) {
  if (X11Watch* watch = X11Watch::Get())
    watch->Add(window, X11Watch::Kind::Close, [asked = std::move(asked)](QMargins) { asked(); });
}

}  // namespace belote
