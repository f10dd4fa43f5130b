# Embeds resource files into executables on hosts other than Windows: a generated source holds the
# file's bytes and registers them with the layer under the resource's name before main runs.
#
#   quorvane_embed_resource(<object library> <resource name> <file>)
#
# makes an object library whose one object registers the file; link its objects into executables
# (the registration is a static object, so it must not sit unreferenced in a static library).
#
# Run as a script (cmake -P) it writes that source: -DINPUT=<file> -DOUTPUT=<source> -DNAME=<name>.
if(CMAKE_SCRIPT_MODE_FILE)
    file(READ "${INPUT}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    # Sixteen bytes to a line.
    set(bytes "")
    set(position 0)
    while(position LESS hexLength)
        string(SUBSTRING "${hex}" ${position} 32 line)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " line "${line}")
        string(STRIP "${line}" line)
        string(APPEND bytes "    ${line}\n")
        math(EXPR position "${position} + 32")
    endwhile()
    get_filename_component(inputName "${INPUT}" NAME)
    file(WRITE "${OUTPUT}.tmp" "\
// Generated at build time from ${inputName}: the resource ${NAME}, registered before main.
#include \"platform/kernel/embedded_resources.h\"

namespace {

const unsigned char kBytes[${size}] = {
${bytes}};

struct Registration {
    Registration() { layer::kernel::RegisterEmbeddedResource({\"${NAME}\", kBytes, sizeof kBytes}); }
} registration;

}  // namespace
")
    file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${OUTPUT}.tmp")
    return()
endif()

set(QUORVANE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(quorvane_embed_resource target name file)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.cpp)
    add_custom_command(
        OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${source} -DNAME=${name}
                -P ${QUORVANE_EMBED_SCRIPT}
        DEPENDS ${file} ${QUORVANE_EMBED_SCRIPT}
        COMMENT "Embedding ${name} from ${file}")
    add_library(${target} OBJECT ${source})
    target_link_libraries(${target} PRIVATE win32layer)
endfunction()
