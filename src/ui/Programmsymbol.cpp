#include "ui/Programmsymbol.h"

#include "Programmsymbol_svg.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace umbrarix {

QIcon Programmsymbol() {
    QSvgRenderer svg{QByteArray(ProgrammsymbolSvg)};
    QIcon symbol;
    if (!svg.isValid()) {
        return symbol;
    }
    // Drawn here rather than left to an icon plugin, which an installation may lack.
    for (const int groesse : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        svg.render(&maler);
        maler.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

void AnwendungKennzeichnen(QGuiApplication& app) {
    QGuiApplication::setApplicationName(QStringLiteral("Umbrarix"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.umbrarix.umbrarix"));
    app.setWindowIcon(Programmsymbol());
}

} // namespace umbrarix
