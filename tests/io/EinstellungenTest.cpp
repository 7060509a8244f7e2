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
    const struct {
        std::string ordner;
        bool beschreibbar;
    } ordner[] = {{programm, true}, {"/proc/", false}, {programm + "fehlt/", false}};
    for (const auto& o : ordner) {
        EXPECT_EQ(OrdnerBeschreibbar(o.ordner), o.beschreibbar) << o.ordner;
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList())
        << "the probe leaves nothing behind";

    // A portable copy: everything beside the program.
    const TEinstellungsorte tragbar{programm, benutzer};
    EXPECT_EQ(tragbar.Schreibordner(), programm);
    EXPECT_EQ(tragbar.Leseordner(AnsprechpartnerdateiName), benutzer) << "nothing there yet";
    ASSERT_EQ(AnsprechpartnerSchreiben(tragbar.Schreibordner(), {"Anna"}), std::nullopt);
    EXPECT_EQ(tragbar.Leseordner(AnsprechpartnerdateiName), programm);
    EXPECT_EQ(tragbar.Leseordner(EinstellungsdateiName), benutzer);

    // Installed: the configuration folder, made on the first write.
    const TEinstellungsorte installiert{"/proc/", benutzer};
    EXPECT_EQ(installiert.Schreibordner(), benutzer);
    EXPECT_TRUE(QDir(QString::fromStdString(benutzer)).exists());
    ASSERT_EQ(ArbeitsverzeichnisSchreiben(installiert.Schreibordner(), "/home/kunden/"),
              std::nullopt);
    EXPECT_EQ(ArbeitsverzeichnisLesen(installiert.Leseordner(EinstellungsdateiName)),
              std::optional<std::string>("/home/kunden/"));

    // Without a configuration folder only the program folder counts.
    const TEinstellungsorte nurProgramm{"/proc/", ""};
    EXPECT_EQ(nurProgramm.Schreibordner(), "/proc/");
    EXPECT_EQ(nurProgramm.Leseordner(EinstellungsdateiName), "/proc/");
}

} // namespace
} // namespace umbrarix
