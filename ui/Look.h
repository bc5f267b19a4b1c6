#pragma once

class QLabel;
class QPlainTextEdit;
class QStyle;
class QWidget;

// The window's own look: the blue header, bold headings, link-like labels,
// the result bars. Set on the few widgets that need it rather than through a
// style sheet, which would restyle every widget of the window at start-up.
// Labels name their role in the dynamic property "class" of the form.
void ApplyLook(QWidget *window);

// The base style, with drop-downs that open as a list below them showing at
// most their maxVisibleItems lines; some styles open them over the chosen
// item with every line instead. Takes over base. Set for the application
// before any window exists: a style set later restyles every widget there is.
QStyle *WithListDropDowns(QStyle *base);

// The about box's logo.
void ShowLogo(QLabel *label);

// The command list's monospace font. Loading a second font family costs
// start-up time, so the page sets it when it is first shown.
void UseCommandListFont(QPlainTextEdit *list);
