#include "common/FileFault.h"

#include <cstring>

std::string FileFault::Text() const
{
    switch (kind) {
    case Kind::System:
        return std::strerror(systemError);
    case Kind::NotRegular:
        return "not a regular file";
    case Kind::TooLarge:
        return "larger than " + std::to_string(limit / BytesPerMB) + " MB";
    case Kind::NoFolder:
        return "the folder does not exist";
    case Kind::None:
        break;
    }
    return {};
}
