# Turns the chapter text files into one C++ source of constant line tables.
# Run in script mode: cmake -DOUTPUT=file.inc -DCHAPTER_DIR=dir -P EmbedChapters.cmake
# The files NN-name.txt of CHAPTER_DIR are the chapters in the order of their numbers.
# Every file line becomes one string literal, trailing blanks kept; the file's final line end
# closes the last line and adds none.
set(out "// Generated from reader/content/chapters/*.txt when the program is built. Do not edit.\n")
file(GLOB INPUTS "${CHAPTER_DIR}/*.txt")
list(SORT INPUTS)
set(index 0)
foreach(input IN LISTS INPUTS)
  file(READ "${input}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "?" "\\?" text "${text}")
  # Drop the final line end, then make each line a literal.
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" "\",\n    \"" text "${text}")
  string(APPEND out "static const char* const kChapter${index}[] = {\n    \"${text}\",\n};\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND out "static const ChapterContent kBuiltInChapters[] = {\n")
math(EXPR last "${index} - 1")
foreach(i RANGE ${last})
  string(APPEND out "    {kChapter${i}, sizeof kChapter${i} / sizeof kChapter${i}[0]},\n")
endforeach()
string(APPEND out "};\n")
file(WRITE "${OUTPUT}.tmp" "${out}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
