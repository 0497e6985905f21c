#pragma once

#include <QImage>
#include <QStringList>

class TCase;
class TFolderFiles;
class TSaveTransaction;

/// The names (without ".bmp") of the program's own icons that every case
/// folder's img/ folder holds.
const QStringList& BuiltinIconNames();
/// A built-in icon's file as shipped with the program (an 8-bit bitmap).
QByteArray BuiltinIconFile(const QString& name);

/// Writes img/ with the save: the built-in icons and the case's own icons,
/// numbered by the positions of their items in the case's lists. A file or
/// folder that cannot be written throws TStorageError, which fails the save.
void WriteFolderImages(const TCase& aCase, TSaveTransaction& save);

/// Loads `fileName` from the folder's img/ into `icon` as a 24-bit icon. Only a
/// regular file holding a bitmap is read. A missing, unreadable or oversized
/// file leaves the icon as it was; so does a truncated one, with a warning.
bool LoadFolderIcon(const TFolderFiles& files, const QString& fileName, QImage& icon);
