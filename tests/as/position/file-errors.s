; .file entries are checked in pass 2: an index below one, one already
; taken, or one beyond the 32-bit table keys
        .file 1 "a.c"
        .file 1, "b.c"
        .file 0 "z.c"
        .file -3 "z.c"
        .file 4294967297 "w.c"
        .file undefined_symbol "u.c"
