// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef RING_H
#define RING_H

#include <QWidget>

// The mark on the plot: a small ring around a listed point, or a cross at
// the keyboard's cursor. A child of the window that paints the mark alone and
// lets the mouse through; the window paints what lies beneath it.
class Ring : public QWidget
{
    Q_OBJECT

public:
    static const int GROESSE = 15;

    explicit Ring(QWidget *Fenster);
    void Form_setzen(bool Kreuz);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool Kreuz = false;
};

#endif
