#pragma once

#include <string>

// UTF-8 for files and the console, UTF-16 for the platform.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);
