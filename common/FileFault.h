#pragma once

#include <cstdint>
#include <string>
#include <system_error>

// Setup files and settings files hold a few kilobytes; a file beyond this is
// not one, and reading it would only tie up the window.
inline constexpr std::uint64_t MaxInputFileBytes = 64'000'000;
inline constexpr std::uint64_t BytesPerMB = 1'000'000;

// Why a file could not be opened, read, copied or written: an error the
// system reported, or a file refused before it was opened.
struct FileFault
{
    enum class Kind
    {
        None,
        System,     // systemError holds the error number
        NotRegular, // a folder, pipe, device or socket
        TooLarge,   // more than limit bytes
        NoFolder,   // the folder to write into does not exist
    };

    Kind kind = Kind::None;
    int systemError = 0;
    std::uint64_t limit = 0; // the bound a file too large exceeds

    static FileFault OfSystem(int error) { return {Kind::System, error}; }
    static FileFault LargerThan(std::uint64_t bytes) { return {Kind::TooLarge, 0, bytes}; }
    static FileFault Of(const std::error_code &code)
    {
        return code ? OfSystem(code.value()) : FileFault();
    }

    explicit operator bool() const { return kind != Kind::None; }

    // The reason in English, for descriptions.
    std::string Text() const;
};
