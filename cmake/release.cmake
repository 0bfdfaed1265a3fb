# What a Windows user downloads: the program without its debug information, and a read-me in
# the system's code page, in one ZIP archive made by CPack (`cpack -G ZIP`, from this build's
# folder). The debug information stays beside the build's exe as pochira.exe.debug, which the
# stripped exe names, so that a debugger given both still reads a crash.

add_custom_command(TARGET pochira POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug pochira.exe pochira.exe.debug
  COMMAND ${CMAKE_STRIP} --strip-all pochira.exe
  COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=pochira.exe.debug pochira.exe
  WORKING_DIRECTORY $<TARGET_FILE_DIR:pochira>
  COMMENT "Keeping the debug information of pochira.exe beside it, in pochira.exe.debug"
  VERBATIM)

# The read-me is written in UTF-8 with the version filled in; Windows users get it in Shift-JIS
# with CR LF line ends.
configure_file(${CMAKE_SOURCE_DIR}/resources/readme.txt ${CMAKE_BINARY_DIR}/generated/readme-utf8.txt
               @ONLY NEWLINE_STYLE CRLF)
find_program(ICONV iconv REQUIRED)
set(readme ${CMAKE_BINARY_DIR}/release/readme.txt)
add_custom_command(OUTPUT ${readme}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/release
  COMMAND ${ICONV} -f UTF-8 -t CP932 -o ${readme} ${CMAKE_BINARY_DIR}/generated/readme-utf8.txt
  DEPENDS ${CMAKE_BINARY_DIR}/generated/readme-utf8.txt
  COMMENT "Writing the read-me in Shift-JIS"
  VERBATIM)
add_custom_target(readme ALL DEPENDS ${readme})

install(TARGETS pochira RUNTIME DESTINATION .)
install(FILES ${readme} DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_SYSTEM_NAME win64)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME pochira)
set(CPACK_PACKAGE_VENDOR "ぽち～ら開発チーム")
set(CPACK_PACKAGE_FILE_NAME pochira-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
