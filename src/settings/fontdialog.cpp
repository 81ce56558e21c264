#include "fontdialog.h"

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent)
{
}

void FontDialog::setChoice(const FontChoice &choice)
{
    m_choice = choice;
}

FontChoice FontDialog::choice() const
{
    return m_choice;
}
