# The application icon is rendered at build time by a small host tool from the vector shape in
# resources/make_icon.cpp; no image is stored in the repository.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp)
  find_program(LARK_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(LARK_MAKE_ICON ${CMAKE_BINARY_DIR}/make_icon_host)
  add_custom_command(
    OUTPUT ${LARK_MAKE_ICON}
    COMMAND ${LARK_HOST_CXX} -std=c++17 -O2 -o ${LARK_MAKE_ICON} ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp
    COMMENT "Building the icon renderer (host)" VERBATIM)
  add_custom_command(
    OUTPUT ${LARK_ICON_FILE}
    COMMAND ${LARK_MAKE_ICON} ${LARK_ICON_FILE}
    DEPENDS ${LARK_MAKE_ICON}
    COMMENT "Rendering the application icon" VERBATIM)
  set(LARK_ICON_LINE "101 ICON \"${LARK_ICON_FILE}\"")
else()
  set(LARK_ICON_LINE "")
  set(LARK_ICON_FILE "")
endif()
