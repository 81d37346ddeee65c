// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// How a symbolic link is taken when two names are compared.
enum class Links {
    Follow,       // the file it leads to: what a write through either name changes
    AsThemselves, // the link itself: what removing one name leaves of the other
};

// Whether two names stand for one file on disk.
bool sameFile(const QString& a, const QString& b, Links links);

// Renames from over to in one step, replacing what was there; false when it could not.
// The folder is synced after it, so that the new name survives a power cut.
bool moveOver(const QString& from, const QString& to);

// Syncs the folder that holds path, after a name in it was made or changed.
bool syncFolderOf(const QString& path);

// The rename itself, replaceable so that tests can make one fail partway; null restores
// the system's.
using RenameFunction = bool (*)(const QString& from, const QString& to);
void setRenameFunction(RenameFunction rename);

} // namespace kotsu
