#include "ui/Auswertungsdialog.h"

#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace umbrarix {

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setAutoDefault(false);
    return k;
}

void InhaltRollbarSetzen(QDialog& dialog, QWidget* inhalt) {
    auto* rollen = new QScrollArea(&dialog);
    rollen->setWidget(inhalt);
    rollen->setFrameShape(QFrame::NoFrame);
    auto* aussen = new QVBoxLayout(&dialog);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rollen);
    QSize gewuenscht = inhalt->sizeHint() + QSize(4, 4);
    if (const QScreen* schirm = dialog.screen()) {
        gewuenscht = gewuenscht.boundedTo(schirm->availableSize() - QSize(40, 80));
    }
    dialog.resize(gewuenscht);
}

} // namespace umbrarix
