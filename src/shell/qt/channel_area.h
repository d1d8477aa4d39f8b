// The channel area of the main window: the tab strip ("TabStrip1") over the memory channels'
// grid ("mfgrid1") and the debug channels' grid ("mfgrid2"), which take the same place one at a
// time, with the debug panel beside them.
#pragma once

#include <QWidget>
#include <functional>

#include "channel_editing/frequency_entry.h"

class QTabBar;

namespace m742 {

class DebugGridView;
class EditorDocument;
class MemoryGridView;

class ChannelArea : public QWidget {
    Q_OBJECT

public:
    // The memory grid's frequency editors accept `band`, and show their refusals by `message`.
    ChannelArea(EditorDocument& document, const BandLimits& band,
                std::function<void(const EntryMessage&)> message, QWidget* parent);

    // The memory channels' tab is the one shown (else the debug channels').
    bool memoryTabSelected() const;
    // Shows the grid of the selected tab, the memory or the debug channels.
    void ShowSelectedTab();
    // The tab's caption, by number from 0.
    void SetTabText(int index, const QString& text);
    MemoryGridView& memoryGrid() const { return *m_memoryGrid; }
    DebugGridView& debugGrid() const { return *m_debugGrid; }

private:
    QTabBar* m_tabs = nullptr;
    MemoryGridView* m_memoryGrid = nullptr;  // mfgrid1
    DebugGridView* m_debugGrid = nullptr;    // mfgrid2
};

}  // namespace m742
