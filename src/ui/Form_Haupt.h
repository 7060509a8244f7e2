#pragma once

#include "io/Einstellungen.h"
#include "io/Projektdatei.h"
#include "model/Farbset.h"
#include "model/Szene.h"
#include "print/Druckseiten.h"
#include "ui/Plattform.h"
#include "ui/Widgets.h"
#include "views/Ansicht3D.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QCloseEvent;
class QUndoStack;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace umbrarix {

class TForm_Info;
class TForm_Jahresuebersicht;
class TForm_Sonnenbahnen;
class TForm_Sonneneintrag;
class TWiederherstellung;
class TForm_Farbauswahl;
class TForm_Arbeitsverzeichnis;
class TForm_Projektbeschreibung;
class TForm_Ansprechpartner;
class TRollflaeche;
struct TProjektdaten;
struct TKandidat;

// The main window: inputs, views, compass, results and the date and time scales. It owns the
// scene for the whole run; its handlers carry the program's flow and call the layers below.
// Components carry their German names; handlers live in files by concern (Haupt_*.cpp).
class TForm_Haupt : public QMainWindow {
public:
    // programmordner: the program's folder, with a trailing separator; benutzerordner: the
    // user's configuration folder for the settings files when the program folder cannot be
    // written (empty: the system's, ~/.config/umbrarix/).
    // wiederherstellungsordner: where the recovery copies live (empty: the user's data folder,
    // ~/.local/share/umbrarix/wiederherstellung/).
    TForm_Haupt(TPlattform& plattform, QString programmordner, QString benutzerordner = {},
                QString wiederherstellungsordner = {});
    ~TForm_Haupt() override;

    // ---- Scene and program-wide state
    TSzene Szene;
    TFarbset Farben;
    T3DBlick Blick3D; // the two angles of the 3D view
    bool SimulationLaeuft = false;
    bool DiagrammLaeuft = false;
    QString Programmordner;
    TEinstellungsorte Einstellungsorte; // where "schatten.ini" and "schatten.usr" live
    // Where file dialogs start without a working folder: the program folder, or the home
    // folder when the program folder cannot be written (an installed program).
    QString Startordner;
    QString Projektdatei = QStringLiteral("unbenannt.dat");
    // The file dialogs' remembered settings: project open/save, shading tables, VELUMORA.
    TDateiDialog Opendialog1, SaveDialog1, SaveDialog2, SaveDialog_Velumora;
    QPoint Mausposition; // mouse position at the last mouse-down on a handle or image

    // ---- Unsaved changes, undo and redo, recovery copies (Haupt_Aenderungen.cpp)
    QUndoStack* Verlauf = nullptr; // one step per edit taken over
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;
    QTimer* Timer_Wiederherstellung = nullptr;
    // The project differs from what was last opened, saved or begun with "&Neu" (compared as
    // the bytes its file would get).
    bool Geaendert() const;
    std::string Projektbytes() const;
    // After an edit was taken over: one undo step when the project changed.
    // name: what the step did (empty: worked out from what changed).
    void AenderungErfassen(const QString& name = {});
    // Start of a clean project (start-up, "&Neu", opening): empty history, nothing unsaved.
    void VerlaufBeginnen();
    // After a save: nothing unsaved, the history stays.
    void AlsGespeichertMerken();
    // Puts a project state into the window as undo and redo do, and evaluates it.
    void StandSetzen(const TProjektdaten& p);
    // The question before unsaved changes would be lost; true when the action may go on.
    bool AenderungenSichern();
    // The caption as the title bar shows it ("Umbrarix - haus.dat*" while unsaved).
    QString Titel() const;
    void TitelSetzen(const QString& basis);
    // A file named on the command line: opened as "&Öffnen ..." does, after the question.
    void BefehlszeileOeffnen(const QString& pfad);
    // Writes the recovery copy when the project has unsaved changes not yet in it.
    void WiederherstellungSichern();
    // At start-up: offers the copies that programs no longer running left behind.
    void WiederherstellungAnbieten();
    void closeEvent(QCloseEvent* e) override;

    // ---- Start-up (Haupt_Start.cpp)
    void FormShow();
    void Timer_InfoTimer();
    // Places the window on a screen of that size: at the top and centred where it fits, else
    // across the screen, resizable, with the working surface scrolled inside it.
    void Fenster_Platzieren(QSize bildschirm);

    // ---- Date and time (Haupt_DatumZeit.cpp)
    void TrackBar_Datum_UhrzeitChange(TTrackBar* sender);
    // The texts and marker positions of the date and time (and the compass after a date
    // change), without evaluating.
    void DatumZeitAnzeigen(TTrackBar* sender);
    // Evaluates the instant of the two track bars.
    void ZeitpunktSimulieren();
    // Left/Right, Page Up/Down, Home/End on the date or time marker.
    bool MarkerTaste(TFormShape* marker, QKeyEvent* e);
    void Shape_DatumZeitMouseMove(TFormShape* sender, QMouseEvent* e);
    void s_ueberh_MouseDown(TFormShape* sender, QMouseEvent* e);

    // ---- Inputs (Haupt_Eingaben.cpp)
    void EndeDimensionAendern(QObject* sender, bool fokusInDieListe = false);
    void StartDimensionAendern(QObject* sender);
    void DimensionslisteClick(int index);
    void DimensionslisteDblClick();
    // Keyboard use of the pick list (Haupt_Tastatur.cpp): the arrow keys move the selection
    // and pick as a click does, Escape closes the list and puts the texts back.
    void DimensionslisteBewegen(int schritt);
    void DimensionslisteAbbrechen();
    void CheckBox_UeberhangClick();
    void UeberhangAktivieren(bool an);
    void MauerLinksAktivieren(bool an);
    void MauerRechtsAktivieren(bool an);
    void EigabenAktivieren(bool an);
    void anz_StandortChange();
    void Daten_auslesen();
    void Daten_anzeigen();
    // After any change of the outlines: clearance shown anew, the diagrams no longer
    // belong to the scene, the instant evaluated again.
    void MasseGeaendert();

    // ---- Evaluation and views (Haupt_Ansichten.cpp)
    void Simulieren(int N, double t);
    void AnsichtZeichnen(const TPunkt& sonne);
    void AnsichtZeichnen(const TPunkt& sonne, int ansicht);
    void ZeichneKompass();
    void RadioGroup_AnsichtClick();
    void Image_3dMouseDown(QMouseEvent* e);
    void Image_3dMouseMove(QMouseEvent* e);
    void Simulation_Starten();
    void Simulation_Beenden();
    void DiagrammeZuruecksetzen();

    // ---- Runs (Haupt_Simulation.cpp)
    void Tagessimulation_Berechnen();
    void Jahressimulation_Berechnen();
    void SpeedButton_SimulationsClick();
    void Button_SimulationStartenClick(QObject* sender);
    void Button_SimulationPauseClick();
    void Button_SimulationAnhaltenClick();
    void Timer_TagSimulierenTimer();
    void Timer_JahrSimulierenTimer();

    // ---- Project files and settings (Haupt_Datei.cpp)
    void Neu1Click();
    void ffnen1Click();
    // Opens the project file as "&Öffnen ..." does after its dialog (also from the command
    // line); a file that cannot be read is a message and changes nothing.
    void ProjektOeffnen(const QString& pfad);
    void Speichern1Click();
    void Sperichernunter1Click();
    void Farbauswahl1Click();
    void Arbeitsverzeichnis1Click();
    void Projektbeschreibung1Click();
    void Ansprechpartner1Click();
    // The project as the fields, switches, description and colours show it.
    TProjektdaten ProjektErfassen() const;
    void ProjektAnwenden(const TProjektdaten& projekt);
    // False after showing the message. nachAnderemFragen: the file was not chosen in this
    // save (as with "&Speichern"), so the message names it and points to "Speichern &unter".
    bool ProjektSpeichern(const QString& pfad, bool nachAnderemFragen = false);
    void EinstellungenLesen();

    // ---- Shading tables and VELUMORA file (Haupt_Ausgabe.cpp)
    void VerschattungsdatenSpeichernClick(QObject* sender);
    void VelumoraExportClick(QObject* sender);

    // ---- Evaluations over many instants (Haupt_Auswertung.cpp)
    void JahresuebersichtClick();
    void MarkiseDimensionierenClick();
    // "Sonnenbahnen ...": the sun-path diagram with the shading mask.
    void SonnenbahnenClick();
    // The evaluation windows open beside this one: they stay open and follow the scene.
    QPointer<TForm_Jahresuebersicht> Jahresuebersichtsfenster;
    QPointer<TForm_Sonnenbahnen> Sonnenbahnenfenster;
    // "Sonneneintrag ...": the solar energy on window or terrace from a weather year.
    void SonneneintragClick();
    QPointer<TForm_Sonneneintrag> Sonneneintragsfenster;
    // Shows an evaluation window beside this one, where it stays open and follows the scene.
    template <class TFenster> void FolgefensterZeigen(TFenster& fenster);
    // Hands the scene as just evaluated to the open windows (they compute on their own).
    void FolgefensterNachfuehren();
    // "Umgebung / Horizont ...": the skyline dialog; OK applies it as an edit.
    void UmgebungClick();
    // The sizing's candidate written into the overhang's fields and taken over as an edit.
    void VorschlagUebernehmen(const TKandidat& kandidat);

    // ---- Printing (Haupt_Drucken.cpp)
    void DruckenClick(QObject* sender);
    void DruckenNeu(bool mitDatenblatt, bool mitGrafiken);
    void AktuellDruckenClick(QObject* sender);
    // What "Aktueller Schirm" copies, in window coordinates: the client area as displayed
    // below the menu (on a small screen the part shown), from one pixel above it.
    QRect Schirmbereich() const;
    // Everything the printed pages show, as the window shows it now.
    TDruckdaten Druckdaten() const;
    // All four views redrawn for the current instant (the graphics pages print them).
    void AlleAnsichtenZeichnen();

    // ---- Dragging in the views (Haupt_Ziehen.cpp)
    void f_fenster_mouseMove(TFormShape* sender, QMouseEvent* e);
    void f_ueberh_MouseMove(TFormShape* sender, QMouseEvent* e);
    void f_MauerLinks_MouseMove(TFormShape* sender, QMouseEvent* e);
    void f_MauerRechts_MouseMove(TFormShape* sender, QMouseEvent* e);
    void s_ueberh_MouseMove(TFormShape* sender, QMouseEvent* e);
    void b_ueberh_MouseMove(TFormShape* sender, QMouseEvent* e);
    void b_terrasse_MouseMove(TFormShape* sender, QMouseEvent* e);
    void b_mauerLinks_MouseMove(TFormShape* sender, QMouseEvent* e);
    void b_mauerRechts_MouseMove(TFormShape* sender, QMouseEvent* e);
    void s_wandneigungMouseMove(TFormShape* sender, QMouseEvent* e);
    void s_personMouseMove(TFormShape* sender, QMouseEvent* e);
    void shape_HimmelsrichtungMouseMove(TFormShape* sender, QMouseEvent* e);
    void shape_HimmelsrichtungMouseUp(TFormShape* sender, QMouseEvent* e);

    // ---- Components
    QWidget* Client = nullptr;                // the 1016 x 694 client area
    TRollflaeche* ScrollBox_Client = nullptr; // holds Client; scrolls it on small screens

    QWidget* Panel_DatenEingaben = nullptr;
    QWidget* PageControl1 = nullptr;
    QStackedWidget* Seiten = nullptr;  // the six pages of PageControl1
    QList<QPushButton*> Seitenknoepfe; // their button-style tabs
    QPushButton* Button_AenderungUebernehmen = nullptr;

    // Overhang / awning
    TGanzzahlfeld* anz_Vordachbreite = nullptr;
    TGanzzahlfeld* anz_Vordachlaenge = nullptr;
    TGanzzahlfeld* anz_VordachHoehe = nullptr;
    TGanzzahlfeld* anz_Abstand_Wand = nullptr;
    TGanzzahlfeld* anz_Vordach_Neigung = nullptr;
    TGanzzahlfeld* anz_VolantHoehe = nullptr;
    TGanzzahlfeld* anz_Vordachzentrierung = nullptr;
    QLineEdit* anz_Durchgangshoehe = nullptr;
    // Window
    TGanzzahlfeld* anz_Fensterhoehe = nullptr;
    TGanzzahlfeld* anz_Fensterbreite = nullptr;
    TGanzzahlfeld* anz_Fensterabstand_Boden = nullptr;
    TGanzzahlfeld* anz_Fensterneigung = nullptr;
    TGanzzahlfeld* anz_FensterZentrierung = nullptr;
    // Terrace
    TGanzzahlfeld* anz_terrassenbreite = nullptr;
    TGanzzahlfeld* anz_terrassenlaenge = nullptr;
    TGanzzahlfeld* anz_terrassenabstand = nullptr;
    TGanzzahlfeld* anz_terrassenzentrierung = nullptr;
    // Location
    TGanzzahlfeld* anz_Himmelsrichtung = nullptr;
    QLineEdit* anz_ort = nullptr;
    TZahlfeld* anz_Breitengrad = nullptr;
    TZahlfeld* anz_Laengengrad = nullptr;
    TZahlfeld* anz_Zeitzone = nullptr;
    QCheckBox* CheckBox_Sommerzeit = nullptr;
    QListWidget* Dimensionsliste = nullptr;
    QStringList Dimensionswerte; // hidden companion list of Dimensionsliste
    // Wall projections
    TGanzzahlfeld* anz_ml_ausfall = nullptr;
    TGanzzahlfeld* anz_ml_hoehe = nullptr;
    TGanzzahlfeld* anz_ml_bodenabstand = nullptr;
    TGanzzahlfeld* anz_ml_wandabstand = nullptr;
    TGanzzahlfeld* anz_ml_AbstandFenstermitte = nullptr;
    TGanzzahlfeld* anz_mr_Ausfall = nullptr;
    TGanzzahlfeld* anz_mr_hoehe = nullptr;
    TGanzzahlfeld* anz_mr_bodenabstand = nullptr;
    TGanzzahlfeld* anz_mr_wandabstand = nullptr;
    TGanzzahlfeld* anz_mr_abstandFenstermitte = nullptr;

    // Element switches
    QWidget* Panel_Systeme = nullptr;
    QCheckBox* CheckBox_Ueberhang = nullptr;
    QCheckBox* CheckBox_Volant = nullptr;
    QCheckBox* CheckBox_MauerLinks = nullptr;
    QCheckBox* CheckBox_MauerRechts = nullptr;

    // Working area and views
    QWidget* Panel_Arbeitsflaeche = nullptr;
    QGroupBox* RadioGroup_Ansicht = nullptr;
    QList<QRadioButton*> Ansichtsknoepfe;
    QWidget* Panel_3DAnsicht = nullptr;
    QWidget* Panel_seitenansicht = nullptr;
    QWidget* Panel_AnsichtFenster = nullptr;
    QWidget* Panel_AnsichtTerrasse = nullptr;
    QWidget* Panel_DiagrammTagessimulation = nullptr;
    QWidget* Panel_DiagrammJahressimulation = nullptr;
    TBildflaeche* Image_3d = nullptr;
    TBildflaeche* seitenansicht = nullptr;
    TBildflaeche* frontansicht = nullptr;
    TBildflaeche* Horizontalschnitt = nullptr;
    QImage vorlage_ansicht;

    // Handles of the front view
    TFormShape *f_fenster_oben, *f_fenster_unten, *f_fenster_links, *f_fenster_rechts;
    TFormShape *f_ueberh_oben, *f_ueberh_unten, *f_ueberh_links, *f_ueberh_rechts;
    TFormShape *f_volant_unten, *f_volant_links, *f_volant_rechts;
    TFormShape *f_mauerlinks_seite, *f_mauerlinks_oben, *f_mauerlinks_unten;
    TFormShape *f_mauerrechts_seite, *f_mauerrechts_oben, *f_mauerrechts_unten;
    TFormShape* Shape3; // ground bar of the front view
    // Side view
    TFormShape *s_ueberh_innen, *s_ueberh_aussen, *s_ueberh_volant, *s_wandneigung, *s_person;
    TFormShape *Shape_Fussboden, *s_terrasse;
    // Top view
    TFormShape *b_terrasse_oben, *b_terrasse_unten, *b_terrasse_links, *b_terrasse_rechts;
    TFormShape *b_ueberh_oben, *b_ueberh_unten, *b_ueberh_links, *b_ueberh_rechts;
    TFormShape *b_mauerlinks_seite, *b_mauerlinks_oben, *b_mauerlinks_unten;
    TFormShape *b_mauerrechts_seite, *b_mauerrechts_oben, *b_mauerrechts_unten;
    TFormShape* Shape15; // the wall seen from above

    // Diagrams
    TBildflaeche *anz_Tagessimulation_Fenster, *anz_Tagessimulation_Terrasse;
    TBildflaeche *anz_Jahressimulation_Fenster, *anz_Jahressimulation_Terrasse;
    QImage anz_Tagessimulation_vorlage, anz_Jahressimulation_vorlage;
    QToolButton *SpeedButton_Tagessimulation_Fenster, *SpeedButton_Tagessimulation_Terrasse;
    QToolButton *SpeedButton_Jahressimulation_Fenster, *SpeedButton_Jahressimulation_Terrasse;
    QLabel *anz_Simulationsdatum, *anz_SimulationsUhrzeit;
    TFormShape *Shape10, *Shape9;
    QLabel *Label82, *Label81;

    // Compass
    QWidget* Panel_Kompass = nullptr;
    TBildflaeche* Image_Kompass = nullptr;
    QImage Image_Kompass_vorlage;
    TFormShape* shape_Himmelsrichtung = nullptr;

    QLabel* Label33 = nullptr; // hint

    // Results
    QWidget* Panel3 = nullptr;
    QLabel *anz_Uhrzeit, *anz_Datum, *anz_Verschattungsanteil_f, *anz_Verschattungsanteil_t;

    // Date and time
    QWidget* Panel1 = nullptr;
    TBildflaeche *Image_Datum, *Image_Zeit;
    TFormShape *Shape_Datum, *Shape_Zeit;
    std::unique_ptr<TTrackBar> TrackBar_Datum, TrackBar_Uhrzeit;

    // Runs
    QToolButton *Button_JahrSimulationStarten, *Button_JahrSimulationPause,
        *Button_JahrSimulationAnhalten;
    QToolButton *Button_TagSimulationStarten, *Button_TagSimulationPause,
        *Button_TagSimulationAnhalten;
    QTimer *Timer_TagSimulieren, *Timer_JahrSimulieren, *Timer_Info;

    // Progress panels
    QWidget *Panel_SpeichernLaeuft, *Panel_DruckvorgangLaeuft;
    QProgressBar* Gauge_Speichervortschritt = nullptr;

    // Menu
    QAction *Neu1, *ffnen1, *Speichern1, *Sperichernunter1, *N_VelumoraTrenner;
    QMenu* VELUMORAExport1 = nullptr;
    QMenu* Auswertung1 = nullptr;
    QAction* Jahresuebersicht1 = nullptr;
    QAction* MarkiseDimensionieren1 = nullptr;
    QAction* Sonnenbahnen1 = nullptr;
    QAction* Sonneneintrag1 = nullptr;
    QAction* Umgebung1 = nullptr;
    QAction *FensteralsTarget1, *TerrassealsTarget1, *Beenden1;
    QAction* Projektbeschreibung1;
    QAction *Fenster1, *Terrasse1, *Fenster2, *Terrasse2, *Fenster3, *Terrasse3;
    QAction *DatenblattAusgabe1, *Datenblatt1, *Grafiken1, *AktuellerSchirm1;
    QAction *Ansprechpartner1, *Arbeitsverzeichnis1, *Farbauswahl1, *Info1;

    TForm_Info* Form_Info = nullptr;
    TForm_Farbauswahl* Form_Farbauswahl = nullptr;
    TForm_Arbeitsverzeichnis* Form_Arbeitsverzeichnis = nullptr;
    TForm_Projektbeschreibung* Form_Projektbeschreibung = nullptr;
    TForm_Ansprechpartner* Form_Ansprechpartner = nullptr;

    // Every spin field by its component name.
    std::map<QString, TGanzzahlfeld*> Spinfelder;
    TGanzzahlfeld* Spinfeld(const QString& name) const;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Building the window (Haupt_Aufbau.cpp)
    void Aufbauen();
    void EingabeseitenAufbauen();
    void ArbeitsflaecheAufbauen();
    void DiagrammseiteAufbauen(QWidget* panel, bool tag);
    void UntereLeisteAufbauen();
    void MenueAufbauen();
    void AuswertungsmenueAufbauen(QMenuBar* leiste);
    TFormShape* Marker(QWidget* panel, const char* name, TFormShape::TForm form, bool gefuellt);
    void MarkerSetzen(TFormShape* marker, const QRect& r);

    // Inputs (Haupt_Eingaben.cpp)
    void FelderLesen();
    void AugenblickswerteLesen();
    double Dezimalwert(TZahlfeld* feld, double bisher);
    void FokusWechsel(QWidget* alt, QWidget* neu);
    QList<QWidget*> UeberhangGruppe() const;
    QList<QWidget*> MauerLinksGruppe() const;
    QList<QWidget*> MauerRechtsGruppe() const;
    QList<QWidget*> ImmerAnGruppe() const;

    void Ansicht3DZeichnen();
    void VollerLauf(bool tag);
    void Laufschritt(bool tag);
    void LaufBeenden(bool tag);
    void ElementgriffZiehen(TFormShape* sender, QMouseEvent* e);
    // Keyboard (Haupt_Tastatur.cpp): page shortcuts and the pick list's keys.
    void TastaturEinrichten();
    void SeiteWechseln(int schritt);
    bool Listentaste(QKeyEvent* e);
    void GriffeVerbinden();
    // Changes (Haupt_Aenderungen.cpp)
    void AenderungenEinrichten(const QString& wiederherstellungsordner);
    void ZustandAnzeigen();
    void AenderungJetztErfassen();
    void ZiehenBegonnen(const TFormShape* griff);
    void ZiehenBeendet();
    bool ProjektSichern(); // "&Speichern" or, for a new project, "Speichern &unter ..."
    bool ProjektSpeichernUnter();

    TPlattform& plattform_;
    int fokusSperre_ = 0; // focus changes made by the program itself end no edit
    bool gezeigt_ = false;
    bool abbau_ = false; // the window is being destroyed: no more handlers
    // A whole project is being put into the fields ("&Öffnen ...", "&Neu"): the element
    // switches change on the way, but the fields keep the values the project states.
    bool projektWirdGesetzt_ = false;
    std::map<QWidget*, QString> letzterDezimaltext_; // last accepted text of each decimal field
    // The field that opened the pick list and the location texts before it opened (Escape).
    QWidget* listenFeld_ = nullptr;
    QStringList listenTexte_;
    QMetaObject::Connection fokusVerbindung_;
    // Changes: the bytes of the last clean state, the state of the last undo step, a drag in
    // progress (one step at its end), the recovery copy.
    std::string gespeicherteBytes_;
    TProjektdaten letzterStand_;
    int ohneErfassen_ = 0;
    bool ziehen_ = false;
    bool ziehenGeaendert_ = false;
    QString ziehname_;
    std::optional<TSzene> folgeSzene_; // the scene the evaluation windows last computed from
    bool erfassenGeplant_ = false;
    QString erfassenName_;
    QString titelBasis_;
    std::function<void()> VerlaufBeschriften;
    std::unique_ptr<TWiederherstellung> wiederherstellung_;
    std::string letzteKopie_;
    QElapsedTimer uhrKopie_;
};

} // namespace umbrarix
