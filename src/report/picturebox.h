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
    // `blank` pixels. True when the picture was read. A file that cannot be
    // read as a picture gives the white one too, with a notice naming it.
    bool loadOrBlank(const QString &path, const QSize &blank);
    const QImage &image() const { return m_image; }
    // Why the picture is white, shown over it; empty when nothing is wrong.
    QString notice() const { return m_notice; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled;
    QString m_notice;
};
