# tomelodex_lay_out_files(TARGET FOLDER PATTERN...): copies the files below
# the calling folder that match the patterns to bin/FOLDER beside the built
# programs, keeping their relative paths, under the target TARGET (built by
# default), and installs them into the program folder's FOLDER.
function(tomelodex_lay_out_files target folder)
  set(patterns)
  set(install_patterns)
  foreach(pattern IN LISTS ARGN)
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
    list(APPEND install_patterns PATTERN "${pattern}")
  endforeach()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${patterns})
  set(outputs)
  foreach(file IN LISTS files)
    set(output "${TOMELODEX_RUNTIME_DIR}/${folder}/${file}")
    add_custom_command(OUTPUT "${output}"
      COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_CURRENT_SOURCE_DIR}/${file}" "${output}"
      DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${file}"
      COMMENT "Laying out ${folder}/${file}"
      VERBATIM)
    list(APPEND outputs "${output}")
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/
    DESTINATION ${TOMELODEX_INSTALL_APPDIR}/${folder}
    FILES_MATCHING ${install_patterns})
endfunction()
