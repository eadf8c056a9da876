// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/outside_destroy.h"

#include <QByteArray>
#include <QWidget>
#include <cstdint>

namespace {

// The X11 protocol's DestroyNotify event as it arrives from the server, which fixes its layout.
struct DestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t DestroyNotifyCode = 17;
constexpr std::uint8_t SentEventBit = 0x80;

} // namespace

OutsideDestroyWatch::OutsideDestroyWatch(const QWidget& window, std::function<void()> end)
    : window_(window), end_(std::move(end)) {}

bool OutsideDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !window_.testAttribute(Qt::WA_WState_Created))
        return false;
    const auto* event = static_cast<const DestroyNotify*>(message);
    if ((event->responseType & ~SentEventBit) == DestroyNotifyCode &&
        event->window == window_.internalWinId())
        end_();
    return false;
}
