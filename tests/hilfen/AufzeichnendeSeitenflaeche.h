#pragma once

// A page surface that records what is printed on it, for checking positions and texts.

#include "print/Seitenflaeche.h"

#include <QList>

namespace umbrarix::testhilfen {

struct TDruckeintrag {
    enum TArt { Text, Linie, Kasten, Bild } Art;
    int Seite;
    int x1, y1, x2, y2; // Text: x1/y1 position; Bild: x1/y1 top left, x2/y2 size
    QString Inhalt;
    TSchrift Schrift;
    TAusrichtung Ausrichtung = TAusrichtung::Links;
    TFarbe Fuellung = 0;
    QSize Bildgroesse;
};

class TAufzeichnendeSeitenflaeche : public TSeitenflaeche {
public:
    explicit TAufzeichnendeSeitenflaeche(QSizeF druckbereichMm = {200, 287})
        : druckbereich_(druckbereichMm) {}

    QList<TDruckeintrag> Eintraege;
    int Seiten = 1;

    QSizeF DruckbereichMm() const override { return druckbereich_; }
    void NeueSeite() override { ++Seiten; }
    void Text(int x, int y, const QString& text, const TSchrift& s, TAusrichtung a) override {
        Eintraege.push_back({TDruckeintrag::Text, Seiten, x, y, 0, 0, text, s, a, 0, {}});
    }
    void Linie(int x1, int y1, int x2, int y2) override {
        Eintraege.push_back({TDruckeintrag::Linie, Seiten, x1, y1, x2, y2, {}, {}, {}, 0, {}});
    }
    void Kasten(int x1, int y1, int x2, int y2, TFarbe f) override {
        Eintraege.push_back({TDruckeintrag::Kasten, Seiten, x1, y1, x2, y2, {}, {}, {}, f, {}});
    }
    void Bild(int x, int y, int b, int h, const QImage& bild) override {
        Eintraege.push_back({TDruckeintrag::Bild, Seiten, x, y, b, h, {}, {}, {}, 0, bild.size()});
    }

    // The first text with this content, or nullptr.
    const TDruckeintrag* TextMit(const QString& inhalt, int seite = 0) const {
        for (const TDruckeintrag& e : Eintraege) {
            if (e.Art == TDruckeintrag::Text && e.Inhalt == inhalt &&
                (seite == 0 || e.Seite == seite)) {
                return &e;
            }
        }
        return nullptr;
    }

private:
    QSizeF druckbereich_;
};

} // namespace umbrarix::testhilfen
