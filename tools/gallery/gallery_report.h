#pragma once

// The gallery's page and its console summary, made from the results of every
// language. Free of platform headers.

#include <string>
#include <vector>

#include "gallery_results.h"

// index.html: the pictures side by side, one row per notice, one column per
// language, with the fit findings and the notes of each.
std::string RenderGalleryPage(const std::vector<LanguageResults>& languages);

// The table of texts that do not fit (or a line saying that all do).
std::string FormatFitTable(const std::vector<LanguageResults>& languages);

// The failures of the run, one a line (empty when there were none).
std::string FormatFailures(const std::vector<LanguageResults>& languages);

// One line: pictures, notices, languages, findings, failures.
std::string FormatSummary(const std::vector<LanguageResults>& languages);

size_t CountFits(const std::vector<LanguageResults>& languages);
size_t CountFailures(const std::vector<LanguageResults>& languages);
