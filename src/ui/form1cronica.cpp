// The main window's chronicle: "Crónica" in the "&Ver" menu shows the
// followed match's chronicle and timeline beside the window, and "Guardar
// imagen" in "&Archivo" saves its match card as a PNG.
#include "form1.h"

#include "cronica.h"
#include "matchcard.h"
#include "kit/commondialog.h"
#include "settings/settingslocation.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// The proposed name in the folder, or "Name (2).png" and on when a file of
// that name is there already, so that taking the proposal replaces nothing.
QString freePath(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QFileInfo info(name);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path) && n < 100; ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    return path;
}

// Written whole through a temporary file beside it, or not at all, as the
// settings are: the reason, when it fails, is one a user can read.
SaveResult savePng(const QString &path, const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {false, QStringLiteral("no se pudo dibujar la imagen")};
    return saveSettingsFile(path, bytes);
}

} // namespace

void Form1::createChronicle()
{
    m_imageDialog = new CommonDialog(this);
    m_imageDialog->setObjectName(QStringLiteral("Archivo_Imagen"));
}

void Form1::Cronica_Click()
{
    if (!m_cronica)
        m_cronica = new Cronica(this);
    m_cronica->show();
    m_cronica->raise();
    m_cronica->activateWindow();
    showChronicle(false);
}

void Form1::showChronicle(bool whole)
{
    if (m_cronica)
        m_cronica->showMatch(partido(), whole);
}

void Form1::Guardar_Imagen_Click()
{
    const PlaybackController &match = partido();
    if (match.state() == PlaybackState::NoMatch)
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString proposed = freePath(folder, MatchCard::fileName(match.teams().home, match.teams().away));
    const std::optional<QString> chosen =
        m_imageDialog->askSaveFile(QStringLiteral("Guardar imagen"), QStringLiteral("Imagen PNG (*.png)|*.png"), proposed);
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    if (QFileInfo::exists(path)) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Guardar imagen"),
                        QStringLiteral("Ya existe «%1». ¿Desea reemplazarlo?").arg(QFileInfo(path).fileName()),
                        QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("Imagen_Reemplazar"));
        box.setTextFormat(Qt::PlainText);
        QPushButton *replace = box.addButton(QStringLiteral("Reemplazar"), QMessageBox::AcceptRole);
        box.setDefaultButton(box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
        emit aboutToWarn(&box);
        box.exec();
        if (box.clickedButton() != replace)
            return;
    }
    const SaveResult saved = savePng(path, MatchCard::draw(match, m_programDir));
    if (!saved)
        avisar(QStringLiteral("Guardar imagen"),
               QStringLiteral("No se pudo guardar la imagen en «%1»: %2.").arg(QDir::toNativeSeparators(path), saved.reason),
               QStringLiteral("Imagen_Error"));
}
