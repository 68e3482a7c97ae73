// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A bare Qt widget of the graph window's size that paints itself over in
// one fill and repaints at every key press: what a start and a redraw cost
// a Qt program that does nothing of its own. tools/fenster_messen.sh
// measures Kurvano against it.

#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QWidget>

namespace {
class LeeresFenster : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent *) override
    {
        repaint();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), QColor(200, 200, 210));
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication Anwendung(argc, argv);
    LeeresFenster Fenster;
    Fenster.setAttribute(Qt::WA_OpaquePaintEvent);
    Fenster.setFixedSize(850, 700);
    Fenster.show();
    return Anwendung.exec();
}
