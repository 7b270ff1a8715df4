# The application icon is rendered at build time by a small program from the vector shape written in
# resources/make_icon.cpp; no image is stored in the repository.
if(CMAKE_CROSSCOMPILING)
  # The renderer runs on the build machine, so it is built with the host compiler.
  find_program(LARK_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(LARK_MAKE_ICON ${CMAKE_BINARY_DIR}/make_icon_host)
  add_custom_command(
    OUTPUT ${LARK_MAKE_ICON}
    COMMAND ${LARK_HOST_CXX} -std=c++17 -O2 -o ${LARK_MAKE_ICON} ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp
    COMMENT "Building the icon renderer (host)" VERBATIM)
  set(LARK_MAKE_ICON_DEP ${LARK_MAKE_ICON})
else()
  add_executable(make_icon ${CMAKE_SOURCE_DIR}/resources/make_icon.cpp)
  set(LARK_MAKE_ICON $<TARGET_FILE:make_icon>)
  set(LARK_MAKE_ICON_DEP make_icon)
endif()
add_custom_command(
  OUTPUT ${LARK_ICON_FILE}
  COMMAND ${LARK_MAKE_ICON} ${LARK_ICON_FILE}
  DEPENDS ${LARK_MAKE_ICON_DEP}
  COMMENT "Rendering the application icon" VERBATIM)
