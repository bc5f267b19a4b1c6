#include "setup/FileNames.h"

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

// The length of the UTF-8 sequence that starts at i, 0 where none does.
qsizetype Utf8SequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
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
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i <= name.size()) {
        const qsizetype length = i < name.size() ? Utf8SequenceLength(name, i) : 0;
        if (length > 0) {
            i += length;
            continue;
        }
        text += QFile::decodeName(name.mid(runStart, i - runStart));
        if (i < name.size())
            text += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(name[i])));
        runStart = ++i;
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
