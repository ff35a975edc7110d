#include "dialogs/jobstorage/job_name_text.h"

#include <string.h>

#include "text/text_ops.h"

void VComposeJobNameText(const TextUnit (&jobNameField)[JOB_NAME_FIELD_CCH], uint32_t flag1, uint32_t flag2,
                         TextUnit (&text)[JOB_NAME_TEXT_CCH]) {
    memset(text, 0, sizeof(text));
    TextCopyN(text, JOB_NAME_TEXT_CCH, jobNameField, JOB_NAME_FIELD_CCH - 1);
    if (flag1 == 1 && flag2 == 1) TextAppend(text, JOB_NAME_TEXT_CCH, TEXT_UNITS("(1-99)"));
}
