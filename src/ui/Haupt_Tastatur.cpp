// Everything by keyboard: switching the input pages, and the pick list driven from the field
// that opened it or from the list itself. Spin fields step in their own key handling.

#include "ui/Form_Haupt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>

namespace umbrarix {

void TForm_Haupt::TastaturEinrichten() {
    // Ctrl+Shift+Tab arrives as Backtab on most systems, as Tab with Shift on others.
    const std::pair<QKeySequence, int> tasten[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [folge, schritt] : tasten) {
        auto* k = new QShortcut(folge, this);
        connect(k, &QShortcut::activated, this,
                [this, schritt = schritt] { SeiteWechseln(schritt); });
    }
    // Like tabs: Tab reaches the button of the page shown, the arrow keys move on to the
    // neighbouring pages (the group's own navigation), Space presses a button.
    connect(Seitenknoepfe[0]->group(), &QButtonGroup::idToggled, this, [this](int, bool an) {
        if (an) {
            for (QPushButton* knopf : Seitenknoepfe) {
                knopf->setFocusPolicy(knopf->isChecked() ? Qt::TabFocus : Qt::NoFocus);
            }
        }
    });
    for (QPushButton* knopf : Seitenknoepfe) {
        knopf->setFocusPolicy(knopf->isChecked() ? Qt::TabFocus : Qt::NoFocus);
    }
    // At start the cursor stands in the first field, ready for a number.
    anz_Vordachbreite->setFocus(Qt::OtherFocusReason);
    for (QObject* o : {static_cast<QObject*>(anz_Himmelsrichtung->Eingabe()),
                       static_cast<QObject*>(anz_ort), static_cast<QObject*>(Dimensionsliste)}) {
        o->installEventFilter(this);
    }
}

void TForm_Haupt::SeiteWechseln(int schritt) {
    if (!PageControl1->isEnabled()) {
        return;
    }
    const int n = static_cast<int>(Seitenknoepfe.size());
    const int neu = ((Seiten->currentIndex() + schritt) % n + n) % n;
    // The same way as a click on the page button: a field on the page left behind loses the
    // focus and its edit is taken over.
    Seitenknoepfe[neu]->click();
    QWidget* seite = Seiten->currentWidget();
    QWidget* fokus = QApplication::focusWidget();
    if (fokus == nullptr || !seite->isAncestorOf(fokus)) {
        // On to the first field of the new page that takes the focus, else its page button.
        QWidget* ziel = Seitenknoepfe[neu];
        for (QWidget* w = seite->nextInFocusChain(); w != seite && seite->isAncestorOf(w);
             w = w->nextInFocusChain()) {
            if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) != 0) {
                ziel = w;
                break;
            }
        }
        ziel->setFocus(Qt::TabFocusReason);
    }
}

void TForm_Haupt::DimensionslisteBewegen(int schritt) {
    const int n = Dimensionsliste->count();
    if (n == 0) {
        return;
    }
    // Focus alone gives the list a current row; only a selection counts as a pick.
    const int alt = Dimensionsliste->selectedItems().isEmpty() ? -1 : Dimensionsliste->currentRow();
    const int neu = alt < 0 ? 0 : std::clamp(alt + schritt, 0, n - 1);
    Dimensionsliste->setCurrentRow(neu);
    Dimensionsliste->scrollToItem(Dimensionsliste->currentItem());
    DimensionslisteClick(neu);
}

void TForm_Haupt::DimensionslisteAbbrechen() {
    ++fokusSperre_;
    if (listenTexte_.size() == 5) {
        // The location texts first: each change renames the place, which comes back last.
        anz_Breitengrad->setText(listenTexte_[0]);
        anz_Laengengrad->setText(listenTexte_[1]);
        anz_Zeitzone->setText(listenTexte_[2]);
        anz_ort->setText(listenTexte_[3]);
        anz_Himmelsrichtung->SetzeText(listenTexte_[4]);
    }
    Dimensionsliste->hide();
    anz_Himmelsrichtung->Eingabe()->setPalette(QPalette());
    anz_ort->setPalette(QPalette());
    if (listenFeld_ != nullptr && listenFeld_->isVisible()) {
        listenFeld_->setFocus(Qt::OtherFocusReason);
    }
    --fokusSperre_;
}

bool TForm_Haupt::Listentaste(QKeyEvent* e) {
    if (!Dimensionsliste->isVisible() || (e->modifiers() & ~Qt::KeypadModifier) != 0) {
        return false;
    }
    switch (e->key()) {
    case Qt::Key_Up:
        DimensionslisteBewegen(-1);
        return true;
    case Qt::Key_Down:
        DimensionslisteBewegen(1);
        return true;
    case Qt::Key_PageUp:
        DimensionslisteBewegen(-5);
        return true;
    case Qt::Key_PageDown:
        DimensionslisteBewegen(5);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Back to the field first, so that the hidden list hands the focus on to nothing
        // that would open it again.
        if (listenFeld_ != nullptr && QApplication::focusWidget() == Dimensionsliste) {
            ++fokusSperre_;
            listenFeld_->setFocus(Qt::OtherFocusReason);
            --fokusSperre_;
        }
        DimensionslisteDblClick();
        return true;
    case Qt::Key_Escape:
        DimensionslisteAbbrechen();
        return true;
    default:
        return false;
    }
}

bool TForm_Haupt::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (!abbau_ && ereignis->type() == QEvent::KeyPress &&
        (objekt == Dimensionsliste || objekt == anz_ort ||
         objekt == anz_Himmelsrichtung->Eingabe())) {
        return Listentaste(static_cast<QKeyEvent*>(ereignis));
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace umbrarix
