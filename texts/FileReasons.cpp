#include "texts/FileReasons.h"

#include "common/Message.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr Message NotRegularReason = {
    "not a regular file (a folder, a pipe or a device)",
    "keine reguläre Datei (sondern ein Ordner, eine Pipe oder ein Gerät)"};
constexpr Message TooLargeReason = {
    "the file is larger than %1 MB, far more than such a file holds",
    "die Datei ist größer als %1 MB, weit mehr als eine solche "
    "Datei enthält"};
constexpr Message NoFolderReason = {"the folder does not exist", "der Ordner existiert nicht"};
constexpr Message AccessDeniedReason = {"access denied", "Zugriff verweigert"};
constexpr Message NoSpaceReason = {"no space left on the drive",
                                   "kein Platz mehr auf dem Laufwerk"};
constexpr Message TooManyFilesReason = {"too many open files", "zu viele offene Dateien"};
constexpr Message SystemReason = {"system error %1 (%2)",
                                  "Systemfehler %1 (Meldung des Systems: %2)"};

struct ErrorReason
{
    int error;
    Message reason;
};

const ErrorReason ErrorReasons[] = {
    {ENOENT, {"file not found", "Datei nicht gefunden"}},
    {EACCES, AccessDeniedReason},
    {EPERM, AccessDeniedReason},
    {EISDIR, NotRegularReason},
    {ENOSPC, NoSpaceReason},
    {EDQUOT, NoSpaceReason},
    {EFBIG, {"file too large", "Datei zu groß"}},
    {EROFS, {"the drive is read-only", "das Laufwerk ist schreibgeschützt"}},
    {ENOTDIR, {"a part of the path is not a folder", "ein Teil des Pfades ist kein Ordner"}},
    {ENAMETOOLONG, {"name too long", "Name zu lang"}},
    {EIO, {"input/output error", "Ein-/Ausgabefehler"}},
    {ENOMEM, {"not enough memory", "nicht genug Arbeitsspeicher"}},
    {EMFILE, TooManyFilesReason},
    {ENFILE, TooManyFilesReason},
};

} // namespace

std::string FileFaultReason(const FileFault &fault, bool german)
{
    switch (fault.kind) {
    case FileFault::Kind::NotRegular:
        return NotRegularReason.In(german);
    case FileFault::Kind::TooLarge:
        return Filled(TooLargeReason.In(german), {std::to_string(fault.limit / BytesPerMB)});
    case FileFault::Kind::NoFolder:
        return NoFolderReason.In(german);
    case FileFault::Kind::System:
    case FileFault::Kind::None:
        break;
    }
    for (const ErrorReason &known : ErrorReasons) {
        if (known.error == fault.systemError)
            return known.reason.In(german);
    }
    return Filled(SystemReason.In(german),
                  {std::to_string(fault.systemError), std::strerror(fault.systemError)});
}
