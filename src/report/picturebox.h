#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture stretched over its box. The stretched copy is made once per size,
// not at every paint, since cheque pictures are large.
class PictureBox : public QWidget
{
public:
    explicit PictureBox(QWidget *parent = nullptr) : QWidget(parent) {}

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled;
};
