#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

class QTextOption;

// The stored encodings of an item's reading direction and alignment.
enum class BidiMode { LeftToRight = 0, RightToLeft = 1, RightToLeftNoAlign = 2, RightToLeftReadingOnly = 3 };
enum class TextAlignment { Left = 0, Right = 1, Center = 2 };

// A text label on a report page that sizes itself to its text on one line (an
// empty text is measured as one blank). When its text or font changes it
// keeps its right edge if its effective alignment is right, and its left edge
// otherwise, so a right-to-left item grows to the left.
class ReportLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ReportLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QFont labelFont() const { return m_font; }
    void setLabelFont(const QFont &font);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    BidiMode bidiMode() const { return m_bidi; }
    void setBidiMode(BidiMode mode);
    TextAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(TextAlignment alignment);
    // Transparent unless a background colour is given.
    QColor background() const { return m_background; }
    void setBackground(const QColor &color);

    bool keepsRightEdge() const;
    bool readsRightToLeft() const { return m_bidi != BidiMode::LeftToRight; }
    // The box the label's text needs in a font: one line, a blank when empty.
    static QSize TextExtent(const QString &text, const QFont &font, const QPaintDevice *device = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();

    QString m_text;
    QFont m_font;
    QColor m_color = Qt::black;
    QColor m_background;
    BidiMode m_bidi = BidiMode::LeftToRight;
    TextAlignment m_alignment = TextAlignment::Left;
};

// Draws one line of text into `box` as `option` aligns it, in the painter's
// font and pen, its baseline where that font alone puts it. A character the
// font lacks is drawn from a fallback font; a taller fallback (Wine's Tahoma
// has no zero-width non-joiner, common in Persian names) must not push the
// line down on the cheque, nor clip it on screen.
void DrawTextLine(QPainter &painter, const QRectF &box, const QString &text, const QTextOption &option);

// Draws a label's text into its box on screen, from the box's right edge when
// it reads right to left and from its left edge otherwise.
void DrawLabelText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                   const QColor &color, bool rightToLeft);
