#pragma once

#include <QImage>
#include <QStringList>

class TCase;

/// The names (without ".bmp") of the program's own icons that every case
/// folder's img/ folder holds.
const QStringList& BuiltinIconNames();
/// A built-in icon's file as shipped with the program (an 8-bit bitmap).
QByteArray BuiltinIconFile(const QString& name);

/// Writes img/: the built-in icons and the case's own icons, numbered by the
/// positions of their items in the case's lists. Shows "Could not create folder
/// for images" and writes nothing when img/ cannot be made; a file that cannot
/// be written throws TStorageError.
void WriteFolderImages(const TCase& aCase, const QString& folder);

/// Loads `fileName` from the folder's img/ into `icon` as a 24-bit icon. A
/// missing, unreadable or oversized file leaves the icon as it was.
bool LoadFolderIcon(const QString& folder, const QString& fileName, QImage& icon);
