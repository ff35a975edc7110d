#pragma once

// The job name as the job storage notice shows it. Free of platform headers:
// the name comes from another process's record, so this is also built
// natively and fuzzed.

#include <stdint.h>

#include "text/text_unit.h"

// Units of the record's job name field, its NUL included when it has one.
const uint32_t JOB_NAME_FIELD_CCH = 17;

// Capacity of the job name as shown: the name and the suffix "(1-99)".
const uint32_t JOB_NAME_TEXT_CCH = 25;

// The name up to its NUL, at most JOB_NAME_FIELD_CCH - 1 units whether or not
// the field holds a NUL, followed directly by "(1-99)" when both job name
// flags are exactly 1. text is always terminated.
void VComposeJobNameText(const TextUnit (&jobNameField)[JOB_NAME_FIELD_CCH], uint32_t flag1, uint32_t flag2,
                         TextUnit (&text)[JOB_NAME_TEXT_CCH]);
