; Source positions of another language: .file names the file, .loc the
; line of the code that follows.
        .file 1 "prog.c"
        .text
f:
        .loc 1 10
        getl 1
        .loc 1 11
        addl @1, 2
        .loc 1 10
        addl @1, 3
        complete
