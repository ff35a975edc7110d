#include "dialogs/warning/warning_growth.h"

#include "text/text_ops.h"

uint32_t WarningMessageLength(const TextUnit* field) {
    uint32_t length = 0;
    if (TextLength(field, WARNING_MESSAGE_CCH, &length) != TEXT_S_OK) return WARNING_MESSAGE_CCH - 1;
    return length;
}

bool BWarningMessageGrows(uint32_t messageLength) { return messageLength > WARNING_GROWTH_THRESHOLD_CCH; }

WarningGrowth ComputeWarningGrowth(const ControlGeometry& message, const ControlGeometry& dialog,
                                   const ControlGeometry& checkBox) {
    WarningGrowth growth;
    growth.messageHeight = message.height + WARNING_GROWTH_PX;
    growth.dialogHeight = dialog.height + WARNING_GROWTH_PX;
    growth.checkBoxTop = message.bottom + WARNING_GROWTH_PX;
    growth.buttonsTop = growth.checkBoxTop + checkBox.height;
    return growth;
}
