; .file fills the file table and .loc adds line rows at the location
; counter; the options set their fields, commas between operands optional
        .file 1 "src/a.c"
        .file 2, "b.c"
        .text
f:
        .loc 1 10 5 prologue_end is_stmt 1
        addl @0, 2
        .loc 2, 20, basic_block, isa 3,
        addl @0, 3
        .loc 1, 30, 7, epilogue_begin discriminator 4
        complete
