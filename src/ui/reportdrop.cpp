#include "reportdrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

ReportDrop::ReportDrop(QWidget *target)
    : QObject(target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QStringList ReportDrop::reports(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !QFileInfo(path).isFile())
            return {};
        paths << path;
    }
    return paths;
}

bool ReportDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    // Each move of the cursor asks again; the files are looked at when the
    // drag enters and when it is dropped.
    if (type != QEvent::DragMove)
        m_paths = reports(drop->mimeData());
    // Only ever a copy: a file manager deletes a file whose move was taken.
    if (m_paths.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // A message about a report, shown inside the drop, would hold the other
    // program's drag until it was answered.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, [this, paths = m_paths] { emit dropped(paths); }, Qt::QueuedConnection);
    return true;
}
