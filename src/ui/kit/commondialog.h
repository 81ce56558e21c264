#pragma once

#include "settings/narrationfont.h"

#include <QObject>
#include <QString>

#include <optional>

class QDialog;

// A long-lived dialog component: it holds the values of its file-open, colour
// and font dialogs between uses (the narration font and the background colour
// are the user's appearance settings) and shows each dialog modally on demand.
// A dialog closed without a choice leaves every value as it was.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    explicit CommonDialog(QObject *parent = nullptr);

    QString FileName;
    QString DialogTitle;
    // "label|pattern|label|pattern..."
    QString Filter;
    int FilterIndex = 1;
    qint32 Color = 0;  // 0x00BBGGRR, of the colour dialog
    // Of the font dialog, its colour included.
    NarrationFont Font;

    void ShowOpen();
    void ShowColor();
    void ShowFont();

    // Asks for a file in a file-open dialog with this title, offering filter
    // with its first entry selected, and opened without a file name. Answers
    // the chosen path, which FileName then holds; nothing when the dialog was
    // closed without a choice, FileName then being what it was before.
    std::optional<QString> askOpenFile(const QString &title, const QString &filter);
    // The same dialog with several files selectable: the chosen paths, the
    // first of them then in FileName; none when the dialog was closed without
    // a choice.
    QStringList askOpenFiles(const QString &title, const QString &filter);
    // Asks where to save a file in a save dialog with this title, proposing
    // proposed (a full path); it does not ask about a file already there,
    // which is the caller's to ask. Answers the chosen path; nothing when the dialog was
    // closed without a choice. FileName is left as it was.
    std::optional<QString> askSaveFile(const QString &title, const QString &filter, const QString &proposed);
    // The folder the next file-open dialog starts in: the first of places
    // that is there, a file standing for its folder. None there changes nothing.
    void setStartFolder(const QStringList &places);

signals:
    // Emitted with each dialog just before it runs, so it can be scripted.
    void aboutToShow(QDialog *dialog);

private:
    QWidget *window() const;
    // The file-open dialog; the chosen paths, none when closed without a choice.
    QStringList showOpen(bool several);

    // The folder the next file-open dialog starts in: where the last file was chosen.
    QString m_lastFolder;
};
