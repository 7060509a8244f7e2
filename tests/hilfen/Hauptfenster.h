#pragma once

// A main window for tests: shown offscreen with a scripted platform and a temporary program
// folder, started up as the program starts it.

#include "ui/Form_Haupt.h"

#include "hilfen/SkriptPlattform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace umbrarix::testhilfen {

struct THauptfenster {
    QTemporaryDir Ordner;
    TSkriptPlattform Plattform;
    std::unique_ptr<TForm_Haupt> Fenster;

    // vorbereiten: fills the program folder (path with trailing separator) before the start.
    // programmordner: another program folder than the temporary one (an installed program's).
    // The user's configuration folder is always Benutzerordner(), inside the temporary folder,
    // so that no test reads or writes the real one.
    // wiederherstellung: the folder of the recovery copies (default: one in the temporary
    // folder, so that no test sees the user's own).
    explicit THauptfenster(const std::function<void(const QString&)>& vorbereiten = {},
                           const QString& programmordner = {},
                           const QString& wiederherstellung = {}) {
        const QString ordner =
            programmordner.isEmpty() ? Ordner.path() + QStringLiteral("/") : programmordner;
        if (vorbereiten) {
            vorbereiten(ordner);
        }
        Fenster = std::make_unique<TForm_Haupt>(
            Plattform, ordner, Benutzerordner(),
            wiederherstellung.isEmpty() ? Ordner.path() + QStringLiteral("/wiederherstellung/")
                                        : wiederherstellung);
        Fenster->Timer_Info->stop(); // placement and about box are tested on their own
        Fenster->show();
        QApplication::setActiveWindow(Fenster.get());
        Fenster->activateWindow();
        QCoreApplication::processEvents();
    }
    ~THauptfenster() {
        Fenster.reset();
        QCoreApplication::processEvents();
    }
    QString Benutzerordner() const { return Ordner.path() + QStringLiteral("/benutzer/"); }
    TForm_Haupt& operator*() { return *Fenster; }
    TForm_Haupt* operator->() { return Fenster.get(); }
};

// Types into a line edit as a person does: focus, select all, keys.
inline void Tippen(QWidget* feld, const QString& text) {
    feld->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    if (auto* edit = qobject_cast<QLineEdit*>(feld)) {
        edit->selectAll();
    }
    QTest::keyClicks(feld, text);
}

// A mouse event straight to a widget, with the left button held (as during a drag).
inline void Maus(QWidget* w, QEvent::Type art, QPoint pos,
                 Qt::MouseButtons gehalten = Qt::LeftButton) {
    QMouseEvent e(art, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                  art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, gehalten,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace umbrarix::testhilfen
