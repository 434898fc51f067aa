# Install-time script: copies into the install's top folder every DLL that
# TOLVO_FILES (paths below the install prefix) import, directly or through
# each other, found in TOLVO_SEARCH_DIRS. A DLL found there is shipped; one
# that Windows provides (present in TOLVO_WINDOWS_DLLS) is not; any other is
# missing and fails the install.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
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
  DIRECTORIES ${TOLVO_SEARCH_DIRS}
  RESOLVED_DEPENDENCIES_VAR shipped
  UNRESOLVED_DEPENDENCIES_VAR unresolved)

set(missing "")
foreach(dll IN LISTS unresolved)
  string(TOLOWER "${dll}" name)
  if(NOT EXISTS "${TOLVO_WINDOWS_DLLS}/${name}")
    list(APPEND missing "${dll}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "DLLs needed but neither found nor part of Windows: ${missing}")
endif()
list(REMOVE_DUPLICATES shipped)
file(INSTALL ${shipped} DESTINATION "${prefix}" FOLLOW_SYMLINK_CHAIN)
