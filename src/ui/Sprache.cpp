#include "ui/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace umbrarix {

QTranslator* DeutscheQtTexteLaden(QCoreApplication& app) {
    auto* uebersetzer = new QTranslator(&app);
    // "qt_de" bundles the catalogues of every Qt module (qtbase_de holds the dialogs).
    if (!uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qt"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(uebersetzer)) {
        delete uebersetzer;
        return nullptr;
    }
    return uebersetzer;
}

QTranslator* DeutschEinrichten(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return DeutscheQtTexteLaden(app);
}

} // namespace umbrarix
