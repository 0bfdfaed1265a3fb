# Writes a C++ source holding a UTF-8 text file as one string literal, its lines ended by CR LF
# as a Windows text control shows them. The compiler's execution character set turns the
# literal into the program's Shift-JIS bytes, as it does every other string of the program.
#   cmake -DINPUT=<text file> -DOUTPUT=<.cpp> -DSYMBOL=<array name> -P embed_text.cmake
file(READ "${INPUT}" text)
string(REGEX REPLACE "\r?\n$" "" text "${text}")
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\\" "\\\\" text "${text}")
string(REPLACE "\"" "\\\"" text "${text}")
string(REPLACE "\n" "\\r\\n\"\n    \"" text "${text}")
file(WRITE "${OUTPUT}.tmp"
  "// Made by the build from ${INPUT}; change that file, not this one.\n"
  "#include <cstddef>\n\n"
  "extern const char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Size;\n\n"
  "const char ${SYMBOL}[] =\n    \"${text}\";\n"
  "const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL}) - 1;\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
