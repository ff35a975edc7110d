# evdlg_resource_only_module(target FILE_NAME script.rc...): a DLL of
# resources only, with no code and no entry point, as a driver ships its
# string-resource module.
function(evdlg_resource_only_module target file_name)
  add_library(${target} SHARED ${ARGN})
  get_filename_component(_stem ${file_name} NAME_WE)
  get_filename_component(_suffix ${file_name} EXT)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${_stem} SUFFIX ${_suffix} LINKER_LANGUAGE C)
  if(MINGW)
    target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0)
  elseif(MSVC)
    target_link_options(${target} PRIVATE /NOENTRY)
  endif()
endfunction()
