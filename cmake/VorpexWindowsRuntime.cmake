# The Windows program folder made whole: beside the program, the Qt DLLs it
# links, the platform plugins (windows; offscreen for the tests), the
# Windows style, and the mingw-w64 runtime DLLs that Qt and the program
# share. Qt ships as shared libraries under the LGPL v3, with its licence
# and where its source came from (LICENSES/).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core_dll)
  get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
# The mingw-w64 runtime where the compiler in use keeps it, whatever its
# version: the compiler itself says (-print-file-name).
set(runtime_copies ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(found "${found}" ABSOLUTE)
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}: the Windows program folder needs it")
  endif()
  list(APPEND runtime_copies ${found})
endforeach()
set(commands)
foreach(file ${runtime_copies})
  list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${VORPEX_APP_DIR}/)
endforeach()
add_custom_target(windows_runtime ALL
  ${commands}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VORPEX_APP_DIR}/platforms ${VORPEX_APP_DIR}/styles
          ${VORPEX_APP_DIR}/LICENSES
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/plugins/platforms/qwindows.dll
          ${qt_prefix}/plugins/platforms/qoffscreen.dll ${VORPEX_APP_DIR}/platforms/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll
          ${VORPEX_APP_DIR}/styles/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/LGPL-3.0-only.txt ${VORPEX_APP_DIR}/LICENSES/Qt-LGPL-3.0-only.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/SOURCE.txt ${VORPEX_APP_DIR}/LICENSES/Qt-SOURCE.txt
  COMMENT "Laying the Qt and mingw-w64 runtime beside the program"
  VERBATIM)
# The test programs find Qt's test library in the same folder.
add_custom_target(windows_test_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_bin}/Qt6Test.dll ${VORPEX_APP_DIR}/
  VERBATIM)
