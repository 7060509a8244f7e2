#include "ui/Auswertungsdialog.h"

#include "ui/Schrift.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace umbrarix {

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setAutoDefault(false);
    return k;
}

void DialogAufbauen(QDialog& dialog, QWidget* inhalt, QLayout* seite, QLayout* unten) {
    dialog.setFont(Programmschrift());
    auto* rollen = new QScrollArea(&dialog);
    rollen->setWidget(inhalt);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    auto* aussen = new QVBoxLayout(&dialog);
    auto* oben = new QHBoxLayout;
    oben->addWidget(rollen, 1);
    if (seite != nullptr) {
        oben->addLayout(seite);
    }
    aussen->addLayout(oben, 1);
    if (unten != nullptr) {
        aussen->addLayout(unten);
    }
    // The content's size, the side column and the rows below it, the margins and spacing.
    const QSize rand(aussen->contentsMargins().left() + aussen->contentsMargins().right(),
                     aussen->contentsMargins().top() + aussen->contentsMargins().bottom());
    QSize gewuenscht =
        inhalt->sizeHint() + rand + QSize(2 * aussen->spacing(), 2 * aussen->spacing());
    if (seite != nullptr) {
        gewuenscht.rwidth() += seite->sizeHint().width();
        gewuenscht.rheight() =
            std::max(gewuenscht.height(), seite->sizeHint().height() + rand.height());
    }
    if (unten != nullptr) {
        gewuenscht.rheight() += unten->sizeHint().height();
    }
    if (const QScreen* schirm = dialog.screen()) {
        gewuenscht = gewuenscht.boundedTo(schirm->availableSize() - QSize(40, 80));
    }
    dialog.resize(gewuenscht);
}

} // namespace umbrarix
