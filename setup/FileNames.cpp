#include "setup/FileNames.h"

#include "common/Utf8.h"

#include <QFile>

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = 0xDC80;
constexpr char16_t LastEscape = 0xDCFF;

bool IsEscape(const QString &name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= FirstEscape && c <= LastEscape && (i == 0 || !name[i - 1].isHighSurrogate());
}

unsigned char EscapedByte(QChar c)
{
    return static_cast<unsigned char>(c.unicode() - EscapeBase);
}

QChar Escape(char byte)
{
    return QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(byte)));
}

} // namespace

QByteArray NativeFileName(const QString &name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsEscape(name, i))
            continue;
        bytes += QFile::encodeName(name.mid(runStart, i - runStart));
        if (i < name.size())
            bytes += static_cast<char>(EscapedByte(name[i]));
        runStart = i + 1;
    }
    return bytes;
}

std::filesystem::path NativePath(const QString &name)
{
    return std::filesystem::path(NativeFileName(name).toStdString());
}

QString FileNameFromNative(const QByteArray &name)
{
    QString text;
    for (const std::string &character : Utf8Characters(name.toStdString())) {
        if (Utf8CodePoint(character) >= 0)
            text += QFile::decodeName(QByteArray::fromStdString(character));
        else // a byte that starts no valid sequence stands alone
            text += Escape(character[0]);
    }
    return text;
}

QString ReadableFileName(const QString &name)
{
    QString text;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscape(name, i)) {
            text += name[i];
            continue;
        }
        const QChar latin1(EscapedByte(name[i]));
        text += latin1.isPrint()
                    ? QString(latin1)
                    : QStringLiteral("\\x") + QString::number(EscapedByte(name[i]), 16).toUpper();
    }
    return text;
}
