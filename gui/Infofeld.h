// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef INFOFELD_H
#define INFOFELD_H

#include <QString>
#include <QWidget>

// The free space right of the plot, below the radio buttons: the value under
// the pointer and what the compile of the drawn formula found. It paints
// itself, so a change repaints it alone and never the graph; with nothing to
// show it is the window's plain background.
class Infofeld : public QWidget
{
    Q_OBJECT

public:
    explicit Infofeld(QWidget *Eltern);

    // Lines separated by "\n"; the empty text shows nothing.
    void Zeiger_setzen(const QString &Zeilen);
    void Fehler_setzen(const QString &Text);
    const QString &Zeigerzeilen() const
    {
        return Zeiger;
    }
    const QString &Fehlerzeilen() const
    {
        return Fehler;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString Zeiger;
    QString Fehler;
};

#endif
