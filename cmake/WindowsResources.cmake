# Windows: the version record and the manifest in a program, and the icon
# where one is given, from the one resource template res/program.rc.in.
#   tolvo_windows_resources(TARGET "File description" [ICON file.ico])
# Does nothing on other systems.
function(tolvo_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "ICON" "")
  set(TOLVO_RC_NAME ${target})
  set(TOLVO_RC_DESCRIPTION "${description}")
  set(TOLVO_RC_ICON "// no icon")
  if(arg_ICON)
    set(TOLVO_RC_ICON "128 ICON \"${arg_ICON}\"")
  endif()
  set(manifest ${PROJECT_SOURCE_DIR}/res/program.manifest)
  if(MSVC)
    # MSVC's linker embeds a manifest of its own; ours is merged into that
    # one rather than embedded a second time from the resource file.
    set(TOLVO_RC_MANIFEST "// the manifest: merged by the linker")
    target_sources(${target} PRIVATE ${manifest})
  else()
    set(TOLVO_RC_MANIFEST "1 24 \"${manifest}\"")
  endif()
  set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/res/program.rc.in ${rc_file} @ONLY)
  target_sources(${target} PRIVATE ${rc_file})
  # The resource compiler reads these files: a change to them rebuilds it.
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${manifest};${arg_ICON}")
endfunction()
