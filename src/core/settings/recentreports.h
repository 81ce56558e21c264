#pragma once

#include "settingslocation.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A report opened lately: where it is and the match it holds.
struct RecentReport
{
    QString path;  // absolute
    QString match; // "Atlético Río - Club Sierra"; empty for a report without a teams line

    friend bool operator==(const RecentReport &, const RecentReport &) = default;
};

// The reports opened last, newest first, kept in a small file of their own,
// one "path TAB match" line each in UTF-8. The file is the program's, but it
// is read as hostile: only a regular file, only its first MaxFileSize bytes,
// and a line that is not one the program writes is skipped. Whatever the
// file holds, the list works: what cannot be read is an empty list, and
// what cannot be saved is still kept for this run.
class RecentReports
{
public:
    static constexpr qsizetype MaxEntries = 8;
    // Room for eight paths of the longest a system allows, with their matches.
    static constexpr qsizetype MaxFileSize = 64 * 1024;
    static constexpr qsizetype MaxPathLength = 4096;
    static constexpr qsizetype MaxMatchLength = 200;

    // file may be empty: the list is then kept for this run only.
    explicit RecentReports(const QString &file = {});

    const QList<RecentReport> &entries() const { return m_entries; }
    // Reads the file again: false, and an empty list, when there is none
    // that can be read.
    bool load();
    // Puts the report first, once, dropping the oldest beyond MaxEntries, and
    // saves; entries another run of the program saved meanwhile are kept.
    SaveResult add(const QString &path, const QString &match);
    // The same without saving: true when the list changed and wants saving.
    bool put(const QString &path, const QString &match);
    SaveResult save();
    SaveResult remove(const QString &path);
    SaveResult clear();

    static std::optional<RecentReport> parseLine(const QByteArray &line);
    static QList<RecentReport> parse(const QByteArray &bytes);
    static QByteArray format(const QList<RecentReport> &entries);

private:
    QString m_file;
    QList<RecentReport> m_entries;
};
