// Input fields: taking an edit over, the pick list, the element switches, enabling, and the
// two directions between fields and scene (Daten_auslesen, Daten_anzeigen).

#include "ui/Form_Haupt.h"

#include "io/Projektuebernahme.h"
#include "model/Eingabedaten.h"
#include "model/ElementeAufbauen.h"
#include "model/MasseZurueckgewinnen.h"
#include "model/Runden.h"
#include "model/Zahltext.h"
#include "solar/Standortkatalog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace umbrarix {

namespace {

const QColor Auswahlgelb(255, 255, 170);

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

void Hintergrund(QWidget* w, const QColor* farbe) {
    if (farbe == nullptr) {
        w->setPalette(QPalette());
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Base, *farbe);
    w->setPalette(p);
}

// The spin field a widget belongs to (the field itself or its text).
TGanzzahlfeld* AlsSpinfeld(QObject* o) {
    if (auto* s = dynamic_cast<TGanzzahlfeld*>(o)) {
        return s;
    }
    return o != nullptr ? dynamic_cast<TGanzzahlfeld*>(o->parent()) : nullptr;
}

} // namespace

double TForm_Haupt::Dezimalwert(TZahlfeld* feld, double bisher) {
    return TextZuZahl(feld->text().toStdString()).value_or(bisher);
}

void TForm_Haupt::FelderLesen() {
    // The same reading of the field texts as the batch program's.
    EingabenLesen(ProjektErfassen(), Szene.Eingaben);
    AugenblickswerteLesen();
}

void TForm_Haupt::AugenblickswerteLesen() {
    TEingabedaten& e = Szene.Eingaben;
    e.anz_Himmelsrichtung = anz_Himmelsrichtung->Zahl().value_or(e.anz_Himmelsrichtung);
    e.anz_Breitengrad = Dezimalwert(anz_Breitengrad, e.anz_Breitengrad);
    e.CheckBox_Sommerzeit = CheckBox_Sommerzeit->isChecked();
    e.CheckBox_Ueberhang = CheckBox_Ueberhang->isChecked();
    e.CheckBox_Volant = CheckBox_Volant->isChecked();
    e.CheckBox_MauerLinks = CheckBox_MauerLinks->isChecked();
    e.CheckBox_MauerRechts = CheckBox_MauerRechts->isChecked();
    e.TrackBar_Datum = TrackBar_Datum->Position();
    e.TrackBar_Uhrzeit = TrackBar_Uhrzeit->Position();
}

void TForm_Haupt::Daten_auslesen() {
    FelderLesen();
    if (Daten_auslesen_Geometrie(Szene)) {
        // A positive valance height switched the valance on: the switch's own handling runs,
        // and whatever it changed is read in again.
        CheckBox_Volant->setChecked(true);
        FelderLesen();
        Daten_auslesen_Geometrie(Szene);
    }
    ZeichneKompass();
    MasseGeaendert();
}

void TForm_Haupt::MasseGeaendert() {
    // The clearance is shown only; keep it in step with the rebuilt valance.
    anz_Durchgangshoehe->setText(
        QString::fromStdString(GanzzahlText(Durchgangshoehe_berechnen(Szene))));
    anz_Simulationsdatum->setText(QString());
    anz_SimulationsUhrzeit->setText(QString());
    DiagrammeZuruecksetzen();
    TrackBar_Datum_UhrzeitChange(nullptr);
}

void TForm_Haupt::Daten_anzeigen() {
    Daten_anzeigen_Masse(Szene);
    const TEingabedaten& e = Szene.Eingaben;
    for (const TSpinfeld& f : umbrarix::Spinfelder()) {
        if (f.Name == "anz_Fensterneigung" || f.Name == "anz_Himmelsrichtung") {
            continue; // not dimensions of an outline
        }
        const QString text = QString::fromStdString(GanzzahlText(e.*f.Wert));
        TGanzzahlfeld* feld = Spinfeld(Q(f.Name));
        if (feld->Text() != text) {
            feld->SetzeText(text);
        }
    }
    MasseGeaendert();
}

void TForm_Haupt::EndeDimensionAendern(QObject* sender, bool fokusInDieListe) {
    if (abbau_) {
        return;
    }
    ++fokusSperre_;
    if (!fokusInDieListe) {
        Dimensionsliste->hide();
        Hintergrund(anz_Himmelsrichtung->Eingabe(), nullptr);
        Hintergrund(anz_ort, nullptr);
    }
    if (TGanzzahlfeld* s = AlsSpinfeld(sender)) {
        if (s->Text().isEmpty()) {
            s->SetzeText(QString::number(s->Tag()));
        }
        // Out of range: the nearest limit; not a number at all (a lone "-"): the minimum.
        const std::optional<double> v = s->Zahl();
        double neu = v.value_or(s->Minimum());
        neu = std::min(std::max(Runden(neu), double(s->Minimum())), double(s->Maximum()));
        if (!v || neu != *v) {
            s->SetzeText(QString::fromStdString(GanzzahlText(neu)));
        }
    }
    // The three location texts: held in range; an emptied or malformed text gets back the
    // last one taken over.
    for (const TDezimalfeld& d : Dezimalfelder()) {
        TZahlfeld* feld = d.Name == "anz_Breitengrad"   ? anz_Breitengrad
                          : d.Name == "anz_Laengengrad" ? anz_Laengengrad
                                                        : anz_Zeitzone;
        const std::optional<double> v = TextZuZahl(feld->text().toStdString());
        if (!v) {
            feld->setText(letzterDezimaltext_[feld]);
        } else if (*v < d.Min) {
            feld->setText(QString::fromStdString(GanzzahlText(d.Min)));
        } else if (*v > d.Max) {
            feld->setText(QString::fromStdString(GanzzahlText(d.Max)));
        }
        letzterDezimaltext_[feld] = feld->text();
    }
    Daten_auslesen();
    --fokusSperre_;
}

void TForm_Haupt::StartDimensionAendern(QObject* sender) {
    // What Escape in the list puts back.
    listenFeld_ = qobject_cast<QWidget*>(sender);
    listenTexte_ = {anz_Breitengrad->text(), anz_Laengengrad->text(), anz_Zeitzone->text(),
                    anz_ort->text(), anz_Himmelsrichtung->Text()};
    Dimensionsliste->clear();
    Dimensionswerte.clear();
    Hintergrund(anz_Himmelsrichtung->Eingabe(), nullptr);
    Hintergrund(anz_ort, nullptr);
    if (AlsSpinfeld(sender) == anz_Himmelsrichtung) {
        const std::pair<const char*, int> richtungen[] = {
            {"Nord", 180},    {"Süd", 0},        {"Ost", 90},    {"West", 270},
            {"Nordost", 135}, {"Nordwest", 225}, {"Südost", 45}, {"Südwest", 315}};
        for (const auto& [name, wert] : richtungen) {
            Dimensionsliste->addItem(QString::fromUtf8(name));
            Dimensionswerte.push_back(QString::number(wert));
        }
        Hintergrund(anz_Himmelsrichtung->Eingabe(), &Auswahlgelb);
        Dimensionsliste->show();
        Dimensionsliste->raise();
    } else if (sender == anz_ort) {
        for (const TStandort& s : Standortkatalog()) {
            Dimensionsliste->addItem(Q(s.Name));
        }
        Hintergrund(anz_ort, &Auswahlgelb);
        Dimensionsliste->show();
        Dimensionsliste->raise();
    }
}

void TForm_Haupt::DimensionslisteClick(int index) {
    if (index < 0 || index >= Dimensionsliste->count()) {
        return;
    }
    // The second entry tells the two lists apart.
    if (Dimensionsliste->count() > 1 &&
        Dimensionsliste->item(1)->text() == QStringLiteral("Athen")) {
        const TStandort& s = Standortkatalog()[static_cast<std::size_t>(index)];
        anz_Breitengrad->setText(Q(s.Breitengrad));
        anz_Laengengrad->setText(Q(s.Laengengrad));
        anz_Zeitzone->setText(Q(s.Zeitzone));
        anz_ort->setText(Q(s.Name));
    } else if (index < Dimensionswerte.size()) {
        anz_Himmelsrichtung->SetzeText(Dimensionswerte[index]);
    }
}

void TForm_Haupt::DimensionslisteDblClick() {
    EndeDimensionAendern(Dimensionsliste);
    Dimensionsliste->hide();
}

void TForm_Haupt::anz_StandortChange() {
    anz_ort->setText(
        Q(Standortname(anz_Breitengrad->text().toStdString(), anz_Laengengrad->text().toStdString(),
                       anz_Zeitzone->text().toStdString())));
}

void TForm_Haupt::FokusWechsel(QWidget* alt, QWidget* neu) {
    if (abbau_ || fokusSperre_ > 0) {
        return;
    }
    const auto beobachtet = [this](QWidget* w) {
        return w != nullptr &&
               (AlsSpinfeld(w) != nullptr || w == anz_Breitengrad || w == anz_Laengengrad ||
                w == anz_Zeitzone || w == anz_ort || w == Dimensionsliste);
    };
    if (beobachtet(alt)) {
        EndeDimensionAendern(alt, neu == Dimensionsliste);
    }
    if (neu != nullptr &&
        (AlsSpinfeld(neu) == anz_Himmelsrichtung || neu == anz_ort || neu == anz_Breitengrad ||
         neu == anz_Laengengrad || neu == anz_Zeitzone)) {
        StartDimensionAendern(neu);
    }
}

QList<QWidget*> TForm_Haupt::UeberhangGruppe() const {
    return {anz_Vordachbreite,   anz_Vordachlaenge, anz_VordachHoehe,      anz_Abstand_Wand,
            anz_Vordach_Neigung, anz_VolantHoehe,   anz_Vordachzentrierung};
}

QList<QWidget*> TForm_Haupt::MauerLinksGruppe() const {
    return {anz_ml_ausfall, anz_ml_hoehe, anz_ml_bodenabstand, anz_ml_wandabstand,
            anz_ml_AbstandFenstermitte};
}

QList<QWidget*> TForm_Haupt::MauerRechtsGruppe() const {
    return {anz_mr_Ausfall, anz_mr_hoehe, anz_mr_bodenabstand, anz_mr_wandabstand,
            anz_mr_abstandFenstermitte};
}

QList<QWidget*> TForm_Haupt::ImmerAnGruppe() const {
    return {CheckBox_Ueberhang,
            CheckBox_Volant,
            CheckBox_MauerLinks,
            CheckBox_MauerRechts,
            anz_Fensterhoehe,
            anz_Fensterbreite,
            anz_Fensterabstand_Boden,
            anz_Fensterneigung,
            anz_FensterZentrierung,
            anz_Himmelsrichtung,
            anz_Breitengrad,
            anz_Laengengrad,
            anz_Zeitzone,
            anz_terrassenbreite,
            anz_terrassenlaenge,
            anz_terrassenabstand,
            anz_terrassenzentrierung,
            CheckBox_Sommerzeit,
            Button_AenderungUebernehmen};
}

void TForm_Haupt::UeberhangAktivieren(bool an) {
    for (QWidget* w : UeberhangGruppe()) {
        w->setEnabled(an);
    }
}

void TForm_Haupt::MauerLinksAktivieren(bool an) {
    for (QWidget* w : MauerLinksGruppe()) {
        w->setEnabled(an);
    }
}

void TForm_Haupt::MauerRechtsAktivieren(bool an) {
    for (QWidget* w : MauerRechtsGruppe()) {
        w->setEnabled(an);
    }
}

void TForm_Haupt::EigabenAktivieren(bool an) {
    ++fokusSperre_;
    UeberhangAktivieren(an && CheckBox_Ueberhang->isChecked());
    MauerLinksAktivieren(an && CheckBox_MauerLinks->isChecked());
    MauerRechtsAktivieren(an && CheckBox_MauerRechts->isChecked());
    for (QWidget* w : ImmerAnGruppe()) {
        w->setEnabled(an);
    }
    --fokusSperre_;
    if (VerlaufBeschriften) {
        VerlaufBeschriften(); // no undo during a run
    }
}

void TForm_Haupt::CheckBox_UeberhangClick() {
    if (abbau_ || !gezeigt_) {
        return;
    }
    // The valance can only be on together with the overhang.
    if (!CheckBox_Ueberhang->isChecked()) {
        CheckBox_Volant->setChecked(false);
    }
    const bool ueberhang = CheckBox_Ueberhang->isChecked();
    const bool links = CheckBox_MauerLinks->isChecked();
    const bool rechts = CheckBox_MauerRechts->isChecked();
    ++fokusSperre_;
    UeberhangAktivieren(ueberhang);
    MauerLinksAktivieren(links);
    MauerRechtsAktivieren(rechts);
    --fokusSperre_;
    for (TFormShape* m :
         {f_ueberh_oben, f_ueberh_unten, f_ueberh_links, f_ueberh_rechts, b_ueberh_oben,
          b_ueberh_unten, b_ueberh_links, b_ueberh_rechts, s_ueberh_aussen, s_ueberh_innen}) {
        m->setVisible(ueberhang);
    }
    for (TFormShape* m : {f_mauerlinks_oben, f_mauerlinks_unten, f_mauerlinks_seite,
                          b_mauerlinks_oben, b_mauerlinks_unten, b_mauerlinks_seite}) {
        m->setVisible(links);
    }
    for (TFormShape* m : {f_mauerrechts_oben, f_mauerrechts_unten, f_mauerrechts_seite,
                          b_mauerrechts_oben, b_mauerrechts_unten, b_mauerrechts_seite}) {
        m->setVisible(rechts);
    }
    const bool volant = CheckBox_Volant->isChecked();
    for (TFormShape* m : {f_volant_unten, f_volant_links, f_volant_rechts, s_ueberh_volant}) {
        m->setVisible(volant);
    }
    // While a project is put into the fields, its file states the valance height (a switch
    // that is still off from the previous scene must not clear it) and the end-of-edit step
    // after it evaluates the instant.
    if (projektWirdGesetzt_) {
        return;
    }
    // A valance switched off is a valance of height 0.
    if (!volant) {
        anz_VolantHoehe->SetzeText(QStringLiteral("0"));
        EndeDimensionAendern(anz_VolantHoehe);
    }
    TrackBar_Datum_UhrzeitChange(nullptr);
}

} // namespace umbrarix
