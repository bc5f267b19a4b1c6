#pragma once

#include <functional>
#include <string>

// Identifiers and numbers typed into the command editor, brought into the
// form the command file needs. Texts are UTF-8.

// Upper-casing of letters; the window passes the user's locale.
using UpperCase = std::function<std::string(const std::string &)>;

// Upper-cases a to z only.
std::string AsciiUpperCase(const std::string &text);

// Cuts the text to its first length characters, or prepends fill until it
// has that many.
std::string FitToLength(const std::string &text, int length, char fill);

// Upper case, only characters allowed in a station or measurement ID, "1"
// when nothing is left, fitted to length with leading zeros.
std::string NormalizeId(const std::string &text, int length,
                        const UpperCase &upperCase = AsciiUpperCase);

// Every "," and "." becomes the decimal separator when that is one of the two;
// with any other separator the text is returned unchanged.
std::string ToLocalDecimalSeparator(const std::string &text, char decimalSeparator);

// The command file's number format: at most 15 significant digits, "." as the
// point, no trailing zeros, exponent form (1E-5, 2.5E-6) for non-zero
// magnitudes below 0.0001. The value must be finite.
std::string FormatGeneralNumber(double value);

// The attribute text of a number field: only digits, signs and separators
// kept, cut to maxLength, read with the user's decimal separator; anything that
// is not one number gives defaultValue. With pointAsDecimal the result has "."
// as its point, otherwise the user's separator.
std::string NormalizeNumber(const std::string &text, int maxLength, bool pointAsDecimal,
                            float defaultValue, char decimalSeparator);

// A model value for a panel's text field: one to five decimals ("0.0####").
std::string FormatPanelNumber(float value, char decimalSeparator);
