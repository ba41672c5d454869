; the source's own .debug_line cannot take the .file/.loc rows
        .section .debug_line
        .long 1
        .file 1 "a.c"
        .text
p:      .loc 1 2
        getl 1
        complete
