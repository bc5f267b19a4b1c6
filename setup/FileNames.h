#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>

// File names as the import hands them to the file system. There a name is a
// string of bytes, mostly but not always UTF-8. The bytes that are not UTF-8
// travel in a QString as the characters U+DC80 to U+DCFF, one per byte (lone
// surrogates, which no text holds), so that such a name comes back unchanged.
QByteArray NativeFileName(const QString &name);
std::filesystem::path NativePath(const QString &name);
QString FileNameFromNative(const QByteArray &name);

// The name for a message: a byte that is not UTF-8 shows as its Latin-1
// character, the likely encoding of such a name, or else as \xNN.
QString ReadableFileName(const QString &name);
