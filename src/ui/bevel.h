#pragma once

#include <QWidget>

// A sunken frame line drawn along one edge of its box.
class Bevel : public QWidget
{
public:
    enum Edge { LeftLine, TopLine };

    Bevel(Edge edge, QWidget *parent) : QWidget(parent), m_edge(edge)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Edge m_edge;
};
