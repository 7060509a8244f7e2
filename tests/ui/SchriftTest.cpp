// Every caption of the window and of its dialogs is drawn whole: no text needs more room than
// the box it stands in, and none runs under a control beside it.

#include "ui/Form_Dialoge.h"
#include "ui/Form_Haupt.h"
#include "ui/Form_Info.h"

#include "hilfen/Hauptfenster.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
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

} // namespace
} // namespace umbrarix
