# Warning flags shared by every target of the project.
function(tomelodex_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TOMELODEX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The core must stay free of QtGui and QtWidgets so that it runs and is tested
# without a display. Refuse to configure when somebody links them into it.
function(tomelodex_forbid_gui target)
  get_target_property(libs ${target} LINK_LIBRARIES)
  get_target_property(ifaces ${target} INTERFACE_LINK_LIBRARIES)
  foreach(lib IN LISTS libs ifaces)
    if(lib MATCHES "Qt6?::(Gui|Widgets|WebEngine|OpenGL|PrintSupport)")
      message(FATAL_ERROR "${target} must not link ${lib}: the core runs without a display")
    endif()
  endforeach()
endfunction()
