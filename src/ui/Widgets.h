#pragma once

// Small widgets for what the toolkit does not give the way the main window uses it.

#include "model/Farbset.h"

#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <optional>

class QToolButton;

namespace umbrarix {

// Integer spin field: free text of at most 5 characters, up/down buttons that only change the
// text, minimum, maximum and the default value in the spare integer Tag.
class TGanzzahlfeld : public QWidget {
public:
    TGanzzahlfeld(QWidget* eltern, const QString& name, int minimum, int maximum, int vorgabe);

    QLineEdit* Eingabe() const { return eingabe_; }
    QString Text() const { return eingabe_->text(); }
    void SetzeText(const QString& text) { eingabe_->setText(text); }
    // The number the text reads as, if it reads as one at all.
    std::optional<double> Zahl() const;
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Tag() const { return tag_; }

    std::function<void()> BeiEingabetaste; // Enter typed in the field

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void Schritt(int richtung);

    QLineEdit* eingabe_;
    QToolButton* hoch_;
    QToolButton* runter_;
    int minimum_, maximum_, tag_;
};

// Decimal text field with the key filter of Zahleingabe.
class TZahlfeld : public QLineEdit {
public:
    TZahlfeld(QWidget* eltern, const QString& name);
    std::function<void()> BeiEingabetaste;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
};

// A movable shape: line, rectangle or circle with pen and brush colour and mouse events.
class TFormShape : public QWidget {
public:
    enum TForm { Rechteck, Kreis };
    TFormShape(QWidget* eltern, const QString& name, TForm form);

    void Stiftfarbe(TFarbe farbe);
    void Pinselfarbe(TFarbe farbe);
    TFarbe Stiftfarbe() const { return stift_; }
    TFarbe Pinselfarbe() const { return pinsel_; }
    // Edge handles are outlined only, point handles filled and outlined.
    void Gefuellt(bool gefuellt);

    std::function<void(TFormShape*, QMouseEvent*)> MausRunter, MausBewegt, MausHoch;
    // A key pressed while the marker has the focus; true when it was used.
    std::function<bool(TFormShape*, QKeyEvent*)> Taste;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TForm form_;
    TFarbe stift_ = 0x000000;
    TFarbe pinsel_ = 0xFFFFFF;
    bool gefuellt_ = true;
};

// A widget that shows one image unscaled and reports mouse events.
class TBildflaeche : public QWidget {
public:
    TBildflaeche(QWidget* eltern, const QString& name, QSize groesse);
    void SetzeBild(QImage bild);
    QImage& Bild() { return bild_; }
    const QImage& Bild() const { return bild_; }

    std::function<void(QMouseEvent*)> MausRunter, MausBewegt;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QImage bild_;
};

// A hidden track bar: a position held in Min..Max that notifies only on a real change, with a
// spare integer Tag.
class TTrackBar {
public:
    TTrackBar(QString name, int minimum, int maximum, int position)
        : name_(std::move(name)), minimum_(minimum), maximum_(maximum), position_(position) {}

    const QString& Name() const { return name_; }
    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // Clamps to Min..Max; runs BeiAenderung only when the position really changes.
    void SetzePosition(int position);
    // Clamps and sets without notifying (a full run evaluates each step itself).
    void SetzePositionStill(int position);

    int Tag = 0;
    std::function<void(TTrackBar*)> BeiAenderung;

private:
    QString name_;
    int minimum_, maximum_, position_;
};

// True when only the left mouse button is held and no modifier key is down.
bool NurLinkeTaste(const QMouseEvent* e);

} // namespace umbrarix
