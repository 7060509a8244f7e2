// Every caption of the window and of its dialogs is drawn whole: no text needs more room than
// the box it stands in, and none runs under a control beside it. Every dialog speaks in the
// program's one font, and so do the texts of the evaluation pictures.

#include "ui/Schrift.h"
#include "ui/Form_Dialoge.h"
#include "ui/Form_Dimensionierung.h"
#include "ui/Form_Haupt.h"
#include "ui/Form_Info.h"
#include "ui/Form_Jahresuebersicht.h"
#include "ui/Form_Sonnenbahnen.h"

#include "model/Kalender.h"
#include "views/Dimensionierungsdiagramm.h"
#include "views/Jahreskarte.h"

#include "hilfen/Hauptfenster.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

struct TPlatzbedarf {
    QSize noetig, vorhanden;
    QRect text; // where the text stands, in the parent's coordinates
};

// Room a label's text takes in its contents box, as the label lays it out.
TPlatzbedarf Bedarf(const QLabel& l) {
    const QRect box = l.contentsRect().adjusted(l.margin(), l.margin(), -l.margin(), -l.margin());
    const QFontMetrics m(l.font());
    const int umbruch = l.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect text = m.boundingRect(
        box, static_cast<int>(l.alignment()) | umbruch | Qt::TextExpandTabs, l.text());
    return {text.size(), box.size(), text.translated(l.pos())};
}

// Room a button's caption takes: check and radio boxes beside their indicator, push and tool
// buttons inside the style's margins.
TPlatzbedarf Bedarf(QAbstractButton& b) {
    const QFontMetrics m(b.font());
    const QSize text = m.size(Qt::TextShowMnemonic, b.text());
    const bool check = qobject_cast<QCheckBox*>(&b) != nullptr;
    if (check || qobject_cast<QRadioButton*>(&b) != nullptr) {
        QStyleOptionButton opt;
        opt.initFrom(&b);
        opt.text = b.text();
        const QRect inhalt = b.style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &opt, &b);
        return {text, QSize(inhalt.width() - 2, b.height()), b.geometry()};
    }
    const int rand = b.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &b);
    return {text, b.size() - QSize(rand, 4), b.geometry()};
}

// The first visible sibling stacked above w that covers part of its text.
QWidget* Verdeckt(QWidget& w, const QRect& text) {
    QWidget* eltern = w.parentWidget();
    if (eltern == nullptr) {
        return nullptr;
    }
    const QObjectList& geschwister = eltern->children();
    for (qsizetype i = geschwister.indexOf(&w) + 1; i < geschwister.size(); ++i) {
        auto* oben = qobject_cast<QWidget*>(geschwister[i]);
        if (oben != nullptr && !oben->isWindow() && oben->isVisibleTo(eltern) &&
            oben->geometry().intersects(text)) {
            return oben;
        }
    }
    return nullptr;
}

void AllePruefen(QWidget& fenster, std::vector<std::string>& fehler) {
    const auto melden = [&](QWidget& w, const QString& text, const TPlatzbedarf& b) {
        const std::string wer = fenster.metaObject()->className() + std::string(": \"") +
                                text.toStdString() + "\" " + w.metaObject()->className();
        if (b.noetig.width() > b.vorhanden.width() || b.noetig.height() > b.vorhanden.height()) {
            fehler.push_back(wer + " needs " + std::to_string(b.noetig.width()) + "x" +
                             std::to_string(b.noetig.height()) + ", has " +
                             std::to_string(b.vorhanden.width()) + "x" +
                             std::to_string(b.vorhanden.height()));
        }
        if (QWidget* oben = Verdeckt(w, b.text)) {
            fehler.push_back(wer + " runs under " + oben->metaObject()->className() + " " +
                             oben->objectName().toStdString());
        }
    };
    for (QLabel* l : fenster.findChildren<QLabel*>()) {
        if (!l->text().isEmpty() && l->isVisibleTo(&fenster)) {
            melden(*l, l->text(), Bedarf(*l));
        }
    }
    for (QAbstractButton* b : fenster.findChildren<QAbstractButton*>()) {
        if (!b->text().isEmpty() && b->isVisibleTo(&fenster)) {
            melden(*b, b->text(), Bedarf(*b));
        }
    }
}

TEST(Schrift, JederTextPasstInSeinenKasten) {
    THauptfenster w;
    std::vector<std::string> fehler;
    // Every page of the inputs and every view panel, each in turn.
    for (int i = 0; i < 6; ++i) {
        w->Seitenknoepfe[i]->click();
        w->Ansichtsknoepfe[i]->click();
        QCoreApplication::processEvents();
        AllePruefen(*w, fehler);
    }
    QDialog* dialoge[] = {w->Form_Info, w->Form_Farbauswahl, w->Form_Arbeitsverzeichnis,
                          w->Form_Projektbeschreibung, w->Form_Ansprechpartner};
    for (QDialog* d : dialoge) {
        d->show();
        QCoreApplication::processEvents();
        AllePruefen(*d, fehler);
        // A picture of each dialog for a look by eye.
        const QString ordner = QStringLiteral(UMBRARIX_BILDORDNER);
        if (QDir().mkpath(ordner)) {
            d->grab().save(ordner + QStringLiteral("/dialog_%1.png").arg(d->objectName()));
        }
        d->hide();
    }
    std::sort(fehler.begin(), fehler.end());
    fehler.erase(std::unique(fehler.begin(), fehler.end()), fehler.end());
    std::string alle;
    for (const std::string& f : fehler) {
        alle += f + "\n";
    }
    EXPECT_TRUE(fehler.empty()) << alle;
}

// Every widget of the dialog, itself included, draws in the program's font as the screen
// resolves it: its family and pixel size. Headings (by object name) only keep the family.
void EineSchrift(QDialog& d, std::vector<std::string>& fehler,
                 const QStringList& ueberschriften = {}) {
    d.show();
    QCoreApplication::processEvents();
    const QFontInfo soll(Programmschrift());
    for (QComboBox* c : d.findChildren<QComboBox*>()) {
        c->view(); // the list that drops down, made when first asked for
    }
    QList<QWidget*> alle = d.findChildren<QWidget*>();
    alle.prepend(&d);
    for (QWidget* w : alle) {
        const QFontInfo ist(w->font());
        const bool ueberschrift = ueberschriften.contains(w->objectName());
        if (ist.family() != soll.family() ||
            (!ueberschrift && ist.pixelSize() != soll.pixelSize())) {
            fehler.push_back(
                d.objectName().toStdString() + ": " + w->metaObject()->className() + " " +
                w->objectName().toStdString() + " in " +
                (w->parentWidget() != nullptr ? w->parentWidget()->metaObject()->className() : "") +
                " draws in " + ist.family().toStdString() + " " + std::to_string(ist.pixelSize()) +
                " px");
        }
    }
}

TEST(Schrift, EineSchriftInJedemDialog) {
    THauptfenster w;
    std::vector<std::string> fehler;
    EineSchrift(*w->Form_Info, fehler, {QStringLiteral("Label_Titel")});
    for (QDialog* d : {static_cast<QDialog*>(w->Form_Farbauswahl),
                       static_cast<QDialog*>(w->Form_Arbeitsverzeichnis),
                       static_cast<QDialog*>(w->Form_Projektbeschreibung),
                       static_cast<QDialog*>(w->Form_Ansprechpartner)}) {
        EineSchrift(*d, fehler);
        d->hide();
    }
    // The evaluation windows as the menu opens them.
    int gezeigt = 0;
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        ++gezeigt;
        EineSchrift(d, fehler);
    };
    for (QAction* a : {w->Jahresuebersicht1, w->MarkiseDimensionieren1, w->Sonnenbahnen1,
                       w->Sonneneintrag1, w->Umgebung1}) {
        a->trigger();
    }
    EXPECT_EQ(gezeigt, 5);
    std::string alle;
    for (const std::string& f : fehler) {
        alle += f + "\n";
    }
    EXPECT_TRUE(fehler.empty()) << alle;
}

// The texts of the pictures beside the dialogs' texts: the heat map's month and hour labels and
// the sizing chart's legend are exactly what the program's font draws there, smoothed.
TEST(Schrift, BilderSchreibenInDerProgrammschrift) {
    struct TText {
        QRect kasten; // where the picture draws it
        int ausrichtung;
        QString text;
        QRect vergleich; // where it is compared: the box without the ticks beside it
    };
    // Pixels inside the compared boxes that differ from the texts drawn alone.
    const auto abweichungen = [](const QImage& bild, const std::vector<TText>& texte,
                                 bool kantenglaettung) {
        QImage soll(bild.size(), QImage::Format_RGB32);
        soll.fill(Qt::white);
        QPainter p(&soll);
        p.setRenderHint(QPainter::Antialiasing, kantenglaettung);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(Qt::black);
        p.setFont(Programmschrift());
        for (const TText& t : texte) {
            p.drawText(t.kasten, t.ausrichtung, t.text);
        }
        p.end();
        int anders = 0;
        for (const TText& t : texte) {
            for (int y = t.vergleich.top(); y <= t.vergleich.bottom(); ++y) {
                for (int x = t.vergleich.left(); x <= t.vergleich.right(); ++x) {
                    anders += bild.pixel(x, y) != soll.pixel(x, y);
                }
            }
        }
        return anders;
    };

    // A year without shade: the cells are white, only texts and lines are drawn.
    using M = TJahreskartenmasse;
    const QImage karte =
        Jahreskarte_Zeichnen(std::vector<double>(365 * 144, 0.0), QStringLiteral("Fenster"), 0, 0);
    const int unten = M::Oben + 144 * M::ZelleHoehe;
    std::vector<TText> beschriftung;
    const int anfang[] = {1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
    for (int m = 0; m < 12; ++m) {
        const int x0 = M::Links + (anfang[m] - 1) * M::ZelleBreite;
        const int x1 = M::Links + (anfang[m + 1] - 1) * M::ZelleBreite;
        const QRect kasten(x0, unten + 4, x1 - x0, 14);
        beschriftung.push_back({kasten, Qt::AlignCenter, QString::fromUtf8(Monatskuerzel(m + 1)),
                                kasten.adjusted(1, 1, 0, 0)});
    }
    for (int h = 0; h <= 24; h += 3) {
        const QRect kasten(0, M::Oben + h * 6 * M::ZelleHoehe - 7, M::Links - 7, 14);
        beschriftung.push_back({kasten, Qt::AlignRight | Qt::AlignVCenter,
                                QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0')), kasten});
    }
    EXPECT_EQ(abweichungen(karte, beschriftung, false), 0) << "heat map labels";

    // The sizing chart's legend without curves: "verlangt" alone.
    const QImage diagramm = Dimensionierungsdiagramm_Zeichnen({}, 0.8, std::nullopt);
    std::vector<TText> legende;
    for (const TLegendenzeile& z : Dimensionierungslegende({}, false, diagramm.size())) {
        legende.push_back({z.Kasten, Qt::AlignLeft | Qt::AlignVCenter, z.Text, z.Kasten});
    }
    ASSERT_EQ(legende.size(), 1u);
    EXPECT_EQ(abweichungen(diagramm, legende, true), 0) << "sizing chart legend";
}

} // namespace
} // namespace umbrarix
