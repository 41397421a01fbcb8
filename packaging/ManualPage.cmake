# Writes morvi's manual page, gzip-compressed, from what `morvi --help` prints, so the
# page never drifts from the program.
# cmake -DMORVI=<program> -DVERSION=<version> -DDATE=<yyyy-mm-dd> -DOUTPUT=<morvi.1.gz> -P ManualPage.cmake
# The page is in English, the language of the program's sources, whatever the builder's.
set(ENV{LANGUAGE} en)
execute_process(COMMAND ${MORVI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${MORVI} --help failed: ${status}")
endif()

# The usage line becomes the synopsis; the rest is shown as printed, in roff's escapes.
string(REGEX REPLACE "^Usage: [^\n]*\n\n" "" body "${help}")
string(REPLACE "\\" "\\e" body "${body}")
string(REPLACE "-" "\\-" body "${body}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" body "${body}")
string(REGEX REPLACE "\n\n" "\n.sp\n" body "${body}")

file(WRITE ${OUTPUT}.tmp ".TH MORVI 1 \"${DATE}\" \"Morvi ${VERSION}\" \"User Commands\"
.SH NAME
morvi \\- download online videos and their audio
.SH SYNOPSIS
.B morvi
[\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR] [\\fIADDRESS\\fR...]
.SH DESCRIPTION
.nf
${body}.fi
")
execute_process(COMMAND gzip -9n -c ${OUTPUT}.tmp OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
file(REMOVE ${OUTPUT}.tmp)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed: ${status}")
endif()
