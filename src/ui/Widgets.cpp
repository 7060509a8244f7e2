#include "ui/Widgets.h"

#include "model/Runden.h"
#include "model/Zahltext.h"
#include "ui/Tastenfilter.h"
#include "views/Zeichenflaeche.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace umbrarix {

namespace {

// Applies a key filter to a key press; returns true when the event is consumed.
bool Filtern(QLineEdit* feld, QKeyEvent* e, const TTastenaktion& a,
             const std::function<void()>& eingabe) {
    switch (a.Art) {
    case TTastenaktion::Durchlassen:
        return false;
    case TTastenaktion::Verwerfen:
        return true;
    case TTastenaktion::Ersetzen:
        feld->insert(QString(a.Zeichen));
        return true;
    case TTastenaktion::Eingabetaste:
        if (eingabe) {
            eingabe();
        }
        return true;
    }
    (void)e;
    return false;
}

QChar Tastenzeichen(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        return QChar(13);
    }
    if (e->key() == Qt::Key_Backspace) {
        return QChar(8);
    }
    const QString t = e->text();
    return t.size() == 1 && t.at(0).isPrint() ? t.at(0) : QChar();
}

// Filters the typed characters of the spin field's text.
class TGanzzahlEingabe : public QLineEdit {
public:
    TGanzzahlEingabe(QWidget* eltern, std::function<void()>& eingabe,
                     std::function<void(int)> schritt)
        : QLineEdit(eltern), eingabe_(eingabe), schritt_(std::move(schritt)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        // The arrow and page keys step the text as the buttons do.
        if (const int schritt = Ganzzahlschritt(e->key());
            schritt != 0 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            schritt_(schritt);
            return;
        }
        const QChar z = Tastenzeichen(e);
        if (!z.isNull() && Filtern(this, e, Ganzzahleingabe(z), eingabe_)) {
            return;
        }
        QLineEdit::keyPressEvent(e);
    }

private:
    std::function<void()>& eingabe_;
    std::function<void(int)> schritt_;
};

} // namespace

bool NurLinkeTaste(const QMouseEvent* e) {
    return e->buttons() == Qt::LeftButton && e->modifiers() == Qt::NoModifier;
}

TGanzzahlfeld::TGanzzahlfeld(QWidget* eltern, const QString& name, int minimum, int maximum,
                             int vorgabe)
    : QWidget(eltern), minimum_(minimum), maximum_(maximum), tag_(vorgabe) {
    setObjectName(name);
    eingabe_ = new TGanzzahlEingabe(this, BeiEingabetaste, [this](int r) { Schritt(r); });
    eingabe_->setObjectName(name);
    eingabe_->setMaxLength(5);
    eingabe_->setText(QString::number(vorgabe));
    hoch_ = new QToolButton(this);
    runter_ = new QToolButton(this);
    hoch_->setArrowType(Qt::UpArrow);
    runter_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {hoch_, runter_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    QObject::connect(hoch_, &QToolButton::clicked, this, [this] { Schritt(1); });
    QObject::connect(runter_, &QToolButton::clicked, this, [this] { Schritt(-1); });
    setFocusProxy(eingabe_);
    resize(65, 21);
}

std::optional<double> TGanzzahlfeld::Zahl() const {
    return TextZuZahl(Text().toStdString());
}

void TGanzzahlfeld::Schritt(int richtung) {
    // The buttons change the text only; the value is taken over when the field is left.
    const std::optional<double> w = Zahl();
    const int alt = w ? RundenGanz(*w) : minimum_;
    eingabe_->setText(QString::number(std::clamp(alt + richtung, minimum_, maximum_)));
}

void TGanzzahlfeld::resizeEvent(QResizeEvent*) {
    const int knopf = 16, h = height();
    eingabe_->setGeometry(0, 0, width() - knopf, h);
    hoch_->setGeometry(width() - knopf, 0, knopf, h / 2);
    runter_->setGeometry(width() - knopf, h / 2, knopf, h - h / 2);
}

TZahlfeld::TZahlfeld(QWidget* eltern, const QString& name) : QLineEdit(eltern) {
    setObjectName(name);
}

void TZahlfeld::keyPressEvent(QKeyEvent* e) {
    const QChar z = Tastenzeichen(e);
    if (!z.isNull() && Filtern(this, e, Zahleingabe(z, text()), BeiEingabetaste)) {
        return;
    }
    QLineEdit::keyPressEvent(e);
}

TFormShape::TFormShape(QWidget* eltern, const QString& name, TForm form)
    : QWidget(eltern), form_(form) {
    setObjectName(name);
}

void TFormShape::Stiftfarbe(TFarbe farbe) {
    stift_ = farbe;
    update();
}

void TFormShape::Pinselfarbe(TFarbe farbe) {
    pinsel_ = farbe;
    update();
}

void TFormShape::Gefuellt(bool gefuellt) {
    gefuellt_ = gefuellt;
    update();
}

void TFormShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, form_ == Kreis);
    p.setPen(QPen(QFarbe(stift_), 1));
    p.setBrush(gefuellt_ ? QBrush(QFarbe(pinsel_)) : QBrush(Qt::NoBrush));
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (form_ == Kreis) {
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
    if (hasFocus()) {
        // Only a marker moved by keys takes the focus; it shows it with a dotted frame.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r);
    }
}

void TFormShape::keyPressEvent(QKeyEvent* e) {
    if (!Taste || !Taste(this, e)) {
        QWidget::keyPressEvent(e);
    }
}

void TFormShape::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void TFormShape::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void TFormShape::mousePressEvent(QMouseEvent* e) {
    if (MausRunter) {
        MausRunter(this, e);
    }
}

void TFormShape::mouseMoveEvent(QMouseEvent* e) {
    if (MausBewegt) {
        MausBewegt(this, e);
    }
}

void TFormShape::mouseReleaseEvent(QMouseEvent* e) {
    if (MausHoch) {
        MausHoch(this, e);
    }
}

TBildflaeche::TBildflaeche(QWidget* eltern, const QString& name, QSize groesse)
    : QWidget(eltern), bild_(groesse, QImage::Format_RGB32) {
    setObjectName(name);
    bild_.fill(Qt::white);
    resize(groesse);
}

void TBildflaeche::SetzeBild(QImage bild) {
    bild_ = std::move(bild);
    update();
}

void TBildflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // On a scaled screen every image pixel becomes a block of whole device pixels, never a blur.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(0, 0, bild_);
}

void TBildflaeche::mousePressEvent(QMouseEvent* e) {
    if (MausRunter) {
        MausRunter(e);
    }
}

void TBildflaeche::mouseMoveEvent(QMouseEvent* e) {
    if (MausBewegt) {
        MausBewegt(e);
    }
}

void TTrackBar::SetzePosition(int position) {
    const int neu = std::clamp(position, minimum_, maximum_);
    if (neu == position_) {
        return;
    }
    position_ = neu;
    if (BeiAenderung) {
        BeiAenderung(this);
    }
}

} // namespace umbrarix

namespace umbrarix {

void TTrackBar::SetzePositionStill(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

} // namespace umbrarix
