// The exchange's three timers on Qt.
#pragma once

#include <QTimer>

#include "radio_link/exchange.h"

namespace m742 {

// The timers' intervals in ms. The radio needs the standard ones; tests against the simulated
// radio, which answers at once, shorten them.
struct ExchangeIntervals {
    int handshakeRepeat = kHandshakeRepeatInterval;
    int watchdog = kWatchdogInterval;
    int statusBlink = kStatusBlinkInterval;
};

class QtExchangeTimers {
public:
    explicit QtExchangeTimers(Exchange& exchange, ExchangeIntervals intervals = {});
    void SetEnabled(ExchangeTimer timer, bool enabled);

private:
    QTimer& Timer(ExchangeTimer timer);

    QTimer m_handshakeRepeat;
    QTimer m_watchdog;
    QTimer m_statusBlink;
};

}  // namespace m742
