#include "platform/windowcover.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* x11Connection() {
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

TWindowCover::TWindowCover(QWidget* window) : QObject(window), window_(window) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TWindowCover::~TWindowCover() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

void TWindowCover::Watch() {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window_ || !window_->testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window_->winId());
    if (id == watched_) {
        return;
    }
    // Add visibility changes to the events Qt selected, keeping all of those.
    const xcb_get_window_attributes_cookie_t cookie = xcb_get_window_attributes(connection, id);
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(connection, cookie, nullptr);
    if (!reply) {
        return;
    }
    const uint32_t mask = reply->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(reply);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    watched_ = id;
    if (covered_) {
        covered_ = false;
        emit Changed(false);
    }
}

bool TWindowCover::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (watched_ == 0 || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY) {
        return false;
    }
    const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
    if (visibility->window != watched_) {
        return false;
    }
    const bool covered = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
    if (covered != covered_) {
        covered_ = covered;
        emit Changed(covered);
    }
    return false; // Qt may want it too
}
