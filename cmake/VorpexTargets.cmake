# Per-target settings shared by every target of the project. Flags are set on
# targets, never globally, so that third-party code keeps its own.

# Warnings on for `target`; errors too when VORPEX_WERROR is set (CI sets it).
function(vorpex_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 warns of overlapping copies inside std::string's own operator+
  # where there are none (GCC bug 105329), in the mingw-w64 build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VORPEX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  vorpex_sanitize(${target})
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer on `target` when
# VORPEX_SANITIZE is set; undefined behaviour aborts rather than warns.
function(vorpex_sanitize target)
  if(VORPEX_SANITIZE)
    set(flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(${target} PRIVATE ${flags})
    target_link_options(${target} PRIVATE ${flags})
  endif()
endfunction()

# Puts a built program or library into the program folder.
function(vorpex_into_app_dir target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${VORPEX_APP_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${VORPEX_APP_DIR})
endfunction()
