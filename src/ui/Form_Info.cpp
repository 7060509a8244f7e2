#include "ui/Form_Info.h"

#include "ui/Schrift.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace umbrarix {

TForm_Info::TForm_Info(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("TForm_Info"));
    setWindowTitle(QStringLiteral("Info"));
    setFont(Programmschrift());
    auto* layout = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("Umbrarix"), this);
    titel->setObjectName(QStringLiteral("Label_Titel")); // a heading: the program's font, larger
    QFont f = Programmschrift();
    f.setPixelSize(f.pixelSize() * 2);
    f.setBold(true);
    titel->setFont(f);
    titel->setAlignment(Qt::AlignCenter);
    auto* version =
        new QLabel(QStringLiteral("Verschattung von Fenster und Terrasse\nVersion 1.0"), this);
    version->setObjectName(QStringLiteral("Label_Version"));
    version->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(titel);
    layout->addWidget(version);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(320, 170);
}

void TForm_Info::mousePressEvent(QMouseEvent*) {
    accept();
}

} // namespace umbrarix
