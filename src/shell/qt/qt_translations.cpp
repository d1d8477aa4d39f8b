#include "shell/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace m742 {

QtTranslations::QtTranslations() : m_chinese(std::make_unique<QTranslator>()) {}

QtTranslations::~QtTranslations() {
    if (m_installed) {
        QCoreApplication::removeTranslator(m_chinese.get());
    }
}

bool QtTranslations::Apply(Lang lang) {
    if (lang == Lang::English) {
        if (m_installed) {
            QCoreApplication::removeTranslator(m_chinese.get());
            m_installed = false;
        }
        return true;
    }
    if (!m_loaded) {
        // qt_zh_CN gathers the catalogues of Qt's modules (qtbase and the others installed).
        m_loaded = m_chinese->load("qt_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (m_loaded && !m_installed) {
        m_installed = QCoreApplication::installTranslator(m_chinese.get());
    }
    return m_installed;
}

}  // namespace m742
