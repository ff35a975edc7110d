# The module's platform-free logic, relative to doceventdlg/: built into the
# DLL and, by tests/native, natively with sanitizers and fuzzers.
set(EVDLG_PORTABLE_SOURCES
  text/text_ops.cpp
  text/string_block.cpp
  preview/entry_list.cpp
  dialogs/warning/warning_growth.cpp
  dialogs/duplex/duplex_placement.cpp
  asyncui/answer_recognition.cpp
  asyncui/conversation_style.cpp
  asyncui/request_document.cpp
  dialogs/jobstorage/job_storage_placement.cpp
  dialogs/jobstorage/job_name_text.cpp
)
