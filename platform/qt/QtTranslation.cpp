#include "platform/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace platform {

namespace {

// The translation in force (owned by the application) and its language;
// none and "" while Qt speaks English.
QPointer<QTranslator> gQtTranslator;
QString gQtLanguage;

} // namespace

bool UseQtLanguage(const QString& language)
{
    if (gQtTranslator && language == gQtLanguage)
        return true;
    if (gQtTranslator) {
        QCoreApplication::removeTranslator(gQtTranslator);
        delete gQtTranslator;
    }
    gQtLanguage.clear();
    if (language.isEmpty())
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    gQtTranslator = translator;
    gQtLanguage = language;
    return true;
}

} // namespace platform
