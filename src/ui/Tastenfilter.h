#pragma once

#include <QChar>
#include <QString>

namespace umbrarix {

// What a key filter does with one typed character.
struct TTastenaktion {
    enum TArt { Durchlassen, Verwerfen, Ersetzen, Eingabetaste } Art;
    QChar Zeichen; // the replacement, for Ersetzen
};

// Spin fields: Enter ends the edit; backspace, minus and digits pass; the rest is dropped.
TTastenaktion Ganzzahleingabe(QChar zeichen);

// Decimal fields: a comma becomes a point; Enter ends the edit; backspace, minus, point and
// digits pass; a point is dropped when the text already has one (even a selected one).
TTastenaktion Zahleingabe(QChar zeichen, const QString& text);

// Spin fields: the step of a navigation key as its buttons step (Up/Down 1, PgUp/PgDn 10),
// or 0 for any other key (a Qt::Key code).
int Ganzzahlschritt(int taste);

} // namespace umbrarix
