// The exchange's three timers on Qt.
#pragma once

#include <QTimer>

#include "radio_link/exchange.h"

namespace m742 {

class QtExchangeTimers {
public:
    explicit QtExchangeTimers(Exchange& exchange);
    void SetEnabled(ExchangeTimer timer, bool enabled);

private:
    QTimer& Timer(ExchangeTimer timer);

    QTimer m_timerSend;
    QTimer m_timer1;
    QTimer m_timer2;
};

}  // namespace m742
