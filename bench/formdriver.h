#pragma once

#include "kit/commondialog.h"
#include "form1.h"
#include "kit/toolbar.h"

#include <QDialog>
#include <QFileDialog>
#include <QTimer>

#include <functional>

// Drives the real main window as a user would: the open command through its
// file dialog, answered by script, and the toolbar buttons.
namespace FormDriver {

// Answers the next file-open dialog of the window's Archivo component with
// path (cancels when path is empty). gone runs when the dialog has been
// destroyed, that is when the open command's own work begins.
inline void answerNextOpen(Form1 &window, const QString &path, const std::function<void()> &gone = {})
{
    auto *component = window.findChild<CommonDialog *>(QStringLiteral("Archivo"));
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        if (gone)
            QObject::connect(dialog, &QObject::destroyed, gone);
        QTimer::singleShot(0, dialog, [=] {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (path.isEmpty() || !files) {
                dialog->reject();
                return;
            }
            files->selectFile(path);
            static_cast<QDialog *>(files)->accept();
        });
    });
}

inline void open(Form1 &window, const QString &path)
{
    answerNextOpen(window, path);
    window.Abrir_Encuentro_Click();
}

inline QAction *button(Form1 &window, int position)
{
    return window.findChild<Toolbar *>(QStringLiteral("Toolbar1"))->button(position);
}

inline void click(Form1 &window, int position)
{
    button(window, position)->trigger();
}

inline QTimer *timer(Form1 &window)
{
    return window.findChild<QTimer *>(QStringLiteral("Timer1"));
}

} // namespace FormDriver
