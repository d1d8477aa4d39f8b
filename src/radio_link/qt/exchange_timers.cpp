#include "radio_link/qt/exchange_timers.h"

namespace m742 {

QtExchangeTimers::QtExchangeTimers(Exchange& exchange, ExchangeIntervals intervals) {
    m_timerSend.setInterval(intervals.timerSend);
    m_timer1.setInterval(intervals.timer1);
    m_timer2.setInterval(intervals.timer2);
    QObject::connect(&m_timerSend, &QTimer::timeout, &m_timerSend,
                     [&exchange] { exchange.TimerSend_Timer(); });
    QObject::connect(&m_timer1, &QTimer::timeout, &m_timer1,
                     [&exchange] { exchange.Timer1_Timer(); });
    QObject::connect(&m_timer2, &QTimer::timeout, &m_timer2,
                     [&exchange] { exchange.Timer2_Timer(); });
}

QTimer& QtExchangeTimers::Timer(ExchangeTimer timer) {
    switch (timer) {
        case ExchangeTimer::TimerSend:
            return m_timerSend;
        case ExchangeTimer::Timer1:
            return m_timer1;
        default:
            return m_timer2;
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
