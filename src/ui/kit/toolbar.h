#pragma once

#include <QIcon>
#include <QList>
#include <QToolBar>

// A row of image buttons, each with a one-letter key by which a click handler
// tells them apart. Buttons are also reached by position from 1, separators
// included, as the commands address buttons 2 to 4.
class Toolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit Toolbar(QWidget *parent = nullptr);

    QAction *addButton(const QString &key, const QIcon &image, const QString &toolTip);
    QAction *button(int position) const;
    static QString key(const QAction *button);
    // The tool tip is also the button's accessible name.
    static void setToolTipText(QAction *button, const QString &text);

signals:
    void ButtonClick(QAction *button);
};

// The images the toolbar shows, by position from 1.
class ImageList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void add(const QIcon &image) { m_images.append(image); }
    QIcon image(int position) const { return m_images.value(position - 1); }

private:
    QList<QIcon> m_images;
};
