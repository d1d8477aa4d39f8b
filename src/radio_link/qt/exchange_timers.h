// The exchange's three timers on Qt.
#pragma once

#include <QTimer>

#include "radio_link/exchange.h"

namespace m742 {

// The timers' intervals in ms. The radio needs the standard ones; tests against the simulated
// radio, which answers at once, shorten them.
struct ExchangeIntervals {
    int timerSend = kTimerSendInterval;
    int timer1 = kTimer1Interval;
    int timer2 = kTimer2Interval;
};

class QtExchangeTimers {
public:
    explicit QtExchangeTimers(Exchange& exchange, ExchangeIntervals intervals = {});
    void SetEnabled(ExchangeTimer timer, bool enabled);

private:
    QTimer& Timer(ExchangeTimer timer);

    QTimer m_timerSend;
    QTimer m_timer1;
    QTimer m_timer2;
};

}  // namespace m742
