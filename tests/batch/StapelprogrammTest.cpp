// The batch program run as a process, compared with what the window writes for the same
// project and instant.

#include "ui/Form_Haupt.h"

#include "batch/Stapelauftrag.h"
#include "io/Dateizugriff.h"
#include "io/Horizontdatei.h"
#include "io/Projektdatei.h"
#include "io/Projektuebernahme.h"
#include "views/Sonnenbahnen.h"

#include "hilfen/Hauptfenster.h"

#include "print/Seitenflaeche.h"

#include <QCheckBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

struct TLauf {
    int Rueckgabe = -1;
    QByteArray Aus, Fehler;
};

// dateigrenze: the largest file the program may write (bytes), 0 for none; einrichten sets up
// the process further (working folder, standard output) before it starts.
TLauf Stapel(const QStringList& argumente, rlim_t dateigrenze = 0,
             const std::function<void(QProcess&)>& einrichten = {}) {
    QProcess p;
    if (einrichten) {
        einrichten(p);
    }
    if (dateigrenze > 0) {
        p.setChildProcessModifier([dateigrenze] {
            std::signal(SIGXFSZ, SIG_DFL); // as a shell with "ulimit -f" starts it
            rlimit grenze{};
            getrlimit(RLIMIT_FSIZE, &grenze);
            grenze.rlim_cur = dateigrenze;
            setrlimit(RLIMIT_FSIZE, &grenze);
        });
    }
    p.start(QStringLiteral(UMBRARIX_BATCH), argumente);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<nicht lesbar>");
}

// A window with a project saved to disk and opened again, at day 200, 15:30.
struct TVergleich {
    THauptfenster w;
    QString Projekt;

    explicit TVergleich(bool alleElemente) {
        if (alleElemente) {
            w->CheckBox_MauerLinks->click();
            w->CheckBox_MauerRechts->click();
            w->anz_ml_AbstandFenstermitte->SetzeText(QStringLiteral("250"));
            w->anz_mr_abstandFenstermitte->SetzeText(QStringLiteral("240"));
            w->anz_ml_ausfall->SetzeText(QStringLiteral("160"));
            w->anz_Himmelsrichtung->SetzeText(QStringLiteral("30"));
            w->EndeDimensionAendern(w->anz_ml_ausfall);
            // Colours of its own, which the batch program must draw with as well.
            w->Farben.Markisenfarbe = 0x2050A0;
            w->Farben.Mauerfarbe = 0x606000;
            w->Farben.Wandfarbe = 0xC8E0F0;
            w->Farben.Fensterfarbe = 0xF0B060;
            w->Farben.Bodenfarbe = 0x90C0A0;
            w->Farben.Terrassenfarbe = 0x4080C0;
            w->Farben.Interaktivfarbe = 0x0000C0;
            w->TrackBar_Datum_UhrzeitChange(nullptr);
        }
        Projekt = w.Ordner.filePath(QStringLiteral("projekt.dat"));
        w.Plattform.Dateiantworten.push_back(Projekt);
        w->Sperichernunter1Click();
        w->Neu1Click();
        w.Plattform.Dateiantworten.push_back(Projekt);
        w->ffnen1Click();
        w->TrackBar_Datum->SetzePosition(200);
        w->TrackBar_Uhrzeit->SetzePosition(93);
    }

    QStringList Zeit() const {
        return {QStringLiteral("--tag"), QStringLiteral("200"), QStringLiteral("--uhrzeit"),
                QStringLiteral("15:30")};
    }

    // What the window writes through a menu item into a file.
    std::string Fenstertabelle(QAction* eintrag) {
        const QString datei = w.Ordner.filePath(QStringLiteral("fenster.dat"));
        w.Plattform.Dateiantworten.push_back(datei);
        eintrag->trigger();
        return Inhalt(datei);
    }
};

QImage Png(const QByteArray& bytes) {
    return QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32);
}

class StapelprogrammVergleich : public ::testing::TestWithParam<bool> {};

TEST_P(StapelprogrammVergleich, TabellenUndVelumoraByteFuerByte) {
    TVergleich v(GetParam());
    const struct {
        QAction* eintrag;
        const char* ziel;
        const char* art;
    } faelle[] = {{v.w->Fenster1, "fenster", "tag"},
                  {v.w->Terrasse1, "terrasse", "tag"},
                  {v.w->Fenster2, "fenster", "jahr"},
                  {v.w->Terrasse3, "terrasse", "uhrzeit"},
                  {v.w->Fenster3, "fenster", "uhrzeit"}};
    for (const auto& f : faelle) {
        const TLauf lauf = Stapel(QStringList{QStringLiteral("tabelle"), v.Projekt,
                                              QStringLiteral("--ziel"), QString::fromUtf8(f.ziel),
                                              QStringLiteral("--art"), QString::fromUtf8(f.art),
                                              QStringLiteral("-o"), QStringLiteral("-")} +
                                  v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_TRUE(lauf.Fehler.isEmpty()) << lauf.Fehler.toStdString();
        EXPECT_EQ(lauf.Aus.toStdString(), v.Fenstertabelle(f.eintrag)) << f.ziel << " " << f.art;
    }
    // The spreadsheet form: the window picks it by the name, the batch by --format.
    {
        const TLauf lauf =
            Stapel(QStringList{QStringLiteral("tabelle"), v.Projekt, QStringLiteral("--ziel"),
                               QStringLiteral("fenster"), QStringLiteral("--art"),
                               QStringLiteral("uhrzeit"), QStringLiteral("--format"),
                               QStringLiteral("csv"), QStringLiteral("-o"), QStringLiteral("-")} +
                   v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        const QString datei = v.w.Ordner.filePath(QStringLiteral("fenster.csv"));
        v.w.Plattform.Dateiantworten.push_back(datei);
        v.w->Fenster3->trigger();
        EXPECT_TRUE(lauf.Aus.startsWith("\xEF\xBB\xBFTag;Monat;Verschattung Fenster\r\n"));
        EXPECT_EQ(lauf.Aus.toStdString(), Inhalt(datei));
    }
    for (const bool terrasse : {false, true}) {
        const QString datei = v.w.Ordner.filePath(QStringLiteral("velumora.dat"));
        v.w.Plattform.Dateiantworten.push_back(datei);
        v.w->VelumoraExportClick(terrasse ? v.w->TerrassealsTarget1 : v.w->FensteralsTarget1);
        const QString stapel = v.w.Ordner.filePath(QStringLiteral("stapel.dat"));
        const TLauf lauf =
            Stapel({QStringLiteral("velumora"), v.Projekt, QStringLiteral("--ziel"),
                    terrasse ? QStringLiteral("terrasse") : QStringLiteral("fenster"),
                    QStringLiteral("-o"), stapel});
        ASSERT_EQ(lauf.Rueckgabe, 0);
        EXPECT_EQ(Inhalt(stapel), Inhalt(datei));
    }
}

TEST_P(StapelprogrammVergleich, AnsichtenPixelFuerPixel) {
    TVergleich v(GetParam());
    const struct {
        const char* ansicht;
        int knopf;
        TBildflaeche* TForm_Haupt::*bild;
    } faelle[] = {{"3d", 0, &TForm_Haupt::Image_3d},
                  {"seite", 1, &TForm_Haupt::seitenansicht},
                  {"fenster", 2, &TForm_Haupt::frontansicht},
                  {"terrasse", 3, &TForm_Haupt::Horizontalschnitt},
                  {"kompass", 0, &TForm_Haupt::Image_Kompass},
                  {"tagesdiagramm", 4, &TForm_Haupt::anz_Tagessimulation_Fenster},
                  {"jahresdiagramm", 5, &TForm_Haupt::anz_Jahressimulation_Fenster}};
    for (const auto& f : faelle) {
        v.w->Ansichtsknoepfe[f.knopf]->click();
        const QImage fenster = ((*v.w).*f.bild)->Bild().convertToFormat(QImage::Format_RGB32);
        const QString png = v.w.Ordner.filePath(QStringLiteral("ansicht.png"));
        const TLauf lauf =
            Stapel(QStringList{QStringLiteral("ansicht"), v.Projekt, QStringLiteral("--ansicht"),
                               QString::fromUtf8(f.ansicht), QStringLiteral("-o"), png} +
                   v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_EQ(Png(QByteArray::fromStdString(Inhalt(png))), fenster) << f.ansicht;
    }
    // The terrace diagram of the last (year) run.
    v.w->SpeedButton_Jahressimulation_Terrasse->click();
    const QString png = v.w.Ordner.filePath(QStringLiteral("terrasse.png"));
    ASSERT_EQ(Stapel(QStringList{QStringLiteral("ansicht"), v.Projekt, QStringLiteral("--ansicht"),
                                 QStringLiteral("jahresdiagramm"), QStringLiteral("--ziel"),
                                 QStringLiteral("terrasse"), QStringLiteral("-o"), png} +
                     v.Zeit())
                  .Rueckgabe,
              0);
    EXPECT_EQ(Png(QByteArray::fromStdString(Inhalt(png))),
              v.w->anz_Jahressimulation_Terrasse->Bild().convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Projekte, StapelprogrammVergleich, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return i.param ? std::string("AlleElemente") : std::string("Vorgabe");
                         });

int PdfSeiten(const QString& pfad) {
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pfad)));
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(Stapelprogramm, DruckenAlsPdf) {
    TVergleich v(true);
    const QString ansprechpartner = v.w.Ordner.filePath(QStringLiteral("partner.txt"));
    ASSERT_EQ(DateiSchreiben(ansprechpartner.toStdString(), "Anna Beispiel\r\nTel. 1\r\n"),
              std::nullopt);
    const struct {
        const char* inhalt;
        int seiten;
    } faelle[] = {{"alles", 5}, {"datenblatt", 2}, {"grafiken", 3}};
    for (const auto& f : faelle) {
        const QString pdf = v.w.Ordner.filePath(QStringLiteral("druck.pdf"));
        const TLauf lauf = Stapel({QStringLiteral("drucken"), v.Projekt, QStringLiteral("--inhalt"),
                                   QString::fromUtf8(f.inhalt), QStringLiteral("--ansprechpartner"),
                                   ansprechpartner, QStringLiteral("-o"), pdf});
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_EQ(PdfSeiten(pdf), f.seiten) << f.inhalt;
    }
}

// The four writing commands of the batch program, each into the given file.
QStringList Schreibbefehl(int i, const QString& projekt, const QString& ziel) {
    const QStringList befehle[] = {
        {QStringLiteral("tabelle"), projekt, QStringLiteral("--ziel"), QStringLiteral("fenster"),
         QStringLiteral("--art"), QStringLiteral("jahr")},
        {QStringLiteral("velumora"), projekt, QStringLiteral("--ziel"), QStringLiteral("fenster")},
        {QStringLiteral("ansicht"), projekt, QStringLiteral("--ansicht"), QStringLiteral("3d")},
        {QStringLiteral("drucken"), projekt, QStringLiteral("--inhalt"),
         QStringLiteral("datenblatt")}};
    return befehle[i] + QStringList{QStringLiteral("-o"), ziel};
}

int VersteckteDateien(const QString& ordner) {
    return static_cast<int>(
        QDir(ordner).entryList({QStringLiteral(".umbrarix-*")}, QDir::Files | QDir::Hidden).size());
}

TEST(Stapelprogramm, ZieldateienBleibenHeil) {
    THauptfenster w;
    const QString projekt = w.Ordner.filePath(QStringLiteral("p.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    const QString ziel = w.Ordner.filePath(QStringLiteral("ziel.dat"));
    const QString link = w.Ordner.filePath(QStringLiteral("link.dat"));
    ASSERT_EQ(::symlink("ziel.dat", link.toLocal8Bit().constData()), 0);
    const QByteArray zuGross = QString::fromStdString(Dateifehlertext(EFBIG)).toUtf8();
    std::string vorher;
    for (int i = 0; i < 4; ++i) {
        const std::string name = Schreibbefehl(i, projekt, ziel).front().toStdString();
        ASSERT_EQ(DateiSchreiben(ziel.toStdString(), "alte Datei\r\n"), std::nullopt);
        // Under a file size limit (ulimit -f) the write fails with a message instead of the
        // program being killed; the earlier file stays and nothing is left behind.
        const TLauf begrenzt = Stapel(Schreibbefehl(i, projekt, ziel), 300);
        EXPECT_EQ(begrenzt.Rueckgabe, 1) << name;
        EXPECT_TRUE(begrenzt.Fehler.contains(zuGross)) << name << begrenzt.Fehler.toStdString();
        EXPECT_EQ(Inhalt(ziel), "alte Datei\r\n") << name;
        EXPECT_EQ(VersteckteDateien(w.Ordner.path()), 0) << name;

        // A write-protected file is refused.
        ::chmod(ziel.toLocal8Bit().constData(), 0444);
        const TLauf geschuetzt = Stapel(Schreibbefehl(i, projekt, ziel));
        EXPECT_EQ(geschuetzt.Rueckgabe, 1) << name;
        EXPECT_TRUE(QString::fromUtf8(geschuetzt.Fehler)
                        .contains(QStringLiteral("Dateizugriff verweigert")))
            << name << geschuetzt.Fehler.toStdString();
        EXPECT_EQ(Inhalt(ziel), "alte Datei\r\n") << name;

        // Through a link the target is written and keeps its private mode.
        ::chmod(ziel.toLocal8Bit().constData(), 0600);
        const TLauf verknuepft = Stapel(Schreibbefehl(i, projekt, link));
        EXPECT_EQ(verknuepft.Rueckgabe, 0) << name << verknuepft.Fehler.toStdString();
        struct stat info {};
        ASSERT_EQ(::lstat(link.toLocal8Bit().constData(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << name;
        ASSERT_EQ(::stat(ziel.toLocal8Bit().constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << name;
        EXPECT_NE(Inhalt(ziel), "alte Datei\r\n") << name;
        EXPECT_NE(Inhalt(ziel), vorher) << name;
        vorher = Inhalt(ziel);

        // Where no file can be created, every command says the same.
        const TLauf proc = Stapel(Schreibbefehl(i, projekt, QStringLiteral("/proc/umbrarix.x")));
        EXPECT_EQ(proc.Rueckgabe, 1) << name;
        EXPECT_EQ(QString::fromUtf8(proc.Fehler),
                  QStringLiteral("umbrarix-batch: Dateizugriff verweigert: /proc/umbrarix.x\n"))
            << name;
    }
}

TLauf Werkzeug(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The printed views and diagrams: stored losslessly, enlarged pixel by pixel to the device
// pixels of their boxes, and at their places on the page.
TEST(Stapelprogramm, DruckbilderVerlustfreiUndPixelgenau) {
    THauptfenster w;
    const QString projekt = w.Ordner.filePath(QStringLiteral("p.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    const QString pdf = w.Ordner.filePath(QStringLiteral("grafiken.pdf"));
    ASSERT_EQ(Stapel({QStringLiteral("drucken"), projekt, QStringLiteral("--inhalt"),
                      QStringLiteral("grafiken"), QStringLiteral("-o"), pdf})
                  .Rueckgabe,
              0);

    // pdfimages -list: page num type width height color comp bpc enc interp ...
    const TLauf liste = Werkzeug(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_EQ(liste.Rueckgabe, 0) << "pdfimages (poppler-utils) missing";
    QList<QStringList> bilder;
    for (const QByteArray& zeile : liste.Aus.split('\n')) {
        const QStringList f = QString::fromUtf8(zeile).split(u' ', Qt::SkipEmptyParts);
        if (f.size() > 9 && f[2] == QStringLiteral("image")) {
            bilder.push_back(f);
        }
    }
    ASSERT_EQ(bilder.size(), 8);
    // Stored at 600 dpi: each stored pixel is 2 x 2 device pixels of the 1200-dpi job.
    constexpr double Pixel = 600.0 / 254; // stored pixels per 0.1 mm
    for (int i = 0; i < bilder.size(); ++i) {
        const QStringList& f = bilder[i];
        EXPECT_NE(f[8].toStdString(), "jpeg") << i;
        EXPECT_EQ(f[9].toStdString(), "no") << "not smoothed by the viewer";
        EXPECT_NEAR(f[12].toDouble(), 600, 1) << i;
        // Views 1400 units wide, diagrams 400 high (659 wide).
        const double breite = i < 4 ? 1400 * Pixel : 659 * Pixel;
        EXPECT_NEAR(f[3].toDouble(), breite, 1.0) << i;
        if (i >= 4) {
            EXPECT_NEAR(f[4].toDouble(), 400 * Pixel, 1.0) << i;
        }
    }

    // Page 1 drawn at 600 dpi, about five page pixels to an image pixel: the centre of every
    // image pixel of the 3D view shows that pixel's colour, at the place the layout gives.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    const QRectF druckbereich = drucker.pageLayout().paintRect(QPageLayout::Millimeter);
    const TTextbereich t = Textbereich(druckbereich.width(), druckbereich.height());
    constexpr double Seitenpixel = 600.0 / 254; // page pixels per 0.1 mm
    const int ausschnittX = static_cast<int>((druckbereich.left() * 10 + t.L) * Seitenpixel);
    const int ausschnittY = static_cast<int>((druckbereich.top() * 10 + t.T + 600) * Seitenpixel);
    const QString png = w.Ordner.filePath(QStringLiteral("seite"));
    ASSERT_EQ(Werkzeug(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-f"),
                        QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                        QStringLiteral("-x"), QString::number(ausschnittX), QStringLiteral("-y"),
                        QString::number(ausschnittY), QStringLiteral("-W"),
                        QString::number(static_cast<int>(1700 * Seitenpixel)), QStringLiteral("-H"),
                        QString::number(static_cast<int>(900 * Seitenpixel)),
                        QStringLiteral("-png"), pdf, png})
                  .Rueckgabe,
              0);
    const QImage seite(png + QStringLiteral("-1.png"));
    ASSERT_FALSE(seite.isNull());
    const QString bild3d = w.Ordner.filePath(QStringLiteral("3d.png"));
    ASSERT_EQ(Stapel({QStringLiteral("ansicht"), projekt, QStringLiteral("--ansicht"),
                      QStringLiteral("3d"), QStringLiteral("-o"), bild3d})
                  .Rueckgabe,
              0);
    const QImage ansicht(bild3d);
    ASSERT_EQ(ansicht.size(), QSize(701, 361));
    // The box at (L + 100, T + 660), 1400 units wide, in page pixels of the cut-out.
    const double links = (druckbereich.left() * 10 + t.L + 100) * Seitenpixel - ausschnittX;
    const double oben = (druckbereich.top() * 10 + t.T + 660) * Seitenpixel - ausschnittY;
    const double schritt = 1400.0 / 701 * Seitenpixel;
    int abweichend = 0, geprueft = 0;
    for (int y = 0; y < ansicht.height(); y += 3) {
        for (int x = 0; x < ansicht.width(); x += 3) {
            const QColor soll = ansicht.pixelColor(x, y);
            const QColor ist = seite.pixelColor(static_cast<int>(links + (x + 0.5) * schritt),
                                                static_cast<int>(oben + (y + 0.5) * schritt));
            ++geprueft;
            if (std::abs(soll.red() - ist.red()) > 2 || std::abs(soll.green() - ist.green()) > 2 ||
                std::abs(soll.blue() - ist.blue()) > 2) {
                ++abweichend;
            }
        }
    }
    // The renderer may blend a neighbouring row where a stored pixel falls half on a page
    // pixel; a smeared or misplaced image differs almost everywhere along its edges.
    EXPECT_LT(abweichend * 500, geprueft) << abweichend << " of " << geprueft << " pixels";

    // The stored 3D view itself: at the centre of every view pixel exactly its colour.
    ASSERT_EQ(Werkzeug(QStringLiteral("pdfimages"),
                       {QStringLiteral("-png"), QStringLiteral("-f"), QStringLiteral("1"),
                        QStringLiteral("-l"), QStringLiteral("1"), pdf,
                        w.Ordner.filePath(QStringLiteral("bild"))})
                  .Rueckgabe,
              0);
    const QImage gespeichert(w.Ordner.filePath(QStringLiteral("bild-000.png")));
    ASSERT_FALSE(gespeichert.isNull());
    int falsch = 0;
    for (int y = 0; y < ansicht.height(); ++y) {
        for (int x = 0; x < ansicht.width(); ++x) {
            const int gx = static_cast<int>((x + 0.5) * gespeichert.width() / ansicht.width());
            const int gy = static_cast<int>((y + 0.5) * gespeichert.height() / ansicht.height());
            falsch +=
                (gespeichert.pixel(gx, gy) | 0xFF000000u) != (ansicht.pixel(x, y) | 0xFF000000u);
        }
    }
    EXPECT_EQ(falsch, 0) << "stored pixels differ from the view";
}

TEST(Stapelprogramm, FehlerUndAufruf) {
    THauptfenster w;
    const TLauf hilfe = Stapel({QStringLiteral("--help")});
    EXPECT_EQ(hilfe.Rueckgabe, 0);
    EXPECT_TRUE(hilfe.Aus.contains("umbrarix-batch tabelle"));
    const TLauf version = Stapel({QStringLiteral("--version")});
    EXPECT_EQ(version.Rueckgabe, 0);
    // Name and version, copyright, the licence the package declares.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^umbrarix-batch \\d+\\.\\d+(\\.\\d+)?\\n"
                                                  "Copyright \\(C\\) 20\\d\\d Umbrarix\\n"
                                                  "Lizenz: proprietär\\n$"))
                    .match(QString::fromUtf8(version.Aus))
                    .hasMatch())
        << version.Aus.toStdString();

    const TLauf ohne = Stapel({});
    EXPECT_EQ(ohne.Rueckgabe, 2);
    EXPECT_TRUE(ohne.Fehler.contains("Kein Befehl"));
    EXPECT_EQ(Stapel({QStringLiteral("tabelle"), QStringLiteral("x.dat")}).Rueckgabe, 2);

    const TLauf fehlt =
        Stapel({QStringLiteral("velumora"), w.Ordner.filePath(QStringLiteral("fehlt.dat")),
                QStringLiteral("--ziel"), QStringLiteral("fenster"), QStringLiteral("-o"),
                QStringLiteral("-")});
    EXPECT_EQ(fehlt.Rueckgabe, 1);
    EXPECT_TRUE(QString::fromUtf8(fehlt.Fehler).contains(QStringLiteral("Datei nicht gefunden")));
    EXPECT_TRUE(fehlt.Aus.isEmpty());

    const QString falsch = w.Ordner.filePath(QStringLiteral("falsch.dat"));
    ASSERT_EQ(DateiSchreiben(falsch.toStdString(),
                             "Verschattungssimulation:\r\n=\r\nVersion 2005 / 02\r\n"),
              std::nullopt);
    const TLauf falscheVersion =
        Stapel({QStringLiteral("velumora"), falsch, QStringLiteral("--ziel"),
                QStringLiteral("fenster"), QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(falscheVersion.Rueckgabe, 1);
    // The window's message, its full stop giving way to the colon before the name.
    EXPECT_EQ(QString::fromUtf8(falscheVersion.Fehler),
              QStringLiteral("umbrarix-batch: Falsches / unbekanntes Datenformat! Datei kann nicht "
                             "eingelesen werden: ") +
                  falsch + u'\n');

    const QString projekt = w.Ordner.filePath(QStringLiteral("p.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    const TLauf ziel =
        Stapel({QStringLiteral("tabelle"), projekt, QStringLiteral("--ziel"),
                QStringLiteral("fenster"), QStringLiteral("--art"), QStringLiteral("tag"),
                QStringLiteral("-o"), w.Ordner.filePath(QStringLiteral("fehlt/t.dat"))});
    EXPECT_EQ(ziel.Rueckgabe, 1);
    EXPECT_TRUE(QString::fromUtf8(ziel.Fehler).contains(QStringLiteral("Pfad nicht gefunden")));
    const TLauf voll =
        Stapel({QStringLiteral("ansicht"), projekt, QStringLiteral("--ansicht"),
                QStringLiteral("3d"), QStringLiteral("-o"), QStringLiteral("/dev/full")});
    EXPECT_EQ(voll.Rueckgabe, 1);
}

// The conventions of the command line, as the program runs: "--option=wert", "--" before a
// file name that looks like an option, a command's help, and help or version that cannot be
// written.
TEST(Stapelprogramm, Aufrufkonventionen) {
    THauptfenster w;
    const QString projekt = w.Ordner.filePath(QStringLiteral("p.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    const auto l = [](const char* s) { return QString::fromUtf8(s); };
    const struct {
        QStringList getrennt, zusammen;
    } gleich[] = {
        {{l("tabelle"), projekt, l("--ziel"), l("fenster"), l("--art"), l("jahr"), l("--tag"),
          l("200"), l("-o"), l("-")},
         {l("tabelle"), projekt, l("--ziel=fenster"), l("--art=jahr"), l("--tag=200"), l("-o"),
          l("-")}},
        {{l("velumora"), projekt, l("--ziel"), l("terrasse"), l("-o"), l("-")},
         {l("velumora"), projekt, l("--ziel=terrasse"), l("-o"), l("-")}},
    };
    for (const auto& f : gleich) {
        const TLauf getrennt = Stapel(f.getrennt);
        const TLauf zusammen = Stapel(f.zusammen);
        ASSERT_EQ(getrennt.Rueckgabe, 0) << getrennt.Fehler.toStdString();
        EXPECT_EQ(zusammen.Rueckgabe, 0) << zusammen.Fehler.toStdString();
        EXPECT_FALSE(getrennt.Aus.isEmpty());
        EXPECT_EQ(zusammen.Aus, getrennt.Aus) << f.zusammen.join(u' ').toStdString();
    }

    // Files named like options, in the working folder; "--x.dat" needs the "--".
    const QStringList tabelle{l("tabelle"), l("--ziel"), l("fenster"), l("--art"),
                              l("tag"),     l("-o"),     l("-")};
    const TLauf vorlage = Stapel(tabelle + QStringList{projekt});
    ASSERT_EQ(vorlage.Rueckgabe, 0);
    const auto imOrdner = [&w](QProcess& p) { p.setWorkingDirectory(w.Ordner.path()); };
    for (const char* name : {"-x.dat", "--x.dat"}) {
        ASSERT_TRUE(QFile::copy(projekt, w.Ordner.filePath(l(name))));
        const TLauf lauf = Stapel(tabelle + QStringList{l("--"), l(name)}, 0, imOrdner);
        EXPECT_EQ(lauf.Rueckgabe, 0) << name << lauf.Fehler.toStdString();
        EXPECT_EQ(lauf.Aus, vorlage.Aus) << name;
    }
    EXPECT_EQ(Stapel(tabelle + QStringList{l("--x.dat")}, 0, imOrdner).Rueckgabe, 2);

    // "tabelle --help": its own options only, although the call lacks everything else.
    const TLauf hilfe = Stapel({l("tabelle"), l("--help")});
    EXPECT_EQ(hilfe.Rueckgabe, 0);
    EXPECT_TRUE(hilfe.Fehler.isEmpty()) << hilfe.Fehler.toStdString();
    EXPECT_EQ(hilfe.Aus.toStdString(), StapelbefehlHilfe(TStapelauftrag::Tabelle));
    EXPECT_TRUE(hilfe.Aus.contains("  --art tag|jahr|uhrzeit\n"));
    EXPECT_FALSE(hilfe.Aus.contains("--inhalt"));

    // A full device: status 1 and the reason, for each text that goes to standard output.
    const auto voll = [](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); };
    const std::string grund = Dateifehlertext(ENOSPC);
    const struct {
        QStringList aufruf;
        const char* was;
    } ausgaben[] = {{{l("--help")}, "Die Hilfe"},
                    {{l("tabelle"), l("--help")}, "Die Hilfe"},
                    {{l("--version")}, "Die Version"}};
    for (const auto& a : ausgaben) {
        const TLauf lauf = Stapel(a.aufruf, 0, voll);
        EXPECT_EQ(lauf.Rueckgabe, 1) << a.aufruf.join(u' ').toStdString();
        EXPECT_EQ(lauf.Fehler.toStdString(), "umbrarix-batch: " + std::string(a.was) +
                                                 " kann nicht ausgegeben werden: " + grund + "\n");
    }
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// Every command uses the project's skyline; --horizont DATEI replaces it for the call and
// --horizont keine drops it.
TEST(Stapelprogramm, HorizontAusProjektOderDatei) {
    const QTemporaryDir ordner;
    const std::string vorgabe = UMBRARIX_QUELLEN "/beispiele/vorgabe.dat";
    const TProjektLesen gelesen =
        ProjektdateiLesen(Inhalt(QString::fromStdString(vorgabe)), Vorgabeprojekt());
    ASSERT_TRUE(gelesen.Gelesen);
    TProjektdaten mitHorizont = gelesen.Daten;
    mitHorizont.Umgebung = TUmgebung({{0, 20}, {90, 35}, {270, 12.5}});
    const QString projekt = ordner.filePath(QStringLiteral("hang.dat"));
    const QString horizont = ordner.filePath(QStringLiteral("hang.csv"));
    const QString falsch = ordner.filePath(QStringLiteral("falsch.csv"));
    ASSERT_EQ(DateiSchreiben(projekt.toStdString(), ProjektdateiSchreiben(mitHorizont)),
              std::nullopt);
    ASSERT_EQ(DateiSchreiben(horizont.toStdString(), HorizontSchreiben(mitHorizont.Umgebung)),
              std::nullopt);
    ASSERT_EQ(DateiSchreiben(falsch.toStdString(), "Azimut;Höhe\r\n0;10\r\n90;95\r\n"),
              std::nullopt);
    const QString offen = QString::fromStdString(vorgabe);
    const auto l = [](const char* s) { return QString::fromUtf8(s); };
    for (const QStringList& befehl :
         {QStringList{l("sonnenstunden"), l("--zeitraum"), l("01.03.-31.10."), l("-o"), l("-")},
          QStringList{l("tabelle"), l("--ziel"), l("terrasse"), l("--art"), l("jahr"), l("-o"),
                      l("-")}}) {
        const auto lauf = [&](const QString& datei, const QStringList& mehr) {
            const TLauf r = Stapel(QStringList{befehl.front(), datei} + befehl.mid(1) + mehr);
            EXPECT_EQ(r.Rueckgabe, 0) << r.Fehler.toStdString();
            return r.Aus;
        };
        const QByteArray ausProjekt = lauf(projekt, {});
        EXPECT_EQ(lauf(offen, {l("--horizont"), horizont}), ausProjekt)
            << befehl.front().toStdString();
        EXPECT_EQ(lauf(offen, {l("--horizont=") + horizont}), ausProjekt);
        EXPECT_EQ(lauf(projekt, {l("--horizont"), horizont}), ausProjekt);
        EXPECT_EQ(lauf(projekt, {l("--horizont"), l("keine")}), lauf(offen, {}));
        EXPECT_NE(ausProjekt, lauf(offen, {})) << "the skyline changes the numbers";
    }
    const TLauf f = Stapel({l("sonnenstunden"), offen, l("--horizont"), falsch, l("-o"), l("-")});
    EXPECT_EQ(f.Rueckgabe, 1);
    EXPECT_TRUE(f.Aus.isEmpty());
    EXPECT_TRUE(f.Fehler.contains("Zeile 3")) << f.Fehler.toStdString();
    EXPECT_TRUE(f.Fehler.contains(falsch.toUtf8())) << f.Fehler.toStdString();
    const TLauf fehlt = Stapel({l("sonnenstunden"), offen, l("--horizont"),
                                ordner.filePath(QStringLiteral("fehlt.csv")), l("-o"), l("-")});
    EXPECT_EQ(fehlt.Rueckgabe, 1);
    EXPECT_TRUE(fehlt.Fehler.contains("fehlt.csv")) << fehlt.Fehler.toStdString();
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// "maske" writes the mask of both targets; "sonnenbahnen" the diagram the window draws.
TEST(Stapelprogramm, MaskeUndSonnenbahnen) {
    const QString vorgabe = QStringLiteral(UMBRARIX_QUELLEN "/beispiele/vorgabe.dat");
    const TLauf r = Stapel({QStringLiteral("maske"), vorgabe, QStringLiteral("--schritt"),
                            QStringLiteral("10"), QStringLiteral("-o"), QStringLiteral("-")});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler.toStdString();
    ASSERT_TRUE(r.Aus.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> zeilen = r.Aus.mid(3).split('\n');
    ASSERT_EQ(zeilen.size(), 36 * 8 + 2) << "header, 36 azimuths x 8 elevations, end";
    EXPECT_EQ(zeilen[0], "Azimut;H\xC3\xB6he;Verschattung Fenster;Verschattung Terrasse\r");
    EXPECT_EQ(zeilen[1].left(5), "0;10;");
    EXPECT_TRUE(zeilen[18 * 8 + 1].startsWith("180;10;-2,0000;-2,0000\r")) << "north: behind";
    for (int i = 1; i <= 36 * 8; ++i) {
        ASSERT_EQ(zeilen[i].count(';'), 3) << i;
        ASSERT_TRUE(zeilen[i].endsWith('\r')) << i;
    }
    const TLauf falsch = Stapel({QStringLiteral("maske"), vorgabe, QStringLiteral("--schritt"),
                                 QStringLiteral("0"), QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(falsch.Rueckgabe, 2);

    const QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("bahnen.png"));
    const TLauf b = Stapel({QStringLiteral("sonnenbahnen"), vorgabe, QStringLiteral("--ziel"),
                            QStringLiteral("terrasse"), QStringLiteral("--tag"),
                            QStringLiteral("21.06."), QStringLiteral("-o"), bild});
    ASSERT_EQ(b.Rueckgabe, 0) << b.Fehler.toStdString();
    TSzene s;
    ProjektUebernehmen(ProjektdateiLesen(Inhalt(vorgabe), Vorgabeprojekt()).Daten, s);
    const QImage erwartet = Sonnenbahnen_Zeichnen(s, *HimmelsmaskeBerechnen(s), true, 172, 72);
    EXPECT_EQ(QImage(bild).convertToFormat(QImage::Format_RGB32), erwartet);
}

} // namespace
} // namespace umbrarix

#include "auswertung/Sonneneintrag.h"
#include "hilfen/Wetterdateien.h"
#include "io/Sonneneintragsdatei.h"
#include "io/Wetterdatei.h"

namespace umbrarix {
namespace {

// Daylight hours with constant radiation, the rest dark.
testhilfen::TTestwetter Tageslicht(int, int, int stunde) {
    const bool hell = stunde >= 6 && stunde <= 19;
    return {hell ? 450.0 : 0.0, hell ? 500.0 : 0.0, hell ? 120.0 : 0.0};
}

// "sonneneintrag" writes what the core computes from the weather file, in the file's layouts.
TEST(Stapelprogramm, Sonneneintrag) {
    const QString vorgabe = QStringLiteral(UMBRARIX_QUELLEN "/beispiele/vorgabe.dat");
    const QTemporaryDir ordner;
    const QString epw = ordner.filePath(QStringLiteral("koeln.epw"));
    const QString try17 = ordner.filePath(QStringLiteral("TRY2015_Jahr.dat"));
    ASSERT_FALSE(DateiSchreiben(epw.toStdString(),
                                testhilfen::EpwDatei(Tageslicht, false,
                                                     "LOCATION,Koeln,NW,DEU,Test,105130,50.87,"
                                                     "7.17,1.0,92.0")));
    ASSERT_FALSE(DateiSchreiben(try17.toStdString(), testhilfen::Try2017Datei(Tageslicht)));
    const auto l = [](const char* t) { return QString::fromUtf8(t); };

    TSzene s;
    const TProjektdaten texte =
        ProjektUebernehmen(ProjektdateiLesen(Inhalt(vorgabe), Vorgabeprojekt()).Daten, s);
    TZeitraum sommer;
    ASSERT_FALSE(TageLesen("01.06.-31.08.", sommer));
    ASSERT_FALSE(UhrzeitenLesen("12:00-16:00", sommer));

    const TLauf text =
        Stapel({l("sonneneintrag"), vorgabe, l("--wetter"), epw, l("--zeitraum"),
                l("01.06.-31.08."), l("--uhrzeit"), l("12:00-16:00"), l("-o"), l("-")});
    ASSERT_EQ(text.Rueckgabe, 0) << text.Fehler.toStdString();
    EXPECT_TRUE(text.Fehler.isEmpty()) << "Köln's weather for a project at Köln: no note";
    const TSonneneintrag fenster =
        *SonneneintragBerechnen(s, *WetterdateiLaden(epw.toStdString()).Jahr, false, 0.2);
    EXPECT_EQ(text.Aus.toStdString(), Sonneneintragsdatei(texte, fenster, "koeln.epw", sommer));
    EXPECT_TRUE(text.Aus.contains("\r\nAbminderung Fenster: ")) << text.Aus.toStdString();

    // The test reference year lies in the north of Germany: the place is named.
    const TLauf csv =
        Stapel({l("sonneneintrag"), vorgabe, l("--wetter"), try17, l("--ziel"), l("terrasse"),
                l("--albedo"), l("0,3"), l("--format"), l("csv"), l("-o"), l("-")});
    ASSERT_EQ(csv.Rueckgabe, 0) << csv.Fehler.toStdString();
    const TSonneneintrag terrasse =
        *SonneneintragBerechnen(s, *WetterdateiLaden(try17.toStdString()).Jahr, true, 0.3);
    EXPECT_EQ(csv.Aus.toStdString(), SonneneintragsCsv(terrasse));
    EXPECT_EQ(csv.Fehler.toStdString(),
              "umbrarix-batch: Wetterdaten von 54.0° N, 10.2° O, Projekt 50.5° N, 7.0° O\n");

    // Wrong calls (2) and a wrong weather file (1), each named.
    std::string kaputt = testhilfen::EpwDatei(Tageslicht);
    kaputt.replace(kaputt.find(",500,120,"), 9, ",-500,120,");
    const QString falsch = ordner.filePath(QStringLiteral("falsch.epw"));
    ASSERT_FALSE(DateiSchreiben(falsch.toStdString(), kaputt));
    struct {
        QStringList Argumente;
        int Rueckgabe;
        const char* Meldung;
    } faelle[] = {
        {{l("sonneneintrag"), vorgabe, l("-o"), l("-")}, 2, "sonneneintrag braucht --wetter"},
        {{l("sonneneintrag"), vorgabe, l("--wetter"), epw, l("--albedo"), l("1.5"), l("-o"),
          l("-")},
         2,
         "--albedo ist ein Anteil von 0 bis 1 wie 0.2, nicht 1.5"},
        {{l("sonneneintrag"), vorgabe, l("--wetter"), falsch, l("-o"), l("-")},
         1,
         "Wetterdatei, Zeile 14: die Direktnormalstrahlung ist negativ: -500: "},
        {{l("sonneneintrag"), vorgabe, l("--wetter"), ordner.filePath(l("fehlt.epw")), l("-o"),
          l("-")},
         1,
         "fehlt.epw"},
    };
    for (const auto& f : faelle) {
        const TLauf r = Stapel(f.Argumente);
        EXPECT_EQ(r.Rueckgabe, f.Rueckgabe) << f.Meldung;
        EXPECT_TRUE(r.Aus.isEmpty()) << f.Meldung;
        EXPECT_TRUE(r.Fehler.contains(f.Meldung)) << r.Fehler.toStdString();
    }
}

} // namespace
} // namespace umbrarix
