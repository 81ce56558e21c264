#pragma once

#include <QDialog>
#include <QString>

// What the narration font dialog chooses.
struct FontChoice
{
    QString name;
    float size = 12.0f;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    qint32 color = 0xFFFFFF;  // 0x00BBGGRR

    bool operator==(const FontChoice &) const = default;
};

// A Spanish font dialog that also chooses the effects and the text colour.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontDialog(QWidget *parent = nullptr);

    void setChoice(const FontChoice &choice);
    FontChoice choice() const;

private:
    FontChoice m_choice;
};
