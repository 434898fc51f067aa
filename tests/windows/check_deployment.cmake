# Runs the deployment's install script on the built window program, in a
# folder of its own, with the DLLs to ship and Windows' own DLLs each there or
# not, and checks what it ships and what it says:
#   cmake -DPROGRAM=TolvoSConfig.exe -DINSTALL_RUNTIME=InstallRuntime.cmake
#         -DDLL_INDEX=FOLDER -DWINDOWS_DLLS=FOLDER -DOBJDUMP=... -DSTRIP=...
#         -DWORK=FOLDER -P check_deployment.cmake
# Prints one line a check; fails when any check does.
set(empty ${WORK}/empty)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${empty})

# Each case: name | DLL index | Windows' DLLs | succeeds | output must match |
# output must not match.
set(cases
  "Qt's DLLs shipped, Windows' own left to Windows|${DLL_INDEX}|${WINDOWS_DLLS}|1|Installing: [^\n]*Qt6Core.dll|CMake Error"
  "without Wine's DLL folder: says that folder is missing|${DLL_INDEX}|${empty}|0|Wine's copies of Windows' DLLs are not in ${empty}.*wine64|neither found nor part of Windows"
  "without Qt's DLLs: names them, not Windows' own|${empty}|${WINDOWS_DLLS}|0|neither found nor part of Windows: [^\n]*qt6core.dll|kernel32.dll")

set(failures 0)
set(index 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 name)
  list(GET case 1 dll_index)
  list(GET case 2 windows_dlls)
  list(GET case 3 succeeds)
  list(GET case 4 expected)
  list(GET case 5 unexpected)
  math(EXPR index "${index} + 1")
  set(prefix ${WORK}/${index})
  file(COPY ${PROGRAM} DESTINATION ${prefix})
  get_filename_component(program_name ${PROGRAM} NAME)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${prefix} -DTOLVO_FILES=${program_name}
            -DTOLVO_DLL_INDEX=${dll_index} -DTOLVO_WINDOWS_DLLS=${windows_dlls}
            -DTOLVO_OBJDUMP=${OBJDUMP} -DTOLVO_STRIP=${STRIP} -P ${INSTALL_RUNTIME}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # CMake wraps a message's lines: joined again, as one sentence.
  string(REGEX REPLACE "\n  " " " output "${output}")
  string(STRIP "${output}" output)
  set(problems "")
  if(succeeds AND NOT result EQUAL 0)
    list(APPEND problems "failed")
  elseif(NOT succeeds AND result EQUAL 0)
    list(APPEND problems "succeeded")
  endif()
  if(NOT output MATCHES "${expected}")
    list(APPEND problems "said nothing matching \"${expected}\"")
  endif()
  if(output MATCHES "${unexpected}")
    list(APPEND problems "said something matching \"${unexpected}\"")
  endif()
  if(succeeds AND (NOT EXISTS ${prefix}/Qt6Core.dll OR EXISTS ${prefix}/kernel32.dll))
    list(APPEND problems "shipped the wrong DLLs")
  endif()
  if(problems)
    list(JOIN problems ", " problems)
    message("FAILED: ${name}: ${problems}\n${output}")
    math(EXPR failures "${failures} + 1")
  else()
    message("ok: ${name}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "deployment: ${failures} failed")
endif()
