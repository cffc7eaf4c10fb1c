# Platform-neutral code: geometry, rounding, number formats, file bytes, records.
set(VISTAK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../app/splash_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../magnifier/int32_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../magnifier/tick_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../settings/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../settings/zoom_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tray/tray_record.cpp
)
