#pragma once

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

// A display area that paints a background colour, an optional picture at its
// natural size (times the scale of a larger layout) from the top-left corner,
// and lines of text printed one after
// another from a text position, in its own font and colour. Child widgets
// (transparent labels, lists) sit on top of it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // The picture is drawn this many times its size, smoothly; the text
    // follows the font, which the layout scales.
    void setScale(qreal scale);

    // Prints one line at the text position and moves the position to the next line.
    void print(const QString &line = QString());
    // Erases the printed text and puts the text position back to the top left;
    // the picture stays.
    void cls();

    // The printed lines joined by newlines, empty lines included: what a person
    // sees in the area.
    QString text() const;
    int lineStep() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateAccessibleText();

    QColor m_backColor = Qt::black;
    QColor m_foreColor = Qt::white;
    QPixmap m_picture;
    qreal m_scale = 1;
    // The picture as drawn at a scale other than 1, made once per scale.
    QPixmap m_scaledPicture;
    QStringList m_lines;
    int m_textLines = 0;  // text position, in lines from the top
};
