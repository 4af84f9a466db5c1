# Writes the text file IN into the C++ source OUT as the character array
# NAME (namespace umrido), so that reviewed data is compiled in as it is.
file(READ "${IN}" text)
if(text MATCHES "\\)umrido\"")
  message(FATAL_ERROR "${IN} holds the literal's closing sequence")
endif()
file(WRITE "${OUT}.tmp"
     "// Generated from ${IN} by embed_text.cmake; edit that file instead.\n"
     "namespace umrido {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"umrido(${text})umrido\";\n}  // namespace umrido\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
