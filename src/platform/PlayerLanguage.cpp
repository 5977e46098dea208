#include "platform/PlayerLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

PlayerLanguage::PlayerLanguage(const QLocale& locale)
{
    if (mGame.load(locale, QStringLiteral("vandrel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&mGame);
    // Only with the game's own: a dialog in the player's language over a game in
    // English would be stranger than English throughout.
    if (!mGame.isEmpty()
        && mQt.load(QLocale(mGame.language()), QStringLiteral("qt"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&mQt);
}

std::string PlayerLanguage::Translate(const char* context, const char* source, const char* disambiguation) const
{
    return QCoreApplication::translate(context, source, disambiguation).toStdString();
}
