#pragma once

#include "form1.h"
#include "kit/toolbar.h"
#include "scripteddialogs.h"

#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

inline QAction *toolbarButton(Form1 &window, int position)
{
    return window.findChild<Toolbar *>(QStringLiteral("Toolbar1"))->button(position);
}

// Ticks until the timer stops, as many as the report has lines at most.
inline void playToStop(Form1 &window)
{
    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    for (int i = 0; i < 100000 && timer->isActive(); ++i)
        window.Timer1_Timer();
    QVERIFY(!timer->isActive());
}

// Answers every message box of a window with OK, keeping their texts in order.
struct Notices
{
    QStringList texts;

    explicit Notices(Form1 &window)
    {
        QObject::connect(&window, &Form1::aboutToWarn, &window, [this](QMessageBox *box) {
            texts.append(box->text());
            QTimer::singleShot(0, box, &QMessageBox::accept);
        });
    }
};
