#pragma once

#include <string>

// Writes UTF-8 text to the standard output or error as it is, unconverted.
void PrintOut(const std::string& text);
void PrintError(const std::string& text);
