// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef INFOFELD_H
#define INFOFELD_H

#include <QList>
#include <QRgb>
#include <QString>
#include <QWidget>

// A paragraph of the info area: its text, whose "\n" end lines, in one
// colour, after a blank line unless it follows on from the one before. The
// curves it tells of, by their colours, are marked before its last line;
// 0 marks none.
struct Infoabsatz {
    QString Text;
    QRgb Farbe;
    bool Abstand = true;
    QRgb Marken[2] = {};
};

// The free space right of the plot, below the radio buttons: the value under
// the pointer, and below it what the compiles and the discussion of the
// drawn formulas found: faults, readings by a rule, and the curves' points.
// It paints itself, so a change repaints it alone and never the graph; with
// nothing to show it is the window's plain background. A screen reader gets
// what it shows as its description.
class Infofeld : public QWidget
{
    Q_OBJECT

public:
    explicit Infofeld(QWidget *Eltern);

    // The lines at the top, which keep Zeilen lines free for the pointer
    // whatever they show; each "\n" of a paragraph's text ends a line.
    void Zeigerplatz_setzen(int Zeilen);
    void Zeiger_setzen(const QList<Infoabsatz> &Zeilen);
    // The area shows as many paragraphs as fit below the pointer's lines,
    // then how many it leaves out. Set after the area's size and font, which
    // the fitting reads.
    void Inhalt_setzen(const QList<Infoabsatz> &Absaetze);
    // The pointer's lines and the paragraphs as shown: each paragraph after
    // a line break or a blank line.
    const QString &Zeigerzeilen() const
    {
        return Zeiger;
    }
    const QString &Inhaltszeilen() const
    {
        return Inhalt;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    struct Zeile {
        QString Text;
        QRgb Farbe;
        QRgb Marken[2];
        bool operator==(const Zeile &Andere) const;
    };

    QList<Zeile> gesetzt(const QList<Infoabsatz> &Absaetze, int Anzahl, QString &Text) const;
    QStringList umbrochen(const QString &Text, int Breite) const;
    int Zeilenplatz() const;
    void vorlesbar_machen();

    QString Zeiger;
    QString Inhalt;
    QList<Zeile> Zeigerumbruch; // the pointer's lines as painted
    QList<Zeile> Umbruch; // the paragraphs' lines as painted
    int Zeigerplatz = 2;
};

#endif
