#include "shell/power_lock.h"

#include <cmath>

namespace m742 {

namespace {

constexpr double kUnlockWindowSeconds = 5;
constexpr double kLockWindowSeconds = 1;

}  // namespace

PowerLock::PowerLock(Clock now) : m_now(std::move(now)) {}

std::int32_t PowerLock::WholeSeconds(double now) const {
    return static_cast<std::int32_t>(std::nearbyint(now));  // the default mode rounds to even
}

bool PowerLock::MaxLabelClick(bool& mine, bool& other) {
    const double now = m_now();
    if (!mine && !other) {
        m_unlockClickTime = WholeSeconds(now);
    }
    if (now - m_unlockClickTime > kUnlockWindowSeconds) {
        // Too late for the other half: this click starts a new attempt.
        mine = true;
        other = false;
        m_unlockClickTime = WholeSeconds(now);
        return false;
    }
    mine = true;
    if (!other) {
        return false;
    }
    m_unlocked = true;
    return true;
}

bool PowerLock::PowerLockClick() {
    const double now = m_now();
    if (m_lockClickTime == 0 || now - m_lockClickTime >= kLockWindowSeconds) {
        m_lockClickTime = WholeSeconds(now);
        return false;
    }
    m_lockClickTime = 0;
    m_unlocked = false;
    return true;
}

}  // namespace m742
