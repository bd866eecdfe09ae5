#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString InstallTranslations(const QString &language)
{
    // The .qm files are built into rezar_i18n, a static library: registered by hand.
    Q_INIT_RESOURCE(translations);
    const QStringList languages = language.isEmpty() ? QLocale().uiLanguages() : QStringList{language};
    for (const QString &name : languages) {
        const QLocale locale(name);
        // QTranslator::load would go on down the list past English ("en_GB:de") and pick German.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        auto *ours = new QTranslator(QCoreApplication::instance());
        if (!ours->load(locale, QStringLiteral("rezar"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete ours;
            continue;
        }
        QCoreApplication::installTranslator(ours);
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return QFileInfo(ours->filePath()).completeBaseName().section('_', 1);
    }
    return {};
}
