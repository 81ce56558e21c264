#pragma once

#include "form1.h"
#include "kit/toolbar.h"
#include "scripteddialogs.h"

#include <QTimer>

// Drives the real main window as a user would: the open command through its
// file dialog, answered by script, and the toolbar buttons.
namespace FormDriver {

// The dialog component of the report's file-open dialog.
inline CommonDialog *archivo(Form1 &window)
{
    return window.findChild<CommonDialog *>(QStringLiteral("Archivo"));
}

inline void open(Form1 &window, const QString &path)
{
    answerNextOpen(archivo(window), path);
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
