// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef INFOFELD_H
#define INFOFELD_H

#include <QList>
#include <QPair>
#include <QRgb>
#include <QString>
#include <QWidget>

// A paragraph of the info area: its text, whose "\n" end lines, in one
// colour, after a blank line unless it follows on from the one before.
struct Infoabsatz {
    QString Text;
    QRgb Farbe;
    bool Abstand = true;
};

// The free space right of the plot, below the radio buttons: the value under
// the pointer and what the compile of the drawn formula found: its faults,
// and where it was read by a rule rather than as written. It paints
// itself, so a change repaints it alone and never the graph; with nothing to
// show it is the window's plain background. A screen reader gets what it
// shows as its description.
class Infofeld : public QWidget
{
    Q_OBJECT

public:
    explicit Infofeld(QWidget *Eltern);

    // Lines separated by "\n"; the empty text shows nothing.
    void Zeiger_setzen(const QString &Zeilen);
    // The area shows as many paragraphs as fit below the pointer's lines,
    // then how many it leaves out. Set after the area's size and font, which
    // the fitting reads.
    void Inhalt_setzen(const QList<Infoabsatz> &Absaetze);
    const QString &Zeigerzeilen() const
    {
        return Zeiger;
    }
    // The paragraphs as shown, each after a line break or a blank line.
    const QString &Inhaltszeilen() const
    {
        return Inhalt;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QStringList umbrochen(const QString &Text) const;
    int Zeilenplatz() const;
    void zeigen(const QString &Text, const QList<QPair<QString, QRgb>> &Zeilen);
    void vorlesbar_machen();

    QString Zeiger;
    QString Inhalt;
    QList<QPair<QString, QRgb>> Umbruch; // Inhalt in the lines painted, with their colours
};

#endif
