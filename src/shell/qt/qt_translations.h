// Qt's own texts in the interface language: the file dialogs, the print preview, the standard
// buttons and context menus of Qt's widgets. Chinese comes from Qt's translation catalogue
// qt_zh_CN (Debian package qt6-translations-l10n), with the few file dialog texts it lacks from
// our own tables; English is Qt's untranslated text. The default locale, which dates and sizes
// are written in, follows too.
#pragma once

#include <memory>
#include <vector>

#include "radio_data/status.h"

class QLocale;
class QTranslator;

namespace m742 {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the Chinese catalogue for Chinese and takes it away again for English, and makes
    // the language's locale the default. False when the Chinese catalogue is not installed on
    // this system: Qt's texts then stay English. The locale before the first comes back when
    // this goes.
    bool Apply(Lang lang);

private:
    std::unique_ptr<QTranslator> m_chinese;
    std::unique_ptr<QTranslator> m_gaps;  // what the catalogue lacks
    std::unique_ptr<QLocale> m_locale;    // the default locale before the window's
    bool m_loaded = false;
    bool m_installed = false;
};

}  // namespace m742
