#include "report/picturebox.h"

#include <QPainter>

void PictureBox::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    if (m_scaled.size() != size())
        m_scaled = QPixmap::fromImage(m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter(this).drawPixmap(0, 0, m_scaled);
}
