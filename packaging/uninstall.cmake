# Removes what one install put down, as listed in its install_manifest.txt,
# then the folders that the install created (as noted in FOLDERS) and that are
# empty now. A folder that was there before, or that holds anything else,
# stays.
#   cmake -DMANIFEST=<build>/install_manifest.txt -DFOLDERS=<build>/install_folders.txt -P uninstall.cmake
if(NOT DEFINED MANIFEST OR NOT DEFINED FOLDERS)
  message(FATAL_ERROR "uninstall: pass -DMANIFEST=... and -DFOLDERS=...")
endif()
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "uninstall: ${MANIFEST} not found: nothing was installed from this build")
endif()

file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  # A symbolic link whose target is gone still counts: EXISTS follows links.
  if(IS_SYMLINK "${file}" OR EXISTS "${file}")
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  else()
    message(STATUS "Already gone: ${file}")
  endif()
endforeach()

if(NOT EXISTS "${FOLDERS}")
  message(STATUS "No record of created folders: all folders stay")
  return()
endif()
# Deepest first: a child sorts after its parent.
file(STRINGS "${FOLDERS}" dirs)
list(SORT dirs ORDER DESCENDING)
foreach(dir IN LISTS dirs)
  if(NOT IS_DIRECTORY "${dir}" OR IS_SYMLINK "${dir}")
    continue()
  endif()
  # rmdir takes a folder only while it is empty, even if a file arrives now.
  execute_process(COMMAND rmdir -- "${dir}" RESULT_VARIABLE kept ERROR_QUIET)
  if(kept)
    message(STATUS "Keeping folder, not empty: ${dir}")
  else()
    message(STATUS "Removed folder: ${dir}")
  endif()
endforeach()
