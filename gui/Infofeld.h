// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef INFOFELD_H
#define INFOFELD_H

#include <QString>
#include <QStringList>
#include <QWidget>

// The free space right of the plot, below the radio buttons: the value under
// the pointer and what the compile of the drawn formula found. It paints
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
    // The messages, and how many faults there are in all: the area shows
    // as many messages as fit, then how many it leaves out. Set after the
    // area's size and font, which the fitting reads.
    void Fehler_setzen(const QStringList &Meldungen, int Anzahl);
    const QString &Zeigerzeilen() const
    {
        return Zeiger;
    }
    // The faults as shown, a blank line between two messages.
    const QString &Fehlerzeilen() const
    {
        return Fehler;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QStringList umbrochen(const QString &Text) const;
    int Zeilenplatz() const;
    void zeigen(const QString &Text, const QStringList &Zeilen);
    void vorlesbar_machen();

    QString Zeiger;
    QString Fehler;
    QStringList Fehlerumbruch; // Fehler in the lines painted
};

#endif
