#pragma once

// String ids of the bench's string-resource modules (bench_strings_*.dll):
// the ids the notices look up, with texts of a real driver's length.

// Job storage notice.
#define BT_JOB_CAPTION 3064
#define BT_JOB_USER 844
#define BT_JOB_NAME 845
#define BT_JOB_STORED_AT 3062
#define BT_DO_NOT_SHOW 3063
#define BT_OK 849
#define BT_HELP 797

// Manual duplex instructions; the step texts are the record's choice.
#define BT_DUPLEX_CAPTION 3144
#define BT_DUPLEX_INTRO 3314
#define BT_DUPLEX_STEP1_NUMBER 3084
#define BT_DUPLEX_STEP2_NUMBER 3085
#define BT_DUPLEX_STEP3_NUMBER 3086
#define BT_DUPLEX_STEP1 3087
#define BT_DUPLEX_STEP2 3088
#define BT_DUPLEX_STEP3_INSERT 3140
#define BT_DUPLEX_STEP3_PRESS_GO 3066
#define BT_DUPLEX_CONTINUE 3142

// Warning notice; the caption and button ids are the record's choice.
#define BT_WARNING_CAPTION 3201
#define BT_WARNING_OK 3210
#define BT_WARNING_CANCEL 3211
#define BT_WARNING_THIRD 3212
