#pragma once

#include <string>

// Why a file could not be opened or copied: an error the system reported, or
// a file refused before it was opened.
struct FileFault
{
    enum class Kind
    {
        None,
        System,     // systemError holds the error number
        NotRegular, // a folder, pipe, device or socket
        TooLarge,   // more bytes than a setup file may have
    };

    Kind kind = Kind::None;
    int systemError = 0;

    static FileFault OfSystem(int error) { return {Kind::System, error}; }

    explicit operator bool() const { return kind != Kind::None; }

    // The reason in English, for descriptions.
    std::string Text() const;
};
