#include "report/picturebox.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

void PictureBox::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    if (!m_image.isNull()) {
        // A stretched copy is kept while it is of a sensible size; a page of
        // any other size (a template of 20000 mm) is drawn where it shows,
        // so that memory follows the screen, not the stored size.
        constexpr qint64 kCachedPixels = 4096LL * 4096;
        if (qint64(width()) * height() <= kCachedPixels) {
            if (m_scaled.size() != size())
                m_scaled = QPixmap::fromImage(m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            painter.drawPixmap(0, 0, m_scaled);
        } else {
            m_scaled = QPixmap();
            const QRect shown = event->rect();
            const double sx = double(m_image.width()) / width(), sy = double(m_image.height()) / height();
            const QRectF source(shown.x() * sx, shown.y() * sy, shown.width() * sx, shown.height() * sy);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(shown), m_image, source);
        }
    }
    if (!m_notice.isEmpty()) {
        // Where it can be read: the middle of what shows of the page.
        const QRect shown = visibleRegion().boundingRect().isEmpty() ? rect() : visibleRegion().boundingRect();
        painter.setPen(QColor(170, 0, 0));
        painter.drawText(shown.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, m_notice);
    }
}

bool PictureBox::loadOrBlank(const QString &path, const QSize &blank)
{
    m_notice.clear();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        QImageReader reader(path);
        const QImage picture = reader.read();
        if (!picture.isNull()) {
            setImage(picture);
            return true;
        }
        // Not a picture, cut short, or too large to decode: say so where the
        // picture would be; the template's items load all the same.
        m_notice = u"تصویر چک خوانده نمی شود: %1 (%2)"_s.arg(QDir::toNativeSeparators(path), reader.errorString());
    }
    // White is white at any size: a huge stored size needs no huge bitmap.
    QImage white(blank.boundedTo({4096, 4096}).expandedTo({1, 1}), QImage::Format_RGB32);
    white.fill(Qt::white);
    setImage(white);
    return false;
}
