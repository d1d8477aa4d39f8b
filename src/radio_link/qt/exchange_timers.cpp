#include "radio_link/qt/exchange_timers.h"

namespace m742 {

QtExchangeTimers::QtExchangeTimers(Exchange& exchange, ExchangeIntervals intervals) {
    m_handshakeRepeat.setInterval(intervals.handshakeRepeat);
    m_watchdog.setInterval(intervals.watchdog);
    m_statusBlink.setInterval(intervals.statusBlink);
    QObject::connect(&m_handshakeRepeat, &QTimer::timeout, &m_handshakeRepeat,
                     [&exchange] { exchange.OnHandshakeTick(); });
    QObject::connect(&m_watchdog, &QTimer::timeout, &m_watchdog,
                     [&exchange] { exchange.OnWatchdogTick(); });
    QObject::connect(&m_statusBlink, &QTimer::timeout, &m_statusBlink,
                     [&exchange] { exchange.OnStatusBlinkTick(); });
}

QTimer& QtExchangeTimers::Timer(ExchangeTimer timer) {
    switch (timer) {
        case ExchangeTimer::kHandshakeRepeat:
            return m_handshakeRepeat;
        case ExchangeTimer::kWatchdog:
            return m_watchdog;
        default:
            return m_statusBlink;
    }
}

void QtExchangeTimers::SetEnabled(ExchangeTimer timer, bool enabled) {
    QTimer& t = Timer(timer);
    if (enabled && !t.isActive()) {
        t.start();
    } else if (!enabled) {
        t.stop();
    }
}

}  // namespace m742
