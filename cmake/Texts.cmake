# The texts the user meets are kept as data, one file per audience
# (window/pagetexts.texts, …), and each file becomes a header of constants in
# the build tree at configure time: window/pagetexts.texts is included as
# "window/pagetexts.h". A texts file holds lines of three kinds:
#
#   # A comment, carried into the header.
#   [SectionTexts]                         the namespace of the texts below
#   kCircle = "lingkaran"                  a text, as a C++ string literal
#
# A text's value is copied into the header as it is written, escapes and
# all, so the compiler reads every text exactly as it read it before.

# Writes the header for `texts` (relative to `source_dir`) under `output_dir`,
# and runs the configure step again when the texts file changes.
function(ruvex_texts_header source_dir texts output_dir)
    set(input "${source_dir}/${texts}")
    string(REGEX REPLACE "\\.texts$" ".h" header "${texts}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${input}")
    file(READ "${input}" body)
    # Every line begins after a line break, so a rule can match a whole line.
    set(body "\n${body}")
    string(REGEX REPLACE "\n#" "\n//" body "${body}")
    string(REGEX REPLACE "\n(k[A-Za-z0-9]+) = (\"[^\n]*\")" "\ninline constexpr std::string_view \\1 = \\2;"
           body "${body}")
    string(REGEX REPLACE "\n\\[([A-Za-z]+)\\]" "\n} // namespace\n\nnamespace \\1 {" body "${body}")
    # The first namespace closes none before it.
    string(FIND "${body}" "} // namespace\n\n" first)
    if(first EQUAL -1)
        message(FATAL_ERROR "${input}: no [Namespace] line")
    endif()
    string(SUBSTRING "${body}" 0 ${first} before)
    math(EXPR after_start "${first} + 16")
    string(SUBSTRING "${body}" ${after_start} -1 after)
    set(content "// Made by the build from ${texts}: the texts are changed there.\n#pragma once\n\n")
    string(APPEND content "#include <string_view>\n${before}${after}\n} // namespace\n")
    file(WRITE "${output_dir}/${header}.new" "${content}")
    file(COPY_FILE "${output_dir}/${header}.new" "${output_dir}/${header}" ONLY_IF_DIFFERENT)
    file(REMOVE "${output_dir}/${header}.new")
endfunction()

# The core's texts files, whose headers go to `output_dir`.
function(ruvex_texts_headers source_dir output_dir)
    foreach(texts
            export/savedialogtexts.texts
            surface/sectiontexts.texts
            window/commandlinetexts.texts
            window/desktoptexts.texts
            window/pagetexts.texts)
        ruvex_texts_header("${source_dir}" "${texts}" "${output_dir}")
    endforeach()
endfunction()
