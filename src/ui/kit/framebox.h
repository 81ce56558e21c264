#pragma once

#include <QColor>
#include <QWidget>

// A classic etched frame: a sunken rectangle with an optional caption set into
// its top edge, on a background colour of its own.
class FrameBox : public QWidget
{
    Q_OBJECT

public:
    explicit FrameBox(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setBackColor(const QColor &color);
    QColor backColor() const { return m_backColor; }
    void setForeColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QColor m_backColor;
    QColor m_foreColor;
};
