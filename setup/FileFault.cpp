#include "setup/FileFault.h"

#include "setup/SetupFileFormat.h"

#include <cstring>

std::string FileFault::Text() const
{
    switch (kind) {
    case Kind::System:
        return std::strerror(systemError);
    case Kind::NotRegular:
        return "not a regular file";
    case Kind::TooLarge:
        return "larger than the " + std::to_string(SetupFile::MaxFileSize) +
               " bytes that a setup file may have";
    case Kind::None:
        break;
    }
    return {};
}
