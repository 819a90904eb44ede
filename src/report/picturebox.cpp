#include "report/picturebox.h"

#include "app/apperror.h"

#include <QFileInfo>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

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

bool PictureBox::loadOrBlank(const QString &path, const QSize &blank)
{
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        const QImage picture(path);
        if (picture.isNull())
            throw AppError(u"Cannot load the picture "_s + path);
        setImage(picture);
        return true;
    }
    QImage white(blank.expandedTo({0, 0}), QImage::Format_RGB32);
    white.fill(Qt::white);
    setImage(white);
    return false;
}
