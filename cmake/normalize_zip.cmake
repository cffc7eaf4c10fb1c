# Run by cpack after it wrote the zip: entry times from the commit (as UTC),
# entries in name order, fixed permissions and no per-machine extra fields.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  if(CPACK_VISTAK_SOURCE_DATE_EPOCH)
    set(timestamp --timestamp "${CPACK_VISTAK_SOURCE_DATE_EPOCH}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC strip-nondeterminism --type zip ${timestamp} "${zip}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
