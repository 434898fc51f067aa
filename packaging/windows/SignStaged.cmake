# Run by cpack once the files to package are in its staging folder
# (CPACK_PRE_BUILD_SCRIPTS): signs every program and DLL there, after the
# install has stripped them, with scripts/windows-sign.sh, which does nothing
# without a certificate.
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.dll")
execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../../scripts/windows-sign.sh ${binaries}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Could not sign the programs and DLLs in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
