#pragma once

#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>

// A label for text that comes from outside (a report, the settings): plain
// text only, never markup, and no more of it kept than the label can show.
// It keeps its place and its font, the one its owner set, but draws a text
// that does not fit its box in a smaller size of that font, down to
// MinPointSize; one that does not fit even then is cut with "…", and the
// whole text becomes its tool tip and accessible description. A text that
// fits is drawn exactly as a plain QLabel draws it.
class FitLabel : public QLabel
{
    Q_OBJECT

public:
    // Far more than the largest box can show at the smallest size.
    static constexpr qsizetype MaxKeptLength = 1024;
    // Smaller than this is hard to read.
    static constexpr qreal MinPointSize = 7;

    explicit FitLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // These hide QLabel's own, which cannot bound the text; call them through
    // a FitLabel.
    void setText(const QString &text);
    void clear();

    // What assistive tools are told the label is, while the whole text shows.
    void setDescription(const QString &description);

    // The smallest size a text is drawn at, MinPointSize unless a larger
    // layout scales it with the label's font.
    void setSmallestPointSize(qreal points);

    // What is drawn: the font (the label's own when the text fits), and the
    // text, cut with "…" when even the smallest size does not hold it.
    QFont shownFont() const;
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Fit
    {
        QString text;   // the label's text this fit is for
        QSize box;
        QFont font;
        bool wordWrap = false;
        QFont shownFont;
        QString shownText;
        bool reduced = false;
        bool cut = false;
    };

    QRect textBox() const;
    int drawFlags() const;
    bool fits(const QFont &font, const QString &text) const;
    QString cutToBox(const QFont &font, bool *elided) const;
    bool fitIsFor(const QString &text, const QSize &box) const;
    Fit fitFor(const QString &text, const QRect &box) const;
    void refit();

    Fit m_fit;
    QString m_description;
    qreal m_smallest = MinPointSize;
};
