# The Windows deployment, installer and zips, made by scripts/windows.sh:
#   config: TolvoSConfig.exe and tolvoctl.exe with every DLL, plug-in and
#           catalogue they need (the installer, and the portable zip);
#   sim:    tolvo-sim.exe with its DLLs, a zip of its own for development and
#           demonstrations, never in the user's installer.

# Where the DLLs come from: Qt's folder and the compiler's runtime.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin_dir "${qt_core_dll}" DIRECTORY)
set(runtime_dirs "${qt_bin_dir}")
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(runtime_dir "${runtime_path}" DIRECTORY)
  get_filename_component(runtime_dir "${runtime_dir}" REALPATH)
  list(APPEND runtime_dirs "${runtime_dir}")
endforeach()
# CMake looks DLLs up by their names in lower case, as Windows would find
# them; on this machine's file system case counts, so the lookup goes through
# a folder of links named in lower case.
set(dll_index ${CMAKE_CURRENT_BINARY_DIR}/dll-index)
set(TOLVO_DLL_INDEX ${dll_index} CACHE INTERNAL "Links in lower case to the DLLs to ship")
file(REMOVE_RECURSE ${dll_index})
file(MAKE_DIRECTORY ${dll_index})
foreach(dir IN LISTS runtime_dirs)
  file(GLOB dlls ${dir}/*.dll)
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" name)
    if(NOT EXISTS ${dll_index}/${name})
      file(CREATE_LINK ${dll} ${dll_index}/${name} SYMBOLIC)
    endif()
  endforeach()
endforeach()
# Windows' own DLLs are not shipped; a DLL found neither in the folders above
# nor among them fails the install. Wine's copies (Debian's wine64) stand for
# Windows' here.
set(TOLVO_WINDOWS_DLLS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
    CACHE PATH "A folder holding Windows' own DLLs, to tell them from missing ones")

find_program(TOLVO_OBJDUMP NAMES ${CMAKE_OBJDUMP} REQUIRED)

# Installs the DLLs that files (installed below prefix) import, directly or
# through each other, into the install's top folder, for component.
function(tolvo_install_runtime component)
  install(CODE "
    set(TOLVO_FILES \"${ARGN}\")
    set(TOLVO_DLL_INDEX \"${dll_index}\")
    set(TOLVO_WINDOWS_DLLS \"${TOLVO_WINDOWS_DLLS}\")
    set(TOLVO_OBJDUMP \"${TOLVO_OBJDUMP}\")
    set(TOLVO_STRIP \"${CMAKE_STRIP}\")"
    COMPONENT ${component})
  install(SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/windows/InstallRuntime.cmake COMPONENT ${component})
endfunction()

# The window program's plug-ins: the Windows platform and its native style.
set(plugins "")
foreach(plugin QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles)
  string(REPLACE ":" ";" plugin "${plugin}")
  list(GET plugin 0 target)
  list(GET plugin 1 folder)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target} LIBRARY DESTINATION ${folder}
          COMPONENT config)
  get_target_property(plugin_file Qt6::${target} IMPORTED_LOCATION_RELEASE)
  get_filename_component(plugin_name "${plugin_file}" NAME)
  list(APPEND plugins "${folder}/${plugin_name}")
endforeach()

# qt.conf: Qt's own paths are the program's folder, so that its catalogues
# are found in translations\ there.
install(FILES windows/qt.conf DESTINATION . COMPONENT config)
# Qt's catalogues of the standard buttons' texts, from the build machine's Qt
# of the same version (they do not depend on the platform).
file(GLOB qt_catalogues /usr/share/qt6/translations/qtbase_*.qm)
if(NOT qt_catalogues)
  message(WARNING "No Qt catalogues in /usr/share/qt6/translations (qt6-translations-l10n)")
endif()
install(FILES ${qt_catalogues} DESTINATION ${TOLVO_TRANSLATIONS_DESTINATION} COMPONENT config)

# The terms: the program's, and Qt's licence beside its DLLs.
get_filename_component(qt_prefix "${qt_bin_dir}" DIRECTORY)
foreach(component config sim)
  install(FILES windows/license.txt DESTINATION . COMPONENT ${component})
  install(FILES ${qt_prefix}/licenses/LGPL-3.0-only.txt ${qt_prefix}/licenses/GPL-3.0-only.txt
          DESTINATION licenses COMPONENT ${component})
endforeach()

tolvo_install_runtime(config TolvoSConfig.exe tolvoctl.exe ${plugins})
tolvo_install_runtime(sim tolvo-sim.exe)

# The installer (NSIS, 64-bit) and the zips (one per component).
# The values are written to CPackConfig.cmake as they are, NSIS's
# backslashes included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME tolvo-s-config)
set(CPACK_PACKAGE_VENDOR Halvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tolvo-s-config-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tolvo-S Configuration")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tolvo-S Configuration")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tolvo-S Configuration Utility")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/windows/license.txt)
# The Start-menu entry, made here rather than from CPACK_PACKAGE_EXECUTABLES:
# CPack's NSIS generator points those into bin\, or with the folder's top
# named "." at "$INSTDIR\.\", a path the shell keeps as it is.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\Tolvo-S Configuration.lnk' '$INSTDIR\\TolvoSConfig.exe'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\$MUI_TEMP\\Tolvo-S Configuration.lnk'")
set(CPACK_COMPONENT_CONFIG_DISPLAY_NAME "Tolvo-S Configuration Utility")
set(CPACK_COMPONENT_CONFIG_REQUIRED ON)
set(CPACK_COMPONENT_SIM_DISPLAY_NAME "Tolvo-S simulator")

set(CPACK_NSIS_PACKAGE_NAME "Tolvo-S Configuration Utility")
set(CPACK_NSIS_DISPLAY_NAME "Tolvo-S Configuration Utility")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/res/icons/tolvo-config.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/res/icons/tolvo-config.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME TolvoSConfig.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstall entry, for the list of programs and for the tools that deploy
# and remove software; its InstallLocation, QuietUninstallString and
# EstimatedSize are written by installer.nsh.
set(CPACK_NSIS_URL_INFO_ABOUT "https://halvane.example/tolvo-s")
set(CPACK_NSIS_HELP_LINK "https://halvane.example/tolvo-s/support")
set(CPACK_NSIS_CONTACT "support@halvane.example")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "Call TolvoRegisterUninstall")
# Every program and DLL is signed in cpack's staging folder, before it is
# packed (scripts/windows-sign.sh: only when a certificate is given).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows/SignStaged.cmake)
# CMake's own NSIS template, with the target named first (a 64-bit
# installer: Debian's nsis has the amd64 stubs; Wine64 runs no 32-bit
# program), installer.nsh included, and its checks for running programs
# called first when the installer and the uninstaller start.
set(nsis_templates ${CMAKE_CURRENT_BINARY_DIR}/nsis-templates)
set(TOLVO_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/windows-sign.sh)
configure_file(windows/installer.nsh.in ${nsis_templates}/installer.nsh @ONLY)
set(cmake_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${cmake_template} byte_order_mark LIMIT 3 HEX)
set(offset 0)
if(byte_order_mark STREQUAL "efbbbf")
  set(offset 3) # the mark must stay the file's first bytes, or go
endif()
file(READ ${cmake_template} nsis_template OFFSET ${offset})
# Puts a line after the template's line anchor; fails when there is none.
function(tolvo_nsis_template_add anchor line)
  string(FIND "${nsis_template}" "${anchor}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "No line \"${anchor}\" in ${cmake_template} to put \"${line}\" after")
  endif()
  string(REPLACE "${anchor}\n" "${anchor}\n${line}\n" nsis_template "${nsis_template}")
  set(nsis_template "${nsis_template}" PARENT_SCOPE)
endfunction()
tolvo_nsis_template_add("@CPACK_NSIS_DEFINES@" "!include \"${nsis_templates}/installer.nsh\"")
tolvo_nsis_template_add("Function .onInit" "  Call TolvoInstallerStart")
tolvo_nsis_template_add("Function un.onInit" "  Call un.TolvoUninstallerStart")
file(WRITE ${nsis_templates}/NSIS.template.in "Target amd64-unicode\n${nsis_template}")
set(CPACK_MODULE_PATH ${nsis_templates})

set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_CONFIG_FILE_NAME tolvo-s-config-${PROJECT_VERSION}-win64-portable)
set(CPACK_ARCHIVE_SIM_FILE_NAME tolvo-sim-${PROJECT_VERSION}-win64)
set(CPACK_COMPONENTS_ALL config sim)
# The installer holds the user's programs only.
configure_file(windows/CPackOptions.cmake.in ${CMAKE_BINARY_DIR}/CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackOptions.cmake)
set(CPACK_GENERATOR NSIS ZIP)
include(CPack)
