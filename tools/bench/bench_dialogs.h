#pragma once

// The bench's own empty dialog templates (bench_dialogs.rc): the size and
// styles of each notice's template, without any control.
#define BENCH_BARE_JOB_STORAGE 201
#define BENCH_BARE_DUPLEX 202
#define BENCH_BARE_WARNING 203
