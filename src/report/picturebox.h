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
    // The picture in the file, when there is one; otherwise a white one of
    // `blank` pixels. True when the file was found. Throws AppError for a
    // file that is not a picture.
    bool loadOrBlank(const QString &path, const QSize &blank);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled;
};
