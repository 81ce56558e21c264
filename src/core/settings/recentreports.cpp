#include "recentreports.h"

#include "textfile/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// A match comes from a report: kept to one short line of plain text.
QString cleanMatch(const QString &match)
{
    QString clean = match.left(RecentReports::MaxMatchLength);
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    std::replace_if(clean.begin(), clean.end(), isControl, QChar(u' '));
    return clean;
}

} // namespace

RecentReports::RecentReports(const QString &file)
    : m_file(file)
{
    load();
}

bool RecentReports::load()
{
    m_entries.clear();
    QFile file;
    if (m_file.isEmpty() || !openRegularFile(file, m_file))
        return false;
    QByteArray bytes = file.read(MaxFileSize);
    // A line cut by the limit is not a line the program wrote.
    if (!file.atEnd())
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    m_entries = parse(bytes);
    return true;
}

std::optional<RecentReport> RecentReports::parseLine(const QByteArray &line)
{
    // The match holds no tab, the path may.
    const qsizetype tab = line.lastIndexOf('\t');
    if (tab <= 0 || line.contains('\0') || line.contains('\r') || line.contains('\n'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    RecentReport entry{utf8(line.left(tab)), utf8(line.mid(tab + 1))};
    if (utf8.hasError() || !QDir::isAbsolutePath(entry.path) || entry.path.size() > MaxPathLength
        || entry.match.size() > MaxMatchLength || std::any_of(entry.match.begin(), entry.match.end(), isControl))
        return std::nullopt;
    return entry;
}

QList<RecentReport> RecentReports::parse(const QByteArray &bytes)
{
    QList<RecentReport> entries;
    for (QByteArray line : bytes.split('\n')) {
        if (entries.size() == MaxEntries)
            break;
        // A list copied through another system may end its lines in CR LF.
        if (line.endsWith('\r'))
            line.chop(1);
        const std::optional<RecentReport> entry = parseLine(line);
        const auto samePath = [&](const RecentReport &e) { return e.path == entry->path; };
        if (entry && std::none_of(entries.begin(), entries.end(), samePath))
            entries << *entry;
    }
    return entries;
}

QByteArray RecentReports::format(const QList<RecentReport> &entries)
{
    QByteArray bytes;
    for (const RecentReport &entry : entries)
        bytes += entry.path.toUtf8() + '\t' + entry.match.toUtf8() + '\n';
    return bytes;
}

SaveResult RecentReports::add(const QString &path, const QString &match)
{
    if (!put(path, match))
        return {true, {}};
    return save();
}

bool RecentReports::put(const QString &path, const QString &match)
{
    const RecentReport entry{QDir::cleanPath(QFileInfo(path).absoluteFilePath()), cleanMatch(match)};
    // A path that would not read back as the same single line is not kept.
    if (!parseLine(format({entry}).chopped(1)))
        return false;
    // What another run saved since this one read the file; a file that
    // cannot be read now leaves the list of this run as it is.
    const QList<RecentReport> kept = m_entries;
    if (!load())
        m_entries = kept;
    // Reopening the report that is first already writes nothing.
    if (!m_entries.isEmpty() && m_entries.first() == entry)
        return false;
    m_entries.removeIf([&](const RecentReport &e) { return e.path == entry.path; });
    m_entries.prepend(entry);
    if (m_entries.size() > MaxEntries)
        m_entries.resize(MaxEntries);
    return true;
}

SaveResult RecentReports::remove(const QString &path)
{
    m_entries.removeIf([&](const RecentReport &e) { return e.path == path; });
    return save();
}

SaveResult RecentReports::clear()
{
    m_entries.clear();
    return save();
}

SaveResult RecentReports::save()
{
    if (m_file.isEmpty())
        return {true, {}};
    return saveSettingsFile(m_file, format(m_entries));
}
