# The installer and the portable zip (scripts/package.sh), in build/package. What ships is
# stripped; its debug information stays beside it in the build, found through a debug link.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(STATUS "makensis not found (Debian package nsis): no installer or zip")
  return()
endif()

set(PACKAGE_NAME corvantile-${PROJECT_VERSION}-win64)
set(PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(STAGE ${PACKAGE_DIR}/${PACKAGE_NAME})
set(SETUP ${PACKAGE_DIR}/${PACKAGE_NAME}-setup.exe)
set(ZIP ${PACKAGE_DIR}/${PACKAGE_NAME}.zip)
configure_file(${CMAKE_SOURCE_DIR}/packaging/readme.txt.in ${STAGE}/readme.txt @ONLY NEWLINE_STYLE CRLF)

add_custom_command(OUTPUT ${STAGE}/corvantile.exe ${STAGE}/corvantile.exe.debug ${STAGE}/help.htm
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:corvantile> corvantile.exe.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=corvantile.exe.debug $<TARGET_FILE:corvantile> corvantile.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/help.htm help.htm
  WORKING_DIRECTORY ${STAGE}
  DEPENDS corvantile ${CMAKE_SOURCE_DIR}/resources/help.htm
  COMMENT "Stripping corvantile.exe")

# The licence page appears only when the project has a licence.
file(GLOB license_file ${CMAKE_SOURCE_DIR}/LICENSE* ${CMAKE_SOURCE_DIR}/COPYING*)
set(license_define)
if(license_file)
  list(GET license_file 0 license_file)
  set(license_define -DLICENSE_FILE=${license_file})
endif()
add_custom_command(OUTPUT ${SETUP}
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DSTAGE=${STAGE}
    -DICON=${CMAKE_SOURCE_DIR}/resources/corvantile.ico -DOUTFILE=${SETUP} ${license_define}
    ${CMAKE_SOURCE_DIR}/packaging/corvantile.nsi
  DEPENDS ${STAGE}/corvantile.exe ${STAGE}/help.htm ${CMAKE_SOURCE_DIR}/packaging/corvantile.nsi
  COMMENT "Writing ${PACKAGE_NAME}-setup.exe")

add_custom_command(OUTPUT ${ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip
    ${PACKAGE_NAME}/corvantile.exe ${PACKAGE_NAME}/help.htm ${PACKAGE_NAME}/readme.txt
  WORKING_DIRECTORY ${PACKAGE_DIR}
  DEPENDS ${STAGE}/corvantile.exe ${STAGE}/help.htm ${STAGE}/readme.txt
  COMMENT "Writing ${PACKAGE_NAME}.zip")

add_custom_target(windows_packages ALL DEPENDS ${SETUP} ${ZIP})
