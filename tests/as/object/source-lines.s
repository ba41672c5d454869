; .file and .loc: the debug sections in their fixed order, .debug_info and
; .debug_line each with its relocation section
        .file 1 "a.c"
        .text
p:
        .loc 1 3
        getl 5
        complete
