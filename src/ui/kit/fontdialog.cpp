#include "fontdialog.h"

#include "kit/classiclook.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {

// The narration is shown on the dark green of the display area, so the sample is too.
constexpr quint32 PreviewBackground = 0x00004000;

QIcon swatch(const QColor &color, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// The size a typed text names, decimal point or comma, kept within range;
// nothing when the text names no size.
std::optional<float> parseSize(const QString &text)
{
    QString normal = text.trimmed();
    normal.replace(u',', u'.');
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return float(qBound(double(FontDialog::MinimumSize), value, double(FontDialog::MaximumSize)));
}

} // namespace

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fuente"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *grid = new QGridLayout(this);
    createNameAndSize(grid);
    grid->addWidget(createStyle(), 2, 1);
    grid->addWidget(createEffects(), 2, 0);
    grid->addWidget(createSample(), 3, 0, 1, 2);
    grid->addWidget(createButtons(), 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_name, m_size);
    setTabOrder(m_size, m_strikethru);

    connect(m_name, &QComboBox::currentTextChanged, this, &FontDialog::updatePreview);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontDialog::updatePreview);
    for (QCheckBox *box : {m_bold, m_italic, m_strikethru, m_underline})
        connect(box, &QCheckBox::toggled, this, &FontDialog::updatePreview);
    connect(m_colorButton, &QPushButton::clicked, this, &FontDialog::chooseColor);

    setChoice(m_choice);
}

void FontDialog::createNameAndSize(QGridLayout *grid)
{
    m_name = new QFontComboBox(this);
    m_name->setObjectName(QStringLiteral("fontName"));
    m_name->setFontFilters(QFontComboBox::AllFonts);
    m_name->setMinimumWidth(220);
    auto *nameLabel = new QLabel(QStringLiteral("&Fuente:"), this);
    nameLabel->setBuddy(m_name);

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("fontSize"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int points : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(points));
    // Sizes such as 20.25 come from the classic layouts, so two decimals are
    // allowed, with a point or a comma.
    m_size->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d{0,2})?")), m_size));
    m_size->setMinimumWidth(80);
    auto *sizeLabel = new QLabel(QStringLiteral("&Tamaño:"), this);
    sizeLabel->setBuddy(m_size);

    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_size, 1, 1);
}

QGroupBox *FontDialog::createStyle()
{
    auto *style = new QGroupBox(QStringLiteral("Estilo"), this);
    m_bold = new QCheckBox(QStringLiteral("&Negrita"), style);
    m_bold->setObjectName(QStringLiteral("fontBold"));
    m_italic = new QCheckBox(QStringLiteral("C&ursiva"), style);
    m_italic->setObjectName(QStringLiteral("fontItalic"));
    auto *styleLayout = new QVBoxLayout(style);
    styleLayout->addWidget(m_bold);
    styleLayout->addWidget(m_italic);
    styleLayout->addStretch();
    return style;
}

QGroupBox *FontDialog::createEffects()
{
    auto *effects = new QGroupBox(QStringLiteral("Efectos"), this);
    m_strikethru = new QCheckBox(QStringLiteral("T&achado"), effects);
    m_strikethru->setObjectName(QStringLiteral("fontStrikethru"));
    m_underline = new QCheckBox(QStringLiteral("&Subrayado"), effects);
    m_underline->setObjectName(QStringLiteral("fontUnderline"));
    m_colorButton = new QPushButton(effects);
    m_colorButton->setObjectName(QStringLiteral("fontColor"));
    m_colorButton->setIconSize(QSize(36, 14));
    m_colorButton->setToolTip(QStringLiteral("Elegir otro color"));
    m_colorButton->setAccessibleName(QStringLiteral("Color del texto"));
    auto *colorLabel = new QLabel(QStringLiteral("C&olor:"), effects);
    colorLabel->setBuddy(m_colorButton);
    auto *colorRow = new QHBoxLayout;
    colorRow->setSpacing(2);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colorButton);
    colorRow->addSpacing(6);
    addCommonColor(effects, QStringLiteral("colorBlanco"), QStringLiteral("Blanco"), 0x00FFFFFF);
    addCommonColor(effects, QStringLiteral("colorGris"), QStringLiteral("Gris claro"), 0x00C0C0C0);
    addCommonColor(effects, QStringLiteral("colorAmarillo"), QStringLiteral("Amarillo"), 0x0000FFFF);
    addCommonColor(effects, QStringLiteral("colorNaranja"), QStringLiteral("Naranja"), 0x0080C0FF);
    addCommonColor(effects, QStringLiteral("colorRojo"), QStringLiteral("Rojo"), 0x000000FF);
    addCommonColor(effects, QStringLiteral("colorVerde"), QStringLiteral("Verde"), 0x0000FF00);
    addCommonColor(effects, QStringLiteral("colorCeleste"), QStringLiteral("Celeste"), 0x00FFFF00);
    addCommonColor(effects, QStringLiteral("colorNegro"), QStringLiteral("Negro"), 0x00000000);
    const QList<QToolButton *> swatches = effects->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    for (QToolButton *button : swatches)
        colorRow->addWidget(button);
    colorRow->addStretch();
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(m_strikethru);
    effectsLayout->addWidget(m_underline);
    effectsLayout->addLayout(colorRow);
    return effects;
}

QGroupBox *FontDialog::createSample()
{
    auto *sample = new QGroupBox(QStringLiteral("Muestra"), this);
    m_preview = new QLabel(QStringLiteral("AaBbÑñ 12:34"), sample);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setAutoFillBackground(true);
    m_preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_preview->setFixedHeight(80);
    m_preview->setMinimumWidth(360);
    auto *sampleLayout = new QVBoxLayout(sample);
    sampleLayout->addWidget(m_preview);
    return sample;
}

QDialogButtonBox *FontDialog::createButtons()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton *accept = buttons->button(QDialogButtonBox::Ok);
    accept->setText(QStringLiteral("Aceptar"));
    accept->setObjectName(QStringLiteral("acceptButton"));
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("Cancelar"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void FontDialog::addCommonColor(QWidget *parent, const QString &name, const QString &label, quint32 value)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(swatch(ClassicLook::color(value), QSize(14, 14)));
    button->setIconSize(QSize(14, 14));
    button->setAutoRaise(true);
    button->setToolTip(label);
    button->setAccessibleName(label);
    connect(button, &QToolButton::clicked, this, [this, value] { setColor(qint32(value)); });
}

QString FontDialog::sizeText(float size)
{
    QString text = QString::number(double(size), 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

void FontDialog::setChoice(const NarrationFont &choice)
{
    m_choice = choice;
    const QSignalBlocker blockName(m_name);
    const int index = m_name->findText(choice.name, Qt::MatchFixedString);
    if (index >= 0)
        m_name->setCurrentIndex(index);
    // A name this system lacks stays on show (and chosen) as it is.
    m_name->setEditText(choice.name);
    const QSignalBlocker blockSize(m_size);
    m_size->setEditText(sizeText(choice.size));
    for (auto [box, on] : {std::pair{m_bold, choice.bold}, std::pair{m_italic, choice.italic},
                           std::pair{m_strikethru, choice.strikethru}, std::pair{m_underline, choice.underline}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    setColor(choice.color);
}

QString FontDialog::chosenName() const
{
    const QString text = m_name->currentText().trimmed();
    // An emptied box chooses nothing new; the name as opened may carry blanks.
    if (text.isEmpty() || text == m_choice.name.trimmed())
        return m_choice.name;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (family.compare(text, Qt::CaseInsensitive) == 0)
            return family;
    }
    return text;
}

float FontDialog::chosenSize() const
{
    const QString text = m_size->currentText().trimmed();
    if (text == sizeText(m_choice.size))
        return m_choice.size;
    return parseSize(text).value_or(m_choice.size);
}

NarrationFont FontDialog::choice() const
{
    NarrationFont result;
    result.name = chosenName();
    result.size = chosenSize();
    result.bold = m_bold->isChecked();
    result.italic = m_italic->isChecked();
    result.strikethru = m_strikethru->isChecked();
    result.underline = m_underline->isChecked();
    result.color = m_color;
    return result;
}

void FontDialog::setColor(qint32 color)
{
    m_color = color;
    m_colorButton->setIcon(swatch(ClassicLook::color(quint32(color)), m_colorButton->iconSize()));
    updatePreview();
}

void FontDialog::chooseColor()
{
    QColorDialog dialog(ClassicLook::color(quint32(m_color)), this);
    dialog.setObjectName(QStringLiteral("fontColorDialog"));
    dialog.setWindowTitle(QStringLiteral("Color"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted)
        setColor(qint32(ClassicLook::colorValue(dialog.selectedColor())));
}

void FontDialog::updatePreview()
{
    NarrationFont shown = choice();
    // A size held from elsewhere may lie outside what the dialog offers.
    shown.size = qBound(MinimumSize, shown.size, MaximumSize);
    m_preview->setFont(ClassicLook::font(shown));
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Window, ClassicLook::color(PreviewBackground));
    palette.setColor(QPalette::WindowText, ClassicLook::color(quint32(shown.color)));
    m_preview->setPalette(palette);
}
