#include "ui/QtDialogLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <iterator>

namespace kx {

void ApplyQtDialogLanguage(uint8_t languageIndex) {
    static const char* const kQtLanguage[] = {"en", "de", "fr", "cs"};
    static QTranslator translator;
    static QString loadedLanguage = "en";
    const QString language =
        kQtLanguage[languageIndex < std::size(kQtLanguage) ? languageIndex : 0];
    if (language == loadedLanguage)
        return;
    QCoreApplication::removeTranslator(&translator);
    loadedLanguage = "en";
    if (language == "en")
        return;
    // Beside the program first, where a Windows installation keeps them.
    const QStringList folders = {
        QDir(QCoreApplication::applicationDirPath()).filePath("translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator.load("qtbase_" + language, folder)) {
            QCoreApplication::installTranslator(&translator);
            loadedLanguage = language;
            return;
        }
    }
}

} // namespace kx
