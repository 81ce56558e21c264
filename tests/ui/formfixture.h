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
