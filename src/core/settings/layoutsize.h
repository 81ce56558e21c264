#pragma once

#include "settingslocation.h"

#include <QByteArray>
#include <QString>

// The size the main window's classic layout is shown at, chosen in its
// "Tamaño" menu, in percent of the layout's own size. It is kept in a small
// file of its own beside the recent reports, the number and a line end;
// never in TPZ.INI, whose lines are the classic program's.

// The sizes the menu offers, the layout's own first.
inline constexpr int LayoutSizes[] = {100, 125, 150, 200};

// tamano.txt in the user's configuration folder, beside recientes.txt; empty
// when the system names no such folder.
QString layoutSizePath();

// The size the bytes of that file name: 100 unless they name one of LayoutSizes.
int parseLayoutSize(const QByteArray &bytes);
QByteArray formatLayoutSize(int percent);

// The size kept in file: 100 when there is none that can be read. The file
// is read as hostile: only a regular file, only its first few bytes.
int readLayoutSize(const QString &file);
SaveResult saveLayoutSize(const QString &file, int percent);
