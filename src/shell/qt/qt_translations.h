// Qt's own texts in the interface language: the file dialogs, the print preview, the standard
// buttons and context menus of Qt's widgets. Chinese comes from Qt's translation catalogue
// qt_zh_CN (Debian package qt6-translations-l10n); English is Qt's untranslated text.
#pragma once

#include <memory>
#include <vector>

#include "radio_data/status.h"

class QTranslator;

namespace m742 {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the Chinese catalogue for Chinese and takes it away again for English. False
    // when the Chinese one is not installed on this system: Qt's texts then stay English.
    bool Apply(Lang lang);

private:
    std::unique_ptr<QTranslator> m_chinese;
    bool m_loaded = false;
    bool m_installed = false;
};

}  // namespace m742
