#include "shell/qt/channel_area.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <utility>

#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/memory_grid.h"

namespace m742 {

ChannelArea::ChannelArea(EditorDocument& document, const BandLimits& band,
                         std::function<void(const EntryMessage&)> message, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName("TabStrip1");
    m_tabs->addTab(QString());
    m_tabs->addTab(QString());
    connect(m_tabs, &QTabBar::currentChanged, this, [this] { ShowSelectedTab(); });
    layout->addWidget(m_tabs);

    m_memoryGrid = new MemoryGridView(document, band, std::move(message), this);
    m_debugGrid = new DebugGridView(document, this);
    // Both grids take the same place, one at a time; the debug panel stands beside them.
    auto* grids = new QHBoxLayout;
    grids->addWidget(m_memoryGrid, 1);
    grids->addWidget(m_debugGrid, 1);
    grids->addWidget(m_debugGrid->panel());
    layout->addLayout(grids, 1);
}

bool ChannelArea::memoryTabSelected() const {
    return m_tabs->currentIndex() == 0;
}

void ChannelArea::ShowSelectedTab() {
    const bool memory = memoryTabSelected();
    // Leaving the memory tab ends an open entry as leaving the editor does; a refused one has
    // shown its message by now and its cell is unchanged.
    m_memoryGrid->EndEntry();
    QWidget* shown = memory ? static_cast<QWidget*>(m_memoryGrid) : m_debugGrid;
    QWidget* hidden = memory ? static_cast<QWidget*>(m_debugGrid) : m_memoryGrid;
    const QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus != nullptr && (focus == hidden || hidden->isAncestorOf(focus));
    // One grid at a time: the other goes before this one comes.
    hidden->hide();
    shown->show();
    m_debugGrid->okButton()->setVisible(!memory);
    if (hadFocus && shown->isEnabled()) {
        shown->setFocus();  // the keyboard does not stay with a grid nobody sees
    }
}

void ChannelArea::SetTabText(int index, const QString& text) {
    m_tabs->setTabText(index, text);
}

}  // namespace m742
