; .loc operands are checked in pass 2; a failed row is dropped. The table
; holds only the .file entries met so far in pass 2
        .file 1 "a.c"
        .text
f:
        .loc 2 10
        .loc 0 10
        .loc 4294967297, 10
        .loc 1, -1
        .loc 1, 10, -2
        .loc 1 10 is_stmt 2
        .loc 1 10 is_stmt -1
        .loc 1 10 undefined_column
        .loc 1 10 5 isa undefined_isa
        .loc 3 10
        addl @0, 2
        complete
        .file 3 "c.c"
g:
        .loc 3 10
        addl @0, 2
        complete
