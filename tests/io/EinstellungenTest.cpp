// Where the settings files are read and written.

#include "io/Einstellungen.h"

#include "io/Dateizugriff.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Einstellungsorte, LeseUndSchreibordner) {
    const QTemporaryDir tmp;
    const std::string programm = tmp.path().toStdString() + "/";
    const std::string benutzer = programm + "konfig/umbrarix/";
    ASSERT_EQ(DateiSchreiben(programm + "datei", "x"), std::nullopt);
    const struct {
        std::string ordner;
        bool beschreibbar;
    } ordner[] = {{programm, true}, {programm + "fehlt/", false}, {programm + "datei/", false}};
    for (const auto& o : ordner) {
        EXPECT_EQ(OrdnerBeschreibbar(o.ordner), o.beschreibbar) << o.ordner;
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("datei")})
        << "asking leaves nothing behind";

    // A portable copy: everything beside the program.
    const TEinstellungsorte tragbar{programm, benutzer};
    EXPECT_EQ(tragbar.Schreibordner(), programm);
    EXPECT_EQ(tragbar.Leseordner(AnsprechpartnerdateiName), benutzer) << "nothing there yet";
    ASSERT_EQ(AnsprechpartnerSchreiben(tragbar.Schreibordner(), {"Anna"}), std::nullopt);
    EXPECT_EQ(tragbar.Leseordner(AnsprechpartnerdateiName), programm);
    EXPECT_EQ(tragbar.Leseordner(EinstellungsdateiName), benutzer);
    EXPECT_EQ(tragbar.Ablageorte(), (std::vector<std::string>{programm, benutzer}));
    // ... whose folder cannot be written: the configuration folder.
    const TEinstellungsorte schreibgeschuetzt{programm + "fehlt/", benutzer};
    EXPECT_EQ(schreibgeschuetzt.Schreibordner(), benutzer);

    // Installed: the configuration folder only, made on the first write, even though the
    // program folder can be written and holds a file.
    const TEinstellungsorte installiert{programm, benutzer, false};
    EXPECT_EQ(installiert.Schreibordner(), benutzer);
    EXPECT_TRUE(QDir(QString::fromStdString(benutzer)).exists());
    EXPECT_EQ(installiert.Leseordner(AnsprechpartnerdateiName), benutzer);
    EXPECT_EQ(installiert.Ablageorte(), std::vector<std::string>{benutzer});
    ASSERT_EQ(ArbeitsverzeichnisSchreiben(installiert.Schreibordner(), "/home/kunden/"),
              std::nullopt);
    EXPECT_EQ(ArbeitsverzeichnisLesen(installiert.Leseordner(EinstellungsdateiName)),
              std::optional<std::string>("/home/kunden/"));

    // Without a configuration folder only the program folder counts.
    const TEinstellungsorte nurProgramm{"/proc/", ""};
    EXPECT_EQ(nurProgramm.Schreibordner(), "/proc/");
    EXPECT_EQ(nurProgramm.Leseordner(EinstellungsdateiName), "/proc/");
}

// Installed means PREFIX/bin with PREFIX/share/umbrarix/ beside it, whoever may write there.
TEST(Einstellungsorte, InstalliertOderTragbar) {
    const QTemporaryDir tmp;
    const QDir d(tmp.path());
    for (const char* ordner :
         {"usr/bin", "usr/share/umbrarix", "home/anna/.local/bin",
          "home/anna/.local/share/umbrarix", "kopie/bin", "build/src/app", "falsch/bin",
          "falsch/share", "opt/umbrarix/bin", "opt/umbrarix/share/umbrarix/beispiele"}) {
        ASSERT_TRUE(d.mkpath(QString::fromUtf8(ordner)));
    }
    ASSERT_EQ(DateiSchreiben(d.filePath(QStringLiteral("falsch/share/umbrarix")).toStdString(), ""),
              std::nullopt);
    const struct {
        const char* programmordner;
        bool installiert;
    } faelle[] = {
        {"usr/bin/", true},
        {"home/anna/.local/bin/", true},
        {"opt/umbrarix/bin/", true},
        {"usr/share/umbrarix/../../bin/", true},
        {"kopie/bin/", false},          // no data folder beside it
        {"build/src/app/", false},      // the build tree
        {"falsch/bin/", false},         // share/umbrarix is a file
        {"usr/share/umbrarix/", false}, // not a bin folder
        {"fehlt/bin/", false},
    };
    for (const auto& f : faelle) {
        const std::string pfad = tmp.path().toStdString() + "/" + f.programmordner;
        EXPECT_EQ(ProgrammInstalliert(pfad), f.installiert) << f.programmordner;
    }
}

} // namespace
} // namespace umbrarix
