# Writes OUTPUT, a C++ source that holds every file of INPUT_DIR as bytes and defines
# lumora::DefaultFiles() over them.
file(GLOB files RELATIVE "${INPUT_DIR}" "${INPUT_DIR}/*")
list(SORT files)
set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS files)
  file(READ "${INPUT_DIR}/${name}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kFile${index}[] = {${bytes} 0};\n")
  string(APPEND entries "      {\"${name}\", std::string_view(kFile${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from data/defaults; do not edit.
#include \"core/shell/default_files.h\"

namespace lumora {
namespace {
${arrays}}  // namespace

const std::vector<DefaultFile>& DefaultFiles() {
  static const std::vector<DefaultFile> files = {
${entries}  };
  return files;
}

}  // namespace lumora
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
