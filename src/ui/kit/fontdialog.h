#pragma once

#include "settings/narrationfont.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// A Spanish font dialog that also chooses the effects and the text colour.
// Whatever the user leaves untouched comes back exactly as it was set, also a
// font name this system lacks and a size or colour the dialog could not show.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontDialog(QWidget *parent = nullptr);

    void setChoice(const NarrationFont &choice);
    NarrationFont choice() const;

    static constexpr float MinimumSize = 1.0f;
    static constexpr float MaximumSize = 200.0f;

    // A size as the size box shows it: "12", "20.25".
    static QString sizeText(float size);

private slots:
    void chooseColor();
    void updatePreview();

private:
    void createNameAndSize(QGridLayout *grid);
    QGroupBox *createStyle();
    QGroupBox *createEffects();
    QGroupBox *createSample();
    QDialogButtonBox *createButtons();
    QString chosenName() const;
    float chosenSize() const;
    void setColor(qint32 color);
    void addCommonColor(QWidget *parent, const QString &name, const QString &label, quint32 value);

    NarrationFont m_choice;  // as opened
    qint32 m_color = 0;   // the colour on show
    QFontComboBox *m_name = nullptr;
    QComboBox *m_size = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QCheckBox *m_strikethru = nullptr;
    QCheckBox *m_underline = nullptr;
    QPushButton *m_colorButton = nullptr;
    QLabel *m_preview = nullptr;
};
