#pragma once

// A message box text in both languages, UTF-8.
struct Message
{
    const char *English;
    const char *German;

    const char *In(bool german) const { return german ? German : English; }
};
