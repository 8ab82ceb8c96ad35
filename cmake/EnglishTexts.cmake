# Makes the core's English texts a C++ table, for the programs that link no Qt, from the one
# translation the editor uses (a Qt Linguist .ts file), so that the English has one source.
# Runs as a script on the build machine (cmake -P), for native and cross builds alike:
#   cmake -DTS=kaz_core_en.ts -DOUTPUT=english_texts.cpp -P EnglishTexts.cmake
# A message without a finished translation is left out; the program then shows its Japanese.

cmake_minimum_required(VERSION 3.25)

function(xml_text raw out)
    if(raw MATCHES "&#")
        message(FATAL_ERROR "${TS}: a character reference is not supported here: ${raw}")
    endif()
    string(REPLACE "&lt;" "<" raw "${raw}")
    string(REPLACE "&gt;" ">" raw "${raw}")
    string(REPLACE "&quot;" "\"" raw "${raw}")
    string(REPLACE "&apos;" "'" raw "${raw}")
    string(REPLACE "&amp;" "&" raw "${raw}")
    set(${out} "${raw}" PARENT_SCOPE)
endfunction()

function(cpp_literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    # A hexadecimal escape or a "??" would change what follows; keep the text as its bytes.
    string(REPLACE "??" "?\"\"?" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The text between <tag ...> and </tag> in `block`; `attributes` gets what the opening tag holds.
function(element block tag out attributes)
    string(FIND "${block}" "<${tag}" begin)
    if(begin LESS 0)
        set(${out} "" PARENT_SCOPE)
        set(${attributes} "" PARENT_SCOPE)
        return()
    endif()
    string(SUBSTRING "${block}" ${begin} -1 rest)
    string(FIND "${rest}" ">" open)
    string(SUBSTRING "${rest}" 0 ${open} opening)
    math(EXPR open "${open} + 1")
    string(SUBSTRING "${rest}" ${open} -1 rest)
    if(opening MATCHES "/$")
        set(${out} "" PARENT_SCOPE)
    else()
        string(FIND "${rest}" "</${tag}>" close)
        string(SUBSTRING "${rest}" 0 ${close} text)
        set(${out} "${text}" PARENT_SCOPE)
    endif()
    set(${attributes} "${opening}" PARENT_SCOPE)
endfunction()

file(READ "${TS}" ts)
set(rows "")
set(count 0)
while(TRUE)
    string(FIND "${ts}" "<message" begin)
    if(begin LESS 0)
        break()
    endif()
    string(FIND "${ts}" "</message>" end)
    math(EXPR length "${end} - ${begin}")
    string(SUBSTRING "${ts}" ${begin} ${length} block)
    math(EXPR end "${end} + 10")
    string(SUBSTRING "${ts}" ${end} -1 ts)

    element("${block}" source source unused)
    element("${block}" translation translation attributes)
    if(translation STREQUAL "" OR attributes MATCHES "type=")
        continue()  # unfinished, vanished or obsolete
    endif()
    xml_text("${source}" source)
    xml_text("${translation}" translation)
    cpp_literal("${source}" source)
    cpp_literal("${translation}" translation)
    string(APPEND rows "    {${source},\n     ${translation}},\n")
    math(EXPR count "${count} + 1")
endwhile()
if(count EQUAL 0)
    message(FATAL_ERROR "${TS}: no translation found")
endif()

get_filename_component(ts_name "${TS}" NAME)
set(content "// Made by cmake/EnglishTexts.cmake from ${ts_name}: edit that file, not this one.

#include \"text/messages.h\"

namespace kaz {

namespace {

struct EnglishText {
    const char* source;
    const char* english;
};

const EnglishText kEnglishTexts[] = {
${rows}};

}  // namespace

const char* englishSource(std::string_view source) {
    for (const EnglishText& text : kEnglishTexts) {
        if (source == text.source) return text.english;
    }
    return nullptr;
}

}  // namespace kaz
")
# Written only when it changes, so that a touched .ts file rebuilds nothing else.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${OUTPUT}" "${content}")
endif()
