#include "shell/qt/window_language.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <initializer_list>

#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/grid_model.h"
#include "channel_editing/qt/memory_grid.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/dialogs.h"
#include "shell/qt/main_window.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/qt_translations.h"
#include "shell/qt/settings_panel.h"
#include "shell/qt/status_line.h"
#include "shell/qt/window_menus.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/language_tables.h"
#include "texts/window_texts.h"

namespace m742 {

WindowLanguage::WindowLanguage(MainWindow& window, QtTranslations& qtTexts)
    : m_window(window), m_qtTexts(qtTexts) {}

QWidget* WindowLanguage::WindowNamed(const std::string& name) const {
    DialogController& dialogs = m_window.dialogs();
    for (QWidget* window :
         std::initializer_list<QWidget*>{&m_window, &dialogs.sideKeyDialog(), &dialogs.dtmfDialog(),
                                         &dialogs.powerDialog(), &dialogs.aboutDialog()}) {
        if (window != nullptr && window->objectName().toStdString() == name) {
            return window;
        }
    }
    return nullptr;
}

void WindowLanguage::Apply() {
    const Lang lang = m_window.language();
    m_qtTexts.Apply(lang);
    ChannelArea& channels = m_window.channels();
    for (const auto* table : {&MainWindowFixedTexts(), &MainWindowTexts(), &DialogTexts(),
                              &BackupMenuTexts(), &CompareMenuTexts(), &HelpMenuTexts()}) {
        for (const TextRow& row : *table) {
            QWidget* window = WindowNamed(row.window);
            if (window == nullptr) {
                continue;
            }
            const QString text =
                QString::fromUtf8(row.in(lang).data(), qsizetype(row.in(lang).size()));
            const QString name = QString::fromStdString(row.control);
            switch (row.property) {
                case TextProperty::kWindowTitle:
                    window->setWindowTitle(text);
                    break;
                case TextProperty::kCaption:
                    if (auto* m = window->findChild<QMenu*>(name)) {
                        m->setTitle(text);
                    } else if (auto* a = window->findChild<QAction*>(name)) {
                        a->setText(text);
                    } else if (auto* g = window->findChild<QGroupBox*>(name)) {
                        g->setTitle(text);
                    } else if (auto* l = window->findChild<QLabel*>(name)) {
                        l->setText(text);
                    } else if (auto* b = window->findChild<QPushButton*>(name)) {
                        b->setText(text);
                    }
                    break;
                case TextProperty::kToolTip:
                    if (QAction* a = m_window.menus().toolbarButton(row.index)) {
                        a->setToolTip(text);
                    }
                    break;
                case TextProperty::kTab:
                    channels.SetTabText(row.index - 1, text);
                    break;
                case TextProperty::kHeading:
                    (name == "mfgrid1" ? channels.memoryGrid().gridModel()
                                       : channels.debugGrid().gridModel())
                        .SetHeading(row.index, text);
                    break;
                case TextProperty::kItem:
                    if (auto* list = window->findChild<QComboBox*>(name)) {
                        list->setItemText(row.index, text);
                    }
                    break;
            }
        }
    }
    DialogController& dialogs = m_window.dialogs();
    SettingsPanel& panel = m_window.settingsPanel();
    for (QWidget* area : std::initializer_list<QWidget*>{
             panel.modelFrame(), panel.functionFrame(), &dialogs.sideKeyDialog(),
             &dialogs.dtmfDialog(), &dialogs.powerDialog()}) {
        FitListsToTexts(*area);
    }
    m_window.planFiles().RewordCaption();
    m_window.statusLine().RewordOutcome();
}

}  // namespace m742
