#include "shell/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "texts/window_texts.h"

namespace m742 {

namespace {

// The few texts of Qt's file dialogs that qt_zh_CN leaves in English.
class QtTextGapTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        for (const QtTextGap& gap : QtTextGaps()) {
            if (gap.context == context && gap.source == source) {
                return QString::fromUtf8(gap.zh.data(), qsizetype(gap.zh.size()));
            }
        }
        return {};
    }
};

}  // namespace

QtTranslations::QtTranslations()
    : m_chinese(std::make_unique<QTranslator>()),
      m_gaps(std::make_unique<QtTextGapTranslator>()),
      m_locale(std::make_unique<QLocale>()) {}

QtTranslations::~QtTranslations() {
    if (m_installed) {
        QCoreApplication::removeTranslator(m_chinese.get());
        QCoreApplication::removeTranslator(m_gaps.get());
    }
    QLocale::setDefault(*m_locale);
}

bool QtTranslations::Apply(Lang lang) {
    // Dates, sizes and the file types Qt's dialogs show follow the default locale.
    QLocale::setDefault(lang == Lang::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                              : QLocale(QLocale::Chinese, QLocale::China));
    if (lang == Lang::English) {
        if (m_installed) {
            QCoreApplication::removeTranslator(m_chinese.get());
            QCoreApplication::removeTranslator(m_gaps.get());
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
        QCoreApplication::installTranslator(m_gaps.get());
    }
    return m_installed;
}

}  // namespace m742
