; .file/.loc describe the source positions, with or without -g
        .file 1 "src/a.c"
        .file 2 "b.c"
        .text
p:
        .loc 1 3 5 prologue_end
        getl 5
        .loc 2 7 is_stmt 1
        getl 6
        .loc 1 4 basic_block
        complete
