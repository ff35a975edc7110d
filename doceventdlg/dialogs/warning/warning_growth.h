#pragma once

// Layout arithmetic of the warning notice for long messages: a message of
// more than 150 characters gets 100 more pixels of height, and the dialog with
// it; the check box moves to the message's new bottom and the buttons sit
// directly under the check box. Platform-free.

#include <stdint.h>

#include "dialogs/warning/control_geometry.h"
#include "text/text_unit.h"

const uint32_t WARNING_MESSAGE_CCH = 1024;          // the record's field
const uint32_t WARNING_GROWTH_THRESHOLD_CCH = 150;  // longer messages grow the notice
const int32_t WARNING_GROWTH_PX = 100;

struct WarningGrowth {
    int32_t messageHeight;
    int32_t dialogHeight;
    int32_t checkBoxTop;
    int32_t buttonsTop;
};

// Length of the message as shown: up to its NUL, and at most 1023 units when
// the field holds no NUL (the notice shows it cut there).
uint32_t WarningMessageLength(const TextUnit* field);

bool BWarningMessageGrows(uint32_t messageLength);

// New sizes and tops from the geometry captured at set-up.
WarningGrowth ComputeWarningGrowth(const ControlGeometry& message, const ControlGeometry& dialog,
                                   const ControlGeometry& checkBox);
