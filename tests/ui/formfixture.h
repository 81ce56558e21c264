#pragma once

#include "form1.h"
#include "kit/toolbar.h"
#include "scripteddialogs.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

// The shipped reports: a round of three, the first with goals both ways,
// cards, a sending-off and substitutions.
inline const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");
inline const QString Sample = Samples + "arenales-penascal.txt";
inline const QStringList Round{Sample, Samples + "puerto_alcazar-vallehondo.txt", Samples + "santa_olaya-torrealba.txt"};

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

inline QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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

// A main window on a program folder of its own, its messages answered and
// kept. The folder holds an empty escudos/ and the user's configuration
// folder, so what one test keeps there (recent reports, sizes, places) no
// other test sees. A test class derives from it, calls newFolder() in init()
// and checks in cleanup() that takeNotices() finds nothing left.
class FormFixture : public QObject
{
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<Notices> m_notices;

    void newFolder()
    {
        m_window.reset();
        m_notices.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(file(QStringLiteral("config"))));
        restart();
    }
    // The next start of the program on the same folder; messages of the
    // window that ended are kept.
    void restart()
    {
        m_window.reset();
        const QStringList told = m_notices ? m_notices->texts : QStringList();
        m_window = std::make_unique<Form1>(m_dir->path());
        m_notices = std::make_unique<Notices>(*m_window);
        m_notices->texts = told;
    }
    // The messages shown since the last call.
    QStringList takeNotices() { return std::exchange(m_notices->texts, {}); }

    QString file(const QString &name) const { return m_dir->filePath(name); }
    template<typename T = QWidget> T *part(const QString &name) const { return m_window->findChild<T *>(name); }
    QString text(const char *label) const { return part<QLabel>(QLatin1String(label))->text(); }
    QString score() const { return text("Label1") + ' ' + text("Label2") + '-' + text("Label3"); }
    std::array<QStringList, 4> lists() const
    {
        std::array<QStringList, 4> texts;
        for (int i = 0; i < 4; ++i) {
            for (QListWidgetItem *item : part<QListWidget>(QStringLiteral("List%1").arg(i + 1))->findItems("*", Qt::MatchWildcard))
                texts[i] << item->text();
        }
        return texts;
    }
    void click(int position) { toolbarButton(*m_window, position)->trigger(); }
    void command(const char *entry) { part<QAction>(QLatin1String(entry))->trigger(); }
    // Through the open dialog, as a user would; an empty path cancels it.
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>(QStringLiteral("Archivo")), path);
        click(1);
    }
    // Shown and active, as the window's shortcuts need.
    void activate()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Drops urls on the window; true when it took them, and as a copy only:
    // a file manager deletes a file whose move was taken.
    bool drop(const QList<QUrl> &urls, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QDropEvent drop(QPointF(300, 300), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
};
