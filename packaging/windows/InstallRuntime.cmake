# Install-time script: copies into the install's top folder every DLL that
# TOLVO_FILES (paths below the install prefix) import, directly or through
# each other, found in TOLVO_DLL_INDEX (links in lower case to the DLLs to
# ship). A DLL found there is shipped under its own name; one that Windows
# provides (an API set, or present in TOLVO_WINDOWS_DLLS) is not; any other
# is missing and fails the install; so does a TOLVO_WINDOWS_DLLS without
# kernel32.dll, saying so. Then strips every program and DLL of the
# install of what only a debugger needs (TOLVO_STRIP).
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
# Without Windows' DLLs to compare with, every system DLL would look missing.
if(NOT EXISTS "${TOLVO_WINDOWS_DLLS}/kernel32.dll")
  message(FATAL_ERROR "Wine's copies of Windows' DLLs are not in ${TOLVO_WINDOWS_DLLS} (no "
    "kernel32.dll there), so Windows' own DLLs cannot be told from missing ones: install Wine "
    "(Debian's wine64; scripts/windows.sh does), or set TOLVO_WINDOWS_DLLS to a folder of "
    "Windows' DLLs")
endif()
set(executables "")
set(libraries "")
foreach(file IN LISTS TOLVO_FILES)
  if(file MATCHES "\\.exe$")
    list(APPEND executables "${prefix}/${file}")
  else()
    list(APPEND libraries "${prefix}/${file}")
  endif()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${TOLVO_OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${executables}
  LIBRARIES ${libraries}
  DIRECTORIES ${TOLVO_DLL_INDEX}
  RESOLVED_DEPENDENCIES_VAR shipped
  UNRESOLVED_DEPENDENCIES_VAR unresolved)

set(missing "")
foreach(dll IN LISTS unresolved)
  string(TOLOWER "${dll}" name)
  if(NOT name MATCHES "^(api|ext)-ms-" AND NOT EXISTS "${TOLVO_WINDOWS_DLLS}/${name}")
    list(APPEND missing "${dll}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "DLLs needed but neither found nor part of Windows: ${missing}")
endif()
set(files "")
foreach(link IN LISTS shipped)
  file(REAL_PATH "${link}" file)
  list(APPEND files "${file}")
endforeach()
list(REMOVE_DUPLICATES files)
file(INSTALL ${files} DESTINATION "${prefix}")

file(GLOB_RECURSE binaries "${prefix}/*.dll" "${prefix}/*.exe")
foreach(binary IN LISTS binaries)
  execute_process(COMMAND "${TOLVO_STRIP}" --strip-unneeded "${binary}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not strip ${binary}")
  endif()
endforeach()
