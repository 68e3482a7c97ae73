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
    bool operator==(const Infoabsatz &Anderer) const;
};

// The free space right of the plot, below the radio buttons: the value under
// the pointer, and below it what the compiles and the discussion of the
// drawn formulas found: faults, readings by a rule, and the curves' points.
// It paints itself, so a change repaints it alone and never the graph; with
// nothing to show it is the window's plain background. The paragraphs below
// the pointer's lines scroll, with the wheel and, once Tab has reached the
// area, with Page Up and Page Down. A screen reader gets all it holds as its
// description, also what is scrolled out of sight.
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
    // from where the list is scrolled to, then how many follow and how to
    // see them. A list other than the one shown starts at the top. Set after
    // the area's size and font, which the fitting reads.
    void Inhalt_setzen(const QList<Infoabsatz> &Absaetze);
    // The pointer's lines and the paragraphs as shown: each paragraph after
    // a line break or a blank line, the last one the count of those that
    // follow, without the keys that show them.
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
    void wheelEvent(QWheelEvent *Ereignis) override;
    void keyPressEvent(QKeyEvent *Taste) override;

private:
    struct Zeile {
        QString Text;
        QRgb Farbe;
        QRgb Marken[2];
        bool operator==(const Zeile &Andere) const;
    };
    // Paragraphs one after the other, as painted and as they read.
    struct Gesetzt {
        QList<Zeile> Zeilen;
        QString Text;
        void anfuegen(const Infoabsatz &Absatz, const QList<Zeile> &Umbruch, bool Erster);
    };

    QList<Zeile> gesetzt(const Infoabsatz &Absatz) const;
    QList<Zeile> Restzeilen(int Rest) const;
    QStringList umbrochen(const QString &Text, int Breite) const;
    int Zeilenplatz() const;
    int Zeilenzahl(int Nr, int Von) const;
    int passend(int Von) const;
    int letzter_Anfang() const;
    int voriger_Anfang() const;
    void blaettern(int Absaetze);
    void zeigen();
    void vorlesbar_machen();

    QString Zeiger;
    QString Inhalt;
    QString Alles; // every paragraph, shown or not, as they read
    QList<Zeile> Zeigerumbruch; // the pointer's lines as painted
    QList<Zeile> Umbruch; // the paragraphs' lines as painted
    int Zeigerplatz = 2;
    QList<Infoabsatz> Liste; // every paragraph, shown or not
    QList<QList<Zeile>> Listenumbruch; // the lines of each
    int Anfang = 0; // the first paragraph shown
    int Gezeigt = 0; // how many are shown
    int Drehung = 0; // of the wheel, short of a paragraph
};

#endif
