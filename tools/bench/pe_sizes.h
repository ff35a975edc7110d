#pragma once

// What a module's file holds, read from its PE headers and its resource
// directory, in bytes.

#include <string>

struct SectionSizes {
    bool read;  // the file was a PE image
    double file;
    double code;   // executable sections
    double image;  // headers and every section but resources and debug information
    double resources;
    double pictures;  // bitmap resources among them
};

SectionSizes SizesOf(const std::wstring& path);
