// The interface language on every control: each caption, tooltip, tab, heading and list text of
// the main window and its dialogs from the language tables, Qt's own texts, the window's title
// and the outcome on the status line.
#pragma once

#include <string>

class QWidget;

namespace m742 {

class MainWindow;
class QtTranslations;

class WindowLanguage {
public:
    WindowLanguage(MainWindow& window, QtTranslations& qtTexts);

    // Writes every text in the document's interface language.
    void Apply();

private:
    // The main window or the dialog with this objectName.
    QWidget* WindowNamed(const std::string& name) const;

    MainWindow& m_window;
    QtTranslations& m_qtTexts;
};

}  // namespace m742
