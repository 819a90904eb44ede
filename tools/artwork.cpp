// Draws the program's own pictures: the three built-in blank cheques, the
// message dialog's four pictures, the two button pictures and the splash
// screen. Run by hand;
// its output is kept in resources/ and compiled into the program.
//
//   chequeprint-artwork RESOURCES_DIR

#include "app/application.h"
#include "app/apperror.h"
#include "app/preparation.h"
#include "templates/frm_chequedesign.h"
#include "wording/dates.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// The design page of a 170 x 85 mm template at 96 dots per inch.
constexpr double kPageWidth = 643;
constexpr double kPageHeight = 321;

const QString kBank = u"بانک"_s;
const QString kPayee = u"در وجه*************************"_s.section(u'*', 0, 0);
const QString kAmount = u"مبلغ"_s;
const QString kRial = u" ریال"_s.trimmed();
const QString kToman = u" تومان"_s.trimmed();
const QString kDate = u"********تاریخ به حروف"_s.remove(u'*').section(u' ', 0, 0);

struct Style
{
    QColor ink;
    QColor pattern;
    QColor band;
};

QFont persianFont(double pixels, bool bold = false)
{
    QFont font(u"Noto Naskh Arabic"_s);
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

void drawPattern(QPainter &p, const QRectF &area, const Style &style)
{
    // A light guilloche of interlaced waves, the background of a real cheque.
    p.save();
    p.setClipRect(area);
    QPen pen(style.pattern, 1.6);
    p.setPen(pen);
    for (int k = 0; k < 28; ++k) {
        QPainterPath wave;
        const double base = area.top() + k * area.height() / 27.0;
        for (double x = area.left(); x <= area.right(); x += 6) {
            const double y = base + 18 * qSin(x / 95.0 + k * 0.7) + 9 * qSin(x / 31.0 - k);
            if (x == area.left())
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        p.drawPath(wave);
    }
    p.restore();
}

// The built-in items' font, as the design page (96 dots per inch) sets it.
QFont itemFont()
{
    QFont font(u"Tahoma"_s);
    font.setPixelSize(16); // 12 points
    return font;
}

// The widest date in words of this century's first two decades.
double longestDateInWords(const QFontMetricsF &metrics)
{
    static double widest = 0;
    if (widest > 0)
        return widest;
    for (int year = 1400; year < 1420; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= (month <= 6 ? 31 : 30); ++day) {
                const QString date = u"%1/%2/%3"_s.arg(year).arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
                try {
                    widest = std::max(widest, metrics.horizontalAdvance(DateToWords(date)));
                } catch (const AppError &) {
                }
            }
        }
    }
    return widest;
}

void drawCheque(const QString &path, QSize size, const BuiltInTemplate &cheque, const QString &bankName,
                const Style &style)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(252, 251, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double sx = size.width() / kPageWidth;
    const double sy = size.height() / kPageHeight;
    const QRectF whole(0, 0, size.width(), size.height());

    drawPattern(p, whole.adjusted(20, 20, -20, -20), style);
    p.setPen(QPen(style.ink, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(whole.adjusted(14, 14, -14, -14));

    // The bank's band and name, top right, read from the right.
    const QRectF band(size.width() * 0.62, 26, size.width() * 0.36, 17 * sy);
    p.fillRect(band, style.band);
    p.setPen(Qt::white);
    p.setFont(persianFont(14 * sy, true));
    p.drawText(band.adjusted(10, 0, -20, 0), Qt::AlignRight | Qt::AlignVCenter, kBank + u' ' + bankName);
    // A round mark in the top left corner.
    p.setPen(QPen(style.ink, 5));
    p.setBrush(style.band.lighter(170));
    p.drawEllipse(QPointF(70 * sx, 34 * sy), 22 * sy, 22 * sy);

    // A box round the digit items and a dotted line under the word items,
    // made to hold the texts as the program sets them: in the items' own
    // font, at their stored places, the longest date and a fifteen-digit
    // amount included.
    const QFontMetricsF metrics(itemFont());
    const double textHeight = metrics.height();
    const auto blank = [&](const SeedItem &item) {
        double left = item.left, right = item.right;
        if (item.name == u"DigitDate"_s) {
            right = std::max(right, left + metrics.horizontalAdvance(u"1403/12/29"_s));
        } else if (item.name == u"DigitAmount"_s) {
            right = std::max(right, left + metrics.horizontalAdvance(DigitAmountCaption(u"999,999,999,999,999"_s)));
        } else if (item.name == u"AlphaDate"_s) {
            left = std::min(left, right - longestDateInWords(metrics));
        }
        return QRectF(left * sx, item.top * sy, (right - left) * sx, textHeight * sy);
    };
    for (const SeedItem &item : cheque.items) {
        const QRectF r = blank(item);
        p.setPen(QPen(style.ink, 3, Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        if (item.name == u"DigitDate"_s || item.name == u"DigitAmount"_s) {
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawRoundedRect(r.adjusted(-5 * sx, -2 * sy, 5 * sx, 2 * sy), 10, 10);
        } else {
            // Under the letters that reach below the line of writing.
            p.setPen(QPen(style.ink, 2.5, Qt::DotLine));
            const double y = r.bottom() + 1 * sy;
            p.drawLine(QPointF(r.left() - 4 * sx, y), QPointF(r.right() + 4 * sx, y));
        }
    }
    // Printed words beside the blanks, as on a real form.
    p.setFont(persianFont(9 * sy));
    p.setPen(style.ink);
    for (const SeedItem &item : cheque.items) {
        const QRectF r = blank(item);
        QString word;
        if (item.name == u"Payment"_s)
            word = kPayee;
        else if (item.name == u"AlphaAmount"_s)
            word = kRial;
        else if (item.name == u"AlphaAmountToman"_s)
            word = kToman;
        else if (item.name == u"AlphaDate"_s)
            word = kDate;
        else if (item.name == u"DigitAmount"_s)
            word = kAmount;
        if (word.isEmpty())
            continue;
        const bool rightOfBlank = item.name == u"Payment"_s || item.name == u"AlphaDate"_s
            || item.name == u"DigitAmount"_s;
        const double gap = 8 * sx;
        const QRectF label = rightOfBlank ? QRectF(r.right() + gap, r.top(), 140 * sx, r.height())
                                          : QRectF(r.left() - gap - 90 * sx, r.top(), 90 * sx, r.height());
        p.drawText(label, (rightOfBlank ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, word);
    }
    // The signature box, bottom left, and a strip for the machine-readable line.
    p.setPen(QPen(style.ink, 2, Qt::DashLine));
    p.drawRect(QRectF(30 * sx, 170 * sy, 150 * sx, 70 * sy));
    p.fillRect(QRectF(20, size.height() - 20 - 9 * sy, size.width() - 40, 9 * sy), style.pattern.lighter(115));
    p.end();
    if (!image.save(path, "JPEG", 88))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QImage dialogSquare()
{
    QImage image(89, 89, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 190, 230), 2));
    p.setBrush(QColor(200, 225, 250));
    p.drawRoundedRect(QRectF(3, 3, 83, 83), 12, 12);
    return image;
}

const QColor kPurple(110, 40, 150);

void drawMark(const QString &path, const std::function<void(QPainter &)> &mark)
{
    QImage image = dialogSquare();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    mark(p);
    p.end();
    image.save(path, "PNG");
}

void drawExclamation(QPainter &p, double weight)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kPurple);
    QPainterPath bar;
    bar.moveTo(44.5 - weight, 16);
    bar.lineTo(44.5 + weight, 16);
    bar.lineTo(44.5 + weight * 0.55, 58);
    bar.lineTo(44.5 - weight * 0.55, 58);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(44.5, 70), weight * 0.85, weight * 0.85);
}

void drawButton(const QString &path, const std::function<void(QPainter &)> &picture)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    picture(p);
    p.end();
    image.save(path, "PNG");
}

// The program's name and edition, as its main window's caption gives them.
const QString kCaption = u"چاپ چک: ویرایش 7"_s;

void drawSplash(const QString &path)
{
    QImage image(500, 375, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 375);
    sky.setColorAt(0, QColor(24, 52, 96));
    sky.setColorAt(1, QColor(12, 96, 110));
    p.fillRect(image.rect(), sky);
    drawPattern(p, QRectF(0, 0, 500, 375), {QColor(), QColor(255, 255, 255, 22), QColor()});

    // A blank cheque lying across the picture, a pen line on it.
    p.save();
    p.translate(250, 250);
    p.rotate(-6);
    const QRectF card(-170, -62, 340, 124);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(6, 8), 10, 10);
    p.setBrush(QColor(250, 246, 236));
    p.drawRoundedRect(card, 10, 10);
    drawPattern(p, card.adjusted(8, 8, -8, -8), {QColor(), QColor(214, 200, 170, 120), QColor()});
    p.setPen(QPen(QColor(150, 130, 100), 1.4, Qt::DotLine));
    for (double y : {-20.0, 8.0, 36.0})
        p.drawLine(QPointF(-150, y), QPointF(150, y));
    p.setPen(QPen(QColor(20, 40, 120), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath signature;
    signature.moveTo(-140, 30);
    signature.cubicTo(-110, -10, -90, 55, -60, 20);
    signature.cubicTo(-40, -5, -20, 40, 10, 26);
    p.drawPath(signature);
    p.restore();

    p.setPen(Qt::white);
    p.setFont(persianFont(64, true));
    p.drawText(QRectF(0, 30, 500, 100), Qt::AlignCenter, kCaption.section(u':', 0, 0));
    p.setPen(QColor(200, 225, 240));
    p.setFont(persianFont(24));
    p.drawText(QRectF(0, 118, 500, 40), Qt::AlignCenter, kCaption.section(u':', 1).trimmed());
    p.end();
    if (!image.save(path, "JPEG", 90))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

// The program's icon: a blank cheque leaf.
void drawIcon(const QString &path)
{
    QImage image(256, 256, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 20, 50), 6));
    p.setBrush(QColor(253, 246, 236));
    p.drawRoundedRect(QRectF(16, 64, 224, 128), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 25, 60));
    p.drawRect(QRectF(120, 80, 104, 20));
    p.setPen(QPen(QColor(120, 20, 50), 4, Qt::DotLine));
    p.drawLine(QPointF(40, 130), QPointF(216, 130));
    p.drawLine(QPointF(40, 160), QPointF(180, 160));
    p.setPen(QPen(QColor(120, 20, 50), 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(36, 84, 60, 26), 6, 6);
    p.end();
    image.save(path, "PNG");
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterTahoma(QCoreApplication::applicationDirPath());
    if (argc != 2) {
        std::fprintf(stderr, "usage: chequeprint-artwork RESOURCES_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(u"cheques"_s);
    out.mkpath(u"dialog"_s);
    out.mkpath(u"buttons"_s);
    out.mkpath(u"splash"_s);
    out.mkpath(u"icon"_s);
    drawSplash(out.filePath(u"splash/splash.jpg"_s));
    drawIcon(out.filePath(u"icon/chequeprint.png"_s));

    const QList<BuiltInTemplate> &templates = BuiltInTemplates();
    const QString mellat = templates[1].title.section(u' ', 0, 0);
    const QString pasargad = templates[3].title;
    drawCheque(out.filePath(u"cheques/Mellat1.jpg"_s), {1944, 954}, templates[1], mellat,
               {QColor(150, 20, 40), QColor(240, 214, 214), QColor(170, 25, 45)});
    drawCheque(out.filePath(u"cheques/Mellat2.jpg"_s), {1971, 1000}, templates[2], mellat,
               {QColor(120, 20, 60), QColor(236, 220, 232), QColor(150, 30, 70)});
    drawCheque(out.filePath(u"cheques/pasargad.jpg"_s), {1992, 960}, templates[3], pasargad,
               {QColor(140, 100, 20), QColor(238, 228, 204), QColor(60, 60, 60)});

    drawMark(out.filePath(u"dialog/info.png"_s), [](QPainter &p) { drawExclamation(p, 5); });
    drawMark(out.filePath(u"dialog/alert.png"_s), [](QPainter &p) { drawExclamation(p, 8); });
    drawMark(out.filePath(u"dialog/error.png"_s), [](QPainter &p) {
        p.setPen(QPen(kPurple, 8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(44.5, 44.5), 28, 28);
        p.drawLine(QPointF(25, 64), QPointF(64, 25));
    });
    drawMark(out.filePath(u"dialog/question.png"_s), [](QPainter &p) {
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(62);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kPurple);
        p.drawText(QRectF(0, 0, 89, 89), Qt::AlignCenter, u"?"_s);
    });

    drawButton(out.filePath(u"buttons/print.png"_s), [](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 70), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(120, 130, 150));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 15.5, 11, 6));
        p.setBrush(QColor(90, 200, 90));
        p.drawEllipse(QPointF(18, 12.5), 1, 1);
    });
    drawButton(out.filePath(u"buttons/search.png"_s), [](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 70), 2.2));
        p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        p.setPen(QPen(QColor(60, 60, 70), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
    });
    return 0;
}
