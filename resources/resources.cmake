# The three Inter faces and the application icon, linked into the executable.
set(LARK_FONT_MEDIUM "${INTER_DIR}/Inter-Medium.otf")
set(LARK_FONT_SEMIBOLD "${INTER_DIR}/Inter-SemiBold.otf")
set(LARK_FONT_DISPLAY_BOLD "${INTER_DIR}/InterDisplay-Bold.otf")
foreach(f ${LARK_FONT_MEDIUM} ${LARK_FONT_SEMIBOLD} ${LARK_FONT_DISPLAY_BOLD})
  if(NOT EXISTS "${f}")
    message(FATAL_ERROR "Inter face missing: ${f} (Debian: fonts-inter; or set INTER_DIR)")
  endif()
endforeach()

set(LARK_ICON_FILE "${CMAKE_BINARY_DIR}/larkspire.ico")
include(${CMAKE_SOURCE_DIR}/resources/icon.cmake)
configure_file(${CMAKE_SOURCE_DIR}/resources/larkspire.rc.in ${CMAKE_BINARY_DIR}/larkspire.rc @ONLY)
set(LARK_RESOURCE_FILES ${CMAKE_BINARY_DIR}/larkspire.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/larkspire.rc PROPERTIES
  OBJECT_DEPENDS "${LARK_FONT_MEDIUM};${LARK_FONT_SEMIBOLD};${LARK_FONT_DISPLAY_BOLD};${LARK_ICON_FILE}")
