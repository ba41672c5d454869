; positions of other sources: one in the compilation directory, two in
; one other directory; two rows name the first operation
        .file 1 "top.c"
        .file 2 "src/x.c"
        .file 3 "src/y.c"
        .text
        .globl fromc
fromc:  .loc 1 9
        .loc 1 10
        getl #1
        .loc 2 20
        addl @1, #2
        .loc 3 30
        addl @1, @2
        complete
