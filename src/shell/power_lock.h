// The lock on the TX power levels. The power dialog's sliders stay disabled, and a write to
// the radio leaves out the block that holds the power levels, until a service gesture unlocks
// them: a click on the "Hight" label of one power frame and, no more than five
// seconds later, on the one of the other frame. Two clicks within a second on the toolbar's
// "PowerLock" button (shown only while unlocked) lock them again. Every start is locked.
#pragma once

#include <cstdint>
#include <functional>

namespace m742 {

class PowerLock {
public:
    // Seconds since midnight, with their fraction.
    using Clock = std::function<double()>;

    explicit PowerLock(Clock now);

    // PowerUnlock: 1 while unlocked, else 0.
    int PowerUnlock() const { return m_unlocked ? 1 : 0; }

    // A click on the "Hight" label of the low power frame (Label8) or of the high power frame
    // (Label7). True when this click unlocked.
    bool LowMaxLabelClick() { return MaxLabelClick(m_lowClicked, m_highClicked); }
    bool HighMaxLabelClick() { return MaxLabelClick(m_highClicked, m_lowClicked); }

    // A click on the "PowerLock" toolbar button. True when this click locked.
    bool PowerLockClick();

private:
    bool MaxLabelClick(bool& mine, bool& other);
    // The time of day in whole seconds: rounded to the nearest, exact halves to even.
    std::int32_t WholeSeconds(double now) const;

    Clock m_now;
    bool m_unlocked = false;
    std::int32_t m_unlockClickTime = 0;  // UnlockClickTime
    bool m_lowClicked = false;           // LowFrameMaxClicked
    bool m_highClicked = false;          // HighFrameMaxClicked
    std::int32_t m_lockClickTime = 0;    // PowerLockClickTime; 0: no first click pending
};

}  // namespace m742
