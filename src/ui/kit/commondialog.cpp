#include "commondialog.h"

#include "classiclook.h"
#include "kit/fontdialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace {

// "Documentos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*" as Qt name
// filters. "*.*" matches every file, also those without a dot, and patterns
// match in either letter case.
QStringList nameFiltersFromFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            if (p == u"*.*" || p == u"*") {
                patterns = {QStringLiteral("*")};
                break;
            }
            patterns << p;
            if (p.toLower() != p)
                patterns << p.toLower();
            if (p.toUpper() != p)
                patterns << p.toUpper();
        }
        // The label is what the user reads; the patterns after it are hidden.
        result << parts.at(i) + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return result;
}

} // namespace

CommonDialog::CommonDialog(QObject *parent)
    : QObject(parent)
    , m_lastFolder(QDir::currentPath())
{
}

QWidget *CommonDialog::window() const
{
    for (QObject *p = parent(); p; p = p->parent()) {
        if (auto *widget = qobject_cast<QWidget *>(p))
            return widget->window();
    }
    return nullptr;
}

void CommonDialog::ShowOpen()
{
    showOpen(false);
}

QStringList CommonDialog::showOpen(bool several)
{
    QFileDialog dialog(window(), DialogTitle, m_lastFolder);
    dialog.setObjectName(objectName() + QStringLiteral("_Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = nameFiltersFromFilter(Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(qBound(1, FilterIndex, int(filters.size())) - 1));
    }
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    dialog.setWindowModality(Qt::ApplicationModal);
    emit aboutToShow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return {};
    FileName = chosen.constFirst();
    m_lastFolder = QFileInfo(FileName).absolutePath();
    const int index = int(filters.indexOf(dialog.selectedNameFilter()));
    if (index >= 0)
        FilterIndex = index + 1;
    return chosen;
}

std::optional<QString> CommonDialog::askOpenFile(const QString &title, const QString &filter)
{
    const QString previous = FileName;
    // Opened empty, so that a name afterwards is a choice.
    FileName.clear();
    DialogTitle = title;
    Filter = filter;
    FilterIndex = 1;
    ShowOpen();
    if (FileName.isEmpty()) {
        FileName = previous;
        return std::nullopt;
    }
    return FileName;
}

QStringList CommonDialog::askOpenFiles(const QString &title, const QString &filter)
{
    const QString previous = FileName;
    FileName.clear();
    DialogTitle = title;
    Filter = filter;
    FilterIndex = 1;
    const QStringList chosen = showOpen(true);
    if (chosen.isEmpty())
        FileName = previous;
    return chosen;
}

std::optional<QString> CommonDialog::askSaveFile(const QString &title, const QString &filter, const QString &proposed)
{
    QFileDialog dialog(window(), title, QFileInfo(proposed).absolutePath());
    dialog.setObjectName(objectName() + QStringLiteral("_Save"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The caller asks before a file is replaced, in a box it can have answered.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = nameFiltersFromFilter(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.selectFile(QFileInfo(proposed).fileName());
    dialog.setWindowModality(Qt::ApplicationModal);
    emit aboutToShow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return std::nullopt;
    return chosen.constFirst();
}

void CommonDialog::setStartFolder(const QStringList &places)
{
    for (const QString &place : places) {
        const QFileInfo info(place);
        const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
        if (!place.isEmpty() && QFileInfo(folder).isDir()) {
            m_lastFolder = folder;
            return;
        }
    }
}

void CommonDialog::ShowColor()
{
    QColorDialog dialog(ClassicLook::color(quint32(Color)), window());
    dialog.setObjectName(objectName() + QStringLiteral("_Color"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    emit aboutToShow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Color = qint32(ClassicLook::colorValue(dialog.selectedColor()));
}

void CommonDialog::ShowFont()
{
    FontDialog dialog(window());
    dialog.setObjectName(objectName() + QStringLiteral("_Font"));
    dialog.setChoice(Font);
    dialog.setWindowModality(Qt::ApplicationModal);
    emit aboutToShow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Font = dialog.choice();
}
