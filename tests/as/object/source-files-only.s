; .file without any .loc: no line rows, so nothing relocates .debug_line;
; its relocation section stays, empty, and the object is still written
        .file 1 "a.c"
        .text
p:
        getl 5
        complete
